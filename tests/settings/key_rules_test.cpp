// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/cp1252.h"
#include "settings/key_rules.h"
#include "support/case_name.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

struct KeyCase {
    KeyRule rule;
    int code;
    int expected;
};

class KeyRuleTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyRuleTest, FiltersOneKey) {
    const KeyCase c = GetParam();
    EXPECT_EQ(filterKey(c.rule, c.code), c.expected) << "code " << c.code;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, KeyRuleTest,
    testing::Values(
        // call signs: letters upper-cased, digits, "-", Backspace; nothing else
        KeyCase{KeyRule::Callsign, 'a', 'A'}, KeyCase{KeyRule::Callsign, 'Z', 'Z'},
        KeyCase{KeyRule::Callsign, '7', '7'}, KeyCase{KeyRule::Callsign, '-', '-'},
        KeyCase{KeyRule::Callsign, 8, 8}, KeyCase{KeyRule::Callsign, ',', 0},
        KeyCase{KeyRule::Callsign, 22, 0}, KeyCase{KeyRule::Callsign, 13, 0},
        KeyCase{KeyRule::Callsign, 27, 0}, KeyCase{KeyRule::Callsign, ' ', 0},
        KeyCase{KeyRule::Callsign, 0xE9, 0}, KeyCase{KeyRule::Callsign, '/', 0},
        // the path also keeps the comma
        KeyCase{KeyRule::Path, ',', ','}, KeyCase{KeyRule::Path, 'b', 'B'},
        KeyCase{KeyRule::Path, 3, 0},
        // status text: case kept; apostrophe, grave accent and 123..255 dropped
        KeyCase{KeyRule::Status, 'q', 'q'}, KeyCase{KeyRule::Status, '\'', 0},
        KeyCase{KeyRule::Status, '`', 0}, KeyCase{KeyRule::Status, '{', 0},
        KeyCase{KeyRule::Status, '~', 0}, KeyCase{KeyRule::Status, 255, 0},
        KeyCase{KeyRule::Status, 8, 8}, KeyCase{KeyRule::Status, 22, 22},
        KeyCase{KeyRule::Status, '/', '/'},
        // message text: upper-cased; "{", "|" and 126..255 dropped, "}" passes
        KeyCase{KeyRule::Message, 'm', 'M'}, KeyCase{KeyRule::Message, '}', '}'},
        KeyCase{KeyRule::Message, '{', 0}, KeyCase{KeyRule::Message, '|', 0},
        KeyCase{KeyRule::Message, '~', 0}, KeyCase{KeyRule::Message, 0xE0, 0},
        KeyCase{KeyRule::Message, 8, 8}, KeyCase{KeyRule::Message, '\'', '\''},
        // masked fields
        KeyCase{KeyRule::Digits, '5', '5'}, KeyCase{KeyRule::Digits, 'x', 0},
        KeyCase{KeyRule::Symbol, '_', '_'}, KeyCase{KeyRule::Symbol, 127, 0},
        KeyCase{KeyRule::Symbol, 0xB0, 0xB0}, KeyCase{KeyRule::Symbol, 9, 0}),
    [](auto i) { return test::caseName(i.index, i.param.code); });

struct TypedCase {
    KeyRule rule;
    const char16_t* typed;
    const char16_t* expected;
};

class TypedTextTest : public testing::TestWithParam<TypedCase> {};

// Typing a sequence key by key and pasting it at once give the same text.
TEST_P(TypedTextTest, TypingAndPastingAgree) {
    const TypedCase c = GetParam();
    const QString typed = QString::fromUtf16(c.typed);
    QString keyByKey;
    for (const QChar ch : typed) {
        const auto code = cp1252Code(ch);
        const int kept = code ? filterKey(c.rule, *code) : 0;
        if (kept != 0) {
            keyByKey.append(cp1252Char(static_cast<unsigned char>(kept)));
        }
    }
    EXPECT_EQ(keyByKey, QString::fromUtf16(c.expected));
    EXPECT_EQ(filterText(c.rule, typed), QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Sequences, TypedTextTest,
                         testing::Values(TypedCase{KeyRule::Path, u"a-1,b", u"A-1,B"},
                                         TypedCase{KeyRule::Callsign, u"a-1,b", u"A-1B"},
                                         TypedCase{KeyRule::Message, u"hi {x} |y~", u"HI X} Y"},
                                         TypedCase{KeyRule::Status, u"it's `ok{}", u"its ok"},
                                         TypedCase{KeyRule::Callsign, u"n0\u20accall\u4e2d",
                                                   u"N0CALL"}),
                         [](auto i) { return test::caseName(i.index, i.param.typed); });

TEST(FilterText, DropsControlCharactersFromPastedText) {
    EXPECT_EQ(filterText(KeyRule::Status, QStringLiteral("a\tb\r\nc")), QStringLiteral("abc"));
    EXPECT_EQ(filterText(KeyRule::Message, QStringLiteral("x\by")), QStringLiteral("XY"));
}

TEST(Cp1252, EveryByteRoundTrips) {
    for (int byte = 0; byte < 256; ++byte) {
        const QChar ch = cp1252Char(static_cast<unsigned char>(byte));
        const auto code = cp1252Code(ch);
        ASSERT_TRUE(code.has_value()) << byte;
        EXPECT_EQ(*code, byte);
    }
    EXPECT_EQ(*cp1252Code(QChar(0x20AC)), 0x80); // euro sign
    EXPECT_FALSE(cp1252Code(QChar(0x4E2D)).has_value());
    EXPECT_EQ(toCp1252(u"\u00e8\u2019"), QByteArray("\xe8\x92"));
    EXPECT_FALSE(toCp1252(u"\u0100").has_value());
}

// A swap inside our table still round-trips: its 27 characters at 0x80..0x9F
// as Python's cp1252 codec decodes them; the five holes keep their C1 control.
TEST(Cp1252, HighCodesAreTheStandardOnes) {
    const char16_t* next =
        u"\u20AC\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152"
        u"\u017D\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A"
        u"\u0153\u017E\u0178";
    for (int byte = 0x80; byte < 0xA0; ++byte) {
        const bool hole = QByteArray("\x81\x8D\x8F\x90\x9D").contains(char(byte));
        EXPECT_EQ(cp1252Char(byte).unicode(), hole ? byte : *next++) << std::hex << byte;
    }
}

} // namespace
} // namespace korvex
