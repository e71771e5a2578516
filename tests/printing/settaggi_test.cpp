#include "printing/settaggi.h"

#include <QtTest>

#include "model/impostazioni.h"
#include "model/piattaforma_registro.h"
#include "supporto/schema.h"

using namespace quadrivo;
using namespace quadrivo::prova;

namespace {

Stato statoTipico(const CartellaTemporanea& dir) {
    Stato s;
    s.cartellaProgramma = dir.percorso();
    s.PercentualeRiquadro = 90;
    s.SpessoreBordo = 2;
    s.AltezzaCaratteri = 60;
    s.AltezzaNumeri = 20;
    s.DistanzaDaSpigolo = 3;
    s.DistanzaDaCentro = -4;
    s.StampaSoluzioni = 1;
    s.tastoSinistro = true;
    return s;
}

}  // namespace

class ProvaSettaggi : public QObject {
    Q_OBJECT

private slots:
    void aperturaMostraIValoriSalvati() {
        CartellaTemporanea dir;
        Stato s = statoTipico(dir);
        PiattaformaRegistro p;
        Settaggi d(s, p);
        QCOMPARE(d.HScroll1->value(), 90);
        QCOMPARE(d.HScroll5->value(), -4);
        QCOMPARE(d.Label2->text(), QString("90"));
        QCOMPARE(d.Label9->text(), QString("20"));
        QCOMPARE(d.Label5->text(), QString("60"));
        QCOMPARE(d.Label11->text(), QString("3"));
        QCOMPARE(d.Label15->text(), QString("-4"));
        QCOMPARE(d.Label13->text(), QString("2"));
        QCOMPARE(d.twipPerPixel(), 1440.0 / d.logicalDpiY());
        QCOMPARE(d.campione().puntiLettere, puntiCampione(60, d.twipPerPixel()));
        QCOMPARE(d.campione().spessoreLinee, 2);
    }

    void valoriUgualiAllaPosizioneInizialeSiVedonoComunque() {
        CartellaTemporanea dir;
        Stato s = statoTipico(dir);
        s.AltezzaNumeri = 5;
        s.AltezzaCaratteri = 50;
        PiattaformaRegistro p;
        Settaggi d(s, p);
        QCOMPARE(d.Label9->text(), QString("5"));
        QCOMPARE(d.Label5->text(), QString("50"));
        QCOMPARE(d.campione().puntiNumeri, puntiCampione(5, d.twipPerPixel()));
    }

    void valoriFuoriScalaRiquadroNulloESpessoreNullo() {
        CartellaTemporanea dir;
        Stato s = statoTipico(dir);
        s.PercentualeRiquadro = 0;
        s.SpessoreBordo = 0;
        s.AltezzaCaratteri = 120;
        s.AltezzaNumeri = 0;
        s.DistanzaDaCentro = -50;
        PiattaformaRegistro p;
        Settaggi d(s, p);
        QCOMPARE(d.HScroll1->value(), 95);
        QCOMPARE(d.HScroll3->value(), 90);
        QCOMPARE(d.HScroll2->value(), 5);
        QCOMPARE(d.HScroll5->value(), -10);
        QCOMPARE(d.HScroll6->value(), 1);
        QCOMPARE(s.SpessoreBordo, std::int16_t(1));  // at once, before any button
        QCOMPARE(s.AltezzaCaratteri, std::int16_t(120));
        d.Command2->click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(s.SpessoreBordo, std::int16_t(1));
        QCOMPARE(s.PercentualeRiquadro, std::int16_t(0));
    }

    void ilCampioneSegueOgniBarra() {
        CartellaTemporanea dir;
        Stato s = statoTipico(dir);
        PiattaformaRegistro p;
        Settaggi d(s, p);
        const double tpp = d.twipPerPixel();
        d.HScroll1->setValue(60);
        QCOMPARE(d.campione().quadratiNeri[0].l, latoCellaCampione * 0.6);
        d.HScroll2->setValue(25);
        QCOMPARE(d.Label9->text(), QString("25"));
        QCOMPARE(d.campione().puntiNumeri, puntiCampione(25, tpp));
        const double sinistraLettera = d.campione().lettere[0].x;
        d.HScroll3->setValue(90);
        QCOMPARE(d.campione().puntiLettere, puntiCampione(90, tpp));
        QCOMPARE(d.campione().lettere[0].x, sinistraLettera);
        d.HScroll4->setValue(15);
        QCOMPARE(d.campione().numeri[0].x, 0.15 * latoCellaCampione);
        const double alto = d.campione().lettere[0].y;
        d.HScroll5->setValue(d.HScroll5->value() + 10);
        QCOMPARE(d.campione().lettere[0].y - alto, latoCellaCampione / 10);
        d.HScroll6->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(d.Label13->text(), QString("3"));
        QCOMPARE(d.campione().spessoreLinee, 3);
        // Nothing reaches the settings until Salva.
        QCOMPARE(s.PercentualeRiquadro, std::int16_t(90));
        QCOMPARE(s.SpessoreBordo, std::int16_t(2));
    }

    void salvaScriveTuttoIlFileAnnullaNonToccaNulla() {
        CartellaTemporanea dir;
        const std::string file = dir.percorso(nomeFileImpostazioni);
        {
            Stato s = statoTipico(dir);
            dir.scrivi(nomeFileImpostazioni, testoImpostazioni(s));
            PiattaformaRegistro p;
            Settaggi d(s, p);
            d.HScroll1->setValue(70);
            d.HScroll6->setValue(5);
            d.Command2->click();
            QCOMPARE(s.PercentualeRiquadro, std::int16_t(90));
            QCOMPARE(s.SpessoreBordo, std::int16_t(2));
            QCOMPARE(dir.leggi(file), testoImpostazioni(statoTipico(dir)));
        }
        Stato s = statoTipico(dir);
        s.PercentualeRiquadro = 10;
        PiattaformaRegistro p;
        Settaggi d(s, p);
        d.HScroll2->setValue(12);
        d.HScroll4->setValue(0);
        d.Command1->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(p.messaggi.empty());
        QCOMPARE(s.PercentualeRiquadro, std::int16_t(95));
        QCOMPARE(s.AltezzaNumeri, std::int16_t(12));
        QCOMPARE(s.DistanzaDaSpigolo, std::int16_t(0));
        QCOMPARE(s.AltezzaCaratteri, std::int16_t(60));
        const std::string scritto = dir.leggi(file);
        QCOMPARE(scritto, testoImpostazioni(s));
        // The options the dialog does not show are written too.
        QVERIFY(scritto.find("TastoSin=-1 ") != std::string::npos);
        QVERIFY(scritto.find("StampaSoluzioni= 1 ") != std::string::npos);
        QVERIFY(scritto.find("PercentualeRiquadro= 95 ") != std::string::npos);
    }
};

QTEST_MAIN(ProvaSettaggi)
#include "settaggi_test.moc"
