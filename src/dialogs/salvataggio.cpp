#include "dialogs/salvataggio.h"

#include "dialogs/apertura_schema.h"
#include "mainwindow/lavoro.h"
#include "model/cruciverba.h"
#include "model/file.h"
#include "model/testo.h"

namespace quadrivo {

namespace {
constexpr size_t etichettaAutore = 13;  // "Autore:      " before the name
}

std::string percorsoSalvataggio(const std::string& cartella, const std::string& nome) {
    std::string n = !nome.empty() && nome.front() == '/' ? nome : componiPercorso(cartella, nome);
    if (n.find('.') == std::string::npos) n += estensionePredefinita;
    return n;
}

std::string testoSovrascrittura(const std::string& percorso) {
    return "Il file " + maiuscolo(percorso) + " esiste già; vuoi riscriverlo?";
}

std::string autoreDaRiga(const std::string& riga1) {
    return riga1.size() > etichettaAutore ? daWindows1252(riga1.substr(etichettaAutore)) : std::string{};
}

std::string rigaConAutore(const std::string& riga1, const std::string& autore) {
    return riga1.substr(0, std::min(riga1.size(), etichettaAutore)) + aWindows1252(autore);
}

std::string nomeProposto(const Stato& stato) {
    return stato.nomeFile.empty() ? nomeSalvataggioPredefinito : stato.nomeFile;
}

EsitoSalvataggio salvaConNome(Stato& stato, Piattaforma& piattaforma, const std::string& cartella,
                              const std::string& nome, const std::string& autore) {
    const std::string n = percorsoSalvataggio(cartella, nome);
    bool scrivi = true;
    if (esisteFile(n)) {
        scrivi = piattaforma.messaggio(testoSovrascrittura(n), titoloSalvataggio, Icona::nessuna,
                                       Pulsanti::okAnnulla) == Risposta::ok;
    }
    if (scrivi) {
        const std::string vecchia = stato.righeFile[0];
        stato.righeFile[0] = rigaConAutore(vecchia, autore);
        if (!scriviFileSicuro(n, testoCruciverba(stato))) {
            stato.righeFile[0] = vecchia;
            piattaforma.messaggio(msgErroreDisco);
            return EsitoSalvataggio::errore;
        }
        stato.nomeFile = n;
    }
    if (scrivi) stato.fileModificato = false;
    if (!scriviCopiaLavoro(stato, piattaforma)) {
        // The user's file is safe already; only the working copy lags behind memory.
        return scrivi ? EsitoSalvataggio::salvato : EsitoSalvataggio::errore;
    }
    return scrivi ? EsitoSalvataggio::salvato : EsitoSalvataggio::rinunciato;
}

std::string testoChiediSeSalvare(const std::string& nomeFile) {
    return "Il file " + maiuscolo(nomeFile) + " è cambiato, si desidera salvare";
}

}  // namespace quadrivo
