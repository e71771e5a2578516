#pragma once
// The texts a list shows, in one string a comparison can print.
#include <QAbstractItemModel>
#include <QListWidget>
#include <QStringList>

namespace quadrivo::prova {

// The items of a list widget, as "a|b|c".
inline QString elenco(const QListWidget& lista) {
    QStringList t;
    for (int i = 0; i < lista.count(); ++i) t << lista.item(i)->text();
    return t.join('|');
}

// The rows of a model's first column, as "a, b, c".
inline QString righe(const QAbstractItemModel& modello) {
    QStringList r;
    for (int i = 0; i < modello.rowCount(); ++i) r << modello.index(i, 0).data().toString();
    return r.join(", ");
}

}  // namespace quadrivo::prova
