#include "dialogs/gui/collegamenti.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "dialogs/indirizzi.h"
#include "dialogs/periferia.h"

namespace quadrivo {

void apriSitoAutore() { QDesktopServices::openUrl(QUrl(QString::fromUtf8(sitoAutore))); }

void apriPostaAutore() { QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QString::fromUtf8(postaAutore))); }

void avviaInfoSistema(Piattaforma& piattaforma) {
    const std::string strumento = trovaStrumentoSistema(qEnvironmentVariable("PATH").toStdString());
    if (strumento.empty() || !QProcess::startDetached(QString::fromStdString(strumento), {}))
        piattaforma.messaggio(msgNoInfoSistema);
}

}  // namespace quadrivo
