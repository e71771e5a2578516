#pragma once
// The player's own choices in Opzioni and Utilità: the left key's old editing mode, the word's
// rectangle while hovering, the clock that stops while another program is in front, and the
// grid's font. Each is kept for the next start; a write that failed is tried again at every change.
#include <QObject>
#include <functional>

class QAction;
class QMenu;

namespace quadrivo {

class AreaDisegno;
class Impostazioni;
class FinestraCarattere;
class PiattaformaQt;
class Sessione;

class ComandiOpzioni : public QObject {
    Q_OBJECT
public:
    // The font chooser is modal over `area`'s window; the grid's font is `area`'s surface's.
    ComandiOpzioni(Sessione& sessione, PiattaformaQt& piattaforma, Impostazioni& impostazioni, AreaDisegno* area);

    // Usa tasto sinistro, Visualizza rettangolo parola and Scegli Font, found by name.
    void collega(const std::function<QAction*(const char*)>& azione);
    // Ferma il cronometro, at the end of `opzioni`.
    void creaVoce(QMenu* opzioni);
    // The marks and the grid's font as the start's settings say.
    void segna();
    // The clock stops while another program's window is active.
    bool pausaFuori() const;
    void scegliFont();

signals:
    void rettangoloCambiato();
    void pausaFuoriCambiata();
    // Before the font chooser: the window hides its hover label.
    void primaDiAgire();

private:
    PiattaformaQt& piattaforma_;
    Impostazioni& impostazioni_;
    AreaDisegno* area_;
    QAction* tastoSinistro_ = nullptr;
    QAction* rettangolo_ = nullptr;
    QAction* pausaFuori_ = nullptr;
    FinestraCarattere* sceltaCarattere_ = nullptr;  // made at its first use and kept
};

}  // namespace quadrivo
