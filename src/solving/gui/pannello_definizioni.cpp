#include "solving/gui/pannello_definizioni.h"

#include <QLabel>
#include <QSignalBlocker>
#include <algorithm>
#include <QVBoxLayout>

namespace quadrivo {

namespace {

constexpr int ruoloIndice = Qt::UserRole;
constexpr int ruoloCompleta = Qt::UserRole + 1;

QListWidget* nuovaLista(QWidget* genitore, const char* nome, const char* leggibile) {
    auto* l = new QListWidget(genitore);
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

QLabel* titolo(const char* testo, QWidget* genitore) {
    auto* t = new QLabel(testo, genitore);
    QFont f = t->font();
    f.setBold(true);
    t->setFont(f);
    return t;
}

}  // namespace

PannelloDefinizioni::PannelloDefinizioni(QWidget* genitore) : QWidget(genitore) {
    setObjectName("PannelloDefinizioni");
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    orizzontali_ = nuovaLista(this, "ListaOrizzontali", "Definizioni orizzontali");
    verticali_ = nuovaLista(this, "ListaVerticali", "Definizioni verticali");
    layout->addWidget(titolo("ORIZZONTALI", this));
    layout->addWidget(orizzontali_, 1);
    layout->addWidget(titolo("VERTICALI", this));
    layout->addWidget(verticali_, 1);
    for (QListWidget* l : {orizzontali_, verticali_})
        connect(l, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* voce) { emit parolaScelta(voce->data(ruoloIndice).toInt()); });
}

void PannelloDefinizioni::aggiorna(const Navigazione& nav, const Cruciverba& cruciverba, int corrente,
                                   bool senzaProgresso) {
    riempi(orizzontali_, nav.elenco(cruciverba, orizzontale), nav, corrente, senzaProgresso);
    riempi(verticali_, nav.elenco(cruciverba, verticale), nav, corrente, senzaProgresso);
}

void PannelloDefinizioni::riempi(QListWidget* lista, const std::vector<VoceElenco>& voci, const Navigazione& nav,
                               int corrente, bool senzaProgresso) {
    // Rebuilt only when the words changed, so the scroll position stays while typing.
    std::vector<std::string>& mostrate = lista == orizzontali_ ? mostrateOrizzontali_ : mostrateVerticali_;
    bool uguali = mostrate.size() == voci.size() && lista->count() == static_cast<int>(voci.size());
    for (size_t i = 0; uguali && i < voci.size(); ++i) uguali = mostrate[i] == voci[i].voce;
    if (!uguali) {
        lista->clear();
        mostrate.clear();
        for (const VoceElenco& v : voci) {
            auto* voce = new QListWidgetItem(QString::fromStdString(v.voce).trimmed(), lista);
            voce->setData(ruoloIndice, static_cast<int>(v.parola - nav.parole().data()));
            mostrate.push_back(v.voce);
        }
    }
    QListWidgetItem* scelta = nullptr;
    for (int i = 0; i < lista->count(); ++i) {
        QListWidgetItem* voce = lista->item(i);
        const bool completa = !senzaProgresso && voci[static_cast<size_t>(i)].completa;
        // Set only when it changes: every change repaints the list.
        if (voce->data(ruoloCompleta).toBool() != completa || !uguali) {
            {
                // Told to the view, a change of colour lays out every word-wrapped entry
                // again; only this entry's pixels change.
                const QSignalBlocker zitto(lista->model());
                voce->setData(ruoloCompleta, completa);
                voce->setForeground(completa ? QBrush(QColor(128, 128, 128)) : QBrush());
            }
            if (uguali) lista->viewport()->update(lista->visualItemRect(voce));
        }
        if (voce->data(ruoloIndice).toInt() == corrente) scelta = voce;
    }
    if (scelta) {
        if (lista->currentItem() == scelta && uguali) return;
        lista->setCurrentItem(scelta);
        lista->scrollToItem(scelta);
    } else {
        lista->clearSelection();
        lista->setCurrentItem(nullptr);
    }
}

}  // namespace quadrivo
