#include "dialogs/libreria.h"

#include <QDir>
#include <QStringList>
#include <algorithm>
#include <cstdio>

#include "archivio/indice.h"
#include "dialogs/cartelle.h"
#include "model/file.h"

namespace quadrivo {

namespace {

constexpr const char* chiaveCartelle = "archivio/cartelle";

std::string pulito(const std::string& c) { return QDir::cleanPath(QDir(QString::fromStdString(c)).absolutePath()).toStdString(); }

}  // namespace

std::vector<std::string> cartelleAggiunte(const Impostazioni& impostazioni) {
    std::vector<std::string> v;
    for (const QString& c : impostazioni.opzione(chiaveCartelle).toStringList()) v.push_back(c.toStdString());
    return v;
}

std::vector<std::string> cartelleLibreria(const Impostazioni& impostazioni) {
    std::vector<std::string> v{pulito(cartellaCruciverba())};
    for (const std::string& c : cartelleAggiunte(impostazioni))
        if (std::find(v.begin(), v.end(), pulito(c)) == v.end()) v.push_back(pulito(c));
    return v;
}

void aggiungiCartellaLibreria(Impostazioni& impostazioni, const std::string& cartella) {
    QStringList l = impostazioni.opzione(chiaveCartelle).toStringList();
    const QString c = QString::fromStdString(pulito(cartella));
    if (l.contains(c)) return;
    l << c;
    impostazioni.salvaOpzione(chiaveCartelle, l);
}

void togliCartellaLibreria(Impostazioni& impostazioni, const std::string& cartella) {
    QStringList l = impostazioni.opzione(chiaveCartelle).toStringList();
    l.removeAll(QString::fromStdString(pulito(cartella)));
    impostazioni.salvaOpzione(chiaveCartelle, l);
}

std::vector<VoceLibreria> aggiornaLibreria(Registro& registro, const Impostazioni& impostazioni) {
    indicizza(registro, cartelleLibreria(impostazioni), fileRecenti(impostazioni));
    return vociLibreria(registro.schemi(), registro.partite());
}

std::string esportaCsv(const std::vector<VoceLibreria>& voci, const std::string& percorso) {
    const std::string testo = testoCsv(voci);
    if (percorso == "-") {
        return std::fwrite(testo.data(), 1, testo.size(), stdout) == testo.size() && std::fflush(stdout) == 0
                   ? std::string{}
                   : "impossibile scrivere sull'uscita standard";
    }
    const EsitoScrittura esito = scriviFileSicuro(percorso, testo);
    if (esito) return {};
    return messaggioScrittura(percorso, esito, "Impossibile scrivere " + percorso + ".");
}

int statisticheDaRigaDiComando(const std::string& percorso) {
    Registro registro(cartellaDatiGiocatore());
    const Impostazioni impostazioni(Cartelle{});
    const std::vector<VoceLibreria> voci = aggiornaLibreria(registro, impostazioni);
    if (!registro.errore().empty())
        std::fprintf(stderr, "quadrivo: i dati del giocatore non sono aggiornati: %s\n", registro.errore().c_str());
    const std::string errore = esportaCsv(voci, percorso);
    if (errore.empty()) return 0;
    std::fprintf(stderr, "quadrivo: %s\n", errore.c_str());
    return 1;
}

}  // namespace quadrivo
