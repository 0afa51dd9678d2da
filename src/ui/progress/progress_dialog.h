// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/send_progress.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace korvex {

// The small window a transfer reports in (object name "Dialog"): the progress
// text with its growing dots, then the result and an OK button. One instance
// lives, mostly hidden, as long as the Setup window; OK and the close box
// only hide it.
class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* parent = nullptr);

    // The text a finished transfer leaves, line breaks as CR LF.
    static QString resultText();

    // A transfer opened the port: the progress text, without OK.
    void showStarted(const SendTarget& target);
    // One more dot for the step that begins.
    void showStep(int step);
    // Every write went out: the result text and OK.
    void showCompleted();
    // What a screen reader hears after the result of the next transfer (the
    // GPSless state, say); the window shows the result alone.
    void setResultNote(const QString& note) { resultNote_ = note; }

    // The text shown, line breaks as CR LF.
    QString infoText() const { return info_; }

    void setVisible(bool visible) override;

private:
    void setInfo(const QString& text);

    QLabel* lblInfo_;
    QPushButton* okButton_;
    QString info_;
    QString sending_; // the progress text before its step dots
    QString resultNote_;
};

} // namespace korvex
