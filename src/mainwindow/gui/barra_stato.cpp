#include "mainwindow/gui/barra_stato.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>

#include "mainwindow/finestra.h"
#include "qt/voce.h"


namespace quadrivo {

// The light of a named keyboard indicator; `letto` false when it cannot be read.
bool luceTastiera(const char* nome, bool& letto);

BarraStato::BarraStato(QWidget* genitore) : QStatusBar(genitore) {
    setObjectName("barraStato");
    setAccessibleName("Barra di stato");
    setSizeGripEnabled(false);
    setAutoFillBackground(true);
    const char* testi[8] = {"", "", "BLOC SCORR", "INS", "BLOC MAIUSC", "NUM", "", ""};
    for (int i = 1; i <= 7; ++i) {
        // The first panel is the program's voice: results and readings, shown and spoken.
        QLabel* l = i == testo ? new Voce(this) : new QLabel(QString::fromUtf8(testi[i]), this);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setContentsMargins(4, 0, 4, 0);
        l->installEventFilter(this);
        if (i > 1) l->setAlignment(Qt::AlignCenter);
        pannelli_[i] = l;
        if (i == scorrimento) {
            auto* t = new QLabel(this);
            t->setObjectName("TempoSoluzione");
            t->setFrameShape(QFrame::Panel);
            t->setFrameShadow(QFrame::Sunken);
            t->setContentsMargins(4, 0, 4, 0);
            t->setAlignment(Qt::AlignCenter);
            t->setToolTip("Tempo di soluzione (F6: pausa)");
            t->setMinimumWidth(fontMetrics().horizontalAdvance("In pausa 0:00:00") + 14);
            t->installEventFilter(this);
            t->hide();
            pannelli_[tempo] = t;
            addPermanentWidget(t);
        }
        if (i == 1)
            addWidget(l, 1);
        else
            addPermanentWidget(l);
    }
    for (int i = scorrimento; i <= numeri; ++i)
        pannelli_[i]->setMinimumWidth(pannelli_[i]->fontMetrics().horizontalAdvance(pannelli_[i]->text()) + 14);
    pannelli_[data]->setMinimumWidth(fontMetrics().horizontalAdvance("00/00/0000") + 14);
    pannelli_[ora]->setMinimumWidth(fontMetrics().horizontalAdvance("00:00") + 14);
    installEventFilter(this);
    if (qApp) qApp->installEventFilter(this);
    connect(&orologio_, &QTimer::timeout, this, &BarraStato::aggiorna);
    orologio_.start(500);
    aggiorna();
}

BarraStato::~BarraStato() {
    if (qApp) qApp->removeEventFilter(this);
}

void BarraStato::impostaTempo(const QString& t) {
    QLabel* l = pannelli_[tempo];
    if (l->text() != t) l->setText(t);
    l->setVisible(!t.isEmpty());
}

void BarraStato::impostaIndicatore(int indice, bool attivo) {
    QLabel* l = pannelli_[indice];
    if (l->isEnabled() != attivo) l->setEnabled(attivo);
}

void BarraStato::aggiorna() {
    bool letto = false;
    bool v = luceTastiera("Scroll Lock", letto);
    impostaIndicatore(scorrimento, letto ? v : bloccoScorr_);
    v = luceTastiera("Caps Lock", letto);
    impostaIndicatore(maiuscole, letto ? v : bloccoMaiusc_);
    v = luceTastiera("Num Lock", letto);
    impostaIndicatore(numeri, letto ? v : bloccoNum_);
    impostaIndicatore(inserimento, inserisci_);

    const QDateTime adesso = QDateTime::currentDateTime();
    const QDate g = adesso.date();
    const QTime t = adesso.time();
    const QString d = QString::fromStdString(testoData(g.day(), g.month(), g.year()));
    const QString o = QString::fromStdString(testoOra(t.hour(), t.minute()));
    if (pannelli_[data]->text() != d) pannelli_[data]->setText(d);
    if (pannelli_[ora]->text() != o) pannelli_[ora]->setText(o);
}

bool BarraStato::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonDblClick &&
        (oggetto == this || (oggetto->parent() == this && qobject_cast<QLabel*>(oggetto)))) {
        emit doppioClic();
        return true;
    }
    // Each key reaches the filter once per widget it travels through; only the first counts.
    if (evento->type() == QEvent::KeyPress && oggetto == QApplication::focusObject()) {
        auto* k = static_cast<QKeyEvent*>(evento);
        if (!k->isAutoRepeat()) {
            bool cambiato = true;
            switch (k->key()) {
            case Qt::Key_ScrollLock: bloccoScorr_ = !bloccoScorr_; break;
            case Qt::Key_CapsLock: bloccoMaiusc_ = !bloccoMaiusc_; break;
            case Qt::Key_NumLock: bloccoNum_ = !bloccoNum_; break;
            case Qt::Key_Insert: inserisci_ = !inserisci_; break;
            default: cambiato = false; break;
            }
            if (cambiato) QTimer::singleShot(0, this, &BarraStato::aggiorna);
        }
    }
    return QStatusBar::eventFilter(oggetto, evento);
}

}  // namespace quadrivo
