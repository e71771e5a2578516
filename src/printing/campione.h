#pragma once
// Geometry of the layout dialog's sample: five lettered cells over two rows with a black
// square each, in twips from the sample's top-left corner. The dialog only paints it.
#include <array>
#include <functional>
#include <string>
#include <utility>

namespace quadrivo {

inline constexpr double latoCellaCampione = 1245;   // twips
inline constexpr double passoCellaCampione = 1230;  // neighbours share their border line
inline constexpr double distanzaLineeCampione = 60; // the two frame lines stand this far outside
inline constexpr double puntiLettereIniziali = 36;  // the letters are centred for this size
inline constexpr const char* facciaCampione = "Arial";
inline constexpr std::array<const char*, 5> lettereCampione{"Q", "W", "E", "R", "T"};

// The six bar values the sample shows.
struct ValoriCampione {
    int riquadro = 95;         // PercentualeRiquadro
    int altezzaNumeri = 5;     // AltezzaNumeri
    int altezzaCaratteri = 50; // AltezzaCaratteri
    int distanzaSpigolo = 0;   // DistanzaDaSpigolo
    int distanzaCentro = 0;    // DistanzaDaCentro
    int spessore = 1;          // SpessoreBordo, pixels
};

struct RettangoloTwip {
    double x = 0, y = 0, l = 0, a = 0;
    double destra() const { return x + l; }
    double basso() const { return y + a; }
};

// Width and height in twips of a text in the sample's face at the given size in points.
using MisuraTesto = std::function<std::pair<double, double>(const std::string& testo, double punti)>;

struct CampioneDisposto {
    std::array<RettangoloTwip, 15> celle;       // row by row, five to a row
    std::array<RettangoloTwip, 2> quadratiNeri; // in the third cell of row 2, the second of row 3
    std::array<RettangoloTwip, 5> lettere;      // the letters' boxes, one per top-row cell
    std::array<RettangoloTwip, 5> numeri;       // the numbers' boxes
    double puntiLettere = 0, puntiNumeri = 0;
    int spessoreLinee = 1;  // pixels
    RettangoloTwip lineaSopra, lineaSinistra;  // the frame lines, as segments (no thickness)
    double centroCella = 0;  // height of the top row's cell centre, marked across the fourth cell
};

// Cell (colonna, riga), both counted from 0.
RettangoloTwip cellaCampione(int colonna, int riga);

// A font size in points that is `percentuale` % of the cell's height in pixels.
double puntiCampione(int percentuale, double twipPerPixel);

// The whole sample for these values. `misura` gives the letters' and numbers' boxes.
CampioneDisposto disponiCampione(const ValoriCampione& v, double twipPerPixel, const MisuraTesto& misura);

}  // namespace quadrivo
