// Arbitrary bytes through one format's reader (FORMATO_FUZZ names it; without it, every format's),
// the layout pass and the writer: what the writer produced must read back and write out the same,
// letters typed included, and an open format's refusal says why.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "formats/formato.h"
#include "model/griglia.h"
#include "model/superficie_registro.h"

using namespace quadrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
#ifdef FORMATO_FUZZ
    static const std::vector<const Formato*> scelti{formatoPerNome(FORMATO_FUZZ)};
#else
    static const std::vector<const Formato*> scelti = formati();
#endif
    const std::string dati(reinterpret_cast<const char*>(data), size);
    for (const Formato* f : scelti) {
        Lettura l = f->leggi(dati);
        if (l.esito != EsitoLettura::ok && l.spiegazione.empty() && f->nome() != "trmo") std::abort();
        if (l.esito != EsitoLettura::ok) continue;
        Documento d;
        d.cruciverba = std::move(l.cruciverba);
        SuperficieRegistro sup;
        try {
            disegnaGriglia(d, ValoriImpostazioni{}, sup, {1016, 700, 30, 20});
        } catch (const std::range_error&) {
            // a grid too big for the window's 16-bit sizes draws nothing
        }
        // Letters everywhere the player may type (one a cell in a .trmo): given letters stay the puzzle's.
        const std::string voce = f->nome() == "trmo" ? "Q" : "QU";
        for (const Casella& k : caselleBianche(d.cruciverba))
            if (!d.cruciverba.cella(k).data) d.cruciverba.cella(k).voce = voce;
        const std::string scritto = f->scrivi(d.cruciverba);
        const Lettura riletta = f->leggi(scritto);
        if (riletta.esito != EsitoLettura::ok || f->scrivi(riletta.cruciverba) != scritto) std::abort();
        for (const Casella& k : caselleBianche(riletta.cruciverba))
            if (!riletta.cruciverba.cella(k).data && riletta.cruciverba.cella(k).voce != voce) std::abort();
    }
    return 0;
}
