#include "printing/pagina.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "model/impostazioni.h"
#include "model/numeri.h"

namespace quadrivo {

namespace {

constexpr double spazioColonne = 18, spazioSottoTitolo = 10, spazioSottoGriglia = 14, cornice = 3;
constexpr double larghezzaPerDueColonne = 360;
// However long the lists, the grid keeps this share of the sheet's height below the title.
constexpr double quotaMinimaGriglia = 0.6;

// Draws on one surface and measures on another, so the lines break alike on every target.
class SuperficieMisurata : public Superficie {
public:
    SuperficieMisurata(Superficie& disegno, Superficie& misura) : d_(disegno), m_(misura) {
        impostaCarattere(disegno.carattere());
    }
    void pulisci() override { d_.pulisci(); }
    void rettangolo(double x1, double y1, double x2, double y2, Colore c) override { d_.rettangolo(x1, y1, x2, y2, c); }
    void rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) override {
        d_.rettangoloPieno(x1, y1, x2, y2, c);
    }
    void ellisse(double x1, double y1, double x2, double y2, Colore c) override { d_.ellisse(x1, y1, x2, y2, c); }
    void disegnaTesto(double x, double y, const std::string& t) override {
        d_.coloreTesto = coloreTesto;
        d_.disegnaTesto(x, y, t);
    }
    double larghezzaTesto(const std::string& t) override { return m_.larghezzaTesto(t); }
    double altezzaTesto(const std::string& t) override { return m_.altezzaTesto(t); }
    double larghezzaScala() const override { return m_.larghezzaScala(); }
    double altezzaScala() const override { return m_.altezzaScala(); }

protected:
    void caratterCambiato() override {
        d_.impostaCarattere(carattere());
        if (&m_ != &d_) m_.impostaCarattere(carattere());
    }

private:
    Superficie &d_, &m_;
};

// The preview's sheet on the window: points become pixels at `k` from the sheet's corner,
// and font sizes follow by the factor that makes a line as tall as on paper.
class SuperficieScalata : public Superficie {
public:
    SuperficieScalata(Superficie& sotto, double k, double fattoreFont) : s_(sotto), k_(k), f_(fattoreFont) {}
    void sposta(double x, double y) { x_ = x, y_ = y; }

    void pulisci() override {}
    void rettangolo(double x1, double y1, double x2, double y2, Colore c) override {
        s_.rettangolo(x_ + x1 * k_, y_ + y1 * k_, x_ + x2 * k_, y_ + y2 * k_, c);
    }
    void rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) override {
        s_.rettangoloPieno(x_ + x1 * k_, y_ + y1 * k_, x_ + x2 * k_, y_ + y2 * k_, c);
    }
    void ellisse(double x1, double y1, double x2, double y2, Colore c) override {
        s_.ellisse(x_ + x1 * k_, y_ + y1 * k_, x_ + x2 * k_, y_ + y2 * k_, c);
    }
    void disegnaTesto(double x, double y, const std::string& t) override {
        s_.coloreTesto = coloreTesto;
        s_.disegnaTesto(x_ + x * k_, y_ + y * k_, t);
    }
    double larghezzaTesto(const std::string& t) override { return s_.larghezzaTesto(t) / k_; }
    double altezzaTesto(const std::string& t) override { return s_.altezzaTesto(t) / k_; }
    double larghezzaScala() const override { return s_.larghezzaScala() / k_; }
    double altezzaScala() const override { return s_.altezzaScala() / k_; }

protected:
    void caratterCambiato() override {
        Carattere c = carattere();
        c.dimensione *= f_;
        s_.impostaCarattere(c);
    }

private:
    Superficie& s_;
    double k_, f_, x_ = 0, y_ = 0;
};

