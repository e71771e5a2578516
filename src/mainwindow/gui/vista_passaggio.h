#pragma once
// Hovering over the grid: the clue label beside the pointer, the word's rectangle, the arrow that
// shows the direction, and the word dialog a press opens. The rules are Solutore's; this is its
// view over the drawing area.
#include <QObject>
#include <functional>

#include "solving/solutore.h"

class QAction;
class QLabel;
class QMenu;

namespace quadrivo {

class AreaDisegno;
class VistaGriglia;
class PiattaformaQt;
class Rettangolo;
class Sessione;

class VistaPassaggio : public QObject, public VistaSolutore {
    Q_OBJECT
public:
    // `griglia` lies over the whole area: its pixels are the area's.
    VistaPassaggio(Sessione& sessione, PiattaformaQt& piattaforma, AreaDisegno* area, const VistaGriglia& griglia);

    Solutore& solutore() { return solutore_; }
    // Azzera Soluzioni, found by name, and the word dialog's item (F2) at the end of `utilita`.
    void creaVoci(const std::function<QAction*(const char*)>& azione, QMenu* utilita);
    QLabel* etichetta() const { return etichetta_; }
    bool etichettaVisibile() const;

    double larghezzaSuperficie() override;
    GeometriaSchema griglia() const override;
    ModoVista modo() override;
    Puntatore puntatore() override;
    void mostraPuntatore(Puntatore p) override;
    double larghezzaEtichetta(const std::string& didascalia) override;
    void mostraEtichetta(const std::string& didascalia, double x, double y) override;
    void nascondiEtichetta() override;
    void mostraRettangolo(const RettangoloParola& r) override;
    void nascondiRettangolo() override;
    std::optional<SceltaParola> apriDialogo(const VoceDialogo& voce) override;
    void ridisegnaToolbar() override { emit toolbarDaRidisegnare(); }
    void chiudiAnteprima() override { emit anteprimaDaChiudere(); }
    void dialogoChiuso(const Posizione& parola, const std::optional<SceltaParola>& scelta) override;
    void azzera() override;

signals:
    void toolbarDaRidisegnare();
    void anteprimaDaChiudere();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void impostaTesto(const std::string& testo);

    Sessione& sessione_;
    PiattaformaQt& piattaforma_;
    AreaDisegno* area_;
    const VistaGriglia& griglia_;
    QLabel* etichetta_;      // hover label
    Rettangolo* rettangolo_;  // word rectangle
    Solutore solutore_;
};

}  // namespace quadrivo
