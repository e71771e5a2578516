#include "solving/gui/tessodef.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "qt/superficie_qt.h"
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
// Progress surface

// Every stroke opens a painter on the image, draws, and shows the result at once: the search
// does not return to the event loop until it ends.
class BarraProgresso::Disegno : public Superficie {
public:
    explicit Disegno(BarraProgresso& barra) : b_(barra) {}

    void pulisci() override {
        con([](SuperficieQt& s) { s.pulisci(); });
    }
    void rettangolo(double x1, double y1, double x2, double y2, Colore c) override {
        con([&](SuperficieQt& s) { s.rettangolo(x1, y1, x2, y2, c); });
    }
    void rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) override {
        con([&](SuperficieQt& s) { s.rettangoloPieno(x1, y1, x2, y2, c); });
    }
    void disegnaTesto(double x, double y, const std::string& t) override {
        con([&](SuperficieQt& s) { s.disegnaTesto(x, y, t); });
    }
    double larghezzaTesto(const std::string& t) override {
        double w = 0;
        con([&](SuperficieQt& s) { w = s.larghezzaTesto(t); }, false);
        return w;
    }
    double altezzaTesto(const std::string& t) override {
        double h = 0;
        con([&](SuperficieQt& s) { h = s.altezzaTesto(t); }, false);
        return h;
    }
    double larghezzaScala() const override { return b_.immagine_.width(); }
    double altezzaScala() const override { return b_.immagine_.height(); }

private:
    template <typename F>
    void con(F f, bool mostra = true) {
        if (b_.immagine_.isNull()) return;
        {
            QPainter p(&b_.immagine_);
            SuperficieQt s(p, b_.immagine_.width(), b_.immagine_.height());
            s.impostaCarattere(carattere());
            f(s);
        }
        if (mostra) b_.repaint();
    }
    BarraProgresso& b_;
};

BarraProgresso::BarraProgresso(QWidget* genitore) : QWidget(genitore) {
    setFixedSize(160, 14);
    immagine_ = QImage(size(), QImage::Format_RGB32);
    immagine_.fill(Qt::white);
}

BarraProgresso::~BarraProgresso() = default;

Superficie& BarraProgresso::inizia() {
    if (!disegno_) disegno_ = std::make_unique<Disegno>(*this);
    return *disegno_;
}

void BarraProgresso::finisci() { disegno_.reset(); }

void BarraProgresso::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, immagine_);
}

void BarraProgresso::resizeEvent(QResizeEvent*) {
    if (immagine_.size() == size() || disegno_) return;
    QImage nuova(size(), QImage::Format_RGB32);
    nuova.fill(Qt::white);
    QPainter(&nuova).drawImage(0, 0, immagine_);
    immagine_ = nuova;
}

// ---------------------------------------------------------------------------------------------
// The dialog

namespace {

bool indiciValidi(int c, int r, int d) {
    return c >= 1 && c <= maxColonne && r >= 1 && r <= maxRighe && (d == orizzontale || d == verticale);
}

// The first character of a box as a Windows-1252 byte, blank when the box is empty.
char primoCarattere(const QString& testo) {
    if (testo.isEmpty()) return ' ';
    const std::string b = aWindows1252(QString(testo.front()).toStdString());
    return b.empty() ? ' ' : b[0];
}

bool ammesso(QChar ch) { return (ch >= u'A' && ch <= u'Z') || ch == u'.' || ch == u' '; }

}  // namespace

