// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer_trace.h"

#include "settings/printable_text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <utility>

namespace korvex {
namespace {

QString onOff(bool on) {
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

QString describeSettings(const LineSettings& s) {
    return QStringLiteral("%1 baud, %2 data bits, parity %3, %4 stop bit%5, flow control %6")
        .arg(s.baudRate)
        .arg(s.dataBits)
        .arg(s.parity, s.stopBits,
             s.stopBits == QLatin1String("1") ? QString() : QStringLiteral("s"), s.flowControl);
}

QString describeLines(const LineSettings& s) {
    if (s.dtr && s.rts)
        return QStringLiteral("DTR %1, RTS %2").arg(onOff(*s.dtr), onOff(*s.rts));
    return QStringLiteral("DTR and RTS not known: %1").arg(s.linesError);
}

// Bytes as ASCII: what a person can read of them, a dot for the rest.
QByteArray readable(const QByteArray& bytes) {
    QByteArray shown = bytes;
    for (char& c : shown) {
        if (c < 0x20 || c > 0x7e)
            c = '.';
    }
    return shown;
}

// Room for a reason that quotes a long device path.
constexpr qsizetype kReasonLength = 8 * kShownCharacters;

} // namespace

TransferTrace::TransferTrace(QDateTime started)
    : started_(std::move(started)) {
    clock_.start();
}

void TransferTrace::add(Entry::Kind kind, QString text, QByteArray bytes) {
    if (!clock_.isValid()) {
        started_ = QDateTime::currentDateTimeUtc();
        clock_.start();
    }
    entries_.append({kind, clock_.elapsed(), std::move(text), std::move(bytes)});
}

void TransferTrace::opened(const QString& device, const std::optional<LineSettings>& settings) {
    // Times count from the open: the sender's timeline does too.
    started_ = QDateTime::currentDateTimeUtc();
    clock_.start();
    device_ = device;
    add(Entry::Kind::Open,
        printable(device, device.size()) + QStringLiteral(": ") +
            (settings ? describeSettings(*settings) : QStringLiteral("line settings not known")));
    if (settings)
        add(Entry::Kind::Lines, describeLines(*settings));
}

void TransferTrace::wrote(const QByteArray& bytes) {
    add(Entry::Kind::Write, {}, bytes);
}

void TransferTrace::failed(const QString& reason) {
    add(Entry::Kind::Error, printable(reason, kReasonLength));
}

void TransferTrace::closed() {
    add(Entry::Kind::Close, {});
}

QByteArray TransferTrace::writtenBytes() const {
    QByteArray all;
    for (const Entry& entry : entries_)
        all += entry.bytes;
    return all;
}

QByteArray TransferTrace::text() const {
    QByteArray text = QByteArray(kTraceHeader) + '\n';
    text += "started " + started_.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    for (const Entry& e : entries_) {
        text += QByteArray::number(e.atMs) + " ms: ";
        switch (e.kind) {
        case Entry::Kind::Open:
            text += "open " + e.text.toUtf8();
            break;
        case Entry::Kind::Lines:
            text += "lines " + e.text.toUtf8();
            break;
        case Entry::Kind::Write:
            text += "write " + QByteArray::number(e.bytes.size()) +
                    (e.bytes.size() == 1 ? " byte: " : " bytes: ") + e.bytes.toHex(' ').toUpper() +
                    " | " + readable(e.bytes);
            break;
        case Entry::Kind::Error:
            text += "error " + e.text.toUtf8();
            break;
        case Entry::Kind::Close:
            text += "close";
            break;
        }
        text += '\n';
    }
    return text;
}

bool looksLikeTrace(QByteArrayView bytes) {
    return bytes.startsWith(QByteArrayView(kTraceHeader));
}

Result<QList<TracedWrite>> parseTraceWrites(QByteArrayView text) {
    static const QRegularExpression writeLine(
        QStringLiteral(R"(^(\d{1,9}) ms: write (\d{1,6}) bytes?: ([0-9A-Fa-f ]*?)(?: \| .*)?$)"));
    QList<TracedWrite> writes;
    int lineNumber = 0;
    for (const QByteArrayView line : QByteArray(text.data(), text.size()).split('\n')) {
        ++lineNumber;
        const QRegularExpressionMatch match = writeLine.match(QString::fromLatin1(line));
        if (!match.hasMatch())
            continue;
        const QByteArray bytes = QByteArray::fromHex(match.captured(3).toLatin1());
        if (bytes.size() != match.captured(2).toLongLong())
            return Fault{
                QCoreApplication::translate("TransferTrace", "line %1 says %2 bytes but holds %3")
                    .arg(lineNumber)
                    .arg(match.captured(2))
                    .arg(bytes.size())};
        writes.append({match.captured(1).toLongLong(), bytes});
    }
    return writes;
}

TracingSerialLink::TracingSerialLink(std::unique_ptr<SerialLink> inner,
                                     std::shared_ptr<TransferTrace> trace)
    : inner_(std::move(inner))
    , trace_(std::move(trace)) {}

TracingSerialLink::~TracingSerialLink() {
    close();
}

bool TracingSerialLink::open(const QString& device) {
    if (!inner_->open(device)) {
        trace_->failed(QStringLiteral("cannot open %1: %2").arg(device, inner_->errorString()));
        return false;
    }
    trace_->opened(device, inner_->lineSettings());
    return true;
}

bool TracingSerialLink::write(const QByteArray& bytes) {
    if (inner_->write(bytes)) {
        trace_->wrote(bytes);
        return true;
    }
    trace_->failed(inner_->errorString());
    return false;
}

void TracingSerialLink::close() {
    if (!inner_->isOpen())
        return;
    inner_->close();
    trace_->closed();
}

void TracingSerialLink::abandon() {
    if (!inner_->isOpen())
        return;
    inner_->abandon();
    trace_->failed(QStringLiteral("called off; what had not left was dropped"));
    trace_->closed();
}

} // namespace korvex
