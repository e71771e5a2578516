#include "printing/gui/settaggi.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "model/impostazioni.h"

namespace quadrivo {

namespace {

// Layout in twips, like the sample, so the whole dialog keeps its proportions at any DPI.
constexpr double larghezzaDialogo = 12600, altezzaDialogo = 7500;
constexpr double xCornice = 240, yCornice = 900, larghezzaCornice = 12120, altezzaCornice = 5700;
constexpr double xBarre = 240, larghezzaBarra = 3000, altezzaBarra = 255, passoBarre = 840;
constexpr double xSample = 5400, ySample = 900;  // sample origin inside the frame

struct Barra {
    const char* nome;
    const char* didascalia;
    const char* etichetta;
    int minimo, massimo, pagina, iniziale;
};
constexpr std::array<Barra, 6> barre{{
    {"barraRiquadro", "% riquadro nero", "valoreRiquadro", 50, 100, 10, 95},
    {"barraNumeri", "% Altezza numeri", "valoreNumeri", 5, 25, 10, 5},
    {"barraCaratteri", "% Altezza caratteri", "valoreCaratteri", 25, 90, 10, 50},
    {"barraSpigolo", "% Distanza num. da spigolo", "valoreSpigolo", 0, 15, 5, 0},
    {"barraCentro", "% Distanza dal centro", "valoreCentro", -10, 20, 10, 0},
    {"barraBordo", "Spessore Bordo", "valoreBordo", 1, 5, 1, 1},
}};

QFont fontCampione(double punti) {
    QFont f(QString::fromLatin1(facciaCampione));
    f.setPointSizeF(std::max(punti, 0.5));
    return f;
}

}  // namespace

// The sample and the red lines that lead to it from the bars, painted under the bars.
class DisegnoSettaggi : public QWidget {
public:
    explicit DisegnoSettaggi(Settaggi* d, QWidget* genitore) : QWidget(genitore), d_(d) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const CampioneDisposto& c = d_->campione_;
        QPainter p(this);
        auto x = [&](double t) { return (xSample + t) / d_->tpp_; };
        auto y = [&](double t) { return (ySample + t) / d_->tpp_; };
        auto rett = [&](const RettangoloTwip& r) { return QRectF(x(r.x), y(r.y), r.l / d_->tpp_, r.a / d_->tpp_); };

        for (const RettangoloTwip& r : c.celle) {
            p.fillRect(rett(r), Qt::white);
            p.setPen(QPen(Qt::black, 1));
            p.drawRect(rett(r));
        }
        for (const RettangoloTwip& q : c.quadratiNeri) p.fillRect(rett(q), Qt::black);

        p.setPen(Qt::black);
        auto scritta = [&](const RettangoloTwip& r, const QString& testo, double punti) {
            const QFont f = fontCampione(punti);
            p.setFont(f);
            p.drawText(QPointF(x(r.x), y(r.y) + QFontMetricsF(f, this).ascent()), testo);
        };
        for (size_t i = 0; i < 5; ++i) {
            scritta(c.lettere[i], QString::fromLatin1(lettereCampione[i]), c.puntiLettere);
            scritta(c.numeri[i], QString::number(i + 1), c.puntiNumeri);
        }

        QPen cornice(Qt::black, c.spessoreLinee, Qt::SolidLine, Qt::FlatCap);
        p.setPen(cornice);
        p.drawLine(QPointF(x(c.lineaSopra.x), y(c.lineaSopra.y)), QPointF(x(c.lineaSopra.destra()), y(c.lineaSopra.y)));
        p.drawLine(QPointF(x(c.lineaSinistra.x), y(c.lineaSinistra.y)),
                   QPointF(x(c.lineaSinistra.x), y(c.lineaSinistra.basso())));

        const RettangoloTwip& quarta = c.celle[3];
        p.setPen(QPen(QColor(0, 255, 255), 1, Qt::DotLine));
        p.drawLine(QPointF(x(quarta.x), y(c.centroCella)), QPointF(x(quarta.destra()), y(c.centroCella)));

