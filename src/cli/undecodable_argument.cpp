// SPDX-License-Identifier: GPL-3.0-or-later
#include "undecodable_argument.h"

#include "file_io/file_names.h"

#include <QByteArray>

namespace korvex::cli {
namespace {

// The value of an option given as "--name VALUE" or "--name=VALUE".
bool isValueOf(const QByteArray& previous, const QByteArray& argument,
               std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (previous == name || argument.startsWith(QByteArray(name) + '='))
            return true;
    }
    return false;
}

} // namespace

std::optional<ArgumentRefusal> refuseUndecodableArgument(int argc, char** argv) {
    const auto index = firstUndecodableArgument(argc, argv);
    if (!index)
        return std::nullopt;
    const QByteArray argument(argv[*index]);
    const QByteArray previous = *index > 1 ? QByteArray(argv[*index - 1]) : QByteArray();
    const QString shown = shownArgumentBytes(argv[*index]);
    if (isValueOf(previous, argument, {"--set"})) {
        const QByteArray assignment = argument.startsWith("--set=") ? argument.mid(6) : argument;
        const qsizetype equals = assignment.indexOf('=');
        const QString key = shownArgumentBytes(assignment.left(equals).constData());
        const QString value = shownArgumentBytes(assignment.mid(equals + 1).constData());
        return ArgumentRefusal{
            kNotLoaded, QStringLiteral("--set %1: the value \"%2\" is not valid UTF-8. Settings "
                                       "hold text, and these bytes are none in this system's "
                                       "encoding: give the value in UTF-8")
                            .arg(key, value)};
    }
    if (isValueOf(previous, argument, {"--port"})) {
        return ArgumentRefusal{
            kPortError,
            QStringLiteral("--port \"%1\": the device name is not valid UTF-8 and cannot reach "
                           "the system as given; give the port's number as \"korvex-cli ports\" "
                           "lists it")
                .arg(shown)};
    }
    const bool isFile = isValueOf(previous, argument, {"-o", "--output", "--trace"}) ||
                        (*index > 1 && !argument.startsWith('-'));
    if (isFile)
        return ArgumentRefusal{kFileError, undecodableArgumentMessage(shown)};
    return ArgumentRefusal{
        kUsage, QStringLiteral("\"%1\" is not valid UTF-8, and no command or option of "
                               "korvex-cli is written so; run \"korvex-cli --help\" for usage")
                    .arg(shown)};
}

} // namespace korvex::cli
