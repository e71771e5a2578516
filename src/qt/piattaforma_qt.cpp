#include "qt/piattaforma_qt.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

#include "model/piattaforma.h"

namespace quadrivo {

namespace {

// Keys still arriving from typing when a question pops up are not its answer: a Space or Enter
// meant for the grid must not close it unread. Keys pressed during its first moments are dropped.
class TastiInArrivo : public QObject {
public:
    TastiInArrivo(QWidget* finestra, qint64 millisecondi) : finestra_(finestra), millisecondi_(millisecondi) {
        inizio_.start();
        qApp->installEventFilter(this);
    }
    ~TastiInArrivo() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        const QEvent::Type t = e->type();
        if (t != QEvent::KeyPress && t != QEvent::KeyRelease && t != QEvent::ShortcutOverride) return false;
        if (inizio_.elapsed() >= millisecondi_) return false;
        const auto* w = qobject_cast<QWidget*>(o);
        return w && (w == finestra_ || finestra_->isAncestorOf(w));
    }

private:
    QWidget* finestra_;
    qint64 millisecondi_;
    QElapsedTimer inizio_;
};

}  // namespace

PiattaformaQt::PiattaformaQt() { fermo_.start(); }

Risposta PiattaformaQt::messaggio(const std::string& testo, const std::string& titolo, Icona icona, Pulsanti pulsanti) {
    return mostra(testo, titolo, icona, pulsanti, false);
}

void PiattaformaQt::avvisoInDigitazione(const std::string& testo) { mostra(testo, {}, Icona::attenzione, Pulsanti::ok, true); }

Risposta PiattaformaQt::mostra(const std::string& testo, const std::string& titolo, Icona icona, Pulsanti pulsanti,
                               bool scartaTasti) {
    // Over the dialog in use, if any: the keyboard goes back to it once the box is answered.
    QWidget* sopra = QApplication::activeModalWidget();
    if (!sopra) sopra = QApplication::activeWindow();
    QMessageBox box(sopra && sopra->isVisible() && sopra->isEnabled() ? sopra : genitore_.data());
    box.setWindowTitle(QString::fromStdString(titolo.empty() ? titoloApplicazione : titolo));
    // A carriage return alone breaks the line, as on the desktop this text was written for.
    QString t = QString::fromStdString(testo);
    t.replace("\r\n", "\n").replace('\r', '\n');
    box.setText(t);
    switch (icona) {
    case Icona::nessuna: box.setIcon(QMessageBox::NoIcon); break;
    case Icona::informazione: box.setIcon(QMessageBox::Information); break;
    case Icona::attenzione: box.setIcon(QMessageBox::Warning); break;
    case Icona::critico: box.setIcon(QMessageBox::Critical); break;
    case Icona::domanda: box.setIcon(QMessageBox::Question); break;
    }
    // The texts of the three answers ("" for none).
    struct Testi {
        const char *ok, *nonSalvare, *annulla;
    };
    const Testi t3 = [&]() -> Testi {
        switch (pulsanti) {
        case Pulsanti::ok: return {"OK", "", ""};
        case Pulsanti::okAnnulla:
        case Pulsanti::annullaOk: return {"OK", "", "Annulla"};
        case Pulsanti::salvaNonSalvareAnnulla: return {"Salva", "Non salvare", "Annulla"};
        case Pulsanti::ripristinaPiuTardiElimina: return {"Ripristina", "Elimina", "Più tardi"};
        case Pulsanti::ripristinaCopiaPiuTardiElimina: return {"Ripristina come copia", "Elimina", "Più tardi"};
        case Pulsanti::sovrascriviSalvaConNomeAnnulla: return {"Sovrascrivi", "Salva con nome", "Annulla"};
        case Pulsanti::apriComunqueAnnulla: return {"Apri comunque", "", "Annulla"};
        }
        return {"OK", "", ""};
    }();
    QPushButton* ok = box.addButton(QString::fromUtf8(t3.ok), QMessageBox::AcceptRole);
    QPushButton* nonSalvare = *t3.nonSalvare ? box.addButton(QString::fromUtf8(t3.nonSalvare), QMessageBox::DestructiveRole) : nullptr;
    QPushButton* annulla = *t3.annulla ? box.addButton(QString::fromUtf8(t3.annulla), QMessageBox::RejectRole) : nullptr;
    const auto pulsante = [&](Risposta r) -> QPushButton* {
        return r == Risposta::ok ? ok : r == Risposta::nonSalvare ? nonSalvare : annulla;
    };
    // A focused button would otherwise become the default, and Return would press whatever the
    // focus happened to land on: only the safe answer is ever the default.
    for (QPushButton* b : {ok, nonSalvare, annulla})
        if (b) b->setAutoDefault(false);
    QPushButton* predefinito = pulsante(rispostaInvio(pulsanti));
    box.setDefaultButton(predefinito);
    box.setEscapeButton(pulsante(rispostaEsc(pulsanti)));
    predefinito->setFocus();
    // The busy pointer must not hide the question.
    bool occupato = QApplication::overrideCursor() != nullptr;
    if (occupato) QApplication::setOverrideCursor(Qt::ArrowCursor);
    std::optional<TastiInArrivo> tasti;
    if (scartaTasti) tasti.emplace(&box, millisecondiSenzaTasti);
    box.exec();
    if (occupato) QApplication::restoreOverrideCursor();
    if (box.clickedButton() == ok) return Risposta::ok;
    return nonSalvare && box.clickedButton() == nonSalvare ? Risposta::nonSalvare : Risposta::annulla;
}

void PiattaformaQt::termina() {
    if (auto f = std::exchange(primaDiTerminare, nullptr)) f();
    std::fflush(nullptr);
    std::_Exit(1);
}

double PiattaformaQt::orologio() { return QDateTime::currentMSecsSinceEpoch() / 1000.0; }

void PiattaformaQt::impostaPuntatore(Puntatore p) {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    forma_ = p;
    Qt::CursorShape forma = Qt::ArrowCursor;
    switch (p) {
    case Puntatore::predefinito: break;
    case Puntatore::clessidra: QApplication::setOverrideCursor(Qt::WaitCursor); break;
    case Puntatore::frecciaOrizzontale: forma = Qt::SizeHorCursor; break;
    case Puntatore::frecciaVerticale: forma = Qt::SizeVerCursor; break;
    case Puntatore::mano: forma = Qt::PointingHandCursor; break;
    }
    if (p == Puntatore::clessidra) return;
    if (area_) {
        if (forma == Qt::ArrowCursor)
            area_->unsetCursor();
        else
            area_->setCursor(forma);
    } else if (forma != Qt::ArrowCursor) {
        QApplication::setOverrideCursor(forma);
    }
}

}  // namespace quadrivo
