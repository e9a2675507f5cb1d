#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installQtTranslation(QCoreApplication& app, const QLocale& locale) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(&app);
    // Qt's widgets' texts are in "qtbase". Where the user's country has no
    // translation of its own, the language's main one serves: Portuguese has
    // only Brazil's, which is also the program's own Portuguese.
    for (const QLocale& candidate : {locale, QLocale(locale.language())}) {
        if (translator->load(candidate, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}
