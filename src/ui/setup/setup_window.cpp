// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup_window.h"

#include "config_file/config_file.h"
#include "control_descriptions.h"
#include "masked_field.h"
#include "mic_e_list.h"
#include "progress/progress_dialog.h"
#include "rule_line_edit.h"
#include "settings/config_block_builder.h"
#include "settings/factory_defaults.h"
#include "settings/field_table.h"
#include "settings/printable_text.h"
#include "setup_icon.h"
#include "transfer/build_and_send.h"
#include "transfer/frame_sender.h"
#include "ui/instructions/instructions_window.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace korvex {
namespace {

const QString kInstructionsFile = QStringLiteral("Korvex_Config.rtf");
const QString kInstructionsTitle = QStringLiteral("Korvex Config - Istruzioni");
const QString kFaultTitle = QStringLiteral("Invio non eseguito - Korvex");
// "Korwex" is deliberate: the title the tracker's users know from this box; keep it.
const QString kSaveFailedTitle = QStringLiteral("Korwex");
const QString kLoadFailedTitle = QStringLiteral("Korvex");
const QColor kGpslessGreen(0, 128, 0);

QString caption(FieldId id) {
    return QString::fromLatin1(fieldInfo(id).caption);
}
QString unit(FieldId id) {
    return QString::fromLatin1(fieldInfo(id).unit);
}

QFont smallFont(const QFont& windowFont) {
    // "Small Fonts" 6.75 pt beside an 8.25 pt window font.
    QFont font = windowFont;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 6.75 / 8.25);
    else
        font.setPixelSize(std::max(8, qRound(font.pixelSize() * 6.75 / 8.25)));
    return font;
}

