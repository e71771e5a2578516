// Form1's keyboard solving: the current word and cell, the keys that move and fill them, the
// clue panel on the right and the current clue above the grid. The moves are Navigazione's;
// this file routes events to it and shows the outcome.
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QActionGroup>
#include <QMenu>
#include <QPalette>
#include <array>
#include <tuple>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

#include "model/opzioni_utente.h"
#include "mainwindow/gui/form1.h"
#include "mainwindow/finestra.h"
#include "mainwindow/gui/griglia_accessibile.h"
#include "mainwindow/gui/immagini.h"
#include "model/impostazioni.h"
#include "model/file.h"
#include "model/tipo_file.h"
#include "solving/lettura.h"
#include "solving/gui/pannello_definizioni.h"
#include "solving/gui/pannello_suggerimenti.h"
#include "solving/lessico.h"
#include "solving/lessico_incroci.h"
#include "solving/inserimento.h"
#include "solving/passaggio.h"

namespace quadrivo {

namespace {

const char* const chiaveElenco = "soluzione/mostraElenco";
const char* const chiaveSaltaComplete = "soluzione/saltaParoleComplete";
const char* const chiaveSuggerimenti = "soluzione/mostraSuggerimenti";

bool opzioneUtente(const char* chiave, bool predefinita) { return valoreUtente(chiave, predefinita).toBool(); }

}  // namespace

void Form1::salvaOpzioneUtente(const char* chiave, bool valore) {
    salvaValoreUtente(chiave, valore);
    salvaDatiGiocatore();
}

void Form1::salvaDatiGiocatore() {
    const bool impostazioni = !impostazioniSospese_ || scriviImpostazioni(stato_);
    impostazioniSospese_ = !impostazioni;
    const bool opzioni = scriviValoriUtente();
    const std::string quali = !impostazioni && !opzioni ? "le opzioni (tramerio.ini e Quadrivo.conf)"
                              : !impostazioni         ? "le opzioni (tramerio.ini)"
                                                      : "le opzioni (Quadrivo.conf)";
    if (impostazioni && opzioni) {
        if (datiGiocatoreDetti_) StatusBar1->showMessage("Le opzioni sono di nuovo scritte.", 15000);
        datiGiocatoreDetti_ = false;
    } else if (!datiGiocatoreDetti_) {
        datiGiocatoreDetti_ = true;
        StatusBar1->showMessage(QString::fromStdString("Impossibile scrivere " + quali +
                                                       ": restano in memoria e si riprova alla prossima modifica e all'uscita."),
                                15000);
    }
}

namespace {

// About a quarter of the window, so a small screen keeps most of its width for the grid.
int larghezzaElenco(int larghezzaArea) {
    return std::min(std::clamp(larghezzaArea * 27 / 100, 200, 360), larghezzaArea / 2);
}

// One line of the clue's font, whatever the text: the grid must not move when the clue changes.
int altezzaRiga(const QLabel* riga) { return riga->fontMetrics().height() + 6; }

std::optional<TastoGriglia> tastoDi(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Backspace: return TastoGriglia::cancellaIndietro;
    case Qt::Key_Delete: return TastoGriglia::cancella;
    case Qt::Key_Left: return TastoGriglia::sinistra;
    case Qt::Key_Right: return TastoGriglia::destra;
    case Qt::Key_Up: return TastoGriglia::su;
    case Qt::Key_Down: return TastoGriglia::giu;
    case Qt::Key_Tab: return TastoGriglia::tab;
    case Qt::Key_Backtab: return TastoGriglia::tabIndietro;
    case Qt::Key_Space: return TastoGriglia::spazio;
    default: break;
    }
    const QString testo = e.text();
    if (!testo.isEmpty() && testo.front().isPrint()) return TastoGriglia::carattere;
    return std::nullopt;
}

}  // namespace

