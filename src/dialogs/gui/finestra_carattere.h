#pragma once
// finestraCarattere, the font chooser: every installed family, a sample line, italic and bold. Loaded
// at its first showing and afterwards only hidden, so its ticks last for the whole run.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <functional>

#include "dialogs/scelta_carattere.h"
#include "model/piattaforma.h"
#include "model/impostazioni.h"

namespace quadrivo {

class FinestraCarattere : public QDialog {
    Q_OBJECT
public:
    using Famiglie = std::function<QStringList()>;
    // `famiglie` lists the installed families, `disponibile` tells whether a family can be
    // used; both default to the system's font database. OK hands the choice to `impostazioni`.
    FinestraCarattere(Impostazioni& impostazioni, Piattaforma& piattaforma, Famiglie famiglie = {}, StileInValori::Verifica disponibile = {},
           QWidget* genitore = nullptr);

    QListWidget* elencoFamiglie;
    QLabel* rigaConteggio;
    QLineEdit* rigaCampione;
    QCheckBox* casellaCorsivo;
    QCheckBox* casellaGrassetto;
    QPushButton* pulsanteOk;
    QPushButton* pulsanteAnnulla;

    // Selects the entry equal to nomeFont, if there is one: on every showing and uncovering.
    void selezionaCorrente();
    void conferma();
    void annulla();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void reject() override { annulla(); }

private:
    void carica();
    void aggiornaCampione();
    const QListWidgetItem* sceltaFatta() const;  // the selected family, none when nothing is

    Impostazioni& impostazioni_;
    Piattaforma& piattaforma_;
    Famiglie famiglie_;
    StileInValori::Verifica disponibile_;
    bool caricato_ = false;
};

}  // namespace quadrivo