TessoDef::TessoDef(Stato& stato, Piattaforma& piattaforma, QWidget* genitore)
    : QDialog(genitore),
      s_(stato),
      piattaforma_(piattaforma),
      c_(stato.colonnaCorrente),
      r_(stato.rigaCorrente),
      d_(stato.direzioneCorrente) {
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
    QFont lettera = font();
    lettera.setBold(true);
    lettera.setPointSizeF(lettera.pointSizeF() * 1.3);
    for (int i = 0; i < 15; ++i) {
        auto* t = new QLineEdit(this);
        t->setObjectName(QString("Text3_%1").arg(i));
        t->setFixedSize(28, 28);
        t->setAlignment(Qt::AlignCenter);
        t->setFont(lettera);
        t->setToolTip("Clicca e modifica");
        t->hide();
        t->installEventFilter(this);
        connect(t, &QLineEdit::textEdited, this, [this, i](const QString& s) { casellaModificata(i, s); });
        lettere->addWidget(t);
        Text3[static_cast<size_t>(i)] = t;
    }
    Text2 = new QLineEdit(this);
    Text2->setObjectName("Text2");
    Text2->setFont(lettera);
    Text2->hide();
    Text2->installEventFilter(this);
    connect(Text2, &QLineEdit::textEdited, this, [this](const QString& s) {
        // Letters a..z become capitals while they are typed.
        QString m = s;
        for (QChar& ch : m)
            if (ch >= u'a' && ch <= u'z') ch = ch.toUpper();
        if (m != s) {
            const int cur = Text2->cursorPosition();
            Text2->setText(m);
            Text2->setCursorPosition(cur);
        }
    });
    lettere->addWidget(Text2, 1);
    lettere->addStretch();

    Command3d4 = new QPushButton("&Cerca", this);
    Command3d4->setObjectName("Command3d4");
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo1->setMinimumWidth(160);
    modelloParole_ = ModelloParole::perLista(Combo1);
    Label5 = new QLabel(this);
    Label5->setObjectName("Label5");
    Label5->setMinimumWidth(70);
    Picture1 = new BarraProgresso(this);
    Picture1->setObjectName("Picture1");
    auto* ricerca = new QHBoxLayout;
    ricerca->addWidget(Command3d4);
    ricerca->addWidget(Combo1);
    ricerca->addWidget(Label5);
    ricerca->addWidget(Picture1);
    ricerca->addStretch();

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
    griglia->addLayout(ricerca);
    griglia->addLayout(pulsanti);

    Text1->installEventFilter(this);
    connect(Text1, &QLineEdit::textEdited, this, &TessoDef::limitaDefinizione);
    connect(Command3d1, &QPushButton::clicked, this, &TessoDef::Command3d1_Click);
    connect(Command3d2, &QPushButton::clicked, this, &TessoDef::Command3d2_Click);
    connect(Command3d3, &QPushButton::clicked, this, &TessoDef::Command3d3_Click);
    connect(Command3d4, &QPushButton::clicked, this, &TessoDef::Command3d4_Click);
    connect(Combo1, &QComboBox::activated, this, &TessoDef::Combo1_Click);

    // Set-up from the shared state. The dialog has its own ordinary pointer; only a busy pointer
    // left over would cover it. The main window's hover shape stays: a click uses it.
    if (piattaforma_.puntatore() == Puntatore::clessidra) piattaforma_.impostaPuntatore(Puntatore::predefinito);
    Label5->clear();
    const int n = lunghezza();
    const std::string parola = indiciValidi(c_, r_, d_) ? s_.parolaInserita[c_][r_][d_] : std::string();
    const bool cerca = n >= 3 && n <= 15;
    // The list and the progress bar serve only the search: without it they would stay empty.
    Command3d4->setVisible(cerca);
    Combo1->setVisible(cerca);
    Picture1->setVisible(cerca);
    if (n > 1 && n <= 15) {
        for (int i = 0; i < n; ++i) {
            const char ch = parola[static_cast<size_t>(i)];
            const bool lettera = ch != ' ' && static_cast<unsigned char>(ch) > '.';
            Text3[static_cast<size_t>(i)]->setText(
                lettera ? QString::fromStdString(daWindows1252(std::string(1, ch))) : QString(" "));
            Text3[static_cast<size_t>(i)]->show();
        }
    } else if (n > 15) {
        Text2->setText(QString::fromStdString(daWindows1252(parola)));
        Text2->show();
    }

    adjustSize();
    QScreen* schermo = genitore && genitore->screen() ? genitore->screen() : QGuiApplication::primaryScreen();
    if (schermo) move(posizione(s_, frameGeometry().size(), schermo->availableGeometry()));
}

