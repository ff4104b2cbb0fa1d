#include "language/window_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace klt {

QString InstallWindowLanguage(QCoreApplication &application, const QLocale &locale) {
    auto *own = new QTranslator(&application);
    // An English locale finds no file and keeps the texts as they are written.
    if (!own->load(locale, "klt", "_", ":/i18n") || own->isEmpty()) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);

    // Qt's texts in the language the window's were found in, when Qt's translations are installed.
    const QLocale language(own->language());
    auto *qt = new QTranslator(&application);
    if (qt->load(language, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    return own->language();
}

} // namespace klt
