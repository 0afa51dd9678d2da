// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_acceptance.h"

#include <QCoreApplication>

#include "cp1252.h"
#include "field_table.h"
#include "printable_text.h"

namespace korvex {
namespace {

struct FieldRulesWords {
    Q_DECLARE_TR_FUNCTIONS(FieldRules)
};

Fault refusal(FieldId id, QString reason) {
    return {std::move(reason), id};
}

} // namespace

QString describeCharacter(QChar ch) {
    return QStringLiteral("\"%1\" (U+%2)")
        .arg(printable(QStringView(&ch, 1)),
             QString::number(ch.unicode(), 16).rightJustified(4, u'0').toUpper());
}

std::optional<QChar> firstControlCharacter(QStringView text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F) {
            return ch;
        }
    }
    return std::nullopt;
}

Result<QString> acceptText(FieldId id, const QString& text) {
    const FieldInfo& info = fieldInfo(id);
    if (const auto bad = firstUnencodable(text)) {
        return refusal(id, FieldRulesWords::tr("the character %1 has no Windows-1252 code")
                               .arg(describeCharacter(*bad)));
    }
    if (const auto control = firstControlCharacter(text)) {
        return refusal(id, FieldRulesWords::tr("the character %1 is a control character")
                               .arg(describeCharacter(*control)));
    }
    switch (info.kind) {
    case FieldKind::Numeric: {
        for (const QChar ch : text) {
            if (!ch.isDigit() || ch.unicode() > '9') {
                if (ch != kPromptChar) {
                    return refusal(id, FieldRulesWords::tr(
                                           "\"%1\" is not a number: only digits fit this field")
                                           .arg(printable(text)));
                }
            }
        }
        if (text.size() > info.limit) {
            return refusal(id,
                           (info.limit == 1 ? FieldRulesWords::tr("\"%1\" has more than 1 digit")
                                            : FieldRulesWords::tr("\"%1\" has more than %n digits",
                                                                  nullptr, info.limit))
                               .arg(printable(text)));
        }
        // A port number is its digits, "_" for none: a single digit keeps the
        // one position every file and program has known ("3", not "3_").
        if (id == FieldId::portNumber && info.limit > 1) {
            const QString digits = QString(text).remove(kPromptChar);
            return digits.isEmpty() ? QString(kPromptChar) : digits;
        }
        return text.leftJustified(info.limit, kPromptChar);
    }
    case FieldKind::Symbol:
        if (text.size() > 1) {
            return refusal(
                id, FieldRulesWords::tr("\"%1\" is more than one character").arg(printable(text)));
        }
        return text.isEmpty() ? QString(kPromptChar) : text;
    case FieldKind::Text:
        if (text.size() > info.limit) {
            return refusal(id, FieldRulesWords::tr("the text is %1 characters long; at most %2 fit")
                                   .arg(text.size())
                                   .arg(info.limit));
        }
        return text;
    case FieldKind::ListChoice:
    case FieldKind::Flag:
        break;
    }
    return refusal(id, FieldRulesWords::tr("this setting holds a number, not a text"));
}

Outcome acceptValue(FieldId id, int value) {
    const FieldInfo& info = fieldInfo(id);
    if (info.kind != FieldKind::ListChoice && info.kind != FieldKind::Flag) {
        return refusal(id, FieldRulesWords::tr("this setting holds a text, not a number"));
    }
    if (value < info.minValue || value > info.maxValue) {
        return refusal(id, FieldRulesWords::tr("%1 is out of range: %2 to %3 expected")
                               .arg(value)
                               .arg(info.minValue)
                               .arg(info.maxValue));
    }
    return Outcome::success();
}

} // namespace korvex
