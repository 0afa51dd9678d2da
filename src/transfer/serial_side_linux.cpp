// SPDX-License-Identifier: GPL-3.0-or-later
// Linux only: everything here is read from sysfs, /dev, /etc/group, the udev
// rule folders and /proc under one root, and only what is there is reported.
#include "serial_side.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <array>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace korvex {

namespace {

struct SerialSideWords {
    Q_DECLARE_TR_FUNCTIONS(SerialSide)
};

// Sysfs attributes and /proc entries are a line; a rules file is small.
constexpr qint64 kAttributeBytes = 4096;
constexpr qint64 kRulesFileBytes = 1 << 20;

struct KnownChip {
    quint16 vendorId;
    quint16 productId;
    const char* chip;
    const char* module;
};

// Converter chips that the kernel's USB serial drivers take, by the ids they
// ship with.
constexpr std::array kKnownChips{
    KnownChip{0x1a86, 0x7523, "CH340/CH341", "ch341"},
    KnownChip{0x1a86, 0x5523, "CH340/CH341", "ch341"},
    KnownChip{0x1a86, 0x7522, "CH340/CH341", "ch341"},
    KnownChip{0x10c4, 0xea60, "CP210x", "cp210x"},
    KnownChip{0x10c4, 0xea70, "CP210x", "cp210x"},
    KnownChip{0x10c4, 0xea71, "CP210x", "cp210x"},
    KnownChip{0x0403, 0x6001, "FTDI", "ftdi_sio"},
    KnownChip{0x0403, 0x6010, "FTDI", "ftdi_sio"},
    KnownChip{0x0403, 0x6011, "FTDI", "ftdi_sio"},
    KnownChip{0x0403, 0x6014, "FTDI", "ftdi_sio"},
    KnownChip{0x0403, 0x6015, "FTDI", "ftdi_sio"},
    KnownChip{0x067b, 0x2303, "PL2303", "pl2303"},
    KnownChip{0x067b, 0x23a3, "PL2303", "pl2303"},
    KnownChip{0x067b, 0x23c3, "PL2303", "pl2303"},
    KnownChip{0x067b, 0x23d3, "PL2303", "pl2303"},
};

// Interface class and subclass of a CDC ACM serial function.
constexpr int kCdcClass = 0x02;
constexpr int kAcmSubclass = 0x02;

// udev reads these folders; a file in an earlier one replaces any file of the
// same name in a later one.
constexpr std::array kRuleFolders{"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d",
                                  "/lib/udev/rules.d"};

class Tree {
public:
    explicit Tree(const SerialSideRoot& root)
        : root_(QDir::cleanPath(root.root)) {}

    QString path(const QString& absolute) const {
        return root_ == QLatin1String("/") ? absolute : root_ + absolute;
    }

    QString read(const QString& absolute, qint64 limit = kAttributeBytes) const {
        QFile file(path(absolute));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.read(limit)).trimmed();
    }

    std::optional<quint16> hexAttribute(const QString& absolute) const {
        bool ok = false;
        const uint value = read(absolute).toUInt(&ok, 16);
        if (!ok || value > 0xffff)
            return std::nullopt;
        return static_cast<quint16>(value);
    }

    QString rawLink(const QString& absolute) const {
        const QByteArray link = QFile::encodeName(path(absolute));
        std::vector<char> target(4096);
        const ssize_t size = ::readlink(link.constData(), target.data(), target.size() - 1);
        return size > 0 ? QFile::decodeName(QByteArray(target.data(), size)) : QString();
    }

    // The last part of a link's target: the name of a driver, a device.
    QString linkName(const QString& absolute) const {
        return QFileInfo(rawLink(absolute)).fileName();
    }

    QStringList entries(const QString& absolute, const QStringList& filters = {}) const {
        return QDir(path(absolute))
            .entryList(filters, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }

    // A sysfs path with its links followed, as a path under the root; empty
    // when it leads nowhere or out of the tree.
    QString resolved(const QString& absolute) const {
        const QString real = QFileInfo(path(absolute)).canonicalFilePath();
        if (real.isEmpty())
            return {};
        if (root_ == QLatin1String("/"))
            return real;
        const QString rootReal = QFileInfo(root_).canonicalFilePath();
        if (!real.startsWith(rootReal + QLatin1Char('/')))
            return {};
        return real.mid(rootReal.size());
    }

private:
    QString root_;
};

SerialSideUser thisUser() {
    SerialSideUser user;
    user.uid = ::getuid();
    user.sessionGroups.append(::getegid());
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> groups(static_cast<std::size_t>(count));
        const int got = ::getgroups(count, groups.data());
        for (int i = 0; i < got; ++i)
            user.sessionGroups.append(groups[static_cast<std::size_t>(i)]);
    }
    if (const passwd* me = ::getpwuid(user.uid))
        user.name = QString::fromLocal8Bit(me->pw_name);
    return user;
}

