// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_runner.h"
#include "cli_words.h"
#include "standard_output.h"

#include "file_io/file_names.h"
#include "i18n/translations.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

int main(int argc, char** argv) {
#ifdef Q_OS_UNIX
    // A reader that goes away early (`| head`) makes the next write fail with
    // EPIPE instead of killing the program: that failure ends it with status
    // 2 and says so, as any other output that could not be written.
    ::signal(SIGPIPE, SIG_IGN);
#endif
    const std::array<bool, 3> closed = korvex::cli::reserveStandardStreams();
    // Qt would carry such an argument on with U+FFFD in place of its bytes.
    if (const auto shown = korvex::undecodableArgument(argc, argv)) {
        const QByteArray message =
            "korvex-cli: " + korvex::undecodableArgumentMessage(*shown).toUtf8() + "\n";
        std::fputs(message.constData(), stderr);
        return korvex::cli::kFailure;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvex-cli"));
    const QStringList arguments = QCoreApplication::arguments();
    // Human words in the user's language. A --json run is for programs: its
    // values (fault reasons among them) and its messages stay English.
    const bool forPrograms = arguments.mid(1, arguments.indexOf(QStringLiteral("--")))
                                 .contains(QStringLiteral("--json"));
    const korvex::Translations translations(
        forPrograms ? QStringLiteral("C")
                    : korvex::requestedLanguage(arguments, qEnvironmentVariable("KORVEX_LANG")));
    korvex::cli::StandardOutput outDevice(1, closed[1]);
    korvex::cli::StandardOutput errDevice(2, closed[2]);
    QTextStream out(&outDevice);
    QTextStream err(&errDevice);
    const int code = korvex::cli::runCli(korvex::withoutLanguageOption(arguments), out, err);
    out.flush();
    // Output that did not arrive is a failure, whatever the command made of it.
    if (outDevice.failed()) {
        const korvex::Fault lost = outDevice.outcome().fault().within(
            korvex::cli::CliWords::tr("cannot write to standard output"));
        err << "korvex-cli: " << lost.reason << "\n";
        err.flush();
        return korvex::cli::kFailure;
    }
    err.flush();
    return errDevice.failed() ? korvex::cli::kFailure : code;
}
