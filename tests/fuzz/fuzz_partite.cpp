// Arbitrary bytes as the kept-solves archive and as a working copy's note: reading never
// fails, and what the writer produces from it reads back to the same entries and the same text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sessione/lavoro.h"
#include "solving/partita.h"

using namespace quadrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const auto voci = leggiArchivio(std::string_view(reinterpret_cast<const char*>(data), size));
    if (voci.size() > maxPartite) std::abort();
    const std::string scritto = testoArchivio(voci);
    if (leggiArchivio(scritto) != voci) std::abort();
    if (testoArchivio(leggiArchivio(scritto)) != scritto) std::abort();
    const std::optional<NotaLavoro> nota = leggiNota(std::string_view(reinterpret_cast<const char*>(data), size));
    if (nota && leggiPartita(testoPartita(nota->partita)) != nota->partita) std::abort();
    return 0;
}
