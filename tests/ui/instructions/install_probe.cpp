// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for korvex-config pressing F1 in an installed tree: copied beside
// the installed program and started from another folder, it opens the
// instructions window exactly as the Setup window does and reports which file
// it showed. Exit 0: the manual was found and read; 1: the missing-file box.
#include "instructions/instructions_window.h"

#include <QApplication>
#include <QTextBrowser>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int status = 2; // neither outcome within the time limit
    korvex::InstructionsWindow::setCriticalBox(
        [&status](QWidget*, const QString&, const QString& text) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
            status = 1;
        });
    auto* window = new korvex::InstructionsWindow;
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
