#pragma once
// The small crossword every game is made from: 4×3 with one black square; across CASA (1),
// RE (4), SOLE (5); down CAS (1), SRL (2), AEE (3).
#include "supporto/schema.h"

namespace quadrivo::prova {

inline const std::vector<std::string> soluzioniCrociato = {"CASA", "A#RE", "SOLE"};
inline const std::vector<std::string> definizioniCrociato = {"  1  11-Abitazione", "  3  21-Sovrano", "  1  31-Stella",
                                                             "  1  12-Cassa",      "  3  12-Societa", "  4  12-Vocali"};

inline Cruciverba crociato() { return cruciverbaDa(soluzioniCrociato, {}, definizioniCrociato); }
inline std::string fileCrociato() { return fileTrmo(soluzioniCrociato, {}, definizioniCrociato); }

}  // namespace quadrivo::prova
