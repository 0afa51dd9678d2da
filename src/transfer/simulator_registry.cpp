#include "simulator_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvex {
namespace {

constexpr auto kSuffix = ".simulator";

QString runtimeDir() {
    // Without a session runtime folder Qt falls back to one under the temporary
    // folder and warns on every call; the CLI prints nothing it did not mean to.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QString user = QString::number(::getuid());
    if (const passwd* me = ::getpwuid(::getuid()))
        user = QString::fromLocal8Bit(me->pw_name);
    return QDir::tempPath() + QStringLiteral("/runtime-") + user;
}

// The start time of a process, in clock ticks since boot, so that a file left
// by a dead simulator is not taken for a live one that got its pid. Empty
// where the system does not say.
QByteArray processStart(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = stat.readAll();
    // The command name may hold blanks and parentheses; the fields after it do not.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return {};
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    // Field 22 of the line is the start time; field 3 is the first after the name.
    return fields.size() > 19 ? fields[19] : QByteArray();
}

bool processAlive(qint64 pid, const QByteArray& start) {
    if (pid <= 0)
        return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return false;
    const QByteArray now = processStart(pid);
    return start.isEmpty() || now.isEmpty() || now == start;
}

// Only a folder of our own is trusted to say which devices to offer.
bool ownedByUs(const QString& dir) {
    struct stat info {};
    return ::stat(QFile::encodeName(dir).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid();
}

} // namespace

QString simulatorRegistryDir() {
    const QString custom = qEnvironmentVariable("KORVEX_SIMULATOR_DIR");
    if (!custom.isEmpty())
        return custom;
    return runtimeDir() + QStringLiteral("/korvex-simulators");
}

QList<PortDescription> advertisedSimulators() {
    QList<PortDescription> result;
    const QString dirPath = simulatorRegistryDir();
    if (!ownedByUs(dirPath))
        return result;
    const QDir dir(dirPath);
    const QStringList names =
        dir.entryList({QStringLiteral("*") + QLatin1String(kSuffix)}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly) || file.size() > 4096)
            continue;
        QString device;
        qint64 pid = 0;
        QByteArray start;
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (line.startsWith("device="))
                device = QString::fromLocal8Bit(line.mid(7));
            else if (line.startsWith("pid="))
                pid = line.mid(4).toLongLong();
            else if (line.startsWith("start="))
                start = line.mid(6);
        }
        if (device.isEmpty() || !QFileInfo::exists(device) || !processAlive(pid, start))
            continue;
        PortDescription port;
        port.device = device;
        port.portName = device.startsWith(QLatin1String("/dev/")) ? device.mid(5) : device;
        port.description = QStringLiteral("Korvex simulator (process %1)").arg(pid);
        port.simulated = true;
        result.append(port);
    }
    return result;
}

SimulatorAdvert::SimulatorAdvert(const QString& device) {
    const QString dirPath = simulatorRegistryDir();
    if (!QDir().mkpath(dirPath)) {
        error_ = QStringLiteral("cannot create %1").arg(dirPath);
        return;
    }
    if (!ownedByUs(dirPath)) {
        error_ = QStringLiteral("%1 belongs to another user").arg(dirPath);
        return;
    }
    ::chmod(QFile::encodeName(dirPath).constData(), 0700);

    const qint64 pid = ::getpid();
    QString tag = device;
    tag.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString path = QDir(dirPath).filePath(
        QStringLiteral("%1%2%3").arg(pid).arg(tag).arg(QLatin1String(kSuffix)));
    // Written whole or not at all: a reader never sees half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error_ = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return;
    }
    file.write("device=" + device.toLocal8Bit() + "\npid=" + QByteArray::number(pid) +
               "\nstart=" + processStart(pid) + "\n");
    if (!file.commit()) {
        error_ = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return;
    }
    path_ = QFile::encodeName(path).toStdString();
}

SimulatorAdvert::~SimulatorAdvert() {
    withdraw();
}

void SimulatorAdvert::withdraw() noexcept {
    if (!path_.empty())
        ::unlink(path_.c_str());
}

} // namespace korvex
