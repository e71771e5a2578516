#include "mainwindow/gui/lingue.h"

#include "model/impostazioni.h"
#include "model/opzioni_utente.h"
#include "model/stato.h"
#include "solving/lessico.h"

namespace quadrivo {

Lingue::Lingue(Stato& stato, Piattaforma& piattaforma, Impostazioni& impostazioni, const QList<QAction*>& voci,
               QObject* genitore)
    : QActionGroup(genitore), stato_(stato), piattaforma_(piattaforma), impostazioni_(impostazioni) {
    setExclusive(true);
    for (QAction* a : voci) {
        addAction(a);
        a->setData(a->text());
    }
    connect(this, &QActionGroup::triggered, this,
            [this](QAction* a) { scegli(static_cast<int>(actions().indexOf(a)) + 1); });
}

void Lingue::scegli(int lingua) {
    if (scegliLingua(stato_, piattaforma_, lingua)) {
        impostazioni_.salvaOpzione(chiaveLingua, lingua);
        emit cambiata();
    }
    segna();
}

void Lingue::segna() {
    const QList<QAction*> voci = actions();
    if (QAction* a = voci.value(stato_.linguaLessico - 1)) a->setChecked(true);
    for (int i = 0; i < voci.size() && i < 4; ++i) {
        QAction* a = voci[i];
        const std::string motivo = motivoLessico(stato_.cartelle.programma + fileLessicoPerLingua[i + 1]);
        const QString perche = QString::fromStdString(
            motivo.empty() ? motivo
                           : "non disponibile: il file " + std::string(fileLessicoPerLingua[i + 1]) + " " + motivo);
        a->setText(a->data().toString() + (perche.isEmpty() ? QString() : " (" + perche + ")"));
        a->setToolTip(perche);
        a->setStatusTip(perche);
    }
}

}  // namespace quadrivo
