// SPDX-License-Identifier: GPL-3.0-or-later
#include "readable_indicator_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace korvex {
namespace {

// A square this fraction of the text's line height: at Qt's default 9 pt
// font the styles' own squares are at least this big, so they stay as drawn.
constexpr double kIndicatorPerLine = 0.8;

// How much of the text colour the frame takes in a dark palette: enough for
// a frame that stands out three times from the window (the least a
// control's edge needs to be seen), with room for dimmer text colours.
constexpr double kFrameTextShare = 0.6;

double linearChannel(double value) {
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor& colour) {
    return 0.2126 * linearChannel(colour.redF()) + 0.7152 * linearChannel(colour.greenF()) +
           0.0722 * linearChannel(colour.blueF());
}

QColor mixed(const QColor& towards, const QColor& from, double share) {
    const auto channel = [share](double a, double b) { return b + (a - b) * share; };
    return QColor::fromRgbF(float(channel(towards.redF(), from.redF())),
                            float(channel(towards.greenF(), from.greenF())),
                            float(channel(towards.blueF(), from.blueF())));
}

} // namespace

bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

ReadableIndicatorStyle::ReadableIndicatorStyle(QStyle* base)
    : QProxyStyle(base) {}

int ReadableIndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                        const QWidget* widget) const {
    const int styled = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric != PM_IndicatorWidth && metric != PM_IndicatorHeight)
        return styled;
    // The box's own font, for a caption set in a font of its own.
    const int line =
        widget ? widget->fontMetrics().height() : (option ? option->fontMetrics.height() : 0);
    return std::max(styled, int(std::lround(line * kIndicatorPerLine)));
}

void ReadableIndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                           QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_IndicatorCheckBox || !option || !isDarkPalette(option->palette))
        return;
    // Over the style's own frame, which takes a shade of the window.
    const QPalette& colours = option->palette;
    const QColor frame = mixed(colours.color(QPalette::WindowText), colours.color(QPalette::Window),
                               kFrameTextShare);
    const QRectF square = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(frame, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(square);
    painter->restore();
}

ReadableIndicatorStyle* makeReadableIndicatorStyle() {
    QStyle* chosen = QStyleFactory::create(QApplication::style()->name());
    return new ReadableIndicatorStyle(chosen);
}

} // namespace korvex
