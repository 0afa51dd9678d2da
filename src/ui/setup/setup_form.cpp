// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup_form.h"

#include "control_descriptions.h"
#include "masked_field.h"
#include "mic_e_list.h"
#include "rule_line_edit.h"
#include "settings/field_table.h"
#include "ui/twips.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace korvex {
namespace {

QString caption(FieldId id) {
    return fieldText(fieldInfo(id).caption);
}
QString unit(FieldId id) {
    return fieldText(fieldInfo(id).unit);
}
struct Setup {
    Q_DECLARE_TR_FUNCTIONS(Setup)
};
// A text the table below marks for translation.
QString setupText(const char* source) {
    return Setup::tr(source);
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
    QPushButton* SetupForm::*slot;
};
constexpr int kButtonHeightTwips = 375;
constexpr CommandButton kDefaultButton{
    "cmdDefault", QT_TRANSLATE_NOOP("Setup", "Default"), 850,
    QT_TRANSLATE_NOOP("Setup", "Puts the factory settings into every field."),
    &SetupForm::defaultButton};
constexpr CommandButton kSaveButton{
    "cmdSave", QT_TRANSLATE_NOOP("Setup", "Save"), 850,
    QT_TRANSLATE_NOOP("Setup", "Saves the settings to a configuration file."),
    &SetupForm::saveButton};
constexpr CommandButton kLoadButton{
    "cmdLoad", QT_TRANSLATE_NOOP("Setup", "Load"), 850,
    QT_TRANSLATE_NOOP("Setup", "Loads the settings from a configuration file."),
    &SetupForm::loadButton};
constexpr CommandButton kSendButton{
    "cmdSend", QT_TRANSLATE_NOOP("Setup", "SEND"), 1095,
    QT_TRANSLATE_NOOP("Setup",
                      "Checks the settings and sends them to the tracker on the port in Comm num."),
    &SetupForm::sendButton};
constexpr CommandButton kHelpButton{
    "cmdHelp", QT_TRANSLATE_NOOP("Setup", "Help (F1)"), 850,
    QT_TRANSLATE_NOOP("Setup", "Opens the manual. F1 does the same from any field."),
    &SetupForm::helpButton};

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
constexpr FieldId kFieldsBeforeButtons[] = {
    FieldId::txDelay,        FieldId::micEMessage,    FieldId::symbol,
    FieldId::alternateTable, FieldId::myCall,         FieldId::statusInterval,
    FieldId::aprsPath,       FieldId::statusText,     FieldId::manualInterval,
    FieldId::speedBand0,     FieldId::speedBand1,     FieldId::speedBand2,
    FieldId::speedBand3,     FieldId::speedBand4,     FieldId::speedBand5,
    FieldId::speedBand6,     FieldId::gpsInterval,    FieldId::gpsTimeout,
    FieldId::unprotoCall,    FieldId::messageRetries, FieldId::messageRecipient,
    FieldId::messageText,    FieldId::portNumber};
constexpr QPushButton* SetupForm::*kButtonTabOrder[] = {
    &SetupForm::sendButton, &SetupForm::loadButton, &SetupForm::saveButton,
    &SetupForm::defaultButton, &SetupForm::helpButton};
constexpr FieldId kFieldsAfterButtons[] = {FieldId::receivedPositionsOff};

// Makes the window's controls at its scale and notes each in the form.
class FormBuilder {
public:
    FormBuilder(QWidget& window, SetupForm& form)
        : tw(TwipScale::ofFont(window.fontMetrics()))
        , small(smallFont(window.font()))
        , form_(form) {}

    const TwipScale tw;
    const QFont small;

