// The drawing area after one key in a 26x16 grid: the grid drawn again into the stroke list,
// the list compared with the one on screen, and the changed region painted into an offscreen
// image, against painting the whole area as a full redraw would.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "mainwindow/griglia.h"
#include "model/piattaforma_registro.h"
#include "qt/area_disegno.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

constexpr int colonne = 26, righe = 16;

struct Banco {
    // Every row but the first solved already.
    Banco() : stato(prova::statoDaSchema(soluzioni(), soluzioni())) {
        area.resize(1280, 900);
        finestra = {1280, 900, 30, 22};
        schermo.fill(area.sfondo());
    }
    static std::vector<std::string> soluzioni() {
        std::vector<std::string> s;
        for (int r = 0; r < righe; ++r) {
            std::string riga;
            for (int c = 0; c < colonne; ++c) riga += (r * 7 + c * 3) % 11 == 0 ? '#' : char('A' + (r + c) % 26);
            s.push_back(riga);
        }
        return s;
    }
    // The player types `lettera` at column c of row 1 and moves on to the next cell.
    QRegion tasto(int c, char lettera, bool tutto) {
        stato.rigaGriglia(1)[std::size_t(2 * (c - 1) + 1)] = lettera;
        DecorazioniGriglia d;
        for (int k = 1; k <= colonne; ++k) d.segni[k][1] |= segnoParolaCorrente;
        d.segni[c % colonne + 1][1] |= segnoCasellaCorrente;
        disegnaGriglia(stato, area.superficie(), piattaforma, finestra, d);
        QRegion r = area.consegna();
        if (tutto) r = QRect(0, 0, 1280, 900);
        QPainter p(&schermo);
        area.dipingi(p, r);
        return r;
    }
    Stato stato;
    PiattaformaRegistro piattaforma;
    AreaFinestra finestra;
    AreaDisegno area;
    QImage schermo{1280, 900, QImage::Format_RGB32};
};

void tasti(benchmark::State& st, bool tutto) {
    Banco b;
    b.tasto(colonne, '.', false);
    int c = 1;
    double pixel = 0;
    for (auto _ : st) {
        const QRegion r = b.tasto(c, c % 2 ? 'X' : 'Y', tutto);
        pixel = 0;
        for (const QRect& q : r) pixel += double(q.width()) * q.height();
        c = c % colonne + 1;
    }
    st.counters["tratti"] = double(b.area.tratti().size());
    st.counters["pixel"] = pixel;
}

void BM_TastoRegioneCambiata(benchmark::State& st) { tasti(st, false); }
void BM_TastoTuttaLArea(benchmark::State& st) { tasti(st, true); }
BENCHMARK(BM_TastoRegioneCambiata)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TastoTuttaLArea)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
