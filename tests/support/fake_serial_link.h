// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/frame_sender.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QRegularExpression>
#include <QStringList>
#include <QTimer>
#include <optional>

namespace korvex::testing {

// A serial line that keeps what reaches it, for every test program that sends:
// the core's, the CLI's and the window's.
//
// One log for the links and the sender's signals, so a test sees the exact
// interleaving; writes are stamped against the moment the dialog was shown
// (when a fakeSender() logged it).
struct Log {
    QStringList events;
    QList<QByteArray> writes;
    QList<qint64> writeTimes;
    QElapsedTimer sinceStart;
    qint64 completedAt = -1;
    int links = 0;
    bool open = false;
    QStringList opened; // the devices opened, in order
    int closes = 0;     // closes of an open line

    QByteArray all() const { return writes.join(); }
};

struct FakeBehaviour {
    std::optional<QString> openError;
    bool closedAfterOpen = false;
    int failingWrite = -1;
};

class FakeSerialLink final : public SerialLink {
public:
    FakeSerialLink(std::shared_ptr<Log> log, FakeBehaviour b)
        : log_(std::move(log))
        , b_(std::move(b)) {
        ++log_->links;
    }
    ~FakeSerialLink() override { close(); }
    bool open(const QString& device) override {
        log_->events << "open " + device;
        log_->opened << device;
        error_ = b_.openError.value_or(QString());
        log_->open = open_ = !b_.openError && !b_.closedAfterOpen;
        return !b_.openError;
    }
    bool isOpen() const override { return open_; }
    bool write(const QByteArray& bytes) override {
        if (written_++ == b_.failingWrite) {
            log_->events << "write failed";
            error_ = "the device went away";
            return false;
        }
        log_->events << QStringLiteral("write %1").arg(bytes.size());
        log_->writes << bytes;
        log_->writeTimes << (log_->sinceStart.isValid() ? log_->sinceStart.elapsed() : -1);
        return true;
    }
    void close() override {
        if (open_) {
            log_->events << "close";
            ++log_->closes;
        }
        log_->open = open_ = false;
    }
    QString errorString() const override { return error_; }

private:
    std::shared_ptr<Log> log_;
    FakeBehaviour b_;
    bool open_ = false;
    int written_ = 0;
    QString error_;
};

inline PortDescription portAt(const QString& device) {
    PortDescription port;
    port.device = device;
    port.portName = device.mid(device.lastIndexOf('/') + 1);
    return port;
}

// A sender on two fake ports, 1 = /dev/ttyUSB0 and 2 = /dev/ttyS0, logging its signals.
inline std::unique_ptr<FrameSender> fakeSender(std::shared_ptr<Log> log, FakeBehaviour b = {}) {
    auto lister = [] {
        return QList<PortDescription>{portAt("/dev/ttyS0"), portAt("/dev/ttyUSB0")};
    };
    auto sender = std::make_unique<FrameSender>(
        PortNumbering(lister), [log, b] { return std::make_unique<FakeSerialLink>(log, b); });
    auto* s = sender.get();
    QObject::connect(s, &FrameSender::portOpenChanged,
                     [log](bool open) { log->events << (open ? "portOpen 1" : "portOpen 0"); });
    QObject::connect(s, &FrameSender::started, [log](const SendTarget& target) {
        log->sinceStart.start();
        log->events << "started " + target.device +
                           (target.portNumber ? QStringLiteral(" port %1").arg(*target.portNumber)
                                              : QString());
    });
    QObject::connect(s, &FrameSender::progressed,
                     [log](int step) { log->events << QStringLiteral("step %1").arg(step); });
    QObject::connect(s, &FrameSender::finished, [log](const SendOutcome& outcome) {
        switch (outcome.kind) {
        case SendOutcome::Kind::Completed:
            log->completedAt = log->sinceStart.elapsed();
            log->events << "finished completed";
            break;
        case SendOutcome::Kind::Failed:
            log->events << "finished failed " + outcome.reason;
            break;
        case SendOutcome::Kind::Silent:
            log->events << "finished silent";
            break;
        case SendOutcome::Kind::Interrupted:
            log->events << "finished interrupted";
            break;
        }
    });
    return sender;
}

// Spins the event loop until the log holds `count` finished transfers.
inline void waitForFinished(const std::shared_ptr<Log>& log, int count = 1) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (log->events.filter(QRegularExpression("^finished ")).size() >= count)
            loop.quit();
    });
    poll.start(5);
    QTimer::singleShot(8000, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace korvex::testing