struct GroupEntry {
    QString name;
    QStringList members;
};

std::optional<GroupEntry> groupOf(const Tree& tree, uint gid) {
    const QStringList lines = tree.read(QStringLiteral("/etc/group"), kRulesFileBytes).split(u'\n');
    for (const QString& line : lines) {
        const QStringList fields = line.split(u':');
        if (fields.size() >= 4 && fields[2].toUInt() == gid && !fields[2].isEmpty())
            return GroupEntry{fields[0], fields[3].split(u',', Qt::SkipEmptyParts)};
    }
    return std::nullopt;
}

// Whether the device's mode and owner let the user write to it; on the running
// system the kernel is asked, so access lists and root count as well.
void readAccess(const Tree& tree, const SerialSideRoot& root, const SerialSideUser& user,
                SerialPortFacts& port) {
    struct stat info {};
    const QByteArray node = QFile::encodeName(tree.path(port.device));
    if (::stat(node.constData(), &info) != 0) {
        port.mayOpen = false;
        return;
    }
    if (root.isSystem() && !root.user) {
        port.mayOpen = ::access(node.constData(), R_OK | W_OK) == 0;
    } else {
        const bool inGroup = user.sessionGroups.contains(info.st_gid);
        const mode_t need = info.st_uid == user.uid ? (S_IRUSR | S_IWUSR)
                            : inGroup               ? (S_IRGRP | S_IWGRP)
                                                    : (S_IROTH | S_IWOTH);
        port.mayOpen = user.uid == 0 || (info.st_mode & need) == need;
    }
    if (port.mayOpen)
        return;
    port.access.groupMayWrite = (info.st_mode & S_IWGRP) != 0;
    // Membership of root's group is no advice to give anyone.
    if (info.st_gid == 0)
        return;
    if (const std::optional<GroupEntry> group = groupOf(tree, info.st_gid)) {
        port.access.group = group->name;
        port.access.listedInGroup = !user.sessionGroups.contains(info.st_gid) &&
                                    !user.name.isEmpty() && group->members.contains(user.name);
    }
}

// The USB device above a sysfs path: the nearest folder with a vendor id.
QString usbDeviceAbove(const Tree& tree, QString path) {
    while (path.startsWith(QLatin1String("/sys/")) && path.count(u'/') > 2) {
        if (QFileInfo::exists(tree.path(path + QStringLiteral("/idVendor"))))
            return path;
        path = QFileInfo(path).path();
    }
    return {};
}

// The driver of a port. Newer kernels put a serial-base "port" device between
// the tty and the UART; its own driver says nothing, the one above it does.
QString driverAbove(const Tree& tree, QString path) {
    while (path.startsWith(QLatin1String("/sys/devices/"))) {
        const QString link = tree.rawLink(path + QStringLiteral("/driver"));
        if (!link.contains(QLatin1String("/serial-base/")))
            return QFileInfo(link).fileName();
        path = QFileInfo(path).path();
    }
    return {};
}

QList<SerialPortFacts> readPorts(const Tree& tree, const SerialSideRoot& root,
                                 const SerialSideUser& user) {
    // Each by-id link names the port it points at.
    QHash<QString, QString> byId;
    const QString byIdFolder = QStringLiteral("/dev/serial/by-id");
    for (const QString& link : tree.entries(byIdFolder))
        byId.insert(tree.linkName(byIdFolder + u'/' + link), byIdFolder + u'/' + link);

    QList<SerialPortFacts> ports;
    for (const QString& name : tree.entries(QStringLiteral("/sys/class/tty"))) {
        const QString sys = QStringLiteral("/sys/class/tty/") + name;
        const QString device = tree.resolved(sys + QStringLiteral("/device"));
        if (device.isEmpty())
            continue; // a virtual terminal, a pseudo-terminal: no hardware behind it
        SerialPortFacts port;
        port.name = name;
        port.device = QStringLiteral("/dev/") + name;
        port.driver = driverAbove(tree, device);
        // The legacy 8250 driver makes ports for UARTs that are not there.
        if (port.driver == QLatin1String("serial8250") &&
            tree.read(sys + QStringLiteral("/type")) == QLatin1String("0"))
            continue;
        port.byId = byId.value(name);
        if (const QString usb = usbDeviceAbove(tree, device); !usb.isEmpty()) {
            port.vendorId = tree.hexAttribute(usb + QStringLiteral("/idVendor"));
            port.productId = tree.hexAttribute(usb + QStringLiteral("/idProduct"));
            port.serialNumber = tree.read(usb + QStringLiteral("/serial"));
            port.product = tree.read(usb + QStringLiteral("/product"));
            port.manufacturer = tree.read(usb + QStringLiteral("/manufacturer"));
        }
        readAccess(tree, root, user, port);
        ports.append(port);
    }
    return ports;
}

