#include "sessione/blocco.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QSysInfo>

namespace quadrivo {

namespace {

// The running program's file name, as QLockFile names a lock's owner (it checks a pid against it).
QByteArray nomeProgramma() {
    char percorso[4096];
    const ssize_t n = ::readlink("/proc/self/exe", percorso, sizeof percorso - 1);
    if (n <= 0) return {};
    QByteArray p(percorso, static_cast<int>(n));
    if (p.endsWith(" (deleted)")) p.chop(10);
    return p.mid(p.lastIndexOf('/') + 1);
}

QByteArray contenuto() {
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + nomeProgramma() + '\n' +
           QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
           QSysInfo::bootUniqueId() + '\n';
}

// The same locks as QLockFile holds: a stale-lock remover elsewhere cannot take them while we live.
bool bloccaDescrittore(int fd) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return false;
    struct flock f {};
    f.l_type = F_WRLCK;
    f.l_whence = SEEK_SET;
    return ::fcntl(fd, F_SETLK, &f) != -1;
}

}  // namespace

bool Blocco::crea() {
    const QByteArray nome = QFile::encodeName(nome_);
    const int fd = ::open(nome.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const QByteArray dati = contenuto();
    bool ok = bloccaDescrittore(fd);
    for (qsizetype fatto = 0; ok && fatto < dati.size();) {
        const ssize_t n = ::write(fd, dati.constData() + fatto, static_cast<size_t>(dati.size() - fatto));
        if (n <= 0) ok = false;
        else fatto += n;
    }
    if (!ok) {
        ::close(fd);
        errno = EIO;  // not taken for a lock someone else holds
        ::unlink(nome.constData());
        return false;
    }
    fd_ = fd;
    return true;
}

Blocco::Esito Blocco::prendi() {
    if (preso()) return Esito::preso;
    if (crea()) return Esito::preso;
    if (errno != EEXIST) return Esito::impossibile;
    // There already: QLockFile tells a live owner from a dead one and clears the latter.
    QLockFile altro(nome_);
    altro.setStaleLockTime(0);
    if (altro.tryLock(0)) {
        altro.unlock();
        return crea() ? Esito::preso : Esito::impossibile;
    }
    return altro.error() == QLockFile::LockFailedError ? Esito::occupato : Esito::impossibile;
}

void Blocco::lascia() {
    if (!preso()) return;
    ::unlink(QFile::encodeName(nome_).constData());
    ::close(fd_);
    fd_ = -1;
}

}  // namespace quadrivo
