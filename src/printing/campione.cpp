#include "printing/campione.h"

namespace quadrivo {

RettangoloTwip cellaCampione(int colonna, int riga) {
    return {colonna * passoCellaCampione, riga * passoCellaCampione, latoCellaCampione, latoCellaCampione};
}

double puntiCampione(int percentuale, double twipPerPixel) {
    return percentuale * latoCellaCampione / 100 / twipPerPixel;
}

CampioneDisposto disponiCampione(const ValoriCampione& v, double tpp, const MisuraTesto& misura) {
    CampioneDisposto d;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) d.celle[static_cast<size_t>(r * 5 + c)] = cellaCampione(c, r);

    const RettangoloTwip celleNere[2] = {cellaCampione(2, 1), cellaCampione(1, 2)};
    for (size_t i = 0; i < 2; ++i) {
        const RettangoloTwip& cella = celleNere[i];
        RettangoloTwip& q = d.quadratiNeri[i];
        q.l = cella.l * v.riquadro / 100;
        q.a = cella.a * v.riquadro / 100;
        q.x = cella.x + (cella.l - q.l) / 2;
        q.y = cella.y + (cella.a - q.a) / 2;
    }

    d.puntiLettere = puntiCampione(v.altezzaCaratteri, tpp);
    d.puntiNumeri = puntiCampione(v.altezzaNumeri, tpp);
    for (size_t i = 0; i < 5; ++i) {
        const RettangoloTwip& cella = d.celle[i];
        const std::string lettera = lettereCampione[i];
        // Left edge fixed when the dialog opens, centred for the opening size.
        const double larghezzaIniziale = misura(lettera, puntiLettereIniziali).first;
        const auto [l, a] = misura(lettera, d.puntiLettere);
        d.lettere[i] = {cella.x + cella.l / 2 - larghezzaIniziale / 2,
                        cella.y + cella.a / 2 - a / 2 + cella.a / 100 * v.distanzaCentro, l, a};
        const auto [ln, an] = misura(std::to_string(i + 1), d.puntiNumeri);
        d.numeri[i] = {cella.x + v.distanzaSpigolo * cella.l / 100, cella.y + (v.distanzaSpigolo - 1) * cella.a / 100, ln,
                       an};
    }

    d.spessoreLinee = v.spessore;
    const double larghezza = 4 * passoCellaCampione + latoCellaCampione;
    const double altezza = 2 * passoCellaCampione + latoCellaCampione;
    d.lineaSopra = {-distanzaLineeCampione, -distanzaLineeCampione, larghezza + distanzaLineeCampione, 0};
    d.lineaSinistra = {-distanzaLineeCampione, -distanzaLineeCampione, 0, altezza + distanzaLineeCampione};
    d.centroCella = latoCellaCampione / 2;
    return d;
}

}  // namespace quadrivo
