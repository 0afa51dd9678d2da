// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace korvex {
namespace {

const QString kLanguageOption = QStringLiteral("--lang");

QString programFolder() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

} // namespace

QStringList catalogueLanguages(const QString& language) {
    // "de_AT.UTF-8@euro": the encoding and the modifier name no catalogue.
    QString name = language.section(u'.', 0, 0).section(u'@', 0, 0).trimmed();
    name.replace(u'-', u'_');
    if (name.isEmpty() || name == u"C" || name == u"POSIX")
        return {};
    QStringList names{name};
    for (qsizetype cut = name.lastIndexOf(u'_'); cut > 0; cut = name.lastIndexOf(u'_')) {
        name.truncate(cut);
        names << name;
    }
    return names;
}

std::optional<QString> requestedLanguage(const QStringList& arguments,
                                         const QString& environmentValue) {
    std::optional<QString> chosen;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--")
            break;
        if (argument == kLanguageOption && i + 1 < arguments.size())
            chosen = arguments[++i];
        else if (argument.startsWith(kLanguageOption + u'='))
            chosen = argument.mid(kLanguageOption.size() + 1);
    }
    if (!chosen && !environmentValue.isEmpty())
        chosen = environmentValue;
    return chosen;
}

QStringList withoutLanguageOption(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            kept << arguments.mid(i);
            break;
        }
        if (i > 0 && argument == kLanguageOption && i + 1 < arguments.size())
            ++i;
        else if (i == 0 || !argument.startsWith(kLanguageOption + u'='))
            kept << argument;
    }
    return kept;
}

QStringList programCatalogueFolders() {
    const QString program = programFolder();
    if (program.isEmpty())
        return {};
    return {program + QStringLiteral("/translations"),
            QDir::cleanPath(program + u'/' + QStringLiteral(KORVEX_INSTALLED_TRANSLATIONS))};
}

QStringList qtCatalogueFolders() {
    QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    if (const QString program = programFolder(); !program.isEmpty())
        folders << program + QStringLiteral("/translations");
    return folders;
}

std::unique_ptr<QTranslator> loadCatalogue(const QString& prefix,
                                           const std::optional<QString>& language,
                                           const QStringList& folders) {
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (language) {
            for (const QString& name : catalogueLanguages(*language)) {
                if (translator->load(prefix + u'_' + name, folder))
                    return translator;
            }
        } else if (translator->load(QLocale::system(), prefix, QStringLiteral("_"), folder)) {
            return translator;
        }
    }
    return nullptr;
}

Translations::Translations(const std::optional<QString>& language) {
    // Qt's catalogue first: the program's own, installed last, is asked first.
    install(loadCatalogue(QStringLiteral("qtbase"), language, qtCatalogueFolders()));
    install(loadCatalogue(QStringLiteral("korvex"), language, programCatalogueFolders()));
}

Translations::~Translations() {
    for (const auto& translator : installed_)
        QCoreApplication::removeTranslator(translator.get());
}

void Translations::install(std::unique_ptr<QTranslator> translator) {
    if (translator && QCoreApplication::installTranslator(translator.get()))
        installed_.push_back(std::move(translator));
}

QStringList Translations::loadedFiles() const {
    QStringList files;
    for (const auto& translator : installed_)
        files << translator->filePath();
    return files;
}

} // namespace korvex
