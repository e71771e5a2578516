#pragma once
// A typing box laid over one cell of the grid: it reports its own key presses, focus and pointer
// moves with its index, so the window needs no search through the boxes.
#include <QLineEdit>

class QKeyEvent;

namespace quadrivo {

class CasellaDigitazione : public QLineEdit {
    Q_OBJECT
public:
    CasellaDigitazione(int indice, QWidget* genitore);
    int indice() const { return indice_; }

signals:
    // A key before the box handles it; a receiver that accepts the event keeps it from the box.
    void tasto(int indice, QKeyEvent* evento);
    void fuocoRicevuto(int indice);
    void puntatoreSopra(int indice);
    void testoCambiato(int indice);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    int indice_;
};

}  // namespace quadrivo
