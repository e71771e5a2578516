// Arbitrary bytes as the kept-solves archive: reading never fails, and what the writer
// produces from it reads back to the same entries and the same text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "solving/partita.h"

using namespace quadrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const auto voci = leggiArchivio(std::string_view(reinterpret_cast<const char*>(data), size));
    if (voci.size() > maxPartite) std::abort();
    const std::string scritto = testoArchivio(voci);
    if (leggiArchivio(scritto) != voci) std::abort();
    if (testoArchivio(leggiArchivio(scritto)) != scritto) std::abort();
    return 0;
}
