// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <optional>

namespace korvex {

// The catalogue names a language asks for, most specific first: "de_AT.UTF-8"
// gives de_AT, then de. The C and POSIX locales ask for none (the program's
// own words are English).
QStringList catalogueLanguages(const QString& language);

// The language a user asked for outright: "--lang NAME" (or "--lang=NAME")
// among the arguments, else KORVEX_LANG, else nothing (the system's locale).
std::optional<QString> requestedLanguage(const QStringList& arguments,
                                         const QString& environmentValue);

// The arguments without "--lang NAME", for a parser that does not know it.
QStringList withoutLanguageOption(const QStringList& arguments);

// Folders holding korvex_*.qm: beside the program (a build tree, Windows),
// then the installed data folder.
QStringList programCatalogueFolders();
// Folders holding Qt's own qtbase_*.qm: Qt's, then beside the program.
QStringList qtCatalogueFolders();

// The program's catalogue and Qt's, installed into the running application
// for as long as this lives.
class Translations {
public:
    // A language given by name, or the system's locale when none is.
    explicit Translations(const std::optional<QString>& language);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The .qm files that were loaded, for --version and the tests.
    QStringList loadedFiles() const;

private:
    void install(std::unique_ptr<QTranslator> translator);

    std::vector<std::unique_ptr<QTranslator>> installed_;
};

// Loads the catalogue PREFIX for LANGUAGE (or the system locale) from the
// first of FOLDERS that holds one; null when none does.
std::unique_ptr<QTranslator> loadCatalogue(const QString& prefix,
                                           const std::optional<QString>& language,
                                           const QStringList& folders);

} // namespace korvex