const KnownChip* knownChip(quint16 vendorId, quint16 productId) {
    for (const KnownChip& chip : kKnownChips) {
        if (chip.vendorId == vendorId && chip.productId == productId)
            return &chip;
    }
    return nullptr;
}

QList<AdapterWithoutPort> readAdapters(const Tree& tree) {
    QList<AdapterWithoutPort> adapters;
    const QString bus = QStringLiteral("/sys/bus/usb/devices/");
    // Interfaces are named DEVICE:CONFIG.INTERFACE; the device holds the ids.
    QMap<QString, QStringList> interfacesOf;
    for (const QString& name : tree.entries(bus)) {
        if (name.contains(u':'))
            interfacesOf[name.section(u':', 0, 0)].append(name);
    }
    for (auto it = interfacesOf.cbegin(); it != interfacesOf.cend(); ++it) {
        const std::optional<quint16> vendor = tree.hexAttribute(bus + it.key() + "/idVendor");
        const std::optional<quint16> product = tree.hexAttribute(bus + it.key() + "/idProduct");
        if (!vendor || !product)
            continue;
        const KnownChip* chip = knownChip(*vendor, *product);
        QString serialInterface;
        bool hasTty = false;
        for (const QString& interface : it.value()) {
            const QString path = bus + interface;
            hasTty = hasTty || !tree.entries(path, {QStringLiteral("tty*")}).isEmpty();
            const bool acm =
                tree.read(path + "/bInterfaceClass").toInt(nullptr, 16) == kCdcClass &&
                tree.read(path + "/bInterfaceSubClass").toInt(nullptr, 16) == kAcmSubclass;
            if (serialInterface.isEmpty() && (chip || acm))
                serialInterface = path;
        }
        if (serialInterface.isEmpty() || hasTty)
            continue;
        AdapterWithoutPort adapter;
        adapter.usbName = it.key();
        adapter.vendorId = *vendor;
        adapter.productId = *product;
        adapter.chip = chip ? QString::fromLatin1(chip->chip) : QStringLiteral("CDC ACM");
        adapter.module = chip ? QString::fromLatin1(chip->module) : QStringLiteral("cdc_acm");
        adapter.driver = tree.linkName(serialInterface + QStringLiteral("/driver"));
        adapter.product = tree.read(bus + it.key() + QStringLiteral("/product"));
        adapters.append(adapter);
    }
    return adapters;
}

// Programs by process: their name and the devices they hold open. Only what
// this user may see of other users' processes is there.
struct Processes {
    bool modemManager = false;
    QHash<QString, QStringList> holders; // /dev/ttyACM0 -> ModemManager
};

Processes readProcesses(const Tree& tree) {
    Processes found;
    static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
    for (const QString& pid : tree.entries(QStringLiteral("/proc"))) {
        if (!number.match(pid).hasMatch())
            continue;
        const QString proc = QStringLiteral("/proc/") + pid;
        const QString name = tree.read(proc + QStringLiteral("/comm"));
        if (name == QLatin1String("ModemManager"))
            found.modemManager = true;
        for (const QString& fd : tree.entries(proc + QStringLiteral("/fd"))) {
            const QString target = tree.rawLink(proc + QStringLiteral("/fd/") + fd);
            if (target.startsWith(QLatin1String("/dev/tty")))
                found.holders[target].append(name.isEmpty() ? pid : name);
        }
    }
    return found;
}

QString usbId(quint16 vendorId, quint16 productId) {
    return QStringLiteral("%1:%2")
        .arg(vendorId, 4, 16, QLatin1Char('0'))
        .arg(productId, 4, 16, QLatin1Char('0'));
}

QString adapterName(const AdapterWithoutPort& adapter) {
    return SerialSideWords::tr("%1 (%2) on USB %3")
        .arg(usbId(adapter.vendorId, adapter.productId), adapter.chip, adapter.usbName);
}

// The braille service's rule that takes this adapter, if one is in force.
struct RuleMatch {
    QString file; // the file udev reads, under its real folder
    int line = 0;
};

