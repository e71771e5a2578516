// The main window against a bare QMainWindow holding a QLineEdit, on the real widget tree
// (offscreen): one key through the session with the repaint of what changed, with and without
// the working copy; a burst of letters; start-up to a shown window; resizes. The ratios of the
// pairs are what the speed goals are stated in.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QPainter>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <optional>
#include <tuple>

#include "mainwindow/gui/finestra_principale.h"
#include "mainwindow/gui/vista_griglia.h"
#include "formats/formato.h"
#include "schermo_bench.h"
#include "qt/piattaforma_qt.h"

using namespace quadrivo;

namespace {

const std::string cartella = QUADRIVO_DIR;
const std::string schema = cartella + "Archivio cruciverba/grande-schema.trmo";

// Everything the event loop has for the window: the paint, and the working copy once its timer is due.
void finito() { QApplication::processEvents(); }

// A 64 x 64 grid without black squares: 127 words of 64 letters.
std::string schemaGrande() {
    static QTemporaryDir cartellaGrande;
    const QString percorso = cartellaGrande.filePath("grande-64.ipuz");
    if (QFile::exists(percorso)) return percorso.toStdString();
    const int n = 64;
    std::string numeri, soluzione, salvato, orizzontali, verticali;
    int numero = 0;
    for (int r = 0; r < n; ++r) {
        numeri += r ? ", [" : "[", soluzione += r ? ", [" : "[", salvato += r ? ", [" : "[";
        for (int c = 0; c < n; ++c) {
            const bool inizio = r == 0 || c == 0;
            if (inizio) ++numero;
            numeri += (c ? ", " : "") + std::to_string(inizio ? numero : 0);
            soluzione += std::string(c ? ", \"" : "\"") + static_cast<char>('A' + (r + c) % 26) + "\"";
            salvato += c ? ", \"\"" : "\"\"";
            if (c == 0) orizzontali += (r ? ", [" : "[") + std::to_string(numero) + ", \"Riga\"]";
            if (r == 0) verticali += (c ? ", [" : "[") + std::to_string(numero) + ", \"Colonna\"]";
        }
        numeri += "]", soluzione += "]", salvato += "]";
    }
    const std::string testo = R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],)"
                              R"( "dimensions": {"width": 64, "height": 64}, "puzzle": [)" + numeri +
                              R"(], "solution": [)" + soluzione + R"(], "saved": [)" + salvato +
                              R"(], "clues": {"Across": [)" + orizzontali + R"(], "Down": [)" + verticali + "]}}";
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly)) return {};
    f.write(testo.data(), static_cast<qint64>(testo.size()));
    return percorso.toStdString();
}

