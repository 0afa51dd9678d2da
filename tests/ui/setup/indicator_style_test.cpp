// SPDX-License-Identifier: GPL-3.0-or-later
// Check-box squares grow with a large font and stand out in a dark palette;
// at the style's own palette and a 9 pt font they are the style's.
#include "ui/setup/readable_indicator_style.h"

#include <QCheckBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <gtest/gtest.h>

namespace korvex {
namespace {

TEST(ReadableIndicatorStyle, GrowsWithTheFontAndStandsOutWhenDark) {
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    const ReadableIndicatorStyle style(fusion);
    const QPalette light = fusion->standardPalette();
    const QColor text(0xeff0f1), window(0x31363b), base(0x232629);
    const QPalette dark(text, window, window, base, window, text, text, base, window);
    const std::tuple<int, const QPalette&, bool> cases[] = {
        {9, light, false}, {9, dark, false}, {24, light, true}, {24, dark, true}};
    for (const auto& [points, colours, grown] : cases) {
        QCheckBox box(QStringLiteral("Alternate Table"));
        box.setFont(QFont(box.font().family(), points));
        box.setPalette(colours);
        const int side = style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box);
        EXPECT_EQ(side > fusion->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box), grown);
        QStyleOptionButton option;
        option.initFrom(&box);
        option.rect = QRect(0, 0, side, side);
        const auto square = [&](const QStyle& drawing) {
            QImage image(side, side, QImage::Format_RGB32);
            image.fill(window);
            QPainter painter(&image);
            drawing.drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter);
            return image;
        };
        if (isDarkPalette(colours))
            EXPECT_GE(contrastRatio(square(style).pixelColor(0, side / 2), window), 3.0) << points;
        else
            EXPECT_EQ(square(style), square(*fusion)) << points;
    }
}

} // namespace
} // namespace korvex
