#include "solving/gui/tessodef.h"

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

std::string testoAiutoTessoDef() {
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

TessoDef::TessoDef(const VoceDialogo& voce, Piattaforma& piattaforma, Ricerca ricerca, QWidget* genitore)
    : QDialog(genitore), voce_(voce), piattaforma_(piattaforma), ricerca_(std::move(ricerca)) {
    setWindowTitle(QString::fromUtf8(titoloApplicazione));
    setObjectName("TessoDef");

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    QFont grassetto = Label1->font();
    grassetto.setBold(true);
    Label1->setFont(grassetto);
    Label4 = new QLabel("Definizione:", this);
    Label4->setObjectName("Label4");
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setMinimumWidth(420);

    auto* lettere = new QHBoxLayout;
    lettere->setSpacing(2);
    QFont carattereLettera = font();
    carattereLettera.setBold(true);
    carattereLettera.setPointSizeF(carattereLettera.pointSizeF() * 1.3);
    for (int i = 0; i < maxCaselleDialogo; ++i) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QString("Text3_%1").arg(i));
        t->setFixedSize(28, 28);
        t->setAlignment(Qt::AlignCenter);
        t->setFont(carattereLettera);
        t->setToolTip("Scrivi la lettera; frecce per le altre caselle");
        t->hide();
        t->installEventFilter(this);
        connect(t, &QLineEdit::textEdited, this, [this, i](const QString& testo) { casellaModificata(i, testo); });
        lettere->addWidget(t);
        Text3[static_cast<size_t>(i)] = t;
    }
    Text2 = new QLineEdit(this);
    Text2->setObjectName("Text2");
    Text2->setFont(carattereLettera);
    Text2->hide();
    Text2->installEventFilter(this);
    connect(Text2, &QLineEdit::textEdited, this, [this](const QString& testo) {
        lungaModificata_ = true;
        // Letters a..z become capitals while they are typed.
        QString m = testo;
        for (QChar& ch : m)
            if (ch >= u'a' && ch <= u'z') ch = ch.toUpper();
        if (m != testo) {
            const int cur = Text2->cursorPosition();
            Text2->setText(m);
            Text2->setCursorPosition(cur);
        }
    });
    lettere->addWidget(Text2, 1);
    lettere->addStretch();

    Command3d4 = new QPushButton("&Cerca", this);
    Command3d4->setObjectName("Command3d4");
    ComboModo = new QComboBox(this);
    ComboModo->setObjectName("ComboModo");
    ComboModo->addItems({"Maschera", "Anagramma", "Frammenti", "Incroci"});
    ComboModo->setToolTip("Maschera: le parole con le lettere delle caselle (\"@\" una vocale, \"#\" una consonante)\n"
                          "Anagramma: le parole fatte delle lettere delle caselle\n"
                          "Frammenti: le parole di cui le lettere sono consonanti, vocali, dispari, pari, estremi o centro\n"
                          "Incroci: le parole che lasciano possibile ogni parola incrociata");
    ComboModo->hide();
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo1->setMinimumWidth(160);
    modelloParole_ = ModelloParole::perLista(Combo1);
    // The count of words found is said as it changes.
    Label5 = new Voce(this);
    Label5->setObjectName("Label5");
    Label5->setMinimumWidth(70);
    // The search does not return to the event loop until it ends: a slow one shows its strokes
    // at once, a quick one only its outcome.
    Picture1 = new AreaDisegno(this, ModoArea{Qt::white, ModoArea::differito});
    Picture1->setFixedSize(160, 14);
    Picture1->setObjectName("Picture1");
    auto* barraRicerca = new QHBoxLayout;
    barraRicerca->addWidget(ComboModo);
    barraRicerca->addWidget(Command3d4);
    barraRicerca->addWidget(Combo1);
    barraRicerca->addWidget(Label5);
    barraRicerca->addWidget(Picture1);
    barraRicerca->addStretch();

    Command3d1 = new QPushButton("&OK", this);
    Command3d1->setObjectName("Command3d1");
    Command3d2 = new QPushButton("&Annulla", this);
    Command3d2->setObjectName("Command3d2");
    Command3d3 = new QPushButton("&Help", this);
    Command3d3->setObjectName("Command3d3");
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(Command3d1);
    pulsanti->addWidget(Command3d2);
    pulsanti->addWidget(Command3d3);
    for (QPushButton* b : {Command3d1, Command3d2, Command3d3, Command3d4}) b->setAutoDefault(false);
    Command3d1->setDefault(true);

    auto* griglia = new QVBoxLayout(this);
    griglia->addWidget(Label1);
    auto* definizione = new QHBoxLayout;
    definizione->addWidget(Label4);
    definizione->addWidget(Text1, 1);
    griglia->addLayout(definizione);
    griglia->addLayout(lettere);
    griglia->addLayout(barraRicerca);
    griglia->addLayout(pulsanti);

    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textEdited, this, &TessoDef::limitaDefinizione);
    connect(Command3d1, &QPushButton::clicked, this, &TessoDef::Command3d1_Click);
    connect(Command3d2, &QPushButton::clicked, this, &TessoDef::Command3d2_Click);
    connect(Command3d3, &QPushButton::clicked, this, &TessoDef::Command3d3_Click);
    connect(Command3d4, &QPushButton::clicked, this, &TessoDef::Command3d4_Click);
    connect(Combo1, &QComboBox::activated, this, &TessoDef::Combo1_Click);

    // Set-up: the default pointer, also over the main window, whose next press then opens
    // nothing until the pointer moves again.
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
    Label5->clear();
    const int n = lunghezza();
    // What a screen reader says for each control: the boxes by their place in the word.
    Text1->setAccessibleName("Definizione");
    Text2->setAccessibleName("Parola");
    Combo1->setAccessibleName("Parole trovate");
    Picture1->setAccessibleName("Avanzamento della ricerca");
    // The letter is in the name too: Orca finds no text in a Qt line edit's attribute runs.
    for (int i = 0; i < maxCaselleDialogo; ++i) {
        QLineEdit* box = Text3[static_cast<size_t>(i)];
        const auto nomina = [box, i, n] {
            const QString lettera = box->text().trimmed();
            box->setAccessibleName(QString("Lettera %1 di %2%3").arg(i + 1).arg(n).arg(lettera.isEmpty() ? ", vuota" : ": " + lettera));
        };
        nomina();
        connect(box, &QLineEdit::textChanged, this, nomina);
    }
    // The list and the progress bar serve only the search: without it they would stay empty.
    Command3d4->setVisible(conRicerca(n));
    Combo1->setVisible(conRicerca(n));
    Picture1->setVisible(conRicerca(n));
    if (conCaselle(n)) {
        const std::vector<std::string> iniziali = caselleIniziali(voce_.celle);
        for (int i = 0; i < n; ++i) {
            Text3[static_cast<size_t>(i)]->setText(QString::fromStdString(iniziali[static_cast<size_t>(i)]));
            Text3[static_cast<size_t>(i)]->show();
        }
    } else if (conCasellaLunga(n)) {
        Text2->setText(QString::fromStdString(testoCasellaLunga(voce_.celle)));
        Text2->show();
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

TessoDef::~TessoDef() = default;

QPoint TessoDef::posizione(const QRect& parola, QSize dimensione, const QRect& schermo) {
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

std::vector<std::string> TessoDef::testiCaselle() const {
    std::vector<std::string> v;
    for (int i = 0; i < caselleMostrate(); ++i) v.push_back(Text3[static_cast<size_t>(i)]->text().toStdString());
    return v;
}

void TessoDef::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Filled once: a message box closing over the dialog must not undo what was typed.
    if (attivato_) return;
    attivato_ = true;
    if (voce_.valida) {
        Label1->setText(QString::fromStdString(voce_.titolo));
        Text1->setText(QString::fromStdString(voce_.definizione));
        // The title names the word, as a screen reader says it first: "8 orizzontale – Sigla di Salerno".
        setWindowTitle(QString::fromStdString(voce_.titolo).trimmed().toLower() + " \u2013 " + Text1->text());
    }
    definizionePrecedente_ = Text1->text();
    if (!Text2->isHidden()) {
        Text2->selectAll();
        Text2->setFocus();
    } else if (!Text3[0]->isHidden()) {
        Text3[0]->setFocus();
    }
}

void TessoDef::limitaDefinizione(const QString& testo) {
    // Typing stops at 60 characters; a longer clue stored in the file is still shown whole.
    if (testo.size() > 60 && testo.size() > definizionePrecedente_.size()) {
        const int cur = Text1->cursorPosition() - static_cast<int>(testo.size() - definizionePrecedente_.size());
        Text1->setText(definizionePrecedente_);
        Text1->setModified(true);  // what was typed before the limit still counts as the player's
        Text1->setCursorPosition(std::max(0, cur));
        return;
    }
    definizionePrecedente_ = testo;
}

int TessoDef::indiceCasella(QObject* o) const {
    for (int i = 0; i < maxCaselleDialogo; ++i)
        if (Text3[static_cast<size_t>(i)] == o) return i;
    return -1;
}

bool TessoDef::eventFilter(QObject* oggetto, QEvent* evento) {
    const int i = indiceCasella(oggetto);
    if (evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        // A shortcut that matched nothing (Alt+C with Cerca hidden) is no letter for the word.
        if ((i >= 0 || oggetto == Text2) &&
            (static_cast<QKeyEvent*>(evento)->modifiers() & (Qt::AltModifier | Qt::MetaModifier)))
            return true;
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            Command3d1_Click();
            return true;
        }
        if (tasto == Qt::Key_Escape) {
            Command3d2_Click();
            return true;
        }
        const int n = caselleMostrate();
        if (i >= 0 && n > 0 && (tasto == Qt::Key_Right || tasto == Qt::Key_Left)) {
            const int j = tasto == Qt::Key_Right ? seguenteNelDialogo(i, n) : precedenteNelDialogo(i, n);
            Text3[static_cast<size_t>(j)]->setFocus(Qt::OtherFocusReason);
            return true;
        }
    } else if (i >= 0 && evento->type() == QEvent::FocusIn) {
        // The box reads its letter, not a selection: the caret before it (a reader reads the
        // line at the caret, and finds none past the end); typing replaces it all the same.
        QLineEdit* box = Text3[static_cast<size_t>(i)];
        QTimer::singleShot(0, box, [box] { box->home(false); });
    } else if (i >= 0 && evento->type() == QEvent::FocusOut) {
        const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason) casellaLasciata(i);
    }
    return QDialog::eventFilter(oggetto, evento);
}

