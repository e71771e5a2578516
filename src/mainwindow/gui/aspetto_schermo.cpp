#include "mainwindow/gui/aspetto_schermo.h"

#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QPalette>
#include <algorithm>
#include <array>
#include <tuple>

#include "model/impostazioni.h"
#include "model/opzioni_utente.h"
#include "qt/area_disegno.h"

namespace quadrivo {

AspettoSchermo::AspettoSchermo(AreaDisegno* area, Impostazioni& impostazioni)
    : QObject(area), area_(area), impostazioni_(impostazioni) {}

void AspettoSchermo::creaVoci(QMenu* opzioni) {
    // Zoom: cells past what the window holds, the grid following the current cell.
    const std::tuple<const char*, const char*, QList<QKeySequence>, int> passi[] = {
        {"MenuIngrandisci",
         "&Ingrandisci schema",
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         1},
        {"MenuRiduci", "Ri&duci schema", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, -1},
        {"MenuDimensioneNormale", "Dimensione &normale", {QKeySequence(Qt::CTRL | Qt::Key_0)}, 0}};
    for (const auto& [nome, testo, tasti, verso] : passi) {
        QAction* a = opzioni->addAction(testo);
        a->setObjectName(nome);
        a->setShortcuts(tasti);
        connect(a, &QAction::triggered, this, [this, verso = verso] {
            if (primaDelloZoom && primaDelloZoom(verso)) return;
            static constexpr double livelli[] = {1, 1.25, 1.5, 2, 2.5, 3, 4};
            int i = 0;
            while (i + 1 < 7 && livelli[i] < zoom_) ++i;
            zoom_ = verso == 0 ? 1 : livelli[std::clamp(i + verso, 0, 6)];
            emit cambiato();
        });
    }

    QMenu* aspetti = opzioni->addMenu("&Aspetto");
    aspetti->setObjectName("MenuAspetto");
    auto* gruppo = new QActionGroup(this);
    const int scelto = std::clamp(impostazioni_.opzione(chiaveAspetto, 0).toInt(), 0, 2);
    for (int i = 0; i < 3; ++i) {
        QAction* a = aspetti->addAction(std::array{"&Normale", "Alto &contrasto", "&Scuro"}[static_cast<size_t>(i)]);
        a->setObjectName(QString("MenuAspetto%1").arg(i + 1));
        a->setCheckable(true);
        a->setChecked(i == scelto);
        gruppo->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] {
            impostazioni_.salvaOpzione(chiaveAspetto, i);
            impostaAspetto(static_cast<Aspetto>(i));
        });
    }
    if (scelto != 0) impostaAspetto(static_cast<Aspetto>(scelto));
}

void AspettoSchermo::impostaAspetto(Aspetto aspetto) {
    static const QPalette originale = QApplication::palette();
    static const QColor sfondoOriginale = area_->sfondo();
    aspetto_ = aspetto;
    QPalette p = originale;
    QColor sfondo = sfondoOriginale;
    const auto colori = [&p](QColor fondo, QColor testo, QColor base, QColor pulsante, QColor evidenza) {
        for (auto ruolo : {QPalette::Window, QPalette::ToolTipBase}) p.setColor(ruolo, fondo);
        for (auto ruolo : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
            p.setColor(ruolo, testo);
        for (auto ruolo : {QPalette::Base, QPalette::AlternateBase}) p.setColor(ruolo, base);
        p.setColor(QPalette::Button, pulsante);
        p.setColor(QPalette::Highlight, evidenza);
        p.setColor(QPalette::HighlightedText, Qt::white);
        p.setColor(QPalette::Disabled, QPalette::WindowText, testo.darker(170));
        p.setColor(QPalette::Disabled, QPalette::Text, testo.darker(170));
        p.setColor(QPalette::Disabled, QPalette::ButtonText, testo.darker(170));
    };
    if (aspetto == Aspetto::altoContrasto) {
        colori(Qt::white, Qt::black, Qt::white, Qt::white, QColor(0, 0, 160));
        // Off must look off: a darkened black would be black again (the status-bar indicators).
        for (auto ruolo : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            p.setColor(QPalette::Disabled, ruolo, QColor(118, 118, 118));
        sfondo = Qt::white;
    } else if (aspetto == Aspetto::scuro) {
        colori(QColor(37, 37, 38), QColor(230, 230, 230), QColor(30, 30, 30), QColor(55, 55, 58), QColor(60, 110, 180));
        p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
        sfondo = QColor(37, 37, 38);
    }
    QApplication::setPalette(p);
    area_->impostaSfondo(sfondo);
    emit cambiato();
}

}  // namespace quadrivo
