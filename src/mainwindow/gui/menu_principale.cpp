#include "mainwindow/gui/menu_principale.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "sessione/sessione.h"

namespace quadrivo {

namespace {
// The items whose toolbar image shows in the menu only while a puzzle is open.
constexpr const char* conImmagine[] = {
    "azioneApri",   "azioneSalva", "azioneAnteprima", "azioneStampa", "azioneControllaSoluzioni",
    "azioneAzzera", "azioneFont"};
}  // namespace

MenuPrincipale::MenuPrincipale(Sessione& sessione, QMenuBar* barra,
                               const std::function<QAction*(const std::string&)>& propria, QObject* genitore)
    : QObject(genitore), sessione_(sessione) {
    for (const TitoloMenu& t : titoliMenu()) {
        QMenu* m = t.menu == Menu::lingua ? new QMenu(QString::fromUtf8(t.testo), barra)
                                          : barra->addMenu(QString::fromUtf8(t.testo));
        m->setObjectName(t.nome);
        menu_[t.menu] = m;
    }
    for (const VoceMenu& v : vociMenu()) {
        QMenu* m = menu_[v.menu];
        if (QAction* a = propria(v.nome)) {
            m->addAction(a);
            continue;
        }
        const bool separatore = std::string(v.testo) == "-";
        QAction* a = separatore ? m->addSeparator() : m->addAction(QString::fromUtf8(v.testo));
        a->setObjectName(v.nome);
        if (*v.scorciatoia) a->setShortcut(QKeySequence(QString::fromUtf8(v.scorciatoia)));
        // Options and languages are marks; Settaggio schema opens a dialog.
        if ((v.menu == Menu::opzioni || v.menu == Menu::lingua) && !separatore &&
            std::string(v.nome) != "azioneSettaggioSchema") {
            a->setCheckable(true);
            a->setChecked(v.segnata);
        }
        // The dictionary submenu sits after azioneRettangoloParola in Opzioni.
        if (std::string(v.nome) == "azioneRettangoloParola") menu_[Menu::opzioni]->addMenu(menu_[Menu::lingua]);
    }
    menu_[Menu::lingua]->setToolTipsVisible(true);  // a language says why its file cannot be used
    connect(&sessione_, &Sessione::schemaCambiato, this, &MenuPrincipale::aggiorna);
    connect(&sessione_, &Sessione::modoCambiato, this, &MenuPrincipale::seguiModo);
}

QAction* MenuPrincipale::azione(const std::string& nome) const {
    const QString cercato = QString::fromStdString(nome);
    for (const auto& [chi, m] : menu_)
        for (QAction* a : m->actions())
            if (a->objectName() == cercato) return a;
    return nullptr;
}

void MenuPrincipale::aggiorna() {
    const bool schema = sessione_.aperto();
    for (const char* nome : {"azioneStampa", "azioneAnteprima", "separatoreStampa"})
        if (QAction* a = azione(nome)) a->setVisible(schema);
    menu_[Menu::utilita]->menuAction()->setVisible(schema);
    menu_[Menu::modifica]->menuAction()->setVisible(schema);
    if (schema) mostraIcone(Icone::tutte);
}

void MenuPrincipale::seguiModo() {
    const bool griglia = sessione_.aperto() && sessione_.modo() != ModoVista::anteprima;
    menu_[Menu::utilita]->menuAction()->setVisible(griglia);
    menu_[Menu::modifica]->menuAction()->setVisible(griglia);
}

void MenuPrincipale::mostraIcone(Icone quali) {
    for (const char* nome : conImmagine)
        if (QAction* a = azione(nome))
            a->setIconVisibleInMenu(quali == Icone::tutte ||
                                    (quali == Icone::apri && std::string(nome) == "azioneApri"));
}

}  // namespace quadrivo