void TessoDef::casellaModificata(int i, const QString& testo) {
    modificate_[static_cast<size_t>(i)] = true;
    QLineEdit* box = Text3[static_cast<size_t>(i)];
    // One letter per box: what was just typed replaces what was there.
    const QString nuovo = QString::fromStdString(casellaDopoDigitazione(testo.toStdString(), box->cursorPosition()));
    if (nuovo != testo) box->setText(nuovo);
    const int n = caselleMostrate();
    if (n > 0 && avanzaDopoDigitazione(nuovo.toStdString())) Text3[static_cast<size_t>(seguenteNelDialogo(i, n))]->setFocus();
}

void TessoDef::casellaLasciata(int i) {
    if (!isVisible() || result() != 0 || Text3[static_cast<size_t>(i)]->isHidden()) return;
    QLineEdit* box = Text3[static_cast<size_t>(i)];
    QString t = box->text().toUpper();
    if (t.isEmpty()) t = " ";
    if (t != box->text()) box->setText(t);
    // After the focus has settled: the message must not interrupt the press that moved it.
    QTimer::singleShot(0, this, [this, i] {
        QLineEdit* lasciata = Text3[static_cast<size_t>(i)];
        // A box as it came from the grid (an "@" typed there) is not the player's doing here.
        if (!isVisible() || !modificate_[static_cast<size_t>(i)] || casellaAmmessa(lasciata->text().toStdString()))
            return;
        piattaforma_.messaggio(msgCaratteriNonAmmessi);
        lasciata->setFocus();
    });
}

