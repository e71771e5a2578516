#include "archivio/indice.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>

#include "formats/formato.h"
#include "model/file.h"

namespace quadrivo {

namespace {

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Anything larger is no puzzle a player made: it is listed, not read.
constexpr std::int64_t massimoByte = 16 * 1024 * 1024;
constexpr size_t righePerTransazione = 500;

QStringList filtri() {
    QStringList f;
    for (const Formato* formato : formati())
        for (const std::string& e : formato->estensioni()) f << "*." + q(e);
    return f;
}

FileTrovato trovato(const QFileInfo& i) {
    return {QDir::cleanPath(i.absoluteFilePath()).toStdString(), i.size(), i.lastModified().toMSecsSinceEpoch()};
}

}  // namespace

std::vector<FileTrovato> trovaFile(const std::vector<std::string>& cartelle, const std::vector<std::string>& recenti) {
    std::map<std::string, FileTrovato> tutti;
    const QStringList f = filtri();
    for (const std::string& c : cartelle) {
        if (c.empty()) continue;
        QDirIterator it(q(c), f, QDir::Files | QDir::Readable, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const FileTrovato t = trovato(it.fileInfo());
            tutti.emplace(t.percorso, t);
        }
    }
    for (const std::string& r : recenti) {
        const QFileInfo i(q(r));
        if (!r.empty() && i.isFile()) {
            const FileTrovato t = trovato(i);
            tutti.emplace(t.percorso, t);
        }
    }
    std::vector<FileTrovato> v;
    v.reserve(tutti.size());
    for (auto& [p, t] : tutti) v.push_back(std::move(t));
    return v;
}

PianoIndice pianoIndice(const std::vector<FileTrovato>& trovati, const std::vector<SchemaIndicizzato>& noti) {
    std::unordered_map<std::string, const SchemaIndicizzato*> perPercorso;
    for (const SchemaIndicizzato& x : noti) perPercorso.emplace(x.percorso, &x);
    PianoIndice piano;
    std::set<std::string> visti;
    for (const FileTrovato& t : trovati) {
        visti.insert(t.percorso);
        const auto n = perPercorso.find(t.percorso);
        if (n == perPercorso.end() || n->second->dimensione != t.dimensione || n->second->modificato != t.modificato)
            piano.daLeggere.push_back(t);
    }
    for (const SchemaIndicizzato& x : noti)
        if (!visti.count(x.percorso)) piano.spariti.push_back(x.percorso);
    return piano;
}

SchemaIndicizzato schemaDa(const FileTrovato& file, std::string_view dati, const SchemaIndicizzato* noto) {
    const std::string hash =
        QCryptographicHash::hash(QByteArrayView(dati.data(), static_cast<qsizetype>(dati.size())),
                                 QCryptographicHash::Sha1)
            .toHex()
            .toStdString();
    SchemaIndicizzato x;
    // Touched but the same bytes: what was read then still holds.
    if (noto && noto->hash == hash) x = *noto;
    x.percorso = file.percorso;
    x.dimensione = file.dimensione;
    x.modificato = file.modificato;
    if (noto && noto->hash == hash) return x;
    x.hash = hash;
    const Lettura l = leggiCruciverba(file.percorso, dati);
    x.formato = l.esito == EsitoLettura::ok ? l.cruciverba.formato : formatoPerFile(file.percorso, dati).nome();
    x.titolo = QFileInfo(q(file.percorso)).completeBaseName().toStdString();
    if (l.esito != EsitoLettura::ok) {
        x.errore = l.spiegazione.empty() ? "il file non è un cruciverba che Quadrivo sa leggere" : l.spiegazione;
        return x;
    }
    const Cruciverba& c = l.cruciverba;
    if (!c.titolo.empty()) x.titolo = c.titolo;
    x.variante = "cruciverba";
    x.colonne = c.colonne();
    x.righe = c.righe();
    x.miniatura.reserve(static_cast<size_t>(c.colonne() * c.righe()));
    for (int r = 1; r <= c.righe(); ++r)
        for (int k = 1; k <= c.colonne(); ++k) {
            const Cella& cella = c.cella(k, r);
            if (cella.tipo == TipoCella::nera) x.miniatura += '#';
            else if (cella.tipo == TipoCella::vuota) x.miniatura += ' ';
            else {
                ++x.riassunto.bianche;
                const bool piena = !cella.voce.empty();
                x.riassunto.piene += piena ? 1 : 0;
                x.miniatura += piena ? 'a' : '.';
            }
        }
    x.riassunto.risolto = risolto(c);
    x.impronta = improntaSoluzione(c);
    return x;
}

SchemaIndicizzato leggiSchema(const FileTrovato& file, const SchemaIndicizzato* noto) {
    if (file.dimensione > massimoByte) {
        SchemaIndicizzato x;
        x.percorso = file.percorso, x.dimensione = file.dimensione, x.modificato = file.modificato;
        x.titolo = QFileInfo(q(file.percorso)).completeBaseName().toStdString();
        x.errore = "il file è troppo grande per essere un cruciverba";
        return x;
    }
    const std::optional<std::string> dati = leggiFile(file.percorso);
    if (!dati) {
        SchemaIndicizzato x;
        x.percorso = file.percorso, x.dimensione = file.dimensione, x.modificato = file.modificato;
        x.titolo = QFileInfo(q(file.percorso)).completeBaseName().toStdString();
        x.errore = "impossibile leggere il file";
        return x;
    }
    return schemaDa(file, *dati, noto);
}

EsitoIndice indicizza(Registro& registro, const std::vector<std::string>& cartelle,
                      const std::vector<std::string>& recenti, const std::function<void(int, int)>& progresso,
                      const std::atomic<bool>* basta) {
    EsitoIndice esito;
    const std::vector<FileTrovato> trovati = trovaFile(cartelle, recenti);
    const std::vector<SchemaIndicizzato> noti = registro.schemi();
    const PianoIndice piano = pianoIndice(trovati, noti);
    esito.trovati = static_cast<int>(trovati.size());
    esito.spariti = static_cast<int>(piano.spariti.size());
    std::unordered_map<std::string, const SchemaIndicizzato*> perPercorso;
    for (const SchemaIndicizzato& x : noti) perPercorso.emplace(x.percorso, &x);
    std::vector<SchemaIndicizzato> lotto;
    std::vector<std::string> spariti = piano.spariti;
    const int totale = static_cast<int>(piano.daLeggere.size());
    if (progresso) progresso(0, totale);
    for (const FileTrovato& f : piano.daLeggere) {
        if (basta && basta->load()) {
            esito.interrotto = true;
            break;
        }
        const auto n = perPercorso.find(f.percorso);
        lotto.push_back(leggiSchema(f, n == perPercorso.end() ? nullptr : n->second));
        ++esito.letti;
        if (!lotto.back().errore.empty()) ++esito.errori;
        // Written in batches: a pass cut short keeps what it read.
        if (lotto.size() >= righePerTransazione) {
            esito.scritto = registro.aggiornaSchemi(lotto, spariti) && esito.scritto;
            lotto.clear(), spariti.clear();
        }
        if (progresso) progresso(esito.letti, totale);
    }
    esito.scritto = registro.aggiornaSchemi(lotto, spariti) && esito.scritto;
    return esito;
}

}  // namespace quadrivo
