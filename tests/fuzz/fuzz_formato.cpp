// Arbitrary bytes through one format's reader (FORMATO_FUZZ names it), the layout pass and its
// writer: what the writer produced must read back and write out the same, letters typed included.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "formats/formato.h"
#include "model/griglia.h"
#include "model/superficie_registro.h"

using namespace quadrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static const Formato* f = formatoPerNome(FORMATO_FUZZ);
    const std::string dati(reinterpret_cast<const char*>(data), size);
    Lettura l = f->leggi(dati);
    if (l.esito != EsitoLettura::ok) {
        if (l.spiegazione.empty()) std::abort();  // every refusal says why
        return 0;
    }
    Stato s;
    s.cruciverba = std::move(l.cruciverba);
    SuperficieRegistro sup;
    try {
        disegnaGriglia(s, sup, {1016, 700, 30, 20});
    } catch (const std::range_error&) {
    }
    // Letters everywhere the player may type: given letters stay the puzzle's.
    for (const Casella& k : caselleBianche(s.cruciverba))
        if (!s.cruciverba.cella(k).data) s.cruciverba.cella(k).voce = "QU";
    const std::string scritto = f->scrivi(s.cruciverba);
    const Lettura riletta = f->leggi(scritto);
    if (riletta.esito != EsitoLettura::ok || f->scrivi(riletta.cruciverba) != scritto) std::abort();
    for (const Casella& k : caselleBianche(riletta.cruciverba))
        if (!riletta.cruciverba.cella(k).data && riletta.cruciverba.cella(k).voce != "QU") std::abort();
    return 0;
}
