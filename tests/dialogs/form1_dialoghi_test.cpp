#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "dialogs/fonten.h"
#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/tessosav.h"
#include "mainwindow/form1.h"
#include "model/cruciverba.h"
#include "model/testo.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

std::string campione() {
    return prova::fileTrmo({"CASA#", "ALTO#", "NEVE#", "E#PER"}, {"C....", "", "", ""},
                           {rigaDefinizione(1, 1, 1, "Abitazione"), rigaDefinizione(1, 1, 2, "Tenero cucciolo")});
}

// Runs `azione` on the next modal window as soon as it is up (a message box, a dialog).
class AlProssimoModale : public QObject {
public:
    explicit AlProssimoModale(std::function<void(QWidget*)> azione) : azione_(std::move(azione)) { guarda(); }
    bool eseguita = false;

private:
    void guarda() {
        QTimer::singleShot(20, this, [this] {
            if (QWidget* w = QApplication::activeModalWidget(); w && w->isVisible()) {
                eseguita = true;
                azione_(w);
                return;
            }
            guarda();
        });
    }
    std::function<void(QWidget*)> azione_;
};

Form2* form2Aperto() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<Form2*>(w); f && f->isVisible()) return f;
    return nullptr;
}

}  // namespace

class Form1DialoghiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::CartellaTemporanea> cartella;
    std::unique_ptr<Stato> stato;
    std::unique_ptr<PiattaformaQt> piattaforma;
    std::unique_ptr<Form1> f;
    std::string archivio;

    // A program folder with its puzzle archive, and the window started on it without a puzzle.
    void avvia() {
        cartella = std::make_unique<prova::CartellaTemporanea>();
        cartella->scrivi("LessicoItaliano.dat", std::string(420, '0'));
        std::filesystem::create_directory(cartella->percorso("Archivio cruciverba"));
        archivio = cartella->percorso("Archivio cruciverba");
        cartella->scrivi("Archivio cruciverba/prova.trmo", campione());
        stato = std::make_unique<Stato>();
        stato->cartellaProgramma = cartella->percorso();
        piattaforma = std::make_unique<PiattaformaQt>();
        f = std::make_unique<Form1>(*stato, *piattaforma, QString());
        f->show();
        QTRY_COMPARE(f->giaAttivato(), 1);
    }

    // Apri, then OK on the named file of the listed folder; the window shows it afterwards.
    void apri(const QString& nome) {
        f->MenuApri_Click();
        Form2* d = form2Aperto();
        QVERIFY(d);
        QVERIFY(!f->isEnabled());
        QTRY_VERIFY(!d->Text1->text().isEmpty());  // the activation previewed the first file
        const auto voci = d->File1->findItems(nome, Qt::MatchExactly);
        QCOMPARE(voci.size(), 1);
        d->File1->setCurrentItem(voci[0]);
        QCOMPARE(d->Text1->text(), nome);
        stato->righeFile = {};
        d->Command3d1_Click();
        QVERIFY(f->isEnabled());
        QCOMPARE(stato->nomeFile, archivio + "/" + nome.toStdString());
        QTRY_VERIFY(!stato->righeFile[4].empty());  // the activation read the working copy back
    }

