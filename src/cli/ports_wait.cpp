// SPDX-License-Identifier: GPL-3.0-or-later
#include "ports_wait.h"

#include "cli_words.h"
#include "ports_json.h"
#include "settings_json.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTimer>
#include <optional>

namespace korvex::cli {

int waitForNewPort(PortWatcher& watcher, const SerialSideRoot& serialSide, int seconds, bool json,
                   QTextStream& out, QTextStream& err) {
    const QList<NumberedPort> before = watcher.snapshot().numbered();
    if (!json) {
        // One text for one second, as English has it; the other with the
        // plural forms of each language.
        err << (seconds == 1 ? CliWords::tr("Waiting up to 1 second for a port to appear: plug "
                                            "in the cable now.")
                             : CliWords::tr("Waiting up to %n seconds for a port to appear: plug "
                                            "in the cable now.",
                                            nullptr, seconds))
            << "\n"
            << Qt::flush;
    }
    QEventLoop loop;
    std::optional<NumberedPort> appeared;
    QObject::connect(&watcher, &PortWatcher::portAppeared, &loop, [&](const NumberedPort& port) {
        // The first that comes is the one that was plugged.
        if (!appeared)
            appeared = port;
        loop.quit();
    });
    QTimer::singleShot(std::chrono::seconds(seconds), &loop, &QEventLoop::quit);
    loop.exec();

    // Read after the port came: its by-id link is there by now.
    const SerialSideReport side = readSerialSide(serialSide);
    if (json) {
        QJsonObject object{
            {QStringLiteral("ports"), portsToJson(before, side).value(QStringLiteral("ports"))}};
        const QJsonArray found =
            appeared ? portsToJson({*appeared}, side).value(QStringLiteral("ports")).toArray()
                     : QJsonArray();
        object.insert(QStringLiteral("appeared"), found.isEmpty() ? QJsonValue() : found.first());
        out << printableJson(QJsonDocument(object), QJsonDocument::Indented);
        return appeared ? kSuccess : kTimedOut;
    }
    if (!appeared) {
        err << "korvex-cli: "
            << (seconds == 1
                    ? CliWords::tr("no port appeared within 1 second. Check the cable and the "
                                   "adapter; ports --diagnose tells what the system shows.")
                    : CliWords::tr("no port appeared within %n seconds. Check the cable and the "
                                   "adapter; ports --diagnose tells what the system shows.",
                                   nullptr, seconds))
            << "\n";
        return kTimedOut;
    }
    out << CliWords::tr("New port:") << "\n";
    printPortLine(out, *appeared, side);
    return kSuccess;
}

} // namespace korvex::cli
