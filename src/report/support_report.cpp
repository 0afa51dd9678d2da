// SPDX-License-Identifier: GPL-3.0-or-later
#include "support_report.h"

#include "file_io/atomic_file_writer.h"
#include "file_io/regular_file_reader.h"
#include "settings/block_decoder.h"
#include "settings/field_table.h"
#include "settings/printable_text.h"
#include "state_folder.h"
#include "transfer/frames.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSysInfo>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <unistd.h>
#include <vector>
#endif

namespace korvex {
namespace {

// A kept trace is a few kilobytes; anything far larger is not ours.
constexpr qint64 kTraceLimit = 256 * 1024;
// Room for a by-id link, a rule file's name or a finding's whole text.
constexpr qsizetype kLongText = 16 * kShownCharacters;

QString shown(const QString& text) {
    return printable(text, kLongText);
}

// Text from outside, shown line by line.
QString shownLines(const QString& text) {
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = printable(line, kLongText);
    return lines.join(u'\n');
}

QString usbId(const std::optional<quint16>& vendor, const std::optional<quint16>& product) {
    if (!vendor || !product)
        return {};
    return QStringLiteral("%1:%2")
        .arg(*vendor, 4, 16, QLatin1Char('0'))
        .arg(*product, 4, 16, QLatin1Char('0'));
}

ReportSection programSection(const ReportSources& sources) {
    const QString text = QStringLiteral("%1 %2, Qt %3 (built with Qt %4)")
                             .arg(sources.program, QStringLiteral(KORVEX_VERSION),
                                  QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR));
    return {QStringLiteral("program"), QStringLiteral("Program"), text,
            QJsonObject{{QStringLiteral("name"), sources.program},
                        {QStringLiteral("version"), QStringLiteral(KORVEX_VERSION)},
                        {QStringLiteral("qt_runtime"), QString::fromLatin1(qVersion())},
                        {QStringLiteral("qt_built"), QStringLiteral(QT_VERSION_STR)}}};
}

ReportSection systemSection() {
    QJsonObject object{
        {QStringLiteral("product"), QSysInfo::prettyProductName()},
        {QStringLiteral("kernel"), QSysInfo::kernelType() + u' ' + QSysInfo::kernelVersion()},
        {QStringLiteral("architecture"), QSysInfo::currentCpuArchitecture()}};
    // What decides how the window is shown and who reads it aloud.
    QJsonObject session;
    for (const char* name :
         {"XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "WAYLAND_DISPLAY",
          "DISPLAY", "QT_QPA_PLATFORM", "QT_ACCESSIBILITY", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON"}) {
        if (qEnvironmentVariableIsSet(name))
            session.insert(QLatin1String(name), qEnvironmentVariable(name));
    }
    object.insert(QStringLiteral("session"), session);
    QStringList lines{QStringLiteral("%1; %2; %3")
                          .arg(object.value(QStringLiteral("product")).toString(),
                               object.value(QStringLiteral("kernel")).toString(),
                               object.value(QStringLiteral("architecture")).toString())};
    if (session.isEmpty())
        lines << QStringLiteral("session: no desktop session variables set");
    for (auto it = session.begin(); it != session.end(); ++it)
        lines << QStringLiteral("session: %1=%2").arg(it.key(), shown(it.value().toString()));
    return {QStringLiteral("system"), QStringLiteral("System and session"), lines.join(u'\n'),
            object};
}

ReportSection localeSection() {
    const QLocale locale = QLocale::system();
    QJsonObject object{
        {QStringLiteral("name"), locale.name()},
        {QStringLiteral("ui_languages"), QJsonArray::fromStringList(locale.uiLanguages())}};
    QStringList lines{QStringLiteral("%1 (languages %2)")
                          .arg(locale.name(), locale.uiLanguages().join(QStringLiteral(", ")))};
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_CTYPE", "LANG"}) {
        if (!qEnvironmentVariableIsSet(name))
            continue;
        object.insert(QLatin1String(name), qEnvironmentVariable(name));
        lines << QStringLiteral("%1=%2").arg(QLatin1String(name),
                                             shown(qEnvironmentVariable(name)));
    }
    return {QStringLiteral("locale"), QStringLiteral("Locale"), lines.join(u'\n'), object};
}

ReportSection portsSection(const ReportSources& sources, const SerialSideReport& side) {
    QStringList lines;
    QJsonArray ports;
    for (const auto& [number, port] : sources.numbering.numbered()) {
        const SerialPortFacts* facts = port.simulated ? nullptr : side.port(port.device);
        QJsonObject object{
            {QStringLiteral("number"), number > 0 ? QJsonValue(number) : QJsonValue()},
            {QStringLiteral("device"), port.device},
            {QStringLiteral("description"),
             port.simulated ? QStringLiteral("Korvex simulator") : port.description},
            {QStringLiteral("manufacturer"), port.manufacturer},
            {QStringLiteral("usb_id"), usbId(port.vendorId, port.productId)},
            {QStringLiteral("serial_number"), port.serialNumber},
            {QStringLiteral("driver"), facts ? facts->driver : QString()},
            {QStringLiteral("stable_name"), facts ? facts->byId : QString()},
            {QStringLiteral("may_open"), facts ? facts->mayOpen : true},
            {QStringLiteral("held_by"),
             QJsonArray::fromStringList(facts ? facts->holders : QStringList())},
        };
        QStringList about;
        for (const char* key : {"description", "manufacturer", "usb_id", "serial_number"}) {
            if (const QString value = object.value(QLatin1String(key)).toString(); !value.isEmpty())
                about << shown(value);
        }
        QString line = QStringLiteral("%1  %2").arg(
            number > 0 ? QString::number(number) : QStringLiteral("-"), shown(port.device));
        if (!about.isEmpty())
            line += QStringLiteral("  ") + about.join(QStringLiteral(", "));
        lines << line;
        if (facts && !facts->driver.isEmpty())
            lines << QStringLiteral("   driver %1").arg(shown(facts->driver));
        if (facts && !facts->byId.isEmpty())
            lines << QStringLiteral("   stable name %1").arg(shown(facts->byId));
        if (facts && !facts->mayOpen)
            lines << QStringLiteral("   this user may not open it");
        if (facts && !facts->holders.isEmpty())
            lines << QStringLiteral("   held by %1").arg(shown(facts->holders.join(u' ')));
        ports.append(object);
    }
    if (lines.isEmpty())
        lines << QStringLiteral("No serial ports found.");
    QJsonArray adapters;
    for (const AdapterWithoutPort& adapter : side.adaptersWithoutPort) {
        const QString id = usbId(adapter.vendorId, adapter.productId);
        lines << QStringLiteral("adapter without a port: %1 %2 on USB %3, driver %4")
                     .arg(id, adapter.chip, shown(adapter.usbName),
                          adapter.driver.isEmpty() ? QStringLiteral("none")
                                                   : shown(adapter.driver));
        adapters.append(QJsonObject{{QStringLiteral("usb_id"), id},
                                    {QStringLiteral("chip"), adapter.chip},
                                    {QStringLiteral("usb_name"), adapter.usbName},
                                    {QStringLiteral("driver"), adapter.driver},
                                    {QStringLiteral("module"), adapter.module}});
    }
    const QString watching =
        sources.portWatching.isEmpty() ? QStringLiteral("not watched") : sources.portWatching;
    lines << QStringLiteral("new ports heard through: %1").arg(watching);
    return {QStringLiteral("ports"), QStringLiteral("Ports"), lines.join(u'\n'),
            QJsonObject{{QStringLiteral("ports"), ports},
                        {QStringLiteral("adapters_without_port"), adapters},
                        {QStringLiteral("modem_manager_running"), side.modemManagerRunning},
                        {QStringLiteral("watched_through"), watching}}};
}

ReportSection findingsSection(const SerialSideReport& side) {
    QJsonArray findings;
    for (const SerialFinding& finding : side.findings)
        findings.append(QJsonObject{{QStringLiteral("device"), finding.device},
                                    {QStringLiteral("adapter"), finding.adapter},
                                    {QStringLiteral("text"), finding.text},
                                    {QStringLiteral("fix"), finding.fix}});
    const QString text = side.findings.isEmpty()
                             ? QStringLiteral("Nothing stands in the way that the system shows.")
                             : shownLines(findingsText(side.findings));
    return {QStringLiteral("findings"), QStringLiteral("What keeps a port from use"), text,
            findings};
}

ReportSection groupsSection() {
#ifdef Q_OS_UNIX
    QString user = QString::number(::geteuid());
    if (const passwd* me = ::getpwuid(::geteuid()))
        user = QString::fromLocal8Bit(me->pw_name);
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> ids(static_cast<std::size_t>(std::max(count, 0)) + 1);
    const int got = ::getgroups(static_cast<int>(ids.size()), ids.data());
    ids.resize(static_cast<std::size_t>(std::max(got, 0)));
    if (std::find(ids.begin(), ids.end(), ::getegid()) == ids.end())
        ids.insert(ids.begin(), ::getegid());
    QStringList names;
    for (const gid_t id : ids) {
        const group* entry = ::getgrgid(id);
        names << (entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(id));
    }
    return {QStringLiteral("groups"), QStringLiteral("User and groups"),
            QStringLiteral("%1 in this session: %2").arg(shown(user), shown(names.join(u' '))),
            QJsonObject{{QStringLiteral("user"), user},
                        {QStringLiteral("groups"), QJsonArray::fromStringList(names)}}};
#else
    return {QStringLiteral("groups"), QStringLiteral("User and groups"),
            QStringLiteral("Windows gives every user its serial ports: no groups to join."),
            QJsonObject{}};
#endif
}

// The kept trace, or why there is none.
Result<QByteArray> keptTrace(const ReportSources& sources) {
    const QString path = sources.lastTrace.isEmpty() ? lastTracePath() : sources.lastTrace;
    if (path.isEmpty())
        return Fault{QStringLiteral("no state folder to keep one in")};
    if (!isReadableRegularFile(path))
        return Fault{QStringLiteral("no transfer kept yet (%1)").arg(path)};
    Result<QByteArray> read = readRegularFile(path, kTraceLimit);
    if (read && !looksLikeTrace(read.value()))
        return Fault{QStringLiteral("%1 holds no transfer trace").arg(path)};
    return read;
}

QList<ReportSection> transferSections(const ReportSources& sources) {
    const Result<QByteArray> trace = keptTrace(sources);
    if (!trace) {
        const QString why = shown(trace.fault().reason);
        return {
            {QStringLiteral("last_transfer"), QStringLiteral("Last transfer"), why, QJsonValue()},
            {QStringLiteral("settings_last_sent"), QStringLiteral("Settings last sent"), why,
             QJsonValue()}};
    }
    // The kept file is ours, yet a report quotes it as what it is: outside text.
    const QString text = shownLines(QString::fromUtf8(trace.value()).trimmed());
    QByteArray stream;
    if (const Result<QList<TracedWrite>> writes = parseTraceWrites(trace.value()); writes) {
        for (const TracedWrite& write : writes.value())
            stream += write.bytes;
    }
    const QStringList settings = settingsOnLine(stream);
    QJsonObject settingsJson;
    for (const QString& line : settings)
        settingsJson.insert(line.section(QStringLiteral(" = "), 0, 0).trimmed(),
                            line.section(QStringLiteral(" = "), 1));
    return {{QStringLiteral("last_transfer"), QStringLiteral("Last transfer"), text,
             QString::fromUtf8(trace.value())},
            {QStringLiteral("settings_last_sent"), QStringLiteral("Settings last sent"),
             settings.isEmpty() ? QStringLiteral("The last transfer did not carry a whole block.")
                                : settings.join(u'\n'),
             settings.isEmpty() ? QJsonValue() : QJsonValue(settingsJson)}};
}

} // namespace

