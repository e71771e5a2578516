#include "model/tipo_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quadrivo {

namespace {
TipoFile daModo(mode_t m) {
    if (S_ISREG(m)) return TipoFile::regolare;
    if (S_ISDIR(m)) return TipoFile::cartella;
    if (S_ISFIFO(m)) return TipoFile::fifo;
    if (S_ISCHR(m) || S_ISBLK(m)) return TipoFile::dispositivo;
    if (S_ISSOCK(m)) return TipoFile::socket;
    return TipoFile::altro;
}
}  // namespace

TipoFile tipoFile(const std::string& percorso) {
    struct stat st {};
    if (percorso.empty() || ::stat(percorso.c_str(), &st) != 0) return TipoFile::mancante;
    return daModo(st.st_mode);
}

std::string descriviTipo(TipoFile tipo) {
    switch (tipo) {
    case TipoFile::mancante:
    case TipoFile::regolare: return {};
    case TipoFile::cartella: return "una cartella";
    case TipoFile::fifo: return "una FIFO";
    case TipoFile::dispositivo: return "un dispositivo";
    case TipoFile::socket: return "un socket";
    case TipoFile::altro: break;
    }
    return "un file speciale";
}

int apriRegolare(const std::string& percorso, TipoFile* tipo) {
    // Looked at before opening: opening a device may already do something. O_NONBLOCK covers a
    // FIFO put there in between, which would otherwise hold open() for ever.
    TipoFile trovato = tipoFile(percorso);
    if (trovato != TipoFile::regolare) {
        if (tipo) *tipo = trovato;
        errno = trovato == TipoFile::mancante ? ENOENT : EINVAL;
        return -1;
    }
    int fd = ::open(percorso.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int errore = errno;
        trovato = tipoFile(percorso);
        errno = errore;
    } else {
        struct stat st {};
        trovato = ::fstat(fd, &st) == 0 ? daModo(st.st_mode) : TipoFile::altro;
        if (trovato != TipoFile::regolare || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
            ::close(fd);
            fd = -1;
            errno = EINVAL;
        }
    }
    if (tipo) *tipo = trovato;
    return fd;
}

std::string percheIlleggibile(const std::string& percorso) {
    TipoFile tipo;
    const int fd = apriRegolare(percorso, &tipo);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    if (tipo == TipoFile::mancante) return "non esiste";
    if (tipo == TipoFile::regolare) return "non si può leggere";
    return "è " + descriviTipo(tipo);
}

bool sostituibile(const std::string& percorso) {
    const TipoFile t = tipoFile(percorso);
    if (t != TipoFile::mancante) return t == TipoFile::regolare;
    // A dangling link would be replaced by the rename, not followed: it is no regular file either.
    struct stat st {};
    return ::lstat(percorso.c_str(), &st) != 0;
}

std::string messaggioNonSostituibile(const std::string& percorso) {
    const std::string tipo = descriviTipo(tipoFile(percorso));
    return percorso + " non è un file ordinario (" + (tipo.empty() ? "un collegamento interrotto" : tipo) +
           "): non viene sostituito.";
}

}  // namespace quadrivo
