#include "dialogs/gui/collegamenti.h"

#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "dialogs/indirizzi.h"

namespace quadrivo {

namespace {

// Through xdg-open, whose exit says whether anything could take the address; when nothing
// can, the player still gets the address to copy.
void apri(const QString& indirizzo, const std::string& mancanza, Piattaforma& piattaforma) {
    const QString programma = QStandardPaths::findExecutable("xdg-open");
    if (programma.isEmpty()) {
        piattaforma.messaggio(mancanza);
        return;
    }
    auto* processo = new QProcess;
    QObject::connect(processo, &QProcess::finished, processo, [processo, mancanza, &piattaforma](int codice) {
        if (codice != 0) piattaforma.messaggio(mancanza);
        processo->deleteLater();
    });
    QObject::connect(processo, &QProcess::errorOccurred, processo, [processo, mancanza, &piattaforma](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        piattaforma.messaggio(mancanza);
        processo->deleteLater();
    });
    processo->start(programma, {indirizzo});
}

}  // namespace

void apriSitoAutore(Piattaforma& piattaforma) {
    apri(QString::fromUtf8(sitoAutore),
         std::string("Nessun browser può aprire il sito dell'autore. L'indirizzo è: ") + sitoAutore, piattaforma);
}

void apriPostaAutore(Piattaforma& piattaforma) {
    apri(QStringLiteral("mailto:") + QString::fromUtf8(postaAutore),
         std::string("Nessun programma di posta può scrivere all'autore. L'indirizzo è: ") + postaAutore, piattaforma);
}

}  // namespace quadrivo
