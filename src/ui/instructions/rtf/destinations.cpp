// SPDX-License-Identifier: GPL-3.0-or-later
#include "destinations.h"

#include <algorithm>
#include <array>
#include <utility>

namespace korvex::rtf {
namespace {

// Groups with nothing to show: document properties, headers and footers,
// notes, style and list tables, revision marks, embedded data. Sorted, for
// the look-up (upper case sorts before lower case).
// clang-format off
constexpr std::array<std::string_view, 58> kSkipped = {
    "author",             "bkmkend",            "bkmkstart",          "buptim",
    "colorschememapping", "comment",            "company",            "creatim",
    "datastore",          "doccomm",            "docvar",             "fchars",
    "footer",             "footerf",            "footerl",            "footerr",
    "footnote",           "ftncn",              "ftnsep",             "ftnsepc",
    "generator",          "header",             "headerf",            "headerl",
    "headerr",            "hlinkbase",          "info",               "keywords",
    "latentstyles",       "lchars",             "listoverridetable",  "listtable",
    "mmathPr",            "nesttableprops",     "nonesttables",       "nonshppict",
    "objdata",            "operator",           "pgdsctbl",           "pn",
    "pnseclvl",           "printim",            "private",            "revtbl",
    "revtim",             "rsidtbl",            "rxe",                "stylesheet",
    "subject",            "tc",                 "template",           "themedata",
    "title",              "txe",                "userprops",          "wgrffmtfilter",
    "xe",                 "xmlnstbl",
};
// clang-format on
static_assert(std::ranges::is_sorted(kSkipped));
static_assert(std::ranges::adjacent_find(kSkipped) == kSkipped.end());

constexpr std::array<std::string_view, 9> kShown = {
    "field", "fldrslt", "listtext", "object", "pntext", "result", "shp", "shppict", "shptxt",
};
static_assert(std::ranges::is_sorted(kShown));

constexpr std::pair<std::string_view, Destination> kCollected[] = {
    {"colortbl", Destination::ColorTable},
    {"fldinst", Destination::FieldInstruction},
    {"fonttbl", Destination::FontTable},
    {"pict", Destination::Picture},
};

} // namespace

std::optional<Destination> destinationOf(std::string_view word) {
    if (std::ranges::binary_search(kSkipped, word))
        return Destination::Skip;
    for (const auto& [name, destination] : kCollected) {
        if (word == name)
            return destination;
    }
    return std::nullopt;
}

bool isShownDestination(std::string_view word) {
    return std::ranges::binary_search(kShown, word);
}

QString hyperlinkTarget(const QString& instruction) {
    // HYPERLINK "target" [switches]
    const QString inst = instruction.trimmed();
    if (!inst.startsWith(QStringLiteral("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    const qsizetype open = inst.indexOf(u'"');
    const qsizetype close = open < 0 ? -1 : inst.indexOf(u'"', open + 1);
    if (close > open + 1)
        return inst.mid(open + 1, close - open - 1);
    return {};
}

} // namespace korvex::rtf
