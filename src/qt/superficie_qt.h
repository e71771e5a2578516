#pragma once
// The surface over a QPainter: the window's backing image, the printer page, the preview and
// the dialogs' samples all draw through it. Units are the device's pixels until impostaScala
// gives the surface a unit system of its own (the printer job does).
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QStaticText>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>

#include "model/superficie.h"

namespace quadrivo {

class SuperficieQt : public Superficie {
public:
    // `larghezza` and `altezza` are the device's drawable size in device-independent pixels.
    SuperficieQt(QPainter& painter, double larghezza, double altezza, QColor sfondo = Qt::white);
    SuperficieQt(const SuperficieQt&) = delete;
    SuperficieQt& operator=(const SuperficieQt&) = delete;

    void pulisci() override;
    void rettangolo(double x1, double y1, double x2, double y2, Colore c) override;
    void rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) override;
    void ellisse(double x1, double y1, double x2, double y2, Colore c) override;
    void disegnaTesto(double x, double y, const std::string& s) override;
    double larghezzaTesto(const std::string& s) override;
    double altezzaTesto(const std::string& s) override;
    double larghezzaScala() const override { return scalaL_; }
    double altezzaScala() const override { return scalaA_; }
    void impostaScala(double larghezza, double altezza) override;

protected:
    void caratterCambiato() override;

private:
    QPointF punto(double x, double y) const { return {x * sx_, y * sy_}; }

    // A font as this device draws it, with the widths measured in it: a grid paints the same
    // few letters and numbers in two or three fonts, each measured once a paint.
    struct Misure {
        QFont font;
        std::optional<QFontMetricsF> metriche;
        std::unordered_map<std::string, double> larghezze;
        // Each text shaped once: a codeword's letter paints the same letter and code in thirty cells.
        std::unordered_map<std::string, QStaticText> testi;
    };
    const QFontMetricsF& metriche();

    QPainter& p_;
    double dispL_, dispA_;    // device size
    double scalaL_, scalaA_;  // size in the surface's units
    double sx_ = 1, sy_ = 1;
    QColor sfondo_;
    std::map<std::tuple<std::string, double, bool, bool>, Misure> misure_;
    Misure* attuale_ = nullptr;
    // What the painter was last given for text: set again only when it changes.
    const Misure* fontDato_ = nullptr;
    std::optional<QRgb> pennaTesto_;
};

QColor coloreQt(Colore c);
// The Qt font every screen and paper target draws `c` with.
QFont qtDaCarattere(const Carattere& c);

}  // namespace quadrivo
