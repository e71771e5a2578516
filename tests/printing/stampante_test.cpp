#include "printing/stampante.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTimer>
#include <QtTest>

#include "campione_stampa.h"
#include "dialogo_modale.h"
#include "mainwindow/superficie_qt.h"
#include "model/testo.h"
#include "printing/elenchi.h"

using namespace quadrivo;
using namespace quadrivo::prova;

namespace {

const AreaFinestra finestra{1024, 700, 30, 20};

QString comando(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    if (!p.waitForFinished(60000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString testoPdf(const QString& pdf) { return comando("pdftotext", {"-layout", pdf, "-"}).simplified(); }

int paginePdf(const QString& pdf) {
    for (const QString& riga : comando("pdfinfo", {pdf}).split('\n'))
        if (riga.startsWith("Pages:")) return riga.mid(6).trimmed().toInt();
    return -1;
}

void preparaPdf(QPrinter& stampante, const QString& file) {
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setOutputFileName(file);
    stampante.setPageSize(QPageSize(QPageSize::A4));
    stampante.setPageOrientation(QPageLayout::Portrait);
}

void chiudiDialogo(bool accetta) {
    conIlProssimoDialogo([accetta](QDialog* d) { accetta ? d->accept() : d->reject(); });
}

}  // namespace

class ProvaStampante : public QObject {
    Q_OBJECT

private slots:
    void paginaConSchemaElenchiEPiePagina() {
        CartellaTemporanea dir;
        const QString pdf = QString::fromStdString(dir.percorso("pagina.pdf"));
        QPrinter stampante(QPrinter::HighResolution);
        preparaPdf(stampante, pdf);
        Stato s = statoCampione();
        Carattere c;
        PiattaformaRegistro p;
        QVERIFY(stampaSu(stampante, s, finestra, c, p, "02-06-2013"));
        QVERIFY(p.messaggi.empty());
        QCOMPARE(paginePdf(pdf), 1);
        if (!qEnvironmentVariableIsEmpty("QUADRIVO_PDF")) QFile::copy(pdf, qEnvironmentVariable("QUADRIVO_PDF"));

        const QString testo = testoPdf(pdf);
        QVERIFY2(testo.contains("ORIZZONTALI:"), qPrintable(testo));
        QVERIFY(testo.contains("VERTICALI:"));
        QVERIFY(testo.indexOf("ORIZZONTALI:") < testo.indexOf("VERTICALI:"));
        for (const Definizione& d : definizioniCampione()) {
            const QString voce = QString::fromStdString(voceDefinizione(s, d.c, d.r, d.d)).simplified();
            QVERIFY2(testo.contains(voce), qPrintable(voce));
        }
        QVERIFY(testo.contains("20 " + QString(30, '_')));  // the one across word without a clue
        QVERIFY(testo.contains("02-06-2013 - /home/anna/Archivio cruciverba/prova.trmo"));
        QVERIFY(testo.contains("Autore: Niccolò Bianchi"));
        QVERIFY(testo.contains("Creazione e stampa con Tramerio"));
        // Entered letters are printed, solutions that are still missing are not.
        QVERIFY(testo.contains("C A S A"));
        QVERIFY(!testo.contains("L U N A"));
    }

    void caratteriInPuntiAncheConLeUnitaDellaStampante() {
        // 16 points must come out as 16 points on paper, whatever the printer's resolution
        // and the unit system the job gives the page.
        for (auto risoluzione : {QPrinter::ScreenResolution, QPrinter::HighResolution}) {
            CartellaTemporanea dir;
            QPrinter stampante(risoluzione);
            preparaPdf(stampante, QString::fromStdString(dir.percorso("misura.pdf")));
            QPainter pittore(&stampante);
            SuperficieQt sup(pittore, stampante.width(), stampante.height());
            sup.impostaScala(1024, 1422.03);
            sup.impostaDimensione(16);
            const double altezzaInPunti = sup.altezzaTesto("X") / 1422.03 *
                                          stampante.pageLayout().paintRect(QPageLayout::Point).height();
            // A line of a 16-point face is a little more than 16 points high.
            QVERIFY2(altezzaInPunti > 16 && altezzaInPunti < 16 * 1.35, qPrintable(QString::number(altezzaInPunti)));
            const double larghezzaInPunti = sup.larghezzaTesto(std::string(10, 'M')) / 1024 *
                                            stampante.pageLayout().paintRect(QPageLayout::Point).width();
            QVERIFY2(larghezzaInPunti > 10 * 16 * 0.7 && larghezzaInPunti < 10 * 16 * 1.0,
                     qPrintable(QString::number(larghezzaInPunti)));
            pittore.end();
        }
    }

    void elenchiLunghiContinuanoSuUnAltroFoglio() {
        std::vector<Definizione> def;
        // The largest grid, 16 across and 26 down words, each clue filling a line of its own.
        for (int i = 1; i <= 26; ++i) {
            if (i <= 16) def.push_back({1, i, 1, "Orizzontale " + std::to_string(i) + " " + std::string(120, 'o')});
            def.push_back({i, 1, 2, "Verticale " + std::to_string(i) + " " + std::string(120, 'v')});
        }
        Stato s = statoStampa(grigliaPiena(26, 16), {}, def);
        CartellaTemporanea dir;
        const QString pdf = QString::fromStdString(dir.percorso("lungo.pdf"));
        QPrinter stampante(QPrinter::HighResolution);
        preparaPdf(stampante, pdf);
        Carattere c;
        PiattaformaRegistro p;
        QVERIFY(stampaSu(stampante, s, finestra, c, p, "02-06-2013"));
        QCOMPARE(paginePdf(pdf), 2);
        const QString testo = testoPdf(pdf);
        QVERIFY(testo.contains("Orizzontale 16"));
        QVERIFY(testo.contains("Verticale 26"));
        QVERIFY(testo.contains("Creazione e stampa con Tramerio"));
    }

    void unaStampanteInErroreOUnoSchemaSenzaColonneDannoUnMessaggioEBasta() {
        CartellaTemporanea dir;
        const QString pdf = QString::fromStdString(dir.percorso("vuoto.pdf"));
        struct {
            QString file;
            int colonne;
            const char* messaggio;
        } casi[] = {{"/cartella/che/non/esiste/x.pdf", 9, msgErroreStampante}, {pdf, 0, msgSchemaNonStampabile}};
        for (const auto& c : casi) {
            QPrinter stampante(QPrinter::HighResolution);
            preparaPdf(stampante, c.file);
            Stato s = statoCampione();
            s.nColonne = static_cast<std::int16_t>(c.colonne);
            Carattere car;
            PiattaformaRegistro p;
            QVERIFY(!stampaSu(stampante, s, finestra, car, p, "02-06-2013"));
            QCOMPARE(p.messaggi.size(), size_t(1));
            QCOMPARE(p.messaggi[0].testo, std::string(c.messaggio));
            QVERIFY(p.forma == Puntatore::predefinito);
        }
        QVERIFY(!QFile::exists(pdf));  // nothing reaches the printer
    }

    void dialogoAnnullatoODConfermatoSuFilePdf() {
        CartellaTemporanea casa;
        const QByteArray vecchiaCasa = qgetenv("HOME");
        qputenv("HOME", QByteArray::fromStdString(casa.percorso()));
        Stato s = statoCampione();
        Carattere c;
        PiattaformaRegistro p;
        QWidget genitore;

        chiudiDialogo(false);
        QVERIFY(!stampaConDialogo(&genitore, s, finestra, c, p));
        QVERIFY(p.messaggi.empty());
        QVERIFY(!QFile::exists(QString::fromStdString(casa.percorso("prova.pdf"))));

        if (QPrinter().outputFormat() != QPrinter::PdfFormat) {
            qputenv("HOME", vecchiaCasa);
            QSKIP("a real printer is installed: the dialog would print on paper");
        }
        chiudiDialogo(true);
        const bool stampato = stampaConDialogo(&genitore, s, finestra, c, p);
        qputenv("HOME", vecchiaCasa);
        QVERIFY(stampato);
        QVERIFY(p.messaggi.empty());
        QVERIFY(testoPdf(QString::fromStdString(casa.percorso("prova.pdf"))).contains("VERTICALI:"));
    }
};

QTEST_MAIN(ProvaStampante)
#include "stampante_test.moc"
