// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialog_folder.h"
#include "settings/settings_values.h"
#include "setup_form.h"
#include "transfer/port_events.h"
#include "transfer/port_numbering.h"
#include "transfer/serial_side.h"
#include "ui/prompts/prompts.h"

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

class QPushButton;
class QScrollArea;

namespace korvex {

class FrameSender;
class InstructionsWindow;
class PortHint;
class PortWatcher;
class ProgressDialog;
class SpokenNote;

// Title of the transfer's failure box.
inline constexpr const char* kApplicationTitle = "Korvex Config";

struct SetupEnvironment {
    std::unique_ptr<Prompts> prompts;   // null: Qt's file dialogs and message boxes
    std::optional<PortNumbering> ports; // how "Comm num:" names ports; null: the system's
    FrameSender* sender = nullptr;      // null: one over ports and real lines; adopted otherwise
    std::optional<SerialSideRoot> serialSide; // where port trouble is looked up; null: the system
    std::unique_ptr<PortEvents> portEvents;   // what tells of ports coming; null: the system
    QString settingsFile; // where the last folder is remembered; empty: the user's settings
};

// What each digit of "Comm num:" opens on this computer, and the adapters
// that have no port to open.
QString portsToolTip(const PortSnapshot& ports,
                     const QList<AdapterWithoutPort>& adaptersWithoutPort = {});

// The program's one editing window (object name "Setup"): every setting in
// four frames, and the commands SEND, Default, Save, Load and Help.
class SetupWindow : public QWidget {
    Q_OBJECT
public:
    explicit SetupWindow(SetupEnvironment environment = {}, QWidget* parent = nullptr);
    ~SetupWindow() override;

    // The settings as the window shows them, or the fault of the first editor
    // that holds what its field refuses (a fault of this program, never
    // papered over with another value).
    Result<SettingsValues> settings() const;
    // Shows values: an editor is stored into only when it does not show its
    // value yet, so an unchanged field keeps its undo history.
    void showSettings(const SettingsValues& values);
    FrameSender& sender() const { return *sender_; }
    // Made on first use.
    ProgressDialog* progressDialog();
    InstructionsWindow* instructionsWindow() const;
    // Knows the ports as they come and go; it starts listening shortly
    // after the window opens.
    PortWatcher& portWatcher() const { return *watcher_; }
    PortHint& portHint() const { return *hint_; }

    // What Load does once a file is chosen: the settings it holds, or the
    // failure box (the items before a bad one stay loaded).
    // Whether the whole file was read.
    bool loadFile(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectButtons();
    void connectSender();

    void send();
    void enableSend();
    void restoreDefaults();
    void save();
    void load();
    void openInstructions();
    void saveReport();
    // A failure box, with "Save report…" besides OK.
    void showFailure(const MessageRequest& message);
    void watchPorts();
    void showPortList(const PortSnapshot& ports);

    void showGpsless(bool on);
    // Tells a screen reader what a command did ("Save: Saved to Korvex.cfg").
    void tellOutcome(QPushButton* button, const QString& outcome);
    // Words for a screen reader alone: the window shows them elsewhere.
    void say(const QString& words);
    void scrollWhereTooLarge();
    void store(FieldId id, const SettingsValues& values);
    // The box of a command that stopped at an editor holding what its field
    // refuses: the fixed message, the field and the reason behind "Show
    // Details...", the focus on that field.
    void showUnreadableField(const QString& title, const Fault& fault);
    void focusField(FieldId id);
    FileRequest fileRequest(FileRequest::Kind kind) const;

    SetupForm form_;
    std::unique_ptr<Prompts> prompts_;
    SerialSideRoot serialSide_;
    PortNumbering ports_;
    RememberedFolder lastFolder_;
    FrameSender* sender_;
    QPointer<ProgressDialog> dialog_;
    QPointer<InstructionsWindow> instructions_;
    PortWatcher* watcher_ = nullptr;
    PortHint* hint_ = nullptr;
    bool iconRequested_ = false;

    bool sendHadFocus_ = false;        // SEND gets the focus back when it is enabled again
    SpokenNote* spokenNote_ = nullptr; // tells a screen reader what a command did
    QPointer<QScrollArea> scrollArea_; // only where the window is larger than the screen
};

} // namespace korvex
