#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace turnix {

namespace {

const QString BuiltInTranslations = QStringLiteral(":/i18n");

bool InstallOne(QCoreApplication& app, const QLocale& locale, const QString& name,
                const QStringList& folders) {
    auto translator = std::make_unique<QTranslator>(&app);
    for (const QString& folder : folders) {
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator.release());
            return true;
        }
    }
    return false;
}

} // namespace

bool InstallTranslations(QCoreApplication& app, const QLocale& locale) {
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    // The first language the user names that we speak wins; English needs
    // no file, so it ends the search.
    for (const QString& language : locale.uiLanguages()) {
        if (language.startsWith(QStringLiteral("en")) || language == QStringLiteral("C")) {
            return false;
        }
        const QLocale one(language);
        if (InstallOne(app, one, QStringLiteral("turnix"), {beside, BuiltInTranslations})) {
            InstallOne(app, one, QStringLiteral("qtbase"),
                       {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
            return true;
        }
    }
    return false;
}

QStringList TranslatedLanguages() {
    QStringList languages;
    for (const QString& file :
         QDir(BuiltInTranslations).entryList({QStringLiteral("turnix_*.qm")})) {
        languages << file.mid(7, file.size() - 10);
    }
    return languages;
}

} // namespace turnix
