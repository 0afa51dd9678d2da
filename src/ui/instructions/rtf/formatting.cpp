// SPDX-License-Identifier: GPL-3.0-or-later
#include "formatting.h"

#include "font_table.h"
#include "units.h"

#include <algorithm>

namespace korvex::rtf {
namespace {

constexpr int kMaxTabStops = 64;

} // namespace

bool applyCharacterWord(CharState& ch, const ControlWord& word, int defaultFont) {
    const std::string_view w = word.name;
    const int param = word.param;
    const bool on = word.switchedOn();
    if (w == "plain") {
        CharState fresh;
        fresh.font = defaultFont;
        ch = fresh;
    } else if (w == "b") {
        ch.bold = on;
    } else if (w == "i") {
        ch.italic = on;
    } else if (w == "strike" || w == "striked") {
        ch.strike = on;
    } else if (w == "ulnone") {
        ch.underline = false;
    } else if (w.substr(0, 2) == "ul" && w != "ulc") {
        ch.underline = on;
    } else if (w == "v") {
        ch.hidden = on;
    } else if (w == "super") {
        ch.vertical = 1;
    } else if (w == "sub") {
        ch.vertical = -1;
    } else if (w == "nosupersub") {
        ch.vertical = 0;
    } else if (w == "f") {
        ch.font = param;
    } else if (w == "fs") {
        ch.halfPoints = param > 0 ? std::clamp(param, 2, 1000) : 24;
    } else if (w == "cf") {
        ch.foreground = param;
    } else if (w == "cb" || w == "highlight" || w == "chcbpat") {
        ch.background = param;
    } else {
        return false;
    }
    return true;
}

bool applyParagraphWord(ParaState& pa, const ControlWord& word) {
    const std::string_view w = word.name;
    const int param = word.param;
    if (w == "ql") {
        pa.align = Qt::AlignLeft;
    } else if (w == "qr") {
        pa.align = Qt::AlignRight;
    } else if (w == "qc") {
        pa.align = Qt::AlignHCenter;
    } else if (w == "qj") {
        pa.align = Qt::AlignJustify;
    } else if (w == "li") {
        pa.left = clampTwips(param);
    } else if (w == "ri") {
        pa.right = clampTwips(param);
    } else if (w == "fi") {
        pa.first = clampTwips(param);
    } else if (w == "sb") {
        pa.before = std::clamp(param, 0, kMaxTwips);
    } else if (w == "sa") {
        pa.after = std::clamp(param, 0, kMaxTwips);
    } else if (w == "tqr") {
        pa.nextTabType = QTextOption::RightTab;
    } else if (w == "tqc") {
        pa.nextTabType = QTextOption::CenterTab;
    } else if (w == "tqdec") {
        pa.nextTabType = QTextOption::DelimiterTab;
    } else if (w == "tx") {
        if (pa.tabs.size() < kMaxTabStops) {
            const qreal at = std::clamp(param, 0, kMaxTwips) / kTwipsPerPixel;
            pa.tabs.append(QTextOption::Tab(
                at, pa.nextTabType,
                pa.nextTabType == QTextOption::DelimiterTab ? QChar(u'.') : QChar()));
        }
        pa.nextTabType = QTextOption::LeftTab;
    } else {
        return false;
    }
    return true;
}

QTextCharFormat charFormat(const CharState& s, const FontTable& fonts, const ColorTable& colors) {
    QTextCharFormat f;
    const FontEntry* font = fonts.find(s.font);
    if (font && !font->name.trimmed().isEmpty()) {
        QStringList families{font->name.trimmed()};
        if (!font->generic.isEmpty())
            families << font->generic;
        f.setFontFamilies(families);
        if (font->generic == u"monospace")
            f.setFontStyleHint(QFont::TypeWriter);
    }
    f.setFontPointSize(s.halfPoints / 2.0);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    f.setFontStrikeOut(s.strike);
    if (s.vertical > 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (s.vertical < 0)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (const QColor fg = colors.at(s.foreground); fg.isValid())
        f.setForeground(fg);
    if (const QColor bg = colors.at(s.background); bg.isValid())
        f.setBackground(bg);
    if (!s.href.isEmpty()) {
        f.setAnchor(true);
        f.setAnchorHref(s.href);
    }
    return f;
}

QTextBlockFormat blockFormat(const ParaState& p) {
    QTextBlockFormat f;
    f.setAlignment(p.align);
    f.setLeftMargin(std::max(0, p.left) / kTwipsPerPixel);
    f.setRightMargin(std::max(0, p.right) / kTwipsPerPixel);
    f.setTextIndent(p.first / kTwipsPerPixel);
    f.setTopMargin(p.before / kTwipsPerPixel);
    f.setBottomMargin(p.after / kTwipsPerPixel);
    if (!p.tabs.isEmpty())
        f.setTabPositions(p.tabs); // measured from the page's left edge, as in RTF
    return f;
}

} // namespace korvex::rtf
