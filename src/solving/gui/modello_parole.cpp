#include "solving/gui/modello_parole.h"

#include <QComboBox>
#include <QListView>

namespace quadrivo {

ModelloParole* ModelloParole::perLista(QComboBox* lista) {
    auto* modello = new ModelloParole(lista);
    lista->setModel(modello);
    if (auto* vista = qobject_cast<QListView*>(lista->view())) vista->setUniformItemSizes(true);
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
