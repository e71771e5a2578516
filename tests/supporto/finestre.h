#pragma once
// Driving windows as a player does, without fixed waits: act once the state is there.
#include <QApplication>
#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "formats/formato.h"
#include "mainwindow/gui/finestra_principale.h"
#include "mainwindow/gui/vista_griglia.h"
#include "model/file.h"
#include "model/impostazioni.h"
#include "supporto/schema.h"

namespace quadrivo::prova {

using Voci = std::vector<std::string>;

inline QWidget* fuoco() { return QApplication::focusWidget(); }

// A window's widget or action by its object name, nullptr when there is none.
template <typename T = QWidget>
T* figlio(const QObject* padre, const QString& nome) { return padre->findChild<T*>(nome); }

// A click on a toolbar button by its object name ("pulsanteApri", ...), as the player's mouse
// gives it; no such button is a test failure.
inline void premi(const QObject* finestra, const char* pulsante) {
    auto* b = figlio<QToolButton>(finestra, pulsante);
    QVERIFY2(b, pulsante);
    QTest::mouseClick(b, Qt::LeftButton);
}

// The caption as the window manager shows it, the unsaved mark placed.
inline QString titoloMostrato(const QWidget& w) { return w.windowHandle() ? w.windowHandle()->title() : QString(); }

// True once `w` is the active window and the keyboard focus is on it or inside it.
inline bool fuocoDentro(const QWidget* w) { return w && w->isVisible() && w->isActiveWindow() && fuoco() && (fuoco() == w || w->isAncestorOf(fuoco())); }

// Everything queued so far has run: a message box it opened is up by now.
inline void smaltisciCoda() {
    auto fatto = std::make_shared<bool>(false);
    QMetaObject::invokeMethod(qApp, [fatto] { *fatto = true; }, Qt::QueuedConnection);
    QTRY_VERIFY(*fatto);
}

// Each character, accented ones too, as a key with that text to whichever widget has the focus
// by then; no focus is a test failure.
inline void digita(const QString& testo) {
    for (const QChar ch : testo) {
        QVERIFY2(fuoco(), "nessun widget ha il fuoco");
        for (auto tipo : {QTest::Press, QTest::Release}) QTest::sendKeyEvent(tipo, fuoco(), Qt::Key_unknown, QString(ch), {});
        smaltisciCoda();  // focus moves and selections are queued
    }
}

// The colour at (x, y) in the area's logical pixels: the grid's view over it when it has one.
inline QColor pixel(const AreaDisegno& a, double x, double y) {
    if (const auto* v = a.findChild<VistaGriglia*>(); v && v->isVisible()) {
        const QImage im = const_cast<VistaGriglia*>(v)->grab().toImage();
        return im.pixelColor((QPointF(x, y) * im.devicePixelRatio()).toPoint());
    }
    return a.immagine().pixelColor((QPointF(x, y) * a.immagine().devicePixelRatio()).toPoint());
}

// The entries of the puzzle file at `percorso`, row by row ('#' black, '.' empty); none when unreadable.
inline Voci salvati(const std::string& percorso) {
    const std::optional<std::string> dati = leggiFile(percorso);
    return dati ? inserimenti(leggiCruciverba(percorso, *dati).cruciverba) : Voci{};
}

// Runs `azione` on the next modal widget of type T once it has the focus, while this object
// lives. A modal that is up but never gets the focus within five seconds is closed and the
// test fails; whether one came at all the test asks with eseguita().
template <typename T = QWidget>
class AlProssimoModale : public QObject {
public:
    explicit AlProssimoModale(std::function<void(T*)> a) : azione_(std::move(a)) {
        connect(&sonda_, &QTimer::timeout, this, &AlProssimoModale::guarda);
        sonda_.start(10), limite_.start();
    }
    bool eseguita() const { return eseguita_; }

private:
    void guarda() {
        T* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (w && fuocoDentro(w)) return sonda_.stop(), eseguita_ = true, azione_(w);
        if (limite_.hasExpired(5000)) {
            sonda_.stop();
            if (w) w->close(), QTest::qFail("nessuna finestra modale col fuoco entro cinque secondi", __FILE__, __LINE__);
        }
    }
    std::function<void(T*)> azione_;
    QTimer sonda_;
    QElapsedTimer limite_;
    bool eseguita_ = false;
};

// For a window test: answers the next message box with the button of a caption and keeps the
// texts and titles of the boxes it answered.
struct RisposteMessaggi {
    QStringList testi, titoli;
    std::unique_ptr<AlProssimoModale<QMessageBox>> risposta;

