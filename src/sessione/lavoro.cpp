#include "sessione/lavoro.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <tuple>
#include <sys/stat.h>
#include <unistd.h>

#include "sessione/apertura.h"
#include "sessione/blocco.h"
#include "sessione/salvataggio.h"
#include "formats/formato.h"
#include "model/file.h"

namespace quadrivo {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// Field 22 of /proc/PID/stat: when the process started, in clock ticks since boot; 0 unknown.
// What /proc tells of a process after its name: its state, then the fields that follow it.
std::optional<std::string> statoProcesso(long long pid) {
    const std::optional<std::string> stat = leggiFile("/proc/" + std::to_string(pid) + "/stat");
    if (!stat) return std::nullopt;
    const size_t chiusa = stat->rfind(')');
    if (chiusa == std::string::npos || chiusa + 2 >= stat->size()) return std::nullopt;
    return stat->substr(chiusa + 2);
}

long long avvioProcesso(long long pid) {
    const std::optional<std::string> stat = statoProcesso(pid);
    if (!stat) return 0;
    size_t p = 0;
    for (int campo = 3; campo < 22 && p < stat->size(); ++campo) {
        p = stat->find(' ', p);
        if (p == std::string::npos) return 0;
        ++p;
    }
    try {
        return std::stoll(stat->substr(p));
    } catch (...) {
        return 0;
    }
}

// A folder the player owns, made when missing and kept private (0700); never a link.
bool cartellaPrivata(const std::string& percorso) {
    if (percorso.size() < 2 || percorso.front() != '/') return false;
    const std::string sopra = percorso.substr(0, percorso.rfind('/'));
    if (!sopra.empty() && !QFileInfo(q(sopra)).isDir()) return false;  // a runtime folder that is gone
    ::mkdir(percorso.c_str(), 0700);
    struct stat st {};
    if (::lstat(percorso.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) return false;
    if ((st.st_mode & 0777) != 0700 && ::chmod(percorso.c_str(), 0700) != 0) return false;
    return ::access(percorso.c_str(), W_OK | X_OK) == 0;
}

// The lock beside each working copy says its run is alive, whatever its note says.
std::unique_ptr<Blocco>& bloccoCopia() {
    static std::unique_ptr<Blocco> blocco;
    return blocco;
}

bool copiaViva(const std::string& lavoro) {
    QLockFile l(q(lavoro + ".lock"));
    l.setStaleLockTime(0);  // a live run's lock is never taken for old
    if (l.tryLock(0)) {
        l.unlock();
        return false;
    }
    if (l.error() != QLockFile::LockFailedError) return false;
    // A full folder keeps Qt from clearing a dead run's lock: its holder decides, or its leftover
    // would stay hidden until space came back.
    qint64 pid = 0;
    QString macchina, programma;
    return !(l.getLockInfo(&pid, &macchina, &programma) && macchina == QSysInfo::machineHostName() && !processoVivo(pid, 0));
}

// The files of a folder whose names begin and end as given, all listed before any is removed.
// Matched by hand: QDir's wildcards compile a regular expression each, which cost every opening
// more than the rest of the look for leftovers.
std::vector<std::string> fileDellaCartella(const std::string& cartella, std::string_view inizio, std::string_view fine) {
    std::vector<std::string> trovati;
    for (const std::string& nome : nomiFile(cartella))
        if (nome.size() >= inizio.size() + fine.size() && nome.starts_with(inizio) && nome.ends_with(fine))
            trovati.push_back(componiPercorso(cartella, nome));
    return trovati;
}

long long eta(const QFileInfo& fi, long long adesso) { return adesso - fi.lastModified().toSecsSinceEpoch(); }

// A puzzle file as the program reads it; nothing when it cannot be shown.
std::optional<Cruciverba> lettoDa(const std::string& percorso, const std::string& nome) {
    const std::optional<std::string> dati = leggiFile(percorso);
    if (!dati) return std::nullopt;
    Lettura l = leggiCruciverba(nome, *dati);
    if (l.esito != EsitoLettura::ok) return std::nullopt;
    return std::move(l.cruciverba);
}

// A working copy, in the format its note names (a game on a .trmo is kept as ipuz).
std::optional<Cruciverba> copiaLetta(const std::string& lavoro, const std::string& formato, const std::string& nome) {
    const std::optional<std::string> dati = leggiFile(lavoro);
    if (!dati) return std::nullopt;
    Lettura l = leggiCopia(formato, nome, *dati);
    if (l.esito != EsitoLettura::ok) return std::nullopt;
    return std::move(l.cruciverba);
}

// Every clue as "list|label|text|enumeration", in order: what the player may edit of them.
std::vector<std::string> testiDefinizioni(const Cruciverba& x) {
    std::vector<std::string> testi;
    for (const ElencoDefinizioni& e : x.elenchi)
        for (const Definizione& d : e.definizioni) testi.push_back(e.direzione + "|" + d.etichetta + "|" + d.testo + "|" + d.enumerazione);
    return testi;
}

// The clues of `copia` that `file` does not have the same; -1 when the lists do not match at all.
int definizioniDiverse(const Cruciverba& file, const Cruciverba& copia) {
    const std::vector<std::string> a = testiDefinizioni(file), b = testiDefinizioni(copia);
    if (a.size() != b.size()) return -1;
    int diverse = 0;
    for (size_t i = 0; i < a.size(); ++i) diverse += a[i] != b[i];
    return diverse;
}

bool stessiCrediti(const Cruciverba& a, const Cruciverba& b) {
    return std::tie(a.titolo, a.autore, a.copyright, a.note) == std::tie(b.titolo, b.autore, b.copyright, b.note);
}

// `file` holds everything `copia` does: the same grid, clues and credits, and every letter of
// the copy in the same cell (more letters are allowed).
bool contieneTutto(const Cruciverba& file, const Cruciverba& copia) {
    if (file.colonne() != copia.colonne() || file.righe() != copia.righe()) return false;
    if (definizioniDiverse(file, copia) != 0 || !stessiCrediti(file, copia)) return false;
    for (int r = 1; r <= copia.righe(); ++r)
        for (int c = 1; c <= copia.colonne(); ++c)
            if (const std::string& v = copia.cella(c, r).voce; !v.empty() && file.cella(c, r).voce != v) return false;
    return true;
}

bool uguali(const Cruciverba& a, const Cruciverba& b) {
    if (!contieneTutto(a, b)) return false;
    for (int r = 1; r <= a.righe(); ++r)
        for (int c = 1; c <= a.colonne(); ++c)
            if (a.cella(c, r).voce != b.cella(c, r).voce) return false;
    return true;
}

int lettereDi(const Cruciverba& x) {
    int n = 0;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) n += x.bianca(c, r) && !x.cella(c, r).voce.empty();
    return n;
}

std::string nomeBreve(const CopiaAbbandonata& c) {
    return c.schema.empty() ? std::string(nomeNuovoCruciverba) : c.schema.substr(c.schema.rfind('/') + 1);
}

}  // namespace

