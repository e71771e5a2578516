#include "archivio/registro.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QVariant>
#include <fcntl.h>
#include <unistd.h>

#include "model/file.h"

namespace quadrivo {

namespace {

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string s(const QVariant& v) { return v.toString().toStdString(); }

QAtomicInteger<int> contatore;

// Each version's statements, applied in order from the file's version up.
const std::vector<std::vector<const char*>>& migrazioni() {
    static const std::vector<std::vector<const char*>> m = {
        // 1: the solves with the indexed columns the library reads, the help used, the index.
        {"CREATE TABLE partite(percorso TEXT PRIMARY KEY, impronta TEXT NOT NULL, dati TEXT NOT NULL,"
         " millisecondi INTEGER NOT NULL DEFAULT 0, controlli INTEGER NOT NULL DEFAULT 0,"
         " rivelazioni INTEGER NOT NULL DEFAULT 0, bianche INTEGER NOT NULL DEFAULT 0,"
         " piene INTEGER NOT NULL DEFAULT 0, risolto INTEGER NOT NULL DEFAULT 0,"
         " aiutata INTEGER NOT NULL DEFAULT 0, iniziata INTEGER NOT NULL DEFAULT 0,"
         " risolta INTEGER NOT NULL DEFAULT 0, ultima INTEGER NOT NULL DEFAULT 0)",
         "CREATE TABLE aiuti(id INTEGER PRIMARY KEY, percorso TEXT NOT NULL, tipo INTEGER NOT NULL,"
         " quando INTEGER NOT NULL, millisecondi INTEGER NOT NULL, caselle INTEGER NOT NULL)",
         "CREATE INDEX aiuti_percorso ON aiuti(percorso)",
         "CREATE TABLE schemi(percorso TEXT PRIMARY KEY, dimensione INTEGER NOT NULL, modificato INTEGER NOT NULL,"
         " hash TEXT NOT NULL, titolo TEXT NOT NULL, formato TEXT NOT NULL, variante TEXT NOT NULL,"
         " colonne INTEGER NOT NULL, righe INTEGER NOT NULL, bianche INTEGER NOT NULL, piene INTEGER NOT NULL,"
         " risolto INTEGER NOT NULL, miniatura TEXT NOT NULL, impronta TEXT NOT NULL, errore TEXT NOT NULL)"},
    };
    return m;
}

// A transaction that rolls back unless committed.
class Transazione {
public:
    explicit Transazione(QSqlDatabase& db) : db_(db) {
        // IMMEDIATE takes the write lock at once: two windows never both read-then-write.
        // SQLite's own wait does not cover every moment another window holds the file (its log
        // being reset): a busy start is tried again for a while.
        QSqlQuery inizio(db_);
        for (int tentativo = 0; tentativo < 100; ++tentativo) {
            ok_ = inizio.exec("BEGIN IMMEDIATE");
            if (ok_ || inizio.lastError().nativeErrorCode() != "5") break;
            QThread::msleep(20);
        }
        if (!ok_) errore_ = inizio.lastError().text().toStdString();
    }
    ~Transazione() {
        if (ok_ && !fatta_) QSqlQuery(db_).exec("ROLLBACK");
    }
    bool ok() const { return ok_; }
    bool conferma() {
        QSqlQuery fine(db_);
        fatta_ = fine.exec("COMMIT");
        if (!fatta_) errore_ = fine.lastError().text().toStdString();
        return fatta_;
    }
    const std::string& errore() const { return errore_; }

private:
    QSqlDatabase& db_;
    bool ok_ = false, fatta_ = false;
    std::string errore_;
};

// SQLITE_BUSY, SQLITE_LOCKED: another connection holds the file for now.
bool occupato(const std::string& errore) { return errore.find("is locked") != std::string::npos; }

bool esegui(QSqlQuery& query, std::string& errore) {
    if (query.exec()) return true;
    errore = query.lastError().text().toStdString();
    return false;
}

RecordPartita recordDa(const QSqlQuery& r) {
    RecordPartita p;
    p.percorso = s(r.value(0));
    p.impronta = s(r.value(1));
    const std::string dati = s(r.value(2));
    p.partita = leggiPartita(dati);
    p.partita.millisecondi = r.value(3).toLongLong();
    p.controlli = r.value(4).toInt();
    p.rivelazioni = r.value(5).toInt();
    p.riassunto = {r.value(6).toInt(), r.value(7).toInt(), r.value(8).toBool(), p.controlli};
    p.aiutata = r.value(9).toBool();
    p.iniziata = r.value(10).toLongLong();
    p.risolta = r.value(11).toLongLong();
    p.ultima = r.value(12).toLongLong();
    return p;
}

constexpr const char* colonnePartite =
    "percorso, impronta, dati, millisecondi, controlli, rivelazioni, bianche, piene, risolto, aiutata, iniziata,"
    " risolta, ultima";

}  // namespace

std::string cartellaDatiGiocatore() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

Registro::Registro(std::string cartella, std::function<std::int64_t()> ora)
    : cartella_(std::move(cartella)),
      ora_(std::move(ora)),
      connessione_("registro-" + std::to_string(contatore.fetchAndAddRelaxed(1))) {}

Registro::~Registro() {
    if (QSqlDatabase::contains(q(connessione_))) {
        QSqlDatabase::database(q(connessione_), false).close();
        QSqlDatabase::removeDatabase(q(connessione_));
    }
}

std::string Registro::percorsoFile() const { return QDir(q(cartella_)).filePath(nomeRegistro).toStdString(); }

std::int64_t Registro::adesso() const { return ora_ ? ora_() : QDateTime::currentSecsSinceEpoch(); }

bool Registro::fallito(const std::string& cosa) {
    errore_ = cosa;
    return false;
}

bool Registro::apri(bool crea) {
    if (aperto_) return true;
    const QString file = q(percorsoFile());
    const bool esiste = QFileInfo::exists(file);
    const bool vecchio = QFileInfo::exists(QDir(q(cartella_)).filePath(nomeArchivioPartite));
    if (!esiste && !crea && !vecchio) return false;
    if (!esiste) {
        if (!QDir().mkpath(q(cartella_))) return fallito("impossibile creare la cartella " + cartella_);
        QFile::setPermissions(q(cartella_), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Made by us with the player's eyes only: SQLite gives its journal files the same mode.
        const int fd = ::open(file.toLocal8Bit().constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        if (fd < 0) return fallito("impossibile creare " + percorsoFile());
        ::close(fd);
    }
    QSqlDatabase db = QSqlDatabase::contains(q(connessione_)) ? QSqlDatabase::database(q(connessione_), false)
                                                               : QSqlDatabase::addDatabase("QSQLITE", q(connessione_));
    if (!db.isValid()) return fallito("il driver SQLite di Qt non è installato (libqt6sql6-sqlite)");
    db.setDatabaseName(file);
    db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=10000");
    if (!db.open()) return fallito(db.lastError().text().toStdString());
    // Two windows starting at once: turning the log on and the first migration need the file
    // alone for a moment, and SQLite does not wait for that itself.
    for (int tentativo = 0;; ++tentativo) {
        QSqlQuery pragma(db);
        // The log lets one window read while another writes; FULL syncs every commit to the disk.
        bool ok = pragma.exec("PRAGMA journal_mode=WAL") && pragma.exec("PRAGMA synchronous=FULL");
        if (!ok) fallito(pragma.lastError().text().toStdString());
        pragma.finish();
        aperto_ = ok;
        ok = ok && migra();
        if (ok) return true;
        aperto_ = false;
        if (!occupato(errore_) || tentativo >= 100) break;
        QThread::msleep(20);
    }
    db.close();
    return false;
}

int Registro::versione() {
    if (!apri(false)) return 0;
    QSqlQuery v(QSqlDatabase::database(q(connessione_), false));
    return v.exec("PRAGMA user_version") && v.next() ? v.value(0).toInt() : 0;
}

bool Registro::migra() {
    QSqlDatabase db = QSqlDatabase::database(q(connessione_), false);
    QSqlQuery v(db);
    if (!v.exec("PRAGMA user_version") || !v.next()) return fallito(v.lastError().text().toStdString());
    if (v.value(0).toInt() == versioneRegistro) return true;
    Transazione t(db);
    if (!t.ok()) return fallito(t.errore());
    // Read again under the lock: another window may have brought the file up meanwhile.
    if (!v.exec("PRAGMA user_version") || !v.next()) return fallito(v.lastError().text().toStdString());
    const int da = v.value(0).toInt();
    v.finish();
    if (da > versioneRegistro)
        return fallito(percorsoFile() + " è stato scritto da una versione più recente di Quadrivo");
    const auto& tutte = migrazioni();
    for (int n = da; n < versioneRegistro; ++n)
        for (const char* istruzione : tutte[static_cast<size_t>(n)]) {
            QSqlQuery m(db);
            if (!m.exec(istruzione)) return fallito(m.lastError().text().toStdString());
        }
    if (da == 0) {
        // The solves kept in partite.json come over once; the file stays where it was, as a backup.
        const std::optional<std::string> vecchio =
            leggiFile(QDir(q(cartella_)).filePath(nomeArchivioPartite).toStdString());
        const std::vector<VoceArchivio> voci = vecchio ? leggiArchivio(*vecchio) : std::vector<VoceArchivio>{};
        // Most recent first in the file: the order survives as the time of the last game.
        std::int64_t ultima = static_cast<std::int64_t>(voci.size());
        for (const VoceArchivio& voce : voci) {
            QSqlQuery i(db);
            i.prepare("INSERT OR IGNORE INTO partite(percorso, impronta, dati, millisecondi, rivelazioni, ultima)"
                      " VALUES(?, ?, ?, ?, ?, ?)");
            i.addBindValue(q(voce.percorso));
            i.addBindValue(q(voce.impronta));
            i.addBindValue(q(testoPartita(voce.partita)));
            i.addBindValue(static_cast<qlonglong>(voce.partita.millisecondi));
            i.addBindValue(static_cast<int>(voce.partita.rivelate.size()));
            i.addBindValue(static_cast<qlonglong>(ultima--));
            if (!esegui(i, errore_)) return false;
        }
    }
    QSqlQuery fine(db);
    if (!fine.exec("PRAGMA user_version=" + QString::number(versioneRegistro)))
        return fallito(fine.lastError().text().toStdString());
    if (!t.conferma()) return fallito(t.errore());
    return true;
}

std::optional<RecordPartita> Registro::leggi(const std::string& percorsoCruciverba, const std::string& impronta) {
    std::optional<RecordPartita> r = partita(percorsoCruciverba);
    if (r && r->impronta != impronta) r.reset();
    return r;
}

std::optional<RecordPartita> Registro::partita(const std::string& percorsoCruciverba) {
    if (!apri(false)) return std::nullopt;
    QSqlQuery r(QSqlDatabase::database(q(connessione_), false));
    r.prepare(QString("SELECT %1 FROM partite WHERE percorso = ?").arg(colonnePartite));
    r.addBindValue(q(percorsoAssoluto(percorsoCruciverba)));
    if (!esegui(r, errore_) || !r.next()) return std::nullopt;
    return recordDa(r);
}

std::vector<RecordPartita> Registro::partite() {
    std::vector<RecordPartita> tutte;
    if (!apri(false)) return tutte;
    QSqlQuery r(QSqlDatabase::database(q(connessione_), false));
    r.setForwardOnly(true);
    r.prepare(QString("SELECT %1 FROM partite ORDER BY percorso").arg(colonnePartite));
    if (!esegui(r, errore_)) return tutte;
    while (r.next()) tutte.push_back(recordDa(r));
    return tutte;
}

std::string Registro::chiavePer(const std::string& percorsoCruciverba, const std::string& impronta) {
    errore_.clear();
    const std::string chiave = percorsoAssoluto(percorsoCruciverba);
    if (chiave.empty() || impronta.empty()) return fallito("un cruciverba senza nome"), std::string();
    return apri(true) ? chiave : std::string();
}

bool Registro::scrivi(const std::string& percorsoCruciverba, const std::string& impronta, const Partita& partita,
                      const std::optional<Riassunto>& riassunto) {
    const std::string chiave = chiavePer(percorsoCruciverba, impronta);
    if (chiave.empty()) return false;
    QSqlDatabase db = QSqlDatabase::database(q(connessione_), false);
    Transazione t(db);
    if (!t.ok()) return fallito(t.errore());
    std::optional<RecordPartita> prima;
    {
        QSqlQuery r(db);
        r.prepare(QString("SELECT %1 FROM partite WHERE percorso = ?").arg(colonnePartite));
        r.addBindValue(q(chiave));
        if (!esegui(r, errore_)) return false;
        if (r.next()) prima = recordDa(r);
    }
    const std::int64_t ora = adesso();
    RecordPartita n;
    // Another solution under the same name is another puzzle: its help and dates start again.
    if (prima && prima->impronta == impronta) n = *prima;
    n.percorso = chiave;
    n.impronta = impronta;
    n.partita = partita;
    n.rivelazioni = static_cast<int>(partita.rivelate.size());
    if (riassunto) {
        n.controlli = riassunto->controlli;
        if (riassunto->risolto && !n.riassunto.risolto) {
            n.risolta = ora;
            n.aiutata = n.controlli > 0 || n.rivelazioni > 0;
        }
        if (!riassunto->risolto) n.risolta = 0, n.aiutata = false;
        n.riassunto = *riassunto;
    }
    if (n.iniziata == 0) n.iniziata = ora;
    n.ultima = ora;
    QSqlQuery w(db);
    w.prepare(QString("INSERT OR REPLACE INTO partite(%1) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                  .arg(colonnePartite));
    for (const QVariant& v : {QVariant(q(n.percorso)), QVariant(q(n.impronta)), QVariant(q(testoPartita(n.partita))),
                              QVariant(static_cast<qlonglong>(n.partita.millisecondi)), QVariant(n.controlli),
                              QVariant(n.rivelazioni), QVariant(n.riassunto.bianche), QVariant(n.riassunto.piene),
                              QVariant(n.riassunto.risolto ? 1 : 0), QVariant(n.aiutata ? 1 : 0),
                              QVariant(static_cast<qlonglong>(n.iniziata)), QVariant(static_cast<qlonglong>(n.risolta)),
                              QVariant(static_cast<qlonglong>(n.ultima))})
        w.addBindValue(v);
    if (!esegui(w, errore_)) return false;
    return t.conferma() || fallito(t.errore());
}

bool Registro::registraAiuto(const std::string& percorsoCruciverba, const std::string& impronta, Aiuto aiuto,
                             std::int64_t millisecondi, int caselle, std::optional<std::int64_t> quando) {
    const std::string chiave = chiavePer(percorsoCruciverba, impronta);
    if (chiave.empty()) return false;
    QSqlDatabase db = QSqlDatabase::database(q(connessione_), false);
    Transazione t(db);
    if (!t.ok()) return fallito(t.errore());
    QSqlQuery i(db);
    i.prepare("INSERT INTO aiuti(percorso, tipo, quando, millisecondi, caselle) VALUES(?, ?, ?, ?, ?)");
    i.addBindValue(q(chiave));
    i.addBindValue(static_cast<int>(aiuto));
    i.addBindValue(static_cast<qlonglong>(quando.value_or(adesso())));
    i.addBindValue(static_cast<qlonglong>(millisecondi));
    i.addBindValue(caselle);
    if (!esegui(i, errore_)) return false;
    return t.conferma() || fallito(t.errore());
}

bool Registro::nuovoTentativo(const std::string& percorsoCruciverba) {
    errore_.clear();
    if (!apri(false)) return true;
    QSqlDatabase db = QSqlDatabase::database(q(connessione_), false);
    Transazione t(db);
    if (!t.ok()) return fallito(t.errore());
    QSqlQuery u(db);
    u.prepare("UPDATE partite SET controlli = 0, rivelazioni = 0, risolto = 0, aiutata = 0, risolta = 0"
              " WHERE percorso = ?");
    u.addBindValue(q(percorsoAssoluto(percorsoCruciverba)));
    if (!esegui(u, errore_)) return false;
    return t.conferma() || fallito(t.errore());
}

std::vector<Registro::AiutoRegistrato> Registro::aiuti() {
    std::vector<AiutoRegistrato> tutti;
    if (!apri(false)) return tutti;
    QSqlQuery r(QSqlDatabase::database(q(connessione_), false));
    r.setForwardOnly(true);
    if (!r.exec("SELECT percorso, tipo, quando, millisecondi, caselle FROM aiuti ORDER BY id")) return tutti;
    while (r.next())
        tutti.push_back({s(r.value(0)), r.value(1).toInt() == 2 ? Aiuto::rivelazione : Aiuto::controllo,
                         r.value(2).toLongLong(), r.value(3).toLongLong(), r.value(4).toInt()});
    return tutti;
}

std::vector<SchemaIndicizzato> Registro::schemi() {
    std::vector<SchemaIndicizzato> tutti;
    if (!apri(false)) return tutti;
    QSqlQuery r(QSqlDatabase::database(q(connessione_), false));
    r.setForwardOnly(true);
    if (!r.exec("SELECT percorso, dimensione, modificato, hash, titolo, formato, variante, colonne, righe, bianche,"
                " piene, risolto, miniatura, impronta, errore FROM schemi ORDER BY percorso"))
        return tutti;
    while (r.next()) {
        SchemaIndicizzato x;
        x.percorso = s(r.value(0));
        x.dimensione = r.value(1).toLongLong();
        x.modificato = r.value(2).toLongLong();
        x.hash = s(r.value(3));
        x.titolo = s(r.value(4));
        x.formato = s(r.value(5));
        x.variante = s(r.value(6));
        x.colonne = r.value(7).toInt();
        x.righe = r.value(8).toInt();
        x.riassunto = {r.value(9).toInt(), r.value(10).toInt(), r.value(11).toBool()};
        x.miniatura = s(r.value(12));
        x.impronta = s(r.value(13));
        x.errore = s(r.value(14));
        tutti.push_back(std::move(x));
    }
    return tutti;
}

bool Registro::aggiornaSchemi(const std::vector<SchemaIndicizzato>& nuovi, const std::vector<std::string>& spariti) {
    errore_.clear();
    if (nuovi.empty() && spariti.empty()) return true;
    if (!apri(true)) return false;
    QSqlDatabase db = QSqlDatabase::database(q(connessione_), false);
    Transazione t(db);
    if (!t.ok()) return fallito(t.errore());
    QSqlQuery w(db);
    w.prepare("INSERT OR REPLACE INTO schemi(percorso, dimensione, modificato, hash, titolo, formato, variante,"
              " colonne, righe, bianche, piene, risolto, miniatura, impronta, errore)"
              " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const SchemaIndicizzato& x : nuovi) {
        for (const QVariant& v :
             {QVariant(q(x.percorso)), QVariant(static_cast<qlonglong>(x.dimensione)),
              QVariant(static_cast<qlonglong>(x.modificato)), QVariant(q(x.hash)), QVariant(q(x.titolo)),
              QVariant(q(x.formato)), QVariant(q(x.variante)), QVariant(x.colonne), QVariant(x.righe),
              QVariant(x.riassunto.bianche), QVariant(x.riassunto.piene), QVariant(x.riassunto.risolto ? 1 : 0),
              QVariant(q(x.miniatura)), QVariant(q(x.impronta)), QVariant(q(x.errore))})
            w.addBindValue(v);
        if (!esegui(w, errore_)) return false;
    }
    QSqlQuery d(db);
    d.prepare("DELETE FROM schemi WHERE percorso = ?");
    for (const std::string& p : spariti) {
        d.addBindValue(q(p));
        if (!esegui(d, errore_)) return false;
    }
    return t.conferma() || fallito(t.errore());
}

void Registro::limitaPagine(int pagine) {
    if (!apri(true)) return;
    QSqlQuery(QSqlDatabase::database(q(connessione_), false)).exec("PRAGMA max_page_count=" + QString::number(pagine));
}

}  // namespace quadrivo
