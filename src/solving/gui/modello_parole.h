#pragma once
// The words a dictionary search found, as a list model: a view asks only for the rows it
// shows, so 50,000 words cost one copy of their bytes and no item objects.
#include <QAbstractListModel>

#include "solving/lessico.h"

class QComboBox;

namespace quadrivo {

class ModelloParole : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // A new model behind `lista`, whose drop-down then lays out rows of one height.
    static ModelloParole* perLista(QComboBox* lista);

    void imposta(const ParoleTrovate& parole);
    // Lines with a note after the word ("ROMA (12)", "PARIGI (consonanti)").
    void imposta(std::vector<VoceRicerca> voci);
    void svuota();
    // Qt::UserRole gives the word a choice writes, "" for a line only to be read.

    int rowCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& indice, int ruolo = Qt::DisplayRole) const override;

private:
    ParoleTrovate parole_;
    std::vector<VoceRicerca> voci_;
};

}  // namespace quadrivo
