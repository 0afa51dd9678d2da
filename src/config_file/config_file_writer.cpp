// SPDX-License-Identifier: GPL-3.0-or-later
#include "config_file.h"

#include "config_items.h"
#include <QCoreApplication>

#include "file_io/atomic_file_writer.h"
#include "settings/config_block.h"
#include "settings/cp1252.h"
#include "settings/field_acceptance.h"
#include "settings/field_number.h"
#include "settings/field_table.h"
#include "settings/printable_text.h"

#include <algorithm>

namespace korvex {
namespace {

struct ConfigFileWords {
    Q_DECLARE_TR_FUNCTIONS(ConfigFile)
};

class ItemWriter {
public:
    explicit ItemWriter(const SettingsValues& settings)
        : settings_(settings) {}

    // A text item: the field's text between double quotes, nothing escaped.
    bool quotedText(FieldId id) {
        const QString text = storedText(id);
        if (text.contains(u'"')) {
            return fail(id, ConfigFileWords::tr(
                                "Cannot save: %1 holds a double quote (\"), which a "
                                "configuration file cannot store. Remove it and save again.")
                                .arg(describeField(id)));
        }
        if (const auto control = firstControlCharacter(text)) {
            return fail(id,
                        ConfigFileWords::tr("Cannot save: %1 holds the control character %2, which "
                                            "a configuration file cannot store. Remove it and save "
                                            "again.")
                            .arg(describeField(id), describeCharacter(*control)));
        }
        const auto bytes = toCp1252(text);
        if (!bytes) {
            return fail(id, ConfigFileWords::tr("Cannot save: %1 holds a character that has no "
                                                "Windows-1252 code.")
                                .arg(describeField(id)));
        }
        separate();
        out_ += '"' + *bytes + '"';
        return true;
    }

    void bareNumber(long long value) {
        separate();
        out_ += QByteArray::number(value);
    }

    void endLine() {
        out_ += "\r\n";
        lineStart_ = true;
    }

    Result<QByteArray> outcome() const {
        return failure_ ? Result<QByteArray>(*failure_) : Result<QByteArray>(out_);
    }

private:
    // "Comm num:" takes two digits where COM numbers above 9 are common, yet
    // programs that read these files take one: a port above 9 is not stored
    // (the file says no port, as a cleared field does), so such a program
    // still loads the file rather than taking COM12 for COM1 or refusing it.
    QString storedText(FieldId id) const {
        const QString text = settings_.text(id);
        if (id == FieldId::portNumber && text.size() > 1)
            return QString(kPromptChar);
        return text;
    }

    bool fail(FieldId id, QString why) {
        failure_ = Fault{std::move(why), id};
        return false;
    }

    void separate() {
        if (!lineStart_) {
            out_ += ',';
        }
        lineStart_ = false;
    }

    const SettingsValues& settings_;
    QByteArray out_;
    bool lineStart_ = true;
    std::optional<Fault> failure_;
};

} // namespace

Result<QByteArray> encodeConfigFile(const SettingsValues& settings) {
    ItemWriter writer(settings);
    for (const ConfigItem& item : kConfigItems) {
        switch (item.kind) {
        case ItemKind::Text:
            if (!writer.quotedText(item.field)) {
                return writer.outcome();
            }
            break;
        case ItemKind::Value:
            writer.bareNumber(settings.value(item.field));
            break;
        case ItemKind::StatusEvery: {
            // Packed from the field's number the way a build reads it, and
            // never above what the tracker takes: anything larger would reload
            // with the received-positions switch flipped.
            const long long every = std::min<long long>(numberOfField(settings.text(item.field)),
                                                        block::kStatusEveryMax);
            writer.bareNumber(
                block::packStatusEvery(every, settings.value(FieldId::receivedPositionsOff)));
            break;
        }
        }
        if (item.endsLine) {
            writer.endLine();
        }
    }
    return writer.outcome();
}

Outcome writeConfigFile(const QString& path, const SettingsValues& settings) {
    const Result<QByteArray> encoded = encodeConfigFile(settings);
    if (!encoded) {
        return encoded.fault();
    }
    if (const Outcome written = writeFileAtomically(path, encoded.value()); !written) {
        return written.fault().within(
            ConfigFileWords::tr("Cannot write \"%1\"").arg(printable(path, path.size())));
    }
    return Outcome::success();
}

} // namespace korvex
