#include "sessione/salvataggio.h"

#include "sessione/lavoro.h"
#include "formats/formato.h"
#include "model/file.h"
#include "model/testo.h"

namespace quadrivo {

AzioneSalva decisioneSalva(const std::string& nomeFile) {
    return nomeFile.empty() || nomeFile == nomeNuovoCruciverba ? AzioneSalva::salvaConNome : AzioneSalva::scrivi;
}

std::string percorsoSalvataggio(const std::string& cartella, const std::string& nome) {
    std::string n = !nome.empty() && nome.front() == '/' ? nome : componiPercorso(cartella, nome);
    if (n.find('.') == std::string::npos) n += estensionePredefinita;
    return n;
}

std::string testoSovrascrittura(const std::string& percorso) {
    return "Il file " + percorso + " esiste già; vuoi riscriverlo?";
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
        const std::string vecchio = stato.cruciverba.autore;
        stato.cruciverba.autore = autore;
        if (!scriviFileSicuro(n, testoCruciverba(stato.cruciverba))) {
            stato.cruciverba.autore = vecchio;
            piattaforma.messaggio(messaggioScrittura(n, msgErroreDisco));
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
    return "Il file " + nomeFile + " è cambiato, si desidera salvare?";
}

}  // namespace quadrivo
