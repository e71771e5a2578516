#include "dialogs/periferia.h"

#include <array>
#include <utility>

#include "model/numeri.h"
#include "model/piattaforma.h"
#include "versione.h"

namespace quadrivo {

std::string testoVersione(int maggiore, int minore, int revisione) {
    return std::string(titoloApplicazione) + " - Versione " + std::to_string(maggiore) + "." + std::to_string(minore) + "." +
           std::to_string(revisione);
}

std::string testoVersione() { return testoVersione(versioneMaggiore, versioneMinore, versioneRevisione); }


std::string testoInfoSistema(const InfoSistema& info) {
    std::string testo = testoVersione() + "\nQt " + info.versioneQt;
    if (info.versioneQtCompilazione != info.versioneQt) testo += " (compilato con Qt " + info.versioneQtCompilazione + ")";
    testo += "\n\nCartelle in uso:";
    for (const auto& [nome, percorso] : info.cartelle)
        testo += "\n" + nome + ": " + (percorso.empty() ? std::string("nessuna") : percorso);
    testo += "\n\nDizionari caricati:";
    if (info.dizionari.empty()) testo += "\nnessuno";
    for (const std::string& d : info.dizionari) testo += "\n" + d;
    return testo;
}

AzioneBarra azioneBarra(std::string_view chiave) {
    static constexpr std::array<std::pair<std::string_view, AzioneBarra>, 7> tabella = {{
        {"Apri", AzioneBarra::apri},
        {"Salva", AzioneBarra::salva},
        {"Stampa", AzioneBarra::stampa},
        {"Anteprima", AzioneBarra::anteprima},
        {"Font", AzioneBarra::font},
        {"Cancella", AzioneBarra::cancella},
        {"Controlla", AzioneBarra::controlla},
    }};
    for (const auto& [k, a] : tabella)
        if (k == chiave) return a;
    return AzioneBarra::nessuna;
}

}  // namespace quadrivo
