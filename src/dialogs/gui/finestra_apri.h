#pragma once
// FinestraApri, the open dialog: volumes, folders and puzzle files, the chosen name and a drawn
// preview of the selected puzzle. Shown without blocking while the main window is disabled.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <string>

#include "dialogs/apertura_schema.h"
#include "dialogs/gui/scelta_cartella.h"
#include "model/piattaforma.h"
#include "model/documento.h"
#include "model/cartelle.h"
#include "qt/area_disegno.h"

namespace quadrivo {

class FinestraApri : public DialogoFile {
    Q_OBJECT
public:
    // `principale` is enabled again when the dialog closes, either way.
    // `apri` opens the chosen puzzle; the dialog closes once it has.
    FinestraApri(const Cartelle& percorsi, Impostazioni& impostazioni, const Documento& documento, Piattaforma& piattaforma, ApriSchema apri, QWidget* principale = nullptr);

    AreaDisegno* disegnoAnteprima;
    QLabel* didascaliaAnteprima;
    QLabel* etichettaElenco;
    QStatusBar* barraStato;
    QLabel* pannelloAutore;  // panel 1 of the status bar
    QPushButton* pulsanteOk;
    QPushButton* pulsanteAnnulla;

    // The preview of the file list's selection; public so a caller can run it again.
    void mostraAnteprima(const QString& nome);
    void conferma();
    void annulla();
    // First file selected, default pointer: run once the dialog is on screen.
    void primaAttivazione();

signals:
    // The dialog has closed; `aperto` is true when a puzzle went into the working copy.
    void chiuso(bool aperto);

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void reject() override { annulla(); }

private:
    void carica();
    void chiudi(bool aperto);

    const Documento& documento_;  // the open puzzle, whose file the list starts from
    ApriSchema apri_;
    std::string scelto_;  // the bytes of the name last taken from the list
    bool attivato_ = false;
    bool chiuso_ = false;
};

}  // namespace quadrivo
