// Arbitrary bytes as a dictionary file, its last bytes as what the player asks: a class mask
// (indexed and scanned alike, or refused with a message), an anagram, a fragment, crossings.
// Nothing reads outside the file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "solving/lessico_indice.h"
#include "solving/lessico_parole.h"

using namespace quadrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    const std::string domanda = file.substr(file.size() > 24 ? file.size() - 24 : 0);
    const IndiceLessico indice(file, leggiIndiceLessico(file));
    const EsitoMaschera m = leggiMaschera(domanda);
    if (m.errore.empty() == m.maschera.empty()) std::abort();
    if (m.errore.empty()) {
        const int n = static_cast<int>(m.maschera.size());
        const auto conIndice = paroleMaschera(indice, m.maschera);
        if (n >= 3 && n <= 15 && conIndice != paroleMascheraBlocco(indice.parole(n), m.maschera)) std::abort();
        // The word crossed at every letter by a word of the same mask.
        std::vector<std::optional<Incrocio>> incroci;
        for (int i = 0; i < n; ++i) incroci.push_back(Incrocio{m.maschera, i % n});
        const auto candidati = paroleConIncroci(indice, m.maschera, incroci);
        if (candidati.size() > conIndice.size()) std::abort();
    }
    for (const std::uint32_t k : anagrammi(indice, domanda))
        if (k >= indice.blocco(static_cast<int>(domanda.size())).conta) std::abort();
    for (const TrovataFrammento& t : frammenti(indice, domanda))
        if (numeroId(t.id) >= indice.blocco(lunghezzaId(t.id)).conta) std::abort();
    return 0;
}
