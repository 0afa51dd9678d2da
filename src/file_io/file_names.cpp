// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_names.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace korvex {
namespace {
struct FileNamesWords {
    Q_DECLARE_TR_FUNCTIONS(FileNames)
};
} // namespace

bool nameLostBytes(const QString& path) {
    return path.contains(QChar::ReplacementCharacter);
}

QString lostBytesReason() {
    return FileNamesWords::tr(
        "its name holds U+FFFD, which stands for bytes that could not be read "
        "as text; the name would reach the system changed and could name "
        "another file, so it was refused (rename the file)");
}

std::optional<int> firstUndecodableArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (QString::fromLocal8Bit(bytes).toLocal8Bit() != bytes)
            return i;
    }
    return std::nullopt;
}

QString shownArgumentBytes(const char* argument) {
    QString shown;
    for (const char c : QByteArrayView(argument)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\')
            shown += QStringLiteral("\\\\");
        else if (byte >= 0x20 && byte < 0x7f)
            shown += QLatin1Char(c);
        else
            shown += QStringLiteral("\\x") +
                     QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    return shown;
}

std::optional<QString> undecodableArgument(int argc, char** argv) {
    const auto index = firstUndecodableArgument(argc, argv);
    return index ? std::optional(shownArgumentBytes(argv[*index])) : std::nullopt;
}

QString undecodableArgumentMessage(const QString& shown) {
    return FileNamesWords::tr(
               "the argument \"%1\" is not valid UTF-8. Names are passed to the system "
               "exactly as given, and this one cannot be: rename the file (convmv "
               "does it) and try again")
        .arg(shown);
}

QString windowsReservedNameReason(const QString& path) {
    // A drive letter's colon (C:x.cfg) is the only one a path may hold.
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    const QString rest = QString(path).remove(drive);
    const QString name = rest.mid(std::max(rest.lastIndexOf(u'/'), rest.lastIndexOf(u'\\')) + 1);
    if (name.contains(u':')) {
        return FileNamesWords::tr("the \":\" makes it a stream inside the file before it, which "
                                  "Windows keeps hidden; a file name cannot hold \":\"");
    }
    // Windows ignores an ending and the spaces before it: nul.cfg is NUL.
    static const QRegularExpression device(
        QStringLiteral(
            "^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|(COM|LPT)[1-9\u00b9\u00b2\u00b3]) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = device.match(name); match.hasMatch()) {
        return FileNamesWords::tr("%1 is the name of a Windows device, not of a file, whatever "
                                  "ending follows it; choose another name")
            .arg(match.captured(1).toUpper());
    }
    if (name.endsWith(u'.') || name.endsWith(u' ')) {
        return FileNamesWords::tr("Windows drops the dot or space at the end of a name, so another "
                                  "file would be written; choose a name without it");
    }
    return {};
}

} // namespace korvex
