#pragma once
// Checks, reveals, Pausa and the solving clock in the status bar. The rules and the clock are the
// session's; this shows them. A check acts on the word being typed, else the word under the
// pointer, else the last one pressed on (the pointer went to the menu or the toolbar).
#include <QObject>
#include <functional>
#include <optional>

#include "model/cruciverba.h"
#include "solving/navigazione.h"

class QAction;
class QTimer;
class QWidget;

namespace quadrivo {

class BarraStato;
class Piattaforma;
class Sessione;

class VistaGriglia;

class ComandiVerifica : public QObject {
    Q_OBJECT
public:
    // Follows the pointer over `area`, the drawing area the grid lives on.
    // `griglia` lies over the whole area: its pixels are the area's.
    ComandiVerifica(Sessione& sessione, Piattaforma& piattaforma, BarraStato* barra, QWidget* area,
                    const VistaGriglia& griglia);

    // The menu items, found by name; the toolbar's buttons run the same actions.
    void collega(const std::function<QAction*(const char*)>& azione);
    // Checks and reveals wait while the grid is hidden; the pause items show the pause.
    void aggiornaComandi();
    std::optional<Parola> parolaPerVerifica() const;
    std::optional<Casella> casellaPerVerifica() const;

signals:
    // Before anything is checked or paused: the window hides its hover label and a print preview.
    void primaDiAgire();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    struct Punto {
        Casella casella;
        Direzione direzione = Direzione::orizzontale;
    };
    std::optional<Punto> puntoSotto(QPointF p) const;
    void mostraTempo();
    // Marks the wrong letters among `caselle` and gives their count; nothing while paused.
    std::optional<size_t> controlla(const std::vector<Casella>& caselle);
    void rivelaSchema();
    // Sblocca soluzione: asks a locked .puz's four digits.
    void sblocca();
    void mostraSblocca();
    void pausa();

    Sessione& sessione_;
    Piattaforma& piattaforma_;
    BarraStato* barra_;
    QWidget* area_;
    const VistaGriglia& griglia_;
    QTimer* battito_;
    std::vector<QAction*> comandi_;  // what the pause disables
    std::vector<QAction*> pause_;    // what shows the pause
    // The cell under the pointer, and the last one pressed on (the pointer may be on a menu now).
    std::optional<Punto> passaggio_, premuto_;
    QAction* sblocca_ = nullptr;  // shown only while the solution is locked
};

}  // namespace quadrivo
