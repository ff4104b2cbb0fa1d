#pragma once
// The window's language: its own texts from the translations built into the program (":/i18n"), and
// Qt's own for the standard buttons and dialogs, in the same language. Without a translation for the
// locale the window stays in English. Only what the window shows changes: the settings files, the
// report and what goes to the radio are the same in every language.

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace klt {

// Installs on the application the translators for the first of the locale's languages that the
// program has a translation for; they live as long as the application. Returns the language used
// ("de_DE"), or an empty text when the window stays in English.
QString InstallWindowLanguage(QCoreApplication &application, const QLocale &locale);

} // namespace klt
