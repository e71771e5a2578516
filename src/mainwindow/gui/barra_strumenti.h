#pragma once
// The main window's toolbar: its buttons by position (1..12, none at the separator and
// the gap), and the author's web-site badge at its right end. Each button runs a menu's own
// action, so a button and its item are enabled, checked and triggered as one.
#include <QToolBar>
#include <array>
#include <functional>

class QLabel;
class QToolButton;

namespace quadrivo {

class BarraStrumenti : public QToolBar {
    Q_OBJECT
public:
    // `azione` gives the menu's action of a button by its name (PulsanteToolbar::azione).
    BarraStrumenti(QWidget* finestra, const std::function<QAction*(const char*)>& azione);

    // The button at a position; nullptr at the separator, the gap or past the end.
    QToolButton* pulsante(int posizione) const;
    // Where a control placed after the last button may start.
    int finePulsanti() const;
    // Buttons that need an open puzzle follow whether one is.
    void abilitaPerSchema(bool schema);

signals:
    void sitoChiesto();
    // The pointer came onto the bar or pressed on it.
    void puntatoreSopra();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void enterEvent(QEnterEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    // Flat, in the window's colour: no panel or bottom line of the style's main-window toolbars.
    void paintEvent(QPaintEvent*) override {}

private:
    std::array<QToolButton*, 13> pulsanti_{};
    QLabel* sitoAutore_ = nullptr;
};

}  // namespace quadrivo
