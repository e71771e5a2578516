#pragma once
// Which cell and word lie under the pointer, and what the hover shows for them: the clue label,
// the pointer shape and the word rectangle. Pure functions of the state; the window applies
// the result.
#include <functional>
#include <string>

#include "model/direzione.h"
#include "model/disegno_schema.h"
#include "model/piattaforma.h"
#include "model/valori_impostazioni.h"
#include "model/superficie.h"

namespace quadrivo {

// What the main window's drawing area shows.
enum class ModoVista { nessunoSchema, griglia, anteprima };

// The pointer shape is the hover direction the player sees, and a click uses exactly that.
Direzione direzioneDi(Puntatore p);
Puntatore puntatoreDi(Direzione d);

struct PuntoGriglia {
    long long colonna = 0;
    long long riga = 0;
};

// The cell under (X, Y): the offset from the grid corner taken to the nearest whole pixel
// (halves to even), divided by the cell side truncating, plus one. `griglia` is where the grid
// lies on screen: the window's grid view knows it.
PuntoGriglia cellaSotto(const GeometriaSchema& griglia, double X, double Y);

// True when (X, Y) lies left of or above the grid (X and Y as they come, before rounding), or
// its cell lies past the last column or row. Without a laid-out grid everything is outside.
bool fuoriGriglia(const GeometriaSchema& griglia, double X, double Y, const PuntoGriglia& cella);

// Whether (X, Y) lies in the upper-right half of `cella`, diagonal included: the half that means across.
bool metaOrizzontale(const GeometriaSchema& griglia, double X, double Y, const PuntoGriglia& cella);

struct RettangoloParola {
    double sinistra = 0;
    double alto = 0;
    double larghezza = 0;
    double altezza = 0;
    Colore colore{};
    friend bool operator==(const RettangoloParola&, const RettangoloParola&) = default;
};

enum class AzioneRettangolo { lascia, nascondi, mostra };

struct Passaggio {
    PuntoGriglia cella;                   // meaningful only when a grid is shown
    Puntatore puntatore = Puntatore::predefinito;  // the shape after this movement
    Direzione direzione = Direzione::nessuna;      // always direzioneDi(puntatore)
    bool etichetta = false;        // false: the label is hidden
    std::string didascalia;        // UTF-8
    double etichettaX = 0;
    double etichettaY = 0;
    AzioneRettangolo rettangolo = AzioneRettangolo::lascia;
    RettangoloParola r;            // valid with AzioneRettangolo::mostra
};

// The label's width for a caption: the widget's width once that caption is set.
using LarghezzaEtichetta = std::function<double(const std::string& didascalia)>;

// One pointer movement over the drawing area of width `larghezzaSuperficie`, with the pointer
// shape `attuale` before it.
Passaggio calcolaPassaggio(const Cruciverba& cruciverba, const ValoriImpostazioni& valori, const GeometriaSchema& griglia, ModoVista modo,
                           double X, double Y, double larghezzaSuperficie,
                           const LarghezzaEtichetta& larghezzaEtichetta, Puntatore attuale);

// A word's caption as its game names it, its clue decoded to UTF-8. The line above the grid reads
// " 12 oriz. - Abitazione"; a senza schema names the row or column as the word dialog does,
// " Riga 2 - Sovrano – Re"; a codeword, which has no clues, gives the word's codes
// " oriz. - 3-7-3-12", a grid to fill its length " oriz. - 4 lettere". The hover label sets it
// off with one more space on each side, "  12 oriz. - Abitazione ".
enum class FormaDidascalia { riga, etichetta };
std::string didascaliaParola(const Cruciverba& x, const std::string& etichetta, Direzione d,
                             const std::vector<Casella>& caselle, const std::string& definizione,
                             FormaDidascalia forma);

}  // namespace quadrivo
