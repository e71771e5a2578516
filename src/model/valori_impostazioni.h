#pragma once
// The values the grid is drawn and played with: tramerio.ini's and the fonts of the font chooser.
// Impostazioni owns the one in use; everyone else reads it through a const reference.
#include <cstdint>
#include <string>

namespace quadrivo {

// Face and style of the grid's letters and numbers; sizes come from the cell size.
struct StileCarattere {
    std::string nome = "Arial";
    bool corsivo = false;
    bool grassetto = false;
    friend bool operator==(const StileCarattere&, const StileCarattere&) = default;
};

struct ValoriImpostazioni {
    // Display settings and the two menu options, persisted in tramerio.ini.
    std::int16_t PercentualeRiquadro = 0;
    std::int16_t SpessoreBordo = 0;
    std::int16_t AltezzaCaratteri = 0;
    std::int16_t AltezzaNumeri = 0;
    std::int16_t DistanzaDaSpigolo = 0;
    std::int16_t DistanzaDaCentro = 0;
    std::int16_t StampaSoluzioni = 0;
    bool rettangoloParola = true;  // check mark of Menurett
    bool tastoSinistro = false;    // check mark of menuold
    // The grid's face, kept with the player's options (Quadrivo.conf), not in tramerio.ini.
    std::string nomeFont = "Arial";

    // Chosen in the font chooser for the grid on screen and on paper; not in tramerio.ini.
    StileCarattere carattereSchermo;
    StileCarattere carattereStampante;

    friend bool operator==(const ValoriImpostazioni&, const ValoriImpostazioni&) = default;
};

}  // namespace quadrivo
