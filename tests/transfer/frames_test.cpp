#include "transfer/frames.h"

#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace korvex {
namespace {

using Data = std::array<std::uint8_t, kFrameDataSize>;

// Data bytes that add up to `sum`, spread from the front.
Data dataSumming(unsigned sum) {
    Data data{};
    for (auto& byte : data) {
        const unsigned take = std::min(sum, 255u);
        byte = static_cast<std::uint8_t>(take);
        sum -= take;
    }
    return data;
}

Data filled(std::uint8_t value) {
    Data data{};
    data.fill(value);
    return data;
}

struct ChecksumCase {
    const char* name;
    Data data;
    std::uint8_t checksum;
};

TEST(FrameChecksum, MatchesTheTrackersSum) {
    const std::vector<ChecksumCase> cases{
        {"all zero", filled(0), 254},
        {"all one", filled(1), 56},
        {"sum 1", dataSumming(1), 255},
        {"sum 2", dataSumming(2), 0},
        {"sum 258", dataSumming(258), 0},
        {"sum 514", dataSumming(514), 0},
        {"all 255, far past one byte", filled(255), 196},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(frameChecksum(c.data), c.checksum);
    }
}

ConfigBlock patternBlock() {
    ConfigBlock block{};
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return block;
}

TEST(TransferFrames, CarryTheBlockHalvesEachClosedByItsOwnChecksum) {
    const ConfigBlock block = patternBlock();
    const auto frames = makeFrames(block);
    for (std::size_t f = 0; f < 2; ++f) {
        SCOPED_TRACE(f);
        const auto* first = block.data() + f * kFrameDataSize;
        EXPECT_TRUE(std::equal(first, first + kFrameDataSize, frames[f].begin()));
        const unsigned sum = std::accumulate(first, first + kFrameDataSize, 254u);
        EXPECT_EQ(frames[f][kFrameDataSize], sum % 256);
    }
}

TEST(TransferFrames, AByteOfOneFrameNeverMovesTheOthersChecksum) {
    const ConfigBlock base = patternBlock();
    const auto before = makeFrames(base);
    for (const std::size_t index :
         {std::size_t{0}, std::size_t{57}, std::size_t{58}, std::size_t{115}}) {
        SCOPED_TRACE(index);
        ConfigBlock changed = base;
        changed[index] ^= 0x5A;
        const auto after = makeFrames(changed);
        const std::size_t own = index < kFrameDataSize ? 0 : 1;
        EXPECT_NE(after[own][kFrameDataSize], before[own][kFrameDataSize]);
        EXPECT_EQ(after[1 - own][kFrameDataSize], before[1 - own][kFrameDataSize]);
    }
}

TEST(LineStream, Is122BytesInFourWritesEachChecksumSummingWhatPrecedesIt) {
    const ConfigBlock block = patternBlock();
    const auto writes = lineWrites(block);
    ASSERT_EQ(writes[0], QByteArray("\xFF\xFF", 2));
    ASSERT_EQ(writes[2], QByteArray("\xFF\xFF", 2));
    ASSERT_EQ(writes[1].size(), 59);
    ASSERT_EQ(writes[3].size(), 59);

    const QByteArray stream = lineStream(block);
    ASSERT_EQ(stream.size(), 122);
    EXPECT_EQ(stream, writes[0] + writes[1] + writes[2] + writes[3]);
    EXPECT_EQ(stream.mid(2, 58), QByteArray(reinterpret_cast<const char*>(block.data()), 58));
    EXPECT_EQ(stream.mid(63, 58), QByteArray(reinterpret_cast<const char*>(block.data()) + 58, 58));
    // What lets the tracker check a frame without knowing where the preamble was.
    for (const int end : {60, 121}) {
        const QByteArray before = stream.mid(end - 60, 60);
        const unsigned sum =
            std::accumulate(before.begin(), before.end(), 0u,
                            [](unsigned s, char c) { return s + static_cast<std::uint8_t>(c); });
        EXPECT_EQ(static_cast<std::uint8_t>(stream[end]), sum % 256) << "checksum at " << end;
    }
}

} // namespace
} // namespace korvex
