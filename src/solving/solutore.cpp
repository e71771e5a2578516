#include "solving/solutore.h"

#include "solving/controllo.h"

namespace quadrivo {

Solutore::Solutore(const Cruciverba& cruciverba, const ValoriImpostazioni& valori, Piattaforma& piattaforma, VistaSolutore& vista)
    : x_(cruciverba), s_(valori), piattaforma_(piattaforma), vista_(vista) {}

void Solutore::impostaPuntatore(Puntatore p) {
    if (p != vista_.puntatore()) vista_.mostraPuntatore(p);
}

void Solutore::movimentoMouse(double x, double y) {
    const Passaggio p = calcolaPassaggio(
        x_, s_, vista_.griglia(), vista_.modo(), x, y, vista_.larghezzaSuperficie(), [this](const std::string& d) { return vista_.larghezzaEtichetta(d); },
        vista_.puntatore());
    impostaPuntatore(p.puntatore);
    if (p.etichetta)
        vista_.mostraEtichetta(p.didascalia, p.etichettaX, p.etichettaY);
    else
        vista_.nascondiEtichetta();
    if (p.rettangolo == AzioneRettangolo::mostra) vista_.mostraRettangolo(p.r);
    if (p.rettangolo == AzioneRettangolo::nascondi) vista_.nascondiRettangolo();
}

void Solutore::movimentoSuControllo() { vista_.nascondiEtichetta(); }

void Solutore::pressioneMouse(int pulsante, double x, double y) {
    const GeometriaSchema g = vista_.griglia();
    if (g.lato <= 0) return;
    Posizione parola;
    switch (decidiClic(x_, s_, g, vista_.modo(), pulsante, x, y, direzionePassaggio(), parola)) {
    case EsitoClic::fuori:
        impostaPuntatore(Puntatore::predefinito);
        return;
    case EsitoClic::inattiva:
        vista_.ridisegnaToolbar();
        return;
    case EsitoClic::nessunaParola:
        vista_.nascondiEtichetta();
        vista_.ridisegnaToolbar();
        return;
    case EsitoClic::digitazione:
        // The window moves its grid cursor for this button before the press gets here.
        vista_.nascondiEtichetta();
        return;
    case EsitoClic::dialogo:
        vista_.nascondiEtichetta();
        apriConDialogo(parola);
        return;
    }
}

void Solutore::apriConDialogo(const Posizione& parola) {
    const std::optional<SceltaParola> scelta = vista_.apriDialogo(voceDialogo(x_, vista_.griglia(), parola));
    vista_.ridisegnaToolbar();
    vista_.dialogoChiuso(parola, scelta);
    vista_.ridisegnaToolbar();
}

void Solutore::apriParola(int c, int r, Direzione d) {
    // A game without clues opens it on the grid's own word.
    if (!voceDialogo(x_, {}, {c, r, d}).valida) return;
    vista_.nascondiEtichetta();
    apriConDialogo({c, r, d});
}

void Solutore::nascondiPassaggio() {
    impostaPuntatore(Puntatore::predefinito);
    vista_.nascondiRettangolo();
}

bool Solutore::azzeraSoluzioni() {
    // Enter or Esc keeps the answers: only OK clears them.
    if (piattaforma_.messaggio(domandaAzzeramento, titoloAzzeramento, Icona::domanda, Pulsanti::annullaOk) !=
        Risposta::ok)
        return false;
    // The preview would hide the cleared grid.
    if (vista_.modo() == ModoVista::anteprima) vista_.chiudiAnteprima();
    vista_.azzera();
    return true;
}

}  // namespace quadrivo
