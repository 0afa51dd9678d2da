// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_settings.h"
#include "cli_words.h"
#include "commands.h"
#include "file_io/regular_file_reader.h"
#include "settings/printable_text.h"
#include "settings_json.h"
#include "sim/tracker_receiver.h"
#include "tracker_transfer_text.h"
#include "transfer/transfer_trace.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <limits>
#include <vector>

namespace korvex::cli {
namespace {

// A trace of many transfers is still a few hundred kilobytes.
constexpr qint64 kDecodeLimit = qint64{1024} * 1024;
// After the last byte the tracker waits this long before it gives up on a
// transfer; the decoder jumps there at once.
constexpr double kAfterLastMs = 60'000;

// The writes a file holds: a trace's, with their times, or raw bytes as one
// write.
Result<QList<TracedWrite>> writesIn(const QByteArray& bytes) {
    if (looksLikeTrace(bytes))
        return parseTraceWrites(bytes);
    return QList<TracedWrite>{{0, bytes}};
}

std::vector<TrackerTransfer> receive(const QList<TracedWrite>& writes, bool timed) {
    // Raw bytes come with no times: the gap between the preambles cannot be
    // judged, only the bytes.
    TrackerReceiver::Timing timing;
    if (!timed)
        timing.preambleGapToleranceMs = std::numeric_limits<double>::infinity();
    TrackerReceiver receiver(timing);
    std::vector<TrackerTransfer> transfers;
    double lastAt = 0;
    for (const TracedWrite& write : writes) {
        const auto at = static_cast<double>(write.atMs);
        // Time passes between writes for the tracker as it did on the line.
        if (const std::optional<TrackerTransfer> ended = receiver.poll(at))
            transfers.push_back(*ended);
        for (TrackerTransfer& done : receiver.receive(write.bytes, at))
            transfers.push_back(std::move(done));
        lastAt = at;
    }
    if (const std::optional<TrackerTransfer> ended = receiver.poll(lastAt + kAfterLastMs))
        transfers.push_back(*ended);
    if (const std::optional<TrackerTransfer> ended = receiver.abort())
        transfers.push_back(*ended);
    return transfers;
}

} // namespace

int runDecode(const QStringList& arguments, QTextStream& out, QTextStream& err,
              const Environment&) {
    QCommandLineParser parser;
    parser.setApplicationDescription(CliWords::tr(
        "Reads a transfer trace (as send --trace writes it, or the last one kept in the user's "
        "state folder) or the raw bytes of a transfer, and prints what the tracker would have "
        "made of it, as simulate does: the display's verdict, when each write came and the "
        "settings it carried. Exit status 0 when every transfer would have shown 'Success!', "
        "7 when one would not."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 CliWords::tr("The trace or the bytes; - for standard input."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  CliWords::tr("Print one JSON object per transfer."));
    parser.addOption(json);
    if (auto stop = parseCommand(parser, arguments, out, err, 1))
        return *stop;
    if (parser.positionalArguments().isEmpty())
        return usageError(err, arguments.constFirst(),
                          CliWords::tr("decode needs exactly one file: a trace or raw bytes"));
    const QString file = parser.positionalArguments().constFirst();
    const Result<QByteArray> read = file == kStandardStream ? readStandardInput(kDecodeLimit)
                                                            : readRegularFile(file, kDecodeLimit);
    if (!read)
        return fail(err,
                    read.fault()
                        .within(file == kStandardStream
                                    ? CliWords::tr("Cannot read standard input")
                                    : CliWords::tr("Cannot read \"%1\"").arg(printable(file)))
                        .reason,
                    kFileError);
    const Result<QList<TracedWrite>> writes = writesIn(read.value());
    if (!writes)
        return fail(err,
                    CliWords::tr("%1 is not a trace to trust: %2")
                        .arg(printable(file), writes.fault().reason),
                    kFileError);
    const std::vector<TrackerTransfer> transfers =
        receive(writes.value(), looksLikeTrace(read.value()));
    if (transfers.empty())
        return fail(err,
                    CliWords::tr("%1 holds no transfer: nothing was written to the line")
                        .arg(printable(file)),
                    kTrackerRefused);
    int code = kSuccess;
    int number = 0;
    for (const TrackerTransfer& transfer : transfers) {
        ++number;
        if (parser.isSet(json))
            out << printableJson(QJsonDocument(trackerTransferToJson(transfer, number)),
                                 QJsonDocument::Compact)
                << "\n";
        else
            printTrackerTransfer(out, transfer, number);
        if (transfer.verdict != TrackerVerdict::Success)
            code = kTrackerRefused;
    }
    return code;
}

} // namespace korvex::cli