TessoDef::~TessoDef() = default;

QPoint TessoDef::posizione(const Stato& s, QSize dimensione, const QRect& schermo) {
    int x = s.xGriglia + s.colonnaCorrente * s.latoCasella;
    int y = s.yGriglia + s.rigaCorrente * s.latoCasella;
    if (x + dimensione.width() > schermo.x() + schermo.width()) x = schermo.x() + schermo.width() - dimensione.width();
    if (y + dimensione.height() > schermo.y() + schermo.height())
        y = schermo.y() + schermo.height() - dimensione.height();
    return {x, y};
}

int TessoDef::lunghezza() const {
    return indiciValidi(c_, r_, d_) ? static_cast<int>(s_.parolaInserita[c_][r_][d_].size()) : 0;
}

void TessoDef::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Filled once: a message box closing over the dialog must not undo what was typed.
    if (attivato_) return;
    attivato_ = true;
    if (indiciValidi(c_, r_, d_)) {
        Label1->setText(QString::fromStdString(conSegno(s_.numeroCasella[c_][r_]) +
                                               (d_ == orizzontale ? " Orizzontale" : " Verticale")));
        Text1->setText(QString::fromStdString(daWindows1252(s_.definizione[c_][r_][d_])));
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
        Text1->setCursorPosition(std::max(0, cur));
        return;
    }
    definizionePrecedente_ = testo;
}

int TessoDef::indiceCasella(QObject* o) const {
    for (int i = 0; i < 15; ++i)
        if (Text3[static_cast<size_t>(i)] == o) return i;
    return -1;
}

bool TessoDef::eventFilter(QObject* oggetto, QEvent* evento) {
    const int i = indiceCasella(oggetto);
    if (evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            Command3d1_Click();
            return true;
        }
        if (tasto == Qt::Key_Escape) {
            Command3d2_Click();
            return true;
        }
        const int n = std::min(lunghezza(), 15);
        if (i >= 0 && n > 0 && (tasto == Qt::Key_Right || tasto == Qt::Key_Left)) {
            const int j = tasto == Qt::Key_Right ? (i + 1 >= n ? 0 : i + 1) : (i == 0 ? n - 1 : i - 1);
            Text3[static_cast<size_t>(j)]->setFocus(Qt::OtherFocusReason);
            return true;
        }
    } else if (i >= 0 && evento->type() == QEvent::FocusIn) {
        // Later than the mouse press that brought the focus, which would drop the selection.
        QTimer::singleShot(0, Text3[static_cast<size_t>(i)], &QLineEdit::selectAll);
    } else if (i >= 0 && evento->type() == QEvent::FocusOut) {
        const Qt::FocusReason motivo = static_cast<QFocusEvent*>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason) casellaLasciata(i);
    }
    return QDialog::eventFilter(oggetto, evento);
}

void TessoDef::casellaModificata(int i, const QString& testo) {
    QLineEdit* box = Text3[static_cast<size_t>(i)];
    // One letter per box: what was just typed replaces what was there.
    const int cur = box->cursorPosition();
    QString nuovo = testo;
    if (testo.size() > 1) nuovo = testo.mid(std::clamp(cur - 1, 0, static_cast<int>(testo.size()) - 1), 1);
    nuovo = nuovo.toUpper();
    if (nuovo != testo) box->setText(nuovo);
    const int n = std::min(lunghezza(), 15);
    QString senzaBlanchi = nuovo;
    while (senzaBlanchi.startsWith(' ')) senzaBlanchi.remove(0, 1);
    if (!senzaBlanchi.isEmpty() && n > 0) Text3[static_cast<size_t>(i + 1 >= n ? 0 : i + 1)]->setFocus();
}

bool TessoDef::casellaValida(int i) const {
    const QString t = Text3[static_cast<size_t>(i)]->text();
    return t.isEmpty() || ammesso(t.front());
}

