#pragma once

class QCoreApplication;
class QLocale;

// Installs Qt's own translation for the locale's language, from the folder in
// which Qt's translations are installed (Debian's qt6-translations-l10n), so
// that the few texts Qt itself shows, such as the help window's context menu,
// read in the user's language like the rest of the program. Returns whether
// one was found; without one those texts stay in English, and that is all.
bool installQtTranslation(QCoreApplication& app, const QLocale& locale);
