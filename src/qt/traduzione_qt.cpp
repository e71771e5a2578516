#include "qt/traduzione_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quadrivo {

bool caricaTraduzioneQt(QCoreApplication& app) {
    // The program speaks Italian whatever the desktop's language is.
    auto* traduttore = new QTranslator(&app);
    if (!traduttore->load(QLocale(QLocale::Italian, QLocale::Italy), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduttore;
        return false;
    }
    return QCoreApplication::installTranslator(traduttore);
}

}  // namespace quadrivo
