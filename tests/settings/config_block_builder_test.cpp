// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/config_block_builder.h"
#include "settings/factory_defaults.h"
#include "settings/settings_values.h"
#include "support/case_name.h"

#include <vector>

#include <gtest/gtest.h>

namespace korvex {
namespace {

QByteArray bytesAt(const ConfigBlock& block, int offset, int length) {
    return QByteArray(reinterpret_cast<const char*>(block.data()) + offset, length);
}

QByteArray hex(const ConfigBlock& block) {
    return bytesAt(block, 0, kBlockSize).toHex(' ').toUpper();
}

TEST(BuildConfigBlock, FactorySettingsGiveTheReferenceBlock) {
    SettingsValues settings;
    const SettingsValues before = settings;
    const BuildResult result = BuildConfigBlock(settings);
    ASSERT_TRUE(result.ok()) << result.fault().reason.toStdString();

    QByteArray expected = QByteArray::fromHex("1E06003E2F0A3018120C0906040C1903");
    expected += "KVXTRK0"
                "NOCALL9"
                "WIDE1 1"
                "WIDE2 2";
    expected += '\0';
    expected += "Korvex v2.1 - by QZ9KRV Qel ";
    expected += QByteArray(3, '\0');
    expected += "NOCALL0"
                "MESSAGE SENT USING KORVEX V2.1 !";
    expected += '\0';
    ASSERT_EQ(expected.size(), 116);
    EXPECT_EQ(bytesAt(result.block, 0, 116).toHex(' ').toUpper(), expected.toHex(' ').toUpper());
    EXPECT_EQ(result.gpsless, false);
    EXPECT_TRUE(result.settings == before) << "factory settings must survive their own write-backs";
}

struct NumericCase {
    FieldId field;
    const char* written;
    int offset;
    int byte;
    const char* shown; // the field after the build
};

class NumericStepTest : public testing::TestWithParam<NumericCase> {};

TEST_P(NumericStepTest, ClampsConvertsAndWritesBack) {
    const NumericCase c = GetParam();
    SettingsValues settings;
    ASSERT_TRUE(settings.setText(c.field, QString::fromLatin1(c.written)));
    const BuildResult result = BuildConfigBlock(settings);
    ASSERT_TRUE(result.ok()) << result.fault().reason.toStdString();
    EXPECT_EQ(result.block[static_cast<std::size_t>(c.offset)], c.byte);
    EXPECT_EQ(result.settings.text(c.field), QString::fromLatin1(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, NumericStepTest,
    testing::Values(NumericCase{FieldId::txDelay, "000", 0, 1, "007"},
                    NumericCase{FieldId::txDelay, "6__", 0, 1, "007"},
                    NumericCase{FieldId::txDelay, "050", 0, 8, "053"},
                    NumericCase{FieldId::txDelay, "150", 0, 22, "147"},
                    NumericCase{FieldId::txDelay, "100", 0, 15, "100"},
                    NumericCase{FieldId::messageRetries, "255", 1, 255, "255"},
                    NumericCase{FieldId::messageRetries, "___", 1, 0, "000"},
                    NumericCase{FieldId::gpsInterval, "025", 5, 2, "020"},
                    NumericCase{FieldId::gpsInterval, "035", 5, 4, "040"},
                    NumericCase{FieldId::gpsInterval, "___", 5, 1, "010"},
                    NumericCase{FieldId::speedBand0, "2554", 6, 255, "2550"},
                    NumericCase{FieldId::speedBand1, "5___", 7, 1, "0010"},
                    NumericCase{FieldId::speedBand4, "005", 10, 1, "010"},
                    NumericCase{FieldId::speedBand6, "994", 12, 99, "990"},
                    NumericCase{FieldId::manualInterval, "0015", 13, 2, "0020"},
                    NumericCase{FieldId::gpsTimeout, "25_", 14, 25, "025"},
                    NumericCase{FieldId::statusInterval, "200", 15, 127, "127"},
                    NumericCase{FieldId::statusInterval, "12_", 15, 12, "012"}),
    [](auto i) { return test::caseName(i.index, i.param.field, i.param.written); });

struct FaultCase {
    FieldId field;
    const char* written;
    int step;
    int firstZero; // every byte from here on is still 0
};

class FaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(FaultTest, StopsAtTheFailingStepAndKeepsEarlierBytes) {
    const FaultCase c = GetParam();
    SettingsValues settings;
    ASSERT_TRUE(settings.setText(c.field, QString::fromLatin1(c.written)));
    const BuildResult result = BuildConfigBlock(settings);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(stepNumber(result.fault().step.value()), c.step);
    EXPECT_EQ(result.fault().field, c.field);
    EXPECT_FALSE(result.fault().reason.isEmpty());
    EXPECT_NE(result.block[0], 0); // the TX delay step ran
    for (std::size_t i = static_cast<std::size_t>(c.firstZero); i < kBlockSize; ++i) {
        EXPECT_EQ(result.block[i], 0) << "byte " << i;
    }
    EXPECT_EQ(result.settings.text(c.field), QString::fromLatin1(c.written))
        << "a refused field keeps its text";
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultTest,
                         testing::Values(FaultCase{FieldId::messageRetries, "256", 3, 1},
                                         FaultCase{FieldId::speedBand0, "2555", 8, 6},
                                         FaultCase{FieldId::speedBand1, "9999", 8, 7},
                                         FaultCase{FieldId::manualInterval, "2560", 10, 13},
                                         FaultCase{FieldId::gpsTimeout, "256", 11, 14},
                                         // write-backs that need four digits in a three-digit field
                                         FaultCase{FieldId::gpsInterval, "999", 7, 6},
                                         FaultCase{FieldId::speedBand3, "995", 9, 10}),
                         [](auto i) {
                             return test::caseName(i.index, i.param.field, i.param.written);
                         });

TEST(BuildConfigBlock, TxDelayWriteBackOfFourDigitsIsAFault) {
    SettingsValues settings;
    EXPECT_TRUE(settings.setText(FieldId::txDelay, QStringLiteral("998")));
    const BuildResult result = BuildConfigBlock(settings);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(stepNumber(result.fault().step.value()), 2);
    EXPECT_EQ(result.block[0], 150); // stored before the refused write-back
    EXPECT_EQ(result.settings.text(FieldId::txDelay), QStringLiteral("998"));
}

TEST(BuildConfigBlock, MicEWithoutSelectionAndEmptyCallsAreFaults) {
    SettingsValues noMicE;
    EXPECT_TRUE(noMicE.setValue(FieldId::micEMessage, -1));
    BuildResult result = BuildConfigBlock(noMicE);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(stepNumber(result.fault().step.value()), 4);

    for (FieldId empty : {FieldId::myCall, FieldId::unprotoCall}) {
        SettingsValues settings;
        EXPECT_TRUE(settings.setText(empty, QString()));
        result = BuildConfigBlock(settings);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(stepNumber(result.fault().step.value()), 19);
        EXPECT_EQ(result.fault().field, empty);
        EXPECT_EQ(result.block[115], 0);
        EXPECT_EQ(result.block[83], 'M') << "every step ran before the check";
    }
}

TEST(BuildConfigBlock, GpslessModeFollowsTheTimeout) {
    SettingsValues settings;
    EXPECT_TRUE(settings.setText(FieldId::gpsTimeout, QStringLiteral("000")));
    BuildResult result = BuildConfigBlock(settings);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.gpsless, true);
    EXPECT_EQ(result.block[5], 252);
    EXPECT_EQ(result.block[14], 0);

    EXPECT_TRUE(settings.setText(FieldId::gpsTimeout, QStringLiteral("025")));
    result = BuildConfigBlock(settings);
    EXPECT_EQ(result.gpsless, false);
    EXPECT_EQ(result.block[5], 10);
}

TEST(BuildConfigBlock, FlagsAndStatusInterval) {
    SettingsValues settings;
    EXPECT_TRUE(settings.setText(FieldId::statusInterval, QStringLiteral("200")));
    EXPECT_TRUE(settings.setValue(FieldId::receivedPositionsOff, 1));
    EXPECT_TRUE(settings.setValue(FieldId::alternateTable, 2)); // the greyed state counts as set
    const BuildResult result = BuildConfigBlock(settings);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.block[15], 255);
    EXPECT_EQ(result.block[4], 92);
    EXPECT_EQ(result.settings.text(FieldId::statusInterval), QStringLiteral("127"));
}

struct PathCase {
    const char16_t* path;
    const char* bytes30to44; // 15 bytes
    const char16_t* shown;
};

class PathTest : public testing::TestWithParam<PathCase> {};

TEST_P(PathTest, EncodesOneOrTwoAddresses) {
    const PathCase c = GetParam();
    SettingsValues settings;
    ASSERT_TRUE(settings.setText(FieldId::aprsPath, QString::fromUtf16(c.path)));
    const BuildResult result = BuildConfigBlock(settings);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(bytesAt(result.block, 30, 15), QByteArray(c.bytes30to44, 15));
    EXPECT_EQ(result.settings.text(FieldId::aprsPath), QString::fromUtf16(c.shown));
    // What the window shows after SEND must send the same bytes again.
    const BuildResult again = BuildConfigBlock(result.settings);
    EXPECT_EQ(bytesAt(again.block, 0, kBlockSize), bytesAt(result.block, 0, kBlockSize));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathTest,
    testing::Values(PathCase{u"WIDE2-2", "WIDE2 2\0\0\0\0\0\0\0\0", u"WIDE2-2"},
                    PathCase{u"WIDE1-1,WIDE2-2", "WIDE1 1WIDE2 2\0", u"WIDE1-1,WIDE2-2"},
                    PathCase{u",WIDE2-2", ",WIDE22\0\0\0\0\0\0\0\0", u",WIDE2-2"},
                    PathCase{u"WIDE1-0,WIDE2-2,X", "WIDE1 0WIDE2 2\0", u"WIDE1,WIDE2-2,X"},
                    PathCase{u"", "      0\0\0\0\0\0\0\0\0", u""},
                    PathCase{u"  ,WIDE2-2", "      0WIDE2 2\0", u" ,WIDE2-2"}),
    [](auto i) { return test::caseName(i.index, i.param.path); });

TEST(BuildConfigBlock, TextsAndDestinationCall) {
    SettingsValues settings;
    EXPECT_TRUE(settings.setText(FieldId::statusText, QString(30, u's')));
    EXPECT_TRUE(settings.setText(FieldId::messageRecipient, QString()));
    BuildResult result = BuildConfigBlock(settings);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.block[74], 's');
    EXPECT_EQ(result.block[75], 0);
    EXPECT_EQ(bytesAt(result.block, 76, 7), QByteArray("      0"));

