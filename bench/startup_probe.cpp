// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded into a Qt program with LD_PRELOAD. Prints, on the monotonic clock,
// when the first top-level window was exposed, then ends the program. With
// KORVEX_BENCH_SEND=N it first types N into "Comm num:", presses SEND and
// reports the longest pause of the event loop until SEND is enabled again.
#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {

double monotonicMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

void report(const char* what, double value) {
    std::fprintf(stderr, "KORVEX_BENCH %s %.3f\n", what, value);
    std::fflush(stderr);
}

template <typename T> T* findInTopLevels(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == name)
            if (auto* hit = qobject_cast<T*>(top))
                return hit;
        if (auto* hit = top->findChild<T*>(name))
            return hit;
    }
    return nullptr;
}

class Probe : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && !shown_ && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed()) {
            shown_ = true;
            report("first_window_shown_ms", monotonicMs());
            QTimer::singleShot(0, this, [this] { afterShow(); });
        }
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("Dialog"))
            report("dialog_shown_ms", monotonicMs());
        // A message box during the measured SEND is a failure to report, not
        // something to wait on.
        if (event->type() == QEvent::Show && !qgetenv("KORVEX_BENCH_SEND").isEmpty())
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                std::fprintf(stderr, "KORVEX_BENCH error: %s\n", qPrintable(box->text()));
                QCoreApplication::exit(5);
            }
        return false;
    }

private:
    void afterShow() {
        const QByteArray digit = qgetenv("KORVEX_BENCH_SEND");
        if (digit.isEmpty()) {
            QCoreApplication::exit(0);
            return;
        }
        auto* comm = findInTopLevels<QLineEdit>(QStringLiteral("edComm"));
        auto* send = findInTopLevels<QAbstractButton>(QStringLiteral("cmdSend"));
        if (!comm || !send) {
            std::fprintf(stderr, "KORVEX_BENCH error: no edComm or cmdSend\n");
            QCoreApplication::exit(3);
            return;
        }
        // Typing needs the field focused, as a user's click would leave it.
        comm->window()->activateWindow();
        comm->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        comm->setCursorPosition(0); // the field's one digit is typed over
        const QString text = QString::fromLatin1(digit.left(1));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + text.toInt(), Qt::NoModifier, text);
        QCoreApplication::sendEvent(comm, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_0 + text.toInt(), Qt::NoModifier, text);
        QCoreApplication::sendEvent(comm, &release);

        QCoreApplication::processEvents();
        // Never press SEND towards a port that was not asked for.
        if (!comm->text().startsWith(text)) {
            std::fprintf(stderr, "KORVEX_BENCH error: \"Comm num:\" shows \"%s\", not %s\n",
                         qPrintable(comm->text()), qPrintable(text));
            QCoreApplication::exit(4);
            return;
        }
        ticker_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticker_, &QTimer::timeout, this, [this, send] {
            const double now = monotonicMs();
            if (last_ > 0 && now - last_ > stall_)
                stall_ = now - last_;
            last_ = now;
            if (send->isEnabled()) {
                ticker_.stop();
                report("longest_stall_ms", stall_);
                QCoreApplication::exit(0);
            }
        });
        // The click itself counts: SEND's own work before its first wait is a
        // pause of the event loop too.
        last_ = monotonicMs();
        send->click();
        ticker_.start(1);
    }

    bool shown_ = false;
    QTimer ticker_;
    double last_ = 0;
    double stall_ = 0;
};

void installProbe() {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    QCoreApplication::instance()->installEventFilter(new Probe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
