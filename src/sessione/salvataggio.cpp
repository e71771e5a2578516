#include "sessione/salvataggio.h"

#include "sessione/lavoro.h"
#include "formats/formato.h"
#include "model/file.h"
#include "model/testo.h"

namespace quadrivo {

namespace {

// A .jpz is read but saved as an .ipuz of the same name, which keeps all it holds.
bool daRinominare(const std::string& nomeFile) {
    const Formato* f = formatoPerEstensione(nomeFile);
    return f && f->nome() == "jpz";
}

}  // namespace

AzioneSalva decisioneSalva(const std::string& nomeFile) {
    return nomeFile.empty() || nomeFile == nomeNuovoCruciverba || daRinominare(nomeFile) ? AzioneSalva::salvaConNome
                                                                                        : AzioneSalva::scrivi;
}

std::string percorsoSalvataggio(const std::string& cartella, const std::string& nome) {
    std::string n = !nome.empty() && nome.front() == '/' ? nome : componiPercorso(cartella, nome);
    if (n.find('.') == std::string::npos) n += estensionePredefinita;
    return n;
}

std::string testoSovrascrittura(const std::string& percorso) {
    return "Il file " + percorso + " esiste già; vuoi riscriverlo?";
}

std::string nomeProposto(const Documento& d) {
    if (d.nomeFile.empty()) return nomeSalvataggioPredefinito;
    if (daRinominare(d.nomeFile)) return d.nomeFile.substr(0, d.nomeFile.rfind('.')) + ".ipuz";
    return d.nomeFile;
}

std::string motivoNomeProposto(const Documento& d) {
    if (!daRinominare(d.nomeFile)) return {};
    return "Il formato ." + formatoPerEstensione(d.nomeFile)->nome() +
           " si legge soltanto: il cruciverba sarà salvato come .ipuz";
}

EsitoSalvataggio salvaConNome(Documento& d, Piattaforma& piattaforma, const std::string& cartella,
                              const std::string& nome, const std::string& autore) {
    const std::string n = percorsoSalvataggio(cartella, nome);
    bool scrivi = true;
    if (esisteFile(n)) {
        scrivi = piattaforma.messaggio(testoSovrascrittura(n), titoloSalvataggio, Icona::nessuna,
                                       Pulsanti::annullaOk) == Risposta::ok;
    }
    if (scrivi) {
        // The name's extension picks the format; one that cannot hold the puzzle is refused.
        Cruciverba daScrivere = d.cruciverba;
        if (const std::string manca = adattaAFormato(daScrivere, n); !manca.empty()) {
            piattaforma.messaggio(manca + " Scegliere un altro nome o un'altra estensione (.ipuz contiene tutto).",
                                  titoloSalvataggio, Icona::attenzione);
            return EsitoSalvataggio::errore;
        }
        daScrivere.autore = autore;
        if (const EsitoScrittura esito = scriviFileSicuro(n, testoCruciverba(daScrivere)); !esito) {
            piattaforma.messaggio(messaggioScrittura(n, esito, msgErroreDisco));
            return EsitoSalvataggio::errore;
        }
        d.cruciverba = std::move(daScrivere);
        d.nomeFile = n;
        // The file holds every answer: the working copy is the caller's to drop, not to rewrite.
        return EsitoSalvataggio::salvato;
    }
    return scriviCopiaLavoro(d, piattaforma) ? EsitoSalvataggio::rinunciato : EsitoSalvataggio::errore;
}

std::string testoChiediSeSalvare(const std::string& nomeFile) {
    return "Il file " + nomeFile + " è cambiato, si desidera salvare?";
}

}  // namespace quadrivo
