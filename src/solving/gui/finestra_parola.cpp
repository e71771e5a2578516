#include "solving/gui/finestra_parola.h"

#include <QMainWindow>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "solving/gui/modello_parole.h"
#include "model/numeri.h"
#include "model/testo.h"

namespace quadrivo {

std::string testoAiutoParola() {
    return std::string("Inserire la parola indicata dalla soluzione quindi premere il tasto Invio oppure cliccare su "
                       "<OK>.") +
           "Nel caso di una parola con più di 3 caratteri è possibile variarla utilizzando una ricerca interattiva " +
           "con mascheramento, ad esempio si supponga di avere la parola M.LA, se vogliamo cercare tutte le parole "
           "di quattro caratteri che " +
           "iniziano con M e finiscono con LA occorre cliccare sul bottone <Cerca> apparirà una lista di parole "
           "(MELA, MALA, MOLA) dalla quale è possibile scegliere quella che ci serve.";
}

// ---------------------------------------------------------------------------------------------
// The dialog

namespace {

// The count of words found as a screen reader says it.
QString contoDetto(long long n) {
    if (n == 0) return "Nessuna parola trovata";
    return n == 1 ? QString("1 parola trovata") : QString("%1 parole trovate").arg(n);
}

}  // namespace

FinestraParola::FinestraParola(const VoceDialogo& voce, Piattaforma& piattaforma, Ricerca ricerca, QWidget* genitore)
    : QDialog(genitore), voce_(voce), piattaforma_(piattaforma), ricerca_(std::move(ricerca)) {
    setWindowTitle(QString::fromUtf8(titoloApplicazione));
    setObjectName("FinestraParola");

    titolo = new QLabel(this);
    titolo->setObjectName("titolo");
    QFont grassetto = titolo->font();
    grassetto.setBold(true);
    titolo->setFont(grassetto);
    etichettaDefinizione = new QLabel("Definizione:", this);
    etichettaDefinizione->setObjectName("etichettaDefinizione");
    campoDefinizione = new QLineEdit(this);
    campoDefinizione->setObjectName("campoDefinizione");
    campoDefinizione->setMinimumWidth(420);

    auto* lettere = new QHBoxLayout;
    lettere->setSpacing(2);
    QFont carattereLettera = font();
    carattereLettera.setBold(true);
    carattereLettera.setPointSizeF(carattereLettera.pointSizeF() * 1.3);
    for (int i = 0; i < maxCaselleDialogo; ++i) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QString("caselle_%1").arg(i));
        t->setFixedSize(28, 28);
        t->setAlignment(Qt::AlignCenter);
        t->setFont(carattereLettera);
        t->setToolTip("Scrivi la lettera; frecce per le altre caselle");
        t->hide();
        t->installEventFilter(this);
        connect(t, &QLineEdit::textEdited, this, [this, i](const QString& testo) { casellaModificata(i, testo); });
        lettere->addWidget(t);
        caselle[static_cast<size_t>(i)] = t;
    }
    casellaLunga = new QLineEdit(this);
    casellaLunga->setObjectName("casellaLunga");
    casellaLunga->setFont(carattereLettera);
    casellaLunga->hide();
    casellaLunga->installEventFilter(this);
    connect(casellaLunga, &QLineEdit::textEdited, this, [this](const QString& testo) {
        lungaModificata_ = true;
        // Letters a..z become capitals while they are typed.
        QString m = testo;
        for (QChar& ch : m)
            if (ch >= u'a' && ch <= u'z') ch = ch.toUpper();
        if (m != testo) {
            const int cur = casellaLunga->cursorPosition();
            casellaLunga->setText(m);
            casellaLunga->setCursorPosition(cur);
        }
    });
    lettere->addWidget(casellaLunga, 1);
    lettere->addStretch();

    pulsanteCerca = new QPushButton("&Cerca", this);
    pulsanteCerca->setObjectName("pulsanteCerca");
    ComboModo = new QComboBox(this);
    ComboModo->setObjectName("ComboModo");
    ComboModo->addItems({"Maschera", "Anagramma", "Frammenti", "Incroci"});
    ComboModo->setToolTip("Maschera: le parole con le lettere delle caselle (\"@\" una vocale, \"#\" una consonante)\n"
                          "Anagramma: le parole fatte delle lettere delle caselle\n"
                          "Frammenti: le parole di cui le lettere sono consonanti, vocali, dispari, pari, estremi o centro\n"
                          "Incroci: le parole che lasciano possibile ogni parola incrociata");
    ComboModo->hide();
    elencoTrovate = new QComboBox(this);
    elencoTrovate->setObjectName("elencoTrovate");
    elencoTrovate->setMinimumWidth(160);
    modelloParole_ = ModelloParole::perLista(elencoTrovate);
    // The count of words found is said as it changes.
    esitoRicerca = new Voce(this);
    esitoRicerca->setObjectName("esitoRicerca");
    esitoRicerca->setMinimumWidth(70);
    // The search does not return to the event loop until it ends: a slow one shows its strokes
    // at once, a quick one only its outcome.
    barraAvanzamento = new AreaDisegno(this, ModoArea{Qt::white, ModoArea::differito});
    barraAvanzamento->setFixedSize(160, 14);
    barraAvanzamento->setObjectName("barraAvanzamento");
    auto* barraRicerca = new QHBoxLayout;
    barraRicerca->addWidget(ComboModo);
    barraRicerca->addWidget(pulsanteCerca);
    barraRicerca->addWidget(elencoTrovate);
    barraRicerca->addWidget(esitoRicerca);
    barraRicerca->addWidget(barraAvanzamento);
    barraRicerca->addStretch();

    pulsanteOk = new QPushButton("&OK", this);
    pulsanteOk->setObjectName("pulsanteOk");
    pulsanteAnnulla = new QPushButton("&Annulla", this);
    pulsanteAnnulla->setObjectName("pulsanteAnnulla");
    pulsanteAiuto = new QPushButton("&Help", this);
    pulsanteAiuto->setObjectName("pulsanteAiuto");
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(pulsanteOk);
    pulsanti->addWidget(pulsanteAnnulla);
    pulsanti->addWidget(pulsanteAiuto);
    for (QPushButton* b : {pulsanteOk, pulsanteAnnulla, pulsanteAiuto, pulsanteCerca}) b->setAutoDefault(false);
    pulsanteOk->setDefault(true);

    auto* griglia = new QVBoxLayout(this);
    griglia->addWidget(titolo);
    auto* definizione = new QHBoxLayout;
    definizione->addWidget(etichettaDefinizione);
    definizione->addWidget(campoDefinizione, 1);
    griglia->addLayout(definizione);
    griglia->addLayout(lettere);
    griglia->addLayout(barraRicerca);
    griglia->addLayout(pulsanti);

    campoDefinizione->installEventFilter(this);
    connect(campoDefinizione, &QLineEdit::textEdited, this, &FinestraParola::limitaDefinizione);
    connect(pulsanteOk, &QPushButton::clicked, this, &FinestraParola::conferma);
    connect(pulsanteAnnulla, &QPushButton::clicked, this, &FinestraParola::annulla);
    connect(pulsanteAiuto, &QPushButton::clicked, this, &FinestraParola::aiuto);
    connect(pulsanteCerca, &QPushButton::clicked, this, &FinestraParola::cerca);
    connect(elencoTrovate, &QComboBox::activated, this, &FinestraParola::parolaScelta);

    // Set-up: the default pointer, also over the main window, whose next press then opens
    // nothing until the pointer moves again.
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
    esitoRicerca->clear();
    const int n = lunghezza();
    // What a screen reader says for each control: the boxes by their place in the word.
    campoDefinizione->setAccessibleName("Definizione");
    casellaLunga->setAccessibleName("Parola");
    elencoTrovate->setAccessibleName("Parole trovate");
    barraAvanzamento->setAccessibleName("Avanzamento della ricerca");
    // The letter is in the name too: Orca finds no text in a Qt line edit's attribute runs.
    for (int i = 0; i < maxCaselleDialogo; ++i) {
        QLineEdit* box = caselle[static_cast<size_t>(i)];
        const auto nomina = [box, i, n] {
            const QString lettera = box->text().trimmed();
            box->setAccessibleName(QString("Lettera %1 di %2%3").arg(i + 1).arg(n).arg(lettera.isEmpty() ? ", vuota" : ": " + lettera));
        };
        nomina();
        connect(box, &QLineEdit::textChanged, this, nomina);
    }
    // A game's own word has no clue to edit: its row's clues are shown, a codeword's none at all.
    campoDefinizione->setReadOnly(voce_.definizioneFissa);
    etichettaDefinizione->setVisible(!voce_.definizioneFissa || !voce_.definizione.empty());
    campoDefinizione->setVisible(etichettaDefinizione->isVisibleTo(this));
    // The list and the progress bar serve only the search: without it they would stay empty.
    pulsanteCerca->setVisible(conRicerca(n));
    elencoTrovate->setVisible(conRicerca(n));
    barraAvanzamento->setVisible(conRicerca(n));
    if (conCaselle(n)) {
        const std::vector<std::string> iniziali = caselleIniziali(voce_.celle);
        for (int i = 0; i < n; ++i) {
            caselle[static_cast<size_t>(i)]->setText(QString::fromStdString(iniziali[static_cast<size_t>(i)]));
            caselle[static_cast<size_t>(i)]->show();
        }
    } else if (conCasellaLunga(n)) {
        casellaLunga->setText(QString::fromStdString(testoCasellaLunga(voce_.celle)));
        casellaLunga->show();
    }

    adjustSize();
    QScreen* schermo = genitore && genitore->screen() ? genitore->screen() : QGuiApplication::primaryScreen();
    // The word is in the window's drawing area: its place on the screen decides the dialog's.
    const auto* finestra = qobject_cast<const QMainWindow*>(genitore);
    const QWidget* area = finestra && finestra->centralWidget() ? finestra->centralWidget() : genitore;
    const QRect parola(QPoint(voce_.xParola, voce_.yParola), QSize(voce_.larghezzaParola, voce_.altezzaParola));
    if (schermo)
        move(posizione(area ? parola.translated(area->mapToGlobal(QPoint())) : parola, frameGeometry().size(),
                       schermo->availableGeometry()));
}