void Form1::creaTastiera() {
    area_->setFocusPolicy(Qt::ClickFocus);
    MenuParola = MenuUtil->addAction("Scrivi &parola corrente...");
    MenuParola->setObjectName("MenuParola");
    MenuParola->setShortcut(QKeySequence(Qt::Key_F2));
    connect(MenuParola, &QAction::triggered, this, &Form1::MenuParola_Click);

    MenuElenco = Menuimpo->addAction("Mostra &elenco definizioni");
    MenuElenco->setObjectName("MenuElenco");
    MenuElenco->setCheckable(true);
    MenuElenco->setChecked(opzioneUtente(chiaveElenco, true));
    connect(MenuElenco, &QAction::triggered, this, &Form1::MenuElenco_Click);
    MenuSuggerimenti = Menuimpo->addAction("Sugg&erimenti");
    MenuSuggerimenti->setObjectName("MenuSuggerimenti");
    MenuSuggerimenti->setCheckable(true);
    MenuSuggerimenti->setChecked(opzioneUtente(chiaveSuggerimenti, false));
    connect(MenuSuggerimenti, &QAction::triggered, this, &Form1::MenuSuggerimenti_Click);
    MenuSaltaComplete = Menuimpo->addAction("&Salta parole complete");
    MenuSaltaComplete->setObjectName("MenuSaltaComplete");
    MenuSaltaComplete->setCheckable(true);
    MenuSaltaComplete->setChecked(opzioneUtente(chiaveSaltaComplete, false));
    connect(MenuSaltaComplete, &QAction::triggered, this, &Form1::MenuSaltaComplete_Click);

    // Zoom: cells past what the window holds, the grid following the current cell.
    const std::tuple<const char*, const char*, QList<QKeySequence>, int> passi[] = {
        {"MenuIngrandisci", "&Ingrandisci schema", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, 1},
        {"MenuRiduci", "Ri&duci schema", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, -1},
        {"MenuDimensioneNormale", "Dimensione &normale", {QKeySequence(Qt::CTRL | Qt::Key_0)}, 0}};
    for (const auto& [nome, testo, tasti, verso] : passi) {
        QAction* a = Menuimpo->addAction(testo);
        a->setObjectName(nome);
        a->setShortcuts(tasti);
        connect(a, &QAction::triggered, this, [this, verso = verso] {
            static constexpr double livelli[] = {1, 1.25, 1.5, 2, 2.5, 3, 4};
            int i = 0;
            while (i + 1 < 7 && livelli[i] < zoom_) ++i;
            zoom_ = verso == 0 ? 1 : livelli[std::clamp(i + verso, 0, 6)];
            if (sessione_->aperto()) disegnaGriglia();
        });
    }

    // Looks: the grid's colours and the window's palette; the printed page stays black on white.
    QMenu* aspetti = Menuimpo->addMenu("&Aspetto");
    aspetti->setObjectName("MenuAspetto");
    auto* gruppo = new QActionGroup(this);
    const int scelto = std::clamp(valoreUtente(chiaveAspetto, 0).toInt(), 0, 2);
    for (int i = 0; i < 3; ++i) {
        QAction* a = aspetti->addAction(std::array{"&Normale", "Alto &contrasto", "&Scuro"}[static_cast<size_t>(i)]);
        a->setObjectName(QString("MenuAspetto%1").arg(i + 1));
        a->setCheckable(true);
        a->setChecked(i == scelto);
        gruppo->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] {
            salvaValoreUtente(chiaveAspetto, i);
            impostaAspetto(static_cast<Aspetto>(i));
        });
    }
    if (scelto != 0) impostaAspetto(static_cast<Aspetto>(scelto));

    // Pencil, from the Modifica menu, its toolbar button or F7: both show the mode.
    QAction* matita = azione("MenuMatita");
    for (QAction* a : {matita, pulsanteToolbar[12]}) {
        if (!a) continue;
        a->setCheckable(true);
        a->setIcon(immagineLista(11));
        connect(a, &QAction::triggered, this, [this, matita](bool attiva) {
            sessione_->impostaMatita(attiva);
            for (QAction* b : {matita, pulsanteToolbar[12]})
                if (b) b->setChecked(attiva);
        });
    }

    // Readings for a screen reader, shown in the clue line when none is running.
    QMenu* letture = MenuHelp->addMenu("&Lettura");
    letture->setObjectName("MenuLettura");
    const std::pair<const char*, QKeySequence> voci[] = {{"Leggi la &definizione", QKeySequence("Ctrl+Shift+D")},
                                                         {"&Compita la parola", QKeySequence("Ctrl+Shift+L")},
                                                         {"Leggi l'&incrocio", QKeySequence("Ctrl+Shift+I")}};
    for (int i = 0; i < 3; ++i) {
        QAction* a = letture->addAction(voci[i].first);
        a->setObjectName(QString("MenuLettura%1").arg(i + 1));
        a->setShortcut(voci[i].second);
        connect(a, &QAction::triggered, this, [this, i] {
            if (!sessione_->aperto() || inPausa()) return;
            const QString testo = QString::fromStdString(
                letturaParola(stato_.cruciverba, navigazione(), posizioneCorrente(), static_cast<CosaLeggere>(i)));
            annunciaLettura(*this, testo);
            if (!QAccessible::isActive()) rigaDefinizione_->setText(testo);
        });
    }

    elenco_ = new PannelloDefinizioni(area_);
    elenco_->hide();
    connect(elenco_, &PannelloDefinizioni::parolaScelta, this,
            [this](int indice) { impostaPosizione(navigazione().vaiAParola(stato_.cruciverba, indice)); });
    connect(elenco_, &PannelloDefinizioni::tastieraResa, this, [this] { area_->setFocus(Qt::OtherFocusReason); });
    // F12 takes the keyboard to the clue list and Esc brings it back: every clue reachable without a mouse.
    QAction* versoElenco = letture->addAction("Vai all'&elenco delle definizioni");
    versoElenco->setObjectName("MenuVaiElenco");
    versoElenco->setShortcut(QKeySequence(Qt::Key_F12));
    connect(versoElenco, &QAction::triggered, this, [this] {
        if (sessione_->aperto() && elenco_->isVisible() && !inPausa()) elenco_->prendiTastiera();
    });
    suggerimenti_ = new PannelloSuggerimenti(area_);
    suggerimenti_->hide();
    connect(suggerimenti_, &PannelloSuggerimenti::parolaScelta, this, &Form1::scriviSuggerimento);
    rigaDefinizione_ = new QLabel(area_);
    rigaDefinizione_->setObjectName("RigaDefinizione");
    rigaDefinizione_->setAttribute(Qt::WA_TransparentForMouseEvents);
    rigaDefinizione_->setTextFormat(Qt::PlainText);
    QFont f = rigaDefinizione_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    rigaDefinizione_->setFont(f);
    rigaDefinizione_->hide();
}

