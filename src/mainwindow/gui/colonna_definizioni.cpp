#include "mainwindow/gui/colonna_definizioni.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <algorithm>

#include "model/impostazioni.h"
#include "mainwindow/gui/griglia_accessibile.h"
#include "model/opzioni_utente.h"
#include "qt/voce.h"
#include "sessione/sessione.h"
#include "solving/gui/pannello_definizioni.h"
#include "solving/gui/pannello_suggerimenti.h"
#include "solving/lessico.h"
#include "solving/lessico_incroci.h"
#include "solving/lettura.h"
#include "solving/ricerca_giochi.h"
#include "solving/varianti.h"

namespace quadrivo {

namespace {

const char* const chiaveElenco = "soluzione/mostraElenco";
const char* const chiaveSuggerimenti = "soluzione/mostraSuggerimenti";

// About a quarter of the window, so a small screen keeps most of its width for the grid.
int larghezzaElenco(int larghezzaArea) {
    return std::min(std::clamp(larghezzaArea * 27 / 100, 200, 360), larghezzaArea / 2);
}

// One line of the clue's font, whatever the text: the grid must not move when the clue changes.
int altezzaRiga(const QLabel* riga) { return riga->fontMetrics().height() + 6; }

}  // namespace

ColonnaDefinizioni::ColonnaDefinizioni(Sessione& sessione, Piattaforma& piattaforma, Impostazioni& impostazioni, QWidget* area)
    : QObject(area), sessione_(sessione), piattaforma_(piattaforma), impostazioni_(impostazioni), area_(area) {
    pannelli_ = new QWidget(area_);
    pannelli_->setObjectName("colonnaDefinizioni");
    pannelli_->installEventFilter(this);
    pannelli_->setMinimumHeight(1);  // a size of its own, with no layout to give one
    elenco_ = new PannelloDefinizioni(pannelli_);
    elenco_->hide();
    connect(elenco_, &PannelloDefinizioni::parolaScelta, this, [this](int indice) {
        area_->setFocus(Qt::OtherFocusReason);
        sessione_.impostaPosizione(sessione_.navigazione().vaiAParola(sessione_.cruciverba(), indice));
    });
    connect(elenco_, &PannelloDefinizioni::tastieraResa, this, [this] { area_->setFocus(Qt::OtherFocusReason); });
    rigaDefinizione_ = new QLabel(area_);
    rigaDefinizione_->setObjectName("RigaDefinizione");
    rigaDefinizione_->setAttribute(Qt::WA_TransparentForMouseEvents);
    rigaDefinizione_->setTextFormat(Qt::PlainText);
    rigaDefinizione_->setFont(carattereTitolo(rigaDefinizione_->font()));
    rigaDefinizione_->hide();

    for (auto segnale : {&Sessione::schemaCambiato, &Sessione::posizioneCambiata, &Sessione::segniCambiati})
        connect(&sessione_, segnale, this, &ColonnaDefinizioni::pianificaSuggerimenti);
    connect(&sessione_, &Sessione::celleCambiate, this, &ColonnaDefinizioni::pianificaSuggerimenti);
}

void ColonnaDefinizioni::creaVoci(QMenu* opzioni, QMenu* aiuto) {
    const auto voce = [this, opzioni](const char* nome, const char* testo, const char* chiave, bool predefinita) {
        QAction* a = opzioni->addAction(testo);
        a->setObjectName(nome);
        a->setCheckable(true);
        a->setChecked(impostazioni_.opzione(chiave, predefinita).toBool());
        connect(a, &QAction::triggered, this, [this, chiave](bool segnata) {
            impostazioni_.salvaOpzione(chiave, segnata);
            emit disposizioneCambiata();
        });
        return a;
    };
    MenuElenco = voce("MenuElenco", "Mostra &elenco definizioni", chiaveElenco, true);
    MenuSuggerimenti = voce("MenuSuggerimenti", "Sugge&rimenti", chiaveSuggerimenti, false);

    // Readings for a screen reader, spoken and shown by the window's voice.
    QMenu* letture = aiuto->addMenu("&Lettura");
    letture->setObjectName("MenuLettura");
    const std::pair<const char*, QKeySequence> voci[] = {{"Leggi la &definizione", QKeySequence("Ctrl+Shift+D")},
                                                         {"&Compita la parola", QKeySequence("Ctrl+Shift+L")},
                                                         {"Leggi l'&incrocio", QKeySequence("Ctrl+Shift+I")}};
    for (int i = 0; i < 3; ++i) {
        QAction* a = letture->addAction(voci[i].first);
        a->setObjectName(QString("MenuLettura%1").arg(i + 1));
        a->setShortcut(voci[i].second);
        connect(a, &QAction::triggered, this, [this, i] { leggi(i); });
    }
    // F12 takes the keyboard to the clue list and Esc brings it back: every clue reachable without a mouse.
    QAction* versoElenco = letture->addAction("Vai all'&elenco delle definizioni");
    versoElenco->setObjectName("MenuVaiElenco");
    versoElenco->setShortcut(QKeySequence(Qt::Key_F12));
    connect(versoElenco, &QAction::triggered, this, [this] {
        if (!sessione_.aperto() || !elenco_->isVisible() || sessione_.inPausa()) return;
        elenco_->prendiTastiera();
        // The list says its entry as it gets the keyboard; the clue it lands on is said in full.
        if (const Parola* w = sessione_.parolaCorrente()) {
            const bool risolta = sessione_.navigazione().completa(sessione_.cruciverba(), *w);
            annuncia(area_, letturaDefinizione(sessione_.cruciverba(), *w) + (risolta ? ", risolta" : ""));
        }
    });
}

void ColonnaDefinizioni::leggi(int cosa) {
    if (!sessione_.aperto() || sessione_.inPausa()) return;
    const QString testo = QString::fromStdString(letturaParola(sessione_.cruciverba(), sessione_.navigazione(),
                                                               sessione_.posizione(), static_cast<CosaLeggere>(cosa)));
    annuncia(area_, testo);
}

bool ColonnaDefinizioni::elencoVisibile() const {
    // A codeword or a grid to fill has no clues: its key or its bank stands in their place.
    return MenuElenco && MenuElenco->isChecked() && sessione_.modo() == ModoVista::griglia &&
           !senzaDefinizioni(sessione_.cruciverba());
}

bool ColonnaDefinizioni::suggerimentiVisibili() const {
    return MenuSuggerimenti && MenuSuggerimenti->isChecked() && sessione_.modo() == ModoVista::griglia;
}

bool ColonnaDefinizioni::visibile() const { return elencoVisibile() || suggerimentiVisibili(); }

AreaFinestra ColonnaDefinizioni::areaGriglia(AreaFinestra a) const {
    if (visibile()) a.altezzaToolbar += altezzaRiga(rigaDefinizione_);
    return a;
}

bool ColonnaDefinizioni::haLarghezza(int larghezza) const {
    const int voluta = larghezzaElenco(larghezza);
    return pannelli_->minimumWidth() == voluta && pannelli_->maximumWidth() == voluta;
}

bool ColonnaDefinizioni::adattaLarghezza(int larghezza) {
    if (haLarghezza(larghezza)) return false;
    pannelli_->setFixedWidth(larghezzaElenco(larghezza));
    return true;
}

void ColonnaDefinizioni::disponi() {
    const bool eraVisibile = suggerimenti_ && suggerimenti_->isVisible();
    if (!visibile()) {
        elenco_->hide();
        if (suggerimenti_) suggerimenti_->hide();
        rigaDefinizione_->hide();
        return;
    }
    rigaDefinizione_->setGeometry(0, 0, area_->width(), altezzaRiga(rigaDefinizione_));
    elenco_->setVisible(elencoVisibile());
    // Made when first asked for: most starts never show it.
    if (suggerimentiVisibili() && !suggerimenti_) {
        suggerimenti_ = new PannelloSuggerimenti(pannelli_);
        connect(suggerimenti_, &PannelloSuggerimenti::parolaScelta, this, &ColonnaDefinizioni::scriviSuggerimento);
    }
    if (suggerimenti_) suggerimenti_->setVisible(suggerimentiVisibili());
    disponiPannelli();
    rigaDefinizione_->show();
    if (!eraVisibile && suggerimenti_ && suggerimenti_->isVisible()) pianificaSuggerimenti();
}

void ColonnaDefinizioni::disponiPannelli() {
    const int l = pannelli_->width(), alta = pannelli_->height();
    // Both shown: the clues above, the suggestions in the lower two fifths.
    const int sotto = !suggerimentiVisibili() ? 0 : elencoVisibile() ? alta * 2 / 5 : alta;
    elenco_->setGeometry(0, 0, l, alta - sotto);
    if (suggerimenti_) suggerimenti_->setGeometry(0, alta - sotto, l, sotto);
}

bool ColonnaDefinizioni::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == pannelli_ && evento->type() == QEvent::Resize) disponiPannelli();
    return false;
}

