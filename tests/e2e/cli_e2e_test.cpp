// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exit_code.h"
#include "settings/config_block_builder.h"
#include "settings/settings_values.h"
#include "sim/tracker_simulator.h"
#include "transfer/frames.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvex {
namespace {

// Every process of a test shares one simulator folder of its own, so that no
// test sees another's simulators, nor the user's.
class CliEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        registry_ = dir_.filePath(QStringLiteral("simulators"));
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("KORVEX_SIMULATOR_DIR"), registry_);
        cfg_ = dir_.filePath(QStringLiteral("k.cfg"));
        ASSERT_EQ(run({QStringLiteral("defaults"), QStringLiteral("-o"), cfg_}).code, 0);
    }

    struct Finished {
        int code = -1;
        QByteArray out;
        QByteArray err;
        qint64 ms = 0;
    };

    Finished run(const QStringList& arguments,
                 const QString& program = QStringLiteral(KORVEX_CLI_PATH)) {
        QProcess process;
        process.setProcessEnvironment(env_);
        QElapsedTimer clock;
        clock.start();
        process.start(program, arguments);
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            return {-1, {}, "timed out", clock.elapsed()};
        }
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError(),
                clock.elapsed()};
    }

    // Starts "korvex-cli simulate" and returns its device once it listens.
    QString startSimulator(QProcess& simulator, const QStringList& options) {
        simulator.setProcessEnvironment(env_);
        simulator.start(QStringLiteral(KORVEX_CLI_PATH),
                        QStringList{QStringLiteral("simulate")} + options);
        QByteArray banner;
        const QRegularExpression device(QStringLiteral("listening on (\\S+)"));
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            simulator.waitForReadyRead(100);
            banner += simulator.readAllStandardError() + simulator.readAllStandardOutput();
            const auto match = device.match(QString::fromLocal8Bit(banner));
            if (match.hasMatch())
                return match.captured(1);
        }
        return {};
    }

    QStringList registryFiles() const { return QDir(registry_).entryList(QDir::Files); }

    QTemporaryDir dir_;
    QString registry_;
    QString cfg_;
    QProcessEnvironment env_;
};

// A simulator that a failed assertion leaves running is stopped the way a
// user stops it, so that it withdraws its advert.
struct Simulator : QProcess {
    ~Simulator() override {
        if (state() == QProcess::NotRunning)
            return;
        terminate();
        if (!waitForFinished(3000)) {
            kill();
            waitForFinished();
        }
    }
};

QJsonObject lastJsonLine(const QByteArray& out) {
    const QList<QByteArray> lines = out.trimmed().split('\n');
    return QJsonDocument::fromJson(lines.last()).object();
}

// The whole road: the simulator is listed as a port, send picks it by its
// number, and the tracker reads back exactly the settings and block that
// "check" says SEND writes.
TEST_F(CliEndToEnd, SendByPortNumberReachesTheSimulatorIntact) {
    Simulator simulator;
    const QString device =
        startSimulator(simulator, {QStringLiteral("--once"), QStringLiteral("--json")});
    ASSERT_FALSE(device.isEmpty());
    ASSERT_EQ(registryFiles().size(), 1);

    const Finished ports = run({QStringLiteral("ports")});
    const QRegularExpression row(QStringLiteral("^(\\d)\\s+") + QRegularExpression::escape(device) +
                                     QStringLiteral("\\s+Korvex simulator"),
                                 QRegularExpression::MultilineOption);
    const auto listed = row.match(QString::fromLocal8Bit(ports.out));
    ASSERT_TRUE(listed.hasMatch()) << ports.out.toStdString();

    const QStringList sets{QStringLiteral("--set"), QStringLiteral("mycall=IK2ABC-7"),
                           QStringLiteral("--set"), QStringLiteral("path=WIDE2-2"),
                           QStringLiteral("--set"), QStringLiteral("txdelay=50"),
                           QStringLiteral("--set"), QStringLiteral("gpstimeout=0"),
                           QStringLiteral("--set"), QStringLiteral("rxposoff=1"),
                           QStringLiteral("--set"), QStringLiteral("status=Ciao da Citta")};
    const Finished sent = run(
        QStringList{QStringLiteral("send"), cfg_, QStringLiteral("--port"), listed.captured(1)} +
        sets);
    ASSERT_EQ(sent.code, 0) << sent.err.toStdString();
    const QByteArray named = device.toUtf8() + " (port " + listed.captured(1).toUtf8() + ")";
    EXPECT_TRUE(sent.err.startsWith("Sending data on " + named)) << sent.err.toStdString();
    EXPECT_TRUE(sent.out.startsWith("Data sent to " + device.toUtf8() + "\n"))
        << sent.out.toStdString();

    ASSERT_TRUE(simulator.waitForFinished(10000));
    EXPECT_EQ(simulator.exitCode(), 0) << simulator.readAllStandardError().toStdString();
    const QJsonObject received = lastJsonLine(simulator.readAllStandardOutput());
    EXPECT_EQ(received[QStringLiteral("verdict")].toString(), QStringLiteral("Success!"));
    EXPECT_TRUE(registryFiles().isEmpty());

    const Finished check =
        run(QStringList{QStringLiteral("check"), cfg_, QStringLiteral("--json")} + sets);
    const QJsonObject expected = QJsonDocument::fromJson(check.out).object();
    EXPECT_EQ(received[QStringLiteral("block")], expected[QStringLiteral("block")]);
    EXPECT_EQ(received[QStringLiteral("gpsless")], QJsonValue(true));
    QJsonObject expectedSettings = expected[QStringLiteral("settings")].toObject();
    QJsonObject receivedSettings = received[QStringLiteral("settings")].toObject();
    // Neither the port nor, in GPSless mode, the GPS interval travels.
    for (const QString& key : {QStringLiteral("comm"), QStringLiteral("gpsinterval")}) {
        EXPECT_TRUE(receivedSettings[key].isNull()) << key.toStdString();
        expectedSettings.remove(key);
        receivedSettings.remove(key);
    }
    EXPECT_EQ(receivedSettings, expectedSettings)
        << QJsonDocument(receivedSettings).toJson().toStdString()
        << QJsonDocument(expectedSettings).toJson().toStdString();
}

