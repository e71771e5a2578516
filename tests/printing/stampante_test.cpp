// The printed page through Qt's printer, and the layout dialog.
#include "printing/gui/settaggi.h"
#include "printing/gui/stampante.h"

#include <QProcess>
#include <QtTest>

#include "model/impostazioni.h"
#include "model/piattaforma_registro.h"
#include "printing/elenchi.h"
#include "puzzle.h"

using namespace quadrivo;
using namespace quadrivo::prova;

namespace {

QString comando(const QString& programma, const QStringList& argomenti) {
    QProcess p;
    p.start(programma, argomenti);
    return p.waitForFinished(60000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

}  // namespace

class ProvaStampante : public QObject {
    Q_OBJECT

    CartellaTemporanea dir_;
    PiattaformaRegistro p_;

    static ValoriImpostazioni tipico() {
        return {.PercentualeRiquadro = 90, .SpessoreBordo = 2, .AltezzaCaratteri = 60, .AltezzaNumeri = 20,
                .DistanzaDaSpigolo = 3, .DistanzaDaCentro = -4};
    }

private slots:
    void longListsOnTwoSheetsInPoints() {
        // Enough clues of two lines each to need a second sheet.
        std::vector<DefinizioneProva> def;
        std::string parole;
        for (int i = 0; i < 14; ++i) parole += " parola";
        for (int i = 1; i <= 26; ++i) {
            if (i < 16) def.push_back({1, i, Direzione::orizzontale, "Orizzontale " + std::to_string(i) + parole});
            def.push_back({i, 1, Direzione::verticale, "Verticale " + std::to_string(i) + parole});
        }
        const SchemaStampa s = schemaStampa(grigliaPiena(26, 16), {}, def);
        const QString pdf = QString::fromStdString(dir_.percorso("lungo.pdf"));
        QPrinter stampante(QPrinter::HighResolution);
        stampante.setOutputFileName(pdf);
        Carattere c;
        QVERIFY(stampaSu(stampante, s.documento, s.valori, c, p_, "02-06-2013"));
        QVERIFY(p_.messaggi.empty());
        QVERIFY(comando("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +2\n")));
        const auto m = QRegularExpression(R"x(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">ORIZZONTALI:)x")
                           .match(comando("pdftotext", {"-bbox", pdf, "-"}));
        const double alta = m.captured(2).toDouble() - m.captured(1).toDouble();
        QVERIFY2(alta > 9, qPrintable(QString::number(alta)));
        QVERIFY2(alta < 12 * 1.35, qPrintable(QString::number(alta)));
    }

    void theKeptMeasuresChooseThePrintersOwnSizes() {
        // Step by step on the printer's measures, or halving over scaled ones from the last puzzle's.
        const char* const campioni[] = {"primi-passi.trmo", "pausa-caffe.trmo", "tempo-libero.trmo", "grande-schema.trmo"};
        for (const FormatoPagina& f : {FormatoPagina{}, FormatoPagina{612, 792, 36}}) {
            std::optional<Impaginazione> altra;
            for (const char* nome : campioni) {
                const SchemaStampa s = campione(nome);
                QVERIFY(s.documento.cruciverba.colonne() > 0);
                MisuraCarta carta(f);
                const std::string data = "02-06-2013";
                const Impaginazione prima = impagina(s.documento, s.valori, carta.superficie(), f, data, Ricerca::passoPasso);
                MisuraProporzionale misura(carta.superficie());
                const Impaginazione ora =
                    impagina(s.documento, s.valori, misura, f, data, Ricerca::dimezzando, altra ? &*altra : nullptr);
                QVERIFY2(ora.griglia == prima.griglia, nome);
                QCOMPARE(ora.elenchi.punti, prima.elenchi.punti);
                QCOMPARE(ora.fogli, prima.fogli);
                altra = ora;
            }
        }
    }

    void printerErrorOrGridWithoutColumnsGiveOneMessage() {
        for (auto [file, colonne, messaggio] : {std::tuple{QString("/non/esiste/x.pdf"), 9, msgErroreStampante},
                                                {QString::fromStdString(dir_.percorso("vuoto.pdf")), 0, msgSchemaNonStampabile}}) {
            QPrinter stampante(QPrinter::HighResolution);
            stampante.setOutputFileName(file);
            SchemaStampa s = schemaStampa(grigliaPiena(9, 6));
            if (colonne == 0) s.documento.cruciverba = Cruciverba();
            Carattere c;
            PiattaformaRegistro p;
            QVERIFY(!stampaSu(stampante, s.documento, s.valori, c, p, "02-06-2013"));
            QCOMPARE(p.messaggi.size(), 1u);
            QCOMPARE(p.messaggi[0].testo, std::string(messaggio));
            QCOMPARE(p.forma, Puntatore::predefinito);
            QVERIFY(!QFile::exists(file));  // nothing reaches the printer
        }
    }

    void openingOutOfRangeThenTheSampleFollowsTheBarsAndOnlySaveStores() {
        Impostazioni impostazioni(Cartelle{dir_.percorso(), {}});
        ValoriImpostazioni s = tipico();
        // A square below 50 % shows as 95; a frame below a pixel is one, even on Annulla; bars clamp.
        s.PercentualeRiquadro = 49, s.SpessoreBordo = 0, s.AltezzaCaratteri = 120, s.DistanzaDaCentro = -50;
        impostazioni.cambia(s);
        Settaggi d(impostazioni);
        QCOMPARE(QStringList({d.valoreRiquadro->text(), d.valoreNumeri->text(), d.valoreCaratteri->text(), d.valoreSpigolo->text(), d.valoreCentro->text(), d.valoreBordo->text()}),
                 QStringList({"95", "20", "90", "3", "-10", "1"}));
        d.pulsanteAnnulla->click();
        QCOMPARE(impostazioni.valori().SpessoreBordo, 1);
        QCOMPARE(impostazioni.valori().PercentualeRiquadro, 49);
        QCOMPARE(impostazioni.valori().AltezzaCaratteri, 120);
        QCOMPARE(dir_.leggi(nomeFileImpostazioni), testoImpostazioni(impostazioni.valori()));

        // Salva hands the values shown, out-of-range ones brought in, to the settings.
        QSignalSpy cambiate(&impostazioni, &Impostazioni::cambiate);
        Settaggi salva(impostazioni);
        salva.barraNumeri->setValue(12);
        salva.barraBordo->setValue(5);
        salva.pulsanteSalva->click();
        QCOMPARE(cambiate.count(), 1);
        const ValoriImpostazioni& v = impostazioni.valori();
        QCOMPARE(v.PercentualeRiquadro, 95);
        QCOMPARE(v.AltezzaNumeri, 12);
        QCOMPARE(v.SpessoreBordo, 5);
        QCOMPARE(dir_.leggi(nomeFileImpostazioni), testoImpostazioni(v));

        // The sample follows the bars; Annulla touches nothing.
        impostazioni.cambia(tipico());
        cambiate.clear();
        Settaggi annulla(impostazioni);
        annulla.barraRiquadro->setValue(70);
        annulla.barraCaratteri->setValue(90);
        QCOMPARE(annulla.campione().quadratiNeri[0].l, latoCellaCampione * 0.7);
        annulla.pulsanteAnnulla->click();
        QCOMPARE(impostazioni.valori(), tipico());
        QCOMPARE(cambiate.count(), 0);
        QCOMPARE(dir_.leggi(nomeFileImpostazioni), testoImpostazioni(tipico()));
    }
};

QTEST_MAIN(ProvaStampante)
#include "stampante_test.moc"