FinestraParola::~FinestraParola() = default;

QPoint FinestraParola::posizione(const QRect& parola, QSize dimensione, const QRect& schermo) {
    const auto dentro = [&](QPoint p) {
        const QPoint q(std::clamp(p.x(), schermo.left(), std::max(schermo.left(), schermo.right() + 1 - dimensione.width())),
                       std::clamp(p.y(), schermo.top(), std::max(schermo.top(), schermo.bottom() + 1 - dimensione.height())));
        return q;
    };
    // Below the word, above it, to its right, to its left: the first place that leaves it in view.
    const int spazio = 6;
    const QPoint posti[] = {{parola.left(), parola.bottom() + 1 + spazio},
                            {parola.left(), parola.top() - spazio - dimensione.height()},
                            {parola.right() + 1 + spazio, parola.top()},
                            {parola.left() - spazio - dimensione.width(), parola.top()}};
    for (const QPoint& p : posti) {
        const QPoint q = dentro(p);
        if (!QRect(q, dimensione).intersects(parola)) return q;
    }
    return dentro(posti[0]);
}

std::vector<std::string> FinestraParola::testiCaselle() const {
    std::vector<std::string> v;
    for (int i = 0; i < caselleMostrate(); ++i) v.push_back(caselle[static_cast<size_t>(i)]->text().toStdString());
    return v;
}

