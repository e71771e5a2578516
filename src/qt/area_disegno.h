#pragma once
// The main window's drawing area: everything drawn goes into a backing image that stays until
// it is cleared and is painted on every expose, at the screen's pixel density. The toolbar and
// the status bar lie over it, as on the desktop the program was born on, so its coordinates
// are those of the whole client area.
#include <QImage>
#include <QPainter>
#include <QWidget>
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

class AreaDisegno : public QWidget {
    Q_OBJECT
public:
    explicit AreaDisegno(QWidget* genitore = nullptr);
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
    // A backing image at least as big as the widget, and as the screen, at its density.
    void preparaImmagine();
    SuperficieQt& superficieQt();

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
