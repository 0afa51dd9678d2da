#include "setup_window.h"

#include "config_file/config_file.h"
#include "masked_field.h"
#include "mic_e_list.h"
#include "progress/progress_dialog.h"
#include "rule_line_edit.h"
#include "settings/config_block_builder.h"
#include "settings/factory_defaults.h"
#include "settings/field_table.h"
#include "setup_icon.h"
#include "transfer/build_and_send.h"
#include "transfer/frame_sender.h"
#include "ui/instructions/instructions_window.h"

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

namespace korvex {
namespace {

const QString kInstructionsFile = QStringLiteral("Korvex_Config.rtf");
const QString kInstructionsTitle = QStringLiteral("Korvex Config - Istruzioni");
const QString kFaultTitle = QStringLiteral("Invio non eseguito - Korvex");
const QString kSaveFailedTitle = QStringLiteral("Korwex");
const QString kLoadFailedTitle = QStringLiteral("Korvex");
const QColor kGpslessGreen(0, 128, 0);

QString caption(FieldId id) {
    return QString::fromLatin1(fieldInfo(id).caption);
}
QString unit(FieldId id) {
    return QString::fromLatin1(fieldInfo(id).unit);
}

// The window was drawn in twips for an 8.25 pt desktop font: 13 pixels a
// line at 15 twips a pixel. Measuring with the real line height keeps the
// proportions with any font and scaling; labels and buttons still grow to
// their text, so nothing clips.
class Twips {
public:
    explicit Twips(const QFontMetrics& metrics)
        : pixelsPerTwip_(metrics.height() / 195.0) {}
    int operator()(int twips) const { return qRound(twips * pixelsPerTwip_); }

private:
    double pixelsPerTwip_;
};

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

} // namespace

QString dialogFolder(const QString& programFolder, const QString& documentsFolder) {
    const QFileInfo program(programFolder);
    if (!programFolder.isEmpty() && program.isDir() && program.isWritable())
        return program.absoluteFilePath();
    if (!documentsFolder.isEmpty())
        return documentsFolder;
    return QDir::homePath();
}

QString portsToolTip(const PortSnapshot& ports) {
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
    if (lines.isEmpty())
        return QStringLiteral("No serial port found on this computer.");
    return QStringLiteral("Serial ports on this computer:\n") + lines.join(QLatin1Char('\n'));
}

SetupWindow::SetupWindow(SetupEnvironment environment, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , prompts_(environment.prompts ? std::move(environment.prompts) : makeDialogPrompts())
    , ports_(environment.ports ? *environment.ports : PortNumbering())
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
    edNumFlagsAuto_->setFocus(Qt::OtherFocusReason);
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
    const Twips tw(fontMetrics());
    const QFont small = smallFont(font());

    auto label = [](const QString& text) { return new QLabel(text); };
    auto masked = [&](FieldId id, int widthTwips, bool selectOnFocus) {
        const FieldInfo& info = fieldInfo(id);
        auto* field = new MaskedField(info.keyRule, info.limit);
        field->setObjectName(QString::fromLatin1(info.name));
        field->setSelectOnFocus(selectOnFocus);
        const int digits = field->fontMetrics().horizontalAdvance(QString(info.limit, u'0'));
        field->setFixedWidth(std::max(tw(widthTwips), digits + tw(150)));
        settings_.bind(id, field);
        return field;
    };
    auto text = [&](FieldId id, int widthTwips) {
        const FieldInfo& info = fieldInfo(id);
        auto* field = new RuleLineEdit(info.keyRule, info.limit);
        field->setObjectName(QString::fromLatin1(info.name));
        field->setToolTip(QString::fromLatin1(info.toolTip));
        field->setMinimumWidth(tw(widthTwips));
        settings_.bind(id, field);
        return field;
    };
    auto check = [&](FieldId id) {
        auto* box = new QCheckBox(caption(id));
        box->setObjectName(QString::fromLatin1(fieldInfo(id).name));
        settings_.bind(id, box);
        return box;
    };
    auto frame = [&](const char* name, const QString& title) {
        auto* group = new QGroupBox(title);
        group->setObjectName(QString::fromLatin1(name));
        return group;
    };
    auto button = [&](const char* name, const QString& title, int widthTwips) {
        auto* push = new QPushButton(title);
        push->setObjectName(QString::fromLatin1(name));
        push->setAutoDefault(false);
        push->setMinimumSize(std::max(tw(widthTwips), push->sizeHint().width()),
                             std::max(tw(375), push->sizeHint().height()));
        return push;
    };

    // "Main APRS / Mic-E Settings": a column of captions, the fields beside.
    QGroupBox* frame1 = frame("Frame1", QStringLiteral("Main APRS / Mic-E Settings"));
    edNumFlagsAuto_ = masked(FieldId::edNumFlagsAuto, 400, true);
    auto* cbMicEMsg = new MicEList;
    cbMicEMsg->setObjectName(QString::fromLatin1(fieldInfo(FieldId::cbMicEMsg).name));
    cbMicEMsg->setFont(small);
    cbMicEMsg->setMinimumWidth(tw(1095));
    settings_.bind(FieldId::cbMicEMsg, cbMicEMsg);
    MaskedField* edSymbol = masked(FieldId::edSymbol, 255, true);
    QCheckBox* chkTable = check(FieldId::chkTable);
    RuleLineEdit* edMyCall = text(FieldId::edMyCall, 1095);
    MaskedField* edBcnEvery = masked(FieldId::edBcnEvery, 390, true);
    RuleLineEdit* edAprsPath = text(FieldId::edAprsPath, 1695);
    RuleLineEdit* edBeacon = text(FieldId::edBeacon, 2895);
    QCheckBox* chkRxPosition = check(FieldId::chkRxPosition);
    label34_ = label(QStringLiteral("/ GPSless bcn"));
    label34_->setObjectName(QStringLiteral("Label34"));
    label34_->setFont(small);
    {
        auto* grid = new QGridLayout(frame1);
        grid->setHorizontalSpacing(tw(105));
        grid->setVerticalSpacing(tw(75));

        grid->addWidget(label(caption(FieldId::edNumFlagsAuto)), 0, 0);
        QHBoxLayout* first = row(tw(30));
        first->addWidget(edNumFlagsAuto_);
        first->addWidget(label(unit(FieldId::edNumFlagsAuto)));
        first->addStretch(1);
        first->addSpacing(tw(150));
        first->addWidget(label(caption(FieldId::cbMicEMsg)));
        first->addSpacing(tw(75));
        first->addWidget(cbMicEMsg);
        grid->addLayout(first, 0, 1);

        grid->addWidget(label(caption(FieldId::edSymbol)), 1, 0);
        QHBoxLayout* second = row(tw(145));
        second->addWidget(edSymbol);
        second->addWidget(chkTable);
        second->addStretch(1);
        grid->addLayout(second, 1, 1);

        grid->addWidget(label(caption(FieldId::edMyCall)), 2, 0);
        QHBoxLayout* third = row(tw(30));
        third->addWidget(edMyCall);
        third->addStretch(1);
        third->addSpacing(tw(120));
        third->addWidget(label(caption(FieldId::edBcnEvery)));
        third->addSpacing(tw(75));
        third->addWidget(edBcnEvery);
        third->addWidget(label(unit(FieldId::edBcnEvery)));
        grid->addLayout(third, 2, 1);

        grid->addWidget(label(caption(FieldId::edAprsPath)), 3, 0);
        QHBoxLayout* fourth = row(0);
        fourth->addWidget(edAprsPath);
        fourth->addStretch(1);
        grid->addLayout(fourth, 3, 1);

        auto* statusCaption = new QVBoxLayout;
        statusCaption->setSpacing(0);
        statusCaption->addWidget(label(caption(FieldId::edBeacon)));
        statusCaption->addWidget(label34_);
        label34_->setIndent(tw(20));
        grid->addLayout(statusCaption, 4, 0);
        grid->addWidget(edBeacon, 4, 1, Qt::AlignVCenter);

        QHBoxLayout* last = row(0);
        last->addSpacing(tw(360));
        last->addWidget(chkRxPosition);
        last->addStretch(1);
        grid->addLayout(last, 5, 0, 1, 2);
        grid->setColumnStretch(1, 1);
    }

    // "Timing  Settings": manual and GPS on the left, the speed bands right.
    QGroupBox* frame2 = frame("Frame2", QStringLiteral("Timing  Settings"));
    QGroupBox* frManual = frame("frManual", QStringLiteral("Manual Timing"));
    MaskedField* edManualTime = masked(FieldId::edManualTime, 525, true);
    {
        QHBoxLayout* line = row(tw(45));
        line->addWidget(label(caption(FieldId::edManualTime)));
        line->addWidget(edManualTime);
        line->addWidget(label(unit(FieldId::edManualTime)));
        line->addStretch(1);
        frManual->setLayout(line);
    }
    QGroupBox* frame5 = frame("Frame5", QStringLiteral("GPS"));
    MaskedField* edGpsCheckTime = masked(FieldId::edGpsCheckTime, 420, true);
    // The timeout alone keeps the caret where the user puts it.
    MaskedField* edGpsAcqTime = masked(FieldId::edGpsAcqTime, 405, false);
    label33_ = label(QStringLiteral("(0=GPSless Mode)"));
    label33_->setObjectName(QStringLiteral("Label33"));
    label33_->setFont(small);
    {
        auto* column = new QVBoxLayout(frame5);
        column->setSpacing(tw(30));
        column->addWidget(label(QStringLiteral("Acquisition interval")));
        QHBoxLayout* interval = row(tw(45));
        interval->addWidget(label(caption(FieldId::edGpsCheckTime)));
        interval->addWidget(edGpsCheckTime);
        interval->addWidget(label(unit(FieldId::edGpsCheckTime)));
        interval->addStretch(1);
        column->addLayout(interval);
        column->addSpacing(tw(75));
        column->addWidget(label(caption(FieldId::edGpsAcqTime)));
        QHBoxLayout* timeout = row(tw(45));
        timeout->addWidget(edGpsAcqTime);
        timeout->addWidget(label(unit(FieldId::edGpsAcqTime)));
        timeout->addStretch(1);
        column->addLayout(timeout);
        column->addWidget(label33_);
        column->addStretch(1);
    }
    QGroupBox* frAuto = frame("frAuto", QStringLiteral("Automatic Timing"));
    std::array<MaskedField*, kSpeedBandCount> speedTable{};
    {
        auto* grid = new QGridLayout(frAuto);
        grid->setHorizontalSpacing(tw(45));
        grid->setVerticalSpacing(tw(30));
        for (int band = 0; band < kSpeedBandCount; ++band) {
            const FieldId id = speedTableField(band);
            speedTable[band] = masked(id, fieldInfo(id).limit == 4 ? 540 : 425, true);
            grid->addWidget(label(caption(id)), band, 0);
            grid->addWidget(speedTable[band], band, 1, Qt::AlignRight);
            grid->addWidget(label(unit(id)), band, 2);
        }
        grid->setRowStretch(kSpeedBandCount, 1);
    }
    {
        auto* left = new QVBoxLayout;
        left->setSpacing(tw(15));
        left->addWidget(frManual);
        left->addWidget(frame5, 1);
        auto* columns = new QHBoxLayout(frame2);
        columns->setSpacing(tw(105));
        columns->addLayout(left);
        columns->addWidget(frAuto, 1);
    }

    // "Message Settings".
    QGroupBox* frame3 = frame("Frame3", QStringLiteral("Message Settings"));
    RuleLineEdit* edReceiver = text(FieldId::edReceiver, 975);
    MaskedField* edMsgRepeat = masked(FieldId::edMsgRepeat, 400, true);
    RuleLineEdit* edDestCall = text(FieldId::edDestCall, 1095);
    RuleLineEdit* edAprsMsg = text(FieldId::edAprsMsg, 3080);
    {
        auto* column = new QVBoxLayout(frame3);
        column->setSpacing(tw(75));
        QHBoxLayout* first = row(tw(75));
        first->addWidget(label(caption(FieldId::edReceiver)));
        first->addWidget(edReceiver);
        first->addStretch(1);
        first->addWidget(label(caption(FieldId::edMsgRepeat)));
        first->addWidget(edMsgRepeat);
        column->addLayout(first);
        QHBoxLayout* second = row(tw(75));
        second->addWidget(label(caption(FieldId::edDestCall)));
        second->addWidget(edDestCall);
        second->addStretch(1);
        column->addLayout(second);
        QHBoxLayout* third = row(tw(75));
        third->addWidget(label(caption(FieldId::edAprsMsg)));
        third->addWidget(edAprsMsg, 1);
        column->addLayout(third);
    }

    // "Configuration / Programming": three buttons above, the port and the
    // other two below.
    QGroupBox* frame6 = frame("Frame6", QStringLiteral("Configuration / Programming"));
    edComm_ = masked(FieldId::edComm, 255, true);
    auto* cmdDefault = button("cmdDefault", QStringLiteral("Default"), 850);
    auto* cmdSave = button("cmdSave", QStringLiteral("Save"), 850);
    auto* cmdLoad = button("cmdLoad", QStringLiteral("Load"), 850);
    cmdSend_ = button("cmdSend", QStringLiteral("SEND"), 1095);
    auto* cmdHelp = button("cmdHelp", QStringLiteral("Help (F1)"), 850);
    {
        auto* grid = new QGridLayout(frame6);
        grid->setVerticalSpacing(tw(105));
        grid->addWidget(cmdDefault, 0, 0, Qt::AlignLeft);
        grid->addWidget(cmdSave, 0, 1, Qt::AlignHCenter);
        grid->addWidget(cmdLoad, 0, 2, Qt::AlignRight);
        QHBoxLayout* port = row(tw(75));
        port->addWidget(label(caption(FieldId::edComm)));
        port->addWidget(edComm_);
        port->addStretch(1);
        grid->addLayout(port, 1, 0);
        grid->addWidget(cmdSend_, 1, 1, Qt::AlignHCenter);
        grid->addWidget(cmdHelp, 1, 2, Qt::AlignRight);
        for (int column = 0; column < 3; ++column)
            grid->setColumnStretch(column, 1);
    }

    auto* frames = new QVBoxLayout(this);
    frames->setContentsMargins(tw(60), tw(30), tw(60), tw(45));
    frames->setSpacing(tw(30));
    frames->addWidget(frame1);
    frames->addWidget(frame2);
    frames->addWidget(frame3);
    frames->addWidget(frame6);
    // The window takes the size its contents need and cannot be resized.
    frames->setSizeConstraint(QLayout::SetFixedSize);

    // The GPSless captions start in the button-text colour; only a build
    // changes them.
    showGpsless(false);

    // Tab order: the fields, then SEND and the other buttons, and the
    // received-positions switch last.
    const QList<QWidget*> order{
        edNumFlagsAuto_, cbMicEMsg,     edSymbol,      chkTable,      edMyCall,       edBcnEvery,
        edAprsPath,      edBeacon,      edManualTime,  speedTable[0], speedTable[1],  speedTable[2],
        speedTable[3],   speedTable[4], speedTable[5], speedTable[6], edGpsCheckTime, edGpsAcqTime,
        edReceiver,      edMsgRepeat,   edDestCall,    edAprsMsg,     edComm_,        cmdSend_,
        cmdLoad,         cmdSave,       cmdDefault,    cmdHelp,       chkRxPosition};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(cmdSend_, &QPushButton::clicked, this, &SetupWindow::cmdSend_Click);
    connect(cmdDefault, &QPushButton::clicked, this, &SetupWindow::cmdDefault_Click);
    connect(cmdSave, &QPushButton::clicked, this, &SetupWindow::cmdSave_Click);
    connect(cmdLoad, &QPushButton::clicked, this, &SetupWindow::cmdLoad_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &SetupWindow::openInstructions);
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
        if (outcome.kind == SendOutcome::Kind::Failed)
            prompts_->showMessage(this, {QString::fromLatin1(kApplicationTitle), outcome.reason,
                                         QMessageBox::NoIcon});
        cmdSend_->setEnabled(true);
    });
}

