// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/port_numbering.h"

#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <optional>

namespace korvex {

// The key that takes the number a hint offers.
inline constexpr Qt::Key kPortHintKey = Qt::Key_F2;

// The port that just appeared, or the chosen one that went, said by "Comm
// num:" for a few seconds. It floats over the window, so nothing moves
// aside for it; screen readers hear it as an alert. A hint about a new port
// that a digit reaches offers that digit: a click, or F2.
class PortHint : public QPushButton {
    Q_OBJECT
public:
    // `anchor` is the field it speaks for; it floats just above it.
    explicit PortHint(QWidget* anchor);

    void showAppeared(const NumberedPort& port);
    void showGone(const NumberedPort& port);

    // The digit a click or F2 puts into the field; none when it offers none.
    std::optional<int> offered() const { return offered_; }

    // How long a hint stays.
    static constexpr int kShownMs = 12'000;

signals:
    void numberChosen(int number);
    // Each time it shows: its text and what it offers, for a screen reader
    // that would not read it as it appears.
    void presented(const QString& words);

private:
    void present(const QString& text, const QString& description);
    void choose();
    void place();

    QWidget* anchor_;
    QShortcut key_;
    QTimer hide_;
    std::optional<int> offered_;
};

// "New serial port 3: /dev/ttyUSB0, FTDI FT232R": the number as "Comm num:"
// takes it, the device, and the maker and product as the system names them.
QString newPortText(const NumberedPort& port);
QString gonePortText(const NumberedPort& port);

} // namespace korvex
