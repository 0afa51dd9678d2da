#pragma once

#include <QString>
#include <QWidget>

namespace korvex {

// The window that shows the user manual (object name "frmIstruzioni"). It has
// no owner window; the Setup window creates it on first use and destroys it
// when it closes itself.
class InstructionsWindow : public QWidget {
    Q_OBJECT
public:
    explicit InstructionsWindow(QWidget* parent = nullptr);
    ~InstructionsWindow() override;

    // Remembers the document, sets the caption to " " + Titolo and shows the
    // window, modeless. Whether the document exists is found out on activation.
    void Apri(const QString& NFileIstruzioni, const QString& Titolo);

    QString documentName() const;
};

} // namespace korvex
