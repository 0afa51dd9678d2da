// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/outcome.h"
#include "serial_link.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

namespace korvex {

// What went over the wire in one transfer, for whoever has to find out why
// the tracker did not say "Success!": the port and its line settings as
// opened, each write with its time from the open, the modem lines, every
// failure in the system's own words, and the close. Times count in whole ms
// from the open; a trace without an open counts from its start.
class TransferTrace {
public:
    struct Entry {
        enum class Kind { Open, Lines, Write, Error, Close };
        Kind kind = Kind::Write;
        qint64 atMs = 0;
        QString text;     // Open: the device; Lines and Error: what was seen or said
        QByteArray bytes; // Write: what was handed to the system
    };

    TransferTrace() = default;
    explicit TransferTrace(QDateTime started);

    void opened(const QString& device, const std::optional<LineSettings>& settings);
    void wrote(const QByteArray& bytes);
    void failed(const QString& reason);
    void closed();

    bool isEmpty() const { return entries_.isEmpty(); }
    const QList<Entry>& entries() const { return entries_; }
    QDateTime started() const { return started_; }
    // The device the transfer opened, or tried to; empty before that.
    QString device() const { return device_; }
    // Everything that was written, in order.
    QByteArray writtenBytes() const;

    // The trace as text: a header line, then one line per entry. Only text
    // printable in ASCII, whatever the bytes were.
    QByteArray text() const;

private:
    void add(Entry::Kind kind, QString text, QByteArray bytes = {});

    QDateTime started_;
    QElapsedTimer clock_;
    QString device_;
    QList<Entry> entries_;
};

// The first line of every trace.
inline constexpr char kTraceHeader[] = "Korvex transfer trace";

// One write read back from a trace.
struct TracedWrite {
    qint64 atMs = 0;
    QByteArray bytes;
};

// Reads the writes back from a trace's text; a line whose byte count and
// bytes disagree makes the whole trace untrustworthy, and is named.
Result<QList<TracedWrite>> parseTraceWrites(QByteArrayView text);
bool looksLikeTrace(QByteArrayView bytes);

// A SerialLink that tells a trace what it does. The trace is shared, so that
// it outlives the link the sender drops after the close.
class TracingSerialLink final : public SerialLink {
public:
    TracingSerialLink(std::unique_ptr<SerialLink> inner, std::shared_ptr<TransferTrace> trace);
    ~TracingSerialLink() override;

    bool open(const QString& device) override;
    bool isOpen() const override { return inner_->isOpen(); }
    bool write(const QByteArray& bytes) override;
    void close() override;
    void abandon() override;
    QString errorString() const override { return inner_->errorString(); }
    std::optional<LineSettings> lineSettings() override { return inner_->lineSettings(); }

private:
    std::unique_ptr<SerialLink> inner_;
    std::shared_ptr<TransferTrace> trace_;
};

} // namespace korvex
