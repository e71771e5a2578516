#pragma once
// The one puzzle in memory and every program-wide value, owned by the application.
#include <cstdint>
#include <string>

#include "model/cartelle.h"
#include "model/cruciverba.h"

namespace quadrivo {

inline constexpr const char* titoloApplicazione = "Quadrivo 7";
inline constexpr const char* nomeNuovoCruciverba = "NUOVOCRU.trmo";

// Face and style of the grid's letters and numbers; sizes come from the cell size.
struct StileCarattere {
    std::string nome = "Arial";
    bool corsivo = false;
    bool grassetto = false;
    friend bool operator==(const StileCarattere&, const StileCarattere&) = default;
};

struct Stato {
    Cartelle cartelle;

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
    std::string nomeFont = "Arial";

    // Chosen in the font chooser for the grid on screen and on paper; not persisted.
    StileCarattere carattereSchermo;
    StileCarattere carattereStampante;

};

}  // namespace quadrivo
