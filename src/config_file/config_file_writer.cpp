#include "config_file.h"

#include "file_io/atomic_file_writer.h"
#include "settings/cp1252.h"
#include "settings/field_acceptance.h"
#include "settings/field_number.h"
#include "settings/field_table.h"
#include "settings/printable_text.h"

#include <algorithm>

namespace korvex {
namespace {

constexpr int kStatusEveryMax = 127;

class LineWriter {
public:
    explicit LineWriter(const SettingsRecord& settings)
        : settings_(settings) {}

    // A text item: the field's text between double quotes, nothing escaped.
    bool quoted(FieldId id) {
        const QString text = settings_.text(id);
        if (text.contains(u'"')) {
            return fail(id,
                        QStringLiteral("Cannot save: %1 holds a double quote (\"), which a "
                                       "configuration file cannot store. Remove it and save again.")
                            .arg(describeField(id)));
        }
        if (const auto control = firstControlCharacter(text)) {
            return fail(id, QStringLiteral("Cannot save: %1 holds the control character %2, which "
                                           "a configuration file cannot store. Remove it and save "
                                           "again.")
                                .arg(describeField(id), describeCharacter(*control)));
        }
        const auto bytes = toCp1252(text);
        if (!bytes) {
            return fail(id, QStringLiteral("Cannot save: %1 holds a character that has no "
                                           "Windows-1252 code.")
                                .arg(describeField(id)));
        }
        separate();
        out_ += '"' + *bytes + '"';
        return true;
    }

    void number(long long value) {
        separate();
        out_ += QByteArray::number(value);
    }

    void endLine() {
        out_ += "\r\n";
        lineStart_ = true;
    }

    EncodeOutcome outcome() const { return failure_ ? *failure_ : EncodeOutcome{out_, {}, {}}; }

private:
    static QString describeField(FieldId id) {
        const FieldInfo& info = fieldInfo(id);
        return QStringLiteral("\"%1\" (%2)")
            .arg(QLatin1String(info.caption), QLatin1String(info.name));
    }

    bool fail(FieldId id, QString why) {
        failure_ = EncodeOutcome{{}, std::move(why), id};
        return false;
    }

    void separate() {
        if (!lineStart_) {
            out_ += ',';
        }
        lineStart_ = false;
    }

    const SettingsRecord& settings_;
    QByteArray out_;
    bool lineStart_ = true;
    std::optional<EncodeOutcome> failure_;
};

} // namespace

EncodeOutcome encodeConfigFile(const SettingsRecord& s) {
    LineWriter w(s);
    if (!(w.quoted(FieldId::edComm) && w.quoted(FieldId::edNumFlagsAuto) &&
          w.quoted(FieldId::edMsgRepeat))) {
        return w.outcome();
    }
    w.number(s.value(FieldId::cbMicEMsg));
    if (!w.quoted(FieldId::edSymbol)) {
        return w.outcome();
    }
    w.number(s.value(FieldId::chkTable));
    w.endLine();

    for (int band = 0; band < kSpeedBandCount; ++band) {
        if (!w.quoted(speedTableField(band))) {
            return w.outcome();
        }
        w.endLine();
    }

    if (!w.quoted(FieldId::edManualTime)) {
        return w.outcome();
    }
    // Packed from the field's number the way a build reads it, and never above
    // what the tracker takes: anything larger would reload with the
    // received-positions switch flipped.
    const long long every =
        std::min<long long>(numberOfField(s.text(FieldId::edBcnEvery)), kStatusEveryMax);
    w.number(every + 128LL * s.value(FieldId::chkRxPosition));
    for (FieldId id :
         {FieldId::edGpsAcqTime, FieldId::edReceiver, FieldId::edMyCall, FieldId::edAprsPath,
          FieldId::edBeacon, FieldId::edDestCall, FieldId::edAprsMsg}) {
        if (!w.quoted(id)) {
            return w.outcome();
        }
    }
    w.endLine();
    return w.outcome();
}

QString saveConfigFile(const QString& path, const SettingsRecord& settings) {
    const EncodeOutcome encoded = encodeConfigFile(settings);
    if (!encoded.ok()) {
        return encoded.error;
    }
    if (const FileWriteResult written = writeFileAtomically(path, encoded.bytes); !written) {
        return QStringLiteral("Cannot write \"%1\": %2").arg(printable(path, path.size()), written.reason);
    }
    return {};
}

} // namespace korvex
