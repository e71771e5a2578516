// Form1's dialog handlers: open, save as, font, toolbar dispatch, help and about.
#include <QDir>
#include <QStandardPaths>
#include <QWindow>
#include <algorithm>

#include "dialogs/gui/collegamenti.h"
#include "dialogs/gui/fonten.h"
#include "dialogs/gui/form2.h"
#include "dialogs/gui/finestra_guida.h"
#include "dialogs/gui/form3.h"
#include "dialogs/cartelle.h"
#include "model/file.h"
#include "model/impostazioni.h"
#include "model/opzioni_utente.h"
#include "dialogs/periferia.h"
#include "mainwindow/finestra.h"
#include "sessione/lavoro.h"
#include "sessione/salvataggio.h"
#include "dialogs/gui/tessosav.h"
#include "mainwindow/gui/dati_giocatore.h"
#include "mainwindow/gui/barra_strumenti.h"
#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/form1.h"

#include "qt/voce.h"
#include "mainwindow/gui/menu_recenti.h"
#include "mainwindow/gui/sfondo.h"

namespace quadrivo {

namespace {

// A dialog without a parent widget (so that disabling the main window leaves it usable) is
// still kept above the main window by the window manager.
void sopraDi(QWidget* dialogo, QWidget* finestra) {
    dialogo->winId();
    if (dialogo->windowHandle() && finestra->windowHandle())
        dialogo->windowHandle()->setTransientParent(finestra->windowHandle());
}

}  // namespace

void Form1::MenuApri_Click() {
    nascondiPassaggio();
    piattaforma_.impostaPuntatore(Puntatore::clessidra);
    // The background picture, never the grid: a puzzle stays drawn behind the dialog.
    if (Picture1->isVisible() && !sessione_->aperto()) {
        Picture1->hide();
        superficie().pulisci();
        area_->update();
    }
    lasciaAnteprima();
    nascondiLabel1();
    if (!lasciaSchema()) {
        piattaforma_.impostaPuntatore(Puntatore::predefinito);
        disegnaGriglia();
        return;
    }

    setEnabled(false);
    auto* form2 = new Form2(stato_, sessione_->documento(), piattaforma_, [this](const std::string& p) { return sessione_->apri(p); }, this);
    // Still no puzzle: the background picture hidden for the dialog comes back.
    connect(form2, &Form2::chiuso, this, [this](bool) {
        if (!sessione_->aperto()) Picture1->mostra();
        tornaAllaGriglia();
    });
    sopraDi(form2, this);
    form2->show();
    Toolbar1->repaint();
}

void Form1::MenuSalvaCN_Click() { salvaConNome({}); }

void Form1::salvaConNome(const QString& avviso) {
    lasciaLaGriglia();
    setEnabled(false);
    {
        TessoSav dialogo(stato_, sessione_->documento(), piattaforma_,
                         [this](const std::string& cartella, const std::string& nome, const std::string& autore) {
                             return sessione_->salvaConNome(cartella, nome, autore);
                         },
                         this);
        dialogo.avvisa(avviso);
        sopraDi(&dialogo, this);
        if (dialogo.exec() == QDialog::Accepted && dialogo.esito() == EsitoSalvataggio::salvato) {
            menuRecenti_->ricorda(sessione_->nomeFile());
            annuncia(area_, "Salvato: " + nomeQt(sessione_->nomeFile()).section('/', -1));
        }
    }
    setEnabled(true);
    tornaAllaGriglia();
    aggiornaTitolo();
    Toolbar1->repaint();
}

void Form1::creaMenuRecenti() {
    menuRecenti_ = new MenuRecenti(MenuFile);
    MenuFile->insertMenu(MenuSalva, menuRecenti_);
    connect(menuRecenti_, &MenuRecenti::scelto, this, [this](const std::string& percorso) {
        lasciaLaGriglia();
        if (!lasciaSchema()) return;
        Picture1->hide();
        apriSchemaScelto([this](const std::string& p) { return sessione_->apri(p); }, piattaforma_, "/", percorso);
    });
}

void Form1::MenuFont_Click() {
    nascondiLabel1();
    if (!fONTEN) fONTEN = new FONTEN(stato_, piattaforma_, {}, {}, this);
    fONTEN->exec();
    salvaValoreUtente(chiaveCarattere, QString::fromStdString(stato_.nomeFont));
    salvaValoreUtente(chiaveCorsivo, stato_.carattereSchermo.corsivo);
    salvaValoreUtente(chiaveGrassetto, stato_.carattereSchermo.grassetto);
    dati_->salva();
    // The grid drawing sets name and size itself and keeps the window font's style.
    superficie().impostaCorsivo(stato_.carattereSchermo.corsivo);
    superficie().impostaGrassetto(stato_.carattereSchermo.grassetto);
    disegnaGriglia();
}

void Form1::Toolbar1_ButtonClick(const QString& chiave) {
    Toolbar1->setVisible(false);
    Toolbar1->setVisible(true);
    switch (azioneBarra(chiave.toStdString())) {
    case AzioneBarra::apri: MenuApri_Click(); break;
    case AzioneBarra::salva: MenuSalva_Click(); break;
    case AzioneBarra::stampa:
        // The page is printed from the grid view: a preview shown is closed first, as the menu does.
        lasciaAnteprima();
        stampaSchema();
        break;
    case AzioneBarra::anteprima: anteprimaStampa(); break;
    case AzioneBarra::font: MenuFont_Click(); break;
    case AzioneBarra::cancella:
        MenuAzzera_Click();
        // Also when the clearing was refused.
        Toolbar1->repaint();
        Toolbar1->setVisible(true);
        break;
    case AzioneBarra::controlla: MenuCS_Click(); break;
    case AzioneBarra::nessuna: break;
    }
}

void Form1::Toolbar1_MouseMove() {
    if (piattaforma_.puntatore() != Puntatore::predefinito) piattaforma_.impostaPuntatore(Puntatore::predefinito);
}

void Form1::MenuAiuto_Click() { mostraGuida(false); }

void Form1::MenuTasti_Click() { mostraGuida(true); }

void Form1::mostraGuida(bool soloTasti) {
    nascondiLabel1();
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
    if (!guida_) guida_ = new FinestraGuida(this);
    guida_->mostra(soloTasti);
}

void Form1::menuPHP_Click() { apriSitoAutore(piattaforma_); }

void Form1::ManueMail_Click() { apriPostaAutore(piattaforma_); }

void Form1::MenuInfo_Click() {
    lasciaAnteprima();
    nascondiLabel1();
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
    {
        Form3 informazioni(piattaforma_, [this] { return infoSistema(); }, this);
        informazioni.exec();
    }
    Toolbar1->repaint();
}

std::string Form1::infoSistema() const {
    InfoSistema info;
    info.versioneQt = qVersion();
    info.versioneQtCompilazione = QT_VERSION_STR;
    const QString opzioni = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Quadrivo/Quadrivo.conf";
    info.cartelle = {{"Programma e dizionari", stato_.cartellaProgramma},
                     // The player's copy of the settings when there is one, the program's otherwise.
                     {"Impostazioni (" + std::string(nomeFileImpostazioni) + ")",
                      !stato_.cartellaUtente.empty() && esisteFile(stato_.cartellaUtente + nomeFileImpostazioni)
                          ? stato_.cartellaUtente
                          : stato_.cartellaProgramma},
                     {"Opzioni del giocatore", percorsoDaQt(opzioni)},
                     {"Tempi e segni delle partite", sessione_->archivio().percorsoFile()},
                     {"Copie di lavoro", cartellaCopie()},
                     {"Cruciverba", cartellaCruciverba()}};
    if (stato_.indiceParole) {
        long long parole = 0;
        for (const std::int32_t n : stato_.contaLessico) parole += n;
        info.dizionari.push_back(stato_.cartellaProgramma + stato_.fileLessico + ": " + std::to_string(parole) + " parole");
    }
    return testoInfoSistema(info);
}

void Form1::Picture2_Click() { menuPHP_Click(); }

void Form1::StatusBar1_DblClick() { MenuInfo_Click(); }

}  // namespace quadrivo