std::string cartellaCopie() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && cartellaPrivata(QDir::cleanPath(runtime + "/quadrivo").toStdString()))
        return QDir::cleanPath(runtime + "/quadrivo").toStdString();
    // A home that is the root (a system account) has no cache of its own.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    const QString home = QDir::homePath();
    if (cache.isEmpty() || home.isEmpty() || QDir::cleanPath(home) == "/") return {};
    const std::string propria = QDir::cleanPath(cache + "/Quadrivo").toStdString();
    if (!creaCartella(QDir::cleanPath(cache).toStdString())) return {};
    return cartellaPrivata(propria) ? propria : std::string{};
}

std::vector<std::string> cartelleCopie() {
    std::vector<std::string> cartelle;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    for (const QString& c : {runtime.isEmpty() || !QDir::isAbsolutePath(runtime) ? QString() : runtime + "/quadrivo",
                             cache.isEmpty() ? QString() : cache + "/Quadrivo"}) {
        const std::string percorso = QDir::cleanPath(c).toStdString();
        if (!c.isEmpty() && QFileInfo(c).isDir() && std::find(cartelle.begin(), cartelle.end(), percorso) == cartelle.end())
            cartelle.push_back(percorso);
    }
    return cartelle;
}

std::string nuovoFileLavoro() {
    const std::string cartella = cartellaCopie();
    if (cartella.empty()) return {};
    QTemporaryFile f(q(cartella) + "/qdv_XXXXXX.tmp");  // created 0600
    f.setAutoRemove(false);
    if (!f.open()) return {};
    const std::string nome = QFileInfo(f.fileName()).absoluteFilePath().toStdString();
    auto blocco = std::make_unique<Blocco>(q(nome + ".lock"));
    if (blocco->prendi() == Blocco::Esito::preso) {
        if (bloccoCopia()) bloccoCopia()->lascia();
        bloccoCopia() = std::move(blocco);
    }
    return nome;
}

