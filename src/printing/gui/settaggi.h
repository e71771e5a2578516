#pragma once
// "Settaggio parametri cruciverba": the six drawing proportions, each on a scroll bar, with a
// sample that follows every change. Salva hands them to the settings, which write them.
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <array>

#include "model/impostazioni.h"
#include "printing/campione.h"

namespace quadrivo {

class DisegnoSettaggi;

class Settaggi : public QDialog {
    Q_OBJECT
public:
    explicit Settaggi(Impostazioni& impostazioni, QWidget* genitore = nullptr);

    QGroupBox* parametri;
    QLabel* spiegazione;
    QScrollBar *barraRiquadro, *barraNumeri, *barraCaratteri, *barraSpigolo, *barraCentro, *barraBordo;
    QLabel *valoreRiquadro, *valoreNumeri, *valoreCaratteri, *valoreSpigolo, *valoreCentro, *valoreBordo;  // the bars' values
    QPushButton *pulsanteSalva, *pulsanteAnnulla;

    ValoriCampione valori() const;
    const CampioneDisposto& campione() const { return campione_; }
    double twipPerPixel() const { return tpp_; }

private slots:
    void salva();
    void annulla();
    void aggiornaCampione();

private:
    friend class DisegnoSettaggi;
    int px(double twip) const;

    Impostazioni& impostazioni_;
    double tpp_;
    CampioneDisposto campione_;
    DisegnoSettaggi* disegno_;
    std::array<QScrollBar*, 6> barre_{};
    std::array<QLabel*, 6> valoriBarre_{};
};

}  // namespace quadrivo
