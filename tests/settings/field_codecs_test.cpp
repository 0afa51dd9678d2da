// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/field_codecs.h"
#include "support/case_name.h"
#include "support/outcome_text.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

QByteArray bytesAt(const ConfigBlock& block, int offset, int length) {
    return QByteArray(reinterpret_cast<const char*>(block.data()) + offset, length);
}

struct CallsignCase {
    const char16_t* text;
    const char* field; // the seven bytes written
    const char16_t* returned;
};

class AppendCallsignTest : public testing::TestWithParam<CallsignCase> {};

TEST_P(AppendCallsignTest, EncodesAndNormalises) {
    const CallsignCase c = GetParam();
    ConfigBlock block{};
    std::int16_t position = 23;
    const Result<QString> result =
        AppendCallsign(block, position, QString::fromUtf16(c.text), false);
    ASSERT_TRUE(result.ok()) << outcomeText(result).toStdString();
    EXPECT_EQ(bytesAt(block, 23, 7), QByteArray(c.field, 7));
    EXPECT_EQ(result.value(), QString::fromUtf16(c.returned));
    EXPECT_EQ(position, 29);
    EXPECT_EQ(block[30], 0);
}

INSTANTIATE_TEST_SUITE_P(Calls, AppendCallsignTest,
                         testing::Values(CallsignCase{u"NOCALL-9", "NOCALL9", u"NOCALL-9"},
                                         CallsignCase{u"WIDE2-2", "WIDE2 2", u"WIDE2-2"},
                                         CallsignCase{u"AB1CD-15", "AB1CD ?", u"AB1CD-15"},
                                         CallsignCase{u"AB1CD-16", "AB1CD 0", u"AB1CD"},
                                         CallsignCase{u"AB1CD-", "AB1CD 0", u"AB1CD"},
                                         CallsignCase{u"AB1CD-0", "AB1CD 0", u"AB1CD"},
                                         CallsignCase{u"AB1CD-09", "AB1CD 9", u"AB1CD-09"},
                                         CallsignCase{u"ABCDEFG-3", "ABCDEF3", u"ABCDEF-3"},
                                         CallsignCase{u"  n0cal-1  ", "n0cal 1", u"n0cal-1"},
                                         CallsignCase{u"-5", "-5    0", u"-5"},
                                         CallsignCase{u"", "      0", u""},
                                         CallsignCase{u"A--3", "A     -", u"A"},
                                         CallsignCase{u"A-1-2", "A     1", u"A-1-2"},
                                         CallsignCase{u"A-1.5", "A     2", u"A-1.5"},
                                         CallsignCase{u"A-2.5", "A     2", u"A-2.5"},
                                         CallsignCase{u"A- 1 2", "A     <", u"A- 1 2"}),
                         [](auto i) { return test::caseName(i.index, i.param.text); });

TEST(AppendCallsign, TerminatorFollowsTheSsidButPositionStaysOnIt) {
    ConfigBlock block;
    block.fill(0xAA);
    std::int16_t position = 23;
    const Result<QString> result =
        AppendCallsign(block, position, QStringLiteral("NOCALL-9"), true);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(position, 29);
    EXPECT_EQ(block[29], '9');
    EXPECT_EQ(block[30], 0);
    EXPECT_EQ(block[31], 0xAA);
}

constexpr const char* kOverflow = "overflow: ";
constexpr const char* kOutOfRange = "subscript out of range: ";

struct CallsignFailure {
    const char16_t* text;
    std::int16_t start;
    const char* kind; // how the fault's reason starts
};

class AppendCallsignFailureTest : public testing::TestWithParam<CallsignFailure> {};

TEST_P(AppendCallsignFailureTest, Fails) {
    const CallsignFailure c = GetParam();
    ConfigBlock block{};
    std::int16_t position = c.start;
    const Result<QString> result =
        AppendCallsign(block, position, QString::fromUtf16(c.text), true);
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.fault().reason.startsWith(QLatin1String(c.kind)))
        << result.fault().reason.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Failures, AppendCallsignFailureTest,
    testing::Values(CallsignFailure{u"A-99999", 16, kOverflow}, // beyond 16 bits
                    CallsignFailure{u"A--100", 16, kOverflow},  // negative SSID byte
                    CallsignFailure{u"A-1", 110, kOutOfRange},
                    CallsignFailure{u"A-1", 109, kOutOfRange}, // the 0 at 116
                    CallsignFailure{u"A-1", -1, kOutOfRange},
                    CallsignFailure{u"\u4e2d", 16, kOverflow}),
    [](auto i) { return test::caseName(i.index, i.param.text, i.param.start); });

TEST(AppendText, FillsUpToTheLastByte) {
    ConfigBlock block{};
    std::int16_t position = 83;
    EXPECT_TRUE(AppendText(block, position, QString(32, u'M')).ok());
    EXPECT_EQ(position, 115);
    EXPECT_EQ(block[114], 'M');
    EXPECT_EQ(block[115], 0);
}

TEST(AppendText, OneCharacterTooManyFailsAtTheTerminator) {
    ConfigBlock block{};
    std::int16_t position = 83;
    const Outcome appended = AppendText(block, position, QString(33, u'M'));
    ASSERT_FALSE(appended.ok());
    EXPECT_TRUE(appended.fault().reason.startsWith(QLatin1String(kOutOfRange)));
    EXPECT_EQ(block[115], 'M'); // the characters were written before the failure
    EXPECT_EQ(position, 116);
}

TEST(AppendText, EmptyTextWritesOnlyTheTerminator) {
    ConfigBlock block;
    block.fill(7);
    std::int16_t position = 45;
    EXPECT_TRUE(AppendText(block, position, QString()).ok());
    EXPECT_EQ(position, 45);
    EXPECT_EQ(block[45], 0);
    EXPECT_EQ(block[46], 7);
}

TEST(AppendText, CharactersGoOutInWindows1252) {
    ConfigBlock block{};
    std::int16_t position = 0;
    EXPECT_TRUE(AppendText(block, position, QStringLiteral("\u00e8\u20ac")).ok());
    EXPECT_EQ(block[0], 0xE8);
    EXPECT_EQ(block[1], 0x80);
}

} // namespace
} // namespace korvex
