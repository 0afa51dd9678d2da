// SPDX-License-Identifier: GPL-3.0-or-later
#include "prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QPushButton>
#include <QStringList>

namespace korvex {
namespace {

class DialogPrompts final : public Prompts {
public:
    std::optional<QString> chooseFile(QWidget* parent, const FileRequest& request) override {
        QFileDialog dialog(parent, request.title, request.directory);
        const bool save = request.kind == FileRequest::Kind::Save;
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        // A name typed for Load that names no file is the program's to refuse,
        // in its own box with the system's reason, not the dialog's.
        dialog.setFileMode(QFileDialog::AnyFile);
        // Qt's own dialog on every desktop, so the filter labels read exactly
        // as given; the patterns stay out of sight.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);

        // Qt shows a filter without the last "(...)", which holds its patterns.
        QStringList filters;
        for (const FileFilter& filter : request.filters)
            filters << QStringLiteral("%1 (%2)").arg(filter.label, filter.pattern);
        dialog.setNameFilters(filters);
        if (!filters.isEmpty())
            dialog.selectNameFilter(filters.front());
        dialog.selectFile(request.fileName);

        const int answer = dialog.exec();
        giveBackKeyboard(parent);
        if (answer != QDialog::Accepted)
            return std::nullopt;
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.isEmpty())
            return std::nullopt;
        return chosen.front();
    }

    void showMessage(QWidget* parent, const MessageRequest& message) override {
        askMessage(parent, message);
    }

    MessageAnswer askMessage(QWidget* parent, const MessageRequest& message) override {
        QMessageBox box(message.icon, message.title, message.text, QMessageBox::Ok, parent);
        // Messages quote what a file held; as rich text an <img> in it would
        // make the box read any file it names, /dev/zero included.
        box.setTextFormat(Qt::PlainText);
        if (!message.details.isEmpty())
            box.setDetailedText(message.details);
        QPushButton* report = nullptr;
        if (message.offerReport) {
            report = box.addButton(QCoreApplication::translate("Prompts", "Save report…"),
                                   QMessageBox::ActionRole);
            report->setObjectName(QStringLiteral("saveReportButton"));
            report->setAccessibleDescription(QCoreApplication::translate(
                "Prompts", "Saves one file with what someone who helps needs: the system, "
                           "the ports and the last transfer."));
        }
        // A screen reader reads the text and the focused OK; the buttons
        // beside it ("Show Details...", "Save report…") it would never mention.
        QStringList offered;
        for (QAbstractButton* button : box.buttons()) {
            if (box.buttonRole(button) == QMessageBox::ActionRole)
                offered << u'"' + button->text() + u'"';
        }
        if (!offered.isEmpty())
            box.button(QMessageBox::Ok)
                ->setAccessibleDescription(
                    QCoreApplication::translate("Prompts", "The box also offers %1.")
                        .arg(offered.join(QCoreApplication::translate("Prompts", " and "))));
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        giveBackKeyboard(parent);
        return report && box.clickedButton() == report ? MessageAnswer::SaveReport
                                                       : MessageAnswer::Ok;
    }

private:
    // The keyboard back to the window a dialog came from. Where no window
    // manager hands it back, the focus would be nowhere. One quick to hand it
    // back may do so while the dialog still holds the window modal: Qt then
    // takes the handover as blocked and leaves no window active, though the
    // keys reach this one, and a screen reader never hears the window come
    // back nor what opens from it next. That handover is completed here.
    static void giveBackKeyboard(QWidget* parent) {
        if (!parent)
            return;
        QWidget* window = parent->window();
        window->activateWindow();
        if (!QApplication::activeWindow() && window->windowHandle() &&
            QGuiApplication::focusWindow() == window->windowHandle())
            QApplication::setActiveWindow(window);
    }
};

} // namespace

std::unique_ptr<Prompts> makeDialogPrompts() {
    return std::make_unique<DialogPrompts>();
}

} // namespace korvex