std::string messaggioCopiaLavoro(const std::string& cartella) {
    if (cartella.empty())
        return "Impossibile scrivere la copia di lavoro per il recupero dopo un'interruzione: né "
               "$XDG_RUNTIME_DIR/quadrivo né ~/.cache/Quadrivo si possono creare o scrivere.\r\rLe risposte restano "
               "in memoria: salvarle con Salva o Salva con nome.";
    return "Impossibile scrivere la copia di lavoro per il recupero dopo un'interruzione nella cartella " + cartella +
           " (disco pieno o cartella senza permessi di scrittura).\r\rLe risposte restano in memoria: salvarle con "
           "Salva o Salva con nome, poi liberare spazio in " + cartella + ". A ogni modifica la copia viene riprovata.";
}

std::string messaggioCopiaRipresa(const std::string& cartella) {
    return "La copia di lavoro si scrive di nuovo in " + cartella + ": le risposte sono al sicuro.";
}

bool scriviLavoroGrezzo(Documento& s, Piattaforma& piattaforma, std::string_view testo, const Partita& partita) {
    // The note's text is made again only when what it says changed, not at every letter.
    static NotaLavoro ultima;
    static std::string testoUltima;
    const NotaLavoro processo = notaQuestoProcesso({});
    const Formato* formato = formatoPerNome(s.cruciverba.formato);
    if (NotaLavoro ora{s.nomeFile, processo.pid, processo.avvio, partita, s.improntaFile, s.salvataggioInCorso,
                       formato ? formato->nome() : formati().front()->nome()};
        testoUltima.empty() || !(ora == ultima)) {
        testoUltima = testoNota(ora);
        ultima = std::move(ora);
    }
    const auto scrivi = [&] {
        const std::string& nota = testoUltima;
        const bool ok = scriviFileRapido(s.fileLavoro, testo) &&
                        (nota == s.notaScritta || scriviFileRapido(percorsoNota(s.fileLavoro), nota));
        s.notaScritta = ok ? nota : std::string{};
        return ok;
    };
    // No copy yet, or its folder went away: a new one, where the folders allow today. The folder
    // is looked at only when a write fails: a letter typed costs no extra question to the disk.
    if (s.fileLavoro.empty()) s.fileLavoro = nuovoFileLavoro();
    bool scritto = !s.fileLavoro.empty() && scrivi();
    if (!scritto && !s.fileLavoro.empty() && !QFileInfo(q(cartellaDi(s.fileLavoro))).isDir()) {
        s.fileLavoro = nuovoFileLavoro();
        scritto = !s.fileLavoro.empty() && scrivi();
    }
    if (!scritto && !s.fileLavoro.empty() && ::access(cartellaDi(s.fileLavoro).c_str(), W_OK) != 0 &&
        cartellaCopie() != cartellaDi(s.fileLavoro)) {
        // The runtime folder can no longer be written: the cache folder may still take it.
        const std::string vecchio = s.fileLavoro;
        if (const std::string nuovo = nuovoFileLavoro(); !nuovo.empty()) {
            s.fileLavoro = nuovo;
            if ((scritto = scrivi())) cancellaCopiaLavoro(vecchio);
        }
    }
    if (scritto) {
        s.copiaLavoroSuperata = false;
        return true;
    }
    if (!s.copiaLavoroSuperata)
        piattaforma.avvisoInDigitazione(messaggioCopiaLavoro(s.fileLavoro.empty() ? std::string{} : cartellaDi(s.fileLavoro)));
    s.copiaLavoroSuperata = true;
    return false;
}

