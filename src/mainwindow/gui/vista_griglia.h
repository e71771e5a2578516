#pragma once
// The window's grid: a widget that lays the open puzzle out in its own pixels, answers where a
// cell is and which cell lies under a point, and paints from the session only the cells a change
// touched. The grid's painter over a surface is shared with the paper and the previews.
#include <QColor>
#include <QRect>
#include <QWidget>
#include <map>
#include <optional>
#include <vector>

#include "model/griglia.h"

namespace quadrivo {

class Sessione;

class VistaGriglia : public QWidget {
    Q_OBJECT
public:
    explicit VistaGriglia(Sessione& sessione, QWidget* genitore = nullptr);

    // Lays the grid out in `area` (this widget's size, less the bars that lie over it) and asks
    // for the repaint of what differs from the last layout: everything when the cells moved or
    // the look changed, else only the cells whose marks changed. Returns how far it scrolls.
    // `decorazioni`: the marks, the zoom, the focus and the scroll position.
    ScorrimentoGriglia disponi(const AreaFinestra& area, const DecorazioniGriglia& decorazioni);
    // No grid shown (no room for a cell, no puzzle): the background alone.
    void togliGriglia();
    bool conGriglia() const { return geometria_.lato > 0; }
    const Sessione& sessione() const { return sessione_; }
    const GeometriaSchema& geometria() const { return geometria_; }

    // The cell under a point of this widget, by the hover's rule (the offset rounded to the
    // nearest pixel, halves to even); none outside the grid.
    std::optional<Casella> cellaIn(QPointF punto) const;
    // Whether the point lies in the cell's upper-right half, diagonal included: the half that means across.
    bool metaOrizzontale(QPointF punto, Casella cella) const;
    // A cell's square, from its top-left outline, `lato` pixels a side; empty without a grid.
    QRect rettangoloCella(Casella cella) const;

    QColor sfondo() const { return sfondo_; }
    void impostaSfondo(const QColor& colore);

    // The cells' letters changed: their squares are painted again.
    void ridipingiCelle(const std::vector<Casella>& caselle);

    // Paints the frame and the cells that meet `zona` (this widget's pixels) onto `superficie`,
    // which clips to it: what a paint event of that zone shows over the background.
    void dipingi(Superficie& superficie, const QRect& zona) const;
    // The same for the pixels of `regione` within `zona`: a cell whose inside they miss is left
    // out, or drawn without its text when its bars reach into them.
    void dipingi(Superficie& superficie, const QRect& zona, const QRegion& regione) const;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    // What a cell repaint covers: its square and the outline on its right and bottom.
    QRect zonaCella(Casella cella) const;
    // What a letter's repaint covers: the pixels within the cell's outline.
    QRect internoCella(Casella cella) const;

    Sessione& sessione_;
    GeometriaSchema geometria_;
    StileSchema stile_;
    std::map<Casella, std::uint8_t> segni_;
    QColor sfondo_{236, 233, 224};
};

}  // namespace quadrivo
