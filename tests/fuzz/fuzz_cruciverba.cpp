// Arbitrary bytes through the open path: line-by-line copy, reader, layout pass, writer.
// Beyond not crashing, a file the writer produced must read back and write out the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/griglia.h"
#include "model/cruciverba.h"
#include "model/file.h"
#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"

using namespace quadrivo;

namespace {

bool apri(Stato& s, const std::string& dati) {
    PiattaformaRegistro p;
    try {
        leggiCruciverbaDaDati(s, p, righeCrLf(dati));
        SuperficieRegistro sup;
        disegnaGriglia(s, sup, p, {1016, 700, 30, 20});
        return true;
    } catch (const ProgrammaTerminato&) {
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    std::string dati(reinterpret_cast<const char*>(data), size);
    Stato s;
    if (!apri(s, dati)) return 0;
    std::string scritto = testoCruciverba(s);
    Stato t;
    if (!apri(t, scritto)) std::abort();  // what we write we must be able to read
    if (testoCruciverba(t) != scritto) std::abort();
    return 0;
}
