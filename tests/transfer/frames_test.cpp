// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/frames.h"

#include <gtest/gtest.h>
#include <numeric>

namespace korvex {
namespace {

using Data = std::array<std::uint8_t, kFrameDataSize>;

// Data bytes that add up to `sum`, filled from the front.
Data summing(unsigned sum) {
    Data data{};
    for (auto& byte : data) {
        byte = static_cast<std::uint8_t>(std::min(sum, 255u));
        sum -= byte;
    }
    return data;
}

TEST(FrameChecksum, MatchesTheTrackersSum) {
    Data ones{};
    ones.fill(1);
    const struct {
        const char* name;
        Data data;
        int checksum;
    } cases[] = {
        {"all zero", summing(0), 254},       {"all one", ones, 56},
        {"sum 1", summing(1), 255},          {"sum 2", summing(2), 0},
        {"sum 258", summing(258), 0},        {"sum 514", summing(514), 0},
        {"all 255", summing(58 * 255), 196},
    };
    for (const auto& c : cases)
        EXPECT_EQ(frameChecksum(c.data), c.checksum) << c.name;
}

TEST(LineStream, IsPreambleFrameOnePreambleFrameTwoEachChecksummedOnItsOwn) {
    ConfigBlock block{};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 37 + 11);
    const auto writes = lineWrites(block);
    const QByteArray preamble("\xFF\xFF", 2);
    const auto bytes = [&](std::size_t from) {
        return QByteArray(reinterpret_cast<const char*>(block.data() + from), 58);
    };
    const auto sum = [](const QByteArray& b) {
        return std::accumulate(b.begin(), b.end(), 0u,
                               [](unsigned s, char c) { return s + std::uint8_t(c); });
    };
    ASSERT_EQ(writes[0], preamble);
    ASSERT_EQ(writes[2], preamble);
    EXPECT_EQ(writes[1].first(58), bytes(0));
    EXPECT_EQ(writes[3].first(58), bytes(58));
    // Each checksum is the modulo-256 sum of the 60 bytes before it on the line.
    EXPECT_EQ(std::uint8_t(writes[1][58]), sum(preamble + bytes(0)) % 256);
    EXPECT_EQ(std::uint8_t(writes[3][58]), sum(preamble + bytes(58)) % 256);
    EXPECT_EQ(lineStream(block), writes[0] + writes[1] + writes[2] + writes[3]);
    EXPECT_EQ(lineStream(block).size(), 122);

    // A byte of one frame never moves the other frame's checksum.
    for (const std::size_t index : {0u, 57u, 58u, 115u}) {
        ConfigBlock changed = block;
        changed[index] ^= 0x5A;
        const auto frames = makeFrames(changed);
        const std::size_t own = index / 58;
        EXPECT_NE(frames[own][58], std::uint8_t(writes[1 + 2 * own][58])) << index;
        EXPECT_EQ(frames[1 - own][58], std::uint8_t(writes[3 - 2 * own][58])) << index;
    }
}

} // namespace
} // namespace korvex
