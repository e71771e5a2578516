#include "mainwindow/gui/comandi_opzioni.h"

#include <QAction>
#include <QMenu>

#include "dialogs/gui/finestra_carattere.h"
#include "mainwindow/gui/dati_giocatore.h"
#include "model/opzioni_utente.h"
#include "qt/area_disegno.h"
#include "qt/piattaforma_qt.h"
#include "sessione/sessione.h"

namespace quadrivo {

namespace {
constexpr const char* chiavePausaFuori = "cronometro/pausaFuoriDallaFinestra";
}

ComandiOpzioni::ComandiOpzioni(Stato& stato, Sessione& sessione, PiattaformaQt& piattaforma, DatiGiocatore& dati,
                               AreaDisegno* area)
    : QObject(area), stato_(stato), piattaforma_(piattaforma), dati_(dati), area_(area) {
    connect(&sessione, &Sessione::celleCambiate, this, [this] {
        if (dati_.inAttesa()) dati_.salva();
    });
}

void ComandiOpzioni::collega(const std::function<QAction*(const char*)>& azione) {
    tastoSinistro_ = azione("azioneTastoSinistro");
    rettangolo_ = azione("azioneRettangoloParola");
    connect(tastoSinistro_, &QAction::triggered, this, [this] {
        stato_.tastoSinistro = tastoSinistro_->isChecked();
        dati_.impostazioniCambiate();
    });
    connect(rettangolo_, &QAction::triggered, this, [this] {
        stato_.rettangoloParola = rettangolo_->isChecked();
        emit rettangoloCambiato();
        dati_.impostazioniCambiate();
    });
    connect(azione("azioneFont"), &QAction::triggered, this, &ComandiOpzioni::scegliFont);
}

void ComandiOpzioni::creaVoce(QMenu* opzioni) {
    pausaFuori_ = opzioni->addAction("Ferma il &cronometro quando la finestra non è attiva");
    pausaFuori_->setObjectName("azionePausaFuori");
    pausaFuori_->setCheckable(true);
    pausaFuori_->setChecked(valoreUtente(chiavePausaFuori, true).toBool());
    connect(pausaFuori_, &QAction::toggled, this, [this](bool attiva) {
        dati_.salvaOpzione(chiavePausaFuori, attiva);
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
    salvaValoreUtente(chiaveCarattere, QString::fromStdString(stato_.nomeFont));
    salvaValoreUtente(chiaveCorsivo, stato_.carattereSchermo.corsivo);
    salvaValoreUtente(chiaveGrassetto, stato_.carattereSchermo.grassetto);
    dati_.salva();
    // The grid drawing sets name and size itself and keeps the window font's style.
    area_->superficie().impostaCorsivo(stato_.carattereSchermo.corsivo);
    area_->superficie().impostaGrassetto(stato_.carattereSchermo.grassetto);
    emit carattereCambiato();
}

}  // namespace quadrivo
