// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/printable_text.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

struct ShownCase {
    const char* name;
    QString text;
    QString shown;
};

void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintableTextTest : public testing::TestWithParam<ShownCase> {};

TEST_P(PrintableTextTest, ShowsOutsideTextSafely) {
    EXPECT_EQ(printable(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PrintableTextTest,
    testing::Values(
        ShownCase{"plain", QStringLiteral("Ciao da Citt\u00e0 \u20ac <b>"),
                  QStringLiteral("Ciao da Citt\u00e0 \u20ac <b>")},
        ShownCase{"terminal title and clear", QStringLiteral("\x1b]0;title\x07\x1b[2J"),
                  QStringLiteral("\\x1B]0;title\\x07\\x1B[2J")},
        ShownCase{"nul tab and line ends", QString::fromUtf16(u"a\0b\tc\r\nd", 8),
                  QStringLiteral("a\\x00b\\x09c\\x0D\\x0Ad")},
        ShownCase{"del and c1", QStringLiteral("\x7f\u0080\u009b\u009f\u00a0"),
                  QStringLiteral("\\x7F\\x80\\x9B\\x9F\u00a0")},
        ShownCase{"backslash", QStringLiteral("\\x1B"), QStringLiteral("\\\\x1B")},
        ShownCase{"at the limit", QString(kShownCharacters, u'A'), QString(kShownCharacters, u'A')},
        ShownCase{"long", QString(900000, u'9'),
                  QString(kShownCharacters, u'9') + QStringLiteral("\u2026")},
        ShownCase{"long with controls", QString(kShownCharacters + 1, u'\x1b'),
                  QStringLiteral("\\x1B").repeated(kShownCharacters) + QStringLiteral("\u2026")},
        ShownCase{"pair kept whole",
                  QString(kShownCharacters - 1, u'A') + QStringLiteral("\U0001F600!"),
                  QString(kShownCharacters - 1, u'A') + QStringLiteral("\u2026")}),
    [](const testing::TestParamInfo<ShownCase>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

} // namespace
} // namespace korvex
