#include "supporto/guasto.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quadrivo::prova {

namespace {

// The real steps, with one of them failing as the disk would: the write before it has happened.
class ScritturaGuasta : public ScritturaFile {
public:
    ScritturaGuasta(const std::string& percorso, Passo passo) : vera_(scritturaReale(percorso)), passo_(passo) {}
    bool apri() override { return passo_ != Passo::apertura && vera_->apri(); }
    bool scrivi(std::string_view dati) override {
        // A short write: half the bytes go, then the disk refuses.
        if (passo_ != Passo::scrittura) return vera_->scrivi(dati);
        vera_->scrivi(dati.substr(0, dati.size() / 2));
        return false;
    }
    bool svuota() override { return vera_->svuota() && passo_ != Passo::svuotamento; }
    bool conferma() override {
        if (passo_ != Passo::conferma) return vera_->conferma();
        vera_->annulla();  // the rename fails: the new bytes never take the name
        return false;
    }
    void annulla() override { vera_->annulla(); }

private:
    std::unique_ptr<ScritturaFile> vera_;
    Passo passo_;
};

}  // namespace

DiscoGuasto::DiscoGuasto(Passo passo) {
    precedente_ = impostaFabbricaScrittura([this, passo](const std::string& percorso) {
        ++tentativi;
        return std::make_unique<ScritturaGuasta>(percorso, passo);
    });
}

DiscoGuasto::~DiscoGuasto() { impostaFabbricaScrittura(std::move(precedente_)); }

long long pidMorto() {
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        ::pause();
        ::_exit(0);
    }
    ::kill(figlio, SIGKILL);
    ::waitpid(figlio, nullptr, 0);
    return figlio;
}

}  // namespace quadrivo::prova
