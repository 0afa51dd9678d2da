// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_file/config_file.h"
#include "settings/field_table.h"
#include "settings/settings_values.h"
#include "support/case_name.h"
#include "support/outcome_text.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>

namespace korvex {
namespace {

// The factory settings with the received-positions switch on and no status text.
SettingsValues exampleSettings() {
    SettingsValues s;
    EXPECT_TRUE(s.setValue(FieldId::receivedPositionsOff, 1));
    EXPECT_TRUE(s.setText(FieldId::statusText, QString()));
    return s;
}

const QByteArray kExampleFile =
    "\"1\",\"200\",\"006\",0,\">\",0\r\n"
    "\"0480\"\r\n"
    "\"0240\"\r\n"
    "\"180\"\r\n"
    "\"120\"\r\n"
    "\"090\"\r\n"
    "\"060\"\r\n"
    "\"040\"\r\n"
    "\"0120\",131,\"025\",\"KVXTRK\",\"NOCALL-9\",\"WIDE1-1,WIDE2-2\",\"\","
    "\"NOCALL\",\"MESSAGE SENT USING KORVEX V2.1 !\"\r\n";

// Settings that differ from the example in every field the file carries.
SettingsValues otherSettings() {
    SettingsValues s;
    for (const FieldInfo& info : fieldTable()) {
        if (info.kind == FieldKind::Numeric) {
            EXPECT_TRUE(s.setText(info.id, QString(info.limit, u'9')));
        } else if (info.kind == FieldKind::Text) {
            EXPECT_TRUE(s.setText(info.id, QStringLiteral("ZZ")));
        }
    }
    EXPECT_TRUE(s.setText(FieldId::symbol, QStringLiteral("#")));
    EXPECT_TRUE(s.setValue(FieldId::micEMessage, 6));
    EXPECT_TRUE(s.setValue(FieldId::alternateTable, 1));
    EXPECT_TRUE(s.setValue(FieldId::receivedPositionsOff, 0));
    return s;
}

TEST(ConfigFile, ExampleSavesToItsExactBytes) {
    const Result<QByteArray> out = encodeConfigFile(exampleSettings());
    ASSERT_TRUE(out.ok()) << outcomeText(out).toStdString();
    EXPECT_EQ(out.value().size(), 179);
    EXPECT_EQ(out.value(), kExampleFile);
}

TEST(ConfigFile, LoadingTheExampleRestoresEveryCarriedSetting) {
    SettingsValues loaded = otherSettings();
    const QString gpsCheck = loaded.text(FieldId::gpsInterval);
    ASSERT_TRUE(decodeConfigFile(kExampleFile, loaded).ok());
    SettingsValues expected = exampleSettings();
    EXPECT_TRUE(expected.setText(FieldId::gpsInterval, gpsCheck)); // the file does not carry it
    EXPECT_TRUE(loaded == expected);
}

TEST(ConfigFile, ItemsMayStandOnAnyLineAndExtraItemsAreIgnored) {
    QByteArray oneLine = kExampleFile;
    oneLine.replace("\r\n", ",");
    oneLine += "\"extra\",99\r\n";
    SettingsValues a = otherSettings();
    SettingsValues b = otherSettings();
    ASSERT_TRUE(decodeConfigFile(oneLine, a).ok());
    ASSERT_TRUE(decodeConfigFile(kExampleFile, b).ok());
    EXPECT_TRUE(a == b);

    QByteArray unixLines = kExampleFile;
    unixLines.replace("\r\n", "\n");
    SettingsValues c = otherSettings();
    ASSERT_TRUE(decodeConfigFile(unixLines, c).ok());
    EXPECT_TRUE(c == b);
}

struct StatusEveryCase {
    const char* item15;
    const char* every;
    int rxOff;
};

class StatusEveryLoadTest : public testing::TestWithParam<StatusEveryCase> {};

TEST_P(StatusEveryLoadTest, UnpacksIntervalAndSwitch) {
    const StatusEveryCase c = GetParam();
    QByteArray file = kExampleFile;
    file.replace(",131,", QByteArray(",") + c.item15 + ",");
    SettingsValues s;
    const Outcome out = decodeConfigFile(file, s);
    ASSERT_TRUE(out.ok()) << outcomeText(out).toStdString();
    EXPECT_EQ(s.text(FieldId::statusInterval), QString::fromLatin1(c.every));
    EXPECT_EQ(s.value(FieldId::receivedPositionsOff), c.rxOff);
}

INSTANTIATE_TEST_SUITE_P(
    Item15, StatusEveryLoadTest,
    testing::Values(StatusEveryCase{"131", "003", 1}, StatusEveryCase{"72", "072", 0},
                    StatusEveryCase{"200", "072", 1}, StatusEveryCase{"", "000", 0},
                    StatusEveryCase{" 5x", "005", 0}, StatusEveryCase{"-1", "127", 1},
                    StatusEveryCase{"\"130\"", "002", 1}, StatusEveryCase{"2.5", "002", 0}),
    [](auto i) { return test::caseName(i.index, i.param.item15); });

struct SaveItem15Case {
    const char* every;
    int rxOff;
    const char* item15;
};

class StatusEverySaveTest : public testing::TestWithParam<SaveItem15Case> {};

// A value a build would accept always saves, and never reloads with the switch flipped.
TEST_P(StatusEverySaveTest, PacksTheNumberTheBuildWouldSend) {
    const SaveItem15Case c = GetParam();
    SettingsValues s;
    EXPECT_TRUE(s.setText(FieldId::statusInterval, QString::fromLatin1(c.every)));
    EXPECT_TRUE(s.setValue(FieldId::receivedPositionsOff, c.rxOff));
    const Result<QByteArray> out = encodeConfigFile(s);
    ASSERT_TRUE(out.ok());
    EXPECT_TRUE(out.value().contains(QByteArray("\"0120\",") + c.item15 + ","))
        << out.value().toStdString();
    SettingsValues reloaded;
    ASSERT_TRUE(decodeConfigFile(out.value(), reloaded).ok());
    EXPECT_EQ(reloaded.value(FieldId::receivedPositionsOff), c.rxOff);
}

INSTANTIATE_TEST_SUITE_P(Item15, StatusEverySaveTest,
                         testing::Values(SaveItem15Case{"003", 1, "131"},
                                         SaveItem15Case{"12_", 0, "12"},
                                         SaveItem15Case{"___", 0, "0"},
                                         SaveItem15Case{"200", 0, "127"},
                                         SaveItem15Case{"999", 1, "255"}),
                         [](auto i) { return test::caseName(i.index, i.param.every); });

struct PartialLoadCase {
    const char* name;
    QByteArray file;
    FieldId lastChanged;              // loaded; everything after it untouched
    std::optional<FieldId> firstKept; // the first setting that keeps its old value
};

class PartialLoadTest : public testing::TestWithParam<PartialLoadCase> {};

TEST_P(PartialLoadTest, FailureKeepsEarlierAssignments) {
    const PartialLoadCase& c = GetParam();
    SettingsValues s = otherSettings();
    const SettingsValues before = s;
    const Outcome out = decodeConfigFile(c.file, s);
    ASSERT_FALSE(out.ok());
    EXPECT_FALSE(out.fault().reason.isEmpty());
    // Assignment order: the field ids run in file order except for the few checked here.
    if (c.firstKept) {
        const FieldId kept = *c.firstKept;
        if (holdsText(kept)) {
            EXPECT_EQ(s.text(kept), before.text(kept)) << c.name;
        } else {
            EXPECT_EQ(s.value(kept), before.value(kept)) << c.name;
        }
    }
    if (holdsText(c.lastChanged)) {
        EXPECT_NE(s.text(c.lastChanged), before.text(c.lastChanged)) << c.name;
    }
}

QByteArray withItem(int line, const QByteArray& from, const QByteArray& to) {
    QList<QByteArray> lines = kExampleFile.split('\n');
    lines[line - 1].replace(from, to);
    return lines.join('\n');
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PartialLoadTest,
    testing::Values(PartialLoadCase{"only line 1",
                                    kExampleFile.left(kExampleFile.indexOf('\n') + 1),
                                    FieldId::messageRetries, FieldId::speedBand0},
                    PartialLoadCase{"Mic-E index 8", withItem(1, "\"006\",0,", "\"006\",8,"),
                                    FieldId::messageRetries, FieldId::symbol},
                    PartialLoadCase{"Mic-E not a number",
                                    withItem(1, "\"006\",0,", "\"006\",\"\","),
                                    FieldId::messageRetries, FieldId::symbol},
                    PartialLoadCase{"table state 3", withItem(1, "\">\",0", "\">\",3"),
                                    FieldId::symbol, FieldId::speedBand0},
                    PartialLoadCase{"speed too long", withItem(4, "\"180\"", "\"1800\""),
                                    FieldId::speedBand1, FieldId::speedBand2},
                    PartialLoadCase{"ends in line 9", kExampleFile.left(kExampleFile.size() - 40),
                                    FieldId::speedBand6, FieldId::manualInterval},
                    PartialLoadCase{"call too long", withItem(9, "\"NOCALL-9\"", "\"NOCALL-9XY\""),
                                    FieldId::unprotoCall, FieldId::myCall},
                    PartialLoadCase{"item 15 beyond 32 bits", withItem(9, ",131,", ",99999999999,"),
                                    FieldId::manualInterval, FieldId::statusInterval}),
    [](auto i) { return test::caseName(i.index, i.param.name); });

TEST(ConfigFile, EmptyFileChangesNothing) {
    SettingsValues s = otherSettings();
    const SettingsValues before = s;
    EXPECT_FALSE(decodeConfigFile(QByteArray(), s).ok());
    EXPECT_TRUE(s == before);
}

TEST(ConfigFile, TextsKeepCommasAndEmptyTexts) {
    SettingsValues s;
    EXPECT_TRUE(s.setText(FieldId::messageText, QStringLiteral("A,B C")));
    EXPECT_TRUE(s.setText(FieldId::statusText, QString()));
    EXPECT_TRUE(s.setValue(FieldId::micEMessage, -1));
    EXPECT_TRUE(s.setValue(FieldId::alternateTable, 2));
    const Result<QByteArray> out = encodeConfigFile(s);
    ASSERT_TRUE(out.ok());
    SettingsValues back = otherSettings();
    ASSERT_TRUE(decodeConfigFile(out.value(), back).ok());
    EXPECT_TRUE(back.setText(FieldId::gpsInterval, s.text(FieldId::gpsInterval)));
    EXPECT_TRUE(back == s);
}

TEST(ConfigFile, TextsTravelInWindows1252) {
    SettingsValues s;
    EXPECT_TRUE(s.setText(FieldId::statusText, QStringLiteral("73 \u00e0 tutti \u20ac")));
    const Result<QByteArray> out = encodeConfigFile(s);
    ASSERT_TRUE(out.ok());
    EXPECT_TRUE(out.value().contains("\"73 \xe0 tutti \x80\""));
    SettingsValues back;
    ASSERT_TRUE(decodeConfigFile(out.value(), back).ok());
    EXPECT_EQ(back.text(FieldId::statusText), s.text(FieldId::statusText));
}

// The example's message in each encoding Notepad saves: how it reads, or
// the start of the refusal.
TEST(ConfigFile, NotepadEncodingsReadAsWritten) {
    const QString message = QStringLiteral("M\u00dcNCHEN \u20ac");
    const auto example = [](const QByteArray& messageBytes) {
        return QByteArray(kExampleFile).replace("MESSAGE SENT USING KORVEX V2.1 !", messageBytes);
    };
    const QString text = QString::fromLatin1(example("@")).replace(u'@', message);
    const QByteArray le = QStringEncoder(QStringEncoder::Utf16LE).encode(text);
    const std::pair<QByteArray, QString> cases[] = {
        {example("M\xdcNCHEN \x80"), message},
        {example(message.toUtf8()), message},
        {"\xEF\xBB\xBF" + example(message.toUtf8()), message},
        {"\xFF\xFE" + le, message},
        {"\xFE\xFF" + QStringEncoder(QStringEncoder::Utf16BE).encode(text), message},
        {"\xFF\xFE" + le.chopped(1), "The file begins as UTF-16"},
        {example("\xC4\x80"), QStringLiteral("\u00c4\u20ac")}, // UTF-8 of U+0100: no field takes it
    };
    for (const auto& [bytes, reads] : cases) {
        SettingsValues s;
        const Outcome read = decodeConfigFile(bytes, s);
        EXPECT_TRUE(
            (read.ok() ? s.text(FieldId::messageText) : outcomeText(read)).startsWith(reads))
            << outcomeText(read).toStdString();
    }
}

TEST(ConfigFile, DoubleQuoteIsRefusedAndNamesTheField) {
    SettingsValues s;
    EXPECT_TRUE(s.setText(FieldId::messageText, QStringLiteral("SAY \"HI\"")));
    const Result<QByteArray> out = encodeConfigFile(s);
    EXPECT_FALSE(out.ok());
    EXPECT_EQ(out.fault().field, FieldId::messageText);
    EXPECT_TRUE(out.fault().reason.contains(QStringLiteral("Message text")));
}

TEST(ConfigFile, FailedSaveLeavesThePreviousFileIntact) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Korvex.cfg"));
    ASSERT_TRUE(writeConfigFile(path, exampleSettings()).ok());

    SettingsValues bad;
    EXPECT_TRUE(bad.setText(FieldId::statusText, QStringLiteral("\"quoted\"")));
    EXPECT_FALSE(writeConfigFile(path, bad).ok());
    EXPECT_FALSE(
        writeConfigFile(dir.filePath(QStringLiteral("missing/dir/x.cfg")), exampleSettings()).ok());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), kExampleFile);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Korvex.cfg")})
        << "no temporary file is left behind";
}

TEST(ConfigFile, LoadReportsAMissingFile) {
    SettingsValues s;
    const SettingsValues before = s;
    const Outcome out = readConfigFile(QStringLiteral("/nonexistent/Korvex.cfg"), s);
    EXPECT_FALSE(out.ok());
    EXPECT_TRUE(out.fault().reason.contains(QStringLiteral("/nonexistent/Korvex.cfg")));
    EXPECT_TRUE(s == before);
}

} // namespace
} // namespace korvex
