#pragma once
// The window's grid: a widget that lays the open puzzle out in its own pixels, answers where a
// cell is and which cell lies under a point, and paints from the session only the cells a change
// touched. The grid's painter over a surface is shared with the paper and the previews.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
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
    // How many cells' insides are kept as images, for the latest look and size.
    size_t interniTenuti() const { return interni_[0].immagini.size(); }
    // How many pictures of the whole view are kept, one per size and look: at most two.
    size_t immaginiTenute() const { return static_cast<size_t>(immagini_[0].has_value()) + immagini_[1].has_value(); }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    // The paint of `regione` as it shows: the background, then the cells that meet it.
    void dipingiRegione(QPainter& painter, const QRegion& regione);
    // The picture of the whole view kept for what `painter` paints onto, brought up to date
    // outside `regione`'s stale parts; none when the target is not the window's own pixels.
    struct Immagine;
    Immagine* immagineDi(const QPainter& painter);
    // A few cells (a key's letters and marks) are painted straight onto the window, as without
    // the picture: their paint and a copy would cost a key more than it saves. The picture keeps
    // them noted as changed until a resize or an expose needs it.
    bool piccola(const QRegion& regione) const;
    // These cells changed in every kept picture: `interni`, only the pixels within their outlines.
    void segnaCelle(const std::vector<Casella>& caselle, bool interni);
    // The look or the puzzle changed beyond some cells: every kept picture goes.
    void ridipingiTutto();
    // What a cell repaint covers: its square and the outline on its right and bottom.
    QRect zonaCella(Casella cella) const;
    // What a letter's repaint covers: the pixels within the cell's outline.
    QRect internoCella(Casella cella) const;
    // Paints `pezzo`, a cell's inside, from the image kept for what the cell shows, made first
    // if missing. False when the piece is something else or the target keeps no such images.
    bool dipingiInterno(QPainter& painter, const QRect& pezzo);

    // The pixels a kept picture is copied onto: the window's background, the backing store's
    // format and scale, the screen's dpi. None for a painter that is not on a raster image.
    struct Bersaglio {
        QRgb sfondo = 0;
        QImage::Format formato = QImage::Format_Invalid;
        qreal rapporto = 1;
        int dpiX = 0, dpiY = 0;
        friend bool operator==(const Bersaglio&, const Bersaglio&) = default;
    };
    std::optional<Bersaglio> bersaglioDi(const QPainter& painter) const;

    // What a kept inside's pixels depend on besides the cell's own content: the look, the
    // sizes, the window's background and the target's pixels.
    struct ContestoInterni {
        StileSchema stile;
        int lato = 0;
        double puntiLettere = 0, puntiNumeri = 0;
        Bersaglio bersaglio;
        friend bool operator==(const ContestoInterni&, const ContestoInterni&) = default;
    };
    struct Interni {
        ContestoInterni contesto;
        std::unordered_map<std::string, QImage> immagini;
        qsizetype byte = 0;
    };
    // Cells' insides as painted, by what each shows: a codeword's letter paints the same letter
    // and code in thirty cells. Two sets, the latest first: a window going back and forth
    // between two sizes finds the cells of both.
    std::array<Interni, 2> interni_;

    // What a picture of the whole view depends on besides the cells' contents.
    struct ContestoImmagine {
        GeometriaSchema geometria;
        StileSchema stile;
        QSize dimensione;
        Bersaglio bersaglio;
        friend bool operator==(const ContestoImmagine&, const ContestoImmagine&) = default;
    };
    // The view as painted at one size and look, copied out at a paint. Cells changed since are
    // noted and painted into it when it serves again: `sporca` in its pixels, the cells not yet
    // placed in it as `interni` and `zone`, or everything when `tutta`.
    struct Immagine {
        ContestoImmagine contesto;
        QImage pixel;
        QRegion sporca;
        std::vector<Casella> interni, zone;
        bool tutta = true;
    };
    // The latest first: a window going back and forth between two sizes finds both.
    std::array<std::optional<Immagine>, 2> immagini_;

    Sessione& sessione_;
    GeometriaSchema geometria_;
    StileSchema stile_;
    std::map<Casella, std::uint8_t> segni_;
    QColor sfondo_{236, 233, 224};
};

}  // namespace quadrivo
