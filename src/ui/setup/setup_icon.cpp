#include "setup_icon.h"

#include <QPixmap>

namespace korvex {

QIcon setupWindowIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        // Named as PNG outright: a file left to Qt to recognise has every
        // image format plugin loaded first, which costs a start-up dearly.
        QPixmap pixmap;
        if (pixmap.load(QStringLiteral(":/korvex/setup/korvex-config-%1.png").arg(size), "PNG"))
            icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace korvex
