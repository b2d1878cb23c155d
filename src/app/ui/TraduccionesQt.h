// Qt's own Spanish translations, so that the standard dialogs (files, printing, messages)
// and their buttons speak the program's language.
#pragma once

class QCoreApplication;
class QTranslator;

namespace natalis {

// Loads Qt's Spanish catalogue (Debian qt6-translations-l10n, in Qt's translations folder)
// and installs it on app. Returns the translator, a child of app, or nullptr when the
// catalogue is not there (the dialogs then stay in Qt's English).
QTranslator* CargarTraduccionesQt(QCoreApplication& app);

}  // namespace natalis
