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
    const auto square = [](const QStyle& drawing, const QPalette& colours, int side) {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(colours.color(QPalette::Window));
        QStyleOptionButton option;
        option.rect = image.rect();
        option.palette = colours;
        option.state = QStyle::State_Enabled | QStyle::State_Off;
        QPainter painter(&image);
        drawing.drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter);
        return image;
    };
    const std::tuple<int, const QPalette&, bool> cases[] = {
        {9, light, false}, {9, dark, false}, {24, light, true}, {24, dark, true}};
    for (const auto& [points, colours, grown] : cases) {
        QCheckBox box(QStringLiteral("Alternate Table"));
        box.setFont(QFont(box.font().family(), points));
        const int side = style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box);
        EXPECT_EQ(side > fusion->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box), grown);
        const QImage drawn = square(style, colours, side);
        if (isDarkPalette(colours))
            EXPECT_GE(contrastRatio(drawn.pixelColor(0, side / 2), window), 3.0) << points;
        else
            EXPECT_EQ(drawn, square(*fusion, colours, side)) << points;
    }
}

} // namespace
} // namespace korvex
