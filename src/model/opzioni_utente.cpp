#include "model/opzioni_utente.h"

#include <QSettings>
#include <QStandardPaths>

#include "model/file.h"
#include "model/tipo_file.h"

namespace quadrivo {

namespace {

bool usabili() {
    const TipoFile t = tipoFile(percorsoDaQt(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                             "/Quadrivo/Quadrivo.conf"));
    return t == TipoFile::mancante || t == TipoFile::regolare;
}

QSettings impostazioni() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quadrivo", "Quadrivo"); }

}  // namespace

QVariant valoreUtente(const char* chiave, const QVariant& predefinito) {
    return usabili() ? impostazioni().value(chiave, predefinito) : predefinito;
}

void salvaValoreUtente(const char* chiave, const QVariant& valore) {
    if (usabili()) impostazioni().setValue(chiave, valore);
}

void cancellaValoreUtente(const char* chiave) {
    if (usabili()) impostazioni().remove(chiave);
}

}  // namespace quadrivo
