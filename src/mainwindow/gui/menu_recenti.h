#pragma once
// File → Recenti: the last puzzles opened or saved, newest first, each with its folder ("~" for
// the home), and "Svuota elenco". The list is kept in the player's options.
#include <QMenu>
#include <string>

namespace quadrivo {

class Impostazioni;

class MenuRecenti : public QMenu {
    Q_OBJECT
public:
    MenuRecenti(Impostazioni& impostazioni, QWidget* genitore);

    // A puzzle was opened or saved at `percorso`: first in the list, and its folder the one the
    // file dialogs start in next.
    void ricorda(const std::string& percorso);

signals:
    void scelto(const std::string& percorso);

private:
    void aggiorna();

    Impostazioni& impostazioni_;
};

}  // namespace quadrivo
