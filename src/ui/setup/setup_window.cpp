// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup_window.h"

#include "config_file/config_file.h"
#include "control_descriptions.h"
#include "field_accessibility.h"
#include "masked_field.h"
#include "port_hint.h"
#include "report/state_folder.h"
#include "report/support_report.h"
#include "settings/config_block_builder.h"
#include "settings/factory_defaults.h"
#include "settings/field_acceptance.h"
#include "settings/field_table.h"
#include "settings/printable_text.h"
#include "setup_icon.h"
#include "transfer/build_and_send.h"
#include "transfer/frame_sender.h"
#include "transfer/port_watcher.h"
#include "ui/instructions/instructions_window.h"
#include "ui/progress/progress_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace korvex {
namespace {

const QString kInstructionsFile = QStringLiteral("Korvex_Config.rtf");
// "Korwex" is deliberate: the title the tracker's users know from this box; keep it.
// Like "Korvex", a name: no language changes it.
const QString kSaveFailedTitle = QStringLiteral("Korwex");
const QString kLoadFailedTitle = QStringLiteral("Korvex");
const QColor kGpslessGreen(0, 128, 0);

// The title of every box of a SEND that stopped before the port.
QString sendFailedTitle() {
    return SetupWindow::tr("Invio non eseguito - Korvex");
}
// The port list waits for the first paint: it takes tens of milliseconds.
constexpr int kWatchPortsAfterMs = 300;

} // namespace

QString portsToolTip(const PortSnapshot& ports,
                     const QList<AdapterWithoutPort>& adaptersWithoutPort) {
    QList<NumberedPort> numbered = ports.numbered();
    numbered.removeIf([](const NumberedPort& n) { return n.number == 0; });
    std::stable_sort(
        numbered.begin(), numbered.end(),
        [](const NumberedPort& a, const NumberedPort& b) { return a.number < b.number; });
    QStringList lines;
    // What the digits of "Comm num:" cannot hold is still listed, with the
    // way to reach it.
    int fieldHolds = 1;
    for (int digit = 0; digit < kPortNumberDigits; ++digit)
        fieldHolds *= 10;
    for (const auto& [number, port] : numbered) {
        QString line = SetupWindow::tr("%1 = %2").arg(number).arg(port.device);
        if (number >= fieldHolds)
            line += QStringLiteral(" [korvex-cli send FILE --port %1]").arg(number);
        QStringList about;
        if (port.simulated)
            about << SetupWindow::tr("Korvex simulator");
        else if (!port.description.isEmpty())
            about << port.description;
        if (!port.manufacturer.isEmpty() && port.manufacturer != port.description)
            about << port.manufacturer;
        if (!about.isEmpty())
            line += QStringLiteral(" (%1)").arg(about.join(QStringLiteral(", ")));
        lines << line;
    }
    QString tip = lines.isEmpty() ? SetupWindow::tr("No serial port found on this computer.")
                                  : SetupWindow::tr("Serial ports on this computer:") + u'\n' +
                                        lines.join(QLatin1Char('\n'));
    // Plugged in, yet no digit reaches it: say so, and where to learn why.
    for (const AdapterWithoutPort& adapter : adaptersWithoutPort) {
        tip += u'\n' + SetupWindow::tr("Adapter without a port: %1:%2 %3 on USB %4")
                           .arg(adapter.vendorId, 4, 16, QLatin1Char('0'))
                           .arg(adapter.productId, 4, 16, QLatin1Char('0'))
                           .arg(adapter.chip, printable(adapter.usbName));
    }
    if (!adaptersWithoutPort.isEmpty())
        tip += u'\n' + SetupWindow::tr("(korvex-cli ports --diagnose tells why and what to do)");
    return tip;
}