    void rispondi(const QString& pulsante) {
        risposta = std::make_unique<AlProssimoModale<QMessageBox>>([this, pulsante](QMessageBox* m) {
            testi << m->text(), titoli << m->windowTitle();
            // Where the focus is, as a player presses it: the safe button answers.
            if (pulsante == "Invio") return QTest::keyClick(fuoco() ? fuoco() : m, Qt::Key_Return);
            for (QAbstractButton* scelto : m->buttons())
                if (scelto->text() == pulsante) return scelto->click();
        });
    }
};

// The main window as at a start of the program, on a program folder of its own holding
// `dizionario`, and the player's hands on it; P is the platform it runs on.
template <typename P = PiattaformaQt>
struct BancoFinestra {
    CartellaTemporanea dir;
    P piattaforma;
    std::optional<FinestraPrincipale> f;
    std::string puzzle;

    explicit BancoFinestra(const std::string& dizionario) {
        dir.scrivi("LessicoItaliano.dat", dizionario), dir.scrivi("tramerio.ini", testoImpostazioniPredefinite);
    }
    ~BancoFinestra() { chiudi(); }
    // Answers left unsaved would stay behind as a working copy the next window offers back.
    void chiudi() {
        if (f) f->sessione().impostaModificato(false);
        f.reset();
    }
    // A new window on `testo` written as the puzzle file, or on the last one when empty.
    bool apri(const std::string& testo = {}) {
        if (!testo.empty()) puzzle = dir.scrivi("prova.trmo", testo);
        chiudi();
        f.emplace(Cartelle{dir.percorso(), {}}, piattaforma, std::string());
        f->show();
        return QTest::qWaitForWindowExposed(&*f) && QTest::qWaitFor([this] { return f->giaAttivato() == 1; }) &&
               f->sessione().apri(puzzle) == EsitoApertura::ok && QTest::qWaitFor([this] { return griglia().lato > 20 && grigliaHaFuoco(); });
    }

    AreaDisegno* area() const { return f->area(); }
    // The grid's place in the area, as the view laid it out last.
    const GeometriaSchema& griglia() const { return f->vista()->geometria(); }
    bool grigliaHaFuoco() const { return fuoco() == area(); }
    const Posizione& pos() const { return f->posizioneCorrente(); }
    // The answers in memory, and in the working copy once it is written.
    Voci memoria() { return inserimenti(f->sessione().cruciverba()); }
    Voci copia() { return salvati(f->sessione().documento().fileLavoro); }

    // The centre of cell (c, r) moved by (dx, dy) quarters of a cell.
    QPoint cella(int c, int r, int dx = 0, int dy = 0) const {
        const int L = griglia().lato;
        return {griglia().x0 + (c - 1) * L + L / 2 + dx * L / 4, griglia().y0 + (r - 1) * L + L / 2 + dy * L / 4};
    }
    QPoint alto(int c, int r) const { return cella(c, r, 1, -1); }   // in the across half
    QPoint basso(int c, int r) const { return cella(c, r, -1, 1); }  // in the down half
    // A move to where the pointer already is never reaches the widget: come from aside.
    void muovi(QPoint p) const { QTest::mouseMove(area(), p + QPoint(1, 0)), QTest::mouseMove(area(), p); }
    void clic(QPoint p, Qt::MouseButton pulsante = Qt::LeftButton) const { muovi(p), QTest::mouseClick(area(), pulsante, {}, p); }
    QColor pixel(double x, double y) const { return prova::pixel(*area(), x, y); }

    void tasto(Qt::Key k, Qt::KeyboardModifiers m = {}) const {
        QVERIFY2(fuoco(), "nessun widget ha il fuoco");
        QTest::keyClick(fuoco(), k, m);
    }
    void esegui(const char* azione) const { figlio<QAction>(&*f, azione)->trigger(); }
    void premi(const char* pulsante) const { prova::premi(&*f, pulsante); }
};

}  // namespace quadrivo::prova
