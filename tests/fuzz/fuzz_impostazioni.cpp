// Arbitrary settings text: reading never fails, and what the writer produces reads back to
// the same settings.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/impostazioni.h"

using namespace quadrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    ValoriImpostazioni s;
    applicaImpostazioni(s, std::string(reinterpret_cast<const char*>(data), size));
    std::string scritto = testoImpostazioni(s);
    ValoriImpostazioni t;
    applicaImpostazioni(t, scritto);
    if (testoImpostazioni(t) != scritto) std::abort();
    return 0;
}
