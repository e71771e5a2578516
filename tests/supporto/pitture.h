#pragma once
// What a widget is asked to paint, as the paint events arrive.
#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

namespace quadrivo::prova {

// Installed as an event filter: every region asked for, and how many times.
class Pitture : public QObject {
public:
    QRegion regione;
    int volte = 0;
    void azzera() { regione = {}, volte = 0; }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) regione += static_cast<QPaintEvent*>(e)->region(), ++volte;
        return false;
    }
};

}  // namespace quadrivo::prova
