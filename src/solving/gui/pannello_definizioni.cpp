#include "solving/gui/pannello_definizioni.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>
#include <array>
#include <utility>
#include <QVBoxLayout>
#include <cstdlib>

#include "solving/varianti.h"

namespace quadrivo {

namespace {

constexpr int ruoloIndice = Qt::UserRole;

// What an entry's picture depends on besides the font: its size, state, colours and text.
struct ChiaveImmagine {
    QSize dimensione;
    unsigned stato = 0;
    qreal densita = 1;
    std::array<QRgb, 5> colori{};
    // An entry's own colour, or none (the palette's text): black and none are not the same.
    bool coloreProprio = false;
    QString testo;
    friend bool operator==(const ChiaveImmagine&, const ChiaveImmagine&) = default;
};

size_t qHash(const ChiaveImmagine& k, size_t seme = 0) {
    seme = qHashMulti(seme, k.dimensione.width(), k.dimensione.height(), k.stato, k.testo);
    return qHashRange(k.colori.begin(), k.colori.end(), seme);
}

// A word-wrapped clue is measured by shaping its text, and a list measures its entries again
// whenever the current one changes, every few keys: the sizes are kept per width and text (both
// widths of a window toggled between two sizes stay), and so are the entries' pictures.
class MisureDefinizioni : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& opzione, const QModelIndex& indice) const override {
        seguiCarattere(opzione.font);
        const std::pair chiave(opzione.rect.width(), indice.data(Qt::DisplayRole).toString());
        if (const auto trovata = misure_.constFind(chiave); trovata != misure_.cend()) return *trovata;
        if (misure_.size() > 4096) misure_.clear();
        return misure_[chiave] = QStyledItemDelegate::sizeHint(opzione, indice);
    }

    // An entry's picture is kept per size, state and colours: a resize or a scroll paints every
    // entry shown again, and shaping a wrapped clue's text each time is most of a resize's cost.
    // The colours go into the key, not the palette's own key, which changes at every paint.
    void paint(QPainter* pittore, const QStyleOptionViewItem& opzione, const QModelIndex& indice) const override {
        seguiCarattere(opzione.font);
        const QPalette& t = opzione.palette;
        const QBrush proprio = indice.data(Qt::ForegroundRole).value<QBrush>();
        ChiaveImmagine chiave{opzione.rect.size(),
                              opzione.state.toInt(),
                              pittore->device()->devicePixelRatio(),
                              {t.color(QPalette::Base).rgba(), t.color(QPalette::Text).rgba(),
                               t.color(QPalette::Highlight).rgba(), t.color(QPalette::HighlightedText).rgba(),
                               proprio.color().rgba()},
                              proprio.style() != Qt::NoBrush,
                              indice.data(Qt::DisplayRole).toString()};
        auto trovata = immagini_.constFind(chiave);
        if (trovata == immagini_.cend()) {
            if (immagini_.size() > 2048) immagini_.clear();
            const qreal dpr = chiave.densita;
            QPixmap px(opzione.rect.size() * dpr);
            px.setDevicePixelRatio(dpr);
            px.fill(opzione.palette.color(QPalette::Base));
            QPainter p(&px);
            QStyleOptionViewItem qui = opzione;
            qui.rect.moveTo(0, 0);
            QStyledItemDelegate::paint(&p, qui, indice);
            trovata = immagini_.insert(std::move(chiave), px);
        }
        pittore->drawPixmap(opzione.rect.topLeft(), *trovata);
    }

private:
    // Another font makes every size and picture kept wrong; comparing fonts is cheaper than
    // putting the font's key into each entry's.
    void seguiCarattere(const QFont& f) const {
        if (f == carattere_) return;
        carattere_ = f;
        misure_.clear();
        immagini_.clear();
    }

    mutable QFont carattere_;
    mutable QHash<std::pair<int, QString>, QSize> misure_;
    mutable QHash<ChiaveImmagine, QPixmap> immagini_;
};