    EXPECT_TRUE(settings.setText(FieldId::statusText, QString()));
    result = BuildConfigBlock(settings);
    EXPECT_EQ(bytesAt(result.block, 45, 31), QByteArray(31, '\0'));
}

TEST(BuildConfigBlock, EveryBuildStartsFromAClearBlock) {
    SettingsValues settings;
    EXPECT_TRUE(settings.setText(FieldId::statusText, QString(30, u's')));
    ASSERT_TRUE(BuildConfigBlock(settings).ok());
    EXPECT_TRUE(settings.setText(FieldId::statusText, QStringLiteral("x")));
    EXPECT_EQ(hex(BuildConfigBlock(settings).block).mid(46 * 3, 2), QByteArray("00"));
}

struct WriteBackCase {
    FieldId field; // written before the build; the factory value when text is null
    const char* text;
    std::vector<FieldId> storedByTheBuild;
};

class WriteBackTest : public testing::TestWithParam<WriteBackCase> {};

// A field written with the text it already holds would lose its undo history
// in the window, so the window stores only the values a build changes.
TEST_P(WriteBackTest, StoresOnlyChangedValues) {
    const WriteBackCase c = GetParam();
    SettingsValues settings;
    if (c.text) {
        ASSERT_TRUE(settings.setText(c.field, QString::fromLatin1(c.text)));
    }
    const BuildResult result = BuildConfigBlock(settings);
    ASSERT_TRUE(result.ok());
    std::vector<FieldId> changed;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (!result.settings.sameAt(static_cast<FieldId>(i), settings))
            changed.push_back(static_cast<FieldId>(i));
    }
    EXPECT_EQ(changed, c.storedByTheBuild);
}

INSTANTIATE_TEST_SUITE_P(
    Builds, WriteBackTest,
    testing::Values(WriteBackCase{FieldId::myCall, nullptr, {}},
                    WriteBackCase{FieldId::messageRetries, "6", {FieldId::messageRetries}},
                    WriteBackCase{FieldId::statusInterval, "200", {FieldId::statusInterval}},
                    WriteBackCase{FieldId::myCall, " N0CALL-7", {FieldId::myCall}},
                    WriteBackCase{FieldId::myCall, "N0CALL-7", {}}),
    [](auto i) { return test::caseName(i.index, i.param.field, i.param.text); });

} // namespace
} // namespace korvex
