#include "model/opzioni_utente.h"

#include <QSettings>
#include <QStandardPaths>
#include <map>
#include <string>

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

std::map<std::string, QVariant>& sospesi() {
    static std::map<std::string, QVariant> valori;
    return valori;
}

}  // namespace

QVariant valoreUtente(const char* chiave, const QVariant& predefinito) {
    if (const auto i = sospesi().find(chiave); i != sospesi().end()) return i->second;
    return usabili() ? impostazioni().value(chiave, predefinito) : predefinito;
}

void salvaValoreUtente(const char* chiave, const QVariant& valore) {
    preparaValoreUtente(chiave, valore);
    scriviValoriUtente();
}

void preparaValoreUtente(const char* chiave, const QVariant& valore) { sospesi()[chiave] = valore; }

bool scriviValoriUtente() {
    if (sospesi().empty()) return true;
    if (!usabili()) return false;
    // What the player opened and chose is nobody else's to read: a private folder and file.
    creaCartellaPrivata(percorsoDaQt(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Quadrivo"));
    QSettings o = impostazioni();
    for (const auto& [chiave, valore] : sospesi()) o.setValue(QString::fromStdString(chiave), valore);
    o.sync();
    if (o.status() != QSettings::NoError) return false;
    rendiPrivato(percorsoDaQt(o.fileName()));
    sospesi().clear();
    return true;
}

void cancellaValoreUtente(const char* chiave) {
    sospesi().erase(chiave);
    if (usabili()) impostazioni().remove(chiave);
}

}  // namespace quadrivo
