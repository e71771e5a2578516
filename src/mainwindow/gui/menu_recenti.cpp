#include "mainwindow/gui/menu_recenti.h"

#include <QDir>

#include "dialogs/cartelle.h"
#include "model/file.h"

namespace quadrivo {

MenuRecenti::MenuRecenti(Impostazioni& impostazioni, QWidget* genitore)
    : QMenu("&Recenti", genitore), impostazioni_(impostazioni) {
    setObjectName("MenuRecenti");
    aggiorna();
}

void MenuRecenti::ricorda(const std::string& percorso) {
    if (percorso.empty() || percorso.front() != '/') return;
    ricordaAperto(impostazioni_, percorso);
    aggiorna();
}

void MenuRecenti::aggiorna() {
    clear();
    const std::vector<std::string> recenti = fileRecenti(impostazioni_);
    const QString casa = QDir::homePath();
    for (size_t i = 0; i < recenti.size(); ++i) {
        const std::string percorso = recenti[i];
        // The name, and its folder for two puzzles of the same name.
        QString cartella = nomeQt(cartellaDi(percorso));
        if (cartella.startsWith(casa + "/") || cartella == casa) cartella.replace(0, casa.size(), "~");
        const QString voce = nomeQt(percorso.substr(percorso.rfind('/') + 1)) + "   (" + cartella + ")";
        QAction* a = addAction(QString("&%1 %2").arg((i + 1) % 10).arg(QString(voce).replace("&", "&&")));
        a->setToolTip(nomeQt(percorso));
        a->setStatusTip(nomeQt(percorso));
        connect(a, &QAction::triggered, this, [this, percorso] { emit scelto(percorso); });
    }
    if (recenti.empty()) addAction("(nessuno)")->setEnabled(false);
    addSeparator();
    QAction* svuota = addAction("&Svuota elenco");
    svuota->setEnabled(!recenti.empty());
    connect(svuota, &QAction::triggered, this, [this] {
        svuotaFileRecenti(impostazioni_);
        aggiorna();
    });
}

}  // namespace quadrivo
