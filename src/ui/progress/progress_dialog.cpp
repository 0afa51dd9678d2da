// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_dialog.h"

#include "ui/twips.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace korvex {
namespace {

// The dialog was drawn for an 8.25 pt desktop font, 13 pixels a line at 15
// twips a pixel; scaling by the real line height keeps its proportions with
// any font and screen.
int twips(const QFontMetrics& metrics, int value) {
    return twipsToPixels(value, fontPixelsPerInch(metrics));
}

// The title bar shows no icon. An X11 window manager draws one of its own for
// a window that names none, so the dialog names one that shows nothing. On
// Windows a dialog without a system menu (the flags below leave it out) gets a
// frame without an icon, as long as none is set.
QIcon titleBarIcon() {
#ifdef Q_OS_WIN
    return {};
#else
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
#endif
}

} // namespace

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , lblInfo_(new QLabel(this))
    , okButton_(new QPushButton(tr("OK"), this)) {
    setObjectName(QStringLiteral("Dialog"));
    // The tracker's name: translations keep it.
    setWindowTitle(tr("Korvex"));
    // No icon of its own, and none borrowed from the Setup window either.
    setWindowIcon(titleBarIcon());
    setModal(false);

    lblInfo_->setObjectName(QStringLiteral("lblInfo"));
    QFont bold = lblInfo_->font();
    bold.setPointSizeF(13.5);
    bold.setBold(true);
    lblInfo_->setFont(bold);
    lblInfo_->setWordWrap(true);
    lblInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblInfo_->setAutoFillBackground(true);
    QPalette colours = lblInfo_->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Text));
    lblInfo_->setPalette(colours);
    lblInfo_->setMargin(2);

    const QFontMetrics metrics(font());
    const int labelWidth = twips(metrics, 4215);
    lblInfo_->setFixedWidth(labelWidth);
    // Tall enough for the longest text, the result, wrapped at this width.
    lblInfo_->setText(resultText().replace(QStringLiteral("\r\n"), "\n"));
    lblInfo_->setFixedHeight(std::max(twips(metrics, 1215), lblInfo_->heightForWidth(labelWidth)));
    lblInfo_->clear();

    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setFixedSize(std::max(twips(metrics, 1215), okButton_->sizeHint().width()),
                            std::max(twips(metrics, 375), okButton_->sizeHint().height()));
    // Hidden during the transfer, yet the dialog keeps its size.
    QSizePolicy policy = okButton_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    okButton_->setSizePolicy(policy);
    okButton_->setAutoDefault(true);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::hide);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(twips(metrics, 120), twips(metrics, 120), twips(metrics, 120),
                               twips(metrics, 105));
    layout->setSpacing(twips(metrics, 105));
    layout->addWidget(lblInfo_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ProgressDialog::setVisible(bool visible) {
    const bool hadKeyboard = !visible && isActiveWindow();
    QDialog::setVisible(visible);
    // The keyboard goes back to the Setup window, also where no window
    // manager hands it on.
    if (hadKeyboard && parentWidget())
        parentWidget()->activateWindow();
}

void ProgressDialog::setInfo(const QString& text) {
    info_ = text;
    QString shown = text;
    lblInfo_->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // A screen reader speaks a changed description of the window it is in;
    // a label's new text it would only speak when the label had the focus.
    setAccessibleDescription(shown.simplified());
}

QString ProgressDialog::resultText() {
    // "Be shure" is deliberate: the words the tracker's users know from this box; keep them.
    // 'Success!' is what the tracker's LCD shows, in English whatever the language here.
    // The box has always broken its lines as Windows does.
    return tr("Data sent !\n Be shure that the word 'Success!' appears on LCD")
        .replace(u'\n', QStringLiteral("\r\n"));
}

void ProgressDialog::showStarted(const SendTarget& target) {
    // The tracker's users know their port as COM and its number; a device
    // named outright has no number to show.
    const QString port =
        target.portNumber ? QStringLiteral("COM%1").arg(*target.portNumber) : target.device;
    sending_ = QStringLiteral("\r\n") + tr("Sending data on %1...").arg(port);
    setInfo(sending_);
    okButton_->hide();
    show();
    raise();
}

void ProgressDialog::showStep(int step) {
    setInfo(sending_ + QString(step, QLatin1Char('.')));
}

void ProgressDialog::showCompleted() {
    setInfo(resultText());
    // The result comes as a changed description, which Orca does not speak;
    // the focused OK button's description it speaks with the button.
    QString heard = resultText().simplified();
    if (!resultNote_.isEmpty())
        heard += u' ' + resultNote_;
    resultNote_.clear();
    okButton_->setAccessibleDescription(heard);
    okButton_->show();
    // Enter closes the dialog at once, without a hunt for the button. The
    // window is only brought forward while the program is in front.
    okButton_->setFocus(Qt::OtherFocusReason);
    if (isVisible() && QApplication::activeWindow())
        activateWindow();
}

} // namespace korvex
