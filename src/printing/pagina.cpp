#include "printing/pagina.h"

#include <algorithm>

#include "model/impostazioni.h"
#include "model/disegno_schema.h"
#include "model/numeri.h"

namespace quadrivo {

namespace {

constexpr int margine = 50;

// Cell side, font sizes and grid position from the usable width and height (P3 to P5).
void dimensiona(GeometriaPagina& g, const Stato& st, double W, double H, double larghezzaCentro, double toolbar,
                int altezzaCaratteri, int altezzaNumeri) {
    const bool stampante = g.tipo == TipoPagina::stampante;
    g.cw = intero((W - 2 * margine - 4) / st.cruciverba.colonne());
    g.ch = intero((H - 2 * margine - 4) / st.cruciverba.righe());
    g.s = std::min(g.cw, g.ch);
    const double s = g.s;
    g.puntiLettere = std::max<int>(intero(stampante ? s / 1.5 / 100 * altezzaCaratteri : s / 100 * altezzaCaratteri), 5);
    g.puntiNumeri = stampante ? s / 1.5 / 100 * altezzaNumeri : s / 100 * altezzaNumeri;
    g.gx = intero((larghezzaCentro - prodotto16(g.s, st.cruciverba.colonne())) / 2);
    g.gy = intero(((toolbar + g.altezza) / 2 - prodotto16(g.s, st.cruciverba.righe())) / 2);
}

void completaElenchi(GeometriaPagina& g, const Stato& st) {
    BloccoTesto b;
    b.tipo = g.tipo;
    b.sinistraPagina = g.sinistraPagina;
    b.altezzaPagina = g.altezzaPagina;
    g.puntiElenchi = puntiElenchi(b);
    g.margineElenchi = margineElenchi(b, g.larghezza);
    g.limiteDestro = limiteDestro(b, g.larghezza, g.margineElenchi);
    g.inizioElenchi = somma16(somma16(prodotto16(g.s, st.cruciverba.righe()), g.gy), 10);
}

// The page's grid through the one painter, with the window's cells.
void disegnaGrigliaPagina(const Stato& st, Superficie& sup, const GeometriaPagina& g) {
    const bool stampante = g.tipo == TipoPagina::stampante;
    CaselleSchema caselle = caselleDi(st.cruciverba);
    // Guesses in pencil stay on the screen: the page shows only the player's answers.
    for (auto& fila : caselle)
        for (CasellaSchema& k : fila)
            if (k.matita) k.lettera.clear();
    GeometriaSchema geometria;
    geometria.colonne = st.cruciverba.colonne();
    geometria.righe = st.cruciverba.righe();
    geometria.lato = g.s;
    geometria.x0 = g.gx;
    geometria.y0 = g.gy;
    geometria.puntiLettere = g.puntiLettere;
    geometria.puntiNumeri = g.puntiNumeri;
    StileSchema stile;
    stile.nomeCarattere = st.nomeFont;
    stile.cornice = CorniceSchema::pagina;
    stile.distanzaCornice = stampante ? 3 : 2;
    stile.mezziInteri = !stampante;
    stile.spostamentoLettera = stampante ? 1 : 0;
    stile.divisoreCentro = stampante ? 1.3 : 1;
    stile.spostamentoNumero = stampante ? 1 : 2;
    stile.percentualeRiquadro = riquadroDisegno(st);
    stile.distanzaDaCentro = st.DistanzaDaCentro;
    stile.distanzaDaSpigolo = st.DistanzaDaSpigolo;
    disegnaSchema(sup, geometria, caselle, stile);
}

// The preview's sheet: text that would pass its bottom edge is held back, so the lists stop
// where the page ends instead of running over the window below it.
class FoglioAnteprima : public Superficie {
public:
    FoglioAnteprima(Superficie& sotto, double fondo) : s_(sotto), fondo_(fondo) { impostaCarattere(sotto.carattere()); }

