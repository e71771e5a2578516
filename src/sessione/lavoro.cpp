#include "sessione/lavoro.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <unistd.h>

#include "sessione/apertura.h"
#include "sessione/salvataggio.h"
#include "formats/formato.h"
#include "model/file.h"

namespace quadrivo {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// Field 22 of /proc/PID/stat: when the process started, in clock ticks since boot; 0 unknown.
long long avvioProcesso(long long pid) {
    const std::optional<std::string> stat = leggiFile("/proc/" + std::to_string(pid) + "/stat");
    if (!stat) return 0;
    const size_t chiusa = stat->rfind(')');
    if (chiusa == std::string::npos) return 0;
    size_t p = chiusa + 2;
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

long long eta(const QFileInfo& fi, long long adesso) { return adesso - fi.lastModified().toSecsSinceEpoch(); }

// The entries of a puzzle file, cell by cell; nothing when it cannot be shown.
std::optional<std::vector<std::string>> vociDi(const std::string& percorso, const std::string& nome) {
    const std::optional<std::string> dati = leggiFile(percorso);
    if (!dati) return std::nullopt;
    const Lettura l = leggiCruciverba(nome, *dati);
    if (l.esito != EsitoLettura::ok) return std::nullopt;
    std::vector<std::string> voci;
    for (int r = 1; r <= l.cruciverba.righe(); ++r)
        for (int c = 1; c <= l.cruciverba.colonne(); ++c) voci.push_back(l.cruciverba.cella(c, r).voce);
    return voci;
}

}  // namespace

std::string cartellaTemporanea() { return QDir::tempPath().toStdString(); }

std::string messaggioCopiaLavoro(const std::string& cartella) {
    return std::string(msgErroreScrittura) + "\r\rLa copia di lavoro non si può scrivere nella cartella temporanea " +
           cartella +
           " (disco pieno o cartella senza permessi di scrittura). Le risposte restano in memoria: salvarle con "
           "Salva o Salva con nome, poi liberare spazio o indicare un'altra cartella con la variabile TMPDIR.";
}

bool scriviLavoroGrezzo(Stato& s, Piattaforma& piattaforma, std::string_view testo) {
    // The note changes only with the puzzle's name: it is not written again at every letter.
    const std::string nota = testoNota(notaQuestoProcesso(s.nomeFile));
    const bool scritto = scriviFileRapido(s.fileLavoro, testo) &&
                         (nota == s.notaScritta || scriviFileRapido(percorsoNota(s.fileLavoro), nota));
    if (scritto) {
        s.notaScritta = nota;
        s.copiaLavoroSuperata = false;
        return true;
    }
    s.notaScritta.clear();
    if (!s.copiaLavoroSuperata) piattaforma.messaggio(messaggioCopiaLavoro(cartellaTemporanea()), {}, Icona::attenzione);
    s.copiaLavoroSuperata = true;
    return false;
}

bool scriviCopiaLavoro(Stato& s, Piattaforma& piattaforma) {
    return scriviLavoroGrezzo(s, piattaforma, testoCruciverba(s.cruciverba));
}

void cancellaCopiaLavoro(const std::string& fileLavoro) {
    if (fileLavoro.empty()) return;
    if (esisteFile(fileLavoro)) cancellaFile(fileLavoro);
    if (esisteFile(percorsoNota(fileLavoro))) cancellaFile(percorsoNota(fileLavoro));
}

std::string percorsoNota(const std::string& fileLavoro) { return fileLavoro + ".nota"; }

std::string testoNota(const NotaLavoro& n) {
    return "Quadrivo copia di lavoro\nschema=" + n.schema + "\npid=" + std::to_string(n.pid) +
           "\navvio=" + std::to_string(n.avvio) + "\n";
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
    // The same id may belong to a newer process by now.
    const long long ora = avvioProcesso(pid);
    return avvio == 0 || ora == 0 || ora == avvio;
}

std::vector<CopiaAbbandonata> copieAbbandonate(const std::string& cartella, long long adesso) {
    std::vector<CopiaAbbandonata> copie;
    const QDir dir(q(cartella));
    for (const QFileInfo& fi : dir.entryInfoList({"*qdv_*.tmp.nota"}, QDir::Files | QDir::Hidden)) {
        const std::string nota = fi.absoluteFilePath().toStdString();
        const std::string lavoro = nota.substr(0, nota.size() - 5);
        const std::optional<std::string> testo = leggiFile(nota);
        const std::optional<NotaLavoro> n = testo ? leggiNota(*testo) : std::nullopt;
        if (n && processoVivo(n->pid, n->avvio)) continue;
        const QFileInfo copia(q(lavoro));
        if (!n || !copia.isFile() || eta(copia, adesso) > secondiScadenza) {
            cancellaCopiaLavoro(lavoro);
            continue;
        }
        const auto mie = vociDi(lavoro, n->schema);
        if (!mie || mie == vociDi(n->schema, n->schema)) {
            cancellaCopiaLavoro(lavoro);
            continue;
        }
        copie.push_back({lavoro, n->schema, copia.lastModified().toSecsSinceEpoch()});
    }
    // Copies without a note come from runs that kept none; only age tells they are abandoned.
    for (const QFileInfo& fi : dir.entryInfoList({"*qdv_*.tmp"}, QDir::Files | QDir::Hidden))
        if (eta(fi, adesso) > secondiScadenza && !QFileInfo::exists(fi.absoluteFilePath() + ".nota"))
            cancellaFile(fi.absoluteFilePath().toStdString());
    std::sort(copie.begin(), copie.end(), [](const auto& a, const auto& b) { return a.ora > b.ora; });
    return copie;
}

std::string domandaRipristino(const CopiaAbbandonata& c) {
    const std::time_t t = static_cast<std::time_t>(c.ora);
    std::tm tm{};
    localtime_r(&t, &tm);
    char quando[32];
    std::strftime(quando, sizeof quando, "%d/%m/%Y %H:%M", &tm);
    const std::string nome = c.schema.empty() ? nomeNuovoCruciverba : c.schema.substr(c.schema.rfind('/') + 1);
    return "Ripristinare le risposte non salvate di " + nome + " (" + quando + ")?";
}

bool ripristinaCopia(Stato& s, Piattaforma& piattaforma, const CopiaAbbandonata& c) {
    const std::optional<std::string> dati = leggiFile(c.lavoro);
    if (!dati || apriDatiInLavoro(s, piattaforma, *dati, c.schema, true) != EsitoApertura::ok) return false;
    cancellaCopiaLavoro(c.lavoro);
    return true;
}

std::string titoloConModifiche(const std::string& titolo, bool modificato) {
    return modificato ? "*" + titolo : titolo;
}

Risposta chiediPrimaDiLasciare(const Stato& s, Piattaforma& piattaforma) {
    if (!s.fileModificato || s.nomeFile.empty()) return Risposta::nonSalvare;
    return piattaforma.messaggio(testoChiediSeSalvare(s.nomeFile), titoloModifica, Icona::domanda,
                                 Pulsanti::salvaNonSalvareAnnulla);
}

std::string domandaPrimaDellaFine(const std::string& nomeFile) {
    return "Il programma deve terminare. Le risposte di " + nomeFile +
           " non sono salvate: salvarle prima? (OK salva, Annulla le abbandona)";
}

}  // namespace quadrivo
