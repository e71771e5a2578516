// Arbitrary grids and key sequences: the cursor never leaves the white cells, keys write
// only white cells, and the current word always holds the current cell.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/griglia.h"
#include "solving/navigazione.h"
#include "solving/verifica.h"

using namespace quadrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size < 2) return 0;
    Stato s;
    s.nColonne = static_cast<std::int16_t>(data[0] % 9 + 1);
    s.nRighe = static_cast<std::int16_t>(data[1] % 9 + 1);
    size_t i = 2;
    for (int r = 1; r <= s.nRighe; ++r) {
        std::string riga;
        for (int c = 1; c <= s.nColonne; ++c) {
            const bool nera = i < size && (data[i++] % 3 == 0);
            riga += nera ? '*' : static_cast<char>('A' + (c * 7 + r) % 26);
            riga += nera ? '*' : '.';
        }
        s.rigaGriglia(r) = riga;
    }
    numeraGriglia(s);
    const Navigazione nav(s);
    const auto nera = [&](int c, int r) { return s.inserimento(c, r) == '*'; };
    Posizione p;
    for (; i + 1 < size; i += 2) {
        const std::uint8_t k = data[i], v = data[i + 1];
        Passo passo;
        if (k % 12 == 11)
            passo = {nav.clic(p, v % 10, v / 10 % 10), {}, true};
        else if (k % 12 == 10)
            passo = {nav.vaiAParola(s, v % 40), {}, true};
        else
            passo = nav.tasto(s, p, static_cast<TastoGriglia>(k % 10), v, v & 1);
        for (const Scrittura& w : passo.scritture)
            if (!nav.bianca(w.colonna, w.riga) || nera(w.colonna, w.riga)) std::abort();
        applicaScritture(s, passo.scritture);
        const Posizione q = passo.posizione;
        if (q.valida() && !nav.bianca(q.colonna, q.riga)) std::abort();
        if (p.valida() && !q.valida() && k % 12 != 10) std::abort();
        if (const Parola* w = nav.parolaCorrente(q)) {
            bool dentro = false;
            for (int j = 0; j < w->lunghezza; ++j) dentro |= w->colonnaDi(j) == q.colonna && w->rigaDi(j) == q.riga;
            if (!dentro) std::abort();
        }
        p = q;
    }
    for (int r = 1; r <= s.nRighe; ++r)
        for (int c = 1; c <= s.nColonne; ++c)
            if (nera(c, r) == nav.bianca(c, r)) std::abort();
    caselleSbagliate(s, caselleSchema(s));
    return 0;
}
