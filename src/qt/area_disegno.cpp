#include "qt/area_disegno.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "qt/superficie_qt.h"

namespace quadrivo {

namespace {

// Past this many changed strokes their bounding box stands for them: a region of hundreds of
// pieces costs more to build than the pixels it would spare.
constexpr int maxPezziRegione = 48;
// Beyond this many differences the lists are taken as unrelated and the whole span redrawn.
constexpr int maxDifferenze = 256;
// A fill hides the strokes fully under it among the last few: a progress bar stays short.
constexpr int trattiCoperti = 8;
// Fonts kept before those no stroke uses are dropped.
constexpr std::size_t maxFonts = 32;

class Raccolta {
public:
    void aggiungi(const QRect& r) {
        if (r.isEmpty()) return;
        if (++pezzi_ <= maxPezziRegione) regione_ += r;
        box_ |= r;
    }
    QRegion regione() const { return pezzi_ <= maxPezziRegione ? regione_ : QRegion(box_); }

private:
    QRegion regione_;
    QRect box_;
    int pezzi_ = 0;
};

QRectF forma(const TrattoArea& t) { return QRectF(QPointF(t.x1, t.y1), QPointF(t.x2, t.y2)).normalized(); }

// The pixels a fill surely covers whole.
QRect dentroPieno(const TrattoArea& t) {
    const QRectF r = forma(t).adjusted(0, 0, 1, 1);
    const QPoint a(static_cast<int>(std::ceil(r.left())), static_cast<int>(std::ceil(r.top())));
    const QPoint b(static_cast<int>(std::floor(r.right())), static_cast<int>(std::floor(r.bottom())));
    return QRect(a, b - QPoint(1, 1));
}

}  // namespace

QRegion regioneCambiata(const std::vector<TrattoArea>& a, const std::vector<TrattoArea>& b) {
    std::size_t inizio = 0, fa = a.size(), fb = b.size();
    while (inizio < fa && inizio < fb && a[inizio] == b[inizio]) ++inizio;
    while (fa > inizio && fb > inizio && a[fa - 1] == b[fb - 1]) --fa, --fb;
    const int n = static_cast<int>(fa - inizio), m = static_cast<int>(fb - inizio);
    const TrattoArea* A = a.data() + inizio;
    const TrattoArea* B = b.data() + inizio;
    Raccolta r;
    auto tutti = [&] {
        for (int i = 0; i < n; ++i) r.aggiungi(A[i].limiti);
        for (int j = 0; j < m; ++j) r.aggiungi(B[j].limiti);
        return r.regione();
    };
    if (n == 0 || m == 0) return tutti();

    // Myers' shortest edit script: the strokes it removes or inserts are the changed ones.
    const int massimo = std::min(n + m, maxDifferenze);
    const int o = massimo + 1;
    std::vector<int> v(static_cast<std::size_t>(2 * massimo + 3), 0);
    std::vector<std::vector<int>> storia;
    int fine = -1;
    for (int d = 0; d <= massimo && fine < 0; ++d) {
        storia.push_back(v);
        for (int k = -d; k <= d; k += 2) {
            int x = (k == -d || (k != d && v[o + k - 1] < v[o + k + 1])) ? v[o + k + 1] : v[o + k - 1] + 1;
            int y = x - k;
            while (x < n && y < m && A[x] == B[y]) ++x, ++y;
            v[o + k] = x;
            if (x >= n && y >= m) {
                fine = d;
                break;
            }
        }
    }
    if (fine < 0) return tutti();
    int x = n, y = m;
    for (int d = fine; d > 0; --d) {
        const std::vector<int>& w = storia[static_cast<std::size_t>(d)];
        const int k = x - y;
        const bool giu = k == -d || (k != d && w[o + k - 1] < w[o + k + 1]);
        const int kp = giu ? k + 1 : k - 1;
        const int xp = w[o + kp], yp = xp - kp;
        if (giu) r.aggiungi(B[yp].limiti);
        else r.aggiungi(A[xp].limiti);
        x = xp, y = yp;
    }
    return r.regione();
}

// ---- SuperficieFinestra

void SuperficieFinestra::pulisci() { area_.pulisci(); }
void SuperficieFinestra::rettangolo(double x1, double y1, double x2, double y2, Colore c) {
    area_.registra({TrattoArea::rettangolo, c, 0, x1, y1, x2, y2, {}, {}});
}
void SuperficieFinestra::ellisse(double x1, double y1, double x2, double y2, Colore c) {
    area_.registra({TrattoArea::ellisse, c, 0, x1, y1, x2, y2, {}, {}});
}

void SuperficieFinestra::rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) {
    area_.registra({TrattoArea::pieno, c, 0, x1, y1, x2, y2, {}, {}});
}
void SuperficieFinestra::disegnaTesto(double x, double y, const std::string& s) {
    const qreal larghezza = area_.fontAttuale().larghezza(s);
    area_.registra({TrattoArea::testo, coloreTesto, *area_.fontAttuale_, x, y, x, y, QString::fromStdString(s), {}},
                   larghezza);
}
double SuperficieFinestra::larghezzaTesto(const std::string& s) { return area_.fontAttuale().larghezza(s); }
double SuperficieFinestra::altezzaTesto(const std::string&) { return area_.fontAttuale().altezza; }
double SuperficieFinestra::larghezzaScala() const { return area_.contentsRect().width(); }
double SuperficieFinestra::altezzaScala() const { return area_.contentsRect().height(); }
void SuperficieFinestra::caratterCambiato() { area_.fontAttuale_.reset(); }

