#include "mainwindow/gui/lingue.h"

#include "model/impostazioni.h"
#include "model/opzioni_utente.h"
#include "solving/lessico.h"

namespace quadrivo {

Lingue::Lingue(Lessico& lessico, Piattaforma& piattaforma, Impostazioni& impostazioni, const QList<QAction*>& voci,
               QObject* genitore)
    : QActionGroup(genitore), lessico_(lessico), piattaforma_(piattaforma), impostazioni_(impostazioni) {
    setExclusive(true);
    for (QAction* a : voci) {
        addAction(a);
        a->setData(a->text());
    }
    connect(this, &QActionGroup::triggered, this,
            [this](QAction* a) { scegli(static_cast<int>(actions().indexOf(a)) + 1); });
}

void Lingue::scegli(int lingua) {
    if (scegliLingua(lessico_, piattaforma_, lingua)) {
        impostazioni_.salvaOpzione(chiaveLingua, lingua);
        emit cambiata();
    }
    segna();
}

void Lingue::segna() {
    const QList<QAction*> voci = actions();
    if (QAction* a = voci.value(lessico_.lingua - 1)) a->setChecked(true);
    for (int i = 0; i < voci.size() && i < 4; ++i) {
        QAction* a = voci[i];
        const std::string motivo = motivoLessico(lessico_.cartella + fileLessicoPerLingua[i + 1]);
        const QString perche = QString::fromStdString(
            motivo.empty() ? motivo
                           : "non disponibile: il file " + std::string(fileLessicoPerLingua[i + 1]) + " " + motivo);
        a->setText(a->data().toString() + (perche.isEmpty() ? QString() : " (" + perche + ")"));
        a->setToolTip(perche);
        a->setStatusTip(perche);
    }
}

}  // namespace quadrivo
