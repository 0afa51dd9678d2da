// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program does to show a window: the yardstick for
// korvex-config's start-up time and memory.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("bare"));
    window.show();
    return QApplication::exec();
}
