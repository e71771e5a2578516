#include "dialogs/scelta_carattere.h"

#include <array>

namespace quadrivo {

std::string rigaConteggioFont(size_t quanti) { return "N. " + std::to_string(quanti) + " Fonts installati"; }

std::string testoCampione(const std::string& famiglia) { return famiglia + codaCampione; }

int indicePreselezione(const std::vector<std::string>& famiglie, const std::string& nome) {
    for (size_t i = 0; i < famiglie.size(); ++i)
        if (famiglie[i] == nome) return static_cast<int>(i);
    return -1;
}

bool StileInStato::impostaNome(const std::string& nome) {
    if (nome != "Arial" && disponibile_ && !disponibile_(nome)) return false;
    stile_.nome = nome;
    return true;
}

bool applicaCarattere(Stato& stato, Piattaforma& piattaforma, DestinazioneCarattere& stampante,
                      DestinazioneCarattere& schermo, const std::string& scelta, bool corsivo, bool grassetto) {
    if (scelta.empty()) return false;
    const std::array<std::function<bool()>, 7> passi = {
        [&] { stato.nomeFont = scelta; return true; },
        [&] { return stampante.impostaNome(stato.nomeFont); },
        [&] { return stampante.impostaCorsivo(corsivo); },
        [&] { return stampante.impostaGrassetto(grassetto); },
        [&] { return schermo.impostaNome(stato.nomeFont); },
        [&] { return schermo.impostaCorsivo(corsivo); },
        [&] { return schermo.impostaGrassetto(grassetto); },
    };
    for (const auto& passo : passi) {
        if (passo()) continue;
        piattaforma.messaggio(msgFontNonDisponibile);
        // The fallback itself is not checked again: Arial is what the drawing falls back on anyway.
        stato.nomeFont = "Arial";
        for (DestinazioneCarattere* d : {&stampante, &schermo}) {
            d->impostaNome(stato.nomeFont);
            d->impostaCorsivo(false);
            d->impostaGrassetto(false);
        }
    }
    return true;
}

}  // namespace quadrivo