bool Form1::elencoVisibile() const {
    return MenuElenco && MenuElenco->isChecked() && sessione_->modo() == ModoVista::griglia;
}

bool Form1::suggerimentiVisibili() const {
    return MenuSuggerimenti && MenuSuggerimenti->isChecked() && sessione_->modo() == ModoVista::griglia;
}

AreaFinestra Form1::areaGriglia() const {
    AreaFinestra a = areaFinestra();
    if (!colonnaVisibile()) return a;
    a.larghezza -= larghezzaElenco(area_->width());
    a.altezzaToolbar += altezzaRiga(rigaDefinizione_);
    return a;
}

void Form1::disponiElenco() {
    if (!elenco_) return;
    const bool eraVisibile = suggerimenti_->isVisible();
    if (!colonnaVisibile()) {
        elenco_->hide();
        suggerimenti_->hide();
        rigaDefinizione_->hide();
        return;
    }
    const int w = area_->width(), t = Toolbar1->height(), s = StatusBar1->height();
    const int l = larghezzaElenco(w);
    const int alta = std::max(0, area_->height() - t - s);
    // Both shown: the clues above, the suggestions in the lower two fifths.
    const int sotto = !suggerimentiVisibili() ? 0 : elencoVisibile() ? alta * 2 / 5 : alta;
    elenco_->setGeometry(w - l, t, l, alta - sotto);
    suggerimenti_->setGeometry(w - l, t + alta - sotto, l, sotto);
    rigaDefinizione_->setGeometry(0, t, w - l, altezzaRiga(rigaDefinizione_));
    elenco_->setVisible(elencoVisibile());
    suggerimenti_->setVisible(suggerimentiVisibili());
    rigaDefinizione_->show();
    if (!eraVisibile && suggerimenti_->isVisible()) pianificaSuggerimenti();
}

