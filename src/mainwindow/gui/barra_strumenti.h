#pragma once
// The toolbar over the drawing area: its buttons by position (1..12, none at the separator and
// the gap), and the author's web-site badge at its right end.
#include <QToolBar>
#include <array>

class QLabel;

namespace quadrivo {

class BarraStrumenti : public QToolBar {
    Q_OBJECT
public:
    explicit BarraStrumenti(QWidget* area);

    // The button at a position; nullptr at the separator, the gap or past the end.
    QAction* pulsante(int posizione) const;
    // Where a control placed after the last button may start.
    int finePulsanti() const;
    // Buttons that need an open puzzle follow whether one is.
    void abilitaPerSchema(bool schema);

signals:
    // A button by its key ("Apri", "Salva", ...).
    void premuto(const QString& chiave);
    void sitoChiesto();
    // The pointer came onto the bar or pressed on it.
    void puntatoreSopra();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void enterEvent(QEnterEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    std::array<QAction*, 13> pulsanti_{};
    QLabel* sitoAutore_ = nullptr;
};

}  // namespace quadrivo
