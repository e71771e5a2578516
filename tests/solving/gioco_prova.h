#pragma once
// The known 5x4 puzzle of schema_prova.h (across: 1 CASA, 4 ORO, 5 NO, 7 ERBA; down: 1 CANE,
// 2 SO, 3 AREA, 6 OR), or any grid given as strings, laid out in memory.
#include "schema_prova.h"

namespace quadrivo::prova {

inline Stato schemaInMemoria(const std::vector<std::string>& soluzioni, const std::vector<std::string>& voci = {},
                             const std::vector<std::string>& definizioni = {}) {
    return statoDaSchema(soluzioni, voci, definizioni);
}

inline Stato schemaProva(const std::vector<std::string>& voci = {}) {
    return schemaInMemoria(soluzioniProva, voci, definizioniProva);
}

}  // namespace quadrivo::prova
