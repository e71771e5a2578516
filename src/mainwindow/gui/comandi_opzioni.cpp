#include "mainwindow/gui/comandi_opzioni.h"

#include <QAction>
#include <QMenu>

#include "dialogs/gui/finestra_carattere.h"
#include "model/impostazioni.h"
#include "model/opzioni_utente.h"
#include "qt/area_disegno.h"
#include "qt/piattaforma_qt.h"
#include "sessione/sessione.h"

namespace quadrivo {

namespace {
constexpr const char* chiavePausaFuori = "cronometro/pausaFuoriDallaFinestra";
}

ComandiOpzioni::ComandiOpzioni(Sessione& sessione, PiattaformaQt& piattaforma, Impostazioni& impostazioni, AreaDisegno* area)
    : QObject(area), piattaforma_(piattaforma), impostazioni_(impostazioni), area_(area) {
    connect(&sessione, &Sessione::celleCambiate, this, [this] {
        if (impostazioni_.inAttesa()) impostazioni_.salva();
    });
    // The grid drawing sets name and size itself and keeps the window font's style: the style
    // is in place before the grid is drawn again.
    connect(&impostazioni_, &Impostazioni::cambiate, this, [this] {
        area_->superficie().impostaCorsivo(impostazioni_.valori().carattereSchermo.corsivo);
        area_->superficie().impostaGrassetto(impostazioni_.valori().carattereSchermo.grassetto);
    });
}

void ComandiOpzioni::collega(const std::function<QAction*(const char*)>& azione) {
    tastoSinistro_ = azione("azioneTastoSinistro");
    rettangolo_ = azione("azioneRettangoloParola");
    connect(tastoSinistro_, &QAction::triggered, this, [this] {
        ValoriImpostazioni v = impostazioni_.valori();
        v.tastoSinistro = tastoSinistro_->isChecked();
        impostazioni_.cambia(v);
    });
    connect(rettangolo_, &QAction::triggered, this, [this] {
        ValoriImpostazioni v = impostazioni_.valori();
        v.rettangoloParola = rettangolo_->isChecked();
        emit rettangoloCambiato();
        impostazioni_.cambia(v);
    });
    connect(azione("azioneFont"), &QAction::triggered, this, &ComandiOpzioni::scegliFont);
}

void ComandiOpzioni::creaVoce(QMenu* opzioni) {
    pausaFuori_ = opzioni->addAction("Ferma il &cronometro quando la finestra non è attiva");
    pausaFuori_->setObjectName("azionePausaFuori");
    pausaFuori_->setCheckable(true);
    pausaFuori_->setChecked(impostazioni_.opzione(chiavePausaFuori, true).toBool());
    connect(pausaFuori_, &QAction::toggled, this, [this](bool attiva) {
        impostazioni_.salvaOpzione(chiavePausaFuori, attiva);
        emit pausaFuoriCambiata();
    });
}

void ComandiOpzioni::segna() {
    const ValoriImpostazioni& v = impostazioni_.valori();
    if (tastoSinistro_) tastoSinistro_->setChecked(v.tastoSinistro);
    if (rettangolo_) rettangolo_->setChecked(v.rettangoloParola);
    Superficie& s = area_->superficie();
    s.impostaCarattere(Carattere{v.nomeFont, s.carattere().dimensione, v.carattereSchermo.grassetto,
                                 v.carattereSchermo.corsivo});
}

bool ComandiOpzioni::pausaFuori() const { return pausaFuori_ && pausaFuori_->isChecked(); }

void ComandiOpzioni::scegliFont() {
    emit primaDiAgire();
    if (!sceltaCarattere_) sceltaCarattere_ = new FinestraCarattere(impostazioni_, piattaforma_, {}, {}, area_->window());
    sceltaCarattere_->exec();
    const ValoriImpostazioni& v = impostazioni_.valori();
    impostazioni_.preparaOpzione(chiaveCarattere, QString::fromStdString(v.nomeFont));
    impostazioni_.preparaOpzione(chiaveCorsivo, v.carattereSchermo.corsivo);
    impostazioni_.preparaOpzione(chiaveGrassetto, v.carattereSchermo.grassetto);
    impostazioni_.salva();
}

}  // namespace quadrivo
