// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator_advert_file.h"

#include "file_io/descriptor_io.h"
#include "file_io/file_descriptor.h"
#include "file_io/regular_file_reader.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvex {

std::optional<SimulatorEntry> parseSimulatorEntry(QByteArrayView bytes) {
    if (bytes.size() > kSimulatorEntryMaxBytes)
        return std::nullopt;
    SimulatorEntry entry;
    for (const QByteArray& line : bytes.toByteArray().split('\n')) {
        if (line.startsWith("device="))
            entry.device = QString::fromLocal8Bit(line.mid(7));
        else if (line.startsWith("pid="))
            entry.pid = line.mid(4).toLongLong();
        else if (line.startsWith("start="))
            entry.start = line.mid(6);
    }
    if (!entry.device.startsWith(QLatin1Char('/')) || entry.pid <= 0)
        return std::nullopt;
    return entry;
}

QByteArray formatSimulatorEntry(const SimulatorEntry& entry) {
    return "device=" + entry.device.toLocal8Bit() + "\npid=" + QByteArray::number(entry.pid) +
           "\nstart=" + entry.start + "\n";
}

QByteArray processStart(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = stat.read(4096);
    // The command name may hold blanks and parentheses; the fields after it do not.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return {};
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    // Field 22 of the line is the start time; field 3 is the first after the name.
    return fields.size() > 19 ? fields[19] : QByteArray();
}

Result<QByteArray> writeSimulatorAdvert(int folder, const SimulatorEntry& entry) {
    QString tag = entry.device;
    tag.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QByteArray name =
        QFile::encodeName(QStringLiteral("%1%2").arg(entry.pid).arg(tag)) + kSimulatorAdvertSuffix;
    // The hidden name keeps a half-written advert out of simulatorAdvertNames().
    const QByteArray partial = "." + name + ".part";
    FileDescriptor file(::openat(folder, partial.constData(),
                                 O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600));
    int error = file.valid() ? writeAll(file.get(), formatSimulatorEntry(entry)) : errno;
    if (error == 0)
        error = file.closeChecked();
    if (error == 0 && ::renameat(folder, partial.constData(), folder, name.constData()) != 0)
        error = errno;
    if (error == 0)
        return name;
    ::unlinkat(folder, partial.constData(), 0);
    return Fault{QString::fromLocal8Bit(::strerror(error))};
}

QList<QByteArray> simulatorAdvertNames(int folder) {
    QList<QByteArray> names;
    const int listing = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    if (listing < 0)
        return names;
    DIR* stream = ::fdopendir(listing);
    if (!stream) {
        ::close(listing);
        return names;
    }
    ::rewinddir(stream);
    while (const dirent* entry = ::readdir(stream)) {
        const QByteArray name(entry->d_name);
        if (name.endsWith(kSimulatorAdvertSuffix) && !name.startsWith('.'))
            names << name;
    }
    ::closedir(stream);
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<SimulatorEntry> readSimulatorAdvert(int folder, const QByteArray& name) {
    const FileDescriptor file(
        ::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != ::geteuid() || info.st_size > kSimulatorEntryMaxBytes)
        return std::nullopt;
    const Result<QByteArray> read = readDescriptor(file.get(), kSimulatorEntryMaxBytes);
    if (!read)
        return std::nullopt;
    return parseSimulatorEntry(read.value());
}

} // namespace korvex