void ColonnaDefinizioni::aggiorna() {
    // A codeword has no list, yet its line stands above the grid beside the suggestions.
    if (!rigaDefinizione_->isVisible()) return;
    const Posizione& p = sessione_.posizione();
    const Navigazione& n = sessione_.navigazione();
    const int corrente = p.valida() ? n.indiceParola(p.colonna, p.riga, p.direzione) : -1;
    if (elenco_->isVisible()) elenco_->aggiorna(n, sessione_.cruciverba(), corrente, sessione_.inPausa());
    rigaDefinizione_->setText(QString::fromStdString(n.definizioneCorrente(sessione_.cruciverba(), p)));
}

void ColonnaDefinizioni::pianificaSuggerimenti() {
    if (suggerimentiInAttesa_ || !suggerimentiVisibili()) return;
    suggerimentiInAttesa_ = true;
    QMetaObject::invokeMethod(this, &ColonnaDefinizioni::aggiornaSuggerimenti, Qt::QueuedConnection);
}

void ColonnaDefinizioni::aggiornaSuggerimenti() {
    suggerimentiInAttesa_ = false;
    if (!suggerimenti_ || !suggerimenti_->isVisible()) return;
    // A paused grid hides its letters; the words that fit them would tell them.
    if (sessione_.inPausa()) return suggerimenti_->mostraNessuna("In pausa.");
    const Parola* w = sessione_.parolaCorrente();
    if (!w) return suggerimenti_->mostraNessuna("Nessuna parola corrente.");
    // A codeword's words follow its codes, a grid to fill's come from its list: as F2 finds them.
    bool senzaDizionari = false;
    if (const auto parole = paroleDelGioco(sessione_.cruciverba(), sessione_.lessico(), w->caselle,
                                           std::string(w->caselle.size(), ' '), &senzaDizionari))
        return senzaDizionari ? suggerimenti_->mostraNessuna("Nessun dizionario disponibile.")
                              : suggerimenti_->mostraParole(*parole);
    if (w->lunghezza < lunghezzaMinimaLessico || w->lunghezza > lunghezzaMassimaLessico)
        return suggerimenti_->mostraNessuna("Il dizionario ha parole da 3 a 15 lettere.");
    // The index is built at the first search; a dictionary that cannot be used is only named.
    Lessico& lessico = sessione_.lessico();
    if (!lessico.indice && !indicizzaLessico(lessico))
        return suggerimenti_->mostraNessuna(
            QString::fromStdString("Dizionario " + lessico.file + " non disponibile."));
    suggerimenti_->mostra(suggerimenti(sessione_.cruciverba(), w->caselle, *lessico.indice));
}

void ColonnaDefinizioni::scriviSuggerimento(const QString& parola) {
    const Parola* w = sessione_.parolaCorrente();
    if (!w || sessione_.inPausa() || sessione_.modo() != ModoVista::griglia) return;
    std::vector<Scrittura> scritture;
    for (int i = 0; i < w->lunghezza && i < parola.size(); ++i)
        scritture.push_back({w->colonnaDi(i), w->rigaDi(i), parola.mid(i, 1).toStdString(), sessione_.matita()});
    // One step of the history, as a word from the dialog.
    sessione_.scrivi(scritture);
    area_->setFocus(Qt::OtherFocusReason);
}

}  // namespace quadrivo
