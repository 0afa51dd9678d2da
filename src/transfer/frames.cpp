// SPDX-License-Identifier: GPL-3.0-or-later
#include "frames.h"

#include <algorithm>
#include <numeric>

namespace korvex {

namespace {

QByteArray toBytes(std::span<const std::uint8_t> bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

TransferFrame makeFrame(std::span<const std::uint8_t, kFrameDataSize> data) {
    TransferFrame frame{};
    std::copy(data.begin(), data.end(), frame.begin());
    frame[kFrameDataSize] = frameChecksum(data);
    return frame;
}

} // namespace

std::uint8_t frameChecksum(std::span<const std::uint8_t, kFrameDataSize> data) {
    // Summed wide and cut once: the tracker only keeps the low byte anyway.
    const unsigned sum = std::accumulate(data.begin(), data.end(), 254u);
    return static_cast<std::uint8_t>(sum % 256u);
}

std::array<TransferFrame, 2> makeFrames(const ConfigBlock& block) {
    static_assert(kBlockSize == 2 * kFrameDataSize, "the block must fill exactly two frames");
    const std::span<const std::uint8_t, kBlockSize> all(block);
    return {makeFrame(all.first<kFrameDataSize>()), makeFrame(all.last<kFrameDataSize>())};
}

std::array<QByteArray, 4> lineWrites(const ConfigBlock& block) {
    const auto frames = makeFrames(block);
    const QByteArray preamble = toBytes(kFramePreamble);
    return {preamble, toBytes(frames[0]), preamble, toBytes(frames[1])};
}

QByteArray lineStream(const ConfigBlock& block) {
    QByteArray stream;
    stream.reserve(static_cast<qsizetype>(kLineStreamSize));
    for (const QByteArray& write : lineWrites(block))
        stream += write;
    return stream;
}

} // namespace korvex