        // Each bar's line runs right from its value, turns at its own column and reaches the
        // part of the sample it governs.
        const QPointF mete[6] = {
            {x(c.quadratiNeri[1].x), y(c.quadratiNeri[1].y + c.quadratiNeri[1].a / 2)},
            {x(c.numeri[0].x), y(c.numeri[0].y + c.numeri[0].a / 2)},
            {x(c.lettere[0].x), y(c.lettere[0].y + c.lettere[0].a / 2)},
            {x(c.celle[0].x), y(c.celle[0].y)},
            {x(c.celle[0].x), y(c.centroCella)},
            {x(c.lineaSinistra.x), y(c.lineaSinistra.y + c.lineaSinistra.a * 0.8)},
        };
        p.setPen(QPen(Qt::red, 1));
        for (size_t i = 0; i < 6; ++i) {
            const QRect v = d_->valoriBarre_[i]->geometry();
            const QPointF inizio(v.right() + 4, v.center().y());
            const double piega = (xSample - 1500 + 150 * static_cast<double>(i)) / d_->tpp_;
            const QPointF a(piega, inizio.y()), b(piega, mete[i].y());
            p.drawPolyline(QList<QPointF>{inizio, a, b, mete[i]});
        }
    }

private:
    Settaggi* d_;
};

Settaggi::Settaggi(Impostazioni& impostazioni, QWidget* genitore) : QDialog(genitore), impostazioni_(impostazioni) {
    const QScreen* schermo = genitore && genitore->screen() ? genitore->screen() : screen();
    const double dpi = schermo && schermo->logicalDotsPerInchY() > 0 ? schermo->logicalDotsPerInchY() : 96;
    tpp_ = 1440 / dpi;

    setObjectName("Settaggi");
    setWindowTitle(QString::fromUtf8("Settaggio parametri cruciverba"));
    setModal(true);
    setFixedSize(px(larghezzaDialogo), px(altezzaDialogo));

    spiegazione = new QLabel(QString::fromUtf8(
                             "Modifica i parametri sottostanti del cruciverba, relativi a lettere, numeri, altezze, "
                             "distanze e spessori quindi premi il bottone <Salva> per confermare oppure <Annulla> per "
                             "annullare ed uscire senza salvare."),
                         this);
    spiegazione->setObjectName("spiegazione");
    spiegazione->setTextFormat(Qt::PlainText);
    spiegazione->setWordWrap(true);
    spiegazione->setGeometry(px(240), px(120), px(12120), px(720));

    parametri = new QGroupBox(QString::fromUtf8("Settaggio parametri del cruciverba "), this);
    parametri->setObjectName("parametri");
    parametri->setGeometry(px(xCornice), px(yCornice), px(larghezzaCornice), px(altezzaCornice));
    disegno_ = new DisegnoSettaggi(this, parametri);
    disegno_->setGeometry(0, 0, parametri->width(), parametri->height());

    for (size_t i = 0; i < barre.size(); ++i) {
        const Barra& b = barre[i];
        const double y = 420 + passoBarre * static_cast<double>(i);
        auto* didascalia = new QLabel(QString::fromUtf8(b.didascalia), parametri);
        didascalia->setGeometry(px(xBarre), px(y), px(larghezzaBarra), px(280));
        auto* barra = new QScrollBar(Qt::Horizontal, parametri);
        barra->setObjectName(b.nome);
        barra->setRange(b.minimo, b.massimo);
        barra->setSingleStep(1);
        barra->setPageStep(b.pagina);
        barra->setValue(b.iniziale);
        barra->setGeometry(px(xBarre), px(y + 300), px(larghezzaBarra), px(altezzaBarra));
        auto* valore = new QLabel(QString::number(b.iniziale), parametri);
        valore->setObjectName(b.etichetta);
        valore->setGeometry(px(xBarre + larghezzaBarra + 120), px(y + 280), px(480), px(300));
        barre_[i] = barra;
        valoriBarre_[i] = valore;
    }
    barraRiquadro = barre_[0], barraNumeri = barre_[1], barraCaratteri = barre_[2];
    barraSpigolo = barre_[3], barraCentro = barre_[4], barraBordo = barre_[5];
    valoreRiquadro = valoriBarre_[0], valoreNumeri = valoriBarre_[1], valoreCaratteri = valoriBarre_[2];
    valoreSpigolo = valoriBarre_[3], valoreCentro = valoriBarre_[4], valoreBordo = valoriBarre_[5];

    pulsanteSalva = new QPushButton(QString::fromUtf8("&Salva"), this);
    pulsanteSalva->setObjectName("pulsanteSalva");
    pulsanteSalva->setToolTip(QString::fromUtf8("Salva le modifiche e continua"));
    pulsanteSalva->setGeometry(px(8640), px(6780), px(1800), px(480));
    pulsanteAnnulla = new QPushButton(QString::fromUtf8("&Annulla"), this);
    pulsanteAnnulla->setObjectName("pulsanteAnnulla");
    pulsanteAnnulla->setToolTip(QString::fromUtf8("Annulla tutte le modifiche e continua"));
    pulsanteAnnulla->setGeometry(px(10560), px(6780), px(1800), px(480));
    pulsanteSalva->setDefault(true);
    connect(pulsanteSalva, &QPushButton::clicked, this, &Settaggi::salva);
    connect(pulsanteAnnulla, &QPushButton::clicked, this, &Settaggi::annulla);

    // Opening order: a stored square below 50 % shows as 95; a frame thinner than one pixel
    // becomes one at once, whatever button closes the dialog. The bars clamp any other
    // stored value into their range.
    barraRiquadro->setValue(95);
    if (impostazioni_.valori().PercentualeRiquadro > 49) barraRiquadro->setValue(impostazioni_.valori().PercentualeRiquadro);
    if (impostazioni_.valori().SpessoreBordo < 1) {
        ValoriImpostazioni corretti = impostazioni_.valori();
        corretti.SpessoreBordo = 1;
        impostazioni_.cambia(corretti);
    }
    const ValoriImpostazioni& aperti = impostazioni_.valori();
    barraCaratteri->setValue(aperti.AltezzaCaratteri);
    barraNumeri->setValue(aperti.AltezzaNumeri);
    barraCentro->setValue(aperti.DistanzaDaCentro);
    barraSpigolo->setValue(aperti.DistanzaDaSpigolo);
    barraBordo->setValue(aperti.SpessoreBordo);
    for (QScrollBar* b : barre_) connect(b, &QScrollBar::valueChanged, this, &Settaggi::aggiornaCampione);
    aggiornaCampione();
}

