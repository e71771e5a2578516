#include "mainwindow/gui/vista_griglia.h"

#include <QBackingStore>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "qt/superficie_qt.h"
#include "sessione/sessione.h"
#include "solving/passaggio.h"

namespace quadrivo {

namespace {

// How far a cell's drawing may reach into its neighbours: the thickest bar's half.
constexpr int sbordo = 3;
// Up to this many pieces an exposed region is painted piece by piece, each under a plain
// rectangle clip (a codeword's letter in up to sixty cells); past it, as its bounding box under
// the region's clip, which makes every fill and glyph go through the region's spans.
constexpr int pezziApart = 96;
// The kept insides of one look and size stay below this many bytes: a few thousand cells.
constexpr qsizetype byteInterni = 16 << 20;
// The kept pictures of the whole view stay below this many bytes together: two of a 1920 x 1080
// window, or one of a full 4K screen.
constexpr qsizetype byteImmagini = 36 << 20;

// The rectangles as one region, joined two by two: adding thirty scattered cells one at a time
// to one region costs the square of their number.
QRegion unisci(std::vector<QRegion> parti) {
    for (size_t passo = 1; passo < parti.size(); passo *= 2)
        for (size_t i = 0; i + passo < parti.size(); i += 2 * passo) parti[i] += parti[i + passo];
    return parti.empty() ? QRegion() : parti.front();
}

// Everything of a cell that shows within its outline: its own content and marks, and the bars
// of the four cells around it, which reach in.
std::string chiaveInterno(const Cruciverba& x, Casella k, std::uint8_t segni) {
    const CasellaSchema c = casellaDi(x.cella(k));
    std::string chiave = c.lettera;
    chiave += '\0';
    chiave += c.numero;
    chiave += '\0';
    const auto fondo = c.fondo.value_or(Colore{});
    for (const int b : {int(c.disegnata), int(c.nera), int(segni), int(c.matita), int(c.data), int(c.barre),
                        int(c.cerchio), int(c.fondo.has_value()), int(fondo.r), int(fondo.g), int(fondo.b)})
        chiave += static_cast<char>(b);
    for (const auto& [dc, dr] : {std::pair(-1, 0), std::pair(1, 0), std::pair(0, -1), std::pair(0, 1)}) {
        const Casella v{k.colonna + dc, k.riga + dr};
        chiave += static_cast<char>(x.bianca(v.colonna, v.riga) ? x.cella(v).barre : 0);
    }
    return chiave;
}

}  // namespace

VistaGriglia::VistaGriglia(Sessione& sessione, QWidget* genitore) : QWidget(genitore), sessione_(sessione) {
    setObjectName("VistaGriglia");
    // Pointer and keys stay with the area below: this widget only shows the grid.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    connect(&sessione_, &Sessione::celleCambiate, this, &VistaGriglia::ridipingiCelle);
    connect(&sessione_, &Sessione::schemaCambiato, this, &VistaGriglia::ridipingiTutto);
    connect(&sessione_, &Sessione::modoCambiato, this, &VistaGriglia::ridipingiTutto);
}

ScorrimentoGriglia VistaGriglia::disponi(const AreaFinestra& area, const DecorazioniGriglia& d) {
    const ValoriImpostazioni& s = sessione_.impostazioni().valori();
    ScorrimentoGriglia scorrimento;
    const GeometriaSchema g = geometriaGriglia(sessione_.cruciverba(), s, area, d, &scorrimento);
    StileSchema stile = stileGriglia(s, d);
    // The cells whose marks came or went, for the kept pictures too.
    std::vector<Casella> cambiate;
    for (const auto& [k, v] : segni_)
        if (auto n = d.segni.find(k); n == d.segni.end() || n->second != v) cambiate.push_back(k);
    for (const auto& [k, v] : d.segni)
        if (!segni_.count(k)) cambiate.push_back(k);
    segni_ = d.segni;
    segnaCelle(cambiate, false);
    if (g != geometria_ || stile != stile_) {
        geometria_ = g;
        stile_ = std::move(stile);
        update();
        return scorrimento;
    }
    // Same cells in the same place: only those whose marks came or went.
    std::vector<QRegion> zone;
    zone.reserve(cambiate.size());
    for (const Casella& k : cambiate) zone.emplace_back(zonaCella(k));
    if (const QRegion cambiata = unisci(std::move(zone)); !cambiata.isEmpty()) update(cambiata);
    return scorrimento;
}

void VistaGriglia::togliGriglia() {
    if (geometria_ == GeometriaSchema{}) return;
    geometria_ = {};
    segni_.clear();
    update();
}

std::optional<Casella> VistaGriglia::cellaIn(QPointF p) const {
    const PuntoGriglia k = cellaSotto(geometria_, p.x(), p.y());
    if (fuoriGriglia(geometria_, p.x(), p.y(), k)) return std::nullopt;
    return Casella{static_cast<int>(k.colonna), static_cast<int>(k.riga)};
}

bool VistaGriglia::metaOrizzontale(QPointF p, Casella k) const {
    return quadrivo::metaOrizzontale(geometria_, p.x(), p.y(), {k.colonna, k.riga});
}

QRect VistaGriglia::rettangoloCella(Casella k) const {
    const GeometriaSchema& g = geometria_;
    if (g.lato <= 0) return {};
    return {g.x0 + (k.colonna - 1) * g.lato, g.y0 + (k.riga - 1) * g.lato, g.lato, g.lato};
}

QRect VistaGriglia::zonaCella(Casella k) const { return rettangoloCella(k).adjusted(0, 0, 1, 1); }

QRect VistaGriglia::internoCella(Casella k) const {
    const QRect r = rettangoloCella(k);
    return r.isEmpty() ? r : r.adjusted(1, 1, 0, 0);
}

void VistaGriglia::impostaSfondo(const QColor& colore) {
    if (colore == sfondo_) return;
    sfondo_ = colore;
    update();
}

void VistaGriglia::ridipingiTutto() {
    immagini_ = {};
    update();
}

void VistaGriglia::segnaCelle(const std::vector<Casella>& caselle, bool interni) {
    if (caselle.empty()) return;
    for (std::optional<Immagine>& t : immagini_) {
        if (!t || t->tutta) continue;
        std::vector<Casella>& celle = interni ? t->interni : t->zone;
        celle.insert(celle.end(), caselle.begin(), caselle.end());
        // Past a few words, the whole picture is painted again when it next serves.
        if (t->interni.size() + t->zone.size() > static_cast<size_t>(pezziApart)) t->tutta = true;
    }
}

void VistaGriglia::ridipingiCelle(const std::vector<Casella>& caselle) {
    const size_t tutte = static_cast<size_t>(geometria_.colonne) * static_cast<size_t>(geometria_.righe);
    const bool interni = caselle.size() <= static_cast<size_t>(pezziApart) && caselle.size() < tutte;
    segnaCelle(caselle, interni);
    if (!conGriglia()) return;
    // A letter changes only a cell's inside: its outline is its neighbours' too and stays. Insides
    // never touch, so each cell stays one piece of the region and is painted under a plain clip;
    // many cells take their whole squares, which join into few pieces, and so does the whole
    // grid (a black square placed in a senza schema: a white cell's bars go with it).
    std::vector<QRegion> parti;
    parti.reserve(caselle.size());
    for (const Casella& k : caselle) parti.emplace_back(interni ? internoCella(k) : zonaCella(k));
    if (const QRegion r = unisci(std::move(parti)); !r.isEmpty()) update(r);
}

void VistaGriglia::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    Immagine* t = piccola(e->region()) ? nullptr : immagineDi(p);
    if (!t) return dipingiRegione(p, e->region());
    // What changed is painted into the picture, then the exposed pixels are copied from it: a
    // resize back to a size seen before copies the grid in one go.
    if (const QRegion nuova = e->region() & t->sporca; !nuova.isEmpty()) {
        QPainter q(&t->pixel);
        q.setRenderHints(p.renderHints());
        dipingiRegione(q, nuova);
        t->sporca -= nuova;
    }
    const int scala = static_cast<int>(t->contesto.bersaglio.rapporto);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& r : e->region()) {
        p.setClipRect(r);
        p.drawImage(r.topLeft(), t->pixel, QRect(r.topLeft() * scala, r.size() * scala));
    }
}

