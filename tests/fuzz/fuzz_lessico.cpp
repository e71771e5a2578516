// Arbitrary bytes as a dictionary file: loading, the index, and the search through the index
// and through the plain scan never read outside the file and always agree.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"
#include "solving/lessico.h"
#include "solving/lessico_indice.h"

using namespace quadrivo;

namespace {

struct VistaMuta : VistaRicerca {
    void svuotaLista() override {}
    void aggiungiParole(const ParoleTrovate&) override {}
    void impostaStato(const std::string&) override {}
    void impostaTestoLista(const std::string&) override {}
    Superficie& progresso() override { return barra; }
    SuperficieRegistro barra;
};

const std::string cartella = "/tmp/fuzz_lessico_" + std::to_string(::getpid()) + "_";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    // The masks come from the file's last bytes, so the fuzzer steers them too.
    const std::string maschere = file.substr(file.size() > 15 ? file.size() - 15 : 0);

    const IndiceFileLessico voci = leggiIndiceLessico(file);
    const IndiceLessico indice(file, voci);
    std::array<std::string, lunghezzaMassimaLessico + 1> attesePerLunghezza;
    for (int L = lunghezzaMinimaLessico; L <= lunghezzaMassimaLessico; ++L) {
        const BloccoLessico b = bloccoEffettivo(voci[L], L, static_cast<std::int64_t>(size));
        if (b.offset < 0 || b.conta < 0 || b.offset + b.conta * L > static_cast<std::int64_t>(size)) std::abort();
        const std::string_view blocco = std::string_view(file).substr(b.offset, b.conta * L);
        std::string maschera = maschere.substr(0, L);
        maschera.resize(L, ' ');
        const std::vector<std::uint32_t> attese = paroleCompatibili(blocco, L, maschera);
        if (paroleCompatibili(blocco, L, maschera, &indice) != attese) std::abort();
        // The words copied out in one pass are the same words.
        const RicercaMaschera ricerca(L, maschera, b.conta, &indice);
        std::string copiate, copiateAttese;
        for (std::uint32_t k : attese) copiateAttese.append(blocco.substr(std::size_t(k) * L, L));
        attesePerLunghezza[L] = copiateAttese;
        const std::int64_t primo =
            ricerca.copiaTrovate(blocco.substr(std::min(blocco.size(), std::size_t(ricerca.primo()) * L)), copiate);
        if (copiate != copiateAttese || primo != (attese.empty() ? -1 : std::int64_t(attese[0]))) std::abort();
        std::vector<IndiceLessico::Fissa> fisse;
        for (int p = 0; p < L; ++p)
            if (maschera[p] != ' ') fisse.push_back({p, static_cast<unsigned char>(maschera[p])});
        if (!fisse.empty() && std::none_of(fisse.begin(), fisse.end(), [](auto f) { return f.c == 0; })) {
            const std::int64_t daIndice = indice.copiaParole(L, fisse, copiate);
            if (copiate != copiateAttese || daIndice != primo) std::abort();
        }
    }

    // The program's own path: load from a file, then search.
    std::ofstream(cartella + "LessicoItaliano.dat", std::ios::binary | std::ios::trunc) << file;
    Stato s;
    s.cartellaProgramma = cartella;
    PiattaformaRegistro p;
    caricaLessico(s, p);
    VistaMuta vista;
    for (int L = lunghezzaMinimaLessico; L <= lunghezzaMassimaLessico; ++L) {
        std::string maschera = maschere.substr(0, L);
        maschera.resize(L, ' ');
        const ParoleTrovate trovate = cercaNelLessico(s, p, maschera, vista);
        std::string lette;
        for (std::size_t i = 0; i < trovate.size(); ++i) {
            if (trovate[i].size() != std::size_t(L) || trovate.utf8(i).empty()) std::abort();
            lette.append(trovate[i]);
        }
        if (lette != attesePerLunghezza[L]) std::abort();  // the file is the one loaded: the same words
        cercaNelLessico(s, p, std::string(L, ' '), vista);
    }
    std::remove((cartella + "LessicoItaliano.dat").c_str());
    return 0;
}
