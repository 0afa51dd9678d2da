// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/block_decoder.h"
#include "settings/config_block_builder.h"
#include "settings/field_table.h"
#include "settings/settings_values.h"
#include "sim/simulator_advert.h"
#include "sim/tracker_simulator.h"
#include "support/outcome_text.h"
#include "transfer/frames.h"
#include "transfer/port_numbering.h"
#include "transfer/simulator_registry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvex {
namespace {

struct Change {
    FieldId id;
    QString text; // for text fields
    int value = 0;
};

SettingsValues settingsWith(const std::vector<Change>& changes) {
    SettingsValues settings;
    for (const Change& c : changes) {
        const Outcome written =
            holdsText(c.id) ? settings.setText(c.id, c.text) : settings.setValue(c.id, c.value);
        EXPECT_TRUE(written.ok()) << fieldInfo(c.id).key << ": "
                                  << outcomeText(written).toStdString();
    }
    return settings;
}

// The tracker must read back exactly what the window shows after SEND, for
// every kind of field and both forms of the path.
TEST(BlockDecoder, ReadsBackWhatTheBuilderWroteBack) {
    struct Case {
        const char* name;
        std::vector<Change> changes;
        bool gpsless = false;
    };
    const std::vector<Case> cases = {
        {"factory", {}},
        {"GPSless", {{FieldId::gpsTimeout, QStringLiteral("0")}}, true},
        {"one address", {{FieldId::aprsPath, QStringLiteral("WIDE2-2")}}},
        {"empty path", {{FieldId::aprsPath, QString()}}},
        {"empty second address", {{FieldId::aprsPath, QStringLiteral("WIDE1-1,")}}},
        // Written back as ",WIDE2-2" the comma would stand first and stop
        // separating: a second SEND would send other bytes.
        {"blank first address", {{FieldId::aprsPath, QStringLiteral("  ,WIDE2-2")}}},
        {"switches set",
         {{FieldId::alternateTable, {}, 1},
          {FieldId::receivedPositionsOff, {}, 1},
          {FieldId::micEMessage, {}, 7},
          {FieldId::statusInterval, QStringLiteral("200")}}},
        {"limits",
         {{FieldId::speedBand0, QStringLiteral("2554")},
          {FieldId::speedBand6, QStringLiteral("5")},
          {FieldId::manualInterval, QStringLiteral("1")},
          {FieldId::txDelay, QStringLiteral("50")},
          {FieldId::messageRetries, QStringLiteral("255")}}},
        {"full texts",
         {{FieldId::statusText, QStringLiteral("123456789012345678901234567890")},
          {FieldId::messageText, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345")},
          {FieldId::myCall, QStringLiteral("IK2ABC-15")},
          {FieldId::messageRecipient, QString()}}},
        {"empty texts", {{FieldId::statusText, QString()}, {FieldId::messageText, QString()}}},
        {"accented status", {{FieldId::statusText, QStringLiteral("Città €5")}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BuildResult built = BuildConfigBlock(settingsWith(c.changes));
        ASSERT_TRUE(built.ok()) << built.fault().reason.toStdString();
        const SettingsValues& sent = built.settings;
        // What the tracker read, to be sent again.
        SettingsValues again = sent;

        const DecodedBlock decoded = decodeConfigBlock(built.block);
        EXPECT_EQ(decoded.gpsless, c.gpsless);
        EXPECT_TRUE(decoded.anomalies.isEmpty()) << decoded.anomalies.join(u'\n').toStdString();
        for (const FieldInfo& info : fieldTable()) {
            const std::size_t i = fieldIndex(info.id);
            const bool carried =
                info.id != FieldId::portNumber && !(c.gpsless && info.id == FieldId::gpsInterval);
            ASSERT_EQ(decoded.carries(info.id), carried) << info.key;
            if (!carried)
                continue;
            if (holdsText(info.id))
                EXPECT_EQ(decoded.texts[i].value_or(QString()), sent.text(info.id)) << info.key;
            else
                EXPECT_EQ(decoded.values[i].value_or(-99), sent.value(info.id)) << info.key;
            EXPECT_TRUE(holdsText(info.id) ? again.setText(info.id, *decoded.texts[i])
                                           : again.setValue(info.id, *decoded.values[i]));
        }

        // What the tracker read, sent again, gives the same bytes.
        EXPECT_EQ(BuildConfigBlock(again).block, built.block);
    }
}

TEST(BlockDecoder, ReportsBytesNoBuildWouldWriteAndStillReadsTheRest) {
    struct Case {
        const char* name;
        std::function<void(ConfigBlock&)> damage;
        const char* noteContains;
    };
    const std::vector<Case> cases = {
        {"TX delay 0", [](ConfigBlock& b) { b[block::kTxDelayFlags] = 0; }, "TX delay"},
        {"SSID 64", [](ConfigBlock& b) { b[block::kMyCall + 6] = 64; }, "SSID"},
        {"status without its 0",
         [](ConfigBlock& b) {
             for (int i = block::kStatusText; i < block::kDestCall; ++i)
                 b[static_cast<std::size_t>(i)] = 'x';
         },
         "status text"},
        {"GPSless without 252", [](ConfigBlock& b) { b[block::kGpsTimeout] = 0; }, "252"},
    };
    SettingsValues factory;
    const ConfigBlock good = BuildConfigBlock(factory).block;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigBlock damaged = good;
        c.damage(damaged);
        const DecodedBlock decoded = decodeConfigBlock(damaged);
        ASSERT_EQ(decoded.anomalies.size(), 1) << decoded.anomalies.join(u'\n').toStdString();
        EXPECT_TRUE(decoded.anomalies.first().contains(QLatin1String(c.noteContains)))
            << decoded.anomalies.first().toStdString();
        EXPECT_EQ(decoded.texts[fieldIndex(FieldId::unprotoCall)], QStringLiteral("KVXTRK"));
    }

    // A status text that runs into the next field is cut there, not read on.
    ConfigBlock runOn = good;
    for (int i = block::kStatusText; i < block::kDestCall; ++i)
        runOn[static_cast<std::size_t>(i)] = 'x';
    EXPECT_EQ(decodeConfigBlock(runOn).texts[fieldIndex(FieldId::statusText)]->size(),
              block::kDestCall - block::kStatusText);
}

// ---------------------------------------------------------------------------

ConfigBlock factoryBlock() {
    SettingsValues settings;
    return BuildConfigBlock(settings).block;
}

struct Timed {
    double atMs;
    QByteArray bytes;
};

// The four writes at the sender's timeline, counted from the first.
std::vector<Timed> nominalLine(const ConfigBlock& block, double start = 0) {
    const auto writes = lineWrites(block);
    return {{start, writes[0]},
            {start + 10, writes[1]},
            {start + 410, writes[2]},
            {start + 420, writes[3]}};
}

std::vector<TrackerTransfer> play(const std::vector<Timed>& line, double quietUntil) {
    TrackerReceiver receiver;
    std::vector<TrackerTransfer> done;
    for (const Timed& t : line) {
        for (auto& d : receiver.receive(t.bytes, t.atMs))
            done.push_back(std::move(d));
    }
    if (auto late = receiver.poll(quietUntil))
        done.push_back(std::move(*late));
    return done;
}

TEST(TrackerReceiver, GivesItsVerdictOnEveryKindOfLine) {
    const ConfigBlock block = factoryBlock();
    const auto good = nominalLine(block);
    auto with = [&](std::size_t write, const std::function<void(QByteArray&)>& change) {
        auto line = good;
        change(line[write].bytes);
        return line;
    };
    // Preamble 2 and frame 2 moved on the timeline by shiftMs.
    auto shifted = [&](double shiftMs) {
        auto line = good;
        line[2].atMs += shiftMs;
        line[3].atMs += shiftMs;
        return line;
    };
    auto cut = [&](std::size_t writes) {
        return std::vector<Timed>(good.begin(), good.begin() + static_cast<long>(writes));
    };

    struct Case {
        const char* name;
        std::vector<Timed> line;
        std::vector<QString> lcd;
    };
    const std::vector<Case> cases = {
        {"good", good, {QStringLiteral("Success!")}},
        {"checksum 1",
         with(1, [](QByteArray& b) { b[58] = char(b[58] + 1); }),
         {QStringLiteral("Bad checksum 1")}},
        {"data 2",
         with(3, [](QByteArray& b) { b[0] = char(b[0] ^ 1); }),
         {QStringLiteral("Bad checksum 2")}},
        {"preamble 1", with(0, [](QByteArray& b) { b[1] = 0; }), {QStringLiteral("No preamble 1")}},
        {"preamble 2",
         with(2, [](QByteArray& b) { b[0] = 0x7F; }),
         {QStringLiteral("No preamble 2")}},
        {"frame 1 cut",
         with(1, [](QByteArray& b) { b.chop(1); }),
         {QStringLiteral("Short frame 1")}},
        {"frame 2 cut",
         with(3, [](QByteArray& b) { b.chop(20); }),
         {QStringLiteral("Short frame 2")}},
        {"only preamble", cut(1), {QStringLiteral("Short frame 1")}},
        {"frame 2 never came", cut(2), {QStringLiteral("Timeout frame 2")}},
        {"two transfers",
         [&] {
             auto line = good;
             for (const Timed& t : nominalLine(block, 1620))
                 line.push_back(t);
             return line;
         }(),
         {QStringLiteral("Success!"), QStringLiteral("Success!")}},
        {"noise, then a good transfer",
         [&] {
             std::vector<Timed> line{{0, QByteArray("AT\r\n")}};
             for (const Timed& t : nominalLine(block, 2500))
                 line.push_back(t);
             return line;
         }(),
         {QStringLiteral("No preamble 1"), QStringLiteral("Success!")}},
        {"frame 2 too late",
         [&] {
             auto line = cut(2);
             line.push_back({3000, good[2].bytes});
             line.push_back({3010, good[3].bytes});
             return line;
         }(),
         // The late frame is taken for the first of a new transfer.
         {QStringLiteral("Timeout frame 2"), QStringLiteral("Timeout frame 2")}},
        {"preamble gap within its tolerance", shifted(90), {QStringLiteral("Success!")}},
        {"preamble gap short by 200 ms", shifted(-200), {QStringLiteral("Early frame 2")}},
        {"preamble gap long by 200 ms",
         shifted(200),
         {QStringLiteral("Timeout frame 2"), QStringLiteral("Timeout frame 2")}},
        {"frame 1 too long",
         with(1, [](QByteArray& b) { b.append(char(0)); }),
         {QStringLiteral("Early frame 2")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto done = play(c.line, c.line.back().atMs + 10000);
        ASSERT_EQ(done.size(), c.lcd.size());
        for (std::size_t i = 0; i < done.size(); ++i) {
            EXPECT_EQ(done[i].lcd, c.lcd[i]);
            EXPECT_EQ(done[i].block.has_value(), c.lcd[i] == QLatin1String("Success!"));
        }
    }
}

TEST(TrackerReceiver, StampsEachWriteFromTheFirstByte) {
    const ConfigBlock block = factoryBlock();
    const auto done = play(nominalLine(block, 5000), 99999);
    ASSERT_EQ(done.size(), 1u);
    const TrackerTransfer& t = done[0];
    EXPECT_EQ(t.startedAtMs, 5000);
    ASSERT_EQ(t.arrivals.size(), 4u);
    const double at[] = {0, 10, 410, 420};
    const int bytes[] = {2, 59, 2, 59};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(t.arrivals[i].atMs, at[i]);
        EXPECT_EQ(t.arrivals[i].bytes, bytes[i]);
        EXPECT_DOUBLE_EQ(t.marks[i].value(), at[i]);
    }
    EXPECT_EQ(t.received, lineStream(block));
    EXPECT_EQ(t.block, block);
}

// A real line at 4800 baud brings one byte about every 2 ms: the bytes of a
// write are one arrival, and the frame is whole.
TEST(TrackerReceiver, TakesBytesOneAtATimeAtTheLineRate) {
    const ConfigBlock block = factoryBlock();
    std::vector<Timed> line;
    for (const Timed& write : nominalLine(block)) {
        for (qsizetype i = 0; i < write.bytes.size(); ++i)
            line.push_back({write.atMs + 2.083 * static_cast<double>(i), write.bytes.mid(i, 1)});
    }
    // The preamble needs 4 ms on the line, so its frame starts after it.
    line[2].atMs = line[1].atMs + 10;
    const auto done = play(line, 99999);
    ASSERT_EQ(done.size(), 1u);
    EXPECT_EQ(done[0].lcd, QStringLiteral("Success!"));
    EXPECT_EQ(done[0].arrivals.size(), 4u);
}

// ---------------------------------------------------------------------------

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        qputenv("KORVEX_SIMULATOR_DIR", dir_.path().toLocal8Bit());
    }
    void TearDown() override { qunsetenv("KORVEX_SIMULATOR_DIR"); }

    void plant(const QString& name, const QByteArray& content) {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QTemporaryDir dir_;
};

TEST_F(Registry, ListsLiveSimulatorsAfterTheRealPortsUntilTheyEnd) {
    PtyTracker tracker;
    ASSERT_TRUE(tracker.ok());
    {
        const SimulatorAdvert advert(tracker.device());
        ASSERT_TRUE(advert.ok()) << advert.error().toStdString();
        const QList<PortDescription> listed = advertisedSimulators();
        ASSERT_EQ(listed.size(), 1);
        EXPECT_EQ(listed[0].device, tracker.device());
        EXPECT_TRUE(listed[0].simulated);

        // The default numbering puts it behind every port of the system.
        const QList<PortDescription> all = PortNumbering().ports();
        ASSERT_FALSE(all.isEmpty());
        EXPECT_EQ(all.back().device, tracker.device());
        EXPECT_EQ(std::count_if(all.begin(), all.end(),
                                [](const PortDescription& p) { return p.simulated; }),
                  1);
    }
    EXPECT_TRUE(advertisedSimulators().isEmpty());
    EXPECT_TRUE(QDir(dir_.path()).isEmpty());
}

TEST_F(Registry, SkipsWhatDeadSimulatorsLeftBehind) {
    PtyTracker tracker;
    ASSERT_TRUE(tracker.ok());
    const QByteArray device = tracker.device().toLocal8Bit();
    const QByteArray me = QByteArray::number(::getpid());

    QProcess gone;
    gone.start(QStringLiteral("true"));
    ASSERT_TRUE(gone.waitForStarted());
    // Taken while it runs: a finished QProcess says 0.
    const QByteArray deadPid = QByteArray::number(gone.processId());
    ASSERT_TRUE(gone.waitForFinished());

    plant(QStringLiteral("dead.simulator"), "device=" + device + "\npid=" + deadPid + "\n");
    plant(QStringLiteral("nodevice.simulator"), "device=/dev/pts/999999\npid=" + me + "\n");
    // Our pid, but a process that started at another time: the pid was reused.
    plant(QStringLiteral("reused.simulator"), "device=" + device + "\npid=" + me + "\nstart=1\n");
    plant(QStringLiteral("garbage.simulator"), QByteArray("\x00\xff\n=\n", 5));
    plant(QStringLiteral("other.txt"), "device=" + device + "\npid=" + me + "\n");
    plant(QStringLiteral("theirs.simulator"), "device=" + device + "\npid=" + deadPid + "\n");
    const bool root = ::geteuid() == 0;
    if (root)
        ::chown(QFile::encodeName(dir_.filePath("theirs.simulator")).constData(), 65534, 65534);
    EXPECT_TRUE(advertisedSimulators().isEmpty());
    // What dead simulators left is removed; nothing else, and nobody else's.
    QStringList left = QDir(dir_.path()).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(left.join(' ').toStdString(),
              root ? "garbage.simulator nodevice.simulator other.txt theirs.simulator"
                   : "garbage.simulator nodevice.simulator other.txt");

    plant(QStringLiteral("live.simulator"), "device=" + device + "\npid=" + me + "\n");
    EXPECT_EQ(advertisedSimulators().size(), 1);
}

// Without a usable runtime folder the adverts go under TMPDIR, but only one
// that names a real folder by an absolute path; never under the root folder.
TEST_F(Registry, FallbackFolderIgnoresRuntimeAndTemporaryFoldersThatNameNoPlace) {
    qunsetenv("KORVEX_SIMULATOR_DIR");
    const QByteArray saved[] = {qgetenv("XDG_RUNTIME_DIR"), qgetenv("TMPDIR")};
    const QString real = QDir(dir_.path()).canonicalPath(), here = QDir::currentPath();
    QDir::setCurrent(real);
    ASSERT_EQ(::mkdir("private", 0700), 0);
    const std::tuple<const char*, QString, QString> cases[] = {
        {"", "/korvex-no-such-folder", "/tmp"},
        {"", "relative", "/tmp"},
        {"private", real, real}, // a relative runtime folder, though it exists here
    };
    for (const auto& [runtime, temporary, base] : cases) {
        qputenv("XDG_RUNTIME_DIR", runtime);
        qputenv("TMPDIR", temporary.toLocal8Bit());
        EXPECT_EQ(simulatorRegistryPath(),
                  base + "/runtime-" + ::getpwuid(::geteuid())->pw_name + "/korvex-simulators");
    }
    QDir::setCurrent(here);
    qputenv("XDG_RUNTIME_DIR", saved[0]);
    qputenv("TMPDIR", saved[1]);
}

} // namespace
} // namespace korvex
