// SPDX-License-Identifier: GPL-3.0-or-later
#include "typing.h"

#include "cp1252.h"
#include "field_acceptance.h"
#include "field_table.h"

#include <QCoreApplication>
#include <optional>

namespace korvex {
namespace {

struct TypingWords {
    Q_DECLARE_TR_FUNCTIONS(Typing)
};

// What the field's keys make of one character: the character it receives,
// or nothing when it is discarded.
std::optional<QChar> typed(const FieldInfo& info, QChar ch) {
    // An unfilled position of a masked field is shown, never typed.
    if (info.kind == FieldKind::Numeric && ch == kPromptChar)
        return ch;
    const auto code = cp1252Code(ch);
    // Control characters never arrive as text, Backspace included.
    if (!code || *code < 0x20)
        return std::nullopt;
    const int kept = filterKey(info.keyRule, *code);
    if (kept == 0)
        return std::nullopt;
    return cp1252Char(static_cast<unsigned char>(kept));
}

} // namespace

Result<QString> typeIntoField(FieldId id, const QString& text) {
    const FieldInfo& info = fieldInfo(id);
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        // The field's acceptance names these in its own words.
        if (!cp1252Code(ch) || firstControlCharacter(QStringView(&ch, 1))) {
            result += ch;
            continue;
        }
        const auto kept = typed(info, ch);
        if (!kept) {
            return Fault{TypingWords::tr("the character %1 cannot be typed into %2")
                             .arg(describeCharacter(ch), describeField(id)),
                         id};
        }
        result += *kept;
    }
    return result;
}

QList<TypingWarning> typingWarnings(const SettingsValues& settings) {
    QList<TypingWarning> warnings;
    for (const FieldInfo& info : fieldTable()) {
        if (!holdsText(info.id))
            continue;
        for (const QChar ch : settings.text(info.id)) {
            const auto kept = typed(info, ch);
            if (kept == ch)
                continue;
            // Whole sentences: no language glues the effect on as English does.
            const QString message =
                kept
                    ? TypingWords::tr("%1 holds %2, which typing turns into %3; it is kept as read")
                          .arg(describeField(info.id), describeCharacter(ch),
                               describeCharacter(*kept))
                    : TypingWords::tr("%1 holds %2, which typing never lets through; it is kept "
                                      "as read")
                          .arg(describeField(info.id), describeCharacter(ch));
            warnings.append({info.id, message});
            break;
        }
    }
    return warnings;
}

} // namespace korvex
