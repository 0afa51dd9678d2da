// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace korvex::testing {

// A real, tiny disk: a tmpfs of a few KiB, mounted in a mount namespace of
// this process alone (so nothing leaks when a test dies). Root mounts it
// directly; anyone else first enters a user namespace. Programs started
// afterwards from this thread see it too.
class SmallDisk {
public:
    explicit SmallDisk(int kib = 16) {
        if (!folder_.isValid()) {
            problem_ = "no temporary folder";
            return;
        }
        if (!enterPrivateMounts())
            return;
        const QByteArray options = "size=" + QByteArray::number(kib) + "k";
        if (::mount("tmpfs", path().toLocal8Bit().constData(), "tmpfs", 0, options.constData()) !=
            0) {
            problem_ = std::string("mounting a tmpfs failed: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
    }
    ~SmallDisk() {
        if (mounted_)
            ::umount2(path().toLocal8Bit().constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    // Why there is no disk: for the skip message.
    std::string problem() const { return problem_; }
    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

    // Takes every free block; true once a write was refused for lack of space.
    bool fill() const {
        const int fd = ::open(filePath(QStringLiteral(".filler")).toLocal8Bit().constData(),
                              O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0)
            return false;
        const QByteArray block(1024, 'x');
        while (::write(fd, block.constData(), static_cast<size_t>(block.size())) > 0) {
        }
        const bool full = errno == ENOSPC;
        ::close(fd);
        return full;
    }

private:
    bool enterPrivateMounts() {
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        const bool root = uid == 0;
        if (::unshare(root ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            problem_ = std::string(root ? "" : "not root, and ") +
                       "no private mount namespace (unshare: " + std::strerror(errno) + ")";
            return false;
        }
        // The ids stay the same inside, so ownership checks see the real user.
        if (!root && !(writeProc("/proc/self/setgroups", "deny") &&
                       writeProc("/proc/self/uid_map", idMap(uid)) &&
                       writeProc("/proc/self/gid_map", idMap(gid)))) {
            problem_ = "mapping ids in the user namespace failed";
            return false;
        }
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
            problem_ = std::string("making mounts private failed: ") + std::strerror(errno);
            return false;
        }
        return true;
    }
    static QByteArray idMap(unsigned id) {
        return QByteArray::number(id) + ' ' + QByteArray::number(id) + " 1";
    }
    // One write() each: the kernel takes these files in a single piece.
    static bool writeProc(const char* file, const QByteArray& text) {
        const int fd = ::open(file, O_WRONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool written = ::write(fd, text.constData(), static_cast<size_t>(text.size())) ==
                             static_cast<ssize_t>(text.size());
        ::close(fd);
        return written;
    }

    QTemporaryDir folder_;
    bool mounted_ = false;
    std::string problem_;
};

// The kinds of file that must never be read as, or replaced by, a
// configuration. Each maker returns false when it cannot make one here.
enum class SpecialKind { Fifo, CharDevice, Socket, Folder };

inline const char* specialKindName(SpecialKind kind) {
    switch (kind) {
    case SpecialKind::Fifo:
        return "Fifo";
    case SpecialKind::CharDevice:
        return "CharDevice";
    case SpecialKind::Socket:
        return "Socket";
    case SpecialKind::Folder:
        return "Folder";
    }
    return "?";
}

// A character device of our own (the null device's numbers), so no test ever
// goes near a node of the system's; needs root.
inline bool makeSpecialFile(SpecialKind kind, const QString& path) {
    const QByteArray name = path.toLocal8Bit();
    switch (kind) {
    case SpecialKind::Fifo:
        return ::mkfifo(name.constData(), 0600) == 0;
    case SpecialKind::CharDevice:
        return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    case SpecialKind::Folder:
        return ::mkdir(name.constData(), 0700) == 0;
    case SpecialKind::Socket: {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (static_cast<std::size_t>(name.size()) >= sizeof address.sun_path)
            return false;
        std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound =
            fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        if (fd >= 0)
            ::close(fd);
        return bound;
    }
    }
    return false;
}

} // namespace korvex::testing
