#pragma once
// Which shared libraries the test process has mapped: what start-up really loads.
#include <link.h>

#include <cstring>

namespace quadrivo::prova {

// Whether a library whose file name holds `nome` is mapped into this process.
inline bool mappata(const char* nome) {
    struct Cerca {
        const char* nome;
        bool trovata = false;
    } cerca{nome};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* dati) {
            auto* c = static_cast<Cerca*>(dati);
            if (info->dlpi_name && std::strstr(info->dlpi_name, c->nome)) c->trovata = true;
            return 0;
        },
        &cerca);
    return cerca.trovata;
}

}  // namespace quadrivo::prova
