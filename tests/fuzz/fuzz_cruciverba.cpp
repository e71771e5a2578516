// Arbitrary bytes through every format's reader, the layout pass and the writer. Beyond not
// crashing, what a writer produced must read back and write out the same, letters typed included.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "formats/formato.h"
#include "model/griglia.h"
#include "model/superficie_registro.h"

using namespace quadrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string dati(reinterpret_cast<const char*>(data), size);
    for (const Formato* f : formati()) {
        Lettura l = f->leggi(dati);
        if (l.esito != EsitoLettura::ok) continue;
        Stato s;
        s.cruciverba = std::move(l.cruciverba);
        SuperficieRegistro sup;
        try {
            disegnaGriglia(s, sup, {1016, 700, 30, 20});
        } catch (const std::range_error&) {
            // a grid too big for the window's 16-bit sizes draws nothing
        }
        // A letter in every white cell, then written: the file must read back as it was written.
        for (const Casella& k : caselleBianche(s.cruciverba))
            if (!s.cruciverba.cella(k).data) s.cruciverba.cella(k).voce = "Q";  // given letters stay
        const std::string scritto = f->scrivi(s.cruciverba);
        const Lettura riletta = f->leggi(scritto);
        if (riletta.esito != EsitoLettura::ok || f->scrivi(riletta.cruciverba) != scritto) std::abort();
        for (const Casella& k : caselleBianche(riletta.cruciverba))
            if (!riletta.cruciverba.cella(k).data && riletta.cruciverba.cella(k).voce != "Q") std::abort();
    }
    return 0;
}
