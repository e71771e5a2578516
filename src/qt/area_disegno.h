#pragma once
// The one image-backed drawing widget: the main window's drawing area, the open dialog's
// preview and the word dialog's progress bar. Everything drawn goes into a backing image that
// stays until it is cleared and is painted on every expose, at the screen's pixel density. In
// the main window the toolbar and the status bar lie over it, as on the desktop the program
// was born on, so its coordinates are those of the whole client area.
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>

#include "qt/superficie_qt.h"
#include "model/superficie.h"

namespace quadrivo {

class AreaDisegno;

// The window's surface. A stable object that forwards to a painter on the current backing
// image, so callers may keep the reference while the image is replaced by a bigger one.
class SuperficieFinestra : public Superficie {
public:
    explicit SuperficieFinestra(AreaDisegno& area) : area_(area) {}

    void pulisci() override;
    void rettangolo(double x1, double y1, double x2, double y2, Colore c) override;
    void rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) override;
    void disegnaTesto(double x, double y, const std::string& s) override;
    double larghezzaTesto(const std::string& s) override;
    double altezzaTesto(const std::string& s) override;
    double larghezzaScala() const override;
    double altezzaScala() const override;

protected:
    void caratterCambiato() override;

private:
    friend class AreaDisegno;
    SuperficieQt& qt();
    AreaDisegno& area_;
};

// How an area keeps and shows its image.
struct ModoArea {
    enum Mostra {
        differito,   // strokes appear at the next paint
        allaPulizia, // a clear shows at once (before a message box can hide the moment)
        ogniTratto,  // every stroke shows at once: the drawer keeps the event loop waiting
    };
    QColor sfondo{236, 233, 224};
    bool grandeComeSchermo = true;  // the window's image grows to the screen once, not per resize
    Mostra mostra = differito;
};

class AreaDisegno : public QFrame {
    Q_OBJECT
public:
    explicit AreaDisegno(QWidget* genitore = nullptr, ModoArea modo = {});
    ~AreaDisegno() override;

    Superficie& superficie() { return superficie_; }
    const QImage& immagine() const { return immagine_; }
    QColor sfondo() const { return sfondo_; }

    // Pointer position in fractional pixels; button 1 left, 2 right, 4 middle.
    std::function<void(double, double)> alMovimento;
    std::function<void(int, double, double)> allaPressione;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    friend class SuperficieFinestra;
    // A backing image at least as big as the frame's inside (and the screen, when so asked),
    // at the screen's density.
    void preparaImmagine();
    SuperficieQt& superficieQt();
    void mostra(bool pulizia);

    ModoArea modo_;
    QColor sfondo_;
    QImage immagine_;
    std::unique_ptr<QPainter> pittore_;
    std::unique_ptr<SuperficieQt> qt_;
    SuperficieFinestra superficie_;
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
