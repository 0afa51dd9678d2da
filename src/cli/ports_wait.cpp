// SPDX-License-Identifier: GPL-3.0-or-later
#include "ports_wait.h"

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
        err << "Waiting up to " << seconds << (seconds == 1 ? " second" : " seconds")
            << " for a port to appear: plug in the cable now.\n"
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
        err << "korvex-cli: no port appeared within " << seconds
            << (seconds == 1 ? " second" : " seconds")
            << ". Check the cable and the adapter; ports --diagnose tells what the system shows.\n";
        return kTimedOut;
    }
    out << "New port:\n";
    printPortLine(out, *appeared, side);
    return kSuccess;
}

} // namespace korvex::cli