bool VistaGriglia::piccola(const QRegion& regione) const {
    qint64 area = 0;
    for (const QRect& r : regione) area += static_cast<qint64>(r.width()) * r.height();
    return area * 4 <= static_cast<qint64>(width()) * height();
}

std::optional<VistaGriglia::Bersaglio> VistaGriglia::bersaglioDi(const QPainter& p) const {
    const QPaintDevice* bersaglio = p.paintEngine() ? p.paintEngine()->paintDevice() : nullptr;
    if (!bersaglio || bersaglio->devType() != QInternal::Image || p.paintEngine()->type() != QPaintEngine::Raster ||
        !p.transform().isIdentity())
        return std::nullopt;
    const QImage& immagine = *static_cast<const QImage*>(bersaglio);
    const qreal rapporto = immagine.devicePixelRatio();
    if (rapporto != std::round(rapporto)) return std::nullopt;  // a fractional scale would not meet whole pixels
    return Bersaglio{sfondo_.rgb(), immagine.format(), rapporto, logicalDpiX(), logicalDpiY()};
}

VistaGriglia::Immagine* VistaGriglia::immagineDi(const QPainter& p) {
    const GeometriaSchema& g = geometria_;
    if (!conGriglia() || !sessione_.aperto() || sessione_.cruciverba().colonne() != g.colonne ||
        sessione_.cruciverba().righe() != g.righe)
        return nullptr;
    // Only the window's own pixels: a grab or a render is painted afresh.
    QBackingStore* negozio = backingStore();
    const std::optional<Bersaglio> bersaglio = bersaglioDi(p);
    if (!negozio || !bersaglio || p.paintEngine()->paintDevice() != negozio->paintDevice()) return nullptr;
    const qreal rapporto = bersaglio->rapporto;
    const ContestoImmagine contesto{geometria_, stile_, size(), *bersaglio};
    if (!immagini_[0] || immagini_[0]->contesto != contesto) {
        std::swap(immagini_[0], immagini_[1]);
        if (!immagini_[0] || immagini_[0]->contesto != contesto) {
            const int scala = static_cast<int>(rapporto);
            const qsizetype byte = static_cast<qsizetype>(size().width()) * scala * size().height() * scala * 4;
            if (byte > byteImmagini) return nullptr;
            if (immagini_[1] && immagini_[1]->pixel.sizeInBytes() + byte > byteImmagini) immagini_[1].reset();
            Immagine nuova{contesto, QImage(size() * scala, bersaglio->formato), {}, {}, {}, true};
            if (nuova.pixel.isNull()) return nullptr;
            nuova.pixel.setDevicePixelRatio(rapporto);
            nuova.pixel.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
            nuova.pixel.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
            immagini_[0] = std::move(nuova);
        }
    }
    Immagine& t = *immagini_[0];
    if (t.tutta) {
        t.sporca = rect();
    } else {
        std::vector<QRegion> parti;
        parti.reserve(t.interni.size() + t.zone.size());
        for (const Casella& k : t.interni) parti.emplace_back(internoCella(k));
        for (const Casella& k : t.zone) parti.emplace_back(zonaCella(k));
        t.sporca += unisci(std::move(parti));
    }
    t.tutta = false;
    t.interni.clear();
    t.zone.clear();
    return &t;
}