// A clue list lays its entries out as soon as its width changes rather than at its next paint:
// a layout run inside the paint asks for a second paint of the list and its scroll bar. A new
// height alone leaves every entry as it was, and only the scroll bar follows it.
class ListaDefinizioni : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void resizeEvent(QResizeEvent* e) override {
        if (e->oldSize().width() == e->size().width()) {
            QAbstractItemView::resizeEvent(e);
            return;
        }
        QListWidget::resizeEvent(e);
        if (disponendo_) return;  // a scroll bar came or went inside the layout below
        disponendo_ = true;
        // The scroll bar that comes or goes with the layout changes the width once more.
        for (int giro = 0; giro < 3; ++giro) executeDelayedItemsLayout();
        disponendo_ = false;
    }

private:
    bool disponendo_ = false;
};

QListWidget* nuovaLista(QWidget* genitore, const char* nome, const char* leggibile) {
    auto* l = new ListaDefinizioni(genitore);
    l->setObjectName(nome);
    l->setAccessibleName(leggibile);
    l->setFocusPolicy(Qt::NoFocus);
    l->setWordWrap(true);
    l->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    // The highlight keeps its strong colour although the list never has the focus.
    QPalette p = l->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Active, QPalette::HighlightedText));
    l->setPalette(p);
    return l;
}


// Greys an entry or takes the grey away; a screen reader hears `detto` where the eye sees grey.
// `ridisegna`: the list stays as it was, so only this entry's pixels are asked for.
void ingrigisci(QListWidget* lista, QListWidgetItem* voce, bool grigia, const char* detto, bool ridisegna) {
    {
        // Told to the view, a change of colour lays out every word-wrapped entry again.
        const QSignalBlocker zitto(lista->model());
        voce->setForeground(grigia ? QBrush(QColor(128, 128, 128)) : QBrush());
        voce->setData(Qt::AccessibleTextRole, grigia ? voce->text() + detto : QVariant());
    }
    if (ridisegna) lista->viewport()->update(lista->visualItemRect(voce));
}

// Makes `scelta` the list's current entry, or none; asked at every key for both lists, so only a
// change costs a layout.
void scegli(QListWidget* lista, QListWidgetItem* scelta, bool uguali) {
    if (scelta) {
        if (lista->currentItem() == scelta && uguali) return;
        lista->setCurrentItem(scelta);
        lista->scrollToItem(scelta);
    } else if (lista->currentItem() || lista->selectionModel()->hasSelection()) {
        lista->clearSelection();
        lista->setCurrentItem(nullptr);
    }
}

}  // namespace

QFont carattereTitolo(QFont base) {
    base.setBold(true);
    base.setPointSizeF(base.pointSizeF() * 1.2);
    return base;
}

QLabel* titoloPannello(const char* testo, QWidget* genitore) {
    auto* t = new QLabel(testo, genitore);
    t->setFont(carattereTitolo(t->font()));
    return t;
}

PannelloDefinizioni::PannelloDefinizioni(QWidget* genitore) : QWidget(genitore) {
    setObjectName("PannelloDefinizioni");
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    orizzontali_ = nuovaLista(this, "ListaOrizzontali", "Definizioni orizzontali");
    verticali_ = nuovaLista(this, "ListaVerticali", "Definizioni verticali");
    layout->addWidget(titoloPannello("ORIZZONTALI", this));
    layout->addWidget(orizzontali_, 1);
    layout->addWidget(titoloPannello("VERTICALI", this));
    layout->addWidget(verticali_, 1);
    for (QListWidget* l : {orizzontali_, verticali_}) {
        l->setItemDelegate(new MisureDefinizioni(l));
        // A row with no cell in any word (all black) leads nowhere.
        connect(l, &QListWidget::itemClicked, this, [this](QListWidgetItem* voce) {
            if (const int i = voce->data(ruoloIndice).toInt(); i >= 0) emit parolaScelta(i);
        });
        connect(l, &QListWidget::itemActivated, this, [this](QListWidgetItem* voce) {
            if (!voce->listWidget()->hasFocus()) return;  // a click, told already
            rendiTastiera();
            if (const int i = voce->data(ruoloIndice).toInt(); i >= 0) emit parolaScelta(i);
        });
        l->installEventFilter(this);
    }
}