    void pulisci() override { s_.pulisci(); }
    void rettangolo(double x1, double y1, double x2, double y2, Colore c) override { s_.rettangolo(x1, y1, x2, y2, c); }
    void rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) override {
        s_.rettangoloPieno(x1, y1, x2, y2, c);
    }
    void ellisse(double x1, double y1, double x2, double y2, Colore c) override { s_.ellisse(x1, y1, x2, y2, c); }
    void disegnaTesto(double x, double y, const std::string& t) override {
        if (trattenuto_ || y + s_.altezzaTesto(t.empty() ? std::string("X") : t) > fondo_) {
            trattenuto_ = true;  // every line after the first one held back lies lower still
            return;
        }
        s_.coloreTesto = coloreTesto;
        s_.disegnaTesto(x, y, t);
    }
    double larghezzaTesto(const std::string& t) override { return s_.larghezzaTesto(t); }
    double altezzaTesto(const std::string& t) override { return s_.altezzaTesto(t); }
    double larghezzaScala() const override { return s_.larghezzaScala(); }
    double altezzaScala() const override { return s_.altezzaScala(); }
    bool trattenuto() const { return trattenuto_; }

protected:
    void caratterCambiato() override { s_.impostaCarattere(carattere()); }

private:
    Superficie& s_;
    double fondo_;
    bool trattenuto_ = false;
};

BloccoTesto bloccoDi(const GeometriaPagina& g, const std::string& data, const SaltoPagina* salto) {
    BloccoTesto b;
    b.tipo = g.tipo;
    b.lato = g.s;
    b.altoGriglia = g.gy;
    b.sinistraPagina = g.sinistraPagina;
    b.altezzaPagina = g.altezzaPagina;
    b.data = data;
    b.salto = salto;
    return b;
}

}  // namespace

GeometriaPagina geometriaStampa(const Stato& st, const AreaFinestra& f) {
    GeometriaPagina g;
    g.tipo = TipoPagina::stampante;
    g.larghezza = f.larghezza;
    g.altezza = f.altezza * 8 / 6 * 297 / 210 * 111.5 / 103.5;
    dimensiona(g, st, g.larghezza, g.altezza / 2, g.larghezza, f.altezzaToolbar, caratteriDisegno(st), numeriDisegno(st));
    completaElenchi(g, st);
    return g;
}

GeometriaPagina geometriaAnteprima(const Stato& st, const AreaFinestra& f) {
    GeometriaPagina g;
    g.tipo = TipoPagina::anteprima;
    g.larghezza = f.larghezza;
    g.altezza = f.altezza;
    const double utile = f.altezza - f.altezzaToolbar - f.altezzaStatusBar - 2;
    dimensiona(g, st, utile / 297 * 210, utile / 2, f.larghezza, f.altezzaToolbar, caratteriDisegno(st),
               numeriDisegno(st));
    g.altezzaPagina = intero(f.altezza - f.altezzaToolbar);
    g.sinistraPagina = intero((f.larghezza - g.altezzaPagina / 297.0 * 210) / 2);
    completaElenchi(g, st);
    return g;
}

void disegnaStampa(const Stato& st, Superficie& sup, const AreaFinestra& finestra, const std::string& data,
                   const SaltoPagina* salto) {
    const bool grassetto = sup.carattere().grassetto;
    const GeometriaPagina g = geometriaStampa(st, finestra);
    sup.impostaScala(g.larghezza, g.altezza);
    disegnaGrigliaPagina(st, sup, g);
    stampaDefinizioni(st, sup, bloccoDi(g, data, salto));
    sup.impostaGrassetto(grassetto);
}

void disegnaAnteprima(const Stato& st, Superficie& sup, const AreaFinestra& area, const std::string& data) {
    const GeometriaPagina g = geometriaAnteprima(st, area);  // may throw: nothing drawn yet
    sup.pulisci();
    const bool grassetto = sup.carattere().grassetto;
    const double destra = g.larghezza - g.sinistraPagina, basso = g.altezza - area.altezzaStatusBar - 1;
    sup.rettangoloPieno(g.sinistraPagina, area.altezzaToolbar, destra, basso, bianco);
    sup.rettangolo(g.sinistraPagina, area.altezzaToolbar, destra, basso, rossoScuro);
    disegnaGrigliaPagina(st, sup, g);
    // One line is kept free above the bottom edge for the sign that the text goes on.
    sup.impostaDimensione(puntiElenchi(bloccoDi(g, data, nullptr)));
    const double riga = sup.altezzaTesto("X");
    FoglioAnteprima foglio(sup, basso - 2 - riga);
    stampaDefinizioni(st, foglio, bloccoDi(g, data, nullptr));
    if (foglio.trattenuto()) {
        const bool corsivo = sup.carattere().corsivo;
        sup.impostaGrassetto(false);
        sup.impostaCorsivo(true);
        const double x = destra - 4 - sup.larghezzaTesto(msgSegueAnteprima);
        sup.disegnaTesto(x, basso - 2 - riga, msgSegueAnteprima);
        sup.impostaCorsivo(corsivo);
    }
    sup.impostaGrassetto(grassetto);
}

}  // namespace quadrivo