void TessoDef::Command3d1_Click() {
    if (!voce_.valida) {
        accept();
        return;
    }
    const int n = lunghezza();
    // A box the player edited is checked as it stands, whichever way OK was reached; a box shown
    // as it came from the grid is kept as it is.
    if (conCasellaLunga(n)) {
        if (lungaModificata_ && !casellaLungaAmmessa(Text2->text().toStdString())) {
            piattaforma_.messaggio(msgCaratteriNonAmmessi);
            Text2->setFocus();
            return;
        }
    } else if (const auto rifiutata = casellaRifiutata(testiCaselle(), modificate_)) {
        piattaforma_.messaggio(msgCaratteriNonAmmessi);
        Text3[static_cast<size_t>(*rifiutata)]->setFocus();
        return;
    }
    // The clue as shown, unless the player changed it: a long one is never cut by the box.
    SceltaParola scelta{voce_.celle, Text1->isModified() ? Text1->text().toStdString() : voce_.definizione};
    if (conCasellaLunga(n) && lungaModificata_)
        scelta.celle = celleDaCasellaLunga(Text2->text().toStdString(), voce_.celle.size());
    else if (conCaselle(n))
        scelta.celle = celleDaCaselle(testiCaselle(), voce_.celle);
    scelta_ = scelta;
    accept();
}

