// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_runner.h"
#include "cli_words.h"
#include "standard_output.h"
#include "undecodable_argument.h"

#include "file_io/file_names.h"
#include "file_io/process_start.h"
#include "i18n/translations.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    // A reader that goes away early (`| head`) makes the next write fail with
    // EPIPE instead of killing the program: that failure ends it with its own
    // status and says so, as any other output that could not be written.
    const korvex::ClosedStreams closed = korvex::prepareProcess();
    // Qt would carry such an argument on with U+FFFD in place of its bytes.
    if (const auto refused = korvex::cli::refuseUndecodableArgument(argc, argv)) {
        const QByteArray message = "korvex-cli: " + refused->message.toUtf8() + "\n";
        std::fputs(message.constData(), stderr);
        return refused->code;
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
        return korvex::cli::kOutputLost;
    }
    err.flush();
    return errDevice.failed() ? korvex::cli::kOutputLost : code;
}
