// SPDX-License-Identifier: GPL-3.0-or-later
#include "wait_for.h"

#include <QElapsedTimer>
#include <QTest>

namespace korvex::testing {

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(5);
    }
    return true;
}

} // namespace korvex::testing
