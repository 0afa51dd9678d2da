#pragma once

#include "transfer/serial_link.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace korvex::testing {

// Everything the sender did to its links, in order, with the time of each write.
struct LinkLog {
    QStringList events;
    QList<QByteArray> writes;
    QList<qint64> writeTimes; // ms on `clock`
    QElapsedTimer clock;
    int linksMade = 0;
    bool open = false;
};

struct FakeBehaviour {
    std::optional<QString> openError; // open() fails with this text
    bool closedAfterOpen = false;     // open() succeeds, isOpen() says false
    std::optional<int> failingWrite;  // index of the write that fails
    QString writeError = QStringLiteral("Cannot write: the device went away");
};

class FakeSerialLink final : public SerialLink {
public:
    FakeSerialLink(std::shared_ptr<LinkLog> log, FakeBehaviour behaviour)
        : log_(std::move(log))
        , behaviour_(std::move(behaviour)) {
        ++log_->linksMade;
    }
    ~FakeSerialLink() override { close(); }

    bool open(const QString& device) override {
        log_->events << QStringLiteral("open %1").arg(device);
        if (behaviour_.openError) {
            error_ = *behaviour_.openError;
            return false;
        }
        open_ = !behaviour_.closedAfterOpen;
        log_->open = open_;
        return true;
    }
    bool isOpen() const override { return open_; }
    bool write(const QByteArray& bytes) override {
        const int index = writeCount_++;
        if (!open_ || behaviour_.failingWrite == index) {
            log_->events << QStringLiteral("write failed");
            error_ = behaviour_.writeError;
            return false;
        }
        log_->events << QStringLiteral("write %1").arg(bytes.size());
        log_->writes << bytes;
        log_->writeTimes << (log_->clock.isValid() ? log_->clock.elapsed() : -1);
        return true;
    }
    void close() override {
        if (!open_)
            return;
        open_ = false;
        log_->open = false;
        log_->events << QStringLiteral("close");
    }
    QString errorString() const override { return error_; }

private:
    std::shared_ptr<LinkLog> log_;
    FakeBehaviour behaviour_;
    bool open_ = false;
    int writeCount_ = 0;
    QString error_;
};

} // namespace korvex::testing