void TessoDef::casellaLasciata(int i) {
    if (!isVisible() || result() != 0 || Text3[static_cast<size_t>(i)]->isHidden()) return;
    QLineEdit* box = Text3[static_cast<size_t>(i)];
    QString t = box->text().toUpper();
    if (t.isEmpty()) t = " ";
    if (t != box->text()) box->setText(t);
    // After the focus has settled: the message must not interrupt the press that moved it.
    QTimer::singleShot(0, this, [this, i] {
        if (!isVisible() || casellaValida(i)) return;
        piattaforma_.messaggio(msgCaratteriNonAmmessi);
        Text3[static_cast<size_t>(i)]->setFocus();
    });
}

void TessoDef::Command3d1_Click() {
    if (!indiciValidi(c_, r_, d_)) {
        accept();
        return;
    }
    const int n = lunghezza();
    // Nothing but letters, dots and blanks reaches the grid, whichever way OK was reached.
    if (n > 15) {
        const QString t = Text2->text().trimmed().toUpper();
        for (QChar ch : t)
            if (!ammesso(ch)) {
                piattaforma_.messaggio(msgCaratteriNonAmmessi);
                Text2->setFocus();
                return;
            }
    } else {
        for (int i = 0; i < n; ++i) {
            QLineEdit* box = Text3[static_cast<size_t>(i)];
            const QString t = box->text().toUpper();
            if (t != box->text()) box->setText(t);
            if (!casellaValida(i)) {
                piattaforma_.messaggio(msgCaratteriNonAmmessi);
                box->setFocus();
                return;
            }
        }
    }
    s_.definizione[c_][r_][d_] = aWindows1252(Text1->text().toStdString());
    std::string& parola = s_.parolaInserita[c_][r_][d_];
    if (n > 15) {
        parola = aWindows1252(Text2->text().trimmed().toUpper().toStdString());
    } else if (n > 1) {
        std::string unita;
        for (int i = 0; i < n; ++i) unita += primoCarattere(Text3[static_cast<size_t>(i)]->text());
        parola = unita;
    }
    accept();
}

void TessoDef::Command3d2_Click() { reject(); }

void TessoDef::Command3d3_Click() { piattaforma_.messaggio(testoAiutoTessoDef()); }

void TessoDef::Command3d4_Click() {
    if (!indiciValidi(c_, r_, d_)) return;
    const int n = static_cast<int>(s_.parolaSoluzione[c_][r_][d_].size());
    std::string maschera;
    for (int i = 0; i < n; ++i) {
        const bool visibile = i < 15 && !Text3[static_cast<size_t>(i)]->isHidden();
        maschera += visibile ? primoCarattere(Text3[static_cast<size_t>(i)]->text()) : ' ';
    }
    // The busy pointer of the search ends in the default one; the main window gets back the
    // hover shape it showed, which the next click there reads.
    const Puntatore prima = piattaforma_.puntatore();
    cercaNelLessico(s_, piattaforma_, maschera, *this);
    Picture1->finisci();
    if (prima != Puntatore::clessidra && piattaforma_.puntatore() != prima) piattaforma_.impostaPuntatore(prima);
}

void TessoDef::Combo1_Click(int indice) {
    if (indice < 0) return;
    const QString parola = Combo1->itemText(indice);
    const int n = std::min(lunghezza(), 15);
    for (int i = 0; i < n && i < parola.size(); ++i) Text3[static_cast<size_t>(i)]->setText(parola.mid(i, 1));
}

void TessoDef::svuotaLista() { modelloParole_->svuota(); }

void TessoDef::aggiungiParole(const ParoleTrovate& parole) { modelloParole_->imposta(parole); }

void TessoDef::impostaStato(const std::string& testo) {
    Label5->setText(QString::fromStdString(testo));
    Label5->repaint();
}

void TessoDef::impostaTestoLista(const std::string& testo) {
    Combo1->setCurrentIndex(testo.empty() ? -1 : Combo1->findText(QString::fromStdString(testo)));
}

Superficie& TessoDef::progresso() { return Picture1->inizia(); }

}  // namespace quadrivo
