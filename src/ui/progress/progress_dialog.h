#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace korvex {

// The small window a transfer reports in (object name "Dialog"): the progress
// text with its growing dots, then the result and an OK button. One instance
// lives, mostly hidden, as long as the Setup window; OK and the close box
// only hide it.
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* parent = nullptr);

    // A transfer opened the port: show this text, without OK.
    void showProgress(const QString& text);
    // The text gained a dot.
    void setProgress(const QString& text);
    // Every write went out: the result text and OK.
    void showResult(const QString& text);

    // The text as the transfer gave it, line breaks as CR LF.
    QString infoText() const { return info_; }

private:
    void setInfo(const QString& text);

    QLabel* lblInfo_;
    QPushButton* okButton_;
    QString info_;
};

} // namespace korvex
