// Arbitrary grids and key sequences: the cursor never leaves the white cells, keys write
// only white cells, and the current word always holds the current cell.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "solving/navigazione.h"
#include "solving/verifica.h"

using namespace quadrivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    if (size < 2) return 0;
    Cruciverba x(data[0] % 9 + 1, data[1] % 9 + 1);
    size_t i = 2;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) {
            Cella& k = x.cella(c, r);
            if (i < size && data[i++] % 3 == 0) k.tipo = TipoCella::nera;
            else k.soluzione = std::string(1, static_cast<char>('A' + (c * 7 + r) % 26));
        }
    numeraStandard(x);
    const Navigazione nav(x);
    Posizione p;
    for (; i + 1 < size; i += 2) {
        const std::uint8_t k = data[i], v = data[i + 1];
        Passo passo;
        if (k % 12 == 11)
            passo = {nav.clic(p, v % 10, v / 10 % 10), {}, true};
        else if (k % 12 == 10)
            passo = {nav.vaiAParola(x, v % 40), {}, true};
        else
            passo = nav.tasto(x, p, static_cast<TastoGriglia>(k % 10), v, v & 1);
        for (const Scrittura& w : passo.scritture)
            if (!nav.bianca(w.colonna, w.riga) || !x.bianca(w.colonna, w.riga)) std::abort();
        applicaScritture(x, passo.scritture);
        const Posizione q = passo.posizione;
        if (q.valida() && !nav.bianca(q.colonna, q.riga)) std::abort();
        if (p.valida() && !q.valida() && k % 12 != 10) std::abort();
        if (const Parola* w = nav.parolaCorrente(q); w && w->posizione(q.colonna, q.riga) < 0) std::abort();
        p = q;
    }
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c)
            if (x.bianca(c, r) != nav.bianca(c, r) || (!x.bianca(c, r) && !x.cella(c, r).voce.empty())) std::abort();
    caselleSbagliate(x, caselleSchema(x));
    return 0;
}
