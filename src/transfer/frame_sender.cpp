// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame_sender.h"

#include "frames.h"
#include "transfer_trace.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThread>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace korvex {

namespace {

struct SerialLinkWords {
    Q_DECLARE_TR_FUNCTIONS(SerialLink)
};

// What happens at each point of the timeline, counted from the moment the
// port opened.
enum class Action { Step1AndPreamble1, Frame1, Step2AndPreamble2, Frame2, Step3AndClose, Finish };

struct Step {
    qint64 atMs;
    Action action;
    // A frame must not run into its preamble, which needs about 4 ms on the
    // line at 4800 baud: however late the preamble went, the frame waits this long.
    qint64 minAfterPreviousMs = 0;
};

// Where Action::Frame2, the last write, sits in the timeline.
constexpr std::size_t kLastWrite = 3;

constexpr std::array<Step, 6> kTimeline{{
    {400, Action::Step1AndPreamble1},
    {410, Action::Frame1, 10},
    {810, Action::Step2AndPreamble2},
    {820, Action::Frame2, 10},
    {1220, Action::Step3AndClose},
    {1620, Action::Finish},
}};

} // namespace

struct FrameSender::Impl {
    Impl(FrameSender* owner, PortNumbering numbering, LinkFactory factory)
        : q(owner)
        , numbering(std::move(numbering))
        , linkFactory(std::move(factory)) {
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, q, [this] { runStep(); });
    }

    FrameSender* q;
    PortNumbering numbering;
    LinkFactory linkFactory;

    bool resolveInBackground = false;
    std::unique_ptr<QThread> resolver;
    std::optional<PortSnapshot> snapshot; // written by the resolver, read once it finished

    std::unique_ptr<SerialLink> link;
    // Shared with the link that feeds it, which the close drops.
    std::shared_ptr<TransferTrace> trace = std::make_shared<TransferTrace>();
    std::array<QByteArray, 4> writes;
    int step = 0;
    QElapsedTimer clock;
    QTimer timer;
    std::size_t nextAction = 0;
    qint64 lastActionAt = 0;
    bool busy = false;

    void resolveAndRun(const PortSnapshot& ports, int number) {
        const Result<PortDescription> resolution = ports.resolve(number);
        if (!resolution) {
            trace->failed(resolution.fault().reason);
            fail(resolution.fault().reason, SendOutcome::Stage::Port);
            return;
        }
        openAndRun({resolution.value().device, number});
    }

    void openAndRun(const SendTarget& target) {
        const QPointer<FrameSender> alive(q);
        std::unique_ptr<SerialLink> made = linkFactory ? linkFactory() : nullptr;
        if (!made) {
            trace->failed(QStringLiteral("no serial line is available on this system"));
            fail(SerialLinkWords::tr("No serial line is available on this system."));
            return;
        }
        link = std::make_unique<TracingSerialLink>(std::move(made), trace);
        if (!link->open(target.device)) {
            const QString why = link->errorString();
            link.reset();
            fail(why, SendOutcome::Stage::Open, target.device);
            return;
        }
        if (!link->isOpen()) {
            // Opened without complaint yet closed: nothing to report, nothing sent.
            link.reset();
            finish(SendOutcome::silent());
            return;
        }
        emit q->portOpenChanged(true);
        if (!alive)
            return;

        step = 0;
        clock.start();
        emit q->started(target);
        if (!alive || !busy)
            return;
        scheduleNext();
    }

    void scheduleNext() {
        // Against the clock, not relative to the last action: a late one does
        // not push the ones after it.
        const Step& next = kTimeline[nextAction];
        const qint64 due = std::max(next.atMs, lastActionAt + next.minAfterPreviousMs);
        timer.start(static_cast<int>(std::max<qint64>(0, due - clock.elapsed())));
    }

    void runStep() {
        const Action action = kTimeline[nextAction++].action;
        const QPointer<FrameSender> alive(q);
        switch (action) {
        case Action::Step1AndPreamble1:
        case Action::Step2AndPreamble2:
            advance();
            if (!alive)
                return;
            if (!write(action == Action::Step1AndPreamble1 ? 0 : 2))
                return;
            break;
        case Action::Frame1:
        case Action::Frame2:
            if (!write(action == Action::Frame1 ? 1 : 3))
                return;
            break;
        case Action::Step3AndClose:
            advance();
            if (!alive)
                return;
            closeLink();
            if (!alive)
                return;
            break;
        case Action::Finish:
            finish(SendOutcome::completed());
            return;
        }
        lastActionAt = clock.elapsed();
        scheduleNext();
    }

    void advance() { emit q->progressed(++step); }

    bool write(std::size_t index) {
        if (link->write(writes[index]))
            return true;
        fail(link->errorString());
        return false;
    }

    void closeLink() {
        if (!link)
            return;
        const bool wasOpen = link->isOpen();
        link->close();
        link.reset();
        if (wasOpen)
            emit q->portOpenChanged(false);
    }

    // The port is closed before anyone hears of the failure.
    void fail(const QString& reason, SendOutcome::Stage stage = SendOutcome::Stage::Transfer,
              const QString& device = {}) {
        timer.stop();
        const QPointer<FrameSender> alive(q);
        closeLink();
        if (!alive)
            return;
        finish(SendOutcome::failed(reason, stage, device));
    }

    // Idle before the listeners hear of it, so one that reacts by starting
    // again finds the sender free.
    void finish(const SendOutcome& outcome) {
        timer.stop();
        writes = {};
        busy = false;
        emit q->finished(outcome);
    }
};