void SetupWindow::cmdSend_Click() {
    cmdSend_->setEnabled(false);
    const BuildResult result = buildAndSend(settings_, *sender_);
    if (result.gpsless)
        showGpsless(*result.gpsless);
    if (!result.ok) {
        prompts_->showMessage(this, {kFaultTitle, QString::fromLatin1(kBuildFaultMessage),
                                     QMessageBox::Information,
                                     result.fault ? describeBuildFault(*result.fault) : QString()});
        cmdSend_->setEnabled(true);
        if (result.fault)
            focusField(result.fault->field);
        return;
    }
    // A transfer that ended at once (no such port) has already said so.
    if (!sender_->isBusy())
        cmdSend_->setEnabled(true);
}

void SetupWindow::cmdDefault_Click() {
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

void SetupWindow::cmdSave_Click() {
    const std::optional<QString> path =
        prompts_->chooseFile(this, fileRequest(FileRequest::Kind::Save));
    if (!path)
        return;
    // A confirmed dialog makes the chosen folder the current one; files named
    // bare (the manual among them) are then looked for there.
    QDir::setCurrent(QFileInfo(*path).absolutePath());
    const QString error = saveConfigFile(*path, settings_);
    if (!error.isEmpty())
        prompts_->showMessage(this, {kSaveFailedTitle, error, QMessageBox::NoIcon});
}

void SetupWindow::cmdLoad_Click() {
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
    const LoadOutcome outcome = loadConfigFile(file.absoluteFilePath(), settings_);
    if (!outcome.ok())
        prompts_->showMessage(this, {kLoadFailedTitle, outcome.error, QMessageBox::NoIcon});
}

void SetupWindow::openInstructions() {
    if (!instructions_)
        instructions_ = new InstructionsWindow;
    instructions_->Apri(kInstructionsFile, kInstructionsTitle);
}

void SetupWindow::showGpsless(bool on) {
    const QColor colour = on ? kGpslessGreen : palette().color(QPalette::ButtonText);
    for (QLabel* caption : {label33_, label34_}) {
        QPalette colours = caption->palette();
        colours.setColor(QPalette::WindowText, colour);
        caption->setPalette(colours);
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
    if (watched == edComm_ && event->type() == QEvent::ToolTip)
        edComm_->setToolTip(portsToolTip(ports_.snapshot())); // adapters come and go
    return QWidget::eventFilter(watched, event);
}

} // namespace korvex