void VistaGriglia::dipingiRegione(QPainter& p, const QRegion& regione) {
    const bool griglia = conGriglia() && sessione_.aperto();
    // Inside the grid the cells' paper covers the window's background: not filled twice.
    const GeometriaSchema& g = geometria_;
    const bool disposta = griglia && g.lato > 0 && sessione_.cruciverba().colonne() == g.colonne &&
                          sessione_.cruciverba().righe() == g.righe;
    const QRect interno = QRect(g.x0, g.y0, g.lato * g.colonne + 1, g.lato * g.righe + 1)
                              .adjusted(sbordo, sbordo, -sbordo, -sbordo);
    const bool insieme = regione.rectCount() > pezziApart;
    for (const QRect& r : regione)
        if (!disposta || !interno.contains(insieme ? regione.boundingRect() : r)) p.fillRect(r, sfondo_);
    if (!griglia) return;
    p.setRenderHint(QPainter::TextAntialiasing);
    SuperficieQt sup(p, width(), height(), sfondo_);
    // Apart pieces (a word and a cell far from it, the thin strips under the scroll bars) are
    // painted one by one: their bounding box could be the whole grid.
    if (insieme) {
        p.setClipRegion(regione);
        dipingi(sup, regione.boundingRect(), regione);
        return;
    }
    for (const QRect& r : regione) {
        if (disposta && !stile_.lettereNascoste && dipingiInterno(p, r)) continue;
        p.setClipRect(r);
        dipingi(sup, r);
    }
}

