// SPDX-License-Identifier: GPL-3.0-or-later
// Check-box squares grow with their box's font and stand out in a dark
// palette; at the style's own palette and a 9 pt font they are the style's.
#include "ui/setup/readable_indicator_style.h"

#include <QCheckBox>
#include <QImage>
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

double boldestContrast(const QImage& image, const QColor& window) {
    double most = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            most = std::max(most, contrastRatio(image.pixelColor(x, y), window));
    return most;
}

TEST(ReadableIndicatorStyle, GrowsWithTheFontAndStandsOutWhenDark) {
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    const QPalette light = fusion->standardPalette();
    QPalette dark = light;
    for (const auto& [role, rgb] : {std::pair{QPalette::Window, 0x31363b},
                                    {QPalette::WindowText, 0xeff0f1},
                                    {QPalette::Base, 0x232629},
                                    {QPalette::Text, 0xeff0f1},
                                    {QPalette::Button, 0x31363b}})
        dark.setColor(role, QColor::fromRgb(QRgb(rgb)));
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
        const int styled = fusion->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box);
        EXPECT_EQ(side > styled, c.grown) << c.points;
        EXPECT_GE(side, box.fontMetrics().height() * 3 / 4) << c.points;
        const QImage drawn = square(style, c.colours, side);
        if (isDarkPalette(c.colours))
            EXPECT_GE(boldestContrast(drawn, c.colours.color(QPalette::Window)), 3.0) << c.points;
        else
            EXPECT_EQ(drawn, square(*fusion, c.colours, side)) << c.points;
    }
}

} // namespace
} // namespace korvex