bool lineMatches(const QString& line, quint16 vendorId, quint16 productId) {
    // ENV{PRODUCT} is vendor/product/version in hex without leading zeros.
    static const QRegularExpression product(
        QStringLiteral(R"re(ENV\{PRODUCT\}=="([0-9a-fA-F]+)/([0-9a-fA-F]+)/)re"));
    static const QRegularExpression vendorAttr(
        QStringLiteral(R"re(ATTRS?\{idVendor\}=="([0-9a-fA-F]+)")re"));
    static const QRegularExpression productAttr(
        QStringLiteral(R"re(ATTRS?\{idProduct\}=="([0-9a-fA-F]+)")re"));
    if (const auto m = product.match(line); m.hasMatch())
        return m.captured(1).toUInt(nullptr, 16) == vendorId &&
               m.captured(2).toUInt(nullptr, 16) == productId;
    const auto v = vendorAttr.match(line);
    const auto p = productAttr.match(line);
    return v.hasMatch() && p.hasMatch() && v.captured(1).toUInt(nullptr, 16) == vendorId &&
           p.captured(1).toUInt(nullptr, 16) == productId;
}

std::optional<RuleMatch> brailleRule(const Tree& tree, const AdapterWithoutPort& adapter) {
    QSet<QString> seen;
    for (const char* folder : kRuleFolders) {
        const QString dir = QString::fromLatin1(folder);
        for (const QString& name : tree.entries(dir, {QStringLiteral("*.rules")})) {
            if (seen.contains(name))
                continue; // replaced by the file of the same name read before
            seen.insert(name);
            if (!name.contains(QLatin1String("brltty"), Qt::CaseInsensitive))
                continue;
            const QString file = dir + u'/' + name;
            const QStringList lines = tree.read(file, kRulesFileBytes).split(u'\n');
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const QString line = lines[i].trimmed();
                if (!line.startsWith(u'#') &&
                    lineMatches(line, adapter.vendorId, adapter.productId))
                    return RuleMatch{file, static_cast<int>(i) + 1};
            }
        }
    }
    return std::nullopt;
}

void addAdapterFindings(const Tree& tree, SerialSideReport& report) {
    for (const AdapterWithoutPort& adapter : report.adaptersWithoutPort) {
        const QString name = adapterName(adapter);
        if (const std::optional<RuleMatch> rule = brailleRule(tree, adapter)) {
            const QString local =
                QStringLiteral("/etc/udev/rules.d/") + QFileInfo(rule->file).fileName();
            QString commands;
            if (rule->file != local)
                commands += QStringLiteral("  sudo cp %1 %2\n").arg(rule->file, local);
            commands += QStringLiteral("  sudo sed -i '%1s/^/# /' %2\n"
                                       "  sudo udevadm control --reload-rules\n")
                            .arg(rule->line)
                            .arg(local);
            report.findings.append(
                {SerialFinding::Kind::BrailleRule,
                 {},
                 name,
                 SerialSideWords::tr(
                     "Adapter without a port: %1. A udev rule of the braille display "
                     "service (brltty) matches this adapter, so the service takes it "
                     "and no serial port is made: %2, line %3.")
                     .arg(name, rule->file)
                     .arg(rule->line),
                 SerialSideWords::tr(
                     "Leave out that one rule with a local copy of the file (a file of the same "
                     "name in /etc/udev/rules.d replaces it; the braille service keeps working "
                     "for braille displays, so do not remove it):\n%1Then unplug the adapter and "
                     "plug it in again.")
                     .arg(commands)});
            continue;
        }
        if (!adapter.driver.isEmpty())
            continue; // a driver holds it; nothing here says why it made no port
        const bool loaded =
            QFileInfo::exists(tree.path(QStringLiteral("/sys/module/") + adapter.module));
        report.findings.append(
            {SerialFinding::Kind::NoDriver,
             {},
             name,
             loaded
                 ? SerialSideWords::tr("Adapter without a port: %1. No driver has taken it, though "
                                       "its driver %2 is loaded.")
                       .arg(name, adapter.module)
                 : SerialSideWords::tr("Adapter without a port: %1. No driver has taken it: its "
                                       "driver module %2 is not loaded.")
                       .arg(name, adapter.module),
             loaded ? SerialSideWords::tr("Unplug the adapter and plug it in again.")
                    : SerialSideWords::tr("Load the driver with: sudo modprobe %1\nThen unplug the "
                                          "adapter and plug it in again.")
                          .arg(adapter.module)});
    }
}

