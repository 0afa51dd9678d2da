// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_names.h"

#include <QByteArray>
#include <QCoreApplication>

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

std::optional<QString> undecodableArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        if (QString::fromLocal8Bit(bytes).toLocal8Bit() == bytes)
            continue;
        QString shown;
        for (const char c : bytes) {
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
    return std::nullopt;
}

QString undecodableArgumentMessage(const QString& shown) {
    return FileNamesWords::tr(
               "the argument \"%1\" is not valid UTF-8. Names are passed to the system "
               "exactly as given, and this one cannot be: rename the file (convmv "
               "does it) and try again")
        .arg(shown);
}

} // namespace korvex
