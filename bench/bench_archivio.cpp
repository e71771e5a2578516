// The library with 10,000 puzzles: a first index (and its parts: finding the files, reading
// them, storing the rows), a later start with nothing changed, the Archivio's first paint, a
// keystroke of the search box, and the statistics. The puzzles are made in a temporary folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>

#include "archivio/indice.h"
#include "archivio/registro.h"
#include "archivio/statistiche.h"
#include "dialogs/gui/finestra_archivio.h"
#include "formats/formato.h"
#include "model/file.h"

using namespace quadrivo;

namespace {

constexpr int numeroSchemi = 10'000;

QTemporaryDir& cartella() {
    static QTemporaryDir d;
    return d;
}
std::string schemi() { return cartella().path().toStdString() + "/schemi"; }

// A grid of `lato` with a black cell every so often, some of it filled in.
Cruciverba schemaFinto(int i) {
    const int lato = i % 3 == 0 ? 9 : i % 3 == 1 ? 13 : 15;
    Cruciverba x(lato, lato);
    for (int r = 1; r <= lato; ++r)
        for (int c = 1; c <= lato; ++c) {
            Cella& k = x.cella(c, r);
            if ((r * 7 + c * 3 + i) % 9 == 0) {
                k.tipo = TipoCella::nera;
                continue;
            }
            k.soluzione = std::string(1, static_cast<char>('A' + (r * c + i) % 26));
            if ((r + i) % 4 == 0) k.voce = k.soluzione;
        }
    numeraStandard(x);
    x.titolo = "Schema " + std::to_string(i);
    return x;
}

// 10,000 files once: three of four .trmo, the rest .ipuz, in 100 subfolders.
void preparaSchemi() {
    static bool fatto = false;
    if (fatto) return;
    fatto = true;
    const Formato* trmo = formatoPerNome("trmo");
    const Formato* ipuz = formatoPerNome("ipuz");
    for (int i = 0; i < numeroSchemi; ++i) {
        const std::string sotto = schemi() + "/" + std::to_string(i / 100);
        std::filesystem::create_directories(sotto);
        Cruciverba x = schemaFinto(i);
        const bool aperto = i % 4 != 3;
        x.formato = aperto ? "trmo" : "ipuz";
        const std::string dati = (aperto ? trmo : ipuz)->scrivi(x);
        scriviFileSicuro(sotto + "/" + std::to_string(i) + (aperto ? ".trmo" : ".ipuz"), dati);
    }
}

// A store with all of them indexed, and a solve for every other one.
std::string registroPieno() {
    static std::string dati;
    if (!dati.empty()) return dati;
    preparaSchemi();
    dati = cartella().path().toStdString() + "/pieno";
    Registro r(dati, [] { return std::int64_t{1'760'000'000}; });
    indicizza(r, {schemi()}, {});
    int i = 0;
    for (const SchemaIndicizzato& x : r.schemi()) {
        if (++i % 2) continue;
        Partita p;
        p.millisecondi = 60'000 + i * 37;
        r.scrivi(x.percorso, x.impronta, p, Riassunto{100, i % 6 == 0 ? 100 : 40, i % 6 == 0});
    }
    return dati;
}

int nuovo = 0;
std::string registroVuoto() { return cartella().path().toStdString() + "/vuoto" + std::to_string(++nuovo); }

void BM_IndicePrimo(benchmark::State& s) {
    preparaSchemi();
    for (auto _ : s) {
        Registro r(registroVuoto());
        const EsitoIndice e = indicizza(r, {schemi()}, {});
        if (e.letti != numeroSchemi) s.SkipWithError("non tutti letti");
    }
}
BENCHMARK(BM_IndicePrimo)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_IndiceTrovaFile(benchmark::State& s) {
    preparaSchemi();
    for (auto _ : s) benchmark::DoNotOptimize(trovaFile({schemi()}, {}));
}
BENCHMARK(BM_IndiceTrovaFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_IndiceLeggiFile(benchmark::State& s) {
    preparaSchemi();
    const std::vector<FileTrovato> file = trovaFile({schemi()}, {});
    for (auto _ : s)
        for (const FileTrovato& f : file) benchmark::DoNotOptimize(leggiFile(f.percorso));
}
BENCHMARK(BM_IndiceLeggiFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_IndiceLeggiSchemi(benchmark::State& s) {
    preparaSchemi();
    const std::vector<FileTrovato> file = trovaFile({schemi()}, {});
    for (auto _ : s)
        for (const FileTrovato& f : file) benchmark::DoNotOptimize(leggiSchema(f, nullptr));
}
BENCHMARK(BM_IndiceLeggiSchemi)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_IndiceScriviRighe(benchmark::State& s) {
    preparaSchemi();
    std::vector<SchemaIndicizzato> righe;
    for (const FileTrovato& f : trovaFile({schemi()}, {})) righe.push_back(leggiSchema(f, nullptr));
    for (auto _ : s) {
        Registro r(registroVuoto());
        for (size_t i = 0; i < righe.size(); i += 500)
            r.aggiornaSchemi({righe.begin() + static_cast<long>(i), righe.begin() + static_cast<long>(std::min(righe.size(), i + 500))}, {});
    }
}
BENCHMARK(BM_IndiceScriviRighe)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_IndiceNienteCambiato(benchmark::State& s) {
    const std::string dati = registroPieno();
    for (auto _ : s) {
        Registro r(dati);
        const EsitoIndice e = indicizza(r, {schemi()}, {});
        if (e.letti != 0) s.SkipWithError("letto qualcosa");
    }
}
BENCHMARK(BM_IndiceNienteCambiato)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the command to the table painted, the index's own pass left to its thread.
void BM_ArchivioPrimaPittura(benchmark::State& s) {
    const std::string dati = registroPieno();
    for (auto _ : s) {
        QElapsedTimer t;
        t.start();
        auto f = std::make_unique<FinestraArchivio>(dati, std::vector<std::string>{schemi()}, std::vector<std::string>{});
        f->resize(1000, 700);
        f->show();
        benchmark::DoNotOptimize(f->grab());
        s.SetIterationTime(static_cast<double>(t.nsecsElapsed()) / 1e9);
        f.reset();
    }
}
BENCHMARK(BM_ArchivioPrimaPittura)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// One keystroke in the search box, the table repainted.
void BM_ArchivioFiltro(benchmark::State& s) {
    const std::string dati = registroPieno();
    FinestraArchivio f(dati, {schemi()}, {});
    f.resize(1000, 700);
    f.show();
    auto* cerca = f.findChild<QLineEdit*>("cerca");
    const QStringList testi = {"s", "sc", "sch", "sche", "schema", "schema 1", "schema 12", "13x13", "risolto", ""};
    int i = 0;
    for (auto _ : s) {
        cerca->setText(testi[i++ % testi.size()]);
        benchmark::DoNotOptimize(f.tabella()->viewport()->grab());
    }
}
BENCHMARK(BM_ArchivioFiltro)->Unit(benchmark::kMillisecond)->UseRealTime();

// The statistics from the store: the rows read, the library made, the numbers counted.
void BM_Statistiche(benchmark::State& s) {
    const std::string dati = registroPieno();
    Registro r(dati);
    for (auto _ : s) {
        const std::vector<VoceLibreria> voci = vociLibreria(r.schemi(), r.partite());
        benchmark::DoNotOptimize(calcolaStatistiche(voci, 2'461'000));
    }
}
BENCHMARK(BM_Statistiche)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StatisticheSoloConti(benchmark::State& s) {
    Registro r(registroPieno());
    const std::vector<VoceLibreria> voci = vociLibreria(r.schemi(), r.partite());
    for (auto _ : s) benchmark::DoNotOptimize(calcolaStatistiche(voci, 2'461'000));
}
BENCHMARK(BM_StatisticheSoloConti)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    static QTemporaryDir casa;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(v, (casa.path() + "/" + v).toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