TEST_F(CliEndToEnd, AStoppedSimulatorWithdrawsItsAdvert) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        Simulator simulator;
        ASSERT_FALSE(startSimulator(simulator, {}).isEmpty());
        ASSERT_EQ(registryFiles().size(), 1);
        ::kill(static_cast<pid_t>(simulator.processId()), signal);
        ASSERT_TRUE(simulator.waitForFinished(5000));
        EXPECT_EQ(simulator.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(simulator.exitCode(), 0);
        EXPECT_TRUE(registryFiles().isEmpty());
    }
}

// What the user sees when the line fails: a message that says why and what
// to do, an exit status of 2, and never a hang.
// No build sends a control character, but any program may write to the
// simulator: what it received reaches the terminal escaped.
TEST_F(CliEndToEnd, SimulatorShowsWhatItReceivedEscaped) {
    Simulator simulator;
    const QString device = startSimulator(simulator, {QStringLiteral("--once")});
    ASSERT_FALSE(device.isEmpty());

    SettingsValues factory;
    ConfigBlock block = BuildConfigBlock(factory).block;
    const QByteArray status("\x1b]0;title\x07\x1b[2J");
    std::copy(status.begin(), status.end(), block.begin() + block::kStatusText);
    block[block::kStatusText + static_cast<std::size_t>(status.size())] = 0;

    QSerialPort line(device);
    ASSERT_TRUE(line.open(QIODevice::WriteOnly)) << line.errorString().toStdString();
    // The four writes spaced as a sender spaces them.
    const auto writes = lineWrites(block);
    const std::array<unsigned long, 4> pauseMs{0, 10, 400, 10};
    for (std::size_t i = 0; i < writes.size(); ++i) {
        QThread::msleep(pauseMs[i]);
        line.write(writes[i]);
        line.waitForBytesWritten(1000);
    }
    ASSERT_TRUE(simulator.waitForFinished(10000));
    const QByteArray out = simulator.readAllStandardOutput();
    EXPECT_FALSE(out.contains('\x1b'));
    EXPECT_FALSE(out.contains('\x07'));
    EXPECT_TRUE(out.contains(R"("\x1B]0;title\x07\x1B[2J")")) << out.toStdString();
}

