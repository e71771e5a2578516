#include "printing/pagina.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <tuple>
#include <utility>

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

void disegnaGrigliaPagina(const Documento& d, const ValoriImpostazioni& st, Superficie& sup, const GeometriaSchema& geometria) {
    CaselleSchema caselle = caselleDi(d.cruciverba);
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

std::string titoloPagina(const Documento& d) {
    if (!d.cruciverba.titolo.empty()) return d.cruciverba.titolo;
    return std::filesystem::path(d.nomeFile).stem().string();
}

std::string MisuraProporzionale::chiave(const std::string& testo) const {
    const Carattere& c = carattere();
    std::string k = c.nome;
    k += c.grassetto ? '\1' : '\0';
    k += c.corsivo ? '\1' : '\0';
    k += testo;
    return k;
}

double MisuraProporzionale::perPunto(const std::string& k, const std::string& testo, bool altezza) {
    auto& memoria = altezza ? altezze_ : larghezze_;
    if (auto i = memoria.find(k); i != memoria.end()) return i->second;
    // Measured large, where the font's hinting no longer rounds the widths.
    constexpr double grande = 100;
    Carattere c = carattere();
    c.dimensione = grande;
    s_.impostaCarattere(c);
    const double v = (altezza ? s_.altezzaTesto(testo) : s_.larghezzaTesto(testo)) / grande;
    memoria.emplace(k, v);
    return v;
}

double MisuraProporzionale::larghezzaTesto(const std::string& t) {
    return perPunto(chiave(t), t, false) * carattere().dimensione;
}

double MisuraProporzionale::altezzaTesto(const std::string&) {
    // A line's height is the font's, whatever the text.
    return perPunto(chiave({}), {}, true) * carattere().dimensione;
}

namespace {

// A title in lines no wider than `L`: broken between words, a word wider than a line between
// its characters. Past a few lines (a title no puzzle has) the last one ends with an ellipsis.
std::vector<std::string> righeTitolo(Superficie& m, const std::string& titolo, double L) {
    constexpr size_t massimoRighe = 4;
    std::vector<std::string> righe;
    std::string riga;
    const auto entra = [&](const std::string& t) { return m.larghezzaTesto(t) <= L; };
    size_t i = 0;
    while (i < titolo.size()) {
        while (i < titolo.size() && titolo[i] == ' ') ++i;
        const size_t fine = std::min(titolo.find(' ', i), titolo.size());
        if (i == fine) break;
        const std::string parola = titolo.substr(i, fine - i);
        i = fine;
        if (entra(riga.empty() ? parola : riga + " " + parola)) {
            riga = riga.empty() ? parola : riga + " " + parola;
            continue;
        }
        if (!riga.empty()) righe.push_back(std::exchange(riga, {}));
        for (size_t j = 0; j < parola.size();) {
            size_t n = 1;
            while (j + n < parola.size() && (static_cast<unsigned char>(parola[j + n]) & 0xC0) == 0x80) ++n;
            const std::string car = parola.substr(j, n);
            if (!riga.empty() && !entra(riga + car)) righe.push_back(std::exchange(riga, {}));
            riga += car;
            j += n;
        }
    }
    if (!riga.empty() || righe.empty()) righe.push_back(riga);
    if (righe.size() > massimoRighe) {
        righe.resize(massimoRighe);
        std::string& ultima = righe.back();
        while (!ultima.empty() && !entra(ultima + "…")) {
            while (!ultima.empty() && (static_cast<unsigned char>(ultima.back()) & 0xC0) == 0x80) ultima.pop_back();
            if (!ultima.empty()) ultima.pop_back();
        }
        ultima += "…";
    }
    return righe;
}

}  // namespace

namespace {

// The cell and list size (in quarter points over the smallest) of the last layout, when they
// still are the largest that fit: each fits and one step more does not. What fits shrinks as
// either grows, so this is what the halving search would find.
template <typename Entra>
std::optional<std::pair<int, int>> confermaPrecedenti(const Impaginazione* prima, int latoMinimo, int latoMassimo,
                                                      int quarti, Entra&& entra) {
    if (!prima) return std::nullopt;
    const int lato = prima->griglia.lato;
    const int k = static_cast<int>(std::lround((prima->elenchi.punti - puntiElenchiMinimi) / 0.25));
    if (lato < latoMinimo || lato > latoMassimo || k < 0 || k > quarti) return std::nullopt;
    // The smallest cell may also be where nothing fits: the full search tells those apart.
    if (lato == latoMinimo && lato < latoMassimo) return std::nullopt;
    const double punti = puntiElenchiMinimi + 0.25 * k;
    if (!entra(lato, punti)) return std::nullopt;
    if (lato < latoMassimo && entra(lato + 1, puntiElenchiMinimi)) return std::nullopt;
    if (k < quarti && entra(lato, punti + 0.25)) return std::nullopt;
    return std::pair{lato, k};
}

}  // namespace

Impaginazione impagina(const Documento& d, const ValoriImpostazioni& st, Superficie& misura, const FormatoPagina& f, const std::string& data,
                       Ricerca ricerca, const Impaginazione* prima) {
    if (d.cruciverba.colonne() <= 0 || d.cruciverba.righe() <= 0) throw ErroreOverflow();
    // A senza schema's row and column numbers take one more column and row of room.
    const int margine = margineNumeri(d.cruciverba);
    const int colonne = d.cruciverba.colonne() + margine, righe = d.cruciverba.righe() + margine;
    const double M = f.margine, L = f.larghezza - 2 * M, basso = f.altezza - M;
    if (L <= 0) throw ErroreOverflow();
    const Carattere stile = misura.carattere();
    Impaginazione im;

    // The title, bold, shrunk down to 10 points when it is wider than the page, then wrapped.
    im.titolo = titoloPagina(d);
    im.altoTitolo = M;
    misura.impostaCarattere({st.nomeFont, puntiTitolo, true, stile.corsivo});
    im.puntiTitolo = puntiTitolo;
    while (im.puntiTitolo > 10 && misura.larghezzaTesto(im.titolo) > L) misura.impostaDimensione(--im.puntiTitolo);
    im.righeTitolo = righeTitolo(misura, im.titolo, L);
    im.rigaTitolo = misura.altezzaTesto("X");
    const double altoGriglia =
        M + im.rigaTitolo * static_cast<double>(im.righeTitolo.size()) + spazioSottoTitolo + cornice;
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
        return stampaDefinizioni(d, misura, c, data) == 1;
    };

    // The largest cell that leaves the lists room on this sheet; when none does, the grid
    // keeps its share and the lists go on to a second sheet. Then the largest list size, in
    // quarter points, that still fits.
    const double alto = basso - altoGriglia - cornice;
    const int latoMassimo = static_cast<int>(std::floor(std::min(L / colonne, alto / righe)));
    const int latoMinimo =
        std::min(latoMassimo, static_cast<int>(std::floor(std::min(L / colonne, alto * quotaMinimaGriglia / righe))));
    if (latoMinimo < 1) throw ErroreOverflow();
    constexpr double passo = 0.25;
    const int quarti = static_cast<int>(std::lround((puntiElenchiMassimi - puntiElenchiMinimi) / passo));
    const auto puntiDi = [](int k) { return puntiElenchiMinimi + passo * k; };
    int lato = latoMassimo, k = 0;
    bool entrano = false;
    if (ricerca == Ricerca::passoPasso) {
        while (lato > latoMinimo && !entra(lato, puntiElenchiMinimi)) --lato;
        entrano = entra(lato, puntiElenchiMinimi);
        if (entrano)
            for (int q = quarti; q > 0; --q)
                if (entra(lato, puntiDi(q))) {
                    k = q;
                    break;
                }
    } else if (const std::optional<std::pair<int, int>> ancora = confermaPrecedenti(prima, latoMinimo, latoMassimo, quarti, entra)) {
        std::tie(lato, k) = *ancora;
        entrano = true;
    } else {
        // A smaller cell leaves the lists more room and a smaller size needs less: the first
        // that fits bounds the search from below, the first that does not from above.
        entrano = entra(latoMassimo, puntiElenchiMinimi);
        if (!entrano) {
            lato = latoMinimo;
            entrano = latoMinimo < latoMassimo && entra(latoMinimo, puntiElenchiMinimi);
            for (int no = latoMassimo; entrano && no - lato > 1;) {
                const int mezzo = lato + (no - lato) / 2;
                (entra(mezzo, puntiElenchiMinimi) ? lato : no) = mezzo;
            }
        }
        for (int no = quarti + 1; entrano && no - k > 1;) {
            const int mezzo = k + (no - k) / 2;
            (entra(lato, puntiDi(mezzo)) ? k : no) = mezzo;
        }
    }
    c.alto = altoGriglia + lato * righe + cornice + spazioSottoGriglia;
    c.punti = puntiDi(k);
    im.fogli = stampaDefinizioni(d, misura, c, data);
    misura.impostaCarattere(stile);

    GeometriaSchema& g = im.griglia;
    g.colonne = colonne - margine;
    g.righe = righe - margine;
    g.lato = lato;
    g.margine = margine;
    g.x0 = static_cast<int>(std::lround((f.larghezza - lato * colonne) / 2)) + margine * lato;
    g.y0 = static_cast<int>(std::lround(altoGriglia)) + margine * lato;
    g.puntiLettere = std::max(lato * caratteriDisegno(st) / 100.0, 5.0);
    // Numbers readable on paper, yet never crowding the letter.
    g.puntiNumeri = std::min(std::max(lato * numeriDisegno(st) / 100.0, 6.0), lato * 0.35);
    return im;
}

