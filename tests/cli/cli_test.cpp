// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_runner.h"
#include "config_file/config_file.h"
#include "config_file/config_items.h"
#include "i18n/translations.h"
#include "settings/field_table.h"
#include "settings/printable_text.h"
#include "settings/settings_values.h"
#include "support/case_name.h"
#include "support/fake_serial_link.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvex::cli {
namespace {

struct CliRun {
    int code;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

CliRun run(QStringList arguments, const Environment& environment = {}) {
    arguments.prepend(QStringLiteral("korvex-cli"));
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = runCli(arguments, outStream, errStream, environment);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(CliCheck, FactorySettingsAreCompleteAndUnchanged) {
    const CliRun r = run({QStringLiteral("check"), QStringLiteral("--json")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject json = r.json();
    EXPECT_TRUE(json.value(QStringLiteral("block"))
                    .toString()
                    .startsWith(QStringLiteral("1E06003E2F0A3018120C0906040C1903")));
    EXPECT_EQ(json.value(QStringLiteral("block")).toString().size(), 232);
    EXPECT_TRUE(json.value(QStringLiteral("ok")).toBool());
    EXPECT_TRUE(json.value(QStringLiteral("fault")).isNull());
    EXPECT_TRUE(json.value(QStringLiteral("load_error")).isNull());
    EXPECT_EQ(json.value(QStringLiteral("gpsless")), QJsonValue(false));
    EXPECT_EQ(json.value(QStringLiteral("settings")),
              json.value(QStringLiteral("settings_loaded")));
    EXPECT_EQ(json.value(QStringLiteral("settings")).toObject().value(QStringLiteral("mice")),
              QJsonValue(0));
}

TEST(CliCheck, FaultKeepsTheWriteBacksMadeBeforeIt) {
    const CliRun r = run({QStringLiteral("check"), QStringLiteral("--json"),
                          QStringLiteral("--set"), QStringLiteral("txdelay=050"),
                          QStringLiteral("--set"), QStringLiteral("retries=256")});
    EXPECT_EQ(r.code, kSettingsRejected);
    const QJsonObject json = r.json();
    EXPECT_FALSE(json.value(QStringLiteral("ok")).toBool());
    const QJsonObject fault = json.value(QStringLiteral("fault")).toObject();
    EXPECT_EQ(fault.value(QStringLiteral("step")).toInt(), 3);
    EXPECT_EQ(fault.value(QStringLiteral("field")).toString(), QStringLiteral("retries"));
    EXPECT_EQ(json.value(QStringLiteral("settings"))
                  .toObject()
                  .value(QStringLiteral("txdelay"))
                  .toString(),
              QStringLiteral("053"));
    EXPECT_EQ(json.value(QStringLiteral("settings_loaded"))
                  .toObject()
                  .value(QStringLiteral("txdelay"))
                  .toString(),
              QStringLiteral("050"));
    EXPECT_TRUE(json.value(QStringLiteral("block")).toString().startsWith(QStringLiteral("0800")));
    EXPECT_TRUE(json.value(QStringLiteral("gpsless")).isNull());
}

TEST(CliCheck, TextReportNamesChangesAndTheFault) {
    CliRun r =
        run({QStringLiteral("check"), QStringLiteral("--set"), QStringLiteral("txdelay=050")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("txdelay 050 -> 053"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("000: 08 06 00 3E")));

    r = run({QStringLiteral("check"), QStringLiteral("--set"), QStringLiteral("mycall=")});
    EXPECT_EQ(r.code, kSettingsRejected);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Parametri incompleti o non corretti")));
    EXPECT_TRUE(r.err.contains(QStringLiteral("step 19, field \"MY CALLSIGN\" (mycall)")))
        << r.err.toStdString();
}

TEST(CliCheck, PartialLoadIsReportedWithoutABuild) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("short.cfg"));
    writeFile(path, "\"3\",\"100\",\"009\",2,\"#\",1\r\n");
    const CliRun r = run({QStringLiteral("check"), path, QStringLiteral("--json")});
    EXPECT_EQ(r.code, kNotLoaded);
    const QJsonObject json = r.json();
    EXPECT_FALSE(json.value(QStringLiteral("load_error")).toString().isEmpty());
    EXPECT_FALSE(json.value(QStringLiteral("ok")).toBool());
    EXPECT_TRUE(json.value(QStringLiteral("fault")).isNull());
    EXPECT_TRUE(json.value(QStringLiteral("block")).isNull());
    const QJsonObject loaded = json.value(QStringLiteral("settings_loaded")).toObject();
    EXPECT_EQ(loaded.value(QStringLiteral("comm")).toString(), QStringLiteral("3"));
    EXPECT_EQ(loaded.value(QStringLiteral("speed0")).toString(), QStringLiteral("0480"));
}

struct UsageCase {
    QStringList arguments;
    int code;
    const char* says; // part of stderr
};

class CliUsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CliUsageTest, ReportsTheProblem) {
    const UsageCase& c = GetParam();
    const CliRun r = run(c.arguments);
    EXPECT_EQ(r.code, c.code) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Errors, CliUsageTest,
    ::testing::Values(
        UsageCase{{}, 2, "Usage: korvex-cli COMMAND"},
        UsageCase{{QStringLiteral("frobnicate")}, 2, "unknown command"},
        UsageCase{{QStringLiteral("check"), QStringLiteral("--bogus")}, 2, "Unknown option"},
        UsageCase{{QStringLiteral("check"), QStringLiteral("--set"), QStringLiteral("nosuch=1")},
                  2,
                  "unknown key"},
        UsageCase{{QStringLiteral("check"), QStringLiteral("--set"), QStringLiteral("mice=9")},
                  kNotLoaded,
                  "out of range"},
        UsageCase{{QStringLiteral("check"), QStringLiteral("--set"), QStringLiteral("mice=x")},
                  kNotLoaded,
                  "not a whole number"},
        UsageCase{{QStringLiteral("check"), QStringLiteral("--set"), QStringLiteral("txdelay=12a")},
                  kNotLoaded,
                  "\"a\" (U+0061) cannot be typed into \"TX DELAY\" (txdelay)"},
        UsageCase{{QStringLiteral("check"), QStringLiteral("--set"), QStringLiteral("mycall")},
                  2,
                  "KEY=VALUE"},
        UsageCase{{QStringLiteral("check"), QStringLiteral("/nonexistent.cfg")},
                  kFileError,
                  "/nonexistent.cfg"},
        UsageCase{{QStringLiteral("edit")}, 2, "-o OUT"},
        UsageCase{{QStringLiteral("send")}, 2, "exactly one .cfg file"},
        // A word or an option too many is refused with the usage line, in every command.
        UsageCase{{"ports", "extra"}, 2, "Usage: korvex-cli ports [--json] [--diagnose]"},
        UsageCase{{"check", "a.cfg", "b.cfg"}, 2, "\"b.cfg\" is one argument too many"},
        UsageCase{{"defaults", "-o", "a", "--output", "b"}, 2, "-o is given twice with different"},
        UsageCase{{"send", "a.cfg", "--port", "1", "--port", "2"}, 2, "--port is given twice"},
        UsageCase{{"send", "a.cfg", "--trace", "a", "--trace", "b"}, 2, "--trace is given twice"},
        UsageCase{
            {"ports", "--wait", "0"}, 2, "Usage: korvex-cli ports [--json] [--diagnose] [--wait"},
        UsageCase{{"decode", "a", "b"}, 2, "Usage: korvex-cli decode FILE [--json]"},
        UsageCase{{"report", "x"}, 2, "Usage: korvex-cli report [-o FILE] [--json]"},
        // Typing: the character the window's keys discard is named with its field.
        UsageCase{{"check", "--set", "message=hi {there}|"},
                  kNotLoaded,
                  "\"{\" (U+007B) cannot be typed into \"Message text\" (message)"}),

    [](auto i) { return test::caseName(i.index, i.param.arguments.join(u' ')); });

struct TypingCase {
    const char* key;
    const char* given;
    const char* typed; // by --set; a file keeps `given`, with a warning if they differ
};

class CliTypingTest : public ::testing::TestWithParam<TypingCase> {};

TEST_P(CliTypingTest, SetTypesAndALoadedValueIsKeptButWarnedAbout) {
    const TypingCase& c = GetParam();
    const QString key = QLatin1String(c.key);
    const CliRun set = run({"check", "--json", "--set", key + u'=' + QLatin1String(c.given)});
    EXPECT_EQ(set.json()["settings_loaded"][key].toString(), QLatin1String(c.typed));
    QTemporaryDir dir;
    SettingsValues settings;
    ASSERT_TRUE(settings.setText(*fieldByKey(key), QLatin1String(c.given)));
    writeFile(dir.filePath("t.cfg"), encodeConfigFile(settings).value());
    const CliRun loaded = run({"check", "--json", dir.filePath("t.cfg")});
    EXPECT_EQ(loaded.json()["settings_loaded"][key].toString(), QLatin1String(c.given));
    const bool warns = qstrcmp(c.given, c.typed) != 0;
    EXPECT_EQ(loaded.json()["warnings"][0]["field"].toString(), warns ? key : QString());
    EXPECT_EQ(loaded.err.contains("warning: " + describeField(*fieldByKey(key))), warns);
}

INSTANTIATE_TEST_SUITE_P(Fields, CliTypingTest,
                         ::testing::Values(TypingCase{"mycall", "dl1xyz-9", "DL1XYZ-9"},
                                           TypingCase{"path", "wide1-1,wide2-1", "WIDE1-1,WIDE2-1"},
                                           TypingCase{"message", "qrv 145.5", "QRV 145.5"},
                                           TypingCase{"status", "Qrv 145.5", "Qrv 145.5"}),
                         [](auto i) { return std::string(i.param.key); });

TEST(CliHelp, EveryCommandHasHelp) {
    for (const char* command :
         {"defaults", "check", "edit", "send", "ports", "decode", "report", "simulate"}) {
        const CliRun r = run({QString::fromLatin1(command), QStringLiteral("--help")});
        EXPECT_EQ(r.code, 0) << command;
        EXPECT_TRUE(
            r.out.startsWith(QStringLiteral("Usage: korvex-cli %1").arg(QLatin1String(command))))
            << r.out.toStdString();
    }
}

TEST(CliFiles, DefaultsAndEditWriteTheSameFormatAsTheWindow) {
    QTemporaryDir dir;
    const QString defaults = dir.filePath(QStringLiteral("defaults.cfg"));
    ASSERT_EQ(run({QStringLiteral("defaults"), QStringLiteral("-o"), defaults}).code, 0);
    EXPECT_EQ(readFile(defaults), encodeConfigFile(SettingsValues()).value());

    const QString edited = dir.filePath(QStringLiteral("mobile.cfg"));
    const CliRun r = run({QStringLiteral("edit"), defaults, QStringLiteral("--set"),
                          QStringLiteral("mycall=N0CALL-7"), QStringLiteral("--set"),
                          QStringLiteral("statusevery=200"), QStringLiteral("--set"),
                          QStringLiteral("rxposoff=1"), QStringLiteral("-o"), edited});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    SettingsValues back;
    ASSERT_TRUE(readConfigFile(edited, back).ok());
    EXPECT_EQ(back.text(FieldId::myCall), QStringLiteral("N0CALL-7"));
    EXPECT_EQ(back.value(FieldId::receivedPositionsOff), 1);
    EXPECT_EQ(back.text(FieldId::statusInterval), QStringLiteral("127"));

    const CliRun refused = run({QStringLiteral("edit"), QStringLiteral("--set"),
                                QStringLiteral("status=say \"hi\""), QStringLiteral("-o"), edited});
    EXPECT_EQ(refused.code, kFileError);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("double quote")));
    EXPECT_TRUE(back == [&] {
        SettingsValues again;
        EXPECT_TRUE(readConfigFile(edited, again));
        return again;
    }()) << "the refused edit left the file as it was";
}

TEST(CliFiles, DefaultsToStandardOutput) {
    const CliRun r = run({QStringLiteral("defaults")});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("\"1\",\"200\",\"006\",0,\">\",0\r\n")));
}