TEST_F(CliEndToEnd, LineFaultsEndTheSendWithTheirReason) {
    struct Case {
        const char* name;
        std::function<QString(PtyTracker&, std::vector<std::unique_ptr<QSerialPort>>&)> prepare;
        const char* says;
        const char* trackerShows; // nothing when the tracker must see no byte
    };
    const std::vector<Case> cases = {
        {"hang-up after frame 1",
         [](PtyTracker& t, auto&) {
             t.hangUpAfter(61);
             return t.device();
         },
         "Cannot write to", "Timeout frame 2"},
        {"busy",
         [](PtyTracker& t, auto& holders) {
             auto holder = std::make_unique<QSerialPort>(t.device());
             EXPECT_TRUE(holder->open(QIODevice::WriteOnly));
             holders.push_back(std::move(holder));
             return t.device();
         },
         "in use by another program", nullptr},
        {"missing", [](PtyTracker&, auto&) { return QStringLiteral("/dev/pts/987654"); },
         "no such device", nullptr},
        {"no such port number", [](PtyTracker&, auto&) { return QStringLiteral("9"); },
         "does not exist", nullptr},
        {"empty port", [](PtyTracker&, auto&) { return QString(); }, "--port needs", nullptr},
        // A path is opened as given, and only a terminal is taken for a serial line.
        {"relative path to a file",
         [this](PtyTracker&, auto&) {
             const QString file = dir_.filePath(QStringLiteral("not-a-port"));
             QFile(file).open(QIODevice::WriteOnly);
             return "./" + QDir::current().relativeFilePath(file);
         },
         "not a serial port", nullptr},
        {"/dev/null", [](PtyTracker&, auto&) { return QStringLiteral("/dev/null"); },
         "not a serial port", nullptr},
        {"pty master", [](PtyTracker&, auto&) { return QStringLiteral("/dev/ptmx"); },
         "not a serial port", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PtyTracker tracker;
        ASSERT_TRUE(tracker.ok());
        std::vector<std::unique_ptr<QSerialPort>> holders;
        const QString port = c.prepare(tracker, holders);
        tracker.start();
        const Finished sent = run({QStringLiteral("send"), cfg_, QStringLiteral("--port"), port});
        EXPECT_EQ(sent.code, port.isEmpty() ? cli::kUsage : cli::kPortError);
        EXPECT_LT(sent.ms, 5000);
        EXPECT_TRUE(sent.err.contains(c.says)) << sent.err.toStdString();
        EXPECT_FALSE(sent.out.contains("Data sent")) << sent.out.toStdString();
        const auto transfer = tracker.waitForTransfer(c.trackerShows ? 3000 : 300);
        if (c.trackerShows) {
            ASSERT_TRUE(transfer.has_value());
            EXPECT_EQ(transfer->lcd, QLatin1String(c.trackerShows));
        } else {
            EXPECT_FALSE(transfer.has_value());
        }
    }
}

// The simulator folder is shared ground when the session has no runtime
// folder of its own: only the user's own private folder, own regular files
// and own devices are believed, and nothing there can make a listing hang.
TEST_F(CliEndToEnd, PortsTrustOnlyTheUsersOwnSimulatorAdverts) {
    const bool root = ::geteuid() == 0;
    constexpr uid_t kOther = 65534;
    PtyTracker tracker;
    ASSERT_TRUE(tracker.ok());
    const QByteArray advert = "device=" + tracker.device().toLocal8Bit() +
                              "\npid=" + QByteArray::number(::getpid()) + "\n";
    auto makeFolder = [](const QString& path, mode_t mode) {
        EXPECT_TRUE(QDir().mkpath(path));
        ::chmod(QFile::encodeName(path).constData(), mode);
    };
    auto write = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    auto chown = [](const QString& path) {
        EXPECT_EQ(::lchown(QFile::encodeName(path).constData(), kOther, kOther), 0);
    };
    struct Case {
        const char* name;
        bool needsRoot; // hands something to another user
        // Plants in the folder given and returns KORVEX_SIMULATOR_DIR; an
        // empty one leaves the folder to TMPDIR.
        std::function<QString(const QString&)> plant;
        const char* says; // on stderr; nullptr: the simulator is listed
    };
    const std::vector<Case> cases = {
        {"own private folder", false,
         [&](const QString& at) {
             makeFolder(at, 0700);
             write(at + "/a.simulator", advert);
             return at;
         },
         nullptr},
        {"another user's folder", true,
         [&](const QString& at) {
             makeFolder(at, 0700);
             write(at + "/a.simulator", advert);
             chown(at + "/a.simulator");
             chown(at);
             return at;
         },
         "belongs to another user"},
        {"symbolic link to a folder", false,
         [&](const QString& at) {
             makeFolder(at + "-target", 0700);
             write(at + "-target/a.simulator", advert);
             QFile::link(at + "-target", at);
             return at;
         },
         "symbolic link"},
        {"folder open to others", false,
         [&](const QString& at) {
             makeFolder(at, 0755);
             write(at + "/a.simulator", advert);
             return at;
         },
         "open to other users"},
        {"advert linked to /dev/zero", false,
         [&](const QString& at) {
             makeFolder(at, 0700);
             QFile::link(QStringLiteral("/dev/zero"), at + "/a.simulator");
             return at;
         },
         ""},
        {"advert that is a FIFO", false,
         [&](const QString& at) {
             makeFolder(at, 0700);
             ::mkfifo(QFile::encodeName(at + "/a.simulator").constData(), 0600);
             return at;
         },
         ""},
        {"advert linked to a FIFO", false,
         [&](const QString& at) {
             makeFolder(at, 0700);
             ::mkfifo(QFile::encodeName(at + "-fifo").constData(), 0600);
             QFile::link(at + "-fifo", at + "/a.simulator");
             return at;
         },
         ""},
        {"advert of another user", true,
         [&](const QString& at) {
             makeFolder(at, 0700);
             write(at + "/a.simulator", advert);
             chown(at + "/a.simulator");
             return at;
         },
         ""},
        {"device of another user", true,
         [&](const QString& at) {
             makeFolder(at, 0700);
             write(at + "/a.simulator", advert);
             chown(tracker.device());
             return at;
         },
         ""},
        // No runtime folder: another user made the fallback folder first and
        // put a link to a folder of the victim's in it.
        {"fallback folder planted by another user", true,
         [&](const QString& at) {
             makeFolder(at + "/target", 0755);
             write(at + "/target/a.simulator", advert);
             const passwd* me = ::getpwuid(::geteuid());
             const QString planted = at + "/runtime-" + QString::fromLocal8Bit(me->pw_name);
             makeFolder(planted, 0777);
             QFile::link(at + "/target", planted + "/korvex-simulators");
             chown(planted + "/korvex-simulators");
             chown(planted);
             return QString();
         },
         "belongs to another user"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsRoot && !root) {
            std::cout << "skipped \"" << c.name << "\": needs root to act as another user\n";
            continue;
        }
        const QString at = dir_.filePath(QString::fromLatin1(c.name).replace(' ', '-'));
        const QString registry = c.plant(at);
        const QProcessEnvironment saved = env_;
        env_.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        if (registry.isEmpty()) {
            env_.remove(QStringLiteral("KORVEX_SIMULATOR_DIR"));
            env_.insert(QStringLiteral("TMPDIR"), at);
        } else {
            env_.insert(QStringLiteral("KORVEX_SIMULATOR_DIR"), registry);
        }
        const Finished ports = run({QStringLiteral("ports")});
        EXPECT_EQ(ports.code, 0) << ports.err.toStdString();
        EXPECT_LT(ports.ms, 5000);
        EXPECT_EQ(ports.out.contains(tracker.device().toLocal8Bit()), c.says == nullptr)
            << ports.out.toStdString();
        if (c.says) {
            EXPECT_TRUE(ports.err.contains(c.says)) << ports.err.toStdString();
        }
        if (registry.isEmpty()) {
            // A simulator started there advertises nothing and changes nothing.
            Simulator simulator;
            EXPECT_FALSE(startSimulator(simulator, {}).isEmpty());
            struct stat target {};
            ::stat(QFile::encodeName(at + "/target").constData(), &target);
            EXPECT_EQ(target.st_mode & 07777, 0755u);
            EXPECT_EQ(QDir(at + "/target").entryList(QDir::Files).size(), 1);
        }
        env_ = saved;
        ::chown(tracker.device().toLocal8Bit().constData(), ::geteuid(), ::getegid());
    }
}

// The permission message must name the fix. Root opens any device, so the
// sender then runs as an unprivileged user.
TEST_F(CliEndToEnd, PermissionDeniedNamesTheFix) {
    PtyTracker tracker;
    ASSERT_TRUE(tracker.ok());
    const QByteArray device = tracker.device().toLocal8Bit();
    ASSERT_EQ(::chmod(device.constData(), 0600), 0);
    ::chmod(QFile::encodeName(dir_.path()).constData(), 0755);
    ::chmod(QFile::encodeName(cfg_).constData(), 0644);

    QStringList arguments{QStringLiteral("send"), cfg_, QStringLiteral("--port"), tracker.device()};
    QString program = QStringLiteral(KORVEX_CLI_PATH);
    if (::geteuid() == 0) {
        if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            GTEST_SKIP() << "running as root without setpriv";
        // A copy the other user can reach, wherever the build tree lies.
        const QString copy = dir_.filePath(QStringLiteral("korvex-cli"));
        ASSERT_TRUE(QFile::copy(program, copy));
        ::chmod(QFile::encodeName(copy).constData(), 0755);
        arguments = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                QStringLiteral("--clear-groups"), copy} +
                    arguments;
        program = QStringLiteral("setpriv");
        const QStringList probe = arguments.mid(0, 4) + QStringList{QStringLiteral("--version")};
        if (run(probe, program).code != 0)
            GTEST_SKIP() << "korvex-cli cannot run as an unprivileged user here";
    } else {
        ASSERT_EQ(::chmod(device.constData(), 0), 0);
    }
    tracker.start();
    const Finished sent = run(arguments, program);
    EXPECT_EQ(sent.code, cli::kPortError) << sent.err.toStdString();
    EXPECT_TRUE(sent.err.contains("permission denied")) << sent.err.toStdString();
    EXPECT_TRUE(sent.err.contains("dialout") || sent.err.contains("usermod") ||
                sent.err.contains("log in again"))
        << sent.err.toStdString();
    EXPECT_FALSE(tracker.waitForTransfer(300).has_value());
}

} // namespace
} // namespace korvex

