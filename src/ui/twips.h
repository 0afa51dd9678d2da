// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFontMetrics>
#include <cmath>

namespace korvex {

// The windows were drawn in twips, 1440 to the inch.
inline constexpr double kTwipsPerInch = 1440.0;

// Pixels for a length in twips on a surface of pixelsPerInch.
inline int twipsToPixels(int twips, double pixelsPerInch) {
    return static_cast<int>(std::lround(twips * pixelsPerInch / kTwipsPerInch));
}

// The forms were drawn for an 8.25 pt desktop font: 13 pixels a line at 96
// pixels to the inch, so one line is 195 twips. Taking the inch from the real
// line height keeps the proportions with any font and scaling; labels and
// buttons still grow to their text, so nothing clips. The manual's window,
// which shows a document rather than controls, measures the screen instead.
inline constexpr double kDesignLineTwips = 195.0;

inline double fontPixelsPerInch(const QFontMetrics& metrics) {
    return metrics.height() * kTwipsPerInch / kDesignLineTwips;
}

// Twips to pixels at one fixed resolution, for a form built in one go.
class TwipScale {
public:
    explicit TwipScale(double pixelsPerInch)
        : pixelsPerInch_(pixelsPerInch) {}
    static TwipScale ofFont(const QFontMetrics& metrics) {
        return TwipScale(fontPixelsPerInch(metrics));
    }
    int operator()(int twips) const { return twipsToPixels(twips, pixelsPerInch_); }

private:
    double pixelsPerInch_;
};

} // namespace korvex
