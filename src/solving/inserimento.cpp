#include "solving/inserimento.h"

#include <algorithm>
#include <vector>

#include "model/testo.h"
#include "solving/navigazione.h"

namespace quadrivo {

Via viaPerPulsante(int pulsante, bool tastoSinistro) {
    if (pulsante == pulsanteSinistro && !tastoSinistro) return Via::digitazione;
    if (pulsante == pulsanteDestro && tastoSinistro) return Via::digitazione;
    return Via::dialogo;
}

EsitoClic decidiClic(const Cruciverba& x, Stato& s, int pulsante, double X, double Y, Direzione hover) {
    const PuntoGriglia k = cellaSotto(s, X, Y);
    if (fuoriGriglia(x, s, X, Y, k)) return EsitoClic::fuori;
    if (s.grigliaAttiva != 1) return EsitoClic::inattiva;
    const int c = static_cast<int>(k.colonna), r = static_cast<int>(k.riga);
    s.colonnaCorrente = static_cast<std::int16_t>(c);
    s.rigaCorrente = static_cast<std::int16_t>(r);
    const int d = numeroDirezione(hover);
    // The pointer can show a direction left from before a redraw; a cell with no letters that
    // way has no word to open.
    if (d == 0 || !definizioneDa(x, {c, r}, d)) return EsitoClic::nessunaParola;
    s.direzioneCorrente = static_cast<std::int16_t>(d);
    return viaPerPulsante(pulsante, s.tastoSinistro) == Via::digitazione ? EsitoClic::digitazione
                                                                         : EsitoClic::dialogo;
}

}  // namespace quadrivo
