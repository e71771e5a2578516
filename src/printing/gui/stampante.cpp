#include "printing/gui/stampante.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>

#include "model/numeri.h"
#include "qt/superficie_qt.h"

namespace quadrivo {

namespace {
constexpr double puntiPerPollice = 72, risoluzioneCarta = 1200;  // a PDF printer's dots per inch
}

MisuraCarta::MisuraCarta(const FormatoPagina& f) : immagine_(1, 1, QImage::Format_RGB32) {
    const int puntiPerMetro = static_cast<int>(std::lround(risoluzioneCarta / 0.0254));
    immagine_.setDotsPerMeterX(puntiPerMetro);
    immagine_.setDotsPerMeterY(puntiPerMetro);
    pittore_.begin(&immagine_);
    const double k = risoluzioneCarta / puntiPerPollice;
    superficie_ = std::make_unique<SuperficieQt>(pittore_, f.larghezza * k, f.altezza * k);
    superficie_->impostaScala(f.larghezza, f.altezza);
}

MisuraCarta::~MisuraCarta() {
    superficie_.reset();
    pittore_.end();
}

Superficie& MisuraCarta::superficie() { return *superficie_; }

FormatoPagina formatoDi(const QPrinter& stampante) {
    const QRectF carta = stampante.pageLayout().fullRect(QPageLayout::Point);
    FormatoPagina f;
    f.larghezza = carta.width();
    f.altezza = carta.height();
    return f;
}

bool stampaSu(QPrinter& stampante, const Documento& documento, const ValoriImpostazioni& valori, Carattere& carattere, Piattaforma& piattaforma,
              const std::string& data) {
    // The job draws on the whole sheet and keeps its own margins.
    stampante.setFullPage(true);
    const FormatoPagina formato = formatoDi(stampante);
    MisuraCarta carta(formato);
    MisuraProporzionale misura(carta.superficie());
    Impaginazione im;
    try {
        misura.impostaCarattere(carattere);
        im = impagina(documento, valori, misura, formato, data);
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
        sup.impostaScala(formato.larghezza, formato.altezza);
        sup.impostaCarattere(carattere);
        disegnaPagine(documento, valori, sup, misura, im, formato, data,
                      [&] { riuscita = stampante.newPage() && riuscita; });
        carattere = sup.carattere();
    }
    riuscita = pittore.end() && riuscita;
    piattaforma.impostaPuntatore(Puntatore::predefinito);
    if (!riuscita) piattaforma.messaggio(msgErroreStampante, {}, Icona::attenzione);
    return riuscita;
}

bool stampaConDialogo(QWidget* genitore, const Documento& documento, const ValoriImpostazioni& valori, Carattere& carattere, Piattaforma& piattaforma) {
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setPageSize(QPageSize(QPageSize::A4));
    stampante.setPageOrientation(QPageLayout::Portrait);
    const QString nome = QFileInfo(QString::fromStdString(documento.nomeFile)).completeBaseName();
    stampante.setDocName(nome.isEmpty() ? QStringLiteral("Quadrivo") : nome);
    // Without any printer the dialog offers only a PDF file: propose one in the home folder.
    if (stampante.outputFormat() == QPrinter::PdfFormat && stampante.outputFileName().isEmpty())
        stampante.setOutputFileName(QDir::home().filePath(stampante.docName() + QStringLiteral(".pdf")));

    QPrintDialog dialogo(&stampante, genitore);
    dialogo.setWindowTitle(QStringLiteral("Stampa"));
    dialogo.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialogo.exec() != QDialog::Accepted) return false;

    return stampaSu(stampante, documento, valori, carattere, piattaforma, dataDiOggi());
}

}  // namespace quadrivo
