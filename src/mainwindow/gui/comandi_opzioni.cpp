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

ComandiOpzioni::ComandiOpzioni(Stato& stato, Sessione& sessione, PiattaformaQt& piattaforma, Impostazioni& impostazioni,
                               AreaDisegno* area)
    : QObject(area), stato_(stato), piattaforma_(piattaforma), impostazioni_(impostazioni), area_(area) {
    connect(&sessione, &Sessione::celleCambiate, this, [this] {
        if (impostazioni_.inAttesa()) impostazioni_.salva();
    });
}

void ComandiOpzioni::collega(const std::function<QAction*(const char*)>& azione) {
    tastoSinistro_ = azione("azioneTastoSinistro");
    rettangolo_ = azione("azioneRettangoloParola");
    connect(tastoSinistro_, &QAction::triggered, this, [this] {
        stato_.tastoSinistro = tastoSinistro_->isChecked();
        impostazioni_.valoriCambiati();
    });
    connect(rettangolo_, &QAction::triggered, this, [this] {
        stato_.rettangoloParola = rettangolo_->isChecked();
        emit rettangoloCambiato();
        impostazioni_.valoriCambiati();
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
    if (tastoSinistro_) tastoSinistro_->setChecked(stato_.tastoSinistro);
    if (rettangolo_) rettangolo_->setChecked(stato_.rettangoloParola);
    Superficie& s = area_->superficie();
    s.impostaCarattere(Carattere{stato_.nomeFont, s.carattere().dimensione, stato_.carattereSchermo.grassetto,
                                 stato_.carattereSchermo.corsivo});
}

bool ComandiOpzioni::pausaFuori() const { return pausaFuori_ && pausaFuori_->isChecked(); }

void ComandiOpzioni::scegliFont() {
    emit primaDiAgire();
    if (!sceltaCarattere_) sceltaCarattere_ = new FinestraCarattere(stato_, piattaforma_, {}, {}, area_->window());
    sceltaCarattere_->exec();
    impostazioni_.preparaOpzione(chiaveCarattere, QString::fromStdString(stato_.nomeFont));
    impostazioni_.preparaOpzione(chiaveCorsivo, stato_.carattereSchermo.corsivo);
    impostazioni_.preparaOpzione(chiaveGrassetto, stato_.carattereSchermo.grassetto);
    impostazioni_.salva();
    // The grid drawing sets name and size itself and keeps the window font's style.
    area_->superficie().impostaCorsivo(stato_.carattereSchermo.corsivo);
    area_->superficie().impostaGrassetto(stato_.carattereSchermo.grassetto);
    emit carattereCambiato();
}

}  // namespace quadrivo