bool holdsRawControl(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar ch) {
        return ch != u'\n' &&
               (ch.unicode() < 0x20 || (ch.unicode() >= 0x7F && ch.unicode() <= 0x9F));
    });
}

class ControlCharacterTest : public ::testing::TestWithParam<std::tuple<FieldId, char16_t>> {};

// The number a load message gives the item that holds the field.
int itemNumberOf(FieldId id) {
    const auto item = std::find_if(kConfigItems.begin(), kConfigItems.end(),
                                   [id](const ConfigItem& i) { return i.field == id; });
    return static_cast<int>(item - kConfigItems.begin()) + 1;
}

// A NUL would cut the text at the tracker, a line break would split the
// saved line: every way in refuses them, names the field and shows the
// character escaped.
TEST_P(ControlCharacterTest, RefusedOnLoadSetAndSave) {
    const auto [id, control] = GetParam();
    const FieldInfo& info = fieldInfo(id);
    const QString value = info.kind == FieldKind::Symbol ? QString(QChar(control))
                          : info.kind == FieldKind::Numeric
                              ? QStringLiteral("1") + QChar(control)
                              : QStringLiteral("A") + QChar(control) + QStringLiteral("B");
    const QString shown = printable(QString(QChar(control)));

    const CliRun set = run(
        {QStringLiteral("check"), QStringLiteral("--set"), QLatin1String(info.key) + u'=' + value});
    EXPECT_EQ(set.code, kNotLoaded);
    EXPECT_TRUE(set.err.contains(QStringLiteral("--set %1: refused: the character \"%2\"")
                                     .arg(QLatin1String(info.key), shown)))
        << set.err.toStdString();
    EXPECT_TRUE(set.err.contains(QStringLiteral("is a control character")))
        << set.err.toStdString();
    EXPECT_FALSE(holdsRawControl(set.err)) << set.err.toStdString();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("control.cfg"));
    // The factory file with the field's item replaced.
    const SettingsValues factory;
    QByteArray file = encodeConfigFile(factory).value();
    writeFile(path,
              file.replace('"' + factory.text(id).toLatin1() + '"', '"' + value.toLatin1() + '"'));
    const CliRun load = run({QStringLiteral("check"), path});
    EXPECT_EQ(load.code, kNotLoaded);
    EXPECT_TRUE(
        load.err.contains(QStringLiteral("Item %1, %2: \"%3\" is refused: the character \"%4\"")
                              .arg(itemNumberOf(id))
                              .arg(describeField(id), printable(value), shown)))
        << load.err.toStdString();
    EXPECT_FALSE(holdsRawControl(load.err)) << load.err.toStdString();

    // Save never meets it: settings refuse it, whoever offers it.
    const Outcome saved = SettingsValues().setText(id, value);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.fault().field, id);
    EXPECT_TRUE(saved.fault().reason.contains(QStringLiteral("\"%1\" (U+").arg(shown)))
        << saved.fault().reason.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlCharacterTest,
                         ::testing::Combine(::testing::Values(FieldId::statusText, FieldId::myCall,
                                                              FieldId::txDelay, FieldId::symbol),
                                            ::testing::Values(u'\0', u'\r', u'\n', u'\t', u'\x1b',
                                                              u'\x7f')),
                         [](const ::testing::TestParamInfo<std::tuple<FieldId, char16_t>>& info) {
                             return std::string(fieldInfo(std::get<0>(info.param)).key) + "_" +
                                    std::to_string(static_cast<int>(std::get<1>(info.param)));
                         });