SetupWindow::SetupWindow(SetupEnvironment environment, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , prompts_(environment.prompts ? std::move(environment.prompts) : makeDialogPrompts())
    , serialSide_(environment.serialSide.value_or(serialSideRootFromEnvironment()))
    , ports_(environment.ports ? *environment.ports : portNumberingFor(serialSide_))
    , lastFolder_(environment.settingsFile.isEmpty() ? RememberedFolder::defaultSettingsFile()
                                                     : environment.settingsFile)
    , sender_(environment.sender ? environment.sender
                                 : new FrameSender(ports_, makeSystemSerialLink, this)) {
    sender_->setParent(this);
    // The system's ports take tens of milliseconds to enumerate: not on the
    // thread that paints the window.
    if (!environment.sender)
        sender_->setResolveInBackground(true);
    setObjectName(QStringLiteral("Setup"));
    setWindowTitle(tr("Korvex Config v2.1 by QZ9KRV"));

    // Before any control is read: a control keeps the reading it first got.
    installFieldAccessibility();
    form_ = buildSetupForm(*this);
    scrollWhereTooLarge();
    // The GPSless captions start in the button-text colour; only a build
    // changes them.
    showGpsless(false);
    connectButtons();

    // The factory values. The progress dialog waits until it is needed:
    // its large bold font alone costs a start-up a font file.
    restoreDefaults();
    connectSender();

    watcher_ = new PortWatcher(
        ports_, environment.portEvents ? std::move(environment.portEvents) : makeSystemPortEvents(),
        this);
    hint_ = new PortHint(form_.portField);
    watchPorts();

    // Key preview: F1 is seen before the focused field gets it.
    qApp->installEventFilter(this);
    form_.editor(FieldId::txDelay).editorWidget()->setFocus(Qt::OtherFocusReason);
}

SetupWindow::~SetupWindow() {
    qApp->removeEventFilter(this);
    delete instructions_.data();
}

ProgressDialog* SetupWindow::progressDialog() {
    if (!dialog_)
        dialog_ = new ProgressDialog(this);
    return dialog_;
}

InstructionsWindow* SetupWindow::instructionsWindow() const {
    return instructions_;
}

void SetupWindow::watchPorts() {
    connect(watcher_, &PortWatcher::portAppeared, hint_, &PortHint::showAppeared);
    connect(watcher_, &PortWatcher::portGone, this, [this](const NumberedPort& port) {
        // Only the chosen port's going matters to what SEND will do.
        if (port.number > 0 && form_.portField->fieldText().toInt() == port.number)
            hint_->showGone(port);
    });
    connect(watcher_, &PortWatcher::portsChanged, this, &SetupWindow::showPortList);
    // Orca passes over an alert that appears inside a window; a notification
    // it speaks.
    connect(hint_, &PortHint::presented, this, [this](const QString& words) { say(words); });
    connect(hint_, &PortHint::numberChosen, this, [this](int number) {
        // Only the port number is stored from it: nothing else is read.
        SettingsValues values;
        const FieldId id = FieldId::portNumber;
        const Outcome taken = holdsText(id) ? values.setText(id, QString::number(number))
                                            : values.setValue(id, number);
        if (taken)
            store(id, values);
    });
    QTimer::singleShot(kWatchPortsAfterMs, watcher_, &PortWatcher::start);
}

void SetupWindow::showPortList(const PortSnapshot& ports) {
    form_.portField->setToolTip(
        portsToolTip(ports, readSerialSide(serialSide_).adaptersWithoutPort));
    form_.portField->setAccessibleDescription(fieldDescription(FieldId::portNumber) + u' ' +
                                              form_.portField->toolTip());
}

void SetupWindow::connectButtons() {
    connect(form_.sendButton, &QPushButton::clicked, this, &SetupWindow::send);
    connect(form_.defaultButton, &QPushButton::clicked, this, [this] {
        restoreDefaults();
        tellOutcome(form_.defaultButton, tr("Factory settings restored"));
    });
    connect(form_.saveButton, &QPushButton::clicked, this, &SetupWindow::save);
    connect(form_.loadButton, &QPushButton::clicked, this, &SetupWindow::load);
    connect(form_.helpButton, &QPushButton::clicked, this, &SetupWindow::openInstructions);
    // The tooltip of "Comm num:" is built when it is asked for (see
    // eventFilter): enumerating the ports takes milliseconds a start-up
    // should not spend.
}

Result<SettingsValues> SetupWindow::settings() const {
    SettingsValues values;
    for (const FieldInfo& info : fieldTable()) {
        const Outcome read =
            holdsText(info.id) ? values.setText(info.id, form_.textEditor(info.id).fieldText())
                               : values.setValue(info.id, form_.valueEditor(info.id).fieldValue());
        // Typed, pasted, dropped or stored, an editor takes only what its
        // field accepts; anything else is a fault of this program. Sending or
        // saving the factory value in its place would hide it and give the
        // user a setting they never saw: whoever asks gets the fault instead.
        if (!read) {
            Fault fault = read.fault();
            fault.field = info.id;
            return fault;
        }
    }
    return values;
}

void SetupWindow::store(FieldId id, const SettingsValues& values) {
    if (holdsText(id)) {
        TextFieldEditor& editor = form_.textEditor(id);
        // Storing an unchanged text would still reset what the editor keeps
        // beside it: its undo history, its cursor, its modified flag. The
        // field's own reading of the editor counts ("3_" of a two-digit
        // "Comm num:" is its "3").
        const Result<QString> shown = acceptText(id, editor.fieldText());
        if (!shown || shown.value() != values.text(id))
            editor.setFieldText(values.text(id));
        return;
    }
    ValueFieldEditor& editor = form_.valueEditor(id);
    if (!editor.showsValue(values.value(id)))
        editor.setFieldValue(values.value(id));
}

void SetupWindow::showUnreadableField(const QString& title, const Fault& fault) {
    // Told as a build fault is, less the step: no step was reached.
    prompts_->showMessage(
        this, {title, buildFaultMessage(), QMessageBox::Information,
               tr("field %1: %2").arg(describeField(fault.field.value()), fault.reason)});
    focusField(fault.field.value());
}

void SetupWindow::showSettings(const SettingsValues& values) {
    for (const FieldInfo& info : fieldTable())
        store(info.id, values);
}

void SetupWindow::connectSender() {
    connect(sender_, &FrameSender::started, this,
            [this](const SendTarget& target) { progressDialog()->showStarted(target); });
    connect(sender_, &FrameSender::progressed, this, [this](int step) {
        if (dialog_)
            dialog_->showStep(step);
    });
    connect(sender_, &FrameSender::finished, this, [this](const SendOutcome& outcome) {
        // Kept before any box asks about it: "Save report…" includes it. A
        // trace that cannot be kept leaves the transfer as it went.
        if (const TransferTrace trace = sender_->lastTrace(); !trace.isEmpty()) {
            if (const Outcome kept = keepLastTrace(trace); !kept)
                qWarning("The transfer's trace was not kept: %s",
                         qUtf8Printable(kept.fault().reason));
        }
        if (outcome.kind == SendOutcome::Kind::Completed && dialog_)
            dialog_->showCompleted();
        // SEND back before a box opens: the box then hands the keyboard back
        // to it, not to the window's first field.
        enableSend();
        if (outcome.kind == SendOutcome::Kind::Failed) {
            // The box says what failed; what the system shows about it, and
            // the fix, wait behind "Show Details...".
            const QString details =
                findingsText(explainSendFailure(readSerialSide(serialSide_), outcome));
            showFailure({QString::fromLatin1(kApplicationTitle), outcome.reason,
                         QMessageBox::NoIcon, details});
        }
    });
}

void SetupWindow::enableSend() {
    form_.sendButton->setEnabled(true);
    if (sendHadFocus_ && !focusWidget())
        form_.sendButton->setFocus(Qt::OtherFocusReason);
    sendHadFocus_ = false;
}

void SetupWindow::send() {
    // Qt would move the focus off the disabled button to the next one, and a
    // screen reader would announce that button as if it had been pressed.
    // The focus rests nowhere instead; unless the user moves it on, it comes
    // back when SEND does, so a keyboard user finds their place again.
    sendHadFocus_ = focusWidget() == form_.sendButton;
    if (sendHadFocus_)
        form_.sendButton->clearFocus();
    form_.sendButton->setEnabled(false);
    const Result<SettingsValues> shown = settings();
    if (!shown) {
        showUnreadableField(sendFailedTitle(), shown.fault());
        enableSend();
        return;
    }
    const SettingsValues& given = shown.value();
    const BuildResult result = buildAndSend(given, *sender_);
    // Only what the build changed: a field it left alone is not stored again.
    for (const FieldInfo& info : fieldTable()) {
        if (!result.settings.sameAt(info.id, given))
            store(info.id, result.settings);
    }
    if (result.gpsless) {
        showGpsless(*result.gpsless);
        // Heard with the transfer's result: the captions only change colour.
        if (result.ok())
            progressDialog()->setResultNote(gpslessState(*result.gpsless) + u'.');
    }
    if (!result.ok()) {
        showFailure({sendFailedTitle(), buildFaultMessage(), QMessageBox::Information,
                     describeBuildFault(result.fault())});
        enableSend();
        focusField(result.fault().field.value());
        return;
    }
    // A transfer that ended at once (no such port) has already said so.
    if (!sender_->isBusy())
        enableSend();
}

void SetupWindow::showFailure(const MessageRequest& message) {
    MessageRequest box = message;
    box.offerReport = true;
    if (prompts_->askMessage(this, box) == MessageAnswer::SaveReport)
        saveReport();
}

void SetupWindow::saveReport() {
    FileRequest request = fileRequest(FileRequest::Kind::Save);
    request.title = tr("Save report");
    request.fileName = QStringLiteral("korvex-report.txt");
    request.filters = {{tr("Text (*.txt)"), QStringLiteral("*.txt")},
                       {tr("Tutti i files"), QStringLiteral("*")}};
    const std::optional<QString> path = prompts_->chooseFile(this, request);
    if (!path)
        return;
    const QByteArray report = supportReportText(gatherSupportReport(
        {QStringLiteral("korvex-config"), serialSide_, ports_, watcher_->listeningTo(), {}}));
    if (const Outcome written = saveSupportReport(*path, report); !written)
        prompts_->showMessage(this, {QString::fromLatin1(kApplicationTitle), written.fault().reason,
                                     QMessageBox::NoIcon});
}

void SetupWindow::restoreDefaults() {
    // Every setting gets its factory value: nothing shown now is kept.
    SettingsValues values;
    SetDefaults(values);
    showSettings(values);
}

FileRequest SetupWindow::fileRequest(FileRequest::Kind kind) const {
    FileRequest request;
    request.kind = kind;
    const bool save = kind == FileRequest::Kind::Save;
    request.title = save ? tr("Salva File") : tr("Apertura File");
    request.directory =
        dialogFolder({lastFolder_.folder(), QCoreApplication::applicationDirPath(),
                      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)});
    request.fileName = QString::fromLatin1(kDefaultConfigFileName);
    request.filters = {{tr("File di configurazione (*.cfg)"), QStringLiteral("*.cfg")},
                       {tr("Tutti i files"), QStringLiteral("*")}};
    request.confirmOverwrite = save;
    return request;
}

