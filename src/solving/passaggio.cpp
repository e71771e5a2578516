#include "solving/passaggio.h"

#include <cmath>

#include "model/numeri.h"
#include "model/testo.h"
#include "solving/varianti.h"

namespace quadrivo {

Direzione direzioneDi(Puntatore p) {
    switch (p) {
    case Puntatore::frecciaOrizzontale: return Direzione::orizzontale;
    case Puntatore::frecciaVerticale: return Direzione::verticale;
    default: return Direzione::nessuna;
    }
}

Puntatore puntatoreDi(Direzione d) {
    switch (d) {
    case Direzione::orizzontale: return Puntatore::frecciaOrizzontale;
    case Direzione::verticale: return Puntatore::frecciaVerticale;
    default: return Puntatore::predefinito;
    }
}

namespace {

// Nearest whole number, halves to the even neighbour (the default rounding mode).
long long vicino(double v) {
    if (!std::isfinite(v)) return 0;
    const double n = std::nearbyint(v);
    if (n > 1e15) return 1000000000000000LL;
    if (n < -1e15) return -1000000000000000LL;
    return static_cast<long long>(n);
}

}  // namespace

PuntoGriglia cellaSotto(const GeometriaSchema& g, double X, double Y) {
    if (g.lato <= 0) return {};
    // C++ division truncates towards zero, like the whole-number division of the rule.
    return {vicino(X - g.x0) / g.lato + 1, vicino(Y - g.y0) / g.lato + 1};
}

bool fuoriGriglia(const GeometriaSchema& g, double X, double Y, const PuntoGriglia& k) {
    if (g.lato <= 0) return true;
    if (!(X >= g.x0) || !(Y >= g.y0)) return true;
    return k.colonna > g.colonne || k.riga > g.righe || k.colonna < 1 || k.riga < 1;
}

bool metaOrizzontale(const GeometriaSchema& g, double X, double Y, const PuntoGriglia& k) {
    const double L = g.x0 + static_cast<double>(k.colonna - 1) * g.lato;
    const double T = g.y0 + static_cast<double>(k.riga - 1) * g.lato;
    return Y - T <= X - L;
}

std::string didascaliaParola(const Cruciverba& x, const std::string& numero, Direzione d,
                             const std::vector<Casella>& caselle, const std::string& definizione,
                             FormaDidascalia forma) {
    const bool etichetta = forma == FormaDidascalia::etichetta;
    std::string nome = (d == Direzione::orizzontale ? "oriz." : "vert.");
    if (!numero.empty()) nome = numero + " " + nome;
    std::string testo = definizione;
    if (x.variante == Variante::senzaSchema) {
        nome = (d == Direzione::orizzontale ? "Riga " : "Colonna ") + numero;
    } else if (x.variante == Variante::crittografato) {
        testo.clear();
        for (const Casella& k : caselle)
            testo += (testo.empty() ? "" : "-") + std::to_string(x.dentro(k) ? x.cella(k).codice : 0);
    } else if (x.variante == Variante::daRiempire) {
        testo = std::to_string(caselle.size()) + (caselle.size() == 1 ? " lettera" : " lettere");
    }
    return (etichetta ? "  " : " ") + nome + " - " + testo + (etichetta ? " " : "");
}

Passaggio calcolaPassaggio(const Cruciverba& x, const ValoriImpostazioni& s, const GeometriaSchema& g, ModoVista modo, double X, double Y, double S,
                           const LarghezzaEtichetta& larghezzaEtichetta,
                           Puntatore attuale) {
    Passaggio p;
    // The hand belongs to the clickable picture; over the surface it gives way at once.
    p.puntatore = attuale == Puntatore::mano ? Puntatore::predefinito : attuale;
    p.direzione = direzioneDi(p.puntatore);
    if (modo != ModoVista::griglia) return p;

    p.cella = cellaSotto(g, X, Y);
    if (fuoriGriglia(g, X, Y, p.cella)) {
        p.puntatore = Puntatore::predefinito;
        p.direzione = Direzione::nessuna;
        return p;
    }
    const int c = static_cast<int>(p.cella.colonna), r = static_cast<int>(p.cella.riga);
    const double L = g.x0 + (c - 1) * static_cast<double>(g.lato);
    const double T = g.y0 + (r - 1) * static_cast<double>(g.lato);
    const std::optional<Definizione> parolaOrizz = parolaDa(x, {c, r}, Direzione::orizzontale),
                                     parolaVert = parolaDa(x, {c, r}, Direzione::verticale);
    const Definizione* orizz = parolaOrizz ? &*parolaOrizz : nullptr;
    const Definizione* vert = parolaVert ? &*parolaVert : nullptr;
    if (orizz && vert) (metaOrizzontale(g, X, Y, p.cella) ? vert : orizz) = nullptr;
    const Definizione* w = orizz ? orizz : vert;
    if (!w) {
        p.puntatore = Puntatore::predefinito;
        p.direzione = Direzione::nessuna;
        p.rettangolo = AzioneRettangolo::nascondi;
        return p;
    }
    const Direzione d = orizz ? Direzione::orizzontale : Direzione::verticale;
    p.direzione = d;
    p.puntatore = puntatoreDi(p.direzione);
    p.etichetta = true;
    p.didascalia = didascaliaParola(x, w->etichetta, d, w->caselle, w->testo, FormaDidascalia::etichetta);
    const double W = larghezzaEtichetta ? larghezzaEtichetta(p.didascalia) : 0;
    p.etichettaX = X + W > S ? S - 1 - W : X - 19;
    p.etichettaY = Y + 12;
    if (s.rettangoloParola) {
        const double lato = g.lato;
        const double lungo = static_cast<double>(w->caselle.size()) * lato - 2;
        p.rettangolo = AzioneRettangolo::mostra;
        p.r.sinistra = L + 1;
        p.r.alto = T + 1;
        p.r.larghezza = d == Direzione::orizzontale ? lungo : lato - 2;
        p.r.altezza = d == Direzione::orizzontale ? lato - 2 : lungo;
        p.r.colore = d == Direzione::orizzontale ? giallo : ciano;
    }
    return p;
}

}  // namespace quadrivo
