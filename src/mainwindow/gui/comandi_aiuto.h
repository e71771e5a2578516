#pragma once
// The ? menu: Aiuto and Tasti in one help window, the author's site and mail, and the about box
// with what the program runs on. The toolbar's badge and a double click on the status bar ask
// for the site and the about box too.
#include <QObject>
#include <QPointer>
#include <functional>
#include <string>


class QAction;
class QWidget;

namespace quadrivo {

class FinestraGuida;
class Piattaforma;
class Sessione;

class ComandiAiuto : public QObject {
    Q_OBJECT
public:
    // The help window and the about box belong to `finestra`.
    ComandiAiuto(Sessione& sessione, Piattaforma& piattaforma, QWidget* finestra);

    // The ? menu's items, found by name.
    void collega(const std::function<QAction*(const char*)>& azione);

    // One help window, brought forward when asked again: everything, or the keys alone.
    void mostraGuida(bool soloTasti);
    void visitaSito();
    void mandaMail();
    // The about box, modal.
    void informazioni();
    // The about box's System Info: versions, the folders in use, the dictionary loaded.
    std::string infoSistema() const;

signals:
    // Before a help window or the about box: the window hides its hover label and, for the
    // about box, a print preview.
    void primaDiAgire(bool lasciaAnteprima);
    // The about box is closed.
    void informazioniChiuse();

private:
    Sessione& sessione_;
    Piattaforma& piattaforma_;
    QWidget* finestra_;
    QPointer<FinestraGuida> guida_;
};

}  // namespace quadrivo