    static QLabel* label(const QString& text) { return new QLabel(text); }
    // The caption beside a field, which names it for assistive technology too.
    QLabel* captionLabel(FieldId id) const {
        QLabel* shown = label(caption(id));
        captions_[fieldIndex(id)] = shown;
        return shown;
    }
    QLabel* captionOf(FieldId id) const { return captions_[fieldIndex(id)]; }
    QLabel* note(const char* objectName, const QString& text, QLabel* SetupForm::*slot) const {
        QLabel* note = label(text);
        note->setObjectName(QString::fromLatin1(objectName));
        note->setFont(small);
        form_.*slot = note;
        return note;
    }
    MaskedField* portField() const {
        form_.portField = digits(FieldId::portNumber);
        return form_.portField;
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
        bind(id, field);
        return field;
    }
    RuleLineEdit* text(FieldId id) const {
        const FieldInfo& info = fieldInfo(id);
        auto* field = new RuleLineEdit(info.keyRule, info.limit);
        field->setObjectName(QString::fromLatin1(info.objectName));
        field->setToolTip(fieldText(info.toolTip));
        field->setMinimumWidth(tw(fieldSize(id).widthTwips));
        describeControl(field, id);
        bind(id, field);
        return field;
    }
    FlagBox* check(FieldId id) const {
        auto* box = new FlagBox(caption(id));
        box->setObjectName(QString::fromLatin1(fieldInfo(id).objectName));
        describeControl(box, id);
        bind(id, box);
        return box;
    }
    MicEList* micEList(FieldId id) const {
        auto* list = new MicEList;
        list->setObjectName(QString::fromLatin1(fieldInfo(id).objectName));
        list->setFont(small);
        list->setMinimumWidth(tw(fieldSize(id).widthTwips));
        describeControl(list, id);
        bind(id, list);
        return list;
    }
    // Caption, digits and unit on one line, left-aligned.
    QHBoxLayout* digitsLine(FieldId id, int spacingTwips) const {
        QHBoxLayout* line = row(tw(spacingTwips));
        line->addWidget(captionLabel(id));
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
        auto* push = new QPushButton(setupText(command.caption));
        push->setObjectName(QString::fromLatin1(command.objectName));
        push->setAccessibleDescription(setupText(command.description));
        push->setAutoDefault(false);
        push->setMinimumSize(std::max(tw(command.widthTwips), push->sizeHint().width()),
                             std::max(tw(kButtonHeightTwips), push->sizeHint().height()));
        form_.*command.slot = push;
        return push;
    }

private:
    void bind(FieldId id, TextFieldEditor* editor) const { form_.editors[fieldIndex(id)] = editor; }
    void bind(FieldId id, ValueFieldEditor* editor) const {
        form_.editors[fieldIndex(id)] = editor;
    }

