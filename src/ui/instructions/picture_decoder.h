// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSizeF>

#include <chrono>
#include <memory>
#include <vector>

namespace korvex {

// What pictures may add to a document's layout, all of them together: a
// layout of many huge pictures (or boxes standing for them) costs the window
// seconds at a time and, past a total height, never ends. Sizes are in the
// document's pixels, as shown.
class PictureLayoutBudget {
public:
    static constexpr double kMaxSide = 8192;
    static constexpr double kMaxTotalHeight = 100'000;
    static constexpr double kMaxTotalArea = 200'000'000;

    // The size to show a picture asked at `wanted` (larger sides scaled down,
    // keeping its proportions), charged to the budget; an empty size when the
    // budget has no room for it and the picture is to be left out.
    QSizeF place(QSizeF wanted);

private:
    double height_ = 0;
    double area_ = 0;
};

// Whether decoding `jpeg` costs no more than a picture should: every scan of a
// progressive JPEG is a pass over all its coefficients, so a few kilobytes of
// empty scans cost seconds.
bool jpegWorthDecoding(QByteArrayView jpeg);

// Decodes pictures on a worker thread, one at a time, so a slow picture never
// holds up the window; finished ones are collected on the owner's thread.
// Destroying it abandons what is still queued; a decode under way ends on its
// own, and its result is dropped.
class PictureDecoder {
public:
    struct Finished {
        int id;
        QImage image; // null when the picture did not decode
    };

    PictureDecoder();
    ~PictureDecoder();
    PictureDecoder(const PictureDecoder&) = delete;
    PictureDecoder& operator=(const PictureDecoder&) = delete;

    void decode(int id, QByteArray data, const char* format);

    // The pictures decoded since the last call, waiting up to `wait` for one
    // when none is ready but some are still being decoded.
    std::vector<Finished> takeFinished(std::chrono::milliseconds wait);

    // Pictures handed in and not yet taken back.
    int pending() const { return pending_; }

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    int pending_ = 0;
};

} // namespace korvex