void TessoDef::Command3d2_Click() {
    scelta_.reset();
    reject();
}

void TessoDef::Command3d3_Click() { piattaforma_.messaggio(testoAiutoTessoDef()); }

void TessoDef::impostaElenco(Elenco elenco) {
    elenco_ = std::move(elenco);
    ComboModo->setVisible(elenco_ && conRicerca(lunghezza()));
    adjustSize();
}

void TessoDef::Command3d4_Click() {
    if (!voce_.valida) return;
    const std::string maschera = mascheraDaCaselle(testiCaselle(), voce_.lunghezzaMaschera);
    const auto modo = static_cast<ModoRicerca>(std::max(0, ComboModo->currentIndex()));
    if (modo != ModoRicerca::maschera && elenco_) {
        std::vector<VoceRicerca> voci = elenco_(modo, maschera);
        const std::size_t trovate = voci.size();
        modelloParole_->imposta(std::move(voci));
        Label5->annuncia(QString::fromStdString("Trov.:" + conSegno(static_cast<long long>(trovate))),
                         contoDetto(static_cast<long long>(trovate)));
        Combo1->setCurrentIndex(trovate == 0 ? -1 : 0);
        if (trovate == 1) Combo1_Click(0);
        return;
    }
    if (!ricerca_) return;
    // The search ends with the default pointer: the hover arrow comes back only with a move.
    inizioRicerca_.start();
    ricerca_(maschera, *this);
}

void TessoDef::Combo1_Click(int indice) {
    if (indice < 0) return;
    // A line only to be read (a fragment's source word) writes nothing.
    const QString parola = Combo1->itemData(indice, Qt::UserRole).toString();
    if (parola.isEmpty()) return;
    const int n = caselleMostrate();
    for (int i = 0; i < n && i < parola.size(); ++i) {
        Text3[static_cast<size_t>(i)]->setText(parola.mid(i, 1));
        modificate_[static_cast<size_t>(i)] = true;
    }
}

void TessoDef::svuotaLista() { modelloParole_->svuota(); }

void TessoDef::aggiungiParole(const ParoleTrovate& parole) {
    modelloParole_->imposta(parole);
    // One word found: it goes into the boxes at once, as if picked.
    if (Combo1->count() == 1) Combo1_Click(0);
}

bool TessoDef::ricercaLenta() const { return inizioRicerca_.isValid() && inizioRicerca_.elapsed() >= msRicercaLenta; }

void TessoDef::impostaStato(const std::string& testo) {
    const QString t = QString::fromStdString(testo);
    if (t.startsWith("Trov.:"))
        Label5->annuncia(t, contoDetto(t.mid(6).trimmed().toLongLong()));
    else
        Label5->setText(t);
    if (ricercaLenta()) Label5->repaint();
}

void TessoDef::impostaTestoLista(const std::string& testo) {
    Combo1->setCurrentIndex(testo.empty() ? -1 : Combo1->findText(QString::fromStdString(testo)));
}

Superficie& TessoDef::progresso() { return barra_; }

void TessoDef::BarraRicerca::tratto() {
    if (d_.ricercaLenta()) d_.Picture1->mostraOra();
}

}  // namespace quadrivo
