#include "solving/gui/pannelli_giochi.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPaintEvent>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "solving/gui/pannello_definizioni.h"

namespace quadrivo {

namespace {

const QColor grigio(128, 128, 128);
const QColor rosso(200, 0, 0);

// A list view paints every entry within the bounding box of what changed: two letters struck
// out at the alphabet's two ends would repaint all of it. The pieces are painted one by one.
class ListaAPezzi : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void paintEvent(QPaintEvent* evento) override {
        const QRegion regione = evento->region();
        if (regione.rectCount() < 2) return QListWidget::paintEvent(evento);
        for (const QRect& r : regione) {
            QPaintEvent pezzo(r);
            QListWidget::paintEvent(&pezzo);
        }
    }
};

// The view asks an entry's size at each paint of it, and the style lays the text out to answer:
// the sizes are kept per text and font, the entries being single lines.
class MisureVoci : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& opzione, const QModelIndex& indice) const override {
        const QVariant font = indice.data(Qt::FontRole);
        const QString chiave = (font.isValid() ? font.value<QFont>() : opzione.font).key() + '|' +
                               indice.data(Qt::DisplayRole).toString();
        if (const auto trovata = misure_.constFind(chiave); trovata != misure_.cend()) return *trovata;
        if (misure_.size() > 1024) misure_.clear();
        return misure_[chiave] = QStyledItemDelegate::sizeHint(opzione, indice);
    }

private:
    mutable QHash<QString, QSize> misure_;
};

// A list the keyboard reaches only by Tab: a click on it leaves the typing on the grid. With a
// `campione` (its widest entry) the entries flow in rows, as a printed key does.
QListWidget* nuovaLista(QWidget* genitore, const char* nome, const char* leggibile, const char* campione) {
    auto* l = new ListaAPezzi(genitore);
    l->setObjectName(nome);
    l->setAccessibleName(leggibile);
    l->setFocusPolicy(Qt::TabFocus);
    l->setSelectionMode(QAbstractItemView::NoSelection);
    l->setItemDelegate(new MisureVoci(l));
    if (campione) {
        l->setFlow(QListView::LeftToRight);
        l->setWrapping(true);
        l->setResizeMode(QListView::Adjust);
        l->setTextElideMode(Qt::ElideNone);
        // Every entry as wide as the widest, so the columns line up.
        const QFontMetrics m(l->font());
        l->setGridSize(QSize(m.horizontalAdvance(QString(campione)) + 14, m.height() + 8));
    }
    return l;
}


void barra(QListWidgetItem* voce, bool barrata) {
    QFont f = voce->font();
    f.setStrikeOut(barrata);
    voce->setFont(f);
    voce->setForeground(barrata ? QBrush(grigio) : QBrush());
}

// Changes an entry of a list whose places are fixed by its grid: told to the view, every change
// would lay out the whole list again; only the entry's pixels change.
template <typename F>
void cambia(QListWidgetItem* voce, F modifica) {
    QListWidget* l = voce->listWidget();
    {
        const QSignalBlocker zitto(l->model());
        modifica();
    }
    // The whole cell of the grid: an entry's own rectangle follows its text, and a "!" taken
    // away would stay on screen past a shorter text.
    QRect zona = l->visualItemRect(voce);
    if (l->gridSize().isValid()) zona.setSize(l->gridSize());
    l->viewport()->update(zona);
}

void pausa(QListWidget* l) {
    l->clear();
    new QListWidgetItem("In pausa.", l);
}

}  // namespace

void PannelloGioco::prendiTastiera() {
    if (!principale_ || !isVisible()) return;
    if (!principale_->currentItem() && principale_->count() > 0) principale_->setCurrentRow(0);
    principale_->setFocus(Qt::ShortcutFocusReason);
}

bool PannelloGioco::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape) {
        emit tastieraResa();
        return true;
    }
    return QWidget::eventFilter(oggetto, evento);
}

