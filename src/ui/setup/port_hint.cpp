// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_hint.h"

#include "settings/printable_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <algorithm>

namespace korvex {
namespace {

// Role "alert": what a screen reader speaks by itself when it shows, where a
// push button would be heard only when focused. It is still pressed as one.
class PortHintAccessible final : public QAccessibleWidget {
public:
    explicit PortHintAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::AlertMessage) {}

    QStringList actionNames() const override {
        return static_cast<PortHint*>(widget())->offered() ? QStringList{pressAction()}
                                                           : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            static_cast<PortHint*>(widget())->click();
    }
};

QAccessibleInterface* portHintAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("korvex::PortHint") && object && object->isWidgetType())
        return new PortHintAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

// Room for a long device path and the maker's words.
constexpr qsizetype kHintLength = 2 * kShownCharacters;

QString whatItIs(const PortDescription& port) {
    if (port.simulated)
        return PortHint::tr("Korvex simulator");
    QStringList about;
    if (!port.manufacturer.isEmpty())
        about << port.manufacturer;
    if (!port.description.isEmpty() && port.description != port.manufacturer)
        about << port.description;
    return about.join(u' ');
}

} // namespace

QString newPortText(const NumberedPort& port) {
    const QString about = whatItIs(port.port);
    const QString device = printable(port.port.device, kHintLength);
    const QString where =
        about.isEmpty() ? device : device + QStringLiteral(", ") + printable(about);
    if (port.number > 0)
        return PortHint::tr("New serial port %1: %2").arg(port.number).arg(where);
    return PortHint::tr("New serial port: %1").arg(where);
}

QString gonePortText(const NumberedPort& port) {
    return PortHint::tr("Serial port %1 is gone: %2")
        .arg(port.number)
        .arg(printable(port.port.device, kHintLength));
}

PortHint::PortHint(QWidget* anchor)
    : QPushButton(anchor->window())
    , anchor_(anchor)
    // Its own child: a shortcut lives as long as the hint, and is heard in
    // the hint's window while the hint shows.
    , key_(QKeySequence(kPortHintKey), this) {
    static const bool installed = [] {
        QAccessible::installFactory(portHintAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("portHint"));
    // The keyboard stays where the user is: F2 takes the offer.
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
    setStyleSheet(QStringLiteral("QPushButton { background: palette(tooltip-base); color: "
                                 "palette(tooltip-text); border: 1px solid palette(dark); "
                                 "padding: 2px 6px; text-align: left; }"));
    hide_.setSingleShot(true);
    hide_.setInterval(kShownMs);
    connect(&hide_, &QTimer::timeout, this, [this] {
        hide();
        key_.setEnabled(false);
    });
    connect(this, &QPushButton::clicked, this, &PortHint::choose);
    key_.setContext(Qt::WindowShortcut);
    key_.setEnabled(false);
    connect(&key_, &QShortcut::activated, this, &PortHint::choose);
    hide();
}

void PortHint::showAppeared(const NumberedPort& port) {
    offered_.reset();
    if (port.number > 0)
        offered_ = port.number;
    present(newPortText(port),
            offered_ ? tr("Press F2 or click here to put %1 into Comm num.").arg(*offered_)
                     : tr("Comm num cannot reach it: send to it with korvex-cli "
                          "send --port and its device."));
}

void PortHint::showGone(const NumberedPort& port) {
    offered_.reset();
    present(gonePortText(port),
            tr("Comm num still names it; plug it in again or choose another port."));
}

void PortHint::present(const QString& text, const QString& description) {
    setText(text);
    setAccessibleName(text);
    setAccessibleDescription(description);
    setToolTip(description);
    key_.setEnabled(offered_.has_value());
    adjustSize();
    place();
    // Shown again when already up, so the new text is told as an alert too.
    hide();
    show();
    raise();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    emit presented(text + QStringLiteral(". ") + description);
    hide_.start();
}

void PortHint::place() {
    QWidget* window = anchor_->window();
    // Just above the field, from its caption's side, inside the window.
    const QPoint fieldTop = anchor_->mapTo(window, QPoint(0, 0));
    const int width = std::min(sizeHint().width(), window->width() - 8);
    resize(width, sizeHint().height());
    const int left =
        std::clamp(fieldTop.x() - width / 4, 4, std::max(4, window->width() - width - 4));
    move(left, std::max(0, fieldTop.y() - height() - 2));
}

void PortHint::choose() {
    if (!isVisible() || !offered_)
        return;
    const int number = *offered_;
    hide_.stop();
    hide();
    key_.setEnabled(false);
    emit numberChosen(number);
}

} // namespace korvex
