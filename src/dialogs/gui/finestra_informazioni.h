#pragma once
// FinestraInformazioni, the about box: version, the author's mail and web site, and System Info: the versions,
// folders and dictionaries in use.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <string>

#include "model/piattaforma.h"

namespace quadrivo {

class FinestraInformazioni : public QDialog {
    Q_OBJECT
public:
    // `infoSistema`: what System Info shows, asked for when the button is pressed.
    FinestraInformazioni(Piattaforma& piattaforma, std::function<std::string()> infoSistema, QWidget* genitore = nullptr);

    QLabel* rigaVersione;    // version line
    QLabel* rigaSoftware;    // "Software italiano"
    QLabel* rigaSistema;    // the system it runs on
    QLabel* indirizzoPosta;    // the author's mail address
    QLabel* indirizzoSito;  // the web site
    QPushButton* pulsanteInfoSistema;
    QPushButton* pulsanteOk;

    void primaAttivazione();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    Piattaforma& piattaforma_;
    std::function<std::string()> infoSistema_;
};

}  // namespace quadrivo
