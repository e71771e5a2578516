#pragma once
// The one drawing widget: the main window's drawing area (its background), the open dialog's
// preview, the word dialog's progress bar and the print preview's sheets. What is drawn goes
// straight into an image at the screen's density, through the same painter surface as paper;
// a paint shows that image, the background around it. In the main window the toolbar and the
// status bar lie over it, as on the desktop the program was born on, so its coordinates are
// those of the whole client area.
#include <QFont>
#include <QFontMetricsF>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>

#include "model/superficie.h"

namespace quadrivo {

class AreaDisegno;
class SuperficieQt;

// The area's surface: every call draws into the area's image and asks for a repaint.
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
    };
    QColor sfondo{236, 233, 224};
    Mostra mostra = differito;
};

class AreaDisegno : public QFrame {
    Q_OBJECT
public:
    explicit AreaDisegno(QWidget* genitore = nullptr, ModoArea modo = {});
    ~AreaDisegno() override;

    Superficie& superficie() { return superficie_; }
    QColor sfondo() const { return sfondo_; }
    // The colour around what is drawn, repainted at once.
    void impostaSfondo(const QColor& c);
    // True until something is drawn after the last clear.
    bool vuota() const { return immagine_.isNull(); }

    // What the area shows, at the screen's density: the background with what is drawn.
    QImage immagine() const;
    // Shows what was drawn now, without waiting for the event loop.
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
    // The painter surface over the image, opened (and the image made or grown to the area's
    // size) when first needed; closed before the image is shown.
    SuperficieQt& tela();
    void chiudiTela();
    void pulisci();
    void disegnato();
    void controllaDensita();
    const QFontMetricsF& metrica();
    void dipingi(QPainter& p, const QRect& dove) const;

    ModoArea modo_;
    QColor sfondo_;
    SuperficieFinestra superficie_;
    QImage immagine_;  // null while nothing is drawn
    std::unique_ptr<QPainter> pittore_;
    std::unique_ptr<SuperficieQt> tela_;
    qreal dpr_ = 0, dpi_ = 0;
    QImage misura_;  // measures text as the screen's pixels would hold it
    std::unique_ptr<QFontMetricsF> metrica_;
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
