#include "core/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tidewick {

namespace {
const QString kTranslations = QStringLiteral(":/translations");

// The first of the user's languages that is English or has a translation.
QLocale chosenLanguage()
{
    for (const QString &language : QLocale::system().uiLanguages()) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return QLocale(QLocale::English);
        QTranslator probe;
        if (probe.load(QStringLiteral("tidewick_") + locale.name(), kTranslations)
            || probe.load(QStringLiteral("tidewick_") + QLocale::languageToCode(locale.language()), kTranslations))
            return locale;
    }
    return QLocale(QLocale::English);
}

void install(QCoreApplication &application, const QString &file, const QString &folder, const QLocale &locale)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(locale, file, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
} // namespace

void installEnglishPlurals(QCoreApplication &application)
{
    install(application, QStringLiteral("tidewick"), kTranslations, QLocale(QLocale::English));
}

void installTranslation(QCoreApplication &application)
{
    const QLocale locale = chosenLanguage();
    if (locale.language() == QLocale::English) {
        installEnglishPlurals(application);
        return;
    }
    install(application, QStringLiteral("tidewick"), kTranslations, locale);
    install(application, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), locale);
}

} // namespace tidewick