void PannelloDefinizioni::prendiTastiera() {
    QListWidget* l = verticali_->currentItem() && verticali_->currentItem()->isSelected() ? verticali_ : orizzontali_;
    for (QListWidget* x : {orizzontali_, verticali_}) x->setFocusPolicy(Qt::StrongFocus);
    if (!l->currentItem() && l->count() > 0) l->setCurrentRow(0);
    l->setFocus(Qt::ShortcutFocusReason);
}

void PannelloDefinizioni::rendiTastiera() {
    for (QListWidget* x : {orizzontali_, verticali_}) x->setFocusPolicy(Qt::NoFocus);
    emit tastieraResa();
}

bool PannelloDefinizioni::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape) {
        rendiTastiera();
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}

void PannelloDefinizioni::aggiornaAltri(const Cruciverba& cruciverba) {
    // Each list's name in capitals, then its clues; a name is marked by a leading tab.
    QStringList righe;
    for (size_t i = 2; i < cruciverba.elenchi.size(); ++i) {
        const ElencoDefinizioni& e = cruciverba.elenchi[i];
        if (e.definizioni.empty()) continue;
        righe << "\t" + QString::fromStdString(e.direzione).toUpper();
        for (const Definizione& w : e.definizioni)
            righe << QString::fromStdString(w.etichetta.empty() ? w.testo : w.etichetta + " " + w.testo);
    }
    if (righe == mostrateAltre_) return;
    mostrateAltre_ = righe;
    // The file's other lists (diagonals, its own names) go below the down clues, made when a
    // puzzle first has some, so a start without them does not make a third list.
    if (!altri_) {
        if (righe.isEmpty()) return;
        altri_ = nuovaLista(this, "ListaAltre", "Altre definizioni");
        altri_->setSelectionMode(QAbstractItemView::NoSelection);
        static_cast<QBoxLayout*>(layout())->addWidget(altri_, 1);
    }
    altri_->clear();
    for (const QString& riga : righe) {
        const bool nome = riga.startsWith('\t');
        auto* voce = new QListWidgetItem(nome ? riga.mid(1) : riga, altri_);
        if (!nome) continue;
        QFont f = voce->font();
        f.setBold(true);
        voce->setFont(f);
    }
    altri_->setVisible(!righe.isEmpty());
}

void PannelloDefinizioni::aggiorna(const Navigazione& nav, const Cruciverba& cruciverba, int corrente,
                                   bool senzaProgresso) {
    if (cruciverba.variante == Variante::senzaSchema) {
        riempiRighe(orizzontali_, nav, cruciverba, corrente, senzaProgresso);
        riempiRighe(verticali_, nav, cruciverba, corrente, senzaProgresso);
        aggiornaAltri(cruciverba);
        return;
    }
    riempi(orizzontali_, nav.elenco(cruciverba, Direzione::orizzontale), nav, corrente, senzaProgresso);
    riempi(verticali_, nav.elenco(cruciverba, Direzione::verticale), nav, corrente, senzaProgresso);
    aggiornaAltri(cruciverba);
}