void Form1::pianificaSuggerimenti() {
    if (suggerimentiInAttesa_ || !suggerimentiVisibili()) return;
    suggerimentiInAttesa_ = true;
    QMetaObject::invokeMethod(this, &Form1::aggiornaSuggerimenti, Qt::QueuedConnection);
}

void Form1::aggiornaSuggerimenti() {
    suggerimentiInAttesa_ = false;
    if (!suggerimenti_ || !suggerimenti_->isVisible()) return;
    // A paused grid hides its letters; the words that fit them would tell them.
    if (inPausa()) return suggerimenti_->mostraNessuna("In pausa.");
    const Parola* w = parolaCorrente();
    if (!w) return suggerimenti_->mostraNessuna("Nessuna parola corrente.");
    if (w->lunghezza < lunghezzaMinimaLessico || w->lunghezza > lunghezzaMassimaLessico)
        return suggerimenti_->mostraNessuna("Il dizionario ha parole da 3 a 15 lettere.");
    // The index is built at the first search; a dictionary that cannot be used is only named.
    if (!stato_.indiceParole && !caricaLessico(stato_, piattaforma_))
        return suggerimenti_->mostraNessuna(QString::fromStdString("Dizionario " + stato_.fileLessico + " non disponibile."));
    suggerimenti_->mostra(suggerimenti(stato_.cruciverba, w->caselle, *stato_.indiceParole));
}

void Form1::scriviSuggerimento(const QString& parola) {
    const Parola* w = parolaCorrente();
    if (!w || inPausa() || sessione_->modo() != ModoVista::griglia) return;
    std::vector<Scrittura> scritture;
    for (int i = 0; i < w->lunghezza && i < parola.size(); ++i)
        scritture.push_back({w->colonnaDi(i), w->rigaDi(i), parola.mid(i, 1).toStdString(), sessione_->matita()});
    // One step of the history, as a word from the dialog.
    sessione_->scrivi(scritture);
    area_->setFocus(Qt::OtherFocusReason);
}

void Form1::aggiornaElenco() {
    if (!elenco_ || !elenco_->isVisible()) return;
    const Posizione& p = posizioneCorrente();
    const int corrente = p.valida() ? navigazione().indiceParola(p.colonna, p.riga, p.direzione) : -1;
    elenco_->aggiorna(navigazione(), stato_.cruciverba, corrente, inPausa());
    rigaDefinizione_->setText(QString::fromStdString(navigazione().definizioneCorrente(p)));
}

void Form1::impostaAspetto(Aspetto aspetto) {
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
        sfondo = Qt::white;
    } else if (aspetto == Aspetto::scuro) {
        colori(QColor(37, 37, 38), QColor(230, 230, 230), QColor(30, 30, 30), QColor(55, 55, 58), QColor(60, 110, 180));
        p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
        sfondo = QColor(37, 37, 38);
    }
    QApplication::setPalette(p);
    area_->impostaSfondo(sfondo);
    if (sessione_->aperto()) disegnaGriglia();
}

