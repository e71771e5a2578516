#include "mainwindow/gui/disposizione_finestra.h"

#include <QDockWidget>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QProxyStyle>
#include <QResizeEvent>
#include <QToolBar>

#include "mainwindow/gui/aspetto_schermo.h"
#include "mainwindow/gui/barra_strumenti.h"
#include "mainwindow/gui/barre_scorrimento.h"
#include "mainwindow/gui/colonna_definizioni.h"
#include "mainwindow/gui/comandi_stampa.h"
#include "mainwindow/gui/griglia_accessibile.h"
#include "mainwindow/gui/intestazione_schema.h"
#include "mainwindow/gui/sfondo.h"
#include "mainwindow/gui/tastiera_griglia.h"
#include "mainwindow/gui/vista_griglia.h"
#include "mainwindow/gui/vista_passaggio.h"
#include "model/numeri.h"
#include "qt/area_disegno.h"
#include "sessione/sessione.h"

namespace quadrivo {

namespace {

// The main window's layout moves what it places through an animation of zero length when the
// style animates: a few hundred allocations and signals at every resize, for nothing seen.
class StileSenzaAnimazioni : public QProxyStyle {
public:
    int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w, QStyleHintReturn* r) const override {
        return h == SH_Widget_Animation_Duration ? 0 : QProxyStyle::styleHint(h, o, w, r);
    }
};

// No margins around the title line and no gap beside the dock: the grid's side of the window
// keeps every pixel it had.
class StileAccostato : public StileSenzaAnimazioni {
public:
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override {
        switch (m) {
        case PM_DockWidgetSeparatorExtent:
        case PM_ToolBarFrameWidth:
        case PM_ToolBarItemMargin:
        case PM_ToolBarItemSpacing: return 0;
        default: return StileSenzaAnimazioni::pixelMetric(m, o, w);
        }
    }
};

// Flat, in the window's colour, as the button bar above it.
class BarraPiatta : public QToolBar {
public:
    using QToolBar::QToolBar;

protected:
    void paintEvent(QPaintEvent*) override {}
};

}  // namespace

DisposizioneFinestra::DisposizioneFinestra(Sessione& sessione, const PartiArea& parti, QMainWindow* finestra)
    : QObject(finestra),
      sessione_(sessione),
      p_(parti),
      finestra_(finestra),
      barraIntestazione_(new BarraPiatta(finestra)),
      dock_(new QDockWidget(finestra)) {
    auto* stile = new StileAccostato;
    stile->setParent(finestra);
    finestra_->setStyle(stile);
    // The layout asks each widget it places, not the window.
    auto* fermo = new StileSenzaAnimazioni;
    fermo->setParent(finestra);
    for (QWidget* w : std::initializer_list<QWidget*>{dock_, p_.area, p_.barra}) w->setStyle(fermo);
    barraIntestazione_->setObjectName("barraIntestazione");
    barraIntestazione_->setStyle(stile);
    barraIntestazione_->setMovable(false);
    barraIntestazione_->setFloatable(false);
    barraIntestazione_->addWidget(p_.intestazione->riga());
    barraIntestazione_->hide();
    finestra_->addToolBarBreak(Qt::TopToolBarArea);
    finestra_->addToolBar(Qt::TopToolBarArea, barraIntestazione_);
    // The clue column: no title bar, and not something the player closes or floats.
    dock_->setObjectName("dockDefinizioni");
    auto* senzaTitolo = new QWidget(dock_);
    senzaTitolo->setFixedHeight(0);
    dock_->setTitleBarWidget(senzaTitolo);
    dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock_->setWidget(p_.colonna->pannelli());
    dock_->hide();
    finestra_->addDockWidget(Qt::RightDockWidgetArea, dock_);
    p_.colonna->adattaLarghezza(finestra_->width());
    finestra_->installEventFilter(this);
    p_.area->installEventFilter(this);
    connect(&sessione_, &Sessione::schemaCambiato, this, [this] {
        p_.sfondo->hide();
        p_.scorrimento->ricomincia();
        p_.area->setFocus(Qt::OtherFocusReason);
        aggiorna();
        // The keyboard is on the first word: its cell and clue are said.
        annunciaCellaCorrente(p_.area, true);
    });
    connect(&sessione_, &Sessione::celleCambiate, this, [this] {
        disegnaGriglia();
        annunciaCellaCorrente(p_.area);
    });
    connect(&sessione_, &Sessione::segniCambiati, this, &DisposizioneFinestra::disegnaGriglia);
    // Proportions, frame and font: the grid is laid out and drawn again with them.
    connect(&sessione_.impostazioni(), &Impostazioni::cambiate, this, &DisposizioneFinestra::disegnaGriglia);
    connect(&sessione_, &Sessione::posizioneCambiata, this, [this] {
        p_.passaggio->nascondiRettangolo();  // the hover's word outline would blur which word is current
        disegnaGriglia();
        annunciaCellaCorrente(p_.area);
    });
    connect(&sessione_, &Sessione::modoCambiato, this, [this] {
        disponiBarre();  // the page takes the whole area: the clue column goes
        disegnaGriglia();
    });
    connect(p_.colonna, &ColonnaDefinizioni::disposizioneCambiata, this, [this] {
        if (sessione_.modo() == ModoVista::griglia)
            disegnaGriglia();
        else
            disponiBarre();
    });
    connect(p_.aspetto, &AspettoSchermo::cambiato, this, [this] {
        p_.vista->impostaSfondo(p_.area->sfondo());
        if (sessione_.aperto()) disegnaGriglia();
    });
    connect(p_.scorrimento, &BarreScorrimento::scorso, this, [this] {
        // The hover label and the word outline belong to cells that have moved.
        p_.passaggio->nascondiEtichetta();
        p_.passaggio->nascondiRettangolo();
        disegnaGriglia();
    });
}

