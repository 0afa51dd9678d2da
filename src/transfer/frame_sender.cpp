#include "frame_sender.h"

#include "frames.h"

#include <QPointer>
#include <QThread>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace korvex {

namespace {

// What happens at each point of the timeline, counted from the moment the
// progress dialog is shown.
enum class Action { DotAndPreamble1, Frame1, DotAndPreamble2, Frame2, DotAndClose, Result };

struct Step {
    qint64 atMs;
    Action action;
    // A frame must not run into its preamble, which needs about 4 ms on the
    // line at 4800 baud: however late the preamble went, the frame waits this long.
    qint64 minAfterPreviousMs = 0;
};

constexpr std::array<Step, 6> kTimeline{{
    {400, Action::DotAndPreamble1},
    {410, Action::Frame1, 10},
    {810, Action::DotAndPreamble2},
    {820, Action::Frame2, 10},
    {1220, Action::DotAndClose},
    {1620, Action::Result},
}};

// The port number is the one digit of "Comm num:"; a field holding only its
// prompt character, or nothing, names no port.
int portNumberOf(const QString& commText) {
    for (const QChar c : commText) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            return c.unicode() - '0';
    }
    return 0;
}

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
    std::array<QByteArray, 4> writes;
    QString text;
    QElapsedTimer clock;
    QTimer timer;
    std::size_t nextStep = 0;
    qint64 lastStepAt = 0;
    bool busy = false;

    void scheduleNext() {
        // Against the clock, not relative to the last step: a late step does
        // not push the ones after it.
        const Step& step = kTimeline[nextStep];
        const qint64 due = std::max(step.atMs, lastStepAt + step.minAfterPreviousMs);
        timer.start(static_cast<int>(std::max<qint64>(0, due - clock.elapsed())));
    }

    void runStep() {
        const Action action = kTimeline[nextStep++].action;
        const QPointer<FrameSender> alive(q);
        switch (action) {
        case Action::DotAndPreamble1:
        case Action::DotAndPreamble2:
            appendDot();
            if (!alive)
                return;
            if (!write(action == Action::DotAndPreamble1 ? 0 : 2))
                return;
            break;
        case Action::Frame1:
        case Action::Frame2:
            if (!write(action == Action::Frame1 ? 1 : 3))
                return;
            break;
        case Action::DotAndClose:
            appendDot();
            if (!alive)
                return;
            closeLink();
            if (!alive)
                return;
            break;
        case Action::Result:
            emit q->completed(FrameSender::resultText());
            if (!alive)
                return;
            finish();
            return;
        }
        lastStepAt = clock.elapsed();
        scheduleNext();
    }

    void appendDot() {
        text += QLatin1Char('.');
        emit q->progressChanged(text);
    }

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

    // The port is closed before anyone hears of the failure, so a listener
    // that reacts by starting again finds it free.
    void fail(const QString& description) {
        timer.stop();
        const QPointer<FrameSender> alive(q);
        closeLink();
        if (!alive)
            return;
        emit q->failed(description);
        if (!alive)
            return;
        finish();
    }

    void finish() {
        timer.stop();
        writes = {};
        busy = false;
        emit q->finished();
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

void FrameSender::start(const ConfigBlock& block, const QString& commText) {
    Impl& d = *impl_;
    if (d.busy)
        return;
    d.busy = true;
    // Copied now: edits made while the transfer runs do not reach the line.
    d.writes = lineWrites(block);
    d.nextStep = 0;
    d.lastStepAt = 0;

    if (!d.resolveInBackground) {
        openAndRun(d.numbering.snapshot(), commText);
        return;
    }
    d.resolver.reset(QThread::create([&d] { d.snapshot = d.numbering.snapshot(); }));
    connect(d.resolver.get(), &QThread::finished, this, [this, commText] {
        Impl& impl = *impl_;
        impl.resolver.reset();
        const PortSnapshot ports = std::move(*impl.snapshot);
        impl.snapshot.reset();
        openAndRun(ports, commText);
    });
    d.resolver->start();
}

void FrameSender::openAndRun(const PortSnapshot& ports, const QString& commText) {
    Impl& d = *impl_;
    const QPointer<FrameSender> alive(this);
    const PortResolution resolution = ports.resolve(portNumberOf(commText));
    if (!resolution.port) {
        d.fail(resolution.error);
        return;
    }

    d.link = d.linkFactory ? d.linkFactory() : nullptr;
    if (!d.link) {
        d.fail(QStringLiteral("No serial line is available on this system."));
        return;
    }
    if (!d.link->open(resolution.port->device)) {
        const QString why = d.link->errorString();
        d.link.reset();
        d.fail(why);
        return;
    }
    if (!d.link->isOpen()) {
        // Opened without complaint yet closed: nothing to report, nothing sent.
        d.link.reset();
        d.finish();
        return;
    }
    emit portOpenChanged(true);
    if (!alive)
        return;

    d.text = QStringLiteral("\r\nSending data on COM") + commText + QStringLiteral("...");
    d.clock.start();
    emit dialogShown(d.text);
    if (!alive || !d.busy)
        return;
    d.scheduleNext();
}

void FrameSender::setResolveInBackground(bool on) {
    impl_->resolveInBackground = on;
}

bool FrameSender::isBusy() const {
    return impl_->busy;
}

bool FrameSender::isPortOpen() const {
    return impl_->link && impl_->link->isOpen();
}

QString FrameSender::resultText() {
    return QStringLiteral("Data sent !\r\n Be shure that the word 'Success!' appears on LCD");
}

} // namespace korvex