bool VistaGriglia::dipingiInterno(QPainter& p, const QRect& pezzo) {
    const std::optional<Casella> k = cellaIn(pezzo.topLeft());
    if (!k || pezzo != internoCella(*k)) return false;
    // Only onto an image, the backing store's: the kept insides take its format.
    const std::optional<Bersaglio> bersaglio = bersaglioDi(p);
    if (!bersaglio) return false;
    const qreal rapporto = bersaglio->rapporto;
    const ContestoInterni contesto{stile_, geometria_.lato, geometria_.puntiLettere, geometria_.puntiNumeri, *bersaglio};
    if (interni_[0].contesto != contesto) {
        std::swap(interni_[0], interni_[1]);
        if (interni_[0].contesto != contesto) interni_[0] = Interni{contesto, {}, 0};
    }
    Interni& interni = interni_[0];
    const auto segno = segni_.find(*k);
    std::string chiave = chiaveInterno(sessione_.cruciverba(), *k, segno == segni_.end() ? 0 : segno->second);
    // A centre rounded to whole pixels rounds halves to even: the cell's place then shows.
    if (stile_.centroIntero) chiave += static_cast<char>((pezzo.left() & 1) * 2 + (pezzo.top() & 1));
    auto trovata = interni.immagini.find(chiave);
    if (trovata == interni.immagini.end()) {
        if (interni.byte > byteInterni) interni.immagini.clear(), interni.byte = 0;
        // Painted as the window would paint the piece, onto an image alike in format and
        // resolution, shifted so the cell keeps its place against the pixels.
        const int scala = static_cast<int>(rapporto);
        QImage immagine(pezzo.size() * scala, bersaglio->formato);
        immagine.setDevicePixelRatio(rapporto);
        immagine.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        immagine.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
        immagine.fill(sfondo_);
        {
            QPainter q(&immagine);
            q.translate(-pezzo.left(), -pezzo.top());
            q.setRenderHints(p.renderHints());
            SuperficieQt sup(q, width(), height(), sfondo_);
            dipingi(sup, pezzo);
        }
        interni.byte += immagine.sizeInBytes();
        trovata = interni.immagini.emplace(std::move(chiave), std::move(immagine)).first;
    }
    // Under one rectangle clip, in the target's format and replacing what was there, the image
    // is copied row by row; the paint event's own region would make it go through its spans.
    const QPainter::CompositionMode modo = p.compositionMode();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setClipRect(pezzo);
    p.drawImage(pezzo.topLeft(), trovata->second);
    p.setCompositionMode(modo);
    return true;
}

void VistaGriglia::dipingi(Superficie& sup, const QRect& box) const { dipingi(sup, box, QRegion(box)); }