int Settaggi::px(double twip) const { return static_cast<int>(twip / tpp_ + 0.5); }

ValoriCampione Settaggi::valori() const {
    return {barraRiquadro->value(), barraNumeri->value(), barraCaratteri->value(),
            barraSpigolo->value(), barraCentro->value(), barraBordo->value()};
}

void Settaggi::aggiornaCampione() {
    for (size_t i = 0; i < barre_.size(); ++i) valoriBarre_[i]->setText(QString::number(barre_[i]->value()));
    const double tpp = tpp_;
    const QWidget* misuratore = this;
    campione_ = disponiCampione(valori(), tpp_, [tpp, misuratore](const std::string& testo, double punti) {
        const QFontMetricsF fm(fontCampione(punti), misuratore);
        return std::pair{fm.horizontalAdvance(QString::fromStdString(testo)) * tpp, fm.height() * tpp};
    });
    disegno_->update();
}

void Settaggi::salva() {
    const ValoriCampione v = valori();
    ValoriImpostazioni nuovi = impostazioni_.valori();
    nuovi.PercentualeRiquadro = static_cast<std::int16_t>(v.riquadro);
    nuovi.AltezzaNumeri = static_cast<std::int16_t>(v.altezzaNumeri);
    nuovi.AltezzaCaratteri = static_cast<std::int16_t>(v.altezzaCaratteri);
    nuovi.DistanzaDaSpigolo = static_cast<std::int16_t>(v.distanzaSpigolo);
    nuovi.DistanzaDaCentro = static_cast<std::int16_t>(v.distanzaCentro);
    nuovi.SpessoreBordo = static_cast<std::int16_t>(v.spessore);
    impostazioni_.cambia(nuovi);  // written, and drawn again by who follows them
    accept();
}

void Settaggi::annulla() { reject(); }

}  // namespace quadrivo
