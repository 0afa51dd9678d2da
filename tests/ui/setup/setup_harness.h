// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

namespace korvex::testing {

// What reached the fake serial line.
struct LineLog {
    QStringList opened;
    QList<QByteArray> writes;
    int closes = 0;
    QByteArray all() const {
        QByteArray bytes;
        for (const QByteArray& write : writes)
            bytes += write;
        return bytes;
    }
};

class FakeLink final : public SerialLink {
public:
    explicit FakeLink(std::shared_ptr<LineLog> log)
        : log_(std::move(log)) {}
    bool open(const QString& device) override {
        log_->opened << device;
        open_ = true;
        return true;
    }
    bool isOpen() const override { return open_; }
    bool write(const QByteArray& bytes) override {
        log_->writes << bytes;
        return true;
    }
    void close() override {
        if (open_)
            ++log_->closes;
        open_ = false;
    }
    QString errorString() const override { return {}; }

private:
    std::shared_ptr<LineLog> log_;
    bool open_ = false;
};

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
    QString text(FieldId id) const { return window.settings().text(id); }
    int value(FieldId id) const { return window.settings().value(id); }
    Outcome setText(FieldId id, const QString& text) const {
        SettingsValues values = window.settings();
        Outcome changed = values.setText(id, text);
        window.showSettings(values);
        return changed;
    }
    Outcome setValue(FieldId id, int value) const {
        SettingsValues values = window.settings();
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
        environment.sender =
            new FrameSender(numbering, [log = line] { return std::make_unique<FakeLink>(log); });
        window = std::make_unique<SetupWindow>(std::move(environment));
    }

    void showActive() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QWidget> T* find(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    ShownSettings shown() const { return {*window}; }

    MaskedField* masked(const QString& name) const { return find<MaskedField>(name); }

    void click(const QString& button) { QTest::mouseClick(find(button), Qt::LeftButton); }

    std::shared_ptr<PromptLog> prompts = std::make_shared<PromptLog>();
    std::shared_ptr<LineLog> line = std::make_shared<LineLog>();
    QList<PortDescription> ports{fakePort(QStringLiteral("ttyUSB0"), QStringLiteral("FT232R"))};
    int listings = 0; // how often the ports were enumerated
    std::unique_ptr<SetupWindow> window;
};

} // namespace korvex::testing
