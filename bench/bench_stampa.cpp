// The printed page's speed, beside its baselines in one run: the print preview opened on the
// main window to its last paint, against a full repaint of a bare QMainWindow; printing to a
// PDF file; and the page's layout alone, by the step by step search measuring every text at the
// printer's resolution each time (as it was) and by halving over texts measured once.
// Run with --benchmark_enable_random_interleaving=true --benchmark_repetitions=9 to interleave.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

#include "formats/formato.h"
#include "schermo_bench.h"
#include "mainwindow/gui/finestra_principale.h"
#include "model/file.h"
#include "model/piattaforma_registro.h"
#include "printing/elenchi.h"
#include "printing/gui/stampante.h"
#include "printing/pagina.h"
#include "qt/piattaforma_qt.h"

using namespace quadrivo;

namespace {

const std::string cartella = QUADRIVO_DIR;
const std::string schema = cartella + "Archivio cruciverba/grande-schema.trmo";

void finito() { QApplication::processEvents(); }

Documento documentoSchema() {
    Documento d;
    if (const std::optional<std::string> dati = leggiFile(schema))
        d.cruciverba = leggiCruciverba(schema, *dati).cruciverba;
    d.nomeFile = schema;
    return d;
}

// The preview opened (and closed outside the measure). Arg 0: the layout kept from the last
// opening; 1: a clue changed in between, so the sheets are laid out again.
void BM_AnteprimaQuadrivo(benchmark::State& st) {
    PiattaformaQt piattaforma;
    FinestraPrincipale f(Cartelle{cartella, {}}, piattaforma, schema);
    f.show();
    while (!f.sessione().aperto()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    finito();
    auto* chiudi = f.findChild<QPushButton*>("chiudiAnteprima");
    int n = 0;
    for (auto _ : st) {
        f.mostraAnteprima();
        finito();
        st.PauseTiming();
        chiudi->click();
        finito();
        // Stands for an edit of the clue: the session has no command that changes a clue alone.
        if (st.range(0))
            const_cast<Cruciverba&>(f.sessione().cruciverba()).elenchi[0].definizioni[0].testo += ++n % 2 ? "x" : "";
        st.ResumeTiming();
    }
    f.sessione().impostaModificato(false);
}
// A fixed count: closing the preview between openings is long and left out of the measure.
BENCHMARK(BM_AnteprimaQuadrivo)->Arg(0)->Arg(1)->ArgName("nuova")->Iterations(60)->Unit(benchmark::kMillisecond);

void BM_RidisegnoNudo(benchmark::State& st) {
    QMainWindow w;
    auto* riga = new QLineEdit;
    w.setCentralWidget(riga);
    w.showMaximized();
    finito();
    for (auto _ : st) w.repaint();
}
BENCHMARK(BM_RidisegnoNudo)->Unit(benchmark::kMillisecond);

void BM_StampaPdf(benchmark::State& st) {
    const Documento d = documentoSchema();
    const ValoriImpostazioni s{};
    QTemporaryDir dir;
    PiattaformaRegistro p;
    for (auto _ : st) {
        QPrinter stampante(QPrinter::HighResolution);
        stampante.setOutputFileName(dir.filePath("schema.pdf"));
        Carattere c;
        if (!stampaSu(stampante, d, s, c, p, "02-06-2013")) st.SkipWithError("stampa non riuscita");
    }
}
BENCHMARK(BM_StampaPdf)->Unit(benchmark::kMillisecond);

// The layout alone: 0 step by step on the printer's measures, 1 halving on texts measured once.
void BM_Impagina(benchmark::State& st) {
    const Documento d = documentoSchema();
    const ValoriImpostazioni s{};
    const FormatoPagina a4;
    for (auto _ : st) {
        MisuraCarta carta(a4);
        if (st.range(0)) {
            MisuraProporzionale misura(carta.superficie());
            benchmark::DoNotOptimize(impagina(d, s, misura, a4, "02-06-2013", Ricerca::dimezzando));
        } else {
            benchmark::DoNotOptimize(impagina(d, s, carta.superficie(), a4, "02-06-2013", Ricerca::passoPasso));
        }
    }
}
BENCHMARK(BM_Impagina)->Arg(0)->Arg(1)->ArgName("dimezzando")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return eseguiBenchmarkFinestra(argc, argv); }