void FinestraParola::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Filled once: a message box closing over the dialog must not undo what was typed.
    if (attivato_) return;
    attivato_ = true;
    if (voce_.valida) {
        titolo->setText(QString::fromStdString(voce_.titolo));
        campoDefinizione->setText(QString::fromStdString(voce_.definizione));
        // The title names the word, as a screen reader says it first: "8 orizzontale – Sigla di Salerno".
        const QString nome = QString::fromStdString(voce_.titolo).trimmed().toLower();
        setWindowTitle(voce_.definizione.empty() && voce_.definizioneFissa ? nome : nome + " \u2013 " + campoDefinizione->text());
    }
    definizionePrecedente_ = campoDefinizione->text();
    if (!casellaLunga->isHidden()) {
        casellaLunga->selectAll();
        casellaLunga->setFocus();
    } else if (!caselle[0]->isHidden()) {
        caselle[0]->setFocus();
    }
}

void FinestraParola::limitaDefinizione(const QString& testo) {
    // Typing stops at 60 characters; a longer clue stored in the file is still shown whole.
    if (testo.size() > 60 && testo.size() > definizionePrecedente_.size()) {
        const int cur = campoDefinizione->cursorPosition() - static_cast<int>(testo.size() - definizionePrecedente_.size());
        campoDefinizione->setText(definizionePrecedente_);
        campoDefinizione->setModified(true);  // what was typed before the limit still counts as the player's
        campoDefinizione->setCursorPosition(std::max(0, cur));
        return;
    }
    definizionePrecedente_ = testo;
}

