// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace korvex {

// The file beside the program that makes a copy portable: the .zip carries
// it, the installer and the build do not.
inline constexpr const char* kPortableMarker = "korvex-portable.txt";

// The folders Save and Load may open in, most wanted first.
struct DialogFolders {
    QString last;      // the folder of the last file saved or loaded; empty if none
    QString program;   // the program's own folder
    QString documents; // the user's documents folder (XDG_DOCUMENTS_DIR, Documents)
};

// Where the file dialogs open: the last folder used, else the program's
// folder for a portable copy, else the documents folder, else home; never a
// folder the user cannot write (Program Files, a build folder's neighbours
// being no place for settings either).
QString dialogFolder(const DialogFolders& folders);

// Whether a new file can really be made in `folder`, found by making one:
// Windows does not tell write permission reliably through permission bits.
bool takesNewFiles(const QString& folder);

// Whether the program in `programFolder` is a portable copy.
bool isPortableCopy(const QString& programFolder);

// The last folder a file was saved to or loaded from, kept between runs in
// the user's settings (`settingsFile`, an INI file).
class RememberedFolder {
public:
    explicit RememberedFolder(QString settingsFile);
    // The user's own settings file of the program.
    static QString defaultSettingsFile();

    QString folder() const;
    void remember(const QString& filePath) const;

private:
    QString settingsFile_;
};

} // namespace korvex
