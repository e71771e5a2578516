#pragma once
// The one drawing widget: the main window's drawing area, the open dialog's preview and the
// word dialog's progress bar. What is drawn is kept as a list of strokes, each with the pixels
// it may touch; a paint replays the strokes that meet the exposed region, and a redraw asks
// for the repaint of only what differs from the list on screen. In the main window the toolbar
// and the status bar lie over it, as on the desktop the program was born on, so its
// coordinates are those of the whole client area.
#include <QFont>
#include <QFontMetricsF>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QStaticText>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "model/superficie.h"

namespace quadrivo {

class AreaDisegno;

// The window's surface: every call becomes a stroke of the area's list.
class SuperficieFinestra : public Superficie {
public:
    explicit SuperficieFinestra(AreaDisegno& area) : area_(area) {}

    void pulisci() override;
    void rettangolo(double x1, double y1, double x2, double y2, Colore c) override;
    void rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) override;
    void ellisse(double x1, double y1, double x2, double y2, Colore c) override;
    void disegnaTesto(double x, double y, const std::string& s) override;
    double larghezzaTesto(const std::string& s) override;
    double altezzaTesto(const std::string& s) override;
    double larghezzaScala() const override;
    double altezzaScala() const override;

protected:
    void caratterCambiato() override;

private:
    AreaDisegno& area_;
};

// How an area shows what is drawn.
struct ModoArea {
    enum Mostra {
        differito,   // changes appear at the next paint, after the event loop regains control
        allaPulizia, // a clear shows at once (before a message box can hide the moment)
        ogniTratto,  // every stroke shows at once: the drawer keeps the event loop waiting
    };
    QColor sfondo{236, 233, 224};
    Mostra mostra = differito;
    // Every text's shaping kept for the next paint, not only a grid's short letters and
    // numbers: a page of clues painted again unchanged.
    bool testiPreparati = false;
};

// One drawing call, in the area's pixels. For text (x1, y1) is the top-left corner.
struct TrattoArea {
    enum Tipo : std::uint8_t { rettangolo, pieno, testo, ellisse } tipo = rettangolo;
    Colore colore{};
    std::uint16_t carattere = 0;  // the font's place in the area's table
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QString scritta;
    QRect limiti;  // every pixel the stroke may touch
    bool operator==(const TrattoArea& o) const {
        return tipo == o.tipo && colore == o.colore && carattere == o.carattere && x1 == o.x1 && y1 == o.y1 &&
               x2 == o.x2 && y2 == o.y2 && scritta == o.scritta;
    }
};

// The pixels that differ between two lists of strokes painted in order: those of the strokes
// outside a common subsequence of both.
QRegion regioneCambiata(const std::vector<TrattoArea>& prima, const std::vector<TrattoArea>& dopo);

class AreaDisegno : public QFrame {
    Q_OBJECT
public:
    explicit AreaDisegno(QWidget* genitore = nullptr, ModoArea modo = {});
    ~AreaDisegno() override;

    Superficie& superficie() { return superficie_; }
    QColor sfondo() const { return sfondo_; }
    // The colour around what is drawn, repainted at once.
    void impostaSfondo(const QColor& c) {
        sfondo_ = c;
        update();
    }
    const std::vector<TrattoArea>& tratti() const { return lista_; }

    // The strokes as they stand, painted into an image at the screen's density; made only
    // when asked for, and kept until something changes.
    const QImage& immagine() const;
    // The region changed since the last hand-over (empty when the list is as it was), for
    // which a repaint is asked. Changes are handed over on their own; this does it now.
    QRegion consegna();
    // Paints the area's background and strokes inside `regione` (in the area's coordinates).
    void dipingi(QPainter& p, const QRegion& regione) const;
    // Shows what changed now, without waiting for the event loop.
    void mostraOra();

    // Pointer position in fractional pixels; button 1 left, 2 right, 4 middle.
    std::function<void(double, double)> alMovimento;
    std::function<void(int, double, double)> allaPressione;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    friend class SuperficieFinestra;
    struct Font {
        Carattere carattere;
        QFont font;
        QFontMetricsF metrica;
        qreal altezza = 0, ascesa = 0;    // asked for per text: the metrics look them up each time
        std::unordered_map<std::string, qreal> larghezze;  // short texts already measured: a grid's letters and numbers
        qreal larghezza(const std::string& s);
        mutable std::unordered_map<QString, QStaticText> preparati;  // short texts laid out once for painting
        void misura(const QPaintDevice& d);
    };
    // The current font's metrics, measured as on an image at the screen's density.
    Font& fontAttuale();
    void controllaDensita();
    // Drops the fonts no stroke uses any more: each window size brings sizes of its own.
    void potaFonts();
    // A text's width may come with it, already measured; otherwise it is measured here.
    void calcolaLimiti(TrattoArea& t, qreal larghezza = -1);
    void registra(TrattoArea t, qreal larghezza = -1);
    void pulisci();
    void cambiato(bool pulizia);
    QRegion passaCambiamenti();

    ModoArea modo_;
    QColor sfondo_;
    SuperficieFinestra superficie_;
    std::vector<TrattoArea> lista_;
    // The list on screen when a clear came after the last hand-over; otherwise that list is
    // lista_ up to `consegnati_`.
    std::vector<TrattoArea> precedente_;
    bool conPrecedente_ = false;
    std::size_t consegnati_ = 0;
    bool inCoda_ = false;
    std::vector<Font> fonts_;
    std::optional<std::uint16_t> fontAttuale_;
    qreal dpr_ = 0, dpi_ = 0;
    QImage misura_;  // measures text as the screen's pixels would hold it
    std::uint64_t versione_ = 0;
    mutable QImage immagine_;
    mutable std::uint64_t versioneImmagine_ = ~std::uint64_t(0);
};

// The word rectangle: an outline with a see-through fill of the same colour, so the letters
// and numbers below stay readable. Mouse events go through it to the grid.
class Rettangolo : public QWidget {
    Q_OBJECT
public:
    explicit Rettangolo(QWidget* genitore = nullptr);
    void impostaColore(Colore c);
    Colore colore() const { return colore_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Colore colore_ = giallo;
};

}  // namespace quadrivo