void disegnaGrigliaPagina(const Stato& st, Superficie& sup, const GeometriaSchema& geometria) {
    CaselleSchema caselle = caselleDi(st.cruciverba);
    // Guesses in pencil stay on the screen: the page shows only the player's answers.
    for (auto& fila : caselle)
        for (CasellaSchema& k : fila)
            if (k.matita) k.lettera.clear();
    StileSchema stile;
    stile.nomeCarattere = st.nomeFont;
    stile.cornice = CorniceSchema::pagina;
    stile.distanzaCornice = cornice;
    stile.mezziInteri = false;
    stile.spostamentoNumero = 1.5;
    stile.percentualeRiquadro = riquadroDisegno(st);
    stile.distanzaDaCentro = st.DistanzaDaCentro;
    stile.distanzaDaSpigolo = st.DistanzaDaSpigolo;
    disegnaSchema(sup, geometria, caselle, stile);
}

}  // namespace

std::string titoloPagina(const Stato& st) {
    if (!st.cruciverba.titolo.empty()) return st.cruciverba.titolo;
    return std::filesystem::path(st.nomeFile).stem().string();
}

Impaginazione impagina(const Stato& st, Superficie& misura, const FormatoPagina& f, const std::string& data) {
    const int colonne = st.cruciverba.colonne(), righe = st.cruciverba.righe();
    const double M = f.margine, L = f.larghezza - 2 * M, basso = f.altezza - M;
    if (colonne <= 0 || righe <= 0 || L <= 0) throw ErroreOverflow();
    const Carattere stile = misura.carattere();
    Impaginazione im;

    // The title, bold, shrunk down to 10 points when it is wider than the page.
    im.titolo = titoloPagina(st);
    im.altoTitolo = M;
    misura.impostaCarattere({st.nomeFont, puntiTitolo, true, stile.corsivo});
    im.puntiTitolo = puntiTitolo;
    while (im.puntiTitolo > 10 && misura.larghezzaTesto(im.titolo) > L) misura.impostaDimensione(--im.puntiTitolo);
    // Still too wide: cut between characters and end with an ellipsis.
    if (misura.larghezzaTesto(im.titolo) > L) {
        std::string t = im.titolo;
        while (!t.empty() && misura.larghezzaTesto(t + "…") > L) {
            while (!t.empty() && (static_cast<unsigned char>(t.back()) & 0xC0) == 0x80) t.pop_back();
            if (!t.empty()) t.pop_back();
        }
        im.titolo = t + "…";
    }
    const double altoGriglia = M + misura.altezzaTesto("X") + spazioSottoTitolo + cornice;
    misura.impostaCarattere(stile);

    ColonneElenchi& c = im.elenchi;
    c.colonne = L >= larghezzaPerDueColonne ? 2 : 1;
    c.spazio = spazioColonne;
    c.sinistra = M;
    c.larghezza = (L - spazioColonne * (c.colonne - 1)) / c.colonne;
    c.altoFogli = M;
    c.basso = basso;
    auto entra = [&](int lato, double punti) {
        c.alto = altoGriglia + lato * righe + cornice + spazioSottoGriglia;
        c.punti = punti;
        return stampaDefinizioni(st, misura, c, data) == 1;
    };

    // The largest cell that leaves the lists room on this sheet; when none does, the grid
    // keeps its share and the lists go on to a second sheet.
    const double alto = basso - altoGriglia - cornice;
    const int latoMassimo = static_cast<int>(std::floor(std::min(L / colonne, alto / righe)));
    const int latoMinimo =
        std::min(latoMassimo, static_cast<int>(std::floor(std::min(L / colonne, alto * quotaMinimaGriglia / righe))));
    if (latoMinimo < 1) throw ErroreOverflow();
    int lato = latoMassimo;
    while (lato > latoMinimo && !entra(lato, puntiElenchiMinimi)) --lato;
    double punti = puntiElenchiMinimi;
    if (entra(lato, puntiElenchiMinimi))
        for (double p = puntiElenchiMassimi; p > puntiElenchiMinimi; p -= 0.25)
            if (entra(lato, p)) {
                punti = p;
                break;
            }
    c.alto = altoGriglia + lato * righe + cornice + spazioSottoGriglia;
    c.punti = punti;
    im.fogli = stampaDefinizioni(st, misura, c, data);
    misura.impostaCarattere(stile);

    GeometriaSchema& g = im.griglia;
    g.colonne = colonne;
    g.righe = righe;
    g.lato = lato;
    g.x0 = static_cast<int>(std::lround((f.larghezza - lato * colonne) / 2));
    g.y0 = static_cast<int>(std::lround(altoGriglia));
    g.puntiLettere = std::max(lato * caratteriDisegno(st) / 100.0, 5.0);
    // Numbers readable on paper, yet never crowding the letter.
    g.puntiNumeri = std::min(std::max(lato * numeriDisegno(st) / 100.0, 6.0), lato * 0.35);
    return im;
}

