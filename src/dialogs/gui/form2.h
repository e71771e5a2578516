#pragma once
// Form2, the open dialog: volumes, folders and puzzle files, the chosen name and a drawn
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
#include "model/stato.h"
#include "qt/area_disegno.h"

namespace quadrivo {

class Form2 : public DialogoFile {
    Q_OBJECT
public:
    // `principale` is enabled again when the dialog closes, either way.
    // `apri` opens the chosen puzzle; the dialog closes once it has.
    Form2(Stato& stato, const Documento& documento, Piattaforma& piattaforma, ApriSchema apri, QWidget* principale = nullptr);

    AreaDisegno* Picture1;
    QLabel* Label2;
    QLabel* Label4;
    QStatusBar* StatusBar1;
    QLabel* pannelloAutore;  // panel 1 of the status bar
    QPushButton* Command3d1;
    QPushButton* Command3d2;

    // The preview of the file list's selection; public so a caller can run it again.
    void File1_Click(const QString& nome);
    void Command3d1_Click();
    void Command3d2_Click();
    // First file selected, default pointer: run once the dialog is on screen.
    void Form_Activate();

signals:
    // The dialog has closed; `aperto` is true when a puzzle went into the working copy.
    void chiuso(bool aperto);

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void reject() override { Command3d2_Click(); }

private:
    void Form_Load();
    void chiudi(bool aperto);

    const Documento& documento_;  // the open puzzle, whose file the list starts from
    ApriSchema apri_;
    std::string scelto_;  // the bytes of the name last taken from the list
    bool attivato_ = false;
    bool chiuso_ = false;
};

}  // namespace quadrivo
