#include "solving/gui/modello_parole.h"

#include <QComboBox>
#include <QListView>
#include <QProxyStyle>
#include <QStyleFactory>

#include "model/testo.h"

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
    voci_.clear();
    endResetModel();
}

void ModelloParole::imposta(std::vector<VoceRicerca> voci) {
    beginResetModel();
    parole_ = {};
    voci_ = std::move(voci);
    endResetModel();
}

void ModelloParole::svuota() { imposta(ParoleTrovate{}); }

int ModelloParole::rowCount(const QModelIndex& genitore) const {
    const std::size_t n = voci_.empty() ? parole_.size() : voci_.size();
    return genitore.isValid() ? 0 : static_cast<int>(std::min<std::size_t>(n, INT_MAX));
}

QVariant ModelloParole::data(const QModelIndex& indice, int ruolo) const {
    if (!indice.isValid() || indice.row() < 0 || indice.row() >= rowCount()) return {};
    if (ruolo != Qt::DisplayRole && ruolo != Qt::EditRole && ruolo != Qt::UserRole) return {};
    const auto i = std::size_t(indice.row());
    if (voci_.empty()) return QString::fromStdString(parole_.utf8(i));
    const VoceRicerca& v = voci_[i];
    const QString parola = QString::fromStdString(daWindows1252(v.parola));
    if (ruolo == Qt::UserRole) return parola;
    return v.nota.empty() ? parola : parola.isEmpty() ? QString::fromStdString(v.nota) : parola + "  " + QString::fromStdString(v.nota);
}

}  // namespace quadrivo