DecorazioniGriglia Form1::decorazioni() const {
    DecorazioniGriglia d;
    d.aspetto = aspetto_;
    d.zoom = zoom_;
    if (posizioneCorrente().valida()) d.fuoco = Casella{posizioneCorrente().colonna, posizioneCorrente().riga};
    // A paused grid shows neither letters nor what was said about them.
    if (inPausa()) {
        d.lettereNascoste = true;
        return d;
    }
    for (const auto& [k, lettera] : sessione_->partita().segni()) d.segni[k] |= segnoLetteraSbagliata;
    for (const Casella& k : sessione_->partita().rivelate()) d.segni[k] |= segnoLetteraRivelata;
    if (const Parola* w = parolaCorrente())
        for (const Casella& k : w->caselle) d.segni[k] |= segnoParolaCorrente;
    const Posizione& p = posizioneCorrente();
    if (p.valida()) d.segni[{p.colonna, p.riga}] |= segnoCasellaCorrente;
    return d;
}

void Form1::impostaPosizione(const Posizione& p) {
    area_->setFocus(Qt::OtherFocusReason);
    sessione_->impostaPosizione(p);
}

bool Form1::clicGriglia(int pulsante, double x, double y) {
    if (stato_.xGriglia == 0 || stato_.latoCasella == 0 || sessione_->modo() != ModoVista::griglia) return false;
    if (viaPerPulsante(pulsante, stato_.tastoSinistro) != Via::digitazione) return false;
    const PuntoGriglia k = cellaSotto(stato_, x, y);
    if (fuoriGriglia(stato_, x, y, k)) return false;
    nascondiLabel1();
    impostaPosizione(navigazione().clic(posizioneCorrente(), static_cast<int>(k.colonna), static_cast<int>(k.riga)));
    return true;
}

bool Form1::tastoGriglia(QKeyEvent* e) {
    if (sessione_->modo() != ModoVista::griglia || stato_.latoCasella == 0 || navigazione().parole().empty())
        return false;
    // Shortcuts belong to the menus and the toolbar.
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    // A paused grid hides its letters: nothing is typed on it.
    if (inPausa()) return posizioneCorrente().valida();
    if (e->key() == Qt::Key_Insert && posizioneCorrente().valida()) {
        // Ins opens the cell for several letters, and closes it again.
        if (sessione_->cellaAperta()) sessione_->chiudiCella();
        else sessione_->apriCella();
        return true;
    }
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!posizioneCorrente().valida()) return false;
        if (sessione_->cellaAperta()) {
            sessione_->chiudiCella();
            return true;
        }
        // Every letter is already in the grid: Enter has nothing to keep, Esc drops the word.
        if (e->key() == Qt::Key_Escape) impostaPosizione({});
        return true;
    }
    const std::optional<TastoGriglia> tasto = tastoDi(*e);
    if (!tasto) return false;
    const char32_t carattere = *tasto == TastoGriglia::carattere ? e->text().toUcs4().value(0) : 0;
    // A stray character is swallowed all the same: it must not reach a shortcut by accident.
    if (!sessione_->tasto(*tasto, carattere, MenuSaltaComplete->isChecked())) return posizioneCorrente().valida();
    return true;
}

void Form1::MenuElenco_Click() {
    salvaOpzioneUtente(chiaveElenco, MenuElenco->isChecked());
    if (sessione_->modo() == ModoVista::griglia) disegnaGriglia();
    else disponiElenco();
}

void Form1::MenuSuggerimenti_Click() {
    salvaOpzioneUtente(chiaveSuggerimenti, MenuSuggerimenti->isChecked());
    if (sessione_->modo() == ModoVista::griglia) disegnaGriglia();
    else disponiElenco();
}

void Form1::MenuSaltaComplete_Click() {
    salvaOpzioneUtente(chiaveSaltaComplete, MenuSaltaComplete->isChecked());
}

}  // namespace quadrivo