// ---- AreaDisegno

AreaDisegno::AreaDisegno(QWidget* genitore, ModoArea modo)
    : QFrame(genitore), modo_(modo), sfondo_(modo.sfondo), superficie_(*this) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

AreaDisegno::~AreaDisegno() = default;

void AreaDisegno::controllaDensita() {
    const qreal dpr = devicePixelRatioF();
    // Point sizes become pixels as they do in the window's own widgets.
    const qreal dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    if (dpr == dpr_ && dpi == dpi_) return;
    dpr_ = dpr, dpi_ = dpi;
    misura_ = QImage(1, 1, QImage::Format_RGB32);
    misura_.setDevicePixelRatio(dpr);
    misura_.setDotsPerMeterX(std::lround(dpi / 0.0254));
    misura_.setDotsPerMeterY(std::lround(dpi / 0.0254));
    for (Font& f : fonts_) f.misura(misura_);
    for (auto* l : {&lista_, &precedente_})
        for (TrattoArea& t : *l) calcolaLimiti(t);
    ++versione_;
    update();
}

void AreaDisegno::Font::misura(const QPaintDevice& d) {
    metrica = QFontMetricsF(font, &d);
    altezza = metrica.height();
    ascesa = metrica.ascent();
    larghezze.clear();
    preparati.clear();
}

// Keyed by the UTF-8 the painter hands over: a hit makes no QString.
qreal AreaDisegno::Font::larghezza(const std::string& s) {
    if (s.size() > 8) return metrica.horizontalAdvance(QString::fromStdString(s));
    if (auto l = larghezze.find(s); l != larghezze.end()) return l->second;
    const qreal misurata = metrica.horizontalAdvance(QString::fromStdString(s));
    if (larghezze.size() < 1024) larghezze.emplace(s, misurata);
    return misurata;
}

AreaDisegno::Font& AreaDisegno::fontAttuale() {
    if (!fontAttuale_) {
        // The density is looked up on a font change and at each paint, not per text: asking
        // the widget for its screen costs more than measuring the text.
        controllaDensita();
        const Carattere& c = superficie_.carattere();
        auto f = std::find_if(fonts_.begin(), fonts_.end(), [&](const Font& x) { return x.carattere == c; });
        if (f == fonts_.end() && fonts_.size() >= maxFonts) {
            potaFonts();
            f = fonts_.end();
        }
        if (f == fonts_.end()) {
            const QFont q = qtDaCarattere(c);
            f = fonts_.insert(fonts_.end(), Font{c, q, QFontMetricsF(q), 0, 0, {}, {}});
            f->misura(misura_);
        }
        fontAttuale_ = static_cast<std::uint16_t>(f - fonts_.begin());
    }
    return fonts_[*fontAttuale_];
}

void AreaDisegno::potaFonts() {
    std::vector<int> nuovo(fonts_.size(), -1);
    for (auto* l : {&lista_, &precedente_})
        for (const TrattoArea& t : *l)
            if (t.tipo == TrattoArea::testo) nuovo[t.carattere] = 0;
    std::vector<Font> tenuti;
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (nuovo[i] == 0) {
            nuovo[i] = static_cast<int>(tenuti.size());
            tenuti.push_back(std::move(fonts_[i]));
        }
    fonts_ = std::move(tenuti);
    for (auto* l : {&lista_, &precedente_})
        for (TrattoArea& t : *l)
            if (t.tipo == TrattoArea::testo) t.carattere = static_cast<std::uint16_t>(nuovo[t.carattere]);
}

