// The word helper on the Italian dictionary: class masks, anagrams, fragments and the
// crossing-aware candidates, each beside the plain mask search. Run with
// --benchmark_repetitions=9 --benchmark_report_aggregates_only for medians.
#include <benchmark/benchmark.h>

#include <string>

#include "model/cruciverba.h"
#include "solving/lessico_incroci.h"
#include "solving/lessico_indice.h"
#include "solving/lessico_parole.h"

using namespace quadrivo;

namespace {

const std::string& dati() {
    static const std::string d = [] {
        const FileLessico f(QUADRIVO_DIR "LessicoItaliano.dat");
        return std::string(f.leggi(0, f.dimensione()).vista());
    }();
    return d;
}
const IndiceLessico& indice() {
    static const IndiceLessico i(dati(), leggiIndiceLessico(dati()));
    return i;
}

void BM_Indice(benchmark::State& st) {
    for (auto _ : st) benchmark::DoNotOptimize(IndiceLessico(dati(), leggiIndiceLessico(dati())));
    st.counters["indice_MiB"] = double(indice().memoria()) / (1 << 20);
    st.counters["in_piu_MiB"] = double(indice().memoriaParole()) / (1 << 20);
}
BENCHMARK(BM_Indice)->Unit(benchmark::kMillisecond);

// Plain masks first (letters and "." only), then masks with classes.
const char* const maschere[] = {"M.LA",   "......E...", "M....",      "M@L@",          "#@#@#@",
                                "@#@#@", "[!AEIOU]@#@#@#@", "C[AO]#@", "#@##@#@#@#", "...@@..."};

void BM_Maschera(benchmark::State& st) {
    const std::string testo = maschere[st.range(0)];
    const Maschera m = leggiMaschera(testo).maschera;
    std::size_t n = 0;
    for (auto _ : st) n = paroleMaschera(indice(), m).size();
    st.SetLabel(testo);
    st.counters["parole"] = double(n);
}
BENCHMARK(BM_Maschera)->DenseRange(0, std::size(maschere) - 1)->Unit(benchmark::kMicrosecond);

void BM_Anagramma(benchmark::State& st) {
    const char* const lettere[] = {"ROMA", "AMOREVOLE", "R.MA", "PARTENZA..", "...........", "COSTITUZIONALE"};
    const std::string testo = lettere[st.range(0)];
    std::size_t n = 0;
    for (auto _ : st) n = anagrammi(indice(), testo).size();
    st.SetLabel(testo);
    st.counters["parole"] = double(n);
}
BENCHMARK(BM_Anagramma)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

void BM_Frammento(benchmark::State& st) {
    const char* const frammenti_[] = {"PRG", "RA", "OM", "IA", "M", "AEIOU", "STR"};
    const std::string testo = frammenti_[st.range(0)];
    std::size_t n = 0;
    for (auto _ : st) n = frammenti(indice(), testo).size();
    st.SetLabel(testo);
    st.counters["parole"] = double(n);
}
BENCHMARK(BM_Frammento)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

// A 15x15 open grid: row 8 crosses fifteen 15-letter down words. Row 1 holds a dictionary
// word, so each crossing has its first letter; with st.range(0) the word itself has its 1st
// and 9th letters from another one.
Cruciverba grigliaAperta(bool conLettere) {
    Cruciverba x(15, 15);
    const std::string_view parole = indice().parole(15);
    auto scrivi = [&](int riga, std::size_t k, const std::vector<int>& colonne) {
        for (const int c : colonne) x.cella(c, riga).voce = std::string(1, parole[k * 15 + std::size_t(c - 1)]);
    };
    std::vector<int> tutte;
    for (int c = 1; c <= 15; ++c) tutte.push_back(c);
    scrivi(1, 10, tutte);
    if (conLettere) scrivi(8, 300, {1, 9});
    return x;
}

void BM_Incroci(benchmark::State& st) {
    const Cruciverba x = grigliaAperta(st.range(0) != 0);
    std::vector<Casella> parola;
    for (int c = 1; c <= 15; ++c) parola.push_back({c, 8});
    std::size_t n = 0;
    for (auto _ : st) n = suggerimenti(x, parola, indice()).size();
    st.counters["parole"] = double(n);
}
BENCHMARK(BM_Incroci)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same word's plain mask search, for comparison.
void BM_IncrociSoloMaschera(benchmark::State& st) {
    const Cruciverba x = grigliaAperta(st.range(0) != 0);
    std::vector<Casella> parola;
    for (int c = 1; c <= 15; ++c) parola.push_back({c, 8});
    const Maschera m = mascheraCaselle(x, parola);
    std::size_t n = 0;
    for (auto _ : st) n = paroleMaschera(indice(), m).size();
    st.counters["parole"] = double(n);
}
BENCHMARK(BM_IncrociSoloMaschera)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