void DisposizioneFinestra::aggiorna() {
    const bool schema = sessione_.aperto();
    if (!schema) p_.area->superficie().pulisci();
    p_.barra->abilitaPerSchema(schema);
    if (schema && sessione_.modo() == ModoVista::griglia) disegnaGriglia();
}

void DisposizioneFinestra::disponiBarre() {
    // The frame keeps the bars off the area: everything on it starts at its top.
    p_.vista->setGeometry(p_.area->rect());
    p_.stampa->disponi(0, 0, p_.barra->finePulsanti());
    disponiParti();
}

void DisposizioneFinestra::disponiAllaDimensione() {
    p_.colonna->adattaLarghezza(finestra_->width());
    finestra_->layout()->activate();
}

void DisposizioneFinestra::disponiParti() {
    const bool riga = p_.intestazione->aggiorna(), colonna = p_.colonna->visibile();
    if (barraIntestazione_->isVisibleTo(finestra_) != riga || dock_->isVisibleTo(finestra_) != colonna) {
        barraIntestazione_->setVisible(riga);
        dock_->setVisible(colonna);
        // The area takes its new size now, before the grid is laid out in it.
        finestra_->layout()->invalidate();
        finestra_->layout()->activate();
    }
    p_.colonna->disponi();
}

AreaFinestra DisposizioneFinestra::areaFinestra() const {
    AreaFinestra a;
    a.larghezza = p_.area->width();
    a.altezza = p_.area->height();
    return a;
}

AreaFinestra DisposizioneFinestra::areaGriglia() const {
    AreaFinestra a = areaFinestra();
    return p_.scorrimento->riduci(p_.colonna->areaGriglia(a));
}

void DisposizioneFinestra::disegnaGriglia() {
    disponiParti();
    dimensioneDisegnata_ = p_.area->size();
    // The print preview owns the area while it is shown.
    if (sessione_.modo() != ModoVista::griglia) {
        p_.vista->togliGriglia();
        p_.scorrimento->nascondi();
        return;
    }
    try {
        // A scroll bar that comes or goes changes the room: the grid is laid out once more.
        for (int giro = 0; giro < 2; ++giro) {
            const AreaFinestra a = areaGriglia();
            DecorazioniGriglia d = p_.tastiera->decorazioni();
            p_.scorrimento->decora(d, a);
            const ScorrimentoGriglia s = p_.vista->disponi(a, d);
            if (!p_.scorrimento->aggiorna(s, a)) break;
        }
        emit grigliaDisegnata();
        p_.colonna->aggiorna();
    } catch (const ErroreOverflow&) {
        // A window too small for any cell: nothing is drawn until it grows again.
        p_.vista->togliGriglia();
        p_.scorrimento->nascondi();
    }
}

void DisposizioneFinestra::segui() {
    segue_ = true;
    dimensioneDisegnata_ = p_.area->size();
}

// A window manager may give the window its final size after the first activation drew the
// grid: the grid and the picture follow the area, unless a preview is on screen.
void DisposizioneFinestra::adattaAllaDimensione() {
    if (p_.area->size() == dimensioneDisegnata_) return;
    if (sessione_.aperto() && sessione_.modo() == ModoVista::anteprima) {
        dimensioneDisegnata_ = p_.area->size();  // the preview scales its sheets by itself
        return;
    }
    if (!sessione_.aperto()) {
        p_.sfondo->seguiArea();
        dimensioneDisegnata_ = p_.area->size();
        return;
    }
    disegnaGriglia();
}

bool DisposizioneFinestra::eventFilter(QObject* oggetto, QEvent* evento) {
    // The column's width follows the window's. The window's layout has placed the dock at its old
    // width by now (it sees the resize before any filter): laid out again here, before the paint,
    // else the news reaches it an event later and the area is resized and painted twice.
    if (oggetto == finestra_ && evento->type() == QEvent::Resize &&
        p_.colonna->adattaLarghezza(static_cast<QResizeEvent*>(evento)->size().width()) && dock_->isVisibleTo(finestra_)) {
        if (QLayout* l = dock_->layout()) l->invalidate();
        dock_->updateGeometry();
        finestra_->layout()->invalidate();
        finestra_->layout()->activate();
    }
    if (oggetto == p_.area && evento->type() == QEvent::Resize) {
        // The window's resize is still under way and the column about to take its width: the
        // area gets its final size then.
        if (dock_->isVisibleTo(finestra_) && !p_.colonna->haLarghezza(finestra_->width())) return false;
        p_.passaggio->nascondiEtichetta();  // the hover label belongs to a cell that has moved
        disponiBarre();
        // Laid out now, inside the resize: a grid laid out later would be painted twice, at the
        // old cells' size in the new area and again.
        if (segue_) adattaAllaDimensione();
    }
    return false;
}

}  // namespace quadrivo