int disegnaPagine(const Stato& st, Superficie& sup, Superficie& misura, const FormatoPagina& formato,
                  const std::string& data, const std::function<void()>& nuovoFoglio) {
    const Carattere stile = sup.carattere();
    misura.impostaCarattere(stile);
    const Impaginazione im = impagina(st, misura, formato, data);
    SuperficieMisurata m(sup, misura);
    m.impostaCarattere({st.nomeFont, im.puntiTitolo, true, stile.corsivo});
    m.disegnaTesto((formato.larghezza - m.larghezzaTesto(im.titolo)) / 2, im.altoTitolo, im.titolo);
    m.impostaCarattere({st.nomeFont, stile.dimensione, stile.grassetto, stile.corsivo});
    disegnaGrigliaPagina(st, m, im.griglia);
    const std::function<void()> salto = nuovoFoglio ? nuovoFoglio : [] {};
    const int fogli = stampaDefinizioni(st, m, im.elenchi, data, salto);
    sup.impostaGrassetto(stile.grassetto);
    return fogli;
}

PosaAnteprima posaAnteprima(const AreaFinestra& a, const FormatoPagina& f, int fogli) {
    constexpr double bordo = 10;
    const int n = std::max(fogli, 1);
    const double alto = a.altezzaToolbar + bordo, basso = a.altezza - a.altezzaStatusBar - bordo;
    PosaAnteprima p;
    p.scala = std::min((basso - alto) / f.altezza, (a.larghezza - bordo * (n + 1)) / (n * f.larghezza));
    if (!(p.scala > 0)) throw ErroreOverflow();
    const double l = f.larghezza * p.scala, tutti = n * l + (n - 1) * bordo;
    for (int i = 0; i < n; ++i)
        p.fogli.push_back({(a.larghezza - tutti) / 2 + i * (l + bordo), alto, l, f.altezza * p.scala});
    return p;
}

int disegnaAnteprima(const Stato& st, Superficie& finestra, Superficie& misura, const AreaFinestra& area,
                     const std::string& data, const FormatoPagina& formato) {
    const Carattere stile = finestra.carattere();
    misura.impostaCarattere(stile);
    const PosaAnteprima posa = posaAnteprima(area, formato, impagina(st, misura, formato, data).fogli);
    finestra.pulisci();
    for (const FoglioAnteprima& f : posa.fogli) {
        finestra.rettangoloPieno(f.x, f.y, f.x + f.larghezza, f.y + f.altezza, bianco);
        finestra.rettangolo(f.x - 1, f.y - 1, f.x + f.larghezza + 1, f.y + f.altezza + 1, rossoScuro);
    }
    // A line of the window's text as tall, in pixels, as the paper's line in points times the scale.
    finestra.impostaDimensione(100);
    misura.impostaDimensione(100);
    const double fattore = posa.scala * misura.altezzaTesto("X") / finestra.altezzaTesto("X");
    finestra.impostaCarattere(stile);
    misura.impostaCarattere(stile);

    SuperficieScalata foglio(finestra, posa.scala, fattore);
    foglio.impostaCarattere(stile);
    size_t i = 0;
    foglio.sposta(posa.fogli[0].x, posa.fogli[0].y);
    const int fogli = disegnaPagine(st, foglio, misura, formato, data, [&] {
        if (++i < posa.fogli.size()) foglio.sposta(posa.fogli[i].x, posa.fogli[i].y);
    });
    finestra.impostaCarattere(stile);
    return fogli;
}

}  // namespace quadrivo
