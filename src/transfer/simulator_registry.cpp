// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulator_registry.h"

#include "file_io/file_descriptor.h"
#include "simulator_advert_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace korvex {
namespace {

struct SimulatorsWords {
    Q_DECLARE_TR_FUNCTIONS(Simulators)
};

constexpr mode_t kPrivateMode = 0700;

QString systemError(int error) {
    return QString::fromLocal8Bit(::strerror(error));
}

// Where the adverts live: base is the runtime folder that holds them, empty
// when KORVEX_SIMULATOR_DIR names the folder outright.
struct RegistryPlace {
    QString base;
    QString path;
};

// Whether a folder, as lstat() or fstat() describes it, is the user's private
// one, or why not.
Outcome checkPrivate(const QString& path, const struct stat& info) {
    if (S_ISLNK(info.st_mode))
        return Fault{SimulatorsWords::tr("%1 is a symbolic link").arg(path)};
    if (!S_ISDIR(info.st_mode))
        return Fault{SimulatorsWords::tr("%1 is not a folder").arg(path)};
    if (info.st_uid != ::geteuid())
        return Fault{SimulatorsWords::tr("%1 belongs to another user").arg(path)};
    if ((info.st_mode & 07777) != kPrivateMode) {
        return Fault{
            SimulatorsWords::tr("%1 is open to other users (mode %2, where 0700 is needed)")
                .arg(path)
                .arg(info.st_mode & 07777, 4, 8, QLatin1Char('0'))};
    }
    return Outcome::success();
}

// Opens a folder that must be the user's private one. When it does not exist:
// no descriptor (not valid()), and no fault.
Result<FileDescriptor> openPrivateFolder(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat seen {};
    if (::lstat(name.constData(), &seen) != 0) {
        if (errno != ENOENT)
            return Fault{QStringLiteral("%1: %2").arg(path, systemError(errno))};
        return FileDescriptor();
    }
    if (const Outcome checked = checkPrivate(path, seen); !checked)
        return checked.fault();
    FileDescriptor folder(
        ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat opened {};
    if (!folder.valid() || ::fstat(folder.get(), &opened) != 0 || opened.st_dev != seen.st_dev ||
        opened.st_ino != seen.st_ino)
        return Fault{SimulatorsWords::tr("%1 changed while it was opened").arg(path)};
    if (const Outcome checked = checkPrivate(path, opened); !checked)
        return checked.fault();
    return folder;
}

// Whether the folder is there, opened and private.
bool opened(const Result<FileDescriptor>& folder) {
    return folder.ok() && folder.value().valid();
}

// Opens the user's private folder, making it first when it is missing.
Result<FileDescriptor> makePrivateFolder(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), kPrivateMode) == 0) {
        // The umask may have taken more than asked for; the descriptor, not
        // the name, gets the mode, so no link can redirect it.
        FileDescriptor made(
            ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat info {};
        if (made.valid() && ::fstat(made.get(), &info) == 0 && info.st_uid == ::geteuid())
            ::fchmod(made.get(), kPrivateMode);
    } else if (errno != EEXIST) {
        return Fault{SimulatorsWords::tr("cannot create %1: %2").arg(path, systemError(errno))};
    }
    Result<FileDescriptor> folder = openPrivateFolder(path);
    if (folder && !folder.value().valid())
        return Fault{SimulatorsWords::tr("cannot create %1").arg(path)};
    return folder;
}

// TMPDIR when it names an existing folder by an absolute path, else /tmp.
// (QDir::tempPath() answers an empty path for a missing folder, and the
// fallback folder would then be made in the root folder.)
QString temporaryFolder() {
    const QString named = qEnvironmentVariable("TMPDIR");
    if (QDir::isAbsolutePath(named)) {
        const QString real = QDir(QDir::cleanPath(named)).canonicalPath();
        struct stat info {};
        if (!real.isEmpty() && ::stat(QFile::encodeName(real).constData(), &info) == 0 &&
            S_ISDIR(info.st_mode))
            return real;
    }
    return QStringLiteral("/tmp");
}

RegistryPlace registryPlace() {
    const QString custom = qEnvironmentVariable("KORVEX_SIMULATOR_DIR");
    if (!custom.isEmpty())
        return {{}, custom};
    // The session's runtime folder counts only when it is the user's alone;
    // otherwise a private folder under the temporary one, as Qt would use
    // (without Qt's warning on every call: the CLI prints nothing it did not
    // mean to). A relative name counts as none: it would depend on the
    // current folder.
    QString base = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!QDir::isAbsolutePath(base) || !opened(openPrivateFolder(base))) {
        QString user = QString::number(::geteuid());
        if (const passwd* me = ::getpwuid(::geteuid()))
            user = QString::fromLocal8Bit(me->pw_name);
        base = temporaryFolder() + QStringLiteral("/runtime-") + user;
    }
    return {base, base + QStringLiteral("/korvex-simulators")};
}

bool processAlive(qint64 pid, const QByteArray& start) {
    if (pid <= 0)
        return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return false;
    const QByteArray now = processStart(pid);
    return start.isEmpty() || now.isEmpty() || now == start;
}

// A device of the user's own, named directly: what a simulator's pty is.
bool ownCharacterDevice(const QString& device) {
    struct stat info {};
    return ::lstat(QFile::encodeName(device).constData(), &info) == 0 && S_ISCHR(info.st_mode) &&
           info.st_uid == ::geteuid();
}

} // namespace

QString simulatorRegistryPath() {
    return registryPlace().path;
}

Outcome checkSimulatorRegistry() {
    const RegistryPlace place = registryPlace();
    if (!place.base.isEmpty()) {
        if (const Result<FileDescriptor> base = openPrivateFolder(place.base); !base)
            return base.outcome();
    }
    return openPrivateFolder(place.path).outcome();
}

QList<PortDescription> advertisedSimulators() {
    QList<PortDescription> result;
    const RegistryPlace place = registryPlace();
    if (!place.base.isEmpty() && !opened(openPrivateFolder(place.base)))
        return result;
    const Result<FileDescriptor> opening = openPrivateFolder(place.path);
    if (!opened(opening))
        return result;
    const int folder = opening.value().get();
    for (const QByteArray& name : simulatorAdvertNames(folder)) {
        const std::optional<SimulatorEntry> entry = readSimulatorAdvert(folder, name);
        if (!entry)
            continue;
        if (!processAlive(entry->pid, entry->start)) {
            // The advert was checked to be the user's own file, in a folder
            // nobody else may write to.
            ::unlinkat(folder, name.constData(), 0);
            continue;
        }
        if (!ownCharacterDevice(entry->device))
            continue;
        PortDescription port;
        port.device = entry->device;
        port.portName =
            entry->device.startsWith(QLatin1String("/dev/")) ? entry->device.mid(5) : entry->device;
        port.description = SimulatorsWords::tr("Korvex simulator (process %1)").arg(entry->pid);
        port.simulated = true;
        result.append(port);
    }
    return result;
}

Result<OpenedSimulatorRegistry> openSimulatorRegistryForAdverts() {
    const RegistryPlace place = registryPlace();
    if (!place.base.isEmpty()) {
        if (const Result<FileDescriptor> base = makePrivateFolder(place.base); !base)
            return base.fault();
    }
    Result<FileDescriptor> folder = makePrivateFolder(place.path);
    if (!folder)
        return folder.fault();
    return OpenedSimulatorRegistry{std::move(folder).value(), place.path};
}

} // namespace korvex
