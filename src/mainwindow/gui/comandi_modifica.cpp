#include "mainwindow/gui/comandi_modifica.h"

#include <QAction>
#include <QUndoStack>

#include "qt/voce.h"
#include "sessione/sessione.h"
#include "solving/lettura.h"

namespace quadrivo {

ComandiModifica::ComandiModifica(Sessione& sessione, QWidget* area, QObject* genitore)
    : QObject(genitore), sessione_(sessione), area_(area) {}

void ComandiModifica::collega(const std::function<QAction*(const char*)>& azione) {
    QAction* annulla = azione("azioneAnnulla");
    QAction* ripeti = azione("azioneRipeti");
    ripeti->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    annulla->setEnabled(sessione_.storia().canUndo());
    ripeti->setEnabled(sessione_.storia().canRedo());
    connect(&sessione_.storia(), &QUndoStack::canUndoChanged, annulla, &QAction::setEnabled);
    connect(&sessione_.storia(), &QUndoStack::canRedoChanged, ripeti, &QAction::setEnabled);
    connect(annulla, &QAction::triggered, this, [this] { passo(true); });
    connect(ripeti, &QAction::triggered, this, [this] { passo(false); });
}

void ComandiModifica::passo(bool indietro) {
    // A paused grid or the print preview shows no letters to change.
    if (sessione_.modo() != ModoVista::griglia || sessione_.inPausa()) return;
    emit primaDiAgire();
    const std::vector<std::string> prima = vociSchema(sessione_.cruciverba());
    indietro ? sessione_.storia().undo() : sessione_.storia().redo();
    const std::string cambi = letturaCambi(cambiTra(prima, vociSchema(sessione_.cruciverba())));
    if (!cambi.empty()) annuncia(area_, (indietro ? "Annullato: " : "Ripetuto: ") + cambi);
}

}  // namespace quadrivo
