// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup_icon.h"

#include <QPixmap>

namespace korvex {

QIcon setupWindowIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        // Decoding loads every image format plugin of Qt's first, so the
        // window asks for its icon only after its first paint.
        QPixmap pixmap;
        if (pixmap.load(QStringLiteral(":/korvex/setup/korvex-config-%1.png").arg(size), "PNG"))
            icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace korvex
