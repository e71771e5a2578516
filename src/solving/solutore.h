#pragma once
// The solving behaviour of the main window without the toolkit: hover, button presses that
// open the word dialog, checking and clearing. The window supplies a VistaSolutore over its widgets
// and forwards its events here.
#include <optional>
#include <string>

#include "model/piattaforma.h"
#include "model/valori_impostazioni.h"
#include "solving/inserimento.h"
#include "solving/parola_dialogo.h"
#include "solving/passaggio.h"

namespace quadrivo {

class VistaSolutore {
public:
    virtual ~VistaSolutore() = default;

    // The drawing area: its width and the pointer shape shown over it. The shape is the one
    // record of the hover direction, so what the player sees is what a press uses.
    virtual double larghezzaSuperficie() = 0;
    // Where the grid lies on the surface; a side of 0 when none is shown.
    virtual GeometriaSchema griglia() const = 0;
    // What the drawing area shows: hover and presses act on the grid only.
    virtual ModoVista modo() = 0;
    virtual Puntatore puntatore() = 0;
    virtual void mostraPuntatore(Puntatore p) = 0;

    // Hover label (UTF-8 captions); the width is the one that fits the caption.
    virtual double larghezzaEtichetta(const std::string& didascalia) = 0;
    virtual void mostraEtichetta(const std::string& didascalia, double x, double y) = 0;
    virtual void nascondiEtichetta() = 0;

    // Word rectangle.
    virtual void mostraRettangolo(const RettangoloParola& r) = 0;
    virtual void nascondiRettangolo() = 0;

    // The rest of the window.
    // The modal word-entry dialog on `voce`: what OK confirmed, nothing after Annulla.
    virtual std::optional<SceltaParola> apriDialogo(const VoceDialogo& voce) = 0;
    virtual void ridisegnaToolbar() = 0;
    virtual void chiudiAnteprima() = 0;  // what the preview's close button does
    // The word dialog on the word starting at `parola` closed (OK with its choice, or Annulla):
    // the puzzle takes it.
    virtual void dialogoChiuso(const Posizione& parola, const std::optional<SceltaParola>& scelta) = 0;
    // The player agreed to clear every letter.
    virtual void azzera() = 0;
};

class Solutore {
public:
    Solutore(const Cruciverba& cruciverba, const ValoriImpostazioni& valori, Piattaforma& piattaforma, VistaSolutore& vista);

    // Pointer moved over the drawing area, or over the label.
    void movimentoMouse(double x, double y);
    void movimentoSuControllo();
    // Button (1 left, 2 right, 4 middle) pressed over the drawing area.
    void pressioneMouse(int pulsante, double x, double y);

    // The hover direction the pointer shows now; a press uses it.
    Direzione direzionePassaggio() const { return direzioneDi(vista_.puntatore()); }

    // The default pointer and no word rectangle.
    void nascondiPassaggio();

    // The word dialog on the word starting at (c, r) in direction d, as its mouse button opens it.
    void apriParola(int c, int r, Direzione d);

    // Commands.
    bool azzeraSoluzioni();  // true when the player agreed and the letters went

private:
    void impostaPuntatore(Puntatore p);
    void apriConDialogo(const Posizione& parola);

    const Cruciverba& x_;  // the session's puzzle, read only
    const ValoriImpostazioni& s_;
    Piattaforma& piattaforma_;
    VistaSolutore& vista_;
};

}  // namespace quadrivo