struct SendFixture {
    std::shared_ptr<korvex::testing::Log> log = std::make_shared<korvex::testing::Log>();
    Environment environment(korvex::testing::FakeBehaviour behaviour = {}) const {
        Environment env;
        env.portNumbering = [] {
            return PortNumbering([] {
                PortDescription p;
                p.device = QStringLiteral("/dev/fake0");
                p.portName = QStringLiteral("fake0");
                return QList<PortDescription>{p};
            });
        };
        env.linkFactory = [log = log, behaviour] {
            return std::make_unique<korvex::testing::FakeSerialLink>(log, behaviour);
        };
        return env;
    }
};

TEST(CliSend, SendsTheBuiltBlockAndClosesThePort) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("k.cfg"));
    ASSERT_EQ(run({QStringLiteral("defaults"), QStringLiteral("-o"), file}).code, 0);
    SendFixture fixture;
    const CliRun r = run({QStringLiteral("send"), file}, fixture.environment());
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    QByteArray line;
    for (const QByteArray& w : fixture.log->writes) {
        line += w;
    }
    EXPECT_EQ(line.mid(2, 16).toHex().toUpper(), QByteArray("1E06003E2F0A3018120C0906040C1903"));
    EXPECT_FALSE(fixture.log->open);
}

// The progress names the device that gets the data, with the port number that
// chose it; a device from outside is shown escaped.
TEST(CliSend, NamesTheDeviceItSendsTo) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("k.cfg"));
    ASSERT_EQ(run({QStringLiteral("defaults"), QStringLiteral("-o"), file}).code, 0);
    const struct {
        QStringList port;
        QString opened;
        QString progress;
        QString sent;
    } cases[] = {
        {{},
         "/dev/fake0",
         "Sending data on /dev/fake0 (port 1)......\n",
         "Data sent to /dev/fake0\n"},
        {{"--port", "1"},
         "/dev/fake0",
         "Sending data on /dev/fake0 (port 1)......\n",
         "Data sent to /dev/fake0\n"},
        {{"--port", "/dev/pts/3"},
         "/dev/pts/3",
         "Sending data on /dev/pts/3......\n",
         "Data sent to /dev/pts/3\n"},
        {{"--port", "./tty\x1b]0;x\x07"},
         "./tty\x1b]0;x\x07",
         "Sending data on ./tty\\x1B]0;x\\x07......\n",
         "Data sent to ./tty\\x1B]0;x\\x07\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opened.toStdString());
        SendFixture fixture;
        const CliRun r =
            run(QStringList{QStringLiteral("send"), file} + c.port, fixture.environment());
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(fixture.log->events.value(0), "open " + c.opened);
        EXPECT_EQ(r.err, c.progress);
        EXPECT_TRUE(r.out.startsWith(c.sent)) << r.out.toStdString();
        EXPECT_TRUE(r.out.contains(QStringLiteral("'Success!'")));
    }
}