namespace korvex {
namespace {

// The finder, the trace and the report on one road: ports --wait names the
// simulator started while it waits (and gives up when none comes);
// a send to it leaves its trace where asked and as the last one kept, and
// decode reads it back as the tracker's "Success!" with the very block the
// tracker got; a report holds every section and that trace. A state folder
// that cannot be written only costs a warning.
TEST_F(CliEndToEnd, FinderTraceDecodeAndReport) {
    EXPECT_EQ(run({QStringLiteral("ports"), QStringLiteral("--wait"), QStringLiteral("1")}).code,
              cli::kTimedOut);

    QProcess waiter;
    waiter.setProcessEnvironment(env_);
    waiter.start(QStringLiteral(KORVEX_CLI_PATH),
                 {QStringLiteral("ports"), QStringLiteral("--wait"), QStringLiteral("10")});
    waiter.setReadChannel(QProcess::StandardError);
    QByteArray waiting;
    while (!waiting.contains("Waiting up to") && waiter.waitForReadyRead(5000))
        waiting += waiter.readAllStandardError();
    waiter.setReadChannel(QProcess::StandardOutput);
    Simulator simulator;
    const QString device = startSimulator(simulator, {QStringLiteral("--json")});
    ASSERT_FALSE(device.isEmpty());
    ASSERT_TRUE(waiter.waitForFinished(10000));
    EXPECT_EQ(waiter.exitCode(), 0);
    const auto found = QRegularExpression(QStringLiteral("New port:\n(\\d)\\s+") +
                                          QRegularExpression::escape(device) +
                                          QStringLiteral("\\s+Korvex simulator"))
                           .match(QString::fromLocal8Bit(waiter.readAllStandardOutput()));
    ASSERT_TRUE(found.hasMatch());

    const QString trace = dir_.filePath(QStringLiteral("t.trace"));
    const QStringList send{QStringLiteral("send"),    cfg_,
                           QStringLiteral("--port"),  found.captured(1),
                           QStringLiteral("--trace"), trace};
    env_.insert(QStringLiteral("XDG_STATE_HOME"), cfg_); // a file: no folder can be made in it
    const Finished unkept = run(send);
    EXPECT_EQ(unkept.code, 0);
    EXPECT_TRUE(unkept.err.contains("warning: the trace was not kept")) << unkept.err.toStdString();
    env_.insert(QStringLiteral("XDG_STATE_HOME"), dir_.filePath(QStringLiteral("state")));
    ASSERT_EQ(run(send).code, 0);
    ASSERT_TRUE(simulator.waitForReadyRead(3000));
    QByteArray received = simulator.readAllStandardOutput();
    while (received.count('\n') < 2 && simulator.waitForReadyRead(3000))
        received += simulator.readAllStandardOutput();

    const Finished decoded = run({QStringLiteral("decode"), QStringLiteral("--json"), trace});
    EXPECT_EQ(decoded.code, 0) << decoded.err.toStdString();
    const QJsonObject verdict = lastJsonLine(decoded.out);
    EXPECT_EQ(verdict.value(QStringLiteral("verdict")).toString(), QStringLiteral("Success!"));
    EXPECT_EQ(verdict.value(QStringLiteral("block")), lastJsonLine(received).value("block"));
    QFile kept(dir_.filePath(QStringLiteral("state/korvex-config/last-transfer.trace")));
    QFile asked(trace);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly) && asked.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), asked.readAll());

    const Finished report = run({QStringLiteral("report")});
    EXPECT_EQ(report.code, 0);
    for (const char* heading :
         {"== Program ==", "== System and session ==", "== Locale ==", "== Ports ==",
          "== What keeps a port from use ==", "== User and groups ==", "== Last transfer ==",
          "== Settings last sent ==", "mycall = \"NOCALL-9\"", "write 59 bytes"})
        EXPECT_TRUE(report.out.contains(heading)) << heading;
    EXPECT_TRUE(report.out.contains(device.toUtf8()));
}

} // namespace
} // namespace korvex
