// SPDX-License-Identifier: GPL-3.0-or-later
// Check-box squares grow with their box's font and stand out in a dark
// palette; at the style's own palette and a 9 pt font they are the style's.
#include "ui/setup/readable_indicator_style.h"

#include <QCheckBox>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <gtest/gtest.h>

namespace korvex {
namespace {

QImage square(const QStyle& style, const QPalette& colours, int side) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colours.color(QPalette::Window));
    QStyleOptionButton option;
    option.rect = image.rect();
    option.palette = colours;
    option.state = QStyle::State_Enabled | QStyle::State_Off;
    QPainter painter(&image);
    style.drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter);
    return image;
}

TEST(ReadableIndicatorStyle, GrowsWithTheFontAndStandsOutWhenDark) {
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    const QPalette light = fusion->standardPalette();
    QPalette dark(QColor(0xeff0f1), QColor(0x31363b), QColor(0x31363b), QColor(0x232629),
                  QColor(0x31363b), QColor(0xeff0f1), QColor(0xeff0f1), QColor(0x232629),
                  QColor(0x31363b));
    const ReadableIndicatorStyle style(fusion);
    const struct {
        int points;
        const QPalette& colours;
        bool grown;
    } cases[] = {{9, light, false}, {9, dark, false}, {24, light, true}, {24, dark, true}};
    for (const auto& c : cases) {
        QCheckBox box(QStringLiteral("Alternate Table"));
        box.setFont(QFont(box.font().family(), c.points));
        const int side = style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box);
        EXPECT_EQ(side > fusion->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box), c.grown);
        const QImage drawn = square(style, c.colours, side);
        if (isDarkPalette(c.colours))
            EXPECT_GE(
                contrastRatio(drawn.pixelColor(0, side / 2), c.colours.color(QPalette::Window)),
                3.0);
        else
            EXPECT_EQ(drawn, square(*fusion, c.colours, side)) << c.points;
    }
}

} // namespace
} // namespace korvex
