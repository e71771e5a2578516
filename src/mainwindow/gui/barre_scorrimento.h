#pragma once
// The scroll bars of a grid larger than the window (zoomed, or too big for readable cells):
// they lie over the drawing area at the grid's right and bottom edges, the wheel moves them,
// and the current cell is brought into view whenever it, the zoom or the window changes.
#include <QObject>
#include <optional>
#include <utility>

#include "model/griglia.h"

class QScrollBar;
class QWidget;

namespace quadrivo {

class BarreScorrimento : public QObject {
    Q_OBJECT
public:
    explicit BarreScorrimento(QWidget* area);

    // The room the grid has once the bars shown take theirs.
    AreaFinestra riduci(AreaFinestra area) const;
    // Adds to `d` where the grid stands and whether the current cell must come into view.
    void decora(DecorazioniGriglia& d, const AreaFinestra& area);
    // After the pass: the bars follow what it found. True when a bar appeared or went, so the
    // room changed and the grid must be laid out again.
    bool aggiorna(const ScorrimentoGriglia& s, const AreaFinestra& area);
    // No grid to scroll (the preview, a window too small): the bars go.
    void nascondi();
    // Another puzzle starts at its top-left corner.
    void ricomincia();

    QScrollBar* orizzontale() const { return orizzontale_; }
    QScrollBar* verticale() const { return verticale_; }

signals:
    // The player moved a bar or the wheel: the grid must be drawn again.
    void scorso();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    QWidget* area_;
    QScrollBar* orizzontale_;
    QScrollBar* verticale_;
    // What the current cell was last brought into view for: a change of any of these does it again.
    struct Vista {
        std::optional<Casella> fuoco;
        double zoom = 0;
        double larghezza = 0, altezza = 0;
        friend bool operator==(const Vista&, const Vista&) = default;
    };
    Vista vista_;
    bool aggiornando_ = false;
};

}  // namespace quadrivo