PannelloChiave::PannelloChiave(QWidget* genitore) : PannelloGioco(genitore) {
    setObjectName("PannelloChiave");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    codici_ = nuovaLista(this, "ListaChiave", "Chiave: i codici e le loro lettere", "26 = W !");
    alfabeto_ = nuovaLista(this, "ListaAlfabeto", "Alfabeto", "W");
    layout->addWidget(titoloPannello("CHIAVE", this));
    layout->addWidget(codici_, 2);
    layout->addWidget(titoloPannello("ALFABETO", this));
    layout->addWidget(alfabeto_, 1);
    principale_ = codici_;
    for (QListWidget* l : {codici_, alfabeto_}) l->installEventFilter(this);
}

void PannelloChiave::mostra(const TabellaChiave& chiave) {
    // Only the entries that changed are set again: a key changes one code, and the list repaints
    // only those.
    if (codici_->count() != static_cast<int>(chiave.codici.size()) || mostrati_.size() != chiave.codici.size()) {
        codici_->clear();
        for (size_t i = 0; i < chiave.codici.size(); ++i) new QListWidgetItem(codici_);
        mostrati_.assign(chiave.codici.size(), VoceChiave{-1, {}, false});
    }
    for (size_t i = 0; i < chiave.codici.size(); ++i) {
        const VoceChiave& v = chiave.codici[i];
        if (v == mostrati_[i]) continue;
        QListWidgetItem* voce = codici_->item(static_cast<int>(i));
        cambia(voce, [&] {
            const QString lettera = QString::fromStdString(v.lettera);
            voce->setText(
                QString("%1 = %2%3").arg(v.codice).arg(lettera.isEmpty() ? "_" : lettera).arg(v.doppia ? " !" : ""));
            voce->setForeground(v.doppia ? QBrush(rosso) : QBrush());
            voce->setData(Qt::AccessibleTextRole, QString("codice %1: %2%3")
                                                      .arg(v.codice)
                                                      .arg(lettera.isEmpty() ? "nessuna lettera" : lettera)
                                                      .arg(v.doppia ? ", doppia" : ""));
        });
        mostrati_[i] = v;
    }
    if (alfabeto_->count() != static_cast<int>(chiave.alfabeto.size()) ||
        alfabetoMostrato_.size() != chiave.alfabeto.size()) {
        alfabeto_->clear();
        for (const LetteraAlfabeto& a : chiave.alfabeto) new QListWidgetItem(QString(QChar(a.lettera)), alfabeto_);
        alfabetoMostrato_.assign(chiave.alfabeto.size(), LetteraAlfabeto{' ', true});
    }
    for (size_t i = 0; i < chiave.alfabeto.size(); ++i) {
        const LetteraAlfabeto& a = chiave.alfabeto[i];
        if (a == alfabetoMostrato_[i]) continue;
        QListWidgetItem* voce = alfabeto_->item(static_cast<int>(i));
        cambia(voce, [&] {
            voce->setText(QString(QChar(a.lettera)));
            barra(voce, a.usata);
            voce->setData(Qt::AccessibleTextRole, QString(QChar(a.lettera)) + (a.usata ? ", usata" : ""));
        });
        alfabetoMostrato_[i] = a;
    }
}

void PannelloChiave::mostraPausa() {
    pausa(codici_);
    alfabeto_->clear();
    mostrati_.clear();
    alfabetoMostrato_.clear();
}

PannelloBanca::PannelloBanca(QWidget* genitore) : PannelloGioco(genitore) {
    setObjectName("PannelloBanca");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    parole_ = nuovaLista(this, "ListaBanca", "Parole da inserire", nullptr);
    layout->addWidget(titoloPannello("PAROLE", this));
    layout->addWidget(parole_, 1);
    principale_ = parole_;
    parole_->installEventFilter(this);
}

void PannelloBanca::mostra(const std::vector<RigaBanca>& righe) {
    if (righe == mostrate_ && parole_->count() == static_cast<int>(righe.size())) return;
    parole_->clear();
    for (const RigaBanca& r : righe) {
        auto* voce = new QListWidgetItem(QString::fromStdString(r.testo), parole_);
        if (r.titolo) {
            QFont f = voce->font();
            f.setBold(true);
            voce->setFont(f);
            continue;
        }
        barra(voce, r.cancellata);
        voce->setData(Qt::AccessibleTextRole, voce->text() + (r.cancellata ? ", inserita" : ""));
    }
    mostrate_ = righe;
}

void PannelloBanca::mostraPausa() {
    pausa(parole_);
    mostrate_.clear();
}

}  // namespace quadrivo
