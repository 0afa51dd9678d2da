// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/fake_serial_link.h"
#include "support/wait_for.h"
#include "transfer/frame_sender.h"
#include "transfer/port_numbering.h"
#include "transfer/serial_link.h"
#include "ui/instructions/instructions_window.h"
#include "ui/setup/masked_field.h"
#include "ui/setup/setup_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace korvex::testing {

// The dialogs the window asked for, and the answer the next file dialog gives.
struct PromptLog {
    QList<FileRequest> files;
    QList<MessageRequest> messages;
    std::optional<QString> answer;
};

class FakePrompts final : public Prompts {
public:
    explicit FakePrompts(std::shared_ptr<PromptLog> log)
        : log_(std::move(log)) {}
    std::optional<QString> chooseFile(QWidget*, const FileRequest& request) override {
        log_->files << request;
        return log_->answer;
    }
    void showMessage(QWidget*, const MessageRequest& message) override {
        log_->messages << message;
    }

private:
    std::shared_ptr<PromptLog> log_;
};

inline PortDescription fakePort(const QString& name, const QString& description) {
    PortDescription port;
    port.device = QStringLiteral("/dev/") + name;
    port.portName = name;
    port.description = description;
    port.vendorId = 0x0403;
    return port;
}

// Types text key by key, each key carrying its character, as a keyboard
// would deliver it (QTest only handles Latin-1).
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        const int key = ch.unicode() < 128 ? ch.toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

// The window's settings as a test edits them: read from the window, each
// change through the field's rules and shown as a loaded file's would be.
struct ShownSettings {
    SetupWindow& window;
    // Every editor holds what its field accepts, or the test fails.
    SettingsValues all() const {
        const Result<SettingsValues> read = window.settings();
        EXPECT_TRUE(read.ok()) << (read.ok() ? "" : read.fault().reason.toStdString());
        return read.ok() ? read.value() : SettingsValues();
    }
    QString text(FieldId id) const { return all().text(id); }
    int value(FieldId id) const { return all().value(id); }
    Outcome setText(FieldId id, const QString& text) const {
        SettingsValues values = all();
        Outcome changed = values.setText(id, text);
        window.showSettings(values);
        return changed;
    }
    Outcome setValue(FieldId id, int value) const {
        SettingsValues values = all();
        Outcome changed = values.setValue(id, value);
        window.showSettings(values);
        return changed;
    }
};

// A Setup window with fake dialogs (the manual's too), and a fake serial
// line behind port 1.
class SetupTest : public ::testing::Test {
protected:
    SetupTest() {
        SetupEnvironment environment;
        environment.prompts = std::make_unique<FakePrompts>(prompts);
        const PortNumbering numbering([this] {
            ++listings;
            return ports;
        });
        environment.ports = numbering;
        environment.sender = new FrameSender(numbering, [log = line] {
            return std::make_unique<FakeSerialLink>(log, FakeBehaviour{});
        });
        window = std::make_unique<SetupWindow>(std::move(environment));
    }

    void showActive() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QWidget> T* find(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        // A missing control fails this test here, not by a crash that hides the rest.
        if (!widget)
            throw std::logic_error("the window has no control named " + name.toStdString());
        return widget;
    }

    ShownSettings shown() const { return {*window}; }

    MaskedField* masked(const QString& name) const { return find<MaskedField>(name); }

    void click(const QString& button) { QTest::mouseClick(find(button), Qt::LeftButton); }

    std::shared_ptr<PromptLog> prompts = std::make_shared<PromptLog>();
    std::shared_ptr<Log> line = std::make_shared<Log>(); // what reached the serial line
    QList<PortDescription> ports{fakePort(QStringLiteral("ttyUSB0"), QStringLiteral("FT232R"))};
    int listings = 0; // how often the ports were enumerated
    std::unique_ptr<SetupWindow> window;
};

} // namespace korvex::testing
