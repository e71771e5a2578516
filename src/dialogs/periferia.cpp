#include "dialogs/periferia.h"

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

}  // namespace quadrivo
