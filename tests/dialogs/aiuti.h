#pragma once
// Small helpers shared by the dialog tests.
#include <string>
#include <vector>

#include "model/piattaforma_registro.h"

namespace quadrivo::prova {

// The texts of the messages shown so far, in order.
inline std::vector<std::string> testi(const PiattaformaRegistro& p) {
    std::vector<std::string> v;
    for (const auto& m : p.messaggi) v.push_back(m.testo);
    return v;
}

}  // namespace quadrivo::prova
