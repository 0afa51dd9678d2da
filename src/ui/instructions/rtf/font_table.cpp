// SPDX-License-Identifier: GPL-3.0-or-later
#include "font_table.h"

#include "code_pages.h"

#include <algorithm>
#include <utility>

namespace korvex::rtf {

void FontTable::word(const ControlWord& word) {
    const std::string_view w = word.name;
    if (w == "f") {
        endEntry();
        reading_ = word.param;
        fonts_[word.param] = FontEntry{};
        return;
    }
    if (reading_ < 0)
        return;
    static constexpr std::pair<std::string_view, const char*> kFamilies[] = {
        {"froman", "serif"},
        {"fswiss", "sans-serif"},
        {"fmodern", "monospace"},
        {"fscript", "cursive"},
        {"fdecor", "fantasy"}};
    FontEntry& f = fonts_[reading_];
    if (w == "fcharset") {
        f.codePage = codePageForCharset(word.param);
    } else if (w == "cpg") {
        f.codePage = word.param;
    } else {
        for (const auto& [name, generic] : kFamilies) {
            if (w == name)
                f.generic = QString::fromLatin1(generic);
        }
    }
}

void FontTable::text(const QString& text) {
    if (reading_ < 0)
        return;
    FontEntry& f = fonts_[reading_];
    for (QChar c : text) {
        if (c == u';')
            f.nameDone = true;
        else if (!f.nameDone)
            f.name.append(c);
    }
}

void FontTable::endEntry() {
    if (reading_ >= 0)
        fonts_[reading_].nameDone = true;
}

const FontEntry* FontTable::find(int font) const {
    const auto it = fonts_.find(font);
    return it == fonts_.end() ? nullptr : &it->second;
}

int FontTable::codePageOf(int font) const {
    const FontEntry* f = find(font);
    return f ? f->codePage : 0;
}

void ColorTable::word(const ControlWord& word) {
    const std::string_view w = word.name;
    if (w == "red")
        red_ = std::clamp(word.param, 0, 255);
    else if (w == "green")
        green_ = std::clamp(word.param, 0, 255);
    else if (w == "blue")
        blue_ = std::clamp(word.param, 0, 255);
}

void ColorTable::text(const QString& text) {
    for (QChar c : text) {
        if (c != u';')
            continue;
        if (red_ < 0 && green_ < 0 && blue_ < 0)
            colors_.append(QColor()); // "automatic"
        else
            colors_.append(QColor(std::max(red_, 0), std::max(green_, 0), std::max(blue_, 0)));
        startEntry();
    }
}

QColor ColorTable::at(int index) const {
    if (index > 0 && index < colors_.size())
        return colors_[index];
    return {};
}

} // namespace korvex::rtf