void AreaDisegno::calcolaLimiti(TrattoArea& t, qreal larghezza) {
    switch (t.tipo) {
    case TrattoArea::rettangolo:
    case TrattoArea::ellisse:
        // A one-pixel pen centred on the outline.
        t.limiti = forma(t).adjusted(-1, -1, 1, 1).toAlignedRect();
        break;
    case TrattoArea::pieno: t.limiti = forma(t).adjusted(0, 0, 1, 1).toAlignedRect(); break;
    case TrattoArea::testo: {
        Font& f = fonts_[t.carattere];
        const qreal a = f.altezza;
        // Room for antialiasing and for glyphs that reach past their advance or their line
        // (italics, accents): cheaper than shaping the text again for its ink.
        const qreal m = 2 + a / 4;
        if (larghezza < 0) larghezza = f.larghezza(t.scritta.toStdString());
        t.limiti = QRectF(t.x1, t.y1, larghezza, a).adjusted(-m, -m, m, m).toAlignedRect();
        break;
    }
    }
}

void AreaDisegno::registra(TrattoArea t, qreal larghezza) {
    if (dpr_ == 0) controllaDensita();
    calcolaLimiti(t, larghezza);
    if (t.tipo == TrattoArea::pieno) {
        const QRect dentro = dentroPieno(t);
        const std::size_t da = lista_.size() > trattiCoperti ? lista_.size() - trattiCoperti : 0;
        for (std::size_t i = lista_.size(); i-- > da;) {
            if (!dentro.contains(lista_[i].limiti)) continue;
            lista_.erase(lista_.begin() + static_cast<std::ptrdiff_t>(i));
            // Its pixels lie under the new fill, which is handed over in their place.
            if (i < consegnati_) --consegnati_;
        }
    }
    lista_.push_back(std::move(t));
    cambiato(false);
}

void AreaDisegno::pulisci() {
    if (!conPrecedente_) {
        precedente_.swap(lista_);
        conPrecedente_ = true;
    }
    lista_.clear();
    consegnati_ = 0;
    cambiato(true);
}

void AreaDisegno::cambiato(bool pulizia) {
    ++versione_;
    if (modo_.mostra == ModoArea::ogniTratto || (pulizia && modo_.mostra == ModoArea::allaPulizia)) {
        mostraOra();
        return;
    }
    if (inCoda_) return;
    inCoda_ = true;
    QMetaObject::invokeMethod(this, [this] { if (inCoda_) consegna(); }, Qt::QueuedConnection);
}

QRegion AreaDisegno::passaCambiamenti() {
    inCoda_ = false;
    QRegion r;
    if (conPrecedente_) {
        r = regioneCambiata(precedente_, lista_);
        precedente_.clear();
        conPrecedente_ = false;
    } else {
        Raccolta nuovi;
        for (std::size_t i = consegnati_; i < lista_.size(); ++i) nuovi.aggiungi(lista_[i].limiti);
        r = nuovi.regione();
    }
    consegnati_ = lista_.size();
    // A few rectangles that nearly fill their bounding box are painted as that box: the raster
    // engine clips a line to one rectangle at once, to several only pixel by pixel along it.
    if (r.rectCount() < 2) return r;
    const QRect box = r.boundingRect();
    qint64 area = 0;
    for (const QRect& x : r) area += qint64(x.width()) * x.height();
    return area * 2 >= qint64(box.width()) * box.height() ? QRegion(box) : r;
}

QRegion AreaDisegno::consegna() {
    const QRegion r = passaCambiamenti();
    if (!r.isEmpty()) update(r.translated(contentsRect().topLeft()));
    return r;
}

void AreaDisegno::mostraOra() {
    const QRegion r = passaCambiamenti();
    if (!r.isEmpty()) repaint(r.translated(contentsRect().topLeft()));
}

