#pragma once
// The one drawing surface every target implements: the main window, the printer page, the
// print preview, the open dialog's preview and the layout dialog's sample. Coordinates are
// in the surface's own units (pixels on screen; printer units after impostaScala); font sizes
// are always points. Text is UTF-8.
#include <cstdint>
#include <string>

namespace quadrivo {

struct Colore {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Colore&, const Colore&) = default;
};

inline constexpr Colore nero{0, 0, 0};
inline constexpr Colore bianco{255, 255, 255};
inline constexpr Colore rossoScuro{128, 0, 0};
inline constexpr Colore giallo{255, 255, 0};
inline constexpr Colore ciano{0, 192, 192};
inline constexpr Colore bluScuro{0, 0, 128};

struct Carattere {
    std::string nome = "Arial";
    double dimensione = 8.25;  // points
    bool grassetto = false;
    bool corsivo = false;
    friend bool operator==(const Carattere&, const Carattere&) = default;
};

class Superficie {
public:
    virtual ~Superficie() = default;

    // Primitives each target implements.
    virtual void pulisci() = 0;
    virtual void rettangolo(double x1, double y1, double x2, double y2, Colore c) = 0;
    virtual void rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) = 0;
    virtual void disegnaTesto(double x, double y, const std::string& s) = 0;  // top-left at (x, y)
    virtual double larghezzaTesto(const std::string& s) = 0;
    virtual double altezzaTesto(const std::string& s) = 0;
    virtual double larghezzaScala() const = 0;
    virtual double altezzaScala() const = 0;
    // The outline of the ellipse inside the rectangle (a cell's circle). Targets that draw no
    // curves leave it out.
    // Pure like the others: a wrapper that forgot it would silently lose the circles.
    virtual void ellisse(double x1, double y1, double x2, double y2, Colore c) = 0;
    // The printer lets the job choose its unit system; other targets keep theirs.
    virtual void impostaScala(double larghezza, double altezza) { (void)larghezza, (void)altezza; }

    // Current font.
    const Carattere& carattere() const { return font_; }
    void impostaCarattere(const Carattere& f) { font_ = f; caratterCambiato(); }
    void impostaNomeCarattere(const std::string& nome) { font_.nome = nome; caratterCambiato(); }
    void impostaDimensione(double punti) { font_.dimensione = punti; caratterCambiato(); }
    void impostaGrassetto(bool b) { font_.grassetto = b; caratterCambiato(); }
    void impostaCorsivo(bool b) { font_.corsivo = b; caratterCambiato(); }

    // The pen, where the top-left corner of the next printed text goes.
    double CurrentX = 0;
    double CurrentY = 0;
    // The colour of the texts that follow.
    Colore coloreTesto = nero;

    // Print s at the pen. Line ended: the pen goes to x 0 and one line down; line open: the
    // pen moves right by the text's width.
    void stampa(const std::string& s, bool aCapo = true);
    // Nothing printed: the pen goes to x 0 and one line down.
    void aCapo();

protected:
    virtual void caratterCambiato() {}

private:
    Carattere font_;
};

}  // namespace quadrivo