QStringList settingsOnLine(const QByteArray& stream) {
    if (stream.size() != static_cast<qsizetype>(kLineStreamSize))
        return {};
    const auto at = [&](std::size_t i) { return static_cast<std::uint8_t>(stream[qsizetype(i)]); };
    const std::size_t secondFrame = kFramePreamble.size() + kFrameSize + kFramePreamble.size();
    ConfigBlock block{};
    for (std::size_t i = 0; i < kFrameDataSize; ++i) {
        block[i] = at(kFramePreamble.size() + i);
        block[kFrameDataSize + i] = at(secondFrame + i);
    }
    const DecodedBlock decoded = decodeConfigBlock(block);
    QStringList lines;
    for (const FieldInfo& info : fieldTable()) {
        const std::size_t i = fieldIndex(info.id);
        if (decoded.texts[i])
            lines << QStringLiteral("%1 = \"%2\"")
                         .arg(QLatin1String(info.key), printable(*decoded.texts[i]));
        else if (decoded.values[i])
            lines << QStringLiteral("%1 = %2").arg(QLatin1String(info.key)).arg(*decoded.values[i]);
    }
    lines << QStringLiteral("gpsless = %1")
                 .arg(decoded.gpsless ? QStringLiteral("on") : QStringLiteral("off"));
    return lines;
}

QList<ReportSection> gatherSupportReport(const ReportSources& sources) {
    const SerialSideReport side = readSerialSide(sources.serialSide);
    QList<ReportSection> sections{programSection(sources), systemSection(),
                                  localeSection(),         portsSection(sources, side),
                                  findingsSection(side),   groupsSection()};
    sections << transferSections(sources);
    return sections;
}

QByteArray supportReportText(const QList<ReportSection>& sections) {
    QString text = QStringLiteral("Korvex support report, written %1\n")
                       .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    for (const ReportSection& section : sections)
        text += QStringLiteral("\n== %1 ==\n%2\n").arg(section.title, section.text);
    return text.toUtf8();
}

QByteArray supportReportJson(const QList<ReportSection>& sections) {
    QJsonObject object{
        {QStringLiteral("written"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)}};
    for (const ReportSection& section : sections)
        object.insert(section.key, section.json);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

Outcome saveSupportReport(const QString& path, const QByteArray& report) {
    return writeFileAtomically(path, report);
}

} // namespace korvex