bool scriviCopiaLavoro(Documento& s, Piattaforma& piattaforma, const Partita& partita) {
    return scriviLavoroGrezzo(s, piattaforma, testoCruciverba(s.cruciverba), partita);
}

void cancellaCopiaLavoro(const std::string& fileLavoro) {
    if (fileLavoro.empty()) return;
    if (esisteFile(fileLavoro)) cancellaFile(fileLavoro);
    if (esisteFile(percorsoNota(fileLavoro))) cancellaFile(percorsoNota(fileLavoro));
    if (bloccoCopia() && bloccoCopia()->nome() == q(fileLavoro + ".lock")) bloccoCopia().reset();
    else if (esisteFile(fileLavoro + ".lock") && !copiaViva(fileLavoro)) cancellaFile(fileLavoro + ".lock");
}

std::string percorsoNota(const std::string& fileLavoro) { return fileLavoro + ".nota"; }

std::string testoNota(const NotaLavoro& n) {
    return "Quadrivo copia di lavoro\nschema=" + n.schema + "\npid=" + std::to_string(n.pid) +
           "\navvio=" + std::to_string(n.avvio) + "\npartita=" + testoPartita(n.partita) + "\nimpronta=" + n.impronta +
           (n.destinazione.empty() ? std::string{} : "\ndestinazione=" + n.destinazione) +
           (n.formato.empty() ? std::string{} : "\nformato=" + n.formato) + "\n";
}

std::string chiaveFile(const std::string& percorso) {
    if (percorso.empty()) return {};
    // The folder, not the file: a save renames a new file over the old, whose inode then changes.
    char* vero = ::realpath(percorso.c_str(), nullptr);
    if (!vero) return percorsoAssoluto(percorso);
    const std::string reale = vero;
    std::free(vero);
    struct stat st {};
    if (::stat(cartellaDi(reale).c_str(), &st) != 0) return reale;
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + "/" + reale.substr(reale.rfind('/') + 1);
}