struct Quadrivo {
    PiattaformaQt piattaforma;
    std::unique_ptr<FinestraPrincipale> f;
    explicit Quadrivo(bool copia = true, const std::string& file = schema) {
        f = std::make_unique<FinestraPrincipale>(Cartelle{cartella, {}}, piattaforma, file);
        f->show();
        while (!f->sessione().aperto()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        finito();
        if (!copia) f->sessione().impostaCopiaSuperata(true), f->sessione().impostaFileLavoro({});  // no file, nothing to tell
        f->sessione().impostaPosizione({1, 1, Direzione::orizzontale});
        finito();
    }
    ~Quadrivo() {
        f->sessione().impostaModificato(false);  // no question at the end
        f->close();
    }
    QWidget* bersaglio() { return f->area(); }
};

struct Nuda {
    QMainWindow w;
    QLineEdit* riga = new QLineEdit;
    Nuda() {
        w.setCentralWidget(riga);
        w.showMaximized();
        riga->setFocus();
        finito();
    }
    QWidget* bersaglio() { return riga; }
};

// Letters typed one by one, each handled and painted before the next; Tab goes on to the
// next word when one is full, so the grid keeps changing.
template <typename F>
void tasti(benchmark::State& st, F& finestra, int quanti) {
    int n = 0;
    for (auto _ : st) {
        for (int i = 0; i < quanti; ++i) {
            QTest::keyClick(finestra.bersaglio(), static_cast<char>('a' + n % 26));
            if (++n % 20 == 0) QTest::keyClick(finestra.bersaglio(), Qt::Key_Tab);
            if (quanti == 1) finito();
        }
        finito();
    }
    st.SetItemsProcessed(st.iterations() * quanti);
}

// QUADRIVO_GIRI=n: exactly n iterations, so two builds under callgrind count the same keys or resizes.
void giriFissi(benchmark::internal::Benchmark* b) {
    if (const char* giri = std::getenv("QUADRIVO_GIRI"); giri && std::atoi(giri) > 0) b->Iterations(std::atoi(giri));
}

void BM_TastoQuadrivo(benchmark::State& st) {
    Quadrivo q(st.range(0) != 0);
    tasti(st, q, 1);
}
BENCHMARK(BM_TastoQuadrivo)->Arg(1)->Arg(0)->ArgName("copia")->Unit(benchmark::kMicrosecond)->Apply(giriFissi);

// One key on a 64 x 64 grid, beside BM_TastoQuadrivo's 26 x 16: the grid's view paints only
// the cells the key touched, however many lie off screen.
void BM_TastoGrande(benchmark::State& st) {
    Quadrivo q(false, schemaGrande());
    tasti(st, q, 1);
}
BENCHMARK(BM_TastoGrande)->Unit(benchmark::kMicrosecond);

// One key in the archive's 26 x 16 grid played as a codeword (Opzioni → Gioca come): the letter
// goes into every cell of its code, and the view paints those cells only. Beside
// BM_TastoQuadrivo/copia:0; "celle" is how many cells a key repainted, of "griglia".
void BM_TastoCrittografato(benchmark::State& st) {
    Quadrivo q(false);
    Sessione& s = q.f->sessione();
    if (!s.giocaCome(Variante::crittografato).empty()) return st.SkipWithError("no codeword");
    s.impostaPosizione({1, 1, Direzione::orizzontale});
    finito();
    long long celle = 0;
    QObject::connect(&s, &Sessione::celleCambiate, [&celle](const std::vector<Casella>& c) { celle += static_cast<long long>(c.size()); });
    tasti(st, q, 1);
    st.counters["celle"] = benchmark::Counter(static_cast<double>(celle), benchmark::Counter::kAvgIterations);
    st.counters["griglia"] = s.cruciverba().colonne() * s.cruciverba().righe();
}
BENCHMARK(BM_TastoCrittografato)->Unit(benchmark::kMicrosecond)->Apply(giriFissi);

// The same key without Qt's key delivery: through the session, then the view's paint of the
// cells that changed.
void BM_TastoNucleo(benchmark::State& st) {
    Quadrivo q(st.range(0) != 0);
    int n = 0;
    for (auto _ : st) {
        Sessione& s = q.f->sessione();
        s.tasto(TastoGriglia::carattere, static_cast<char32_t>('A' + n % 26), false);
        if (++n % 20 == 0) s.tasto(TastoGriglia::tab, 0, false);
        if (st.range(0)) s.scriviCopiaOra();
        finito();
    }
}
BENCHMARK(BM_TastoNucleo)->Arg(1)->Arg(0)->ArgName("copia")->Unit(benchmark::kMicrosecond);

// The working copy's bytes alone, made again at every handled key.
void BM_TestoCopia(benchmark::State& st) {
    Quadrivo q(false);
    for (auto _ : st) benchmark::DoNotOptimize(testoCruciverba(q.f->sessione().cruciverba()));
}
BENCHMARK(BM_TestoCopia)->Unit(benchmark::kMicrosecond);

void BM_TastoRigaNuda(benchmark::State& st) {
    Nuda n;
    tasti(st, n, 1);
    n.riga->clear();
}
BENCHMARK(BM_TastoRigaNuda)->Unit(benchmark::kMicrosecond);

// 200 letters sent at once, as a fast typist or xdotool does, then handled and painted.
void BM_RafficaQuadrivo(benchmark::State& st) {
    Quadrivo q;
    tasti(st, q, 200);
}
BENCHMARK(BM_RafficaQuadrivo)->Unit(benchmark::kMillisecond);

void BM_RafficaRigaNuda(benchmark::State& st) {
    Nuda n;
    tasti(st, n, 200);
}
BENCHMARK(BM_RafficaRigaNuda)->Unit(benchmark::kMillisecond);

// From nothing to a shown window with its caption (the puzzle laid out and drawn). The closing
// of the window before (the solve written to the player's store, the working copy removed) is
// left out of the time.
template <typename F>
void avvio(benchmark::State& st) {
    std::optional<F> finestra;
    for (auto _ : st) {
        st.PauseTiming();
        finestra.reset();
        st.ResumeTiming();
        finestra.emplace();
    }
}

void BM_AvvioQuadrivo(benchmark::State& st) { avvio<Quadrivo>(st); }
BENCHMARK(BM_AvvioQuadrivo)->Unit(benchmark::kMillisecond);

void BM_AvvioNudo(benchmark::State& st) { avvio<Nuda>(st); }
BENCHMARK(BM_AvvioNudo)->Unit(benchmark::kMillisecond);

// Watches the paints of the widget a resize must end with.
class Pittura : public QObject {
public:
    explicit Pittura(QWidget* w) : w_(w) { w_->installEventFilter(this); }
    ~Pittura() override { w_->removeEventFilter(this); }
    int volte = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == w_ && e->type() == QEvent::Paint) ++volte;
        return false;
    }