void SetupWindow::save() {
    const std::optional<QString> path =
        prompts_->chooseFile(this, fileRequest(FileRequest::Kind::Save));
    if (!path)
        return;
    // A confirmed dialog makes the chosen folder the current one; files named
    // bare (the manual among them) are then looked for there.
    QDir::setCurrent(QFileInfo(*path).absolutePath());
    const Result<SettingsValues> shown = settings();
    if (!shown) {
        showUnreadableField(kSaveFailedTitle, shown.fault());
        return;
    }
    if (const Outcome written = writeConfigFile(*path, shown.value()); !written) {
        prompts_->showMessage(this,
                              {kSaveFailedTitle, written.fault().reason, QMessageBox::NoIcon});
        return;
    }
    lastFolder_.remember(*path);
    tellOutcome(form_.saveButton, tr("Saved to %1").arg(QFileInfo(*path).fileName()));
}

void SetupWindow::load() {
    const std::optional<QString> path =
        prompts_->chooseFile(this, fileRequest(FileRequest::Kind::Open));
    if (!path)
        return;
    if (loadFile(*path))
        tellOutcome(form_.loadButton, tr("Loaded from %1").arg(QFileInfo(*path).fileName()));
}

bool SetupWindow::loadFile(const QString& path) {
    // Made absolute first: the folder change below would move a relative name.
    const QFileInfo file(path);
    QDir::setCurrent(file.absolutePath());
    // The items before a bad one stay loaded: they are shown before the box.
    // The file's items go over what the window shows, which must be read first.
    const Result<SettingsValues> shown = settings();
    if (!shown) {
        showUnreadableField(kLoadFailedTitle, shown.fault());
        return false;
    }
    SettingsValues values = shown.value();
    const Outcome read = readConfigFile(file.absoluteFilePath(), values);
    showSettings(values);
    if (!read)
        prompts_->showMessage(this, {kLoadFailedTitle, read.fault().reason, QMessageBox::NoIcon});
    else
        lastFolder_.remember(file.absoluteFilePath());
    return read.ok();
}

