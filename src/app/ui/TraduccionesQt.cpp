#include "app/ui/TraduccionesQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace natalis {

QTranslator* CargarTraduccionesQt(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    // qtbase holds the texts of the widgets, the standard dialogs and their buttons.
    if (!translator->load(QLocale(QLocale::Spanish), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace natalis
