#include "dialogs/cartelle.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

#include "dialogs/apertura_schema.h"
#include "model/file.h"
#include "model/tipo_file.h"

namespace quadrivo {

namespace {

const char* const chiaveRecenti = "cartelle/recenti";
const char* const chiaveUltima = "cartelle/ultima";

bool cartella(const std::string& p) { return !p.empty() && tipoFile(p) == TipoFile::cartella; }

}  // namespace

std::string cartellaCruciverba(const std::string& casa, const std::string& documenti) {
    const bool conDocumenti = cartella(documenti) && QDir(nomeQt(documenti)) != QDir(nomeQt(casa));
    return componiPercorso(conDocumenti ? documenti : casa, "Cruciverba");
}

std::string cartellaCruciverba() {
    return cartellaCruciverba(percorsoDaQt(QDir::homePath()),
                              percorsoDaQt(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
}

bool preparaCartellaCruciverba(const std::string& cartellaProgramma, const std::string& destinazione,
                               bool installata) {
    if (!installata || tipoFile(destinazione) != TipoFile::mancante) return true;
    if (!QDir().mkpath(nomeQt(destinazione))) return false;
    const std::string archivio = componiPercorso(cartellaProgramma, cartellaArchivio);
    for (const std::string& nome : filesCruciverba(archivio))
        QFile::copy(nomeQt(componiPercorso(archivio, nome)), nomeQt(componiPercorso(destinazione, nome)));
    // Copies of read-only samples would stay read-only: they are the player's now.
    for (const QFileInfo& f : QDir(nomeQt(destinazione)).entryInfoList(QDir::Files))
        QFile::setPermissions(f.filePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                                QFileDevice::ReadOther);
    return true;
}

std::vector<std::string> conRecente(std::vector<std::string> elenco, const std::string& percorso) {
    std::erase(elenco, percorso);
    elenco.insert(elenco.begin(), percorso);
    if (elenco.size() > maxRecenti) elenco.resize(maxRecenti);
    return elenco;
}

std::vector<std::string> fileRecenti(const Impostazioni& impostazioni) {
    std::vector<std::string> r;
    for (const QString& p : impostazioni.opzione(chiaveRecenti).toStringList())
        if (tipoFile(percorsoDaQt(p)) == TipoFile::regolare) r.push_back(percorsoDaQt(p));
    return r;
}

void ricordaAperto(Impostazioni& impostazioni, const std::string& percorso) {
    bool cambiato = false;
    const std::vector<std::string> prima = fileRecenti(impostazioni), dopo = conRecente(prima, percorso);
    if (dopo != prima) {
        QStringList l;
        for (const std::string& p : dopo) l << nomeQt(p);
        impostazioni.preparaOpzione(chiaveRecenti, l);
        cambiato = true;
    }
    const std::string c = cartellaDi(percorso);
    if (cartella(c) && impostazioni.opzione(chiaveUltima).toString() != nomeQt(c)) {
        impostazioni.preparaOpzione(chiaveUltima, nomeQt(c));
        cambiato = true;
    }
    if (cambiato) impostazioni.salva();
}

void svuotaFileRecenti(Impostazioni& impostazioni) { impostazioni.cancellaOpzione(chiaveRecenti); }

std::vector<std::string> cartelleRecenti(const Impostazioni& impostazioni) {
    std::vector<std::string> r;
    for (const std::string& f : fileRecenti(impostazioni)) {
        const std::string c = cartellaDi(f);
        if (std::find(r.begin(), r.end(), c) == r.end()) r.push_back(c);
    }
    return r;
}

std::string cartellaDiPartenza(const Impostazioni& impostazioni, const std::string& altrimenti) {
    if (const std::string u = percorsoDaQt(impostazioni.opzione(chiaveUltima).toString()); cartella(u)) return u;
    if (const std::string c = cartellaCruciverba(); cartella(c)) return c;
    return altrimenti;
}

std::string cartellaDigitata(const std::string& base, const std::string& nome) {
    if (nome.empty()) return {};
    std::string p = nome;
    if (p == "~" || p.starts_with("~/")) p = percorsoDaQt(QDir::homePath()) + p.substr(1);
    if (!p.starts_with('/')) p = componiPercorso(base, p);
    if (!cartella(p)) return {};
    return percorsoDaQt(QDir::cleanPath(nomeQt(p)));
}

}  // namespace quadrivo
