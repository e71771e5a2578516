#pragma once
// The lock file telling other windows a puzzle (or a working copy) is in use here. Written as
// QLockFile writes it, so QLockFile elsewhere reads it, finds it stale when its run is gone, and
// clears it; unlike QLockFile it is not synced to the disk: its content is advisory, and a sync
// before the window shows cost the start up to tens of milliseconds on a busy disk.
#include <QString>
#include <utility>

namespace quadrivo {

class Blocco {
public:
    enum class Esito { preso, occupato, impossibile };

    explicit Blocco(QString nome) : nome_(std::move(nome)) {}
    ~Blocco() { lascia(); }
    Blocco(const Blocco&) = delete;
    Blocco& operator=(const Blocco&) = delete;

    // Takes the lock, clearing a dead run's first (through QLockFile, which knows its signs).
    Esito prendi();
    void lascia();
    bool preso() const { return fd_ >= 0; }
    const QString& nome() const { return nome_; }

private:
    bool crea();
    QString nome_;
    int fd_ = -1;
};

}  // namespace quadrivo
