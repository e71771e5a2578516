#include "elenco_parole.h"

#include <fstream>
#include <sstream>

#include "solving/lessico_crea.h"
#include "solving/lessico_indice.h"
#include "strumento.h"

namespace quadrivo::prova {

std::optional<std::unordered_set<std::string>> paroleDelLessico(const std::string& percorso) {
    std::unordered_set<std::string> parole;
    for (int n = lunghezzaMinimaLessico; n <= lunghezzaMassimaLessico; ++n) {
        // an all-blank mask lists every word of that length
        std::ostringstream out, err;
        if (eseguiLessico({"cerca", percorso, std::string(static_cast<size_t>(n), '.')}, out, err) != 0)
            return std::nullopt;
        std::istringstream righe(out.str());
        std::string parola;
        while (std::getline(righe, parola))
            if (!parola.empty()) parole.insert(parola);
    }
    return parole;
}

std::optional<std::unordered_set<std::string>> caricaElenco(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    if (!f) return std::nullopt;
    std::unordered_set<std::string> parole;
    std::string riga;
    while (std::getline(f, riga)) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        if (auto p = piegaParola(riga)) parole.insert(std::move(*p));
    }
    return parole;
}

std::unordered_set<std::string> caricaVoci(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    std::unordered_set<std::string> voci;
    std::string riga;
    while (std::getline(f, riga)) {
        riga = riga.substr(0, riga.find('#'));
        std::istringstream campi(riga);
        std::string voce;
        if (campi >> voce) voci.insert(voce);
    }
    return voci;
}

}  // namespace quadrivo::prova