TEST(CliSend, FailuresExitWithTheirMessageAndSendNothing) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("k.cfg"));
    ASSERT_EQ(run({QStringLiteral("defaults"), QStringLiteral("-o"), file}).code, 0);

    SendFixture portZero;
    CliRun r = run({QStringLiteral("send"), file, QStringLiteral("--port"), QStringLiteral("0")},
                   portZero.environment());
    EXPECT_EQ(r.code, kPortError);
    EXPECT_TRUE(portZero.log->writes.isEmpty());

    // A port beyond COM255, with a hint as this system names ports; a name
    // that cannot be opened, refused by its own name.
    r = run({"send", file, "--port", "256"}, portZero.environment());
    const QString device = QSysInfo::productType() == "windows" ? "COM12" : "/dev/ttyUSB0";
    EXPECT_TRUE(
        r.err.contains("1 to 255; for another port give its device, e.g. --port " + device));
    r = run({QStringLiteral("check"), dir.filePath(QStringLiteral("\u0141\u00f3d\u017a.cfg"))});
    EXPECT_TRUE(r.err.contains(QStringLiteral("\u0141\u00f3d\u017a.cfg"))) << r.err.toStdString();

    SendFixture busy;
    korvex::testing::FakeBehaviour inUse;
    inUse.openError = QStringLiteral("/dev/fake0 is in use by another program");
    r = run({QStringLiteral("send"), file}, busy.environment(inUse));
    EXPECT_EQ(r.code, kPortError);
    EXPECT_TRUE(r.err.contains(QStringLiteral("in use")));

    SendFixture silent;
    korvex::testing::FakeBehaviour closes;
    closes.closedAfterOpen = true;
    r = run({QStringLiteral("send"), file}, silent.environment(closes));
    EXPECT_EQ(r.code, kPortError) << "a transfer that sent nothing is no success";
    EXPECT_TRUE(silent.log->writes.isEmpty());

    SendFixture fault;
    r = run({QStringLiteral("send"), file, QStringLiteral("--set"), QStringLiteral("speed0=2555")},
            fault.environment());
    EXPECT_EQ(r.code, kSettingsRejected);
    EXPECT_EQ(fault.log->links, 0);
}