private slots:
    // The window goes before the platform and the folder it uses.
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<Form2*>(w)) delete w;  // left open by a failed check
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        f.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    void apriSalvaConNomeERiapri() {
        avvia();
        apri("prova.trmo");
        QCOMPARE(stato->nColonne, std::int16_t(5));
        QVERIFY(f->windowTitle().endsWith(QString::fromStdString(stato->nomeFile)));
        const auto righe = stato->righeFile;
        const auto definizioni = stato->definizione;

        AlProssimoModale salva([](QWidget* w) {
            auto* d = qobject_cast<TessoSav*>(w);
            QVERIFY(d);
            d->Text1->setText("copia");
            d->Command3d1_Click();
        });
        f->MenuSalvaCN_Click();
        QVERIFY(salva.eseguita);
        QVERIFY(f->isEnabled());
        QCOMPARE(stato->nomeFile, archivio + "/copia.trmo");

        apri("copia.trmo");
        QCOMPARE(stato->righeFile, righe);
        QCOMPARE(stato->definizione, definizioni);
        QCOMPARE(stato->definizione[1][1][2], std::string("Tenero cucciolo"));
    }

    void domandaDiSalvataggioSoloSeModificato() {
        avvia();
        apri("prova.trmo");

        // As after the word dialog: the question comes before the open dialog.
        stato->rigaGriglia(2)[1] = 'L';
        f->cicloAggiornamento();
        stato->fileModificato = true;
        QString testo, titolo;
        bool dialogoGiaAperto = true;
        AlProssimoModale domanda([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            testo = box->text();
            titolo = box->windowTitle();
            dialogoGiaAperto = form2Aperto() != nullptr;
            for (QAbstractButton* b : box->buttons())  // OK: save first
                if (box->buttonRole(b) == QMessageBox::AcceptRole) b->click();
        });
        f->MenuApri_Click();
        QVERIFY(domanda.eseguita);
        QCOMPARE(testo, QString::fromStdString("Il file " + maiuscolo(stato->nomeFile) + " è cambiato, si desidera salvare"));
        QCOMPARE(titolo, QString("Modifica del file corrente"));
        QVERIFY(!dialogoGiaAperto);
        Stato salvato;
        PiattaformaQt p;
        leggiCruciverba(salvato, p, stato->nomeFile);
        QCOMPARE(salvato.inserimento(1, 2), 'L');
        Form2* d = form2Aperto();
        QVERIFY(d);
        d->Command3d2_Click();
        QVERIFY(f->isEnabled());

        // Not changed: no question at all.
        stato->fileModificato = false;
        AlProssimoModale nessuna([](QWidget* w) { w->close(); });
        f->MenuApri_Click();
        QVERIFY(form2Aperto());
        QTest::qWait(100);
        QVERIFY(!nessuna.eseguita);
        form2Aperto()->Command3d2_Click();
        QCOMPARE(stato->grigliaAttiva, std::int16_t(1));  // a puzzle is open: Annulla leaves it
    }

    void barraStrumentiECarattere() {
        avvia();
        f->Toolbar1_ButtonClick("Apri");
        QVERIFY(form2Aperto());
        form2Aperto()->Command3d2_Click();
        QCOMPARE(stato->grigliaAttiva, std::int16_t(-1));  // no puzzle and Annulla
        QVERIFY(f->isEnabled());

        apri("prova.trmo");
        // Clearing refused: the toolbar is still repainted and visible.
        AlProssimoModale rifiuta([](QWidget* w) { w->close(); });
        f->Toolbar1_ButtonClick("Cancella");
        QVERIFY(rifiuta.eseguita);
        QVERIFY(f->Toolbar1->isVisible());

        // The pointer left a word for the toolbar: the arrow comes back.
        piattaforma->impostaPuntatore(Puntatore::frecciaVerticale);
        QEnterEvent entra(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(f->Toolbar1, &entra);
        QCOMPARE(piattaforma->puntatore(), Puntatore::predefinito);

        QString famiglia;
        AlProssimoModale sceltaFont([&](QWidget* w) {
            auto* d = qobject_cast<FONTEN*>(w);
            QVERIFY(d);
            QVERIFY(d->LstFonts->count() > 0);
            d->LstFonts->setCurrentRow(d->LstFonts->count() - 1);
            famiglia = d->LstFonts->currentItem()->text();
            d->Check3d2->setChecked(true);
            d->cmdOK_Click();
        });
        f->Toolbar1_ButtonClick("Font");
        QVERIFY(sceltaFont.eseguita);
        QCOMPARE(QString::fromStdString(stato->nomeFont), famiglia);
        QCOMPARE(stato->carattereStampante, (StileCarattere{famiglia.toStdString(), false, true}));
        QVERIFY(f->superficie().carattere().grassetto);
        QVERIFY(f->fONTEN && !f->fONTEN->isVisible());  // kept for the next time
    }

    void aiutoEInformazioni() {
        avvia();
        QString aiuto;
        AlProssimoModale leggi([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            aiuto = box->text();
            box->accept();
        });
        f->MenuAiuto_Click();
        QVERIFY(aiuto.startsWith("QUADRIVO - Programma per risolvere i cruciverba creati con l'ausilio di TRAMERIO\n\nDopo"));

        QString versione;
        AlProssimoModale info([&](QWidget* w) {
            auto* d = qobject_cast<Form3*>(w);
            QVERIFY(d);
            versione = d->Label3->text();
            d->accept();
        });
        f->StatusBar1_DblClick();
        QCOMPARE(versione, QString("Quadrivo 7 - Versione  7. 0. 3"));
    }
};

QTEST_MAIN(Form1DialoghiTest)
#include "form1_dialoghi_test.moc"
