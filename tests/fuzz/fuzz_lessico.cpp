// Arbitrary bytes as a dictionary file: loading, the index, and the search through the index
// and through the plain scan never read outside the file and always agree.
#include <unistd.h>

#include <algorithm>
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
    // The program's own path too: loaded from a file, then searched.
    std::ofstream(cartella + "LessicoItaliano.dat", std::ios::binary | std::ios::trunc) << file;
    Lessico s;
    s.cartella = cartella;
    PiattaformaRegistro p;
    caricaLessico(s, p);
    VistaMuta vista;
    for (int L = lunghezzaMinimaLessico; L <= lunghezzaMassimaLessico; ++L) {
        const BloccoLessico b = bloccoEffettivo(voci[L], L, static_cast<std::int64_t>(size));
        if (b.offset < 0 || b.conta < 0 || b.offset + b.conta * L > static_cast<std::int64_t>(size)) std::abort();
        const std::string_view blocco = std::string_view(file).substr(b.offset, b.conta * L);
        std::string maschera = maschere.substr(0, L);
        maschera.resize(L, ' ');
        const std::vector<std::uint32_t> attese = paroleCompatibili(blocco, L, maschera);
        if (paroleCompatibili(blocco, L, maschera, &indice) != attese) std::abort();
        // The words copied out in one pass, from the index's copy and by the program are the same words.
        std::string copiate, copiateAttese, lette;
        for (std::uint32_t k : attese) copiateAttese.append(blocco.substr(std::size_t(k) * L, L));
        const RicercaMaschera ricerca(L, maschera, b.conta, &indice);
        const std::int64_t primo =
            ricerca.copiaTrovate(blocco.substr(std::min(blocco.size(), std::size_t(ricerca.primo()) * L)), copiate);
        if (copiate != copiateAttese || primo != (attese.empty() ? -1 : std::int64_t(attese[0]))) std::abort();
        std::vector<IndiceLessico::Fissa> fisse;
        for (int q = 0; q < L; ++q)
            if (maschera[q] != ' ') fisse.push_back({q, static_cast<unsigned char>(maschera[q])});
        if (!fisse.empty() && std::none_of(fisse.begin(), fisse.end(), [](auto f) { return f.c == 0; }))
            if (indice.copiaParole(L, fisse, copiate) != primo || copiate != copiateAttese) std::abort();
        const ParoleTrovate trovate = cercaNelLessico(s, p, maschera, vista);
        for (std::size_t i = 0; i < trovate.size(); ++i) {
            if (trovate[i].size() != std::size_t(L) || trovate.utf8(i).empty()) std::abort();
            lette.append(trovate[i]);
        }
        if (lette != copiateAttese) std::abort();
        cercaNelLessico(s, p, std::string(L, ' '), vista);
    }
    std::remove((cartella + "LessicoItaliano.dat").c_str());
    return 0;
}