    SetupForm& form_;
    mutable std::array<QLabel*, kFieldCount> captions_{};
};

// "Main APRS / Mic-E Settings": a column of captions, the fields beside.
QGroupBox* mainFrame(const FormBuilder& form) {
    const auto& tw = form.tw;
    const MainFrameSpacing& gap = kMainSpacing;
    QGroupBox* frame = FormBuilder::frame("Frame1", Setup::tr("Main APRS / Mic-E Settings"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(tw(gap.captionColumn));
    grid->setVerticalSpacing(tw(gap.betweenRows));

    grid->addWidget(form.captionLabel(FieldId::txDelay), 0, 0);
    QHBoxLayout* first = row(tw(gap.fieldToUnit));
    first->addWidget(form.digits(FieldId::txDelay));
    first->addWidget(FormBuilder::label(unit(FieldId::txDelay)));
    first->addStretch(1);
    first->addSpacing(tw(gap.beforeMicECaption));
    first->addWidget(form.captionLabel(FieldId::micEMessage));
    first->addSpacing(tw(gap.captionToField));
    first->addWidget(form.micEList(FieldId::micEMessage));
    grid->addLayout(first, 0, 1);

    grid->addWidget(form.captionLabel(FieldId::symbol), 1, 0);
    QHBoxLayout* second = row(tw(gap.symbolToTable));
    second->addWidget(form.digits(FieldId::symbol));
    second->addWidget(form.check(FieldId::alternateTable));
    second->addStretch(1);
    grid->addLayout(second, 1, 1);

    grid->addWidget(form.captionLabel(FieldId::myCall), 2, 0);
    QHBoxLayout* third = row(tw(gap.fieldToUnit));
    third->addWidget(form.text(FieldId::myCall));
    third->addStretch(1);
    third->addSpacing(tw(gap.beforeBeaconCaption));
    third->addWidget(form.captionLabel(FieldId::statusInterval));
    third->addSpacing(tw(gap.captionToField));
    third->addWidget(form.digits(FieldId::statusInterval));
    third->addWidget(FormBuilder::label(unit(FieldId::statusInterval)));
    grid->addLayout(third, 2, 1);

    grid->addWidget(form.captionLabel(FieldId::aprsPath), 3, 0);
    QHBoxLayout* fourth = row(0);
    fourth->addWidget(form.text(FieldId::aprsPath));
    fourth->addStretch(1);
    grid->addLayout(fourth, 3, 1);

    auto* statusCaption = new QVBoxLayout;
    statusCaption->setSpacing(0);
    statusCaption->addWidget(form.captionLabel(FieldId::statusText));
    QLabel* gpslessNote =
        form.note("Label34", Setup::tr("/ GPSless bcn"), &SetupForm::gpslessStatusNote);
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
    QGroupBox* frame = FormBuilder::frame("frManual", Setup::tr("Manual Timing"));
    frame->setLayout(form.digitsLine(FieldId::manualInterval, kTimingSpacing.fieldRow));
    return frame;
}

QGroupBox* gpsFrame(const FormBuilder& form) {
    const auto& tw = form.tw;
    const TimingFrameSpacing& gap = kTimingSpacing;
    QGroupBox* frame = FormBuilder::frame("Frame5", Setup::tr("GPS"));
    auto* column = new QVBoxLayout(frame);
    column->setSpacing(tw(gap.gpsLines));
    column->addWidget(FormBuilder::label(Setup::tr("Acquisition interval")));
    column->addLayout(form.digitsLine(FieldId::gpsInterval, gap.fieldRow));
    column->addSpacing(tw(gap.gpsGroups));
    column->addWidget(form.captionLabel(FieldId::gpsTimeout));
    QHBoxLayout* timeout = row(tw(gap.fieldRow));
    timeout->addWidget(form.digits(FieldId::gpsTimeout));
    timeout->addWidget(FormBuilder::label(unit(FieldId::gpsTimeout)));
    timeout->addStretch(1);
    column->addLayout(timeout);
    column->addWidget(
        form.note("Label33", Setup::tr("(0=GPSless Mode)"), &SetupForm::gpslessTimeoutNote));
    column->addStretch(1);
    return frame;
}

QGroupBox* speedBandsFrame(const FormBuilder& form) {
    QGroupBox* frame = FormBuilder::frame("frAuto", Setup::tr("Automatic Timing"));
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(form.tw(kTimingSpacing.speedColumns));
    grid->setVerticalSpacing(form.tw(kTimingSpacing.speedRows));
    for (int band = 0; band < kSpeedBandCount; ++band) {
        const FieldId id = speedBandField(band);
        grid->addWidget(form.captionLabel(id), band, 0);
        grid->addWidget(form.digits(id), band, 1, Qt::AlignRight);
        grid->addWidget(FormBuilder::label(unit(id)), band, 2);
    }
    grid->setRowStretch(kSpeedBandCount, 1);
    return frame;
}

// "Timing  Settings": manual and GPS on the left, the speed bands right.
QGroupBox* timingFrame(const FormBuilder& form) {
    QGroupBox* frame = FormBuilder::frame("Frame2", Setup::tr("Timing  Settings"));
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
    QGroupBox* frame = FormBuilder::frame("Frame3", Setup::tr("Message Settings"));
    auto* column = new QVBoxLayout(frame);
    column->setSpacing(tw(gap.lines));
    QHBoxLayout* first = row(tw(gap.captionToField));
    first->addWidget(form.captionLabel(FieldId::unprotoCall));
    first->addWidget(form.text(FieldId::unprotoCall));
    first->addStretch(1);
    first->addWidget(form.captionLabel(FieldId::messageRetries));
    first->addWidget(form.digits(FieldId::messageRetries));
    column->addLayout(first);
    QHBoxLayout* second = row(tw(gap.captionToField));
    second->addWidget(form.captionLabel(FieldId::messageRecipient));
    second->addWidget(form.text(FieldId::messageRecipient));
    second->addStretch(1);
    column->addLayout(second);
    QHBoxLayout* third = row(tw(gap.captionToField));
    third->addWidget(form.captionLabel(FieldId::messageText));
    third->addWidget(form.text(FieldId::messageText), 1);
    column->addLayout(third);
    return frame;
}

// "Configuration / Programming": three buttons above, the port and the
// other two below.
QGroupBox* programmingFrame(const FormBuilder& form) {
    QGroupBox* frame = FormBuilder::frame("Frame6", Setup::tr("Configuration / Programming"));
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(form.tw(kProgrammingSpacing.rows));
    grid->addWidget(form.button(kDefaultButton), 0, 0, Qt::AlignLeft);
    grid->addWidget(form.button(kSaveButton), 0, 1, Qt::AlignHCenter);
    grid->addWidget(form.button(kLoadButton), 0, 2, Qt::AlignRight);
    QHBoxLayout* port = row(form.tw(kProgrammingSpacing.captionToField));
    port->addWidget(form.captionLabel(FieldId::portNumber));
    port->addWidget(form.portField());
    port->addStretch(1);
    grid->addLayout(port, 1, 0);
    grid->addWidget(form.button(kSendButton), 1, 1, Qt::AlignHCenter);
    grid->addWidget(form.button(kHelpButton), 1, 2, Qt::AlignRight);
    for (int column = 0; column < 3; ++column)
        grid->setColumnStretch(column, 1);
    return frame;
}

} // namespace

int FlagBox::fieldValue() const {
    switch (checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

void FlagBox::setFieldValue(int value) {
    if (value == 2) {
        setTristate(true);
        setCheckState(Qt::PartiallyChecked);
    } else {
        setCheckState(value ? Qt::Checked : Qt::Unchecked);
        // A click cycles through the two states the user can choose.
        setTristate(false);
    }
}

bool FlagBox::showsValue(int value) const {
    // A box that left the greyed state by a click still cycles through it.
    return fieldValue() == value && (value == 2 || !isTristate());
}

SetupForm buildSetupForm(QWidget& window) {
    SetupForm form;
    const FormBuilder builder(window, form);
    const auto& tw = builder.tw;
    const WindowSpacing& gap = kWindowSpacing;
    auto* frames = new QVBoxLayout(&window);
    frames->setContentsMargins(tw(gap.left), tw(gap.top), tw(gap.right), tw(gap.bottom));
    frames->setSpacing(tw(gap.betweenFrames));
    frames->addWidget(mainFrame(builder));
    frames->addWidget(timingFrame(builder));
    frames->addWidget(messageFrame(builder));
    frames->addWidget(programmingFrame(builder));
    // The window takes the size its contents need and cannot be resized.
    frames->setSizeConstraint(QLayout::SetFixedSize);

    // Each caption labels its field for assistive technology too: a list is
    // named after its entry and read with the label so related.
    for (const FieldInfo& info : fieldTable()) {
        if (QLabel* caption = builder.captionOf(info.id))
            caption->setBuddy(form.editor(info.id).editorWidget());
    }

    QList<QWidget*> tabOrder;
    for (const FieldId id : kFieldsBeforeButtons)
        tabOrder << form.editor(id).editorWidget();
    for (QPushButton* SetupForm::*button : kButtonTabOrder)
        tabOrder << form.*button;
    for (const FieldId id : kFieldsAfterButtons)
        tabOrder << form.editor(id).editorWidget();
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    return form;
}

} // namespace korvex
