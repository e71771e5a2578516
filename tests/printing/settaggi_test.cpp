#include "printing/gui/settaggi.h"

#include <QtTest>

#include "model/impostazioni.h"
#include "model/piattaforma_registro.h"
#include "supporto/schema.h"

using namespace quadrivo;

class ProvaSettaggi : public QObject {
    Q_OBJECT

    prova::CartellaTemporanea dir_;
    PiattaformaRegistro p_;

    Stato tipico() const {
        Stato s;
        s.cartellaProgramma = dir_.percorso();
        s.PercentualeRiquadro = 90, s.SpessoreBordo = 2, s.AltezzaCaratteri = 60;
        s.AltezzaNumeri = 20, s.DistanzaDaSpigolo = 3, s.DistanzaDaCentro = -4;
        return s;
    }

    static QStringList etichette(const Settaggi& d) {
        return {d.Label2->text(), d.Label9->text(), d.Label5->text(), d.Label11->text(), d.Label15->text(),
                d.Label13->text()};
    }

private slots:
    void openingWithValuesOutOfRange() {
        Stato s = tipico();
        QCOMPARE(etichette(Settaggi(s, p_)), QStringList({"90", "20", "60", "3", "-4", "2"}));
        // A square below 50 % shows as 95; a frame below one pixel is one at once, even on
        // Annulla; the bars clamp the rest.
        s.PercentualeRiquadro = 49, s.SpessoreBordo = 0, s.AltezzaCaratteri = 120, s.DistanzaDaCentro = -50;
        Settaggi d(s, p_);
        QCOMPARE(etichette(d), QStringList({"95", "20", "90", "3", "-10", "1"}));
        d.Command2->click();
        QCOMPARE(std::vector<int>({s.SpessoreBordo, s.PercentualeRiquadro, s.AltezzaCaratteri}),
                 std::vector<int>({1, 49, 120}));
    }

    void sampleFollowsTheBarsCancelTouchesNothingSaveWritesTheFile() {
        Stato s = tipico();
        dir_.scrivi(nomeFileImpostazioni, testoImpostazioni(s));
        Settaggi annulla(s, p_);
        const double sinistraLettera = annulla.campione().lettere[0].x;
        annulla.HScroll1->setValue(70);
        annulla.HScroll3->setValue(90);
        const RettangoloTwip q = annulla.campione().quadratiNeri[0], cella = cellaCampione(2, 1);
        QVERIFY(annulla.Label2->text() == "70" && qFuzzyCompare(q.l, latoCellaCampione * 0.7));
        QCOMPARE(q.x - cella.x, cella.destra() - q.destra());  // centred in its cell
        QCOMPARE(annulla.campione().puntiLettere, puntiCampione(90, annulla.twipPerPixel()));
        QCOMPARE(annulla.campione().lettere[0].x, sinistraLettera);  // the left edge they had on opening
        annulla.Command2->click();
        QCOMPARE(s.PercentualeRiquadro, std::int16_t(90));
        QCOMPARE(dir_.leggi(nomeFileImpostazioni), testoImpostazioni(tipico()));

        s.PercentualeRiquadro = 10;
        Settaggi salva(s, p_);
        salva.HScroll2->setValue(12);
        salva.HScroll6->setValue(5);
        salva.Command1->click();
        QVERIFY(salva.result() == QDialog::Accepted && p_.messaggi.empty());
        QCOMPARE(std::vector<int>({s.PercentualeRiquadro, s.AltezzaNumeri, s.SpessoreBordo, s.AltezzaCaratteri}),
                 std::vector<int>({95, 12, 5, 60}));
        QCOMPARE(dir_.leggi(nomeFileImpostazioni), testoImpostazioni(s));
    }
};

QTEST_MAIN(ProvaSettaggi)
#include "settaggi_test.moc"