int FinestraParola::indiceCasella(QObject* o) const {
    for (int i = 0; i < maxCaselleDialogo; ++i)
        if (caselle[static_cast<size_t>(i)] == o) return i;
    return -1;
}

bool FinestraParola::eventFilter(QObject* oggetto, QEvent* evento) {
    const int i = indiceCasella(oggetto);
    if (evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        // A shortcut that matched nothing (Alt+C with Cerca hidden) is no letter for the word.
        if ((i >= 0 || oggetto == casellaLunga) &&
            (static_cast<QKeyEvent*>(evento)->modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
            return true;
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            conferma();
            return true;
        }
        if (tasto == Qt::Key_Escape) {
            annulla();
            return true;
        }
        const int n = caselleMostrate();
        if (i >= 0 && n > 0 && (tasto == Qt::Key_Right || tasto == Qt::Key_Left)) {
            const int j = tasto == Qt::Key_Right ? seguenteNelDialogo(i, n) : precedenteNelDialogo(i, n);
            caselle[static_cast<size_t>(j)]->setFocus(Qt::OtherFocusReason);
            return true;
        }
    } else if (i >= 0 && evento->type() == QEvent::FocusIn) {
        // The box reads its letter, not a selection: the caret before it (a reader reads the
        // line at the caret, and finds none past the end); typing replaces it all the same.
        QLineEdit* box = caselle[static_cast<size_t>(i)];
        QTimer::singleShot(0, box, [box] { box->home(false); });
    } else if (i >= 0 && evento->type() == QEvent::FocusOut) {
        const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason) casellaLasciata(i);
    }
    return QDialog::eventFilter(oggetto, evento);
}

void FinestraParola::casellaModificata(int i, const QString& testo) {
    modificate_[static_cast<size_t>(i)] = true;
    QLineEdit* box = caselle[static_cast<size_t>(i)];
    // One letter per box: what was just typed replaces what was there.
    const QString nuovo = QString::fromStdString(casellaDopoDigitazione(testo.toStdString(), box->cursorPosition()));
    if (nuovo != testo) box->setText(nuovo);
    const int n = caselleMostrate();
    if (n > 0 && avanzaDopoDigitazione(nuovo.toStdString())) caselle[static_cast<size_t>(seguenteNelDialogo(i, n))]->setFocus();
}

void FinestraParola::casellaLasciata(int i) {
    if (!isVisible() || result() != 0 || caselle[static_cast<size_t>(i)]->isHidden()) return;
    QLineEdit* box = caselle[static_cast<size_t>(i)];
    QString t = box->text().toUpper();
    if (t.isEmpty()) t = " ";
    if (t != box->text()) box->setText(t);
    // After the focus has settled: the message must not interrupt the press that moved it.
    QTimer::singleShot(0, this, [this, i] {
        QLineEdit* lasciata = caselle[static_cast<size_t>(i)];
        // A box as it came from the grid (an "@" typed there) is not the player's doing here.
        if (!isVisible() || !modificate_[static_cast<size_t>(i)] || casellaAmmessa(lasciata->text().toStdString()))
            return;
        piattaforma_.messaggio(msgCaratteriNonAmmessi);
        lasciata->setFocus();
    });
}

