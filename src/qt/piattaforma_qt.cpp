#include "qt/piattaforma_qt.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "model/stato.h"

namespace quadrivo {

PiattaformaQt::PiattaformaQt() { fermo_.start(); }

Risposta PiattaformaQt::messaggio(const std::string& testo, const std::string& titolo, Icona icona, Pulsanti pulsanti) {
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
    // The texts of the three answers ("" for none) and whether the safe one is the default.
    struct Testi {
        const char *ok, *nonSalvare, *annulla;
        bool predefinitoAnnulla;
    };
    const Testi t3 = [&]() -> Testi {
        switch (pulsanti) {
        case Pulsanti::ok: return {"OK", "", "", false};
        case Pulsanti::okAnnulla: return {"OK", "", "Annulla", false};
        case Pulsanti::salvaNonSalvareAnnulla: return {"Salva", "Non salvare", "Annulla", false};
        case Pulsanti::annullaOk: return {"OK", "", "Annulla", true};
        case Pulsanti::ripristinaPiuTardiElimina: return {"Ripristina", "Elimina", "Più tardi", false};
        case Pulsanti::sovrascriviSalvaConNomeAnnulla: return {"Sovrascrivi", "Salva con nome", "Annulla", true};
        case Pulsanti::apriComunqueAnnulla: return {"Apri comunque", "", "Annulla", true};
        }
        return {"OK", "", "", false};
    }();
    QPushButton* ok = box.addButton(QString::fromUtf8(t3.ok), QMessageBox::AcceptRole);
    QPushButton* nonSalvare = *t3.nonSalvare ? box.addButton(QString::fromUtf8(t3.nonSalvare), QMessageBox::DestructiveRole) : nullptr;
    QPushButton* annulla = *t3.annulla ? box.addButton(QString::fromUtf8(t3.annulla), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(t3.predefinitoAnnulla ? annulla : ok);
    box.setEscapeButton(annulla ? static_cast<QAbstractButton*>(annulla) : ok);
    // The busy pointer must not hide the question.
    bool occupato = QApplication::overrideCursor() != nullptr;
    if (occupato) QApplication::setOverrideCursor(Qt::ArrowCursor);
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
