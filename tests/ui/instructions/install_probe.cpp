// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for korvex-config pressing F1 in an installed tree: copied beside
// the installed program and started from another folder, it opens the
// instructions window exactly as the Setup window does and reports which file
// it showed. Exit 0: the manual was found and read; 1: the missing-file box.
#include "file_io/process_start.h"
#include "instructions/instructions_window.h"
#include "ui/prompts/prompts.h"

#include <QApplication>
#include <QTextBrowser>
#include <QTimer>

#include <cstdio>

namespace {

// The missing-file box, reported instead of shown.
class ReportedBoxes final : public korvex::Prompts {
public:
    explicit ReportedBoxes(int& status)
        : status_(status) {}
    std::optional<QString> chooseFile(QWidget*, const korvex::FileRequest&) override { return {}; }
    void showMessage(QWidget*, const korvex::MessageRequest& message) override {
        std::fprintf(stderr, "%s\n", qPrintable(message.text));
        status_ = 1;
    }

private:
    int& status_;
};

} // namespace

int main(int argc, char** argv) {
    korvex::prepareProcess();
    QApplication app(argc, argv);
    int status = 2; // neither outcome within the time limit
    ReportedBoxes prompts(status);
    auto* window = new korvex::InstructionsWindow(prompts);
    window->openDocument(QStringLiteral("Korvex_Config.rtf"),
                         QStringLiteral("Korvex Config - Istruzioni"));

    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (status == 1) {
            app.exit(1);
        } else if (!window->documentPath().isEmpty() &&
                   !window->textArea()->toPlainText().isEmpty()) {
            std::printf("%s\n", qPrintable(window->documentPath()));
            app.exit(0);
        }
    });
    poll.start();
    QTimer::singleShot(10000, &app, [&] { app.exit(status); });
    return app.exec();
}