void VistaGriglia::dipingi(Superficie& sup, const QRect& box, const QRegion& regione) const {
    const GeometriaSchema& g = geometria_;
    if (g.lato <= 0 || !sessione_.aperto()) return;
    const Cruciverba& x = sessione_.cruciverba();
    if (x.colonne() != g.colonne || x.righe() != g.righe) return;  // laid out again before the next paint
    const int L = g.lato;
    const QRect griglia(g.x0, g.y0, L * g.colonne + 1, L * g.righe + 1);
    // The frame and the paper under the cells, where they show.
    if (!griglia.adjusted(sbordo, sbordo, -sbordo, -sbordo).contains(box)) disegnaSchema(sup, g, {}, stile_);
    else sup.rettangoloPieno(box.left(), box.top(), box.right(), box.bottom(), stile_.coloreCarta);

    // The cells that meet the box, with one more on each side: a neighbour's bar or letter may
    // reach in, and they are painted in the same order as the whole grid's.
    if (box.right() + sbordo < g.x0 || box.bottom() + sbordo < g.y0) return;
    const auto primo = [&](int v, int o, int n) { return std::clamp((v - sbordo - o) / L - 1, 0, n - 1); };
    const auto ultimo = [&](int v, int o, int n) { return std::clamp((v + sbordo - o) / L + 1, 0, n - 1); };
    const int c0 = primo(box.left(), g.x0, g.colonne), c1 = ultimo(box.right(), g.x0, g.colonne);
    const int r0 = primo(box.top(), g.y0, g.righe), r1 = ultimo(box.bottom(), g.y0, g.righe);
    // Which cells of the box have their inside painted, from the region's rectangles: a scattered
    // region (a codeword's letter in 30 cells) is not asked again for each cell of the box.
    const int nc = c1 - c0 + 1, nr = r1 - r0 + 1;
    std::vector<char> dentro(static_cast<size_t>(nc * nr), 0);
    for (const QRect& q : regione) {
        const int a = std::max(c0, (q.left() - g.x0) / L - 1), b = std::min(c1, (q.right() - g.x0) / L + 1);
        const int u = std::max(r0, (q.top() - g.y0) / L - 1), w = std::min(r1, (q.bottom() - g.y0) / L + 1);
        for (int r = u; r <= w; ++r)
            for (int c = a; c <= b; ++c)
                if (q.intersects(rettangoloCella({c + 1, r + 1}).adjusted(1, 1, -1, -1)))
                    dentro[static_cast<size_t>((r - r0) * nc + (c - c0))] = 1;
    }
    CaselleSchema caselle(static_cast<size_t>(nr));
    for (int r = r0; r <= r1; ++r) {
        auto& fila = caselle[static_cast<size_t>(r - r0)];
        fila.reserve(static_cast<size_t>(nc));
        for (int c = c0; c <= c1; ++c) {
            const Cella& z = x.cella(c + 1, r + 1);
            // A cell whose inside is not painted can reach in only with its bars (its outline is
            // its neighbour's too): drawn without its text then, else left out.
            const bool piena = dentro[static_cast<size_t>((r - r0) * nc + (c - c0))];
            if (!piena && !(z.bianca() && z.barre && regione.intersects(rettangoloCella({c + 1, r + 1}).adjusted(
                                                           -sbordo, -sbordo, sbordo + 1, sbordo + 1)))) {
                fila.push_back(CasellaSchema{});
                fila.back().disegnata = false;
                continue;
            }
            CasellaSchema k = casellaDi(z);
            if (auto s = segni_.find({c + 1, r + 1}); s != segni_.end()) k.segni = s->second;
            if (!piena) k.lettera.clear(), k.numero.clear();
            fila.push_back(std::move(k));
        }
    }
    GeometriaSchema parte = g;
    parte.x0 += c0 * L, parte.y0 += r0 * L;
    parte.colonne = c1 - c0 + 1, parte.righe = r1 - r0 + 1;
    parte.margine = 0;  // the margins' numbers are the whole grid's, drawn with the frame
    StileSchema stile = stile_;
    stile.cornice = CorniceSchema::nessuna;
    disegnaSchema(sup, parte, caselle, stile);
    if (stile_.lettereNascoste) disegnaAvvisoPausa(sup, g, stile_.nomeCarattere);
}

}  // namespace quadrivo
