#include "printing/stampante.h"

#include <QPainter>
#include <QProcess>
#include <QtTest>

#include "mainwindow/superficie_qt.h"
#include "printing/elenchi.h"
#include "puzzle.h"

using namespace quadrivo;
using namespace quadrivo::prova;

namespace {

const AreaFinestra finestra{1024, 700, 30, 20};

QString comando(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

void preparaPdf(QPrinter& stampante, const std::string& file) {
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setOutputFileName(QString::fromStdString(file));
    stampante.setPageSize(QPageSize(QPageSize::A4));
}

}  // namespace

class ProvaStampante : public QObject {
    Q_OBJECT

private slots:
    void elenchiLunghiSuDueFogliConOgniDefinizioneEIlPiePagina() {
        // A word without a clue, and enough clues of half a line each to need a second sheet.
        std::vector<Definizione> def;
        for (int i = 1; i <= 26; ++i) {
            if (i < 16) def.push_back({1, i, 1, "Orizzontale " + std::to_string(i) + std::string(50, 'o')});
            def.push_back({i, 1, 2, "Verticale " + std::to_string(i) + std::string(50, 'v')});
        }
        const Stato s = statoStampa(grigliaPiena(26, 16), {}, def, "Niccol\xf2 Bianchi");
        CartellaTemporanea dir;
        QPrinter stampante(QPrinter::HighResolution);
        preparaPdf(stampante, dir.percorso("lungo.pdf"));
        Carattere c;
        PiattaformaRegistro p;
        QVERIFY(stampaSu(stampante, s, finestra, c, p, "02-06-2013"));
        QVERIFY(p.messaggi.empty());
        QVERIFY(comando("pdfinfo", {stampante.outputFileName()}).contains(QRegularExpression("Pages: +2\n")));
        const QString testo = comando("pdftotext", {"-layout", stampante.outputFileName(), "-"}).simplified();
        QStringList attesi{"ORIZZONTALI:", "VERTICALI:", "02-06-2013 - /home/anna/Archivio cruciverba/prova.trmo",
                           "Autore: Niccolò Bianchi", rigaCrediti};
        for (int d : {orizzontale, verticale})
            for (const std::string& v : vociDefinizioni(s, d)) attesi << QString::fromStdString(v).simplified();
        QVERIFY(attesi.contains("41 " + QString(30, '_')));  // the across word without a clue
        for (const QString& a : attesi) QVERIFY2(testo.contains(a), qPrintable(a));
        QVERIFY(testo.indexOf("ORIZZONTALI:") < testo.indexOf("VERTICALI:"));
    }

    void caratteriInPuntiAncheConLeUnitaDellaStampante() {
        // 16 points stay 16 points on paper, whatever the printer's resolution and the units
        // the job gives the page: a line is a little taller, ten M's a little narrower.
        for (auto risoluzione : {QPrinter::ScreenResolution, QPrinter::HighResolution}) {
            CartellaTemporanea dir;
            QPrinter stampante(risoluzione);
            preparaPdf(stampante, dir.percorso("misura.pdf"));
            QPainter pittore(&stampante);
            SuperficieQt sup(pittore, stampante.width(), stampante.height());
            sup.impostaScala(1024, 1422.03);
            sup.impostaDimensione(16);
            const QRectF punti = stampante.pageLayout().paintRect(QPageLayout::Point);
            const double alta = sup.altezzaTesto("X") / 1422.03 * punti.height();
            const double larga = sup.larghezzaTesto(std::string(10, 'M')) / 1024 * punti.width();
            QVERIFY2(alta > 16 && alta < 16 * 1.35, qPrintable(QString::number(alta)));
            QVERIFY2(larga > 10 * 16 * 0.7 && larga < 10 * 16, qPrintable(QString::number(larga)));
        }
    }

    void stampanteInErroreOSchemaSenzaColonneDannoSoloUnMessaggio() {
        CartellaTemporanea dir;
        for (auto [file, colonne, messaggio] : {std::tuple{std::string("/non/esiste/x.pdf"), 9, msgErroreStampante},
                                                {dir.percorso("vuoto.pdf"), 0, msgSchemaNonStampabile}}) {
            QPrinter stampante(QPrinter::HighResolution);
            preparaPdf(stampante, file);
            Stato s = statoStampa(grigliaPiena(9, 6));
            s.nColonne = static_cast<std::int16_t>(colonne);
            Carattere c;
            PiattaformaRegistro p;
            QVERIFY(!stampaSu(stampante, s, finestra, c, p, "02-06-2013"));
            QCOMPARE(p.messaggi.size(), size_t(1));
            QCOMPARE(p.messaggi[0].testo, std::string(messaggio));
            QVERIFY(p.forma == Puntatore::predefinito);
            QVERIFY(!QFile::exists(QString::fromStdString(file)));  // nothing reaches the printer
        }
    }
};

QTEST_MAIN(ProvaStampante)
#include "stampante_test.moc"
