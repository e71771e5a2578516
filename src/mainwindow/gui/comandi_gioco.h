#pragma once
// Opzioni → Gioca come: the open puzzle played as a crossword, a senza schema, a codeword or a
// grid to fill. The session makes the change; this offers it and says why one cannot be made.
#include <QObject>

#include "model/cruciverba.h"

class QAction;
class QActionGroup;
class QMenu;

namespace quadrivo {

class Piattaforma;
class Sessione;

class ComandiGioco : public QObject {
    Q_OBJECT
public:
    ComandiGioco(Sessione& sessione, Piattaforma& piattaforma, QObject* genitore = nullptr);
    // The submenu at the end of `opzioni`.
    void creaVoci(QMenu* opzioni);
    // The item of each game, for tests and the window's state.
    QAction* voce(Variante variante) const;

signals:
    // Before the change: the window leaves a print preview and hides its hover label.
    void primaDiAgire();

private:
    // The current game's item checked; the items work only with an open puzzle.
    void segui();
    void gioca(Variante variante);

    Sessione& sessione_;
    Piattaforma& piattaforma_;
    QMenu* menu_ = nullptr;
    QActionGroup* gruppo_ = nullptr;
};

}  // namespace quadrivo