const Impaginazione& PaginaRicordata::per(const Documento& d, const ValoriImpostazioni& st, const FormatoPagina& f, const std::string& data,
                                          const Carattere& stile) {
    // Everything the layout reads; the letters in the grid are not among them.
    std::string k;
    const auto aggiungi = [&k](const std::string& t) { k += t, k += '\0'; };
    for (double v : {f.larghezza, f.altezza, f.margine}) aggiungi(std::to_string(v));
    const Cruciverba& x = d.cruciverba;
    for (int v : {x.colonne(), x.righe(), caratteriDisegno(st), numeriDisegno(st), int(stile.grassetto),
                  int(stile.corsivo), int(x.variante), static_cast<int>(x.banca.size())})
        aggiungi(std::to_string(v));
    for (const std::string& t : {stile.nome, st.nomeFont, data, d.nomeFile, titoloPagina(d), rigaAutore(x)}) aggiungi(t);
    for (const ElencoDefinizioni& e : x.elenchi) {
        aggiungi(e.direzione);
        for (const Definizione& w : e.definizioni) aggiungi(w.etichetta), aggiungi(w.testo);
    }
    if (volte_ == 0 || k != chiave_) {
        Carattere c = stile;
        c.dimensione = puntiElenchiMinimi;
        misura_.impostaCarattere(c);
        im_ = impagina(d, st, misura_, f, data, Ricerca::dimezzando, volte_ > 0 ? &im_ : nullptr);
        chiave_ = std::move(k);
        ++volte_;
    }
    return im_;
}

