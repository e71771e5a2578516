#include "mainwindow/gui/dati_giocatore.h"

namespace quadrivo {

DatiGiocatore::DatiGiocatore(Stato& stato, QObject* genitore) : QObject(genitore), impostazioni_(stato) {
    impostazioni_.seguiCambi([this] { emit cambiate(); });
    impostazioni_.seguiAvvisi([this](const std::string& testo) { emit avviso(QString::fromStdString(testo)); });
}

}  // namespace quadrivo