private:
    QWidget* w_;
};

// Resizes to its last paint: the event loop runs until `dipinto` has been painted and a further
// round finds nothing left that changes what was painted (`firma`: its layout) or paints it again.
// Kept out of line, so callgrind's --toggle-collect='*ridimensiona<*' counts the loop alone.
template <typename F>
[[gnu::noinline]] void ridimensiona(benchmark::State& st, QWidget& w, QWidget* dipinto, F firma) {
    w.setWindowState(Qt::WindowNoState);
    Pittura pittura(dipinto);
    int i = 0;
    long long giri = 0;
    bool ferma = false;
    for (auto _ : st) {
        w.resize(++i % 2 ? QSize(1280, 800) : QSize(1920, 1080));
        const int prima = pittura.volte;
        auto dipinta = firma();
        for (int n = 0;; ++n) {
            const int viste = pittura.volte;
            finito();
            ++giri;
            if (pittura.volte != viste) dipinta = firma();
            if (pittura.volte > prima && pittura.volte == viste && dipinta == firma()) break;
            if (n > 50) {
                st.SkipWithError("the window never settles");
                ferma = true;
                break;
            }
        }
        if (ferma) break;
    }
    st.counters["giri"] = benchmark::Counter(static_cast<double>(giri), benchmark::Counter::kAvgIterations);
}

// The grid's view, with where its cells stand: a paint before the grid is laid out for the new
// size is not the last.
void BM_RidimensionaQuadrivo(benchmark::State& st) {
    Quadrivo q;
    VistaGriglia* v = q.f->vista();
    ridimensiona(st, *q.f, v, [v] {
        const GeometriaSchema& g = v->geometria();
        return std::tuple(v->size(), g.x0, g.y0, g.lato);
    });
}
BENCHMARK(BM_RidimensionaQuadrivo)->Unit(benchmark::kMillisecond)->Apply(giriFissi);

void BM_RidimensionaNuda(benchmark::State& st) {
    Nuda n;
    ridimensiona(st, n.w, n.riga, [&n] { return n.riga->size(); });
}
BENCHMARK(BM_RidimensionaNuda)->Unit(benchmark::kMillisecond)->Apply(giriFissi);

}  // namespace

int main(int argc, char** argv) { return eseguiBenchmarkFinestra(argc, argv); }
