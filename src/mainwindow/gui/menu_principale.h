#pragma once
// The menu bar, built from the menu table: every item is one QAction, found by name by the part
// that runs it and shared with the toolbar's button. Print items, Modifica and Utilità show
// only while there is a grid to act on.
#include <QObject>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "mainwindow/finestra.h"

class QAction;
class QMenu;
class QMenuBar;

namespace quadrivo {

class Sessione;

class MenuPrincipale : public QObject {
    Q_OBJECT
public:
    // `propria` gives a part's own action for a table entry; nullptr lets the menu make it.
    MenuPrincipale(Sessione& sessione, QMenuBar* barra, const std::function<QAction*(const std::string&)>& propria,
                   QObject* genitore);

    QMenu* menu(Menu m) const { return menu_.at(m); }
    // An item by its name ("azioneApri", "separatoreStampa", ...); nullptr if unknown.
    QAction* azione(const std::string& nome) const;
    // Follows whether a puzzle is open and shown: the items that need one, and their images.
    void aggiorna();
    // The toolbar's images in the menus: none at start, Apri's from the first activation, all once
    // a puzzle is open.
    enum class Icone { nessuna, apri, tutte };
    void mostraIcone(Icone quali);

private:
    void seguiModo();

    Sessione& sessione_;
    std::map<Menu, QMenu*> menu_;
};

}  // namespace quadrivo
