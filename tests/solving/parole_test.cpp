// The word helper over a small dictionary: classes, anagrams, fragments, crossings.
#include <gtest/gtest.h>

#include <cstring>

#include "dizionario_prova.h"
#include "solving/lessico_incroci.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

const std::string dati = prova::dizionario({
    {3, {"ORA", "ARA", "RIO", "AIA", "OCA"}},
    {4, {"ROMA", "MORA", "RAMO", "ARMO", "MELA", "MALA", "MOLA", "COMO", "PISA", "RANA", "RAMA", "AMOR"}},
    {5, {"MAMMA", "PURGO", "PREGO", "RAMPA", "MIRRA", "CAPRA"}},
    {6, {"PARIGI", "XPXRXG", "SPARGE"}},
    {7, {"APARIGO"}},
});
const IndiceLessico& indice() {
    static const IndiceLessico i(dati, leggiIndiceLessico(dati));
    return i;
}

std::string testi(int n, const std::vector<std::uint32_t>& numeri) {
    std::string s;
    for (const std::uint32_t k : numeri) s += (s.empty() ? "" : " ") + std::string(indice().parole(n).substr(k * n, n));
    return s;
}

TEST(Parole, MaschereConClassi) {
    const std::pair<const char*, const char*> casi[] = {
        {"M.LA", "MELA MALA MOLA"},
        {"#@#@", "ROMA MORA RAMO MELA MALA MOLA COMO PISA RANA RAMA"},
        {"[RM]O[MR]A", "ROMA MORA"},
        {"[!RM]@#@", "COMO PISA"},
        {"#@#", ""},
        {"[!mc]@##@", "PURGO RAMPA"},
    };
    for (const auto& [maschera, attese] : casi) {
        const EsitoMaschera m = leggiMaschera(maschera);
        ASSERT_EQ(m.errore, "") << maschera;
        const int n = static_cast<int>(m.maschera.size());
        EXPECT_EQ(testi(n, paroleMaschera(indice(), m.maschera)), attese) << maschera;
        // The scan without the index finds exactly the same words.
        EXPECT_EQ(paroleMascheraBlocco(indice().parole(n), m.maschera), paroleMaschera(indice(), m.maschera))
            << maschera;
    }
}

TEST(Parole, MaschereSbagliate) {
    for (const char* m : {"M[AE", "M[]LA", "M[!]LA", "M[A1]LA", "M3LA", "ML]A", "", "M-LA"})
        EXPECT_NE(leggiMaschera(m).errore, "") << m;
    EXPECT_EQ(leggiMaschera("M[AE").errore, "parentesi quadra non chiusa dopo \"M\"");
}

TEST(Parole, Anagrammi) {
    const std::pair<const char*, const char*> casi[] = {
        {"ROMA", "ROMA MORA RAMO ARMO AMOR"},
        {"R.MA", "ROMA MORA RAMO ARMO RAMA AMOR"},
        {"AAAMM", ""},
        {"R1MA", ""},
    };
    for (const auto& [lettere, attese] : casi) {
        const int n = static_cast<int>(std::strlen(lettere));
        EXPECT_EQ(testi(n, anagrammi(indice(), lettere)), attese) << lettere;
        // Counting the letters of the block where it lies gives the same words.
        EXPECT_EQ(testi(n, anagrammiBlocco(blocchiLessico(dati).blocco(n), lettere)), attese) << lettere;
    }
}

TEST(Parole, Frammenti) {
    auto righe = [](const char* f, bool conIndice = true) {
        std::string s;
        for (const TrovataFrammento& t : conIndice ? frammenti(indice(), f) : frammenti(blocchiLessico(dati), f)) {
            const int n = lunghezzaId(t.id);
            s += std::string(s.empty() ? "" : ", ") + nomeRelazione(t.relazione) + " " +
                 std::string(indice().parole(n).substr(numeroId(t.id) * n, n));
        }
        return s;
    };
    const std::pair<const char*, const char*> casi[] = {
        // Consonants at any length, odd letters of 5 and 6 letters, even ones of 6 and 7.
        {"PRG",
         "consonanti PURGO, consonanti PREGO, consonanti PARIGI, consonanti APARIGO, dispari PARIGI, pari XPXRXG, "
         "pari APARIGO"},
        {"IA", "vocali PISA, vocali MIRRA, pari PISA"},
        {"RA", "estremi ROMA, estremi RANA, estremi RAMA, estremi RAMPA"},
        {"OM", "centro ROMA, centro COMO"},
        {"P1", ""},
    };
    for (const auto& [frammento, attese] : casi) {
        EXPECT_EQ(righe(frammento), attese) << frammento;
        EXPECT_EQ(righe(frammento, false), attese) << frammento << " without the index";
    }
}

TEST(Parole, Incroci) {
    // Across 1 crosses down 1 (three open letters) and down 4 (ending in the "A" typed).
    const Cruciverba x = prova::cruciverbaDa({"ROMA", "IX#R", "O#AA"}, {"....", "..#.", ".#.A"});
    auto lista = [&](const std::vector<Casella>& parola, bool conIndice = true) {
        std::string s;
        for (const Suggerimento& g : conIndice ? suggerimenti(x, parola, indice()) : suggerimenti(x, parola, blocchiLessico(dati)))
            s += (s.empty() ? "" : " ") + g.parola + "/" + std::to_string(g.rimaste) + "/" + std::to_string(g.minimo);
        return s;
    };
    // AMOR would leave down 4 as R.A, no word; MORA has no 3-letter word from M. Same from the blocks.
    for (const bool conIndice : {true, false}) {
        EXPECT_EQ(lista({{1, 1}, {2, 1}, {3, 1}, {4, 1}}, conIndice), "ROMA/3/1 RAMO/3/1 ARMO/4/2 RANA/3/1 RAMA/3/1") << conIndice;
        EXPECT_EQ(lista({{1, 1}, {1, 2}, {1, 3}}, conIndice), "ARA/2/2 RIO/4/4 AIA/2/2") << conIndice;
    }
}

}  // namespace