void FinestraParola::conferma() {
    if (!voce_.valida) {
        accept();
        return;
    }
    const int n = lunghezza();
    // A box the player edited is checked as it stands, whichever way OK was reached; a box shown
    // as it came from the grid is kept as it is.
    if (conCasellaLunga(n)) {
        if (lungaModificata_ && !casellaLungaAmmessa(casellaLunga->text().toStdString())) {
            piattaforma_.messaggio(msgCaratteriNonAmmessi);
            casellaLunga->setFocus();
            return;
        }
    } else if (const auto rifiutata = casellaRifiutata(testiCaselle(), modificate_)) {
        piattaforma_.messaggio(msgCaratteriNonAmmessi);
        caselle[static_cast<size_t>(*rifiutata)]->setFocus();
        return;
    }
    // The clue as shown, unless the player changed it: a long one is never cut by the box.
    SceltaParola scelta{voce_.celle, campoDefinizione->isModified() ? campoDefinizione->text().toStdString() : voce_.definizione};
    if (conCasellaLunga(n) && lungaModificata_)
        scelta.celle = celleDaCasellaLunga(casellaLunga->text().toStdString(), voce_.celle.size());
    else if (conCaselle(n))
        scelta.celle = celleDaCaselle(testiCaselle(), voce_.celle);
    scelta_ = scelta;
    accept();
}

void FinestraParola::annulla() {
    scelta_.reset();
    reject();
}

void FinestraParola::aiuto() { piattaforma_.messaggio(testoAiutoParola()); }

void FinestraParola::impostaElenco(Elenco elenco) {
    elenco_ = std::move(elenco);
    ComboModo->setVisible(elenco_ && conRicerca(lunghezza()));
    adjustSize();
}

void FinestraParola::cerca() {
    if (!voce_.valida) return;
    const std::string maschera = mascheraDaCaselle(testiCaselle(), voce_.lunghezzaMaschera);
    const auto modo = static_cast<ModoRicerca>(std::max(0, ComboModo->currentIndex()));
    if (modo != ModoRicerca::maschera && elenco_) {
        std::vector<VoceRicerca> voci = elenco_(modo, maschera);
        const std::size_t trovate = voci.size();
        modelloParole_->imposta(std::move(voci));
        esitoRicerca->annuncia(QString::fromStdString("Trov.:" + conSegno(static_cast<long long>(trovate))),
                         contoDetto(static_cast<long long>(trovate)));
        elencoTrovate->setCurrentIndex(trovate == 0 ? -1 : 0);
        if (trovate == 1) parolaScelta(0);
        return;
    }
    if (!ricerca_) return;
    // The search ends with the default pointer: the hover arrow comes back only with a move.
    inizioRicerca_.start();
    ricerca_(maschera, *this);
}

void FinestraParola::parolaScelta(int indice) {
    if (indice < 0) return;
    // A line only to be read (a fragment's source word) writes nothing.
    const QString parola = elencoTrovate->itemData(indice, Qt::UserRole).toString();
    if (parola.isEmpty()) return;
    const int n = caselleMostrate();
    for (int i = 0; i < n && i < parola.size(); ++i) {
        caselle[static_cast<size_t>(i)]->setText(parola.mid(i, 1));
        modificate_[static_cast<size_t>(i)] = true;
    }
}

void FinestraParola::svuotaLista() { modelloParole_->svuota(); }

void FinestraParola::aggiungiParole(const ParoleTrovate& parole) {
    modelloParole_->imposta(parole);
    // One word found: it goes into the boxes at once, as if picked.
    if (elencoTrovate->count() == 1) parolaScelta(0);
}

bool FinestraParola::ricercaLenta() const { return inizioRicerca_.isValid() && inizioRicerca_.elapsed() >= msRicercaLenta; }

void FinestraParola::impostaStato(const std::string& testo) {
    const QString t = QString::fromStdString(testo);
    if (t.startsWith("Trov.:"))
        esitoRicerca->annuncia(t, contoDetto(t.mid(6).trimmed().toLongLong()));
    else
        esitoRicerca->setText(t);
    if (ricercaLenta()) esitoRicerca->repaint();
}

void FinestraParola::impostaTestoLista(const std::string& testo) {
    elencoTrovate->setCurrentIndex(testo.empty() ? -1 : elencoTrovate->findText(QString::fromStdString(testo)));
}

Superficie& FinestraParola::progresso() { return barra_; }

void FinestraParola::BarraRicerca::tratto() {
    if (d_.ricercaLenta()) d_.barraAvanzamento->mostraOra();
}

}  // namespace quadrivo
