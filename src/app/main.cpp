#include "ui/setup/setup_window.h"

#include <QApplication>

// The program takes no arguments of its own; QApplication still honours Qt's
// (-platform and the like).
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    korvex::SetupWindow window;
    window.show();
    return QApplication::exec();
}
