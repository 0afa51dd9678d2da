#include "field_acceptance.h"

#include "cp1252.h"
#include "field_table.h"
#include "printable_text.h"

namespace korvex {
namespace {

Acceptance refuse(QString reason) {
    return {false, {}, std::move(reason)};
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

Acceptance acceptText(FieldId id, const QString& text) {
    const FieldInfo& info = fieldInfo(id);
    if (const auto bad = firstUnencodable(text)) {
        return refuse(QStringLiteral("the character %1 has no Windows-1252 code")
                          .arg(describeCharacter(*bad)));
    }
    if (const auto control = firstControlCharacter(text)) {
        return refuse(QStringLiteral("the character %1 is a control character")
                          .arg(describeCharacter(*control)));
    }
    switch (info.kind) {
    case FieldKind::Numeric: {
        for (const QChar ch : text) {
            if (!ch.isDigit() || ch.unicode() > '9') {
                if (ch != kPromptChar) {
                    return refuse(
                        QStringLiteral("\"%1\" is not a number: only digits fit this field")
                            .arg(printable(text)));
                }
            }
        }
        if (text.size() > info.limit) {
            return refuse(QStringLiteral("\"%1\" has more than %2 digit%3")
                              .arg(printable(text))
                              .arg(info.limit)
                              .arg(info.limit == 1 ? "" : "s"));
        }
        return {true, text.leftJustified(info.limit, kPromptChar), {}};
    }
    case FieldKind::Symbol:
        if (text.size() > 1) {
            return refuse(QStringLiteral("\"%1\" is more than one character").arg(printable(text)));
        }
        return {true, text.isEmpty() ? QString(kPromptChar) : text, {}};
    case FieldKind::Text:
        if (text.size() > info.limit) {
            return refuse(QStringLiteral("the text is %1 characters long; at most %2 fit")
                              .arg(text.size())
                              .arg(info.limit));
        }
        return {true, text, {}};
    case FieldKind::ListChoice:
    case FieldKind::Flag:
        break;
    }
    return refuse(QStringLiteral("this setting holds a number, not a text"));
}

QString refuseValue(FieldId id, int value) {
    const FieldInfo& info = fieldInfo(id);
    if (info.kind != FieldKind::ListChoice && info.kind != FieldKind::Flag) {
        return QStringLiteral("this setting holds a text, not a number");
    }
    if (value < info.minValue || value > info.maxValue) {
        return QStringLiteral("%1 is out of range: %2 to %3 expected")
            .arg(value)
            .arg(info.minValue)
            .arg(info.maxValue);
    }
    return {};
}

} // namespace korvex
