// The program as a desktop citizen: Qt's own dialogs in Italian, file names in any encoding,
// the font chooser on a system where the Windows families are missing.
#include <QApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include "dialogs/gui/fonten.h"
#include "dialogs/gui/form2.h"
#include "supporto/schema.h"
#include "model/piattaforma_registro.h"
#include "qt/traduzione_qt.h"

using namespace quadrivo;

class SistemaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(caricaTraduzioneQt(*QCoreApplication::instance())); }

    void pulsantiEStampaInItaliano() {
        QDialogButtonBox riga(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        QCOMPARE(riga.button(QDialogButtonBox::Cancel)->text(), QString("Annulla"));
        QCOMPARE(riga.button(QDialogButtonBox::Save)->text(), QString("Salva"));
        QPrinter stampante;
        QPrintDialog dialogo(&stampante);
        QStringList testi;
        for (const QPushButton* b : dialogo.findChildren<QPushButton*>()) testi << b->text().remove('&');
        QVERIFY2(testi.contains("Stampa") && testi.contains("Annulla"), qPrintable(testi.join(", ")));
    }

    // A name in Latin-1 bytes is listed, previewed and opened by its own bytes.
    void apriNomeNonUtf8() {
        prova::CartellaTemporanea dir;
        const std::string nome = dir.scrivi("caff\xe8.trmo", prova::fileTrmo({"CASA", "A#MI"}));
        const auto ritorno = qScopeGuard([prima = QDir::currentPath()] { QDir::setCurrent(prima); });
        QDir::setCurrent(QString::fromStdString(dir.percorso()));
        Stato stato;
        stato.fileLavoro = dir.percorso("lavoro.tmp");
        PiattaformaRegistro p;
        QPointer<Form2> f = new Form2(stato, p, nullptr);
        f->show();
        QCOMPARE(f->File1->count(), 1);
        f->File1->setCurrentRow(0);
        QCOMPARE(f->Label2->text(), QString("Anteprima:  4x 2"));
        f->Command3d1_Click();
        QCOMPARE(stato.nomeFile, nome);
        QVERIFY(p.messaggi.empty());
        QTRY_VERIFY(f.isNull());
    }

    // Each family once; Arial, missing here, shows as the family drawn in its place.
    void famigliaInUsoPreselezionata() {
        Stato stato;
        PiattaformaRegistro p;
        FONTEN d(stato, p, [] { return QStringList{"C059 [UKWN]", "C059 [urw]", "Liberation Sans", "Zeta"}; },
                 [](const std::string&) { return true; });
        d.show();
        QCOMPARE(d.LstFonts->count(), 3);
        QCOMPARE(d.LstFonts->item(0)->text(), QString("C059"));
        QCOMPARE(d.LstFonts->selectedItems().value(0)->text(), QString("Liberation Sans"));
        QCOMPARE(d.TxtFontPreview->text(), QString("Liberation Sans - aAbB 123 zZ"));
    }

    // The list makes its first row current when it takes the focus: that is not a choice.
    void okSenzaSceltaNonCambiaNulla() {
        Stato stato;
        stato.nomeFont = "Arial";
        PiattaformaRegistro p;
        FONTEN d(stato, p, [] { return QStringList{"C059 [UKWN]", "C059 [urw]", "Zeta"}; },
                 [](const std::string&) { return true; });
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.LstFonts->setFocus();
        QTRY_VERIFY(d.LstFonts->hasFocus());
        QVERIFY(d.LstFonts->selectedItems().isEmpty());
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        QCOMPARE(stato.nomeFont, std::string("Arial"));
        QCOMPARE(stato.carattereSchermo, StileCarattere{});
        QCOMPARE(stato.carattereStampante, StileCarattere{});
        QVERIFY(p.messaggi.empty());
    }
};

QTEST_MAIN(SistemaTest)
#include "sistema_gui_test.moc"