void SetupWindow::openInstructions() {
    if (!instructions_) {
        instructions_ = new InstructionsWindow(*prompts_);
        // Closed with the keys, the manual leaves them to this window.
        connect(instructions_, &QObject::destroyed, this, [this] {
            if (isVisible() && !QApplication::activeWindow())
                activateWindow();
        });
    }
    instructions_->openDocument(kInstructionsFile, tr("Korvex Config - Istruzioni"));
}

void SetupWindow::showGpsless(bool on) {
    const QColor colour = on ? kGpslessGreen : palette().color(QPalette::ButtonText);
    for (QLabel* caption : {form_.gpslessTimeoutNote, form_.gpslessStatusNote}) {
        QPalette colours = caption->palette();
        colours.setColor(QPalette::WindowText, colour);
        caption->setPalette(colours);
        // Told in words too; the change raises a description-changed event.
        caption->setAccessibleDescription(gpslessState(on));
    }
    // The fields the two captions stand by, for whoever reaches them by Tab.
    for (const FieldId id : {FieldId::gpsTimeout, FieldId::statusText}) {
        form_.editor(id).editorWidget()->setAccessibleDescription(
            on ? fieldDescription(id) + u' ' + gpslessState(on) + u'.' : fieldDescription(id));
    }
}

void SetupWindow::tellOutcome(QPushButton* button, const QString& outcome) {
    say(tr("%1: %2").arg(button->text(), outcome));
}

