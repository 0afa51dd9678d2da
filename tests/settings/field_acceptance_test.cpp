// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/factory_defaults.h"
#include "settings/field_acceptance.h"
#include "settings/field_number.h"
#include "settings/field_table.h"
#include "settings/settings_values.h"
#include "support/case_name.h"
#include "support/outcome_text.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

struct WriteCase {
    FieldId field;
    const char16_t* written;
    bool accepted;
    const char16_t* held; // what the field holds afterwards
};

class FieldWriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(FieldWriteTest, AcceptsOrRefuses) {
    const WriteCase c = GetParam();
    SettingsValues s;
    const QString before = s.text(c.field);
    const Outcome result = s.setText(c.field, QString::fromUtf16(c.written));
    EXPECT_EQ(result.ok(), c.accepted) << outcomeText(result).toStdString();
    EXPECT_EQ(s.text(c.field), c.accepted ? QString::fromUtf16(c.held) : before);
    if (!c.accepted) {
        EXPECT_FALSE(result.fault().reason.isEmpty());
        EXPECT_EQ(result.fault().field, c.field);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldWriteTest,
    testing::Values(WriteCase{FieldId::messageRetries, u"7", true, u"7__"},
                    WriteCase{FieldId::messageRetries, u"", true, u"___"},
                    WriteCase{FieldId::messageRetries, u"12_", true, u"12_"},
                    WriteCase{FieldId::messageRetries, u"1000", false, u""},
                    WriteCase{FieldId::messageRetries, u"1a", false, u""},
                    WriteCase{FieldId::messageRetries, u"\u0663", false, u""}, // Arabic-Indic three
                    WriteCase{FieldId::speedBand0, u"2554", true, u"2554"},
                    // COM12 on Windows; one digit elsewhere.
                    WriteCase{FieldId::portNumber, u"12", kPortNumberDigits > 1,
                              kPortNumberDigits > 1 ? u"12" : u""},
                    WriteCase{FieldId::portNumber, u"123", false, u""},
                    WriteCase{FieldId::symbol, u"", true, u"_"},
                    WriteCase{FieldId::symbol, u"/", true, u"/"},
                    WriteCase{FieldId::symbol, u"ab", false, u""},
                    WriteCase{FieldId::myCall, u"ABCDEFGHI", true, u"ABCDEFGHI"},
                    WriteCase{FieldId::myCall, u"ABCDEFGHIJ", false, u""},
                    WriteCase{FieldId::messageText, u"caf\u00e9 \u20ac", true, u"caf\u00e9 \u20ac"},
                    WriteCase{FieldId::statusText, u"\u4e2d", false, u""}),
    [](auto i) { return test::caseName(i.index, i.param.field, i.param.written); });

struct ValueCase {
    FieldId field;
    int value;
    bool accepted;
};

class FieldValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(FieldValueTest, AcceptsOrRefuses) {
    const ValueCase c = GetParam();
    SettingsValues s;
    EXPECT_EQ(s.setValue(c.field, c.value).ok(), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(Values, FieldValueTest,
                         testing::Values(ValueCase{FieldId::micEMessage, -1, true},
                                         ValueCase{FieldId::micEMessage, 7, true},
                                         ValueCase{FieldId::micEMessage, 8, false},
                                         ValueCase{FieldId::micEMessage, -2, false},
                                         ValueCase{FieldId::alternateTable, 2, true},
                                         ValueCase{FieldId::alternateTable, 3, false},
                                         ValueCase{FieldId::receivedPositionsOff, 2, false}),
                         [](auto i) {
                             return test::caseName(i.index, i.param.field, i.param.value);
                         });

TEST(FieldNumber, LeadingDigitsOnly) {
    EXPECT_EQ(numberOfField(QStringLiteral("7__")), 7);
    EXPECT_EQ(numberOfField(QStringLiteral("___")), 0);
    EXPECT_EQ(numberOfField(QStringLiteral("1_2")), 1);
    EXPECT_EQ(numberOfField(QStringLiteral("0480")), 480);
    EXPECT_EQ(numberOfField(QString(40, u'9')), std::numeric_limits<long long>::max());
}

TEST(LeadingNumber, ReadsLikeTheOldTool) {
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral(" 1 2x")), 12.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("-3")), -3.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("1.5")), 1.5);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("abc")), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("")), 0.0);
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("2e1")), 20.0);
    EXPECT_TRUE(std::isinf(leadingNumber(QString(400, u'9'))));
}

TEST(RoundHalfEven, HalvesGoToEven) {
    EXPECT_EQ(roundHalfEven(1.5), 2.0);
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(-0.5), 0.0);
    EXPECT_EQ(roundHalfEven(255.4), 255.0);
}

TEST(FieldTable, KeysAndNamesFindTheirField) {
    for (const FieldInfo& info : fieldTable()) {
        EXPECT_EQ(fieldByKey(QLatin1String(info.key)), info.id);
        EXPECT_EQ(fieldByName(QLatin1String(info.objectName)), info.id);
    }
    EXPECT_FALSE(fieldByKey(QStringLiteral("nosuch")).has_value());
}

TEST(FactoryDefaults, EveryDefaultFitsItsFieldAndDefaultIsIdempotent) {
    SettingsValues fresh;
    SettingsValues edited;
    EXPECT_TRUE(edited.setText(FieldId::myCall, QStringLiteral("X1")));
    EXPECT_TRUE(edited.setValue(FieldId::micEMessage, 5));
    SetDefaults(edited);
    SetDefaults(edited);
    EXPECT_TRUE(edited == fresh);
    for (const FieldInfo& info : fieldTable()) {
        if (holdsText(info.id))
            EXPECT_EQ(acceptText(info.id, fresh.text(info.id)).value(), fresh.text(info.id));
        else
            EXPECT_TRUE(acceptValue(info.id, fresh.value(info.id)));
    }
    EXPECT_EQ(fresh.text(FieldId::speedBand0), QStringLiteral("0480"));
    EXPECT_EQ(fresh.text(FieldId::statusText).size(), 28);
    EXPECT_EQ(fresh.text(FieldId::messageText).size(), 32);
}

} // namespace
} // namespace korvex
