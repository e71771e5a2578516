#pragma once
// Modifica → Annulla and Ripeti: enabled as the session's history allows, Ctrl+Shift+Z beside
// Ctrl+Y, and each step says which letters it changed.
#include <QObject>
#include <functional>

class QAction;
class QWidget;

namespace quadrivo {

class Sessione;

class ComandiModifica : public QObject {
    Q_OBJECT
public:
    // The changes are said on `area`.
    ComandiModifica(Sessione& sessione, QWidget* area, QObject* genitore);

    // Annulla and Ripeti, found by name (azioneAnnulla, azioneRipeti).
    void collega(const std::function<QAction*(const char*)>& azione);
    // One step back or forward; nothing while the grid shows no letters (paused, previewed).
    void passo(bool indietro);

signals:
    // Before a step: the window hides its hover label.
    void primaDiAgire();

private:
    Sessione& sessione_;
    QWidget* area_;
};

}  // namespace quadrivo
