#include "solving/partita.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <cmath>
#include <set>
#include <utility>

#include "model/file.h"
#include "model/testo.h"
#include "model/tipo_file.h"

namespace quadrivo {

namespace {

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr double massimoMillisecondi = 1e15;  // some 31,000 years: anything beyond is damage

// A whole number in [minimo, massimo], or -1.
long long intero(const QJsonValue& v, long long minimo, long long massimo) {
    if (!v.isDouble()) return -1;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < static_cast<double>(minimo) || d > static_cast<double>(massimo))
        return -1;
    return static_cast<long long>(d);
}

bool casellaDa(const QJsonArray& a, Casella& k) {
    const long long c = intero(a.at(0), 1, maxLatoCruciverba);
    const long long r = intero(a.at(1), 1, maxLatoCruciverba);
    if (c < 0 || r < 0) return false;
    k = {static_cast<int>(c), static_cast<int>(r)};
    return true;
}

bool letteraSegnabile(long long codice) { return codice > ' ' && codice <= 255 && codice != '.' && codice != '*'; }

// A marked letter: its Windows-1252 code as the archive always kept it, or the letters as text
// for those the code page lacks.
std::string letteraDa(const QJsonValue& v) {
    if (v.isString()) return v.toString().trimmed().toStdString();
    const long long codice = intero(v, 0, 255);
    return letteraSegnabile(codice) ? daWindows1252(std::string(1, static_cast<char>(codice))) : std::string{};
}

QJsonValue valoreLettera(const std::string& lettera) {
    const std::string b = aWindows1252(lettera);
    if (b.size() == 1 && b != "?" && daWindows1252(b) == lettera) return static_cast<int>(static_cast<unsigned char>(b[0]));
    return q(lettera);
}

Partita partitaDa(const QJsonObject& o) {
    Partita p;
    const long long ms = intero(o.value("millisecondi"), 0, static_cast<long long>(massimoMillisecondi));
    p.millisecondi = ms < 0 ? 0 : ms;
    for (const QJsonValue& v : o.value("segni").toArray()) {
        const QJsonArray a = v.toArray();
        Casella k;
        const std::string lettera = letteraDa(a.at(2));
        if (a.size() == 3 && casellaDa(a, k) && !lettera.empty()) p.segni[k] = lettera;
    }
    for (const char* chiave : {"rivelate", "matita"})
        for (const QJsonValue& v : o.value(chiave).toArray()) {
            const QJsonArray a = v.toArray();
            Casella k;
            if (a.size() == 2 && casellaDa(a, k)) (*chiave == 'r' ? p.rivelate : p.matita).insert(k);
        }
    for (const QJsonValue& v : o.value("lettereMatita").toArray()) {
        const QJsonArray a = v.toArray();
        Casella k;
        const std::string lettere = a.at(2).toString().trimmed().toStdString();
        if (a.size() == 3 && casellaDa(a, k) && !lettere.empty()) p.lettereMatita[k] = lettere;
    }
    return p;
}

QJsonObject oggettoDa(const VoceArchivio& v) {
    QJsonArray segni, rivelate, matita, lettereMatita;
    for (const auto& [k, lettera] : v.partita.segni)
        segni.append(QJsonArray{k.colonna, k.riga, valoreLettera(lettera)});
    for (const Casella& k : v.partita.rivelate) rivelate.append(QJsonArray{k.colonna, k.riga});
    for (const Casella& k : v.partita.matita) matita.append(QJsonArray{k.colonna, k.riga});
    for (const auto& [k, lettere] : v.partita.lettereMatita) lettereMatita.append(QJsonArray{k.colonna, k.riga, q(lettere)});
    QJsonObject o;
    o.insert("percorso", q(v.percorso));
    o.insert("impronta", q(v.impronta));
    o.insert("millisecondi", static_cast<double>(v.partita.millisecondi));
    o.insert("segni", segni);
    o.insert("rivelate", rivelate);
    if (!matita.isEmpty()) o.insert("matita", matita);
    if (!lettereMatita.isEmpty()) o.insert("lettereMatita", lettereMatita);
    return o;
}

}  // namespace

std::string improntaSoluzione(const Cruciverba& x) {
    // Each cell's solution in the archive's code page, "*" for a black one: the fingerprints
    // kept before multi-letter cells stay valid.
    QByteArray testo = QByteArray::number(x.colonne()) + "x" + QByteArray::number(x.righe()) + "\n";
    for (int r = 1; r <= x.righe(); ++r) {
        for (int c = 1; c <= x.colonne(); ++c) {
            const Cella& k = x.cella(c, r);
            if (k.tipo == TipoCella::nera) testo += '*';
            else if (k.bianca()) testo += QByteArray::fromStdString(aWindows1252(k.soluzione));
        }
        testo += '\n';
    }
    return QCryptographicHash::hash(testo, QCryptographicHash::Sha256).toHex().toStdString();
}

