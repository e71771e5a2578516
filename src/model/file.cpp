#include "model/file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <csignal>
#include <ctime>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <utility>

#include "model/tipo_file.h"

namespace quadrivo {

bool scriviControllato(ScritturaFile& f, std::string_view dati);

namespace {
QString q(const std::string& s) { return nomeQt(s); }

bool rappresentabile(const std::string& percorso) { return percorsoDaQt(nomeQt(percorso)) == percorso; }

// QSaveFile over a name Qt can spell, then one rename to the real name: the folder is reached
// through its descriptor, so neither the folder's nor the file's name has to be valid UTF-8.
bool scriviConNomeGrezzo(const std::string& percorso, std::string_view dati) {
    const std::string cartella = cartellaDi(percorso);
    const std::string nome = percorso.substr(percorso.rfind('/') + 1);
    const int dir = ::open(cartella.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return false;
    // As QSaveFile does for names it can spell: a file the player may not write stays, and a
    // replaced one keeps its mode.
    struct stat vecchio {};
    const bool esiste = ::fstatat(dir, nome.c_str(), &vecchio, 0) == 0;
    if (esiste && ::faccessat(dir, nome.c_str(), W_OK, AT_EACCESS) != 0) {
        ::close(dir);
        return false;
    }
    const QString appoggio = QString("/proc/self/fd/%1/.quadrivo-%2.tmp").arg(dir).arg(::getpid());
    bool ok = scriviControllato(*scritturaReale(appoggio.toStdString()), dati);
    const std::string nomeAppoggio = QFileInfo(appoggio).fileName().toStdString();
    if (ok && esiste) ok = ::fchmodat(dir, nomeAppoggio.c_str(), vecchio.st_mode & 07777, 0) == 0;
    if (ok) ok = ::renameat(dir, nomeAppoggio.c_str(), dir, nome.c_str()) == 0;
    if (!ok) ::unlinkat(dir, nomeAppoggio.c_str(), 0);
    ::close(dir);
    return ok;
}
}  // namespace

QString nomeQt(const std::string& percorso) { return QFile::decodeName(QByteArray::fromStdString(percorso)); }

std::string percorsoDaQt(const QString& nome) { return QFile::encodeName(nome).toStdString(); }

std::string percorsoDaQt(const QString& nome, const std::string& proposto) {
    return nome == nomeQt(proposto) ? proposto : percorsoDaQt(nome);
}

std::string percorsoAssoluto(const std::string& percorso, const std::string& cartella) {
    if (percorso.empty()) return {};
    const std::string intero = percorso.front() == '/' ? percorso : cartella + "/" + percorso;
    std::vector<std::string> passi;
    size_t inizio = 0;
    while (inizio <= intero.size()) {
        size_t fine = intero.find('/', inizio);
        if (fine == std::string::npos) fine = intero.size();
        const std::string passo = intero.substr(inizio, fine - inizio);
        if (passo == "..") {
            if (!passi.empty()) passi.pop_back();
        } else if (!passo.empty() && passo != ".") {
            passi.push_back(passo);
        }
        inizio = fine + 1;
    }
    std::string risultato;
    for (const std::string& p : passi) risultato += "/" + p;
    return risultato.empty() ? "/" : risultato;
}

std::vector<std::string> dividiRighe(std::string_view dati) {
    // Files from Linux editors hold no CR at all: only for them does LF end a line.
    const char fine = dati.find('\r') == std::string_view::npos ? '\n' : '\r';
    std::vector<std::string> righe;
    size_t inizio = 0;
    while (inizio < dati.size()) {
        const size_t i = dati.find(fine, inizio);
        if (i == std::string_view::npos) {
            righe.emplace_back(dati.substr(inizio));
            break;
        }
        righe.emplace_back(dati.substr(inizio, i - inizio));
        inizio = i + 1;
        if (fine == '\r' && inizio < dati.size() && dati[inizio] == '\n') ++inizio;
    }
    return righe;
}

// The checks and the reading go through the bytes of the name, so any name the system holds opens.
bool esisteFile(const std::string& percorso) {
    struct stat info {};
    return !percorso.empty() && ::stat(percorso.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string cartellaDi(const std::string& percorso) {
    const size_t barra = percorso.rfind('/');
    return barra == std::string::npos ? "." : barra == 0 ? "/" : percorso.substr(0, barra);
}

std::string componiPercorso(const std::string& cartella, const std::string& nome) {
    if (!cartella.empty() && cartella.back() == '/') return cartella + nome;
    return cartella + "/" + nome;
}

bool apriInLettura(QFile& f, const std::string& percorso) {
    const int fd = apriRegolare(percorso);
    if (fd < 0) return false;
    if (f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return true;
    ::close(fd);
    return false;
}

std::vector<std::string> nomiFile(const std::string& cartella) {
    std::vector<std::string> nomi;
    DIR* dir = ::opendir(cartella.c_str());
    if (!dir) return nomi;
    while (const dirent* voce = ::readdir(dir)) {
        const std::string nome = voce->d_name;
        if (nome != "." && nome != ".." && esisteFile(cartella + "/" + nome)) nomi.push_back(nome);
    }
    ::closedir(dir);
    return nomi;
}

std::optional<std::string> leggiFile(const std::string& percorso) {
    QFile f;
    if (!apriInLettura(f, percorso)) return std::nullopt;
    QByteArray b = f.readAll();
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    return b.toStdString();
}

namespace {

class ScritturaQt : public ScritturaFile {
public:
    explicit ScritturaQt(const std::string& percorso) : f_(q(percorso)) {}
    bool apri() override { return f_.open(QIODevice::WriteOnly); }
    bool scrivi(std::string_view dati) override {
        while (!dati.empty()) {
            const qint64 n = f_.write(dati.data(), static_cast<qint64>(dati.size()));
            if (n <= 0) return false;
            dati.remove_prefix(static_cast<size_t>(n));
        }
        return true;
    }
    // A full disk shows only here: write() just filled a buffer.
    bool svuota() override { return f_.flush() && f_.error() == QFileDevice::NoError; }
    bool conferma() override { return f_.commit(); }
    void annulla() override { f_.cancelWriting(); }

private:
    QSaveFile f_;
};

FabbricaScrittura& fabbrica() {
    static FabbricaScrittura f;
    return f;
}

// Told apart by errno right after the step that failed, or by a folder with no room left.
EsitoScrittura fallita(const std::string& percorso) {
    const int errore = errno;
    struct statvfs disco {};
    const bool pieno = errore == ENOSPC || errore == EDQUOT ||
                       (::statvfs(cartellaDi(percorso).c_str(), &disco) == 0 && disco.f_bavail == 0 && !(disco.f_flag & ST_RDONLY));
    return {pieno ? ErroreScrittura::spazio : ErroreScrittura::altro};
}

}  // namespace

std::string messaggioScrittura(const std::string& percorso, EsitoScrittura esito, const std::string& altrimenti) {
    switch (esito.errore) {
    case ErroreScrittura::spazio:
        return "Spazio esaurito sul disco: impossibile scrivere " + percorso + " nella cartella " + cartellaDi(percorso) +
               ". Liberare spazio e riprovare.";
    case ErroreScrittura::nonFile: return messaggioNonSostituibile(percorso);
    case ErroreScrittura::solaLettura:
        return "Il file " + percorso + " è di sola lettura: non viene sostituito. Salvare con un altro nome (Salva con "
               "nome) oppure togliere la sola lettura dal file e riprovare.";
    case ErroreScrittura::nessuno:
    case ErroreScrittura::altro: break;
    }
    return altrimenti;
}

bool scriviControllato(ScritturaFile& f, std::string_view dati) {
    errno = 0;
    if (!f.apri()) return false;
    if (!f.scrivi(dati) || !f.svuota()) {
        const int errore = errno;
        f.annulla();
        errno = errore;
        return false;
    }
    return f.conferma();
}

std::unique_ptr<ScritturaFile> scritturaReale(const std::string& percorso) {
    return std::make_unique<ScritturaQt>(percorso);
}

FabbricaScrittura impostaFabbricaScrittura(FabbricaScrittura nuova) { return std::exchange(fabbrica(), std::move(nuova)); }

EsitoScrittura scriviFileSicuro(const std::string& percorso, std::string_view dati) {
    if (percorso.empty()) return {ErroreScrittura::altro};
    if (!sostituibile(percorso)) return {ErroreScrittura::nonFile};
    struct stat prima {};
    const bool esisteva = ::stat(percorso.c_str(), &prima) == 0 && S_ISREG(prima.st_mode);
    // A read-only file in a folder that could take it: its own message, not the folder's.
    if (esisteva && ::access(percorso.c_str(), W_OK) != 0 && ::access(cartellaDi(percorso).c_str(), W_OK) == 0)
        return {ErroreScrittura::solaLettura};
    bool ok = false;
    if (fabbrica()) ok = scriviControllato(*fabbrica()(percorso), dati);
    else if (!rappresentabile(percorso)) ok = scriviConNomeGrezzo(percorso, dati);
    else ok = scriviControllato(*scritturaReale(percorso), dati);
    if (!ok) return fallita(percorso);
    // The replaced file keeps its mode whoever writes it (root's writes would widen a 0444 one).
    struct stat dopo {};
    if (esisteva && ::stat(percorso.c_str(), &dopo) == 0 && (dopo.st_mode & 07777) != (prima.st_mode & 07777))
        ::chmod(percorso.c_str(), prima.st_mode & 07777);
    return {};
}

namespace {

// The whole of `dati` at offset 0, however many writes it takes.
bool scriviDaCapo(int fd, std::string_view dati) {
    off_t dove = 0;
    while (!dati.empty()) {
        const ssize_t n = ::pwrite(fd, dati.data(), dati.size(), dove);
        if (n <= 0) return false;
        dati.remove_prefix(static_cast<size_t>(n));
        dove += n;
    }
    return true;
}

// Over the old bytes of a private file of the same length, when there is one.
bool sulPosto(const std::string& percorso, std::string_view dati) {
    const int fd = ::open(percorso.c_str(), O_WRONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    const bool uguale = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & 077) == 0 &&
                        st.st_size == static_cast<off_t>(dati.size());
    const bool scritto = uguale && scriviDaCapo(fd, dati);
    return ::close(fd) == 0 && scritto;
}

}  // namespace

bool scriviFileRapido(const std::string& percorso, std::string_view dati) {
    if (percorso.empty() || !sostituibile(percorso)) return false;
    if (fabbrica()) return scriviControllato(*fabbrica()(percorso), dati);
    if (sulPosto(percorso, dati)) return true;
    const std::string nuovo = percorso + ".nuovo";
    const int fd = ::open(nuovo.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool ok = true;
    while (ok && !dati.empty()) {
        const ssize_t n = ::write(fd, dati.data(), dati.size());
        if (n <= 0) ok = false;
        else dati.remove_prefix(static_cast<size_t>(n));
    }
    if (::close(fd) != 0) ok = false;
    if (ok && ::rename(nuovo.c_str(), percorso.c_str()) == 0) return true;
    ::unlink(nuovo.c_str());
    return false;
}

bool sincronizzaFile(const std::string& percorso) {
    const int fd = apriRegolare(percorso);
    if (fd < 0) return false;
    const bool ok = ::fdatasync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

bool cancellaFile(const std::string& percorso) { return ::unlink(percorso.c_str()) == 0; }

namespace {

// The random part of a temporary name: six letters and digits, as QTemporaryFile makes them
// (all lower-case letters would be a word some person chose).
bool parteCasuale(std::string_view s) {
    if (s.size() != 6) return false;
    bool nonParola = false;
    for (char c : s) {
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
        if (!std::islower(static_cast<unsigned char>(c))) nonParola = true;
    }
    return nonParola;
}

bool processoFinito(std::string_view cifre) {
    if (cifre.empty() || cifre.size() > 9 || cifre.find_first_not_of("0123456789") != std::string_view::npos) return false;
    return ::kill(static_cast<pid_t>(std::stol(std::string(cifre))), 0) != 0 && errno == ESRCH;
}

}  // namespace

bool apertoAltrove(const std::string& percorso) {
    const int fd = ::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return true;
    // A write lease is granted only while no other descriptor of the file is open anywhere.
    const bool libero = ::fcntl(fd, F_SETLEASE, F_WRLCK) == 0;
    if (libero) ::fcntl(fd, F_SETLEASE, F_UNLCK);
    ::close(fd);
    return !libero;
}

void togliAvanzi(const std::string& percorso, long long secondi) {
    const std::string cartella = cartellaDi(percorso);
    const std::string nome = percorso.substr(percorso.rfind('/') + 1);
    if (nome.empty()) return;
    const time_t limite = ::time(nullptr) - static_cast<time_t>(secondi);
    for (const std::string& f : nomiFile(cartella)) {
        const bool suo = f.size() > nome.size() + 1 && f.compare(0, nome.size() + 1, nome + ".") == 0 &&
                         (parteCasuale(std::string_view(f).substr(nome.size() + 1)) || f == nome + ".nuovo");
        const bool grezzo = f.rfind(".quadrivo-", 0) == 0 && f.size() > 14 && f.compare(f.size() - 4, 4, ".tmp") == 0 &&
                            processoFinito(std::string_view(f).substr(10, f.size() - 14));
        if (!suo && !grezzo) continue;
        const std::string intero = componiPercorso(cartella, f);
        struct stat st {};
        if (::lstat(intero.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
        if (grezzo || st.st_mtime <= limite || !apertoAltrove(intero)) ::unlink(intero.c_str());
    }
}

bool creaCartella(const std::string& percorso) { return !percorso.empty() && QDir().mkpath(q(percorso)); }

bool creaCartellaPrivata(const std::string& percorso) {
    if (!creaCartella(percorso)) return false;
    struct stat st {};
    if (::lstat(percorso.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) return true;
    return (st.st_mode & 0777) == 0700 || ::chmod(percorso.c_str(), 0700) == 0;
}

bool rendiPrivato(const std::string& percorso) {
    struct stat st {};
    if (::lstat(percorso.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) return false;
    return (st.st_mode & 0777) == 0600 || ::chmod(percorso.c_str(), 0600) == 0;
}

std::string nomeFileTemporaneo(const std::string& prefisso) {
    QTemporaryFile f(QDir::tempPath() + "/" + q(prefisso) + "qdv_XXXXXX.tmp");
    f.setAutoRemove(false);
    if (!f.open()) return {};
    return QFileInfo(f.fileName()).absoluteFilePath().toStdString();
}

std::string trovaSenzaMaiuscole(const std::string& cartella, const std::string& nome) {
    QDir dir(q(cartella));
    if (QFileInfo(dir.filePath(q(nome))).isFile()) return nome;
    const QStringList voci = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& v : voci)
        if (v.compare(q(nome), Qt::CaseInsensitive) == 0) return v.toStdString();
    return {};
}

}  // namespace quadrivo
