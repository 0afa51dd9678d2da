// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated tracker lives on a pseudo-terminal, which Windows lacks.
#include "cli_words.h"
#include "commands.h"

namespace korvex::cli {

int runSimulate(const QStringList& arguments, QTextStream& out, QTextStream& err,
                const Environment&) {
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("once"), CliWords::tr("End after one transfer.")});
    parser.addOption({QStringLiteral("json"), CliWords::tr("Report as JSON.")});
    if (const auto stop = parseCommand(parser, arguments, out, err, 0))
        return *stop;
    return fail(err,
                CliWords::tr("simulate runs on Linux only: the simulated tracker needs a "
                             "pseudo-terminal, which Windows does not have. Run \"korvex-cli "
                             "simulate\" on a Linux computer, or send to a real tracker."),
                kPortError);
}

} // namespace korvex::cli
