#pragma once
// The printed page: the puzzle's title, the grid as large as the paper allows and the clue
// lists in columns below it, laid out for the sheet of paper and never for the window. The
// preview draws the very same sheets, scaled onto the main window.
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/disegno_schema.h"
#include "model/griglia.h"
#include "model/valori_impostazioni.h"
#include "model/superficie.h"
#include "printing/elenchi.h"

namespace quadrivo {

// A sheet of paper in points (1/72 inch), A4 portrait unless the printer says otherwise.
struct FormatoPagina {
    double larghezza = 595.28, altezza = 841.89;
    double margine = 40;
};

inline constexpr double puntiElenchiMinimi = 9;    // the lists are never smaller
inline constexpr double puntiElenchiMassimi = 12;  // a short list grows up to this to fill the page
inline constexpr double puntiTitolo = 16;

// Where everything goes on the sheets, in points.
struct Impaginazione {
    std::string titolo;
    std::vector<std::string> righeTitolo;  // the title broken into lines that fit the page
    double puntiTitolo = 0, altoTitolo = 0, rigaTitolo = 0;
    GeometriaSchema griglia;
    ColonneElenchi elenchi;
    int fogli = 1;
};

// The title at the top of the page: the puzzle's own, or its file name without folder and extension.
std::string titoloPagina(const Documento& documento);

// Measures a text once per face, weight and slant, at a large size, and scales the width to
// the size asked for: the page's search tries several sizes over the same clues, and the
// drawing measures them again. Draws nothing.
class MisuraProporzionale : public Superficie {
public:
    explicit MisuraProporzionale(Superficie& sotto) : s_(sotto) {}
    void pulisci() override {}
    void rettangolo(double, double, double, double, Colore) override {}
    void rettangoloPieno(double, double, double, double, Colore) override {}
    void ellisse(double, double, double, double, Colore) override {}
    void disegnaTesto(double, double, const std::string&) override {}
    double larghezzaTesto(const std::string& t) override;
    double altezzaTesto(const std::string& t) override;
    double larghezzaScala() const override { return s_.larghezzaScala(); }
    double altezzaScala() const override { return s_.altezzaScala(); }
    // How many texts were measured on the surface below.
    std::size_t misurati() const { return larghezze_.size(); }

private:
    std::string chiave(const std::string& testo) const;
    double perPunto(const std::string& chiave, const std::string& testo, bool altezza);

    Superficie& s_;
    std::unordered_map<std::string, double> larghezze_, altezze_;  // per point of size
};

// How the page looks for the sizes: the halving search, or the plain step by step one (a
// pixel of cell, a quarter point of list at a time) it must agree with.
enum class Ricerca { dimezzando, passoPasso };

// The layout for one sheet size. Text is measured on `misura` in its current style (bold and
// italic as the job will draw them). Throws ErroreOverflow for a grid without cells. With
// `prima`, the last layout of the same page, its sizes are tried first: after a small change they
// usually still are the largest that fit, and four probes confirm it where a search takes ten.
Impaginazione impagina(const Documento& documento, const ValoriImpostazioni& valori, Superficie& misura, const FormatoPagina& formato, const std::string& data,
                       Ricerca ricerca = Ricerca::dimezzando, const Impaginazione* prima = nullptr);

// Draws the sheets of `impaginazione` on `sup`, whose units are the paper's points: title,
// grid, numbers, lists and footer; `nuovoFoglio` ends a sheet and starts the next. Text is
// measured on `misura` (it may be `sup` itself), so every target breaks the lines at the same
// places. The surface's bold flag is the same afterwards. Returns the number of sheets.
int disegnaPagine(const Documento& documento, const ValoriImpostazioni& valori, Superficie& sup, Superficie& misura, const Impaginazione& impaginazione,
                  const FormatoPagina& formato, const std::string& data, const std::function<void()>& nuovoFoglio);
// The same, laid out first in the surface's style.
int disegnaPagine(const Documento& documento, const ValoriImpostazioni& valori, Superficie& sup, Superficie& misura, const FormatoPagina& formato,
                  const std::string& data, const std::function<void()>& nuovoFoglio);

// A layout kept between drawings, with its text measures: laid out again only when the
// puzzle's words, the paper, the date or the style change, not for a letter typed or a
// window resized.
class PaginaRicordata {
public:
    explicit PaginaRicordata(Superficie& misura) : misura_(misura) {}
    // Throws ErroreOverflow as impagina does.
    const Impaginazione& per(const Documento& documento, const ValoriImpostazioni& valori, const FormatoPagina& formato, const std::string& data,
                             const Carattere& stile);
    Superficie& misura() { return misura_; }
    int impaginazioni() const { return volte_; }

private:
    MisuraProporzionale misura_;
    std::string chiave_;
    Impaginazione im_;
    int volte_ = 0;
};

// The preview's sheets on the window. As large as the area holds them, side by side between
// the toolbar and the status bar; at a larger scale one below the other, centred, for
// scrolling.
struct FoglioAnteprima {
    double x = 0, y = 0, larghezza = 0, altezza = 0;
};
struct PosaAnteprima {
    double scala = 0;  // window pixels per point
    std::vector<FoglioAnteprima> fogli;
    double larghezza = 0, altezza = 0;  // what the sheets and their borders take
};
// The scale at which every sheet is seen whole.
double scalaIntera(const AreaFinestra& area, const FormatoPagina& formato, int fogli);
// `scala` 0 (or not above scalaIntera): whole sheets.
PosaAnteprima posaAnteprima(const AreaFinestra& area, const FormatoPagina& formato, int fogli, double scala = 0);

// The preview: the window cleared, each sheet white with a dark red border and the sheets'
// content drawn by disegnaPagine through a scaling surface. The window's font is the same
// afterwards. Returns the number of sheets.
int disegnaAnteprima(const Documento& documento, const ValoriImpostazioni& valori, Superficie& finestra, Superficie& misura, const Impaginazione& impaginazione,
                     const PosaAnteprima& posa, const std::string& data, const FormatoPagina& formato = {});
// The same, laid out first and with whole sheets. Throws ErroreOverflow when nothing fits.
int disegnaAnteprima(const Documento& documento, const ValoriImpostazioni& valori, Superficie& finestra, Superficie& misura, const AreaFinestra& area,
                     const std::string& data, const FormatoPagina& formato = {});

}  // namespace quadrivo
