#pragma once
// FinestraSalva, the save dialog: folder and name of the file to write, and the author name the
// puzzle carries in its first line. Modal.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <functional>
#include <string>
#include <QPushButton>

#include "sessione/salvataggio.h"
#include "dialogs/gui/scelta_cartella.h"
#include "model/piattaforma.h"
#include "model/documento.h"
#include "model/cartelle.h"

namespace quadrivo {

class FinestraSalva : public DialogoFile {
    Q_OBJECT
public:
    // `principale` is enabled again when the dialog closes.
    // `salva` writes the puzzle to the chosen folder and name with the author typed.
    using Salva = std::function<EsitoSalvataggio(const std::string& cartella, const std::string& nome,
                                                 const std::string& autore)>;
    FinestraSalva(const Cartelle& cartelle, Impostazioni& impostazioni, const Documento& documento, Piattaforma& piattaforma, Salva salva, QWidget* principale = nullptr);

    QLineEdit* campoAutore;
    QPushButton* pulsanteOk;
    QPushButton* pulsanteAnnulla;
    QLabel* etichettaAutore;
    QLabel* etichettaElenco;

    void conferma();
    void annulla();
    // One line above the lists saying why the dialog came up ("" hides it).
    void avvisa(const QString& testo);
    // The outcome of the last OK (only meaningful after one).
    EsitoSalvataggio esito() const { return esito_; }

protected:
    void showEvent(QShowEvent* e) override;
    void reject() override { annulla(); }
    void done(int r) override;

private:
    const Documento& documento_;
    QLabel* avviso_;
    Salva salva_;
    std::string proposto_;  // the proposed name's own bytes
    EsitoSalvataggio esito_ = EsitoSalvataggio::errore;
    bool attivato_ = false;
};

}  // namespace quadrivo