void AreaDisegno::dipingi(QPainter& p, const QRegion& regione) const {
    p.save();
    // A stroke meeting the region may reach far past it: beyond lies what is already right.
    p.setClipRegion(regione, Qt::IntersectClip);
    for (const QRect& r : regione) p.fillRect(r, sfondo_);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRect box = regione.boundingRect();
    const bool unPezzo = regione.rectCount() == 1;
    for (const TrattoArea& t : lista_) {
        if (!box.intersects(t.limiti) || (!unPezzo && !regione.intersects(t.limiti))) continue;
        switch (t.tipo) {
        case TrattoArea::rettangolo: {
            QPen penna(coloreQt(t.colore), 1);
            penna.setJoinStyle(Qt::MiterJoin);
            p.setPen(penna);
            p.setBrush(Qt::NoBrush);
            p.drawRect(forma(t));
            break;
        }
        case TrattoArea::pieno: p.fillRect(forma(t).adjusted(0, 0, 1, 1), coloreQt(t.colore)); break;
        case TrattoArea::ellisse:
            p.save();
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(coloreQt(t.colore), 1));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(forma(t));
            p.restore();
            break;
        case TrattoArea::testo: {
            const Font& f = fonts_[t.carattere];
            p.setFont(f.font);
            p.setPen(coloreQt(t.colore));
            // A grid's letters and numbers come back at every key: their shaping is kept.
            const bool breve = t.scritta.size() <= 4 || modo_.testiPreparati;
            if (breve && (f.preparati.size() < 4096 || f.preparati.count(t.scritta))) {
                auto [posto, nuovo] = f.preparati.try_emplace(t.scritta);
                if (nuovo) {
                    posto->second.setText(t.scritta);
                    posto->second.setTextFormat(Qt::PlainText);
                    posto->second.setPerformanceHint(QStaticText::AggressiveCaching);
                }
                p.drawStaticText(QPointF(t.x1, t.y1), posto->second);
            } else {
                p.drawText(QPointF(t.x1, t.y1 + f.ascesa), t.scritta);
            }
            break;
        }
        }
    }
    p.restore();
}

const QImage& AreaDisegno::immagine() const {
    const qreal dpr = devicePixelRatioF();
    const QSize l = contentsRect().size().expandedTo(QSize(1, 1));
    const QSize voluta(static_cast<int>(std::ceil(l.width() * dpr)), static_cast<int>(std::ceil(l.height() * dpr)));
    if (versioneImmagine_ == versione_ && immagine_.size() == voluta && immagine_.devicePixelRatio() == dpr)
        return immagine_;
    immagine_ = QImage(voluta, QImage::Format_RGB32);
    immagine_.setDevicePixelRatio(dpr);
    const qreal dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    immagine_.setDotsPerMeterX(std::lround(dpi / 0.0254));
    immagine_.setDotsPerMeterY(std::lround(dpi / 0.0254));
    QPainter p(&immagine_);
    dipingi(p, QRect(QPoint(0, 0), l));
    versioneImmagine_ = versione_;
    return immagine_;
}

void AreaDisegno::paintEvent(QPaintEvent* e) {
    if (frameWidth() > 0) QFrame::paintEvent(e);
    controllaDensita();
    const QRect dentro = contentsRect();
    const QRegion r = e->region() & dentro;
    if (r.isEmpty()) return;
    QPainter p(this);
    p.translate(dentro.topLeft());
    dipingi(p, r.translated(-dentro.topLeft()));
}

void AreaDisegno::mouseMoveEvent(QMouseEvent* e) {
    if (alMovimento) alMovimento(e->position().x() - contentsRect().x(), e->position().y() - contentsRect().y());
}

void AreaDisegno::mousePressEvent(QMouseEvent* e) {
    int pulsante = 0;
    switch (e->button()) {
    case Qt::LeftButton: pulsante = 1; break;
    case Qt::RightButton: pulsante = 2; break;
    case Qt::MiddleButton: pulsante = 4; break;
    default: return;
    }
    if (allaPressione) allaPressione(pulsante, e->position().x() - contentsRect().x(), e->position().y() - contentsRect().y());
}

// ---- Rettangolo

Rettangolo::Rettangolo(QWidget* genitore) : QWidget(genitore) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void Rettangolo::impostaColore(Colore c) {
    colore_ = c;
    update();
}

void Rettangolo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QColor pieno = coloreQt(colore_);
    QColor velo = pieno;
    velo.setAlpha(110);
    p.fillRect(rect(), velo);
    p.setPen(QPen(pieno, 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace quadrivo