TEST(LanguageTest, ALocaleNameAsksForItsCatalogueThenItsLanguage) {
    const std::pair<QString, QStringList> cases[] = {{"de_AT.UTF-8@euro", {"de_AT", "de"}},
                                                     {"pt-BR", {"pt_BR", "pt"}},
                                                     {"it", {"it"}},
                                                     {"C", {}},
                                                     {"POSIX.UTF-8", {}},
                                                     {"", {}}};
    for (const auto& [name, catalogues] : cases)
        EXPECT_EQ(catalogueLanguages(name), catalogues) << name.toStdString();
}

TEST(LanguageTest, TheOptionOutranksTheEnvironmentAndLeavesTheCommandAlone) {
    struct Case {
        QStringList arguments;
        QString environment;
        std::optional<QString> chosen;
        QStringList passedOn;
    };
    const Case cases[] = {
        {{"cli", "--lang", "de", "check"}, "es", "de", {"cli", "check"}},
        {{"cli", "check", "--lang=it"}, "", "it", {"cli", "check"}},
        {{"cli", "check"}, "es", "es", {"cli", "check"}},
        {{"cli", "check"}, "", std::nullopt, {"cli", "check"}},
        {{"cli", "edit", "--", "--lang", "de"},
         "",
         std::nullopt,
         {"cli", "edit", "--", "--lang", "de"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(requestedLanguage(c.arguments, c.environment), c.chosen)
            << c.arguments.join(' ').toStdString();
        EXPECT_EQ(withoutLanguageOption(c.arguments), c.passedOn);
    }
}

} // namespace
} // namespace korvex::cli
