#include "dialogs/scelta_carattere.h"

#include <algorithm>
#include <array>

namespace quadrivo {

std::string rigaConteggioFont(size_t quanti) { return "N. " + std::to_string(quanti) + " Fonts installati"; }

std::string testoCampione(const std::string& famiglia) { return famiglia + codaCampione; }

int indicePreselezione(const std::vector<std::string>& famiglie, const std::string& nome) {
    for (size_t i = 0; i < famiglie.size(); ++i)
        if (famiglie[i] == nome) return static_cast<int>(i);
    return -1;
}

const std::vector<FamigliaCompatibile>& famiglieCompatibili() {
    static const std::vector<FamigliaCompatibile> t = {
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
        // No metric twin is packaged for these two; DejaVu Sans is what fontconfig picks too.
        {"Tahoma", "DejaVu Sans"},
        {"Verdana", "DejaVu Sans"},
    };
    return t;
}

int indiceFamigliaInUso(const std::vector<std::string>& famiglie, const std::string& nome) {
    if (const int i = indicePreselezione(famiglie, nome); i >= 0) return i;
    for (const FamigliaCompatibile& f : famiglieCompatibili())
        if (nome == f.nome) return indicePreselezione(famiglie, f.sostituto);
    return -1;
}

std::vector<std::string> famiglieSenzaFonderia(const std::vector<std::string>& famiglie) {
    std::vector<std::string> uniche;
    for (std::string f : famiglie) {
        if (const size_t aperta = f.rfind(" ["); aperta != std::string::npos && f.back() == ']') f.erase(aperta);
        if (std::find(uniche.begin(), uniche.end(), f) == uniche.end()) uniche.push_back(std::move(f));
    }
    return uniche;
}

bool StileInValori::impostaNome(const std::string& nome) {
    if (nome != "Arial" && disponibile_ && !disponibile_(nome)) return false;
    stile_.nome = nome;
    return true;
}

bool applicaCarattere(ValoriImpostazioni& valori, Piattaforma& piattaforma, DestinazioneCarattere& stampante,
                      DestinazioneCarattere& schermo, const std::string& scelta, bool corsivo, bool grassetto) {
    if (scelta.empty()) return false;
    const std::array<std::function<bool()>, 7> passi = {
        [&] { valori.nomeFont = scelta; return true; },
        [&] { return stampante.impostaNome(valori.nomeFont); },
        [&] { return stampante.impostaCorsivo(corsivo); },
        [&] { return stampante.impostaGrassetto(grassetto); },
        [&] { return schermo.impostaNome(valori.nomeFont); },
        [&] { return schermo.impostaCorsivo(corsivo); },
        [&] { return schermo.impostaGrassetto(grassetto); },
    };
    for (const auto& passo : passi) {
        if (passo()) continue;
        piattaforma.messaggio(msgFontNonDisponibile);
        // The fallback itself is not checked again: Arial is what the drawing falls back on anyway.
        valori.nomeFont = "Arial";
        for (DestinazioneCarattere* d : {&stampante, &schermo}) {
            d->impostaNome(valori.nomeFont);
            d->impostaCorsivo(false);
            d->impostaGrassetto(false);
        }
    }
    return true;
}

}  // namespace quadrivo