std::string improntaDati(std::string_view dati) {
    return QCryptographicHash::hash(QByteArrayView(dati.data(), static_cast<qsizetype>(dati.size())),
                                    QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

std::optional<NotaLavoro> leggiNota(std::string_view testo) {
    NotaLavoro n;
    bool schema = false;
    for (const std::string& riga : dividiRighe(testo)) {
        const size_t uguale = riga.find('=');
        if (uguale == std::string::npos) continue;
        const std::string chiave = riga.substr(0, uguale), valore = riga.substr(uguale + 1);
        try {
            if (chiave == "schema") {
                n.schema = valore;
                schema = true;
            } else if (chiave == "pid") {
                n.pid = std::stoll(valore);
            } else if (chiave == "avvio") {
                n.avvio = std::stoll(valore);
            } else if (chiave == "partita") {
                n.partita = leggiPartita(valore);
            } else if (chiave == "impronta") {
                n.impronta = valore;
            } else if (chiave == "destinazione") {
                n.destinazione = valore;
            } else if (chiave == "formato") {
                n.formato = valore;
            }
        } catch (...) {
            return std::nullopt;
        }
    }
    if (!schema || n.pid <= 0) return std::nullopt;
    return n;
}

NotaLavoro notaQuestoProcesso(const std::string& schema) {
    const long long pid = ::getpid();
    static const long long avvio = avvioProcesso(pid);  // a process starts once
    return {schema, pid, avvio};
}

bool processoVivo(long long pid, long long avvio) {
    if (pid <= 0) return false;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
    // A killed run stays a zombie until its parent reaps it, and holds nothing any more.
    if (const std::optional<std::string> stato = statoProcesso(pid); stato && stato->front() == 'Z') return false;
    // The same id may belong to a newer process by now.
    const long long ora = avvioProcesso(pid);
    return avvio == 0 || ora == 0 || ora == avvio;
}

std::vector<CopiaAbbandonata> copieAbbandonate(const std::string& cartella, long long adesso) {
    std::vector<CopiaAbbandonata> copie;
    if (cartella.empty()) return copie;
    // Only the player's own regular files that can be read: anything else is not ours to offer or delete.
    const auto mio = [](const std::string& f) {
        struct stat st {};
        return ::lstat(f.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && ::access(f.c_str(), R_OK) == 0;
    };
    for (const std::string& lavoro : fileDellaCartella(cartella, "qdv_", ".tmp")) {
        const QFileInfo fi(q(lavoro));
        const std::string nota = percorsoNota(lavoro);
        if (!mio(lavoro) || copiaViva(lavoro)) continue;
        togliAvanzi(lavoro);
        const bool conNota = QFileInfo::exists(q(nota)) || QFileInfo(q(nota)).isSymLink();
        if (conNota && !mio(nota)) continue;
        const std::optional<std::string> testo = conNota ? leggiFile(nota) : std::nullopt;
        const std::optional<NotaLavoro> n = testo ? leggiNota(*testo) : std::nullopt;
        if (n && processoVivo(n->pid, n->avvio)) continue;
        if (eta(fi, adesso) > secondiScadenza) {
            cancellaCopiaLavoro(lavoro);
            continue;
        }
        if (!conNota) continue;  // a run that kept no note: only age tells it is abandoned
        // A damaged note tells no puzzle: the copy is offered by its content.
        const std::string schema = n ? n->schema : std::string{};
        const std::string formato = n ? n->formato : std::string{};
        const std::optional<Cruciverba> mia = copiaLetta(lavoro, formato, schema);
        const std::optional<std::string> datiFile = n ? leggiFile(schema) : std::nullopt;
        const std::optional<Cruciverba> file = datiFile ? lettoDa(schema, schema) : std::nullopt;
        const bool cambiato = file && !n->impronta.empty() && improntaDati(*datiFile) != n->impronta;
        // A save that was writing these answers when the run ended, and got them on disk.
        const std::optional<Cruciverba> salvato =
            n && !n->destinazione.empty() && mia ? lettoDa(n->destinazione, n->destinazione) : std::nullopt;
        // Pencil guesses live in the note only: a copy with some has something to give back.
        const bool matita = n && !n->partita.lettereMatita.empty();
        if (!mia || (file && uguali(*file, *mia) && !matita) || (cambiato && contieneTutto(*file, *mia)) ||
            (salvato && contieneTutto(*salvato, *mia))) {
            cancellaCopiaLavoro(lavoro);
            continue;
        }
        CopiaAbbandonata c{lavoro, schema, fi.lastModified().toSecsSinceEpoch(), n ? n->partita : Partita{}};
        c.impronta = n ? n->impronta : std::string{};
        c.fileCambiato = cambiato;
        c.formato = formato;
        c.lettere = lettereDi(*mia);
        c.definizioni = file ? std::max(0, definizioniDiverse(*file, *mia)) : 0;
        copie.push_back(std::move(c));
    }
    // Locks of puzzles whose run is gone.
    for (const std::string& blocco : fileDellaCartella(cartella, "schema-", ".lock")) {
        QLockFile l(q(blocco));
        l.setStaleLockTime(0);
        if (mio(blocco) && l.tryLock(0)) l.unlock();
    }
    // Notes whose copy is gone.
    for (const std::string& nota : fileDellaCartella(cartella, "qdv_", ".tmp.nota")) {
        if (mio(nota) && !QFileInfo::exists(q(nota.substr(0, nota.size() - 5)))) cancellaFile(nota);
    }
    std::sort(copie.begin(), copie.end(), [](const auto& a, const auto& b) { return a.ora > b.ora; });
    return copie;
}

std::string domandaRipristino(const CopiaAbbandonata& c) {
    const std::time_t t = static_cast<std::time_t>(c.ora);
    std::tm tm{};
    localtime_r(&t, &tm);
    char quando[32];
    std::strftime(quando, sizeof quando, "%d/%m/%Y %H:%M:%S", &tm);
    // Time and content tell apart two leftovers of one puzzle.
    std::string contenuto = std::to_string(c.lettere) + (c.lettere == 1 ? " lettera" : " lettere");
    if (c.definizioni > 0)
        contenuto += c.definizioni == 1 ? ", 1 definizione modificata" : ", " + std::to_string(c.definizioni) + " definizioni modificate";
    const std::string nome = nomeBreve(c);
    if (c.fileCambiato) {
        const std::string copia = nomeCopia(c.schema);
        return "Ci sono risposte non salvate di " + nome + " (" + quando + ", " + contenuto +
               "), ma il file è stato salvato o cambiato dopo: ripristinarle al suo posto cancellerebbe ciò che "
               "contiene ora.\r\rRipristina come copia le apre come " + copia.substr(copia.rfind('/') + 1) +
               ", accanto al file, che resta com'è; Più tardi le conserva e le propone di nuovo; Elimina le cancella.";
    }
    return "Ripristinare le risposte non salvate di " + nome + " (" + quando + ", " + contenuto +
           ")?\r\rRipristina le apre; Più tardi le conserva e le propone quando si riapre il cruciverba o al prossimo "
           "avvio; Elimina le cancella.";
}

std::string nomeCopia(const std::string& schema) {
    const std::string base = schema.empty() ? std::string(nomeNuovoCruciverba) : schema;
    const size_t barra = base.rfind('/'), punto = base.rfind('.');
    const bool conEstensione = punto != std::string::npos && (barra == std::string::npos || punto > barra + 1);
    const std::string radice = conEstensione ? base.substr(0, punto) : base;
    const std::string estensione = conEstensione ? base.substr(punto) : std::string{};
    for (int n = 1;; ++n) {
        const std::string nome = radice + (n == 1 ? " (copia)" : " (copia " + std::to_string(n) + ")") + estensione;
        if (!QFileInfo::exists(nomeQt(nome)) && !QFileInfo(nomeQt(nome)).isSymLink()) return nome;
    }
}

std::string domandaEliminazione(const CopiaAbbandonata& c) {
    return "Eliminare per sempre le risposte non salvate di " + nomeBreve(c) + "? Non si potranno più recuperare.";
}

bool ripristinaCopia(Documento& s, Piattaforma& piattaforma, const CopiaAbbandonata& c, const std::string& come) {
    const std::optional<std::string> dati = leggiFile(c.lavoro);
    const std::string nome = !come.empty() ? come : c.schema.empty() ? std::string(nomeNuovoCruciverba) : c.schema;
    if (!dati || apriDatiInLavoro(s, piattaforma, *dati, nome, c.formato, true) != EsitoApertura::ok) return false;
    // The leftover is the only place of these answers on disk until our own copy holds them.
    if (!s.copiaLavoroSuperata && s.fileLavoro != c.lavoro) cancellaCopiaLavoro(c.lavoro);
    return true;
}

Risposta chiediPrimaDiLasciare(const Documento& s, bool modificato, Piattaforma& piattaforma) {
    if (!modificato || s.nomeFile.empty()) return Risposta::nonSalvare;
    return piattaforma.messaggio(testoChiediSeSalvare(s.nomeFile), titoloModifica, Icona::domanda,
                                 Pulsanti::salvaNonSalvareAnnulla);
}

std::string domandaPrimaDellaFine(const std::string& nomeFile) {
    return "Il programma deve terminare. Le risposte di " + nomeFile +
           " non sono salvate: salvarle prima? (OK salva, Annulla le abbandona)";
}

}  // namespace quadrivo
