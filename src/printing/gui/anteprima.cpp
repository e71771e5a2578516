#include "printing/gui/anteprima.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "model/disegno_schema.h"
#include "model/numeri.h"
#include "qt/area_disegno.h"

namespace quadrivo {

namespace {
// The zoom's steps, as parts of the paper's true size on screen.
constexpr double livelli[] = {0.5, 0.75, 1, 1.25, 1.5, 2, 3, 4};
constexpr double interi = -1;  // the zoom that shows every sheet whole
constexpr double bordo = 10;   // around the sheets, as posaAnteprima leaves it
}  // namespace

VistaAnteprima::VistaAnteprima(const Documento& documento, const ValoriImpostazioni& valori, QWidget* genitore)
    : QScrollArea(genitore), documento_(documento), valori_(valori), pagina_(carta_.superficie()), fogli_(new AreaDisegno(nullptr, {{236, 233, 224}, ModoArea::differito})) {
    setObjectName("Anteprima");
    setAccessibleName("Anteprima di stampa");
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
    fogli_->setObjectName("FogliAnteprima");
    setWidget(fogli_);
}

VistaAnteprima::~VistaAnteprima() = default;

AreaFinestra VistaAnteprima::areaVista(QSize d) const {
    AreaFinestra a;
    a.larghezza = d.width();
    a.altezza = d.height();
    return a;
}

double VistaAnteprima::scalaIntera() const {
    return quadrivo::scalaIntera(areaVista(maximumViewportSize()), formato_, pronta_ ? im_->fogli : 1);
}

double VistaAnteprima::scalaIniziale() const {
    const double vera = logicalDpiY() / 72.0;
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const double larga = (maximumViewportSize().width() - barra - 2 * bordo) / formato_.larghezza;
    return std::max(scalaIntera(), std::min(vera, larga));
}

bool VistaAnteprima::mostra(const Carattere& stile, const std::string& data) {
    stile_ = stile;
    data_ = data;
    try {
        im_ = &pagina_.per(documento_, valori_, formato_, data, stile);
        pronta_ = true;
    } catch (const ErroreOverflow&) {
        pronta_ = false;
    }
    disponi();
    return pronta_;
}

void VistaAnteprima::zoom(int verso) {
    const double vera = logicalDpiY() / 72.0, attuale = posa_.scala, intera = scalaIntera();
    if (verso == 0) {
        zoom_ = 0;
    } else if (verso > 0) {
        zoom_ = attuale;
        for (double l : livelli)
            if (l * vera > attuale * 1.001) {
                zoom_ = l * vera;
                break;
            }
    } else {
        zoom_ = interi;
        for (double l : livelli)
            if (l * vera < attuale * 0.999 && l * vera > intera) zoom_ = l * vera;
    }
    // The same point of the sheets stays in the middle of the view.
    const auto meta = [](const QScrollBar* b) {
        return (b->value() + b->pageStep() / 2.0) / std::max(1, b->maximum() + b->pageStep());
    };
    const double mx = meta(horizontalScrollBar()), my = meta(verticalScrollBar());
    disponi();
    const auto riporta = [](QScrollBar* b, double m) {
        b->setValue(static_cast<int>(std::lround(m * (b->maximum() + b->pageStep()) - b->pageStep() / 2.0)));
    };
    riporta(horizontalScrollBar(), mx);
    riporta(verticalScrollBar(), my);
}

void VistaAnteprima::disponi() {
    const QSize piena = maximumViewportSize();
    Superficie& sup = fogli_->superficie();
    try {
        if (!pronta_) throw ErroreOverflow();
        const double voluta = zoom_ == 0 ? scalaIniziale() : zoom_;
        // Sheets past the view bring scroll bars, and the bars take room from the view.
        const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        QSize vista = piena;
        PosaAnteprima p = posaAnteprima(areaVista(vista), formato_, im_->fogli, voluta);
        for (int giro = 0; giro < 2; ++giro) {
            QSize d = piena;
            if (p.altezza > piena.height()) d.rwidth() -= barra;
            if (p.larghezza > d.width()) d.rheight() -= barra;
            if (d == vista) break;
            vista = d;
            p = posaAnteprima(areaVista(vista), formato_, im_->fogli, voluta);
        }
        posa_ = p;
        fogli_->resize(static_cast<int>(std::ceil(p.larghezza)), static_cast<int>(std::ceil(p.altezza)));
        // Opened again on the same sheets: the area still holds them.
        std::string firma = firmaCaselle();
        for (double v : {p.scala, p.larghezza, p.altezza}) firma += std::to_string(v) + '\1';
        firma += std::to_string(pagina_.impaginazioni()) + '\1' + stile_.nome + data_ + char('0' + stile_.grassetto) +
                 char('0' + stile_.corsivo);
        if (firma == disegnate_) return;
        disegnate_ = std::move(firma);
        sup.impostaCarattere(stile_);
        disegnaAnteprima(documento_, valori_, sup, pagina_.misura(), *im_, posa_, data_, formato_);
    } catch (const ErroreOverflow&) {
        // A view too small for a sheet, or a page that cannot be laid out: the area stays blank.
        posa_ = {};
        disegnate_.clear();
        fogli_->resize(piena);
        sup.pulisci();
    }
}

std::string VistaAnteprima::firmaCaselle() const {
    std::string f;
    for (const auto& fila : caselleDi(documento_.cruciverba))
        for (const CasellaSchema& k : fila) {
            f += k.lettera, f += '\1', f += k.numero, f += '\1';
            f += char(k.disegnata | k.nera << 1 | k.matita << 2 | k.cerchio << 3), f += char(k.barre);
            if (k.fondo) f += char(k.fondo->r), f += char(k.fondo->g), f += char(k.fondo->b);
        }
    return f;
}

void VistaAnteprima::resizeEvent(QResizeEvent* e) {
    QScrollArea::resizeEvent(e);
    // Hidden, it waits for the next opening, which draws it anyway.
    if (isVisible() && e->size() != e->oldSize()) disponi();
}

void VistaAnteprima::wheelEvent(QWheelEvent* e) {
    if (e->modifiers() & Qt::ControlModifier) {
        if (e->angleDelta().y() != 0) zoom(e->angleDelta().y() > 0 ? 1 : -1);
        e->accept();
        return;
    }
    QScrollArea::wheelEvent(e);
}

}  // namespace quadrivo
