#include "mainwindow/gui/comandi_gioco.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "model/piattaforma.h"
#include "sessione/sessione.h"

namespace quadrivo {

namespace {

struct VoceGioco {
    Variante variante;
    const char* nome;
    const char* testo;
};
constexpr VoceGioco giochi[] = {
    {Variante::cruciverba, "azioneGiocaCruciverba", "&Cruciverba"},
    {Variante::senzaSchema, "azioneGiocaSenzaSchema", "&Senza schema"},
    {Variante::crittografato, "azioneGiocaCrittografato", "C&rittografato"},
    {Variante::daRiempire, "azioneGiocaDaRiempire", "&Da riempire"},
};

}  // namespace

ComandiGioco::ComandiGioco(Sessione& sessione, Piattaforma& piattaforma, QObject* genitore)
    : QObject(genitore), sessione_(sessione), piattaforma_(piattaforma) {}

void ComandiGioco::creaVoci(QMenu* opzioni) {
    menu_ = opzioni->addMenu("&Gioca come");
    menu_->setObjectName("MenuGiocaCome");
    gruppo_ = new QActionGroup(this);
    gruppo_->setExclusive(true);
    for (const VoceGioco& g : giochi) {
        QAction* a = menu_->addAction(g.testo);
        a->setObjectName(g.nome);
        a->setCheckable(true);
        a->setData(static_cast<int>(g.variante));
        gruppo_->addAction(a);
        const Variante v = g.variante;
        connect(a, &QAction::triggered, this, [this, v] { gioca(v); });
    }
    connect(&sessione_, &Sessione::schemaCambiato, this, &ComandiGioco::segui);
    connect(&sessione_, &Sessione::modoCambiato, this, &ComandiGioco::segui);
    segui();
}

QAction* ComandiGioco::voce(Variante variante) const {
    if (!gruppo_) return nullptr;
    for (QAction* a : gruppo_->actions())
        if (a->data().toInt() == static_cast<int>(variante)) return a;
    return nullptr;
}

void ComandiGioco::segui() {
    if (!menu_) return;
    menu_->setEnabled(sessione_.aperto());
    const Variante attuale = sessione_.cruciverba().variante;
    // A diagramless is played as a senza schema is: the nearest of the four.
    const Variante mostrata = attuale == Variante::diagramless ? Variante::senzaSchema : attuale;
    for (QAction* a : gruppo_->actions()) a->setChecked(sessione_.aperto() && a->data().toInt() == static_cast<int>(mostrata));
}

void ComandiGioco::gioca(Variante variante) {
    if (!sessione_.aperto()) return;
    emit primaDiAgire();
    if (const std::string errore = sessione_.giocaCome(variante); !errore.empty())
        piattaforma_.messaggio(errore, {}, Icona::attenzione);
    // Refused, the item of the game still played is checked again.
    segui();
}

}  // namespace quadrivo
