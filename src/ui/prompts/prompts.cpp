// SPDX-License-Identifier: GPL-3.0-or-later
#include "prompts.h"

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
            report = box.addButton(QStringLiteral("Save report\u2026"), QMessageBox::ActionRole);
            report->setObjectName(QStringLiteral("saveReportButton"));
            report->setAccessibleDescription(
                QStringLiteral("Saves one file with what someone who helps needs: the system, "
                               "the ports and the last transfer."));
        }
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        giveBackKeyboard(parent);
        return report && box.clickedButton() == report ? MessageAnswer::SaveReport
                                                       : MessageAnswer::Ok;
    }

private:
    // Where no window manager hands the keyboard back to the window a dialog
    // came from, the focus would be nowhere.
    static void giveBackKeyboard(QWidget* parent) {
        if (parent)
            parent->window()->activateWindow();
    }
};

} // namespace

std::unique_ptr<Prompts> makeDialogPrompts() {
    return std::make_unique<DialogPrompts>();
}

} // namespace korvex
