#include "mainwindow/gui/comandi_aiuto.h"

#include <QAction>
#include <QStandardPaths>

#include "dialogs/cartelle.h"
#include "dialogs/gui/collegamenti.h"
#include "dialogs/gui/finestra_guida.h"
#include "dialogs/gui/finestra_informazioni.h"
#include "dialogs/periferia.h"
#include "model/file.h"
#include "model/impostazioni.h"
#include "qt/piattaforma_qt.h"
#include "sessione/lavoro.h"
#include "sessione/sessione.h"

namespace quadrivo {

ComandiAiuto::ComandiAiuto(Sessione& sessione, Piattaforma& piattaforma, QWidget* finestra)
    : QObject(finestra), sessione_(sessione), piattaforma_(piattaforma), finestra_(finestra) {}

void ComandiAiuto::collega(const std::function<QAction*(const char*)>& azione) {
    const std::pair<const char*, std::function<void()>> voci[] = {
        {"azioneAiuto", [this] { mostraGuida(false); }},
        {"azioneTasti", [this] { mostraGuida(true); }},
        {"azioneSitoAutore", [this] { visitaSito(); }},
        {"azioneMailAutore", [this] { mandaMail(); }},
        {"azioneInfo", [this] { informazioni(); }},
    };
    for (const auto& [nome, gestore] : voci)
        if (QAction* a = azione(nome)) connect(a, &QAction::triggered, this, gestore);
}

void ComandiAiuto::mostraGuida(bool soloTasti) {
    emit primaDiAgire(false);
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
    if (!guida_) guida_ = new FinestraGuida(finestra_);
    guida_->mostra(soloTasti);
}

void ComandiAiuto::visitaSito() { apriSitoAutore(piattaforma_); }

void ComandiAiuto::mandaMail() { apriPostaAutore(piattaforma_); }

void ComandiAiuto::informazioni() {
    emit primaDiAgire(true);
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
    {
        FinestraInformazioni finestra(piattaforma_, [this] { return infoSistema(); }, finestra_);
        finestra.exec();
    }
    emit informazioniChiuse();
}

std::string ComandiAiuto::infoSistema() const {
    InfoSistema info;
    info.versioneQt = qVersion();
    info.versioneQtCompilazione = QT_VERSION_STR;
    const QString opzioni = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Quadrivo/Quadrivo.conf";
    info.cartelle = {{"Programma e dizionari", sessione_.cartelle().programma},
                     // The player's copy of the settings when there is one, the program's otherwise.
                     {"Impostazioni (" + std::string(nomeFileImpostazioni) + ")",
                      !sessione_.cartelle().utente.empty() && esisteFile(sessione_.cartelle().utente + nomeFileImpostazioni)
                          ? sessione_.cartelle().utente
                          : sessione_.cartelle().programma},
                     {"Opzioni del giocatore", percorsoDaQt(opzioni)},
                     {"Tempi e segni delle partite", sessione_.archivio().percorsoFile()},
                     {"Copie di lavoro", cartellaCopie()},
                     {"Cruciverba", cartellaCruciverba()}};
    if (const Lessico& lessico = sessione_.lessico(); lessico.indice) {
        long long parole = 0;
        for (const std::int32_t n : lessico.conta) parole += n;
        info.dizionari.push_back(lessico.percorso() + ": " + std::to_string(parole) + " parole");
    }
    return testoInfoSistema(info);
}

}  // namespace quadrivo