void PannelloDefinizioni::riempi(QListWidget* lista, const std::vector<VoceElenco>& voci, const Navigazione& nav,
                               int corrente, bool senzaProgresso) {
    // Rebuilt only when the words changed, so the scroll position stays while typing.
    const bool diTraverso = lista == orizzontali_;
    std::vector<std::string>& mostrate = diTraverso ? mostrateOrizzontali_ : mostrateVerticali_;
    // What each entry shows as complete, kept here: asking the items costs a lookup per entry per key.
    std::vector<char>& grigie = diTraverso ? grigieOrizzontali_ : grigieVerticali_;
    bool uguali = mostrate.size() == voci.size() && lista->count() == static_cast<int>(voci.size());
    for (size_t i = 0; uguali && i < voci.size(); ++i) uguali = mostrate[i] == voci[i].voce;
    if (!uguali) {
        lista->clear();
        mostrate.clear();
        for (const VoceElenco& v : voci) {
            auto* voce = new QListWidgetItem(QString::fromStdString(v.voce).trimmed(), lista);
            voce->setData(ruoloIndice, v.parola ? static_cast<int>(v.parola - nav.parole().data()) : -1);
            mostrate.push_back(v.voce);
        }
        grigie.assign(voci.size(), 0);
    }
    QListWidgetItem* scelta = nullptr;
    for (int i = 0; i < lista->count(); ++i) {
        const size_t k = static_cast<size_t>(i);
        const bool completa = !senzaProgresso && voci[k].completa;
        if (voci[k].parola && voci[k].parola - nav.parole().data() == corrente) scelta = lista->item(i);
        // Set only when it changes: every change repaints the list.
        if ((grigie[k] != 0) != completa || !uguali) {
            QListWidgetItem* voce = lista->item(i);
            grigie[k] = completa;
            ingrigisci(lista, voce, completa, ", risolta", uguali);
        }
    }
    scegli(lista, scelta, uguali);
}

namespace {

// Every cell of the row (column) holds a letter or a black square: nothing of the solution told.
bool rigaPiena(const Cruciverba& x, bool perRiga, int n) {
    const int fine = perRiga ? x.colonne() : x.righe();
    for (int i = 1; i <= fine; ++i) {
        const Cella& z = perRiga ? x.cella(i, n) : x.cella(n, i);
        if (z.tipo == TipoCella::bianca && z.voce.empty()) return false;
    }
    return true;
}

}  // namespace

void PannelloDefinizioni::riempiRighe(QListWidget* lista, const Navigazione& nav, const Cruciverba& x, int corrente,
                                      bool senzaProgresso) {
    const bool perRiga = lista == orizzontali_;
    const Direzione d = perRiga ? Direzione::orizzontale : Direzione::verticale;
    const std::vector<std::string> righe = righeDefinizioni(x, perRiga ? nomeRighe : nomeColonne);
    std::vector<std::string>& mostrate = perRiga ? mostrateOrizzontali_ : mostrateVerticali_;
    std::vector<char>& grigie = perRiga ? grigieOrizzontali_ : grigieVerticali_;
    const bool uguali = mostrate == righe && lista->count() == static_cast<int>(righe.size());
    if (!uguali) {
        lista->clear();
        for (const std::string& r : righe) new QListWidgetItem(QString::fromStdString(r), lista);
        mostrate = righe;
        grigie.assign(righe.size(), 0);
    }
    const Parola* w = corrente >= 0 && static_cast<size_t>(corrente) < nav.parole().size()
                          ? &nav.parole()[static_cast<size_t>(corrente)]
                          : nullptr;
    const int attuale = w && w->direzione == d ? rigaDellaParola(*w) : 0;
    QListWidgetItem* scelta = nullptr;
    for (int i = 0; i < lista->count(); ++i) {
        QListWidgetItem* voce = lista->item(i);
        const int numero = std::atoi(righe[static_cast<size_t>(i)].c_str());
        if (numero == attuale) scelta = voce;
        const QSignalBlocker zitto(lista->model());
        // The word a click leads to changes as the player's black squares come and go.
        voce->setData(ruoloIndice, parolaDellaRiga(nav, d, numero));
        const bool piena = !senzaProgresso && numero > 0 && rigaPiena(x, perRiga, numero);
        if ((grigie[static_cast<size_t>(i)] != 0) == piena && uguali) continue;
        grigie[static_cast<size_t>(i)] = piena;
        ingrigisci(lista, voce, piena, ", completa", uguali);
    }
    scegli(lista, scelta, uguali);
}

}  // namespace quadrivo