QHBoxLayout* row(int spacing) {
    auto* layout = new QHBoxLayout;
    layout->setSpacing(spacing);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

// The controls as drawn, in twips. Each field's width is its minimum (text)
// or its width (digits, which still widen to hold their widest value).
struct FieldSize {
    FieldId field;
    int widthTwips;
    bool selectOnFocus = true; // digits only: entering selects the whole value
};

constexpr FieldSize kFieldSizes[] = {
    {FieldId::txDelay, 400},
    {FieldId::micEMessage, 1095},
    {FieldId::symbol, 255},
    {FieldId::myCall, 1095},
    {FieldId::statusInterval, 390},
    {FieldId::aprsPath, 1695},
    {FieldId::statusText, 2895},
    {FieldId::manualInterval, 525},
    {FieldId::gpsInterval, 420},
    // The timeout alone keeps the caret where the user puts it.
    {FieldId::gpsTimeout, 405, false},
    {FieldId::speedBand0, 540},
    {FieldId::speedBand1, 540},
    {FieldId::speedBand2, 425},
    {FieldId::speedBand3, 425},
    {FieldId::speedBand4, 425},
    {FieldId::speedBand5, 425},
    {FieldId::speedBand6, 425},
    {FieldId::unprotoCall, 975},
    {FieldId::messageRetries, 400},
    {FieldId::messageRecipient, 1095},
    {FieldId::messageText, 3080},
    {FieldId::portNumber, 255},
};
// Every field but the two check boxes, which size to their caption.
static_assert(std::size(kFieldSizes) == kFieldCount - 2);

const FieldSize& fieldSize(FieldId id) {
    const auto* size = std::find_if(std::begin(kFieldSizes), std::end(kFieldSizes),
                                    [id](const FieldSize& s) { return s.field == id; });
    Q_ASSERT(size != std::end(kFieldSizes));
    return *size;
}

// Room a digit field keeps beside its widest value.
constexpr int kDigitsMarginTwips = 150;

struct CommandButton {
    const char* objectName;
    const char* caption;
    int widthTwips;
    const char* description; // what a screen reader adds to the caption
};
constexpr int kButtonHeightTwips = 375;
constexpr CommandButton kDefaultButton{"cmdDefault", "Default", 850,
                                       "Puts the factory settings into every field."};
constexpr CommandButton kSaveButton{"cmdSave", "Save", 850,
                                    "Saves the settings to a configuration file."};
constexpr CommandButton kLoadButton{"cmdLoad", "Load", 850,
                                    "Loads the settings from a configuration file."};
constexpr CommandButton kSendButton{
    "cmdSend", "SEND", 1095,
    "Checks the settings and sends them to the tracker on the port in Comm num."};
constexpr CommandButton kHelpButton{"cmdHelp", "Help (F1)", 850,
                                    "Opens the manual. F1 does the same from any field."};

// The gaps between controls, in twips, frame by frame.
struct WindowSpacing {
    int left = 60, top = 30, right = 60, bottom = 45; // around the frames
    int betweenFrames = 30;
};
struct MainFrameSpacing {
    int captionColumn = 105; // captions to fields
    int betweenRows = 75;
    int fieldToUnit = 30;
    int beforeMicECaption = 150;
    int beforeBeaconCaption = 120;
    int captionToField = 75;
    int symbolToTable = 145;
    int gpslessIndent = 20;
    int receivedIndent = 360; // the received-positions switch under the fields
};
struct TimingFrameSpacing {
    int fieldRow = 45; // caption, field and unit on one line
    int gpsLines = 30;
    int gpsGroups = 75; // interval above, timeout below
    int speedColumns = 45;
    int speedRows = 30;
    int leftFrames = 15; // manual above GPS
    int columns = 105;   // left column to the speed bands
};
struct MessageFrameSpacing {
    int lines = 75;
    int captionToField = 75;
};
struct ProgrammingFrameSpacing {
    int rows = 105;
    int captionToField = 75;
};

constexpr WindowSpacing kWindowSpacing;
constexpr MainFrameSpacing kMainSpacing;
constexpr TimingFrameSpacing kTimingSpacing;
constexpr MessageFrameSpacing kMessageSpacing;
constexpr ProgrammingFrameSpacing kProgrammingSpacing;

// Tab order: the fields, then SEND and the other buttons, and the
// received-positions switch last.
const char* const kTabOrder[] = {
    "edNumFlagsAuto",  "cbMicEMsg",       "edSymbol",        "chkTable",        "edMyCall",
    "edBcnEvery",      "edAprsPath",      "edBeacon",        "edManualTime",    "esSpeedTable(0)",
    "esSpeedTable(1)", "esSpeedTable(2)", "esSpeedTable(3)", "esSpeedTable(4)", "esSpeedTable(5)",
    "esSpeedTable(6)", "edGpsCheckTime",  "edGpsAcqTime",    "edReceiver",      "edMsgRepeat",
    "edDestCall",      "edAprsMsg",       "edComm",          "cmdSend",         "cmdLoad",
    "cmdSave",         "cmdDefault",      "cmdHelp",         "chkRxPosition"};

// Makes the window's controls at its scale and binds each field to the settings.
class FormBuilder {
public:
    FormBuilder(QWidget& window, WidgetSettings& settings)
        : tw(TwipScale::ofFont(window.fontMetrics()))
        , small(smallFont(window.font()))
        , settings_(settings) {}

    const TwipScale tw;
    const QFont small;

    static QLabel* label(const QString& text) { return new QLabel(text); }
    QLabel* note(const char* objectName, const QString& text) const {
        QLabel* note = label(text);
        note->setObjectName(QString::fromLatin1(objectName));
        note->setFont(small);
        return note;
    }
    MaskedField* digits(FieldId id) const {
        const FieldInfo& info = fieldInfo(id);
        const FieldSize& size = fieldSize(id);
        auto* field = new MaskedField(info.keyRule, info.limit);
        field->setObjectName(QString::fromLatin1(info.objectName));
        field->setSelectOnFocus(size.selectOnFocus);
        const int widest = field->fontMetrics().horizontalAdvance(QString(info.limit, u'0'));
        field->setFixedWidth(std::max(tw(size.widthTwips), widest + tw(kDigitsMarginTwips)));
        describeControl(field, id);
        settings_.bind(id, field);
        return field;
    }
    RuleLineEdit* text(FieldId id) const {
        const FieldInfo& info = fieldInfo(id);
        auto* field = new RuleLineEdit(info.keyRule, info.limit);
        field->setObjectName(QString::fromLatin1(info.objectName));
        field->setToolTip(QString::fromLatin1(info.toolTip));
        field->setMinimumWidth(tw(fieldSize(id).widthTwips));
        describeControl(field, id);
        settings_.bind(id, field);
        return field;
    }
    QCheckBox* check(FieldId id) const {
        auto* box = new QCheckBox(caption(id));
        box->setObjectName(QString::fromLatin1(fieldInfo(id).objectName));
        describeControl(box, id);
        settings_.bind(id, box);
        return box;
    }
    MicEList* micEList(FieldId id) const {
        auto* list = new MicEList;
        list->setObjectName(QString::fromLatin1(fieldInfo(id).objectName));
        list->setFont(small);
        list->setMinimumWidth(tw(fieldSize(id).widthTwips));
        describeControl(list, id);
        settings_.bind(id, list);
        return list;
    }
    // Caption, digits and unit on one line, left-aligned.
    QHBoxLayout* digitsLine(FieldId id, int spacingTwips) const {
        QHBoxLayout* line = row(tw(spacingTwips));
        line->addWidget(label(caption(id)));
        line->addWidget(digits(id));
        line->addWidget(label(unit(id)));
        line->addStretch(1);
        return line;
    }
    static QGroupBox* frame(const char* objectName, const QString& title) {
        auto* group = new QGroupBox(title);
        group->setObjectName(QString::fromLatin1(objectName));
        // Qt would name a frame inside another after the outer one.
        group->setAccessibleName(title);
        return group;
    }
    QPushButton* button(const CommandButton& command) const {
        auto* push = new QPushButton(QString::fromLatin1(command.caption));
        push->setObjectName(QString::fromLatin1(command.objectName));
        push->setAccessibleDescription(QString::fromLatin1(command.description));
        push->setAutoDefault(false);
        push->setMinimumSize(std::max(tw(command.widthTwips), push->sizeHint().width()),
                             std::max(tw(kButtonHeightTwips), push->sizeHint().height()));
        return push;
    }

private:
    WidgetSettings& settings_;
};

// "Main APRS / Mic-E Settings": a column of captions, the fields beside.
QGroupBox* mainFrame(const FormBuilder& form) {
    const auto& tw = form.tw;
    const MainFrameSpacing& gap = kMainSpacing;
    QGroupBox* frame = FormBuilder::frame("Frame1", QStringLiteral("Main APRS / Mic-E Settings"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(tw(gap.captionColumn));
    grid->setVerticalSpacing(tw(gap.betweenRows));

    grid->addWidget(FormBuilder::label(caption(FieldId::txDelay)), 0, 0);
    QHBoxLayout* first = row(tw(gap.fieldToUnit));
    first->addWidget(form.digits(FieldId::txDelay));
    first->addWidget(FormBuilder::label(unit(FieldId::txDelay)));
    first->addStretch(1);
    first->addSpacing(tw(gap.beforeMicECaption));
    first->addWidget(FormBuilder::label(caption(FieldId::micEMessage)));
    first->addSpacing(tw(gap.captionToField));
    first->addWidget(form.micEList(FieldId::micEMessage));
    grid->addLayout(first, 0, 1);

    grid->addWidget(FormBuilder::label(caption(FieldId::symbol)), 1, 0);
    QHBoxLayout* second = row(tw(gap.symbolToTable));
    second->addWidget(form.digits(FieldId::symbol));
    second->addWidget(form.check(FieldId::alternateTable));
    second->addStretch(1);
    grid->addLayout(second, 1, 1);

    grid->addWidget(FormBuilder::label(caption(FieldId::myCall)), 2, 0);
    QHBoxLayout* third = row(tw(gap.fieldToUnit));
    third->addWidget(form.text(FieldId::myCall));
    third->addStretch(1);
    third->addSpacing(tw(gap.beforeBeaconCaption));
    third->addWidget(FormBuilder::label(caption(FieldId::statusInterval)));
    third->addSpacing(tw(gap.captionToField));
    third->addWidget(form.digits(FieldId::statusInterval));
    third->addWidget(FormBuilder::label(unit(FieldId::statusInterval)));
    grid->addLayout(third, 2, 1);

    grid->addWidget(FormBuilder::label(caption(FieldId::aprsPath)), 3, 0);
    QHBoxLayout* fourth = row(0);
    fourth->addWidget(form.text(FieldId::aprsPath));
    fourth->addStretch(1);
    grid->addLayout(fourth, 3, 1);

    auto* statusCaption = new QVBoxLayout;
    statusCaption->setSpacing(0);
    statusCaption->addWidget(FormBuilder::label(caption(FieldId::statusText)));
    QLabel* gpslessNote = form.note("Label34", QStringLiteral("/ GPSless bcn"));
    statusCaption->addWidget(gpslessNote);
    gpslessNote->setIndent(tw(gap.gpslessIndent));
    grid->addLayout(statusCaption, 4, 0);
    grid->addWidget(form.text(FieldId::statusText), 4, 1, Qt::AlignVCenter);

    QHBoxLayout* last = row(0);
    last->addSpacing(tw(gap.receivedIndent));
    last->addWidget(form.check(FieldId::receivedPositionsOff));
    last->addStretch(1);
    grid->addLayout(last, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return frame;
}

QGroupBox* manualTimingFrame(const FormBuilder& form) {
    QGroupBox* frame = FormBuilder::frame("frManual", QStringLiteral("Manual Timing"));
    frame->setLayout(form.digitsLine(FieldId::manualInterval, kTimingSpacing.fieldRow));
    return frame;
}

QGroupBox* gpsFrame(const FormBuilder& form) {
    const auto& tw = form.tw;
    const TimingFrameSpacing& gap = kTimingSpacing;
    QGroupBox* frame = FormBuilder::frame("Frame5", QStringLiteral("GPS"));
    auto* column = new QVBoxLayout(frame);
    column->setSpacing(tw(gap.gpsLines));
    column->addWidget(FormBuilder::label(QStringLiteral("Acquisition interval")));
    column->addLayout(form.digitsLine(FieldId::gpsInterval, gap.fieldRow));
    column->addSpacing(tw(gap.gpsGroups));
    column->addWidget(FormBuilder::label(caption(FieldId::gpsTimeout)));
    QHBoxLayout* timeout = row(tw(gap.fieldRow));
    timeout->addWidget(form.digits(FieldId::gpsTimeout));
    timeout->addWidget(FormBuilder::label(unit(FieldId::gpsTimeout)));
    timeout->addStretch(1);
    column->addLayout(timeout);
    column->addWidget(form.note("Label33", QStringLiteral("(0=GPSless Mode)")));
    column->addStretch(1);
    return frame;
}

QGroupBox* speedBandsFrame(const FormBuilder& form) {
    QGroupBox* frame = FormBuilder::frame("frAuto", QStringLiteral("Automatic Timing"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(form.tw(kTimingSpacing.speedColumns));
    grid->setVerticalSpacing(form.tw(kTimingSpacing.speedRows));
    for (int band = 0; band < kSpeedBandCount; ++band) {
        const FieldId id = speedBandField(band);
        grid->addWidget(FormBuilder::label(caption(id)), band, 0);
        grid->addWidget(form.digits(id), band, 1, Qt::AlignRight);
        grid->addWidget(FormBuilder::label(unit(id)), band, 2);
    }
    grid->setRowStretch(kSpeedBandCount, 1);
    return frame;
}

// "Timing  Settings": manual and GPS on the left, the speed bands right.
QGroupBox* timingFrame(const FormBuilder& form) {
    QGroupBox* frame = FormBuilder::frame("Frame2", QStringLiteral("Timing  Settings"));
    auto* left = new QVBoxLayout;
    left->setSpacing(form.tw(kTimingSpacing.leftFrames));
    left->addWidget(manualTimingFrame(form));
    left->addWidget(gpsFrame(form), 1);
    auto* columns = new QHBoxLayout(frame);
    columns->setSpacing(form.tw(kTimingSpacing.columns));
    columns->addLayout(left);
    columns->addWidget(speedBandsFrame(form), 1);
    return frame;
}

// "Message Settings": a caption before each field.
QGroupBox* messageFrame(const FormBuilder& form) {
    const auto& tw = form.tw;
    const MessageFrameSpacing& gap = kMessageSpacing;
    QGroupBox* frame = FormBuilder::frame("Frame3", QStringLiteral("Message Settings"));
    auto* column = new QVBoxLayout(frame);
    column->setSpacing(tw(gap.lines));
    QHBoxLayout* first = row(tw(gap.captionToField));
    first->addWidget(FormBuilder::label(caption(FieldId::unprotoCall)));
    first->addWidget(form.text(FieldId::unprotoCall));
    first->addStretch(1);
    first->addWidget(FormBuilder::label(caption(FieldId::messageRetries)));
    first->addWidget(form.digits(FieldId::messageRetries));
    column->addLayout(first);
    QHBoxLayout* second = row(tw(gap.captionToField));
    second->addWidget(FormBuilder::label(caption(FieldId::messageRecipient)));
    second->addWidget(form.text(FieldId::messageRecipient));
    second->addStretch(1);
    column->addLayout(second);
    QHBoxLayout* third = row(tw(gap.captionToField));
    third->addWidget(FormBuilder::label(caption(FieldId::messageText)));
    third->addWidget(form.text(FieldId::messageText), 1);
    column->addLayout(third);
    return frame;
}

// "Configuration / Programming": three buttons above, the port and the
// other two below.
QGroupBox* programmingFrame(const FormBuilder& form) {
    QGroupBox* frame = FormBuilder::frame("Frame6", QStringLiteral("Configuration / Programming"));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(form.tw(kProgrammingSpacing.rows));
    grid->addWidget(form.button(kDefaultButton), 0, 0, Qt::AlignLeft);
    grid->addWidget(form.button(kSaveButton), 0, 1, Qt::AlignHCenter);
    grid->addWidget(form.button(kLoadButton), 0, 2, Qt::AlignRight);
    QHBoxLayout* port = row(form.tw(kProgrammingSpacing.captionToField));
    port->addWidget(FormBuilder::label(caption(FieldId::portNumber)));
    port->addWidget(form.digits(FieldId::portNumber));
    port->addStretch(1);
    grid->addLayout(port, 1, 0);
    grid->addWidget(form.button(kSendButton), 1, 1, Qt::AlignHCenter);
    grid->addWidget(form.button(kHelpButton), 1, 2, Qt::AlignRight);
    for (int column = 0; column < 3; ++column)
        grid->setColumnStretch(column, 1);
    return frame;
}

template <typename Control> Control* child(const QWidget& window, const char* objectName) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(objectName));
    Q_ASSERT(control);
    return control;
}

} // namespace

QString dialogFolder(const QString& programFolder, const QString& documentsFolder) {
    const QFileInfo program(programFolder);
    if (!programFolder.isEmpty() && program.isDir() && program.isWritable())
        return program.absoluteFilePath();
    if (!documentsFolder.isEmpty())
        return documentsFolder;
    return QDir::homePath();
}

QString portsToolTip(const PortSnapshot& ports,
                     const QList<AdapterWithoutPort>& adaptersWithoutPort) {
    QList<NumberedPort> numbered = ports.numbered();
    // "Comm num:" holds one digit, so only ports 1 to 9 can be chosen.
    numbered.removeIf([](const NumberedPort& n) { return n.number == 0; });
    std::stable_sort(
        numbered.begin(), numbered.end(),
        [](const NumberedPort& a, const NumberedPort& b) { return a.number < b.number; });
    QStringList lines;
    for (const auto& [number, port] : numbered) {
        QString line = QStringLiteral("%1 = %2").arg(number).arg(port.device);
        QStringList about;
        if (port.simulated)
            about << QStringLiteral("Korvex simulator");
        else if (!port.description.isEmpty())
            about << port.description;
        if (!port.manufacturer.isEmpty() && port.manufacturer != port.description)
            about << port.manufacturer;
        if (!about.isEmpty())
            line += QStringLiteral(" (%1)").arg(about.join(QStringLiteral(", ")));
        lines << line;
    }
    QString tip = lines.isEmpty() ? QStringLiteral("No serial port found on this computer.")
                                  : QStringLiteral("Serial ports on this computer:\n") +
                                        lines.join(QLatin1Char('\n'));
    // Plugged in, yet no digit reaches it: say so, and where to learn why.
    for (const AdapterWithoutPort& adapter : adaptersWithoutPort) {
        tip += QStringLiteral("\nAdapter without a port: %1:%2 %3 on USB %4")
                   .arg(adapter.vendorId, 4, 16, QLatin1Char('0'))
                   .arg(adapter.productId, 4, 16, QLatin1Char('0'))
                   .arg(adapter.chip, printable(adapter.usbName));
    }
    if (!adaptersWithoutPort.isEmpty())
        tip += QStringLiteral("\n(korvex-cli ports --diagnose tells why and what to do)");
    return tip;
}

SetupWindow::SetupWindow(SetupEnvironment environment, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , prompts_(environment.prompts ? std::move(environment.prompts) : makeDialogPrompts())
    , serialSide_(environment.serialSide.value_or(serialSideRootFromEnvironment()))
    , ports_(environment.ports ? *environment.ports : portNumberingFor(serialSide_))
    , sender_(environment.sender ? environment.sender
                                 : new FrameSender(ports_, makeSystemSerialLink, this)) {
    sender_->setParent(this);
    // The system's ports take tens of milliseconds to enumerate: not on the
    // thread that paints the window.
    if (!environment.sender)
        sender_->setResolveInBackground(true);
    setObjectName(QStringLiteral("Setup"));
    setWindowTitle(QStringLiteral("Korvex Config v2.1 by QZ9KRV"));

    buildWindow();

    // The factory values. The progress dialog waits until it is needed:
    // its large bold font alone costs a start-up a font file.
    SetDefaults(settings_);
    connectSender();

    // Key preview: F1 is seen before the focused field gets it.
    qApp->installEventFilter(this);
    txDelayField_->setFocus(Qt::OtherFocusReason);
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

void SetupWindow::buildWindow() {
    const FormBuilder form(*this, settings_);
    const auto& tw = form.tw;
    const WindowSpacing& gap = kWindowSpacing;
    auto* frames = new QVBoxLayout(this);
    frames->setContentsMargins(tw(gap.left), tw(gap.top), tw(gap.right), tw(gap.bottom));
    frames->setSpacing(tw(gap.betweenFrames));
    frames->addWidget(mainFrame(form));
    frames->addWidget(timingFrame(form));
    frames->addWidget(messageFrame(form));
    frames->addWidget(programmingFrame(form));
    // The window takes the size its contents need and cannot be resized.
    frames->setSizeConstraint(QLayout::SetFixedSize);

    gpslessTimeoutNote_ = child<QLabel>(*this, "Label33");
    gpslessStatusNote_ = child<QLabel>(*this, "Label34");
    portField_ = child<MaskedField>(*this, fieldInfo(FieldId::portNumber).objectName);
    txDelayField_ = child<MaskedField>(*this, fieldInfo(FieldId::txDelay).objectName);
    sendButton_ = child<QPushButton>(*this, kSendButton.objectName);

    // Each caption labels its field for assistive technology too: a list is
    // named after its entry and read with the label so related.
    for (const FieldInfo& info : fieldTable()) {
        QWidget* field = settings_.widget(info.id);
        for (QLabel* label :
             field->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (label->text() == caption(info.id))
                label->setBuddy(field);
        }
    }

    // The GPSless captions start in the button-text colour; only a build
    // changes them.
    showGpsless(false);

    for (std::size_t i = 1; i < std::size(kTabOrder); ++i)
        setTabOrder(child<QWidget>(*this, kTabOrder[i - 1]), child<QWidget>(*this, kTabOrder[i]));

    connect(sendButton_, &QPushButton::clicked, this, &SetupWindow::send);
    connect(child<QPushButton>(*this, kDefaultButton.objectName), &QPushButton::clicked, this,
            &SetupWindow::restoreDefaults);
    connect(child<QPushButton>(*this, kSaveButton.objectName), &QPushButton::clicked, this,
            &SetupWindow::save);
    connect(child<QPushButton>(*this, kLoadButton.objectName), &QPushButton::clicked, this,
            &SetupWindow::load);
    connect(child<QPushButton>(*this, kHelpButton.objectName), &QPushButton::clicked, this,
            &SetupWindow::openInstructions);
    // The tooltip of "Comm num:" is built when it is asked for (see
    // eventFilter): enumerating the ports takes milliseconds a start-up
    // should not spend.
}

void SetupWindow::connectSender() {
    connect(sender_, &FrameSender::started, this,
            [this](const SendTarget& target) { progressDialog()->showStarted(target); });
    connect(sender_, &FrameSender::progressed, this, [this](int step) {
        if (dialog_)
            dialog_->showStep(step);
    });
    connect(sender_, &FrameSender::finished, this, [this](const SendOutcome& outcome) {
        if (outcome.kind == SendOutcome::Kind::Completed && dialog_)
            dialog_->showCompleted();
        if (outcome.kind == SendOutcome::Kind::Failed) {
            // The box says what failed; what the system shows about it, and
            // the fix, wait behind "Show Details...".
            const QString details =
                findingsText(explainSendFailure(readSerialSide(serialSide_), outcome));
            prompts_->showMessage(this, {QString::fromLatin1(kApplicationTitle), outcome.reason,
                                         QMessageBox::NoIcon, details});
        }
        enableSend();
    });
}

void SetupWindow::enableSend() {
    sendButton_->setEnabled(true);
    if (sendFocusStandIn_ && focusWidget() == sendFocusStandIn_)
        sendButton_->setFocus(Qt::OtherFocusReason);
    sendFocusStandIn_ = nullptr;
}

void SetupWindow::send() {
    const bool sendHadFocus = focusWidget() == sendButton_;
    sendButton_->setEnabled(false);
    // Qt moves the focus off the disabled button, to the next one; unless the
    // user moves it on, it comes back when SEND does, so a keyboard user
    // finds their place again.
    sendFocusStandIn_ = sendHadFocus ? focusWidget() : nullptr;
    const BuildResult result = buildAndSend(settings_, *sender_);
    if (result.gpsless)
        showGpsless(*result.gpsless);
    if (!result.ok()) {
        prompts_->showMessage(this, {kFaultTitle, QString::fromLatin1(kBuildFaultMessage),
                                     QMessageBox::Information, describeBuildFault(result.fault())});
        enableSend();
        focusField(result.fault().field.value());
        return;
    }
    // A transfer that ended at once (no such port) has already said so.
    if (!sender_->isBusy())
        enableSend();
}

void SetupWindow::restoreDefaults() {
    SetDefaults(settings_);
}

FileRequest SetupWindow::fileRequest(FileRequest::Kind kind) const {
    FileRequest request;
    request.kind = kind;
    const bool save = kind == FileRequest::Kind::Save;
    request.title = save ? QStringLiteral("Salva File") : QStringLiteral("Apertura File");
    request.directory =
        dialogFolder(QCoreApplication::applicationDirPath(),
                     QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    request.fileName = QString::fromLatin1(kDefaultConfigFileName);
    request.filters = {{QStringLiteral("File di configurazione (*.cfg)"), QStringLiteral("*.cfg")},
                       {QStringLiteral("Tutti i files"), QStringLiteral("*")}};
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
    if (const Outcome written = writeConfigFile(*path, settings_); !written)
        prompts_->showMessage(this,
                              {kSaveFailedTitle, written.fault().reason, QMessageBox::NoIcon});
}

void SetupWindow::load() {
    const std::optional<QString> path =
        prompts_->chooseFile(this, fileRequest(FileRequest::Kind::Open));
    if (!path)
        return;
    loadFile(*path);
}

void SetupWindow::loadFile(const QString& path) {
    // Made absolute first: the folder change below would move a relative name.
    const QFileInfo file(path);
    QDir::setCurrent(file.absolutePath());
    if (const Outcome read = readConfigFile(file.absoluteFilePath(), settings_); !read)
        prompts_->showMessage(this, {kLoadFailedTitle, read.fault().reason, QMessageBox::NoIcon});
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
    instructions_->openDocument(kInstructionsFile, kInstructionsTitle);
}

void SetupWindow::showGpsless(bool on) {
    const QColor colour = on ? kGpslessGreen : palette().color(QPalette::ButtonText);
    for (QLabel* caption : {gpslessTimeoutNote_, gpslessStatusNote_}) {
        QPalette colours = caption->palette();
        colours.setColor(QPalette::WindowText, colour);
        caption->setPalette(colours);
        // Told in words too; the change raises a description-changed event.
        caption->setAccessibleDescription(gpslessState(on));
    }
    // The fields the two captions stand by, for whoever reaches them by Tab.
    for (const FieldId id : {FieldId::gpsTimeout, FieldId::statusText}) {
        if (QWidget* field = settings_.widget(id))
            field->setAccessibleDescription(
                on ? fieldDescription(id) + u' ' + gpslessState(on) + u'.' : fieldDescription(id));
    }
}

void SetupWindow::focusField(FieldId id) {
    QWidget* holder = settings_.widget(id);
    if (!holder)
        return;
    if (auto* masked = qobject_cast<MaskedField*>(holder)) {
        masked->focusAndSelect();
        return;
    }
    holder->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(holder))
        edit->selectAll();
    else if (auto* list = qobject_cast<MicEList*>(holder); list && list->lineEdit())
        list->lineEdit()->selectAll();
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
    if (watched == portField_ &&
        (event->type() == QEvent::ToolTip || event->type() == QEvent::FocusIn)) {
        // Adapters come and go. A keyboard user hears the list on entering.
        portField_->setToolTip(
            portsToolTip(ports_.snapshot(), readSerialSide(serialSide_).adaptersWithoutPort));
        portField_->setAccessibleDescription(fieldDescription(FieldId::portNumber) + u' ' +
                                             portField_->toolTip());
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korvex
