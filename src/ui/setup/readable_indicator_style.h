// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

class QColor;
class QPalette;

namespace korvex {

// The style the program is drawn with, except for one thing: check-box
// squares. Styles size them in pixels of the screen's resolution, so a large
// desktop font leaves them small beside their captions; and a dark palette
// gives them a frame only a shade from the window. Here they grow with the
// font of the box that shows them, and in a dark palette their frame is drawn
// in a colour that stands out from the window. At the default palette and
// font nothing differs from the style underneath.
class ReadableIndicatorStyle final : public QProxyStyle {
    Q_OBJECT
public:
    // `base` is owned from now on; none means the style QApplication would
    // pick (the desktop's, or -style / QT_STYLE_OVERRIDE).
    explicit ReadableIndicatorStyle(QStyle* base = nullptr);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// The style for the whole program: the one QApplication chose, wrapped.
// Call once the QApplication exists; QApplication::setStyle takes it over.
ReadableIndicatorStyle* makeReadableIndicatorStyle();

// A palette whose window is darker than its text.
bool isDarkPalette(const QPalette& palette);

// The ratio of the lighter to the darker colour's relative luminance, both
// plus 0.05: 1 for equal colours, 21 for black on white.
double contrastRatio(const QColor& a, const QColor& b);

} // namespace korvex