FrameSender::FrameSender(QObject* parent)
    : FrameSender(PortNumbering(), makeSystemSerialLink, parent) {}

FrameSender::FrameSender(PortNumbering numbering, LinkFactory linkFactory, QObject* parent)
    : QObject(parent)
    , impl_(std::make_unique<Impl>(this, std::move(numbering), std::move(linkFactory))) {}

FrameSender::~FrameSender() {
    // No signals from here: the listeners may be half gone already.
    impl_->timer.stop();
    if (impl_->resolver) {
        impl_->resolver->disconnect(this);
        impl_->resolver->wait();
    }
    if (impl_->link)
        impl_->link->close();
}

void FrameSender::start(const ConfigBlock& block, const PortChoice& port) {
    Impl& d = *impl_;
    if (d.busy)
        return;
    d.busy = true;
    d.trace = std::make_shared<TransferTrace>(QDateTime::currentDateTimeUtc());
    // Copied now: edits made while the transfer runs do not reach the line.
    d.writes = lineWrites(block);
    d.nextAction = 0;
    d.lastActionAt = 0;

    // Named outright: the numbering is not asked.
    if (port.namesDevice()) {
        d.openAndRun({port.device(), std::nullopt});
        return;
    }
    const int number = port.number();
    if (!d.resolveInBackground) {
        d.resolveAndRun(d.numbering.snapshot(), number);
        return;
    }
    d.resolver.reset(QThread::create([&d] { d.snapshot = d.numbering.snapshot(); }));
    connect(d.resolver.get(), &QThread::finished, this, [this, number] {
        Impl& impl = *impl_;
        // finished() is emitted just before the thread ends; a QThread destroyed
        // while it still runs aborts the program.
        impl.resolver->wait();
        impl.resolver.reset();
        const PortSnapshot ports = std::move(*impl.snapshot);
        impl.snapshot.reset();
        impl.resolveAndRun(ports, number);
    });
    d.resolver->start();
}

void FrameSender::interrupt() {
    Impl& d = *impl_;
    if (!d.busy)
        return;
    d.timer.stop();
    if (d.resolver) {
        // The port was not chosen yet: nothing was opened.
        d.resolver->disconnect(this);
        d.resolver->wait();
        d.resolver.reset();
        d.snapshot.reset();
    }
    const QPointer<FrameSender> alive(this);
    // After the last write every byte is with the system already: the
    // transfer ends as it would have, only sooner.
    if (d.nextAction > kLastWrite) {
        d.closeLink();
        if (alive)
            d.finish(SendOutcome::completed());
        return;
    }
    // The first action of the timeline writes the first preamble.
    const bool partlySent = d.link && d.nextAction > 0;
    if (d.link) {
        const bool wasOpen = d.link->isOpen();
        d.link->abandon();
        d.link.reset();
        if (wasOpen)
            emit portOpenChanged(false);
        if (!alive)
            return;
    }
    d.finish(SendOutcome::interrupted(partlySent));
}

void FrameSender::setResolveInBackground(bool on) {
    impl_->resolveInBackground = on;
}

TransferTrace FrameSender::lastTrace() const {
    return *impl_->trace;
}

bool FrameSender::isBusy() const {
    return impl_->busy;
}

bool FrameSender::isPortOpen() const {
    return impl_->link && impl_->link->isOpen();
}

} // namespace korvex