void SetupWindow::say(const QString& words) {
    if (!spokenNote_)
        spokenNote_ = new SpokenNote(this);
    spokenNote_->say(words);
}

void SetupWindow::scrollWhereTooLarge() {
    const QScreen* shown = screen();
    if (!shown)
        return;
    // Room for the window's frame: window managers draw title bars taller
    // than the style's own, so twice that is kept free.
    const int titleBar = 2 * style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const QSize room = shown->availableGeometry().size() - QSize(2 * border, titleBar + 2 * border);
    const QSize needed = sizeHint();
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return;
    // The frames and their controls move into a scrolled area; the window
    // takes the screen's room, no more than the controls need.
    auto* content = new QWidget;
    content->setLayout(layout());
    scrollArea_ = new QScrollArea;
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidget(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scrollArea_);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize whole = needed + QSize(bar, bar);
    // Only the direction that lacks room scrolls.
    if (whole.width() <= room.width())
        scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (whole.height() <= room.height())
        scrollArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMaximumSize(whole);
    resize(whole.boundedTo(room));
    // Tab scrolls to the control it reaches; the focus set by the program
    // (a refused field, SEND given back) should be seen too.
    connect(qApp, &QApplication::focusChanged, scrollArea_, [this](QWidget*, QWidget* now) {
        if (now && scrollArea_ && scrollArea_->widget()->isAncestorOf(now))
            scrollArea_->ensureWidgetVisible(now);
    });
}

void SetupWindow::focusField(FieldId id) {
    form_.editor(id).focusAndSelect();
}

void SetupWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Decoding the icon loads all of Qt's image plugins (and the SVG library
    // with them); the first paint does not need it, so it follows that paint.
    if (!iconRequested_) {
        iconRequested_ = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(setupWindowIcon()); });
    }
}

void SetupWindow::closeEvent(QCloseEvent* event) {
    // The transfer owns the port until it closes it; the window waits.
    if (sender_->isPortOpen()) {
        event->ignore();
        return;
    }
    event->accept();
    delete dialog_.data();
    delete instructions_.data();
}

bool SetupWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        // Any modifier: Shift+F1, Ctrl+F1 and Alt+F1 open the manual too.
        event->accept();
        openInstructions();
        return true;
    }
    if (watched == form_.portField &&
        (event->type() == QEvent::ToolTip || event->type() == QEvent::FocusIn)) {
        // Adapters come and go. A keyboard user hears the list on entering.
        form_.portField->setToolTip(
            portsToolTip(ports_.snapshot(), readSerialSide(serialSide_).adaptersWithoutPort));
        form_.portField->setAccessibleDescription(fieldDescription(FieldId::portNumber) + u' ' +
                                                  form_.portField->toolTip());
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korvex