int disegnaPagine(const Documento& d, const ValoriImpostazioni& st, Superficie& sup, Superficie& misura, const Impaginazione& im,
                  const FormatoPagina& formato, const std::string& data, const std::function<void()>& nuovoFoglio) {
    const Carattere stile = sup.carattere();
    misura.impostaCarattere(stile);
    SuperficieMisurata m(sup, misura);
    m.impostaCarattere({st.nomeFont, im.puntiTitolo, true, stile.corsivo});
    for (size_t i = 0; i < im.righeTitolo.size(); ++i) {
        const std::string& riga = im.righeTitolo[i];
        m.disegnaTesto((formato.larghezza - m.larghezzaTesto(riga)) / 2,
                       im.altoTitolo + im.rigaTitolo * static_cast<double>(i), riga);
    }
    m.impostaCarattere({st.nomeFont, stile.dimensione, stile.grassetto, stile.corsivo});
    disegnaGrigliaPagina(d, st, m, im.griglia);
    const std::function<void()> salto = nuovoFoglio ? nuovoFoglio : [] {};
    const int fogli = stampaDefinizioni(d, m, im.elenchi, data, salto);
    sup.impostaGrassetto(stile.grassetto);
    return fogli;
}

int disegnaPagine(const Documento& d, const ValoriImpostazioni& st, Superficie& sup, Superficie& misura, const FormatoPagina& formato,
                  const std::string& data, const std::function<void()>& nuovoFoglio) {
    misura.impostaCarattere(sup.carattere());
    const Impaginazione im = impagina(d, st, misura, formato, data);
    return disegnaPagine(d, st, sup, misura, im, formato, data, nuovoFoglio);
}

