#include "printing/settaggi.h"

#include <QtTest>

#include "model/impostazioni.h"
#include "model/piattaforma_registro.h"
#include "supporto/schema.h"

using namespace quadrivo;
using namespace quadrivo::prova;

class ProvaSettaggi : public QObject {
    Q_OBJECT

    CartellaTemporanea dir_;
    PiattaformaRegistro p_;

    Stato tipico() const {
        Stato s;
        s.cartellaProgramma = dir_.percorso();
        s.PercentualeRiquadro = 90, s.SpessoreBordo = 2, s.AltezzaCaratteri = 60;
        s.AltezzaNumeri = 20, s.DistanzaDaSpigolo = 3, s.DistanzaDaCentro = -4;
        s.StampaSoluzioni = 1;
        return s;
    }

    static QStringList etichette(const Settaggi& d) {
        return {d.Label2->text(), d.Label9->text(), d.Label5->text(),
                d.Label11->text(), d.Label15->text(), d.Label13->text()};
    }

private slots:
    void aperturaValoriSalvatiEFuoriScala() {
        Stato s = tipico();
        Settaggi d(s, p_);
        QCOMPARE(etichette(d), QStringList({"90", "20", "60", "3", "-4", "2"}));
        QCOMPARE(d.campione().puntiLettere, puntiCampione(60, d.twipPerPixel()));

        // A square below 50 % shows as 95; a frame below one pixel is one at once, even on
        // Annulla; the bars clamp the rest.
        s.PercentualeRiquadro = 49, s.SpessoreBordo = 0, s.AltezzaCaratteri = 120, s.AltezzaNumeri = 0;
        s.DistanzaDaCentro = -50;
        Settaggi f(s, p_);
        QCOMPARE(etichette(f), QStringList({"95", "5", "90", "3", "-10", "1"}));
        f.Command2->click();
        QCOMPARE(f.result(), int(QDialog::Rejected));
        QCOMPARE(s.SpessoreBordo, std::int16_t(1));
        QCOMPARE(s.PercentualeRiquadro, std::int16_t(49));
        QCOMPARE(s.AltezzaCaratteri, std::int16_t(120));
    }

    void salvaScriveIlFileAnnullaNonToccaNulla() {
        const std::string file = dir_.percorso(nomeFileImpostazioni);
        Stato s = tipico();
        dir_.scrivi(nomeFileImpostazioni, testoImpostazioni(s));
        Settaggi annulla(s, p_);
        annulla.HScroll1->setValue(70);
        QCOMPARE(annulla.Label2->text(), QString("70"));  // the sample follows the bar at once
        QCOMPARE(annulla.campione().quadratiNeri[0].l, latoCellaCampione * 0.7);
        annulla.Command2->click();
        QCOMPARE(s.PercentualeRiquadro, std::int16_t(90));
        QCOMPARE(dir_.leggi(file), testoImpostazioni(tipico()));

        s.PercentualeRiquadro = 10;
        Settaggi salva(s, p_);
        salva.HScroll2->setValue(12);
        salva.HScroll6->setValue(5);
        salva.Command1->click();
        QCOMPARE(salva.result(), int(QDialog::Accepted));
        QVERIFY(p_.messaggi.empty());
        QCOMPARE(std::vector<int>({s.PercentualeRiquadro, s.AltezzaNumeri, s.SpessoreBordo, s.AltezzaCaratteri}),
                 std::vector<int>({95, 12, 5, 60}));
        QCOMPARE(dir_.leggi(file), testoImpostazioni(s));
    }
};

QTEST_MAIN(ProvaSettaggi)
#include "settaggi_test.moc"
