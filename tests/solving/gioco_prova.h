#pragma once
// The known 5x4 puzzle of schema_prova.h, or any grid given as strings, laid out in memory.
//
//      1 2 3 4 5     across: 1 CASA, 4 ORO, 5 NO, 7 ERBA
//   1  C A S A #     down:   1 CANE, 2 SO, 3 AREA, 6 OR
//   2  A # O R O
//   3  N O # E #
//   4  E R B A #
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