namespace {
constexpr double bordoAnteprima = 10;
}

double scalaIntera(const AreaFinestra& a, const FormatoPagina& f, int fogli) {
    const int n = std::max(fogli, 1);
    const double alto = a.altezzaToolbar + bordoAnteprima, basso = a.altezza - a.altezzaStatusBar - bordoAnteprima;
    return std::min((basso - alto) / f.altezza, (a.larghezza - bordoAnteprima * (n + 1)) / (n * f.larghezza));
}

PosaAnteprima posaAnteprima(const AreaFinestra& a, const FormatoPagina& f, int fogli, double scala) {
    constexpr double bordo = bordoAnteprima;
    const int n = std::max(fogli, 1);
    const double alto = a.altezzaToolbar + bordo, intera = scalaIntera(a, f, n);
    PosaAnteprima p;
    p.larghezza = a.larghezza;
    p.altezza = a.altezza;
    if (!(scala > intera)) {
        p.scala = intera;
        if (!(p.scala > 0)) throw ErroreOverflow();
        const double l = f.larghezza * p.scala, tutti = n * l + (n - 1) * bordo;
        for (int i = 0; i < n; ++i)
            p.fogli.push_back({(a.larghezza - tutti) / 2 + i * (l + bordo), alto, l, f.altezza * p.scala});
        return p;
    }
    // Larger: one sheet below the other, centred across, the whole at least as big as the area.
    p.scala = scala;
    const double l = f.larghezza * scala, h = f.altezza * scala;
    p.larghezza = std::max(a.larghezza, l + 2 * bordo);
    p.altezza = std::max(a.altezza, alto + n * (h + bordo) + a.altezzaStatusBar);
    for (int i = 0; i < n; ++i) p.fogli.push_back({(p.larghezza - l) / 2, alto + i * (h + bordo), l, h});
    return p;
}

int disegnaAnteprima(const Documento& d, const ValoriImpostazioni& st, Superficie& finestra, Superficie& misura, const Impaginazione& im,
                     const PosaAnteprima& posa, const std::string& data, const FormatoPagina& formato) {
    const Carattere stile = finestra.carattere();
    misura.impostaCarattere(stile);
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
    if (!posa.fogli.empty()) foglio.sposta(posa.fogli[0].x, posa.fogli[0].y);
    const int fogli = disegnaPagine(d, st, foglio, misura, im, formato, data, [&] {
        if (++i < posa.fogli.size()) foglio.sposta(posa.fogli[i].x, posa.fogli[i].y);
    });
    finestra.impostaCarattere(stile);
    return fogli;
}

int disegnaAnteprima(const Documento& d, const ValoriImpostazioni& st, Superficie& finestra, Superficie& misura, const AreaFinestra& area,
                     const std::string& data, const FormatoPagina& formato) {
    misura.impostaCarattere(finestra.carattere());
    const Impaginazione im = impagina(d, st, misura, formato, data);
    return disegnaAnteprima(d, st, finestra, misura, im, posaAnteprima(area, formato, im.fogli), data, formato);
}

}  // namespace quadrivo