std::vector<VoceArchivio> leggiArchivio(std::string_view dati) {
    std::vector<VoceArchivio> voci;
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray(dati.data(), static_cast<qsizetype>(dati.size())));
    std::set<std::string> visti;
    for (const QJsonValue& v : doc.object().value("partite").toArray()) {
        if (voci.size() >= maxPartite) break;
        const QJsonObject o = v.toObject();
        VoceArchivio voce{o.value("percorso").toString().toStdString(), o.value("impronta").toString().toStdString(),
                          partitaDa(o)};
        // The first entry of a path is its most recent one.
        if (voce.percorso.empty() || voce.impronta.empty() || !visti.insert(voce.percorso).second) continue;
        voci.push_back(std::move(voce));
    }
    return voci;
}

std::string testoArchivio(const std::vector<VoceArchivio>& voci) {
    QJsonArray partite;
    for (const VoceArchivio& v : voci) partite.append(oggettoDa(v));
    QJsonObject radice;
    radice.insert("versione", 1);
    radice.insert("partite", partite);
    return QJsonDocument(radice).toJson(QJsonDocument::Indented).toStdString();
}

std::string testoPartita(const Partita& partita) {
    QJsonObject o = oggettoDa({{}, {}, partita});
    o.remove("percorso"), o.remove("impronta");
    return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString();
}

Partita leggiPartita(std::string_view testo) {
    return partitaDa(QJsonDocument::fromJson(QByteArray(testo.data(), static_cast<qsizetype>(testo.size()))).object());
}

std::string percorsoAssoluto(const std::string& percorso) {
    if (percorso.empty()) return {};
    return QDir::cleanPath(QFileInfo(q(percorso)).absoluteFilePath()).toStdString();
}

ArchivioPartite::ArchivioPartite(std::string cartella) : cartella_(std::move(cartella)) {}

std::string ArchivioPartite::percorsoFile() const {
    return QDir(q(cartella_)).filePath(nomeArchivioPartite).toStdString();
}

Partita ArchivioPartite::leggi(const std::string& percorsoCruciverba, const std::string& impronta) const {
    const std::optional<std::string> dati = leggiFile(percorsoFile());
    if (!dati) return {};
    const std::string chiave = percorsoAssoluto(percorsoCruciverba);
    for (const VoceArchivio& v : leggiArchivio(*dati))
        if (v.percorso == chiave) return v.impronta == impronta ? v.partita : Partita{};
    return {};
}

void PartitaInCorso::inizia(const Cruciverba& s, const Partita& salvata, std::int64_t adesso) {
    segni_ = salvata.segni;
    aggiornaSegni(segni_, s);
    rivelate_ = salvata.rivelate;
    completamento_.reimposta(s);
    cronometro_.riparti(adesso, salvata.millisecondi);
    if (completamento_.notato()) cronometro_.sospendi(Sosta::risolto, adesso);
}

bool PartitaInCorso::dopoModifica(const Cruciverba& s, std::int64_t adesso) {
    aggiornaSegni(segni_, s);
    if (!completamento_.controlla(s)) return false;
    cronometro_.sospendi(Sosta::risolto, adesso);
    return true;
}

std::vector<Casella> PartitaInCorso::controlla(const Cruciverba& s, const std::vector<Casella>& caselle) {
    return segnaErrori(segni_, s, caselle);
}

std::vector<Scrittura> PartitaInCorso::rivela(const Cruciverba& s, const std::vector<Casella>& caselle) {
    std::vector<Scrittura> scritture = rivelazione(s, caselle);
    registraRivelate(rivelate_, scritture);
    return scritture;
}

void PartitaInCorso::azzera(const Cruciverba& s, std::int64_t adesso) {
    segni_.clear();
    rivelate_.clear();
    completamento_.reimposta(s);
    cronometro_.riparti(adesso);
}

FotoPartita PartitaInCorso::foto(std::int64_t adesso) const {
    return {cronometro_.trascorsi(adesso), segni_, rivelate_, completamento_.notato()};
}

void PartitaInCorso::torna(const FotoPartita& meta, const FotoPartita& lasciata, std::int64_t adesso) {
    segni_ = meta.segni;
    rivelate_ = meta.rivelate;
    completamento_.imposta(meta.risolto);
    if (meta.risolto) {
        cronometro_.imposta(adesso, meta.millisecondi);
        cronometro_.sospendi(Sosta::risolto, adesso);
        return;
    }
    cronometro_.imposta(adesso, cronometro_.trascorsi(adesso) + meta.millisecondi - lasciata.millisecondi);
    cronometro_.riprendi(Sosta::risolto, adesso);
}

Partita PartitaInCorso::partita(std::int64_t adesso) const {
    return {cronometro_.trascorsi(adesso), segni_, rivelate_, {}, {}};
}

std::string PartitaInCorso::messaggio(const Cruciverba& s, std::int64_t adesso) const {
    return messaggioVerifica(s, cronometro_.trascorsi(adesso), static_cast<long long>(rivelate_.size()));
}

}  // namespace quadrivo
