#include "solving/inserimento.h"

#include <algorithm>
#include <vector>

#include "model/testo.h"
#include "solving/navigazione.h"
#include "solving/varianti.h"

namespace quadrivo {

Via viaPerPulsante(int pulsante, bool tastoSinistro) {
    if (pulsante == pulsanteSinistro && !tastoSinistro) return Via::digitazione;
    if (pulsante == pulsanteDestro && tastoSinistro) return Via::digitazione;
    return Via::dialogo;
}

EsitoClic decidiClic(const Cruciverba& x, const ValoriImpostazioni& s, const GeometriaSchema& g, ModoVista modo, int pulsante, double X,
                     double Y, Direzione hover, Posizione& parola) {
    const PuntoGriglia k = cellaSotto(g, X, Y);
    if (fuoriGriglia(g, X, Y, k)) return EsitoClic::fuori;
    if (modo != ModoVista::griglia) return EsitoClic::inattiva;
    const int c = static_cast<int>(k.colonna), r = static_cast<int>(k.riga);
    parola.colonna = c, parola.riga = r;
    // The pointer can show a direction left from before a redraw; a cell with no letters that
    // way has no word to open.
    if (hover == Direzione::nessuna || !parolaDa(x, {c, r}, hover)) return EsitoClic::nessunaParola;
    parola.direzione = hover;
    return viaPerPulsante(pulsante, s.tastoSinistro) == Via::digitazione ? EsitoClic::digitazione
                                                                         : EsitoClic::dialogo;
}

}  // namespace quadrivo