SerialFinding modemManagerFinding(const SerialPortFacts& port) {
    QString match = QStringLiteral("KERNEL==\"%1\"").arg(port.name);
    if (port.vendorId && port.productId) {
        match = QStringLiteral("ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\"")
                    .arg(*port.vendorId, 4, 16, QLatin1Char('0'))
                    .arg(*port.productId, 4, 16, QLatin1Char('0'));
    }
    return {
        SerialFinding::Kind::ModemManager,
        port.device,
        {},
        SerialSideWords::tr("ModemManager is running. It probes every new ttyACM port for a few "
                            "seconds after the port appears, and %1 is such a port.")
            .arg(port.device),
        SerialSideWords::tr("Wait a few seconds and try again. To keep ModemManager away from this "
                            "device for good, mark it with a udev rule:\n"
                            "  echo '%1, ENV{ID_MM_DEVICE_IGNORE}=\"1\"' | sudo tee "
                            "/etc/udev/rules.d/70-korvex-tracker.rules\n"
                            "  sudo udevadm control --reload-rules\n"
                            "Then unplug the cable and plug it in again.")
            .arg(match)};
}

SerialFinding permissionFinding(const SerialPortFacts& port) {
    // The same words as a refused open, which already name the fix.
    const QString said =
        describeOpenFailure(SerialOpenFailure::PermissionDenied, port.device, {}, port.access);
    const qsizetype cut = said.indexOf(QLatin1String(". "), said.indexOf(QLatin1String("denied")));
    return {
        SerialFinding::Kind::Permission, port.device, {}, said.left(cut + 1), said.mid(cut + 2)};
}

bool isAcm(const SerialPortFacts& port) {
    return port.name.startsWith(QLatin1String("ttyACM"));
}

} // namespace

SerialSideRoot serialSideRootFromEnvironment() {
    SerialSideRoot root;
#ifdef KORVEX_TEST_HOOKS
    if (const QString folder = qEnvironmentVariable("KORVEX_SERIAL_SIDE_ROOT"); !folder.isEmpty())
        root.root = folder;
#endif
    return root;
}

SerialSideReport readSerialSide(const SerialSideRoot& root) {
    const Tree tree(root);
    const SerialSideUser user = root.user.value_or(thisUser());
    SerialSideReport report;
    report.ports = readPorts(tree, root, user);
    report.adaptersWithoutPort = readAdapters(tree);
    const Processes processes = readProcesses(tree);
    report.modemManagerRunning = processes.modemManager;
    for (SerialPortFacts& port : report.ports)
        port.holders = processes.holders.value(port.device);

    addAdapterFindings(tree, report);
    for (const SerialPortFacts& port : report.ports) {
        if (!port.mayOpen && QFileInfo::exists(tree.path(port.device)))
            report.findings.append(permissionFinding(port));
        if (isAcm(port) && report.modemManagerRunning &&
            port.holders.contains(QLatin1String("ModemManager")))
            report.findings.append(modemManagerFinding(port));
    }
    return report;
}

QList<SerialFinding> explainSendFailure(const SerialSideReport& report,
                                        const SendOutcome& outcome) {
    QList<SerialFinding> found;
    if (outcome.kind != SendOutcome::Kind::Failed || outcome.stage == SendOutcome::Stage::Transfer)
        return found;
    const SerialPortFacts* port =
        outcome.stage == SendOutcome::Stage::Open ? report.port(outcome.device) : nullptr;
    if (!port) {
        // No port, or the one named is not there: the adapters that made none.
        for (const SerialFinding& finding : report.findings) {
            if (finding.device.isEmpty())
                found.append(finding);
        }
        return found;
    }
    for (const SerialFinding& finding : report.findings) {
        // A refused open already says what the permission finding says.
        if (finding.device == port->device && finding.kind != SerialFinding::Kind::ModemManager &&
            !outcome.reason.contains(finding.text))
            found.append(finding);
    }
    // A refused open of a ttyACM port while ModemManager runs is its probe,
    // whether or not /proc lets us see it hold the port.
    if (isAcm(*port) && report.modemManagerRunning && port->mayOpen)
        found.append(modemManagerFinding(*port));
    return found;
}

PortNumbering portNumberingFor(const SerialSideRoot& root) {
    if (root.isSystem())
        return PortNumbering();
    return PortNumbering([root] {
        // The tree's own nodes: a test tree never sends to the system's ports.
        const Tree tree(root);
        QList<PortDescription> ports;
        for (const SerialPortFacts& facts : readSerialSide(root).ports) {
            PortDescription port;
            port.device = tree.path(facts.device);
            port.portName = facts.name;
            port.description = facts.product;
            port.manufacturer = facts.manufacturer;
            port.vendorId = facts.vendorId;
            port.productId = facts.productId;
            port.serialNumber = facts.serialNumber;
            ports.append(port);
        }
        return ports;
    });
}

} // namespace korvex
