// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracker_transfer_text.h"

#include "cli_words.h"

#include "settings/field_table.h"
#include "settings/printable_text.h"
#include "settings_json.h"

#include <QJsonArray>

namespace korvex::cli {
namespace {

constexpr std::array<const char*, 4> kMarkNames{"preamble1", "frame1", "preamble2", "frame2"};

QString ms(double value) {
    return QString::number(value, 'f', 1);
}

QJsonValue orNull(const std::optional<QString>& text) {
    return text ? QJsonValue(*text) : QJsonValue();
}

QJsonObject decodedToJson(const DecodedBlock& decoded) {
    QJsonObject object;
    for (const FieldInfo& info : fieldTable()) {
        const std::size_t i = fieldIndex(info.id);
        const QString key = QLatin1String(info.key);
        if (holdsText(info.id))
            object.insert(key, orNull(decoded.texts[i]));
        else
            object.insert(key, decoded.values[i] ? QJsonValue(*decoded.values[i]) : QJsonValue());
    }
    return object;
}

} // namespace

QJsonObject trackerTransferToJson(const TrackerTransfer& t, int number) {
    QJsonArray arrivals;
    for (const Arrival& a : t.arrivals)
        arrivals.append(
            QJsonObject{{QStringLiteral("ms"), a.atMs}, {QStringLiteral("bytes"), a.bytes}});
    QJsonObject marks;
    for (std::size_t i = 0; i < t.marks.size(); ++i)
        marks.insert(QLatin1String(kMarkNames[i]),
                     t.marks[i] ? QJsonValue(*t.marks[i]) : QJsonValue());
    QJsonObject object{
        {QStringLiteral("transfer"), number},
        {QStringLiteral("verdict"), t.lcd},
        {QStringLiteral("ok"), t.verdict == TrackerVerdict::Success},
        {QStringLiteral("arrivals"), arrivals},
        {QStringLiteral("marks"), marks},
        // On the system's monotonic clock, so other programs can line it up
        // with their own events (when a dialog showed, say).
        {QStringLiteral("first_byte_monotonic_ms"), t.startedAtMs},
        {QStringLiteral("received"), QString::fromLatin1(t.received.toHex().toUpper())},
        {QStringLiteral("block"), t.block ? QJsonValue(blockToHex(*t.block)) : QJsonValue()},
        {QStringLiteral("settings"),
         t.decoded ? QJsonValue(decodedToJson(*t.decoded)) : QJsonValue()},
        {QStringLiteral("gpsless"), t.decoded ? QJsonValue(t.decoded->gpsless) : QJsonValue()},
        {QStringLiteral("notes"), t.decoded
                                      ? QJsonValue(QJsonArray::fromStringList(t.decoded->anomalies))
                                      : QJsonValue(QJsonArray())},
    };
    return object;
}

void printTrackerTransfer(QTextStream& out, const TrackerTransfer& t, int number) {
    // The tracker's own words (its display) stay as it shows them.
    out << CliWords::tr("Transfer %1:").arg(number) << " " << t.lcd << "\n";
    out << "  " << CliWords::tr("Arrived (ms after the first byte):");
    for (std::size_t i = 0; i < t.marks.size(); ++i) {
        if (t.marks[i])
            out << " " << kMarkNames[i] << " " << ms(*t.marks[i]);
    }
    out << "\n  " << CliWords::tr("Writes:");
    for (const Arrival& a : t.arrivals)
        out << " "
            << (a.bytes == 1 ? CliWords::tr("1 byte at %1")
                             : CliWords::tr("%n bytes at %1", nullptr, a.bytes))
                   .arg(ms(a.atMs))
            << ";";
    out << "\n";
    if (!t.decoded) {
        out << "  "
            << CliWords::tr("Received %n bytes:", nullptr, static_cast<int>(t.received.size()))
            << " " << t.received.toHex(' ').toUpper() << "\n";
        return;
    }
    out << "  "
        << (t.decoded->gpsless ? CliWords::tr("GPSless mode: on")
                               : CliWords::tr("GPSless mode: off"))
        << "\n";
    out << "  " << CliWords::tr("Settings:") << "\n";
    for (const FieldInfo& info : fieldTable()) {
        const std::size_t i = fieldIndex(info.id);
        QString shown = CliWords::tr("(not sent)");
        if (t.decoded->texts[i])
            shown = QLatin1Char('"') + printable(*t.decoded->texts[i]) + QLatin1Char('"');
        else if (t.decoded->values[i])
            shown = QString::number(*t.decoded->values[i]);
        if (info.id == FieldId::micEMessage && t.decoded->values[i] && *t.decoded->values[i] >= 0 &&
            *t.decoded->values[i] < static_cast<int>(micEMessages().size()))
            shown += QStringLiteral(" (%1)").arg(
                QLatin1String(micEMessages()[static_cast<std::size_t>(*t.decoded->values[i])]));
        out << "    " << QString::fromLatin1(info.key).leftJustified(12) << shown << "\n";
    }
    out << "  Block: " << blockToHex(*t.block) << "\n";
    for (const QString& note : t.decoded->anomalies)
        out << "  Note: " << note << "\n";
}

} // namespace korvex::cli
