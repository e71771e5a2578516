#include "solving/gui/modello_parole.h"

#include <QComboBox>
#include <QListView>
#include <QProxyStyle>
#include <QStyleFactory>

namespace quadrivo {

namespace {

// A drop-down that opens below the box at the box's width: the styles that open it over the box
// first measure the text of every row, a tenth of a second for 50,000 words.
class StileTendina : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* opzione, const QWidget* widget,
                  QStyleHintReturn* ritorno) const override {
        if (hint == QStyle::SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, opzione, widget, ritorno);
    }
};

}  // namespace

ModelloParole* ModelloParole::perLista(QComboBox* lista) {
    auto* modello = new ModelloParole(lista);
    lista->setModel(modello);
    if (auto* vista = qobject_cast<QListView*>(lista->view())) vista->setUniformItemSizes(true);
    auto* stile = new StileTendina(lista->style()->name());
    stile->setParent(lista);
    lista->setStyle(stile);
    return modello;
}

void ModelloParole::imposta(const ParoleTrovate& parole) {
    beginResetModel();
    parole_ = parole;
    endResetModel();
}

void ModelloParole::svuota() { imposta({}); }

int ModelloParole::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(std::min<std::size_t>(parole_.size(), INT_MAX));
}

QVariant ModelloParole::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid() || indice.row() < 0 || std::size_t(indice.row()) >= parole_.size()) return {};
    if (ruolo != Qt::DisplayRole && ruolo != Qt::EditRole) return {};
    return QString::fromStdString(parole_.utf8(std::size_t(indice.row())));
}

}  // namespace quadrivo
