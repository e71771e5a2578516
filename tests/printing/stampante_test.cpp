#include "printing/gui/stampante.h"

#include <QProcess>
#include <QtTest>

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

}  // namespace

class ProvaStampante : public QObject {
    Q_OBJECT

private slots:
    void longListsOnTwoSheetsWithEveryClueAndTheFooter() {
        // A word without a clue, and enough clues of half a line each to need a second sheet.
        std::vector<Definizione> def;
        for (int i = 1; i <= 26; ++i) {
            if (i < 16) def.push_back({1, i, 1, "Orizzontale " + std::to_string(i) + std::string(50, 'o')});
            def.push_back({i, 1, 2, "Verticale " + std::to_string(i) + std::string(50, 'v')});
        }
        const Stato s = statoStampa(grigliaPiena(26, 16), {}, def, "Niccol\xf2 Bianchi");
        CartellaTemporanea dir;
        const QString pdf = QString::fromStdString(dir.percorso("lungo.pdf"));
        QPrinter stampante(QPrinter::HighResolution);
        stampante.setOutputFileName(pdf);
        Carattere c;
        PiattaformaRegistro p;
        QVERIFY(stampaSu(stampante, s, finestra, c, p, "02-06-2013") && p.messaggi.empty());
        QVERIFY(comando("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +2\n")));
        const QString testo = comando("pdftotext", {"-layout", pdf, "-"}).simplified();
        QStringList attesi{"ORIZZONTALI:", "VERTICALI:", "41 " + QString(30, '_'),  // 41 across has no clue
                           "02-06-2013 - /home/anna/Archivio cruciverba/prova.trmo", "Autore: Niccolò Bianchi",
                           rigaCrediti};
        for (int d : {orizzontale, verticale})
            for (const std::string& v : vociDefinizioni(s, d)) attesi << QString::fromStdString(v).simplified();
        for (const QString& a : attesi) QVERIFY2(testo.contains(a), qPrintable(a));
        // 8.25 points on paper: sizes are points, never the job's units or the printer's dots.
        const auto m = QRegularExpression(R"x(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">ORIZZONTALI:)x")
                           .match(comando("pdftotext", {"-bbox", pdf, "-"}));
        const double alta = m.captured(2).toDouble() - m.captured(1).toDouble();
        QVERIFY2(alta > 8.25 && alta < 8.25 * 1.35, qPrintable(QString::number(alta)));
    }

    void printerErrorOrGridWithoutColumnsGiveOneMessage() {
        CartellaTemporanea dir;
        for (auto [file, colonne, messaggio] : {std::tuple{QString("/non/esiste/x.pdf"), 9, msgErroreStampante},
                                                {QString::fromStdString(dir.percorso("vuoto.pdf")), 0,
                                                 msgSchemaNonStampabile}}) {
            QPrinter stampante(QPrinter::HighResolution);
            stampante.setOutputFileName(file);
            Stato s = statoStampa(grigliaPiena(9, 6));
            s.nColonne = static_cast<std::int16_t>(colonne);
            Carattere c;
            PiattaformaRegistro p;
            QVERIFY(!stampaSu(stampante, s, finestra, c, p, "02-06-2013"));
            QVERIFY(p.messaggi.size() == 1 && p.messaggi[0].testo == messaggio && p.forma == Puntatore::predefinito);
            QVERIFY(!QFile::exists(file));  // nothing reaches the printer
        }
    }
};

QTEST_MAIN(ProvaStampante)
#include "stampante_test.moc"
