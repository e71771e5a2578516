#include "printing/gui/stampante.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>

#include "qt/superficie_qt.h"
#include "model/numeri.h"
#include "printing/pagina.h"

namespace quadrivo {

bool stampaSu(QPrinter& stampante, const Stato& stato, const AreaFinestra& finestra, Carattere& carattere,
              Piattaforma& piattaforma, const std::string& data) {
    GeometriaPagina g;
    try {
        g = geometriaStampa(stato, finestra);
    } catch (const ErroreOverflow&) {
        piattaforma.messaggio(msgSchemaNonStampabile, {}, Icona::attenzione);
        return false;
    }
    QPainter pittore;
    if (!stampante.isValid() || !pittore.begin(&stampante)) {
        piattaforma.messaggio(msgErroreStampante, {}, Icona::attenzione);
        return false;
    }
    piattaforma.impostaPuntatore(Puntatore::clessidra);
    bool riuscita = true;
    {
        SuperficieQt sup(pittore, stampante.width(), stampante.height());
        sup.impostaCarattere(carattere);
        // Further sheets take the lists from the height where the grid starts on the first.
        SaltoPagina salto{[&] { riuscita = stampante.newPage() && riuscita; }, static_cast<double>(g.gy)};
        disegnaStampa(stato, sup, finestra, data, &salto);
        carattere = sup.carattere();
    }
    riuscita = pittore.end() && riuscita;
    piattaforma.impostaPuntatore(Puntatore::predefinito);
    if (!riuscita) piattaforma.messaggio(msgErroreStampante, {}, Icona::attenzione);
    return riuscita;
}

bool stampaConDialogo(QWidget* genitore, const Stato& stato, const AreaFinestra& finestra, Carattere& carattere,
                      Piattaforma& piattaforma) {
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageSize(QPageSize(QPageSize::A4));
    stampante.setPageOrientation(QPageLayout::Portrait);
    const QString nome = QFileInfo(QString::fromStdString(stato.nomeFile)).completeBaseName();
    stampante.setDocName(nome.isEmpty() ? QStringLiteral("Quadrivo") : nome);
    // Without any printer the dialog offers only a PDF file: propose one in the home folder.
    if (stampante.outputFormat() == QPrinter::PdfFormat && stampante.outputFileName().isEmpty())
        stampante.setOutputFileName(QDir::home().filePath(stampante.docName() + QStringLiteral(".pdf")));

    QPrintDialog dialogo(&stampante, genitore);
    dialogo.setWindowTitle(QStringLiteral("Stampa"));
    dialogo.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialogo.exec() != QDialog::Accepted) return false;

    return stampaSu(stampante, stato, finestra, carattere, piattaforma, dataDiOggi());
}

}  // namespace quadrivo
