// The dictionary: loading with its index, the mask search on the largest block of the French
// file (length 10, about 50,000 words), filling the word dialog's drop-down list with the
// result, and the first Cerca after start beside a bare Qt list filled with as many words.
// Run with --benchmark_repetitions=N --benchmark_enable_random_interleaving=true
// --benchmark_report_aggregates_only for medians of interleaved runs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <cstdlib>

#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"
#include "solving/gui/modello_parole.h"
#include "solving/lessico.h"
#include "solving/lessico_indice.h"

using namespace quadrivo;

namespace {

Lessico lessicoFrancese(bool carica = true) {
    Lessico s;
    s.cartella = QUADRIVO_DIR;
    s.file = "LessicoFrancese.dat";
    PiattaformaRegistro p;
    if (carica) caricaLessico(s, p);
    return s;
}

// The search without a list to fill: what the search itself costs.
struct VistaNulla : VistaRicerca {
    void svuotaLista() override {}
    void aggiungiParole(const ParoleTrovate&) override {}
    void impostaStato(const std::string&) override {}
    void impostaTestoLista(const std::string&) override {}
    Superficie& progresso() override { return barra; }
    struct : SuperficieRegistro {
        void rettangoloPieno(double, double, double, double, Colore) override {}
    } barra;
};

// The list as the word dialog fills it: the drop-down behind the words' model, shown.
struct VistaModello : VistaNulla {
    VistaModello() : modello(ModelloParole::perLista(&combo)) { combo.show(); }
    void svuotaLista() override { modello->svuota(); }
    void aggiungiParole(const ParoleTrovate& parole) override { modello->imposta(parole); }
    void impostaTestoLista(const std::string& t) override {
        combo.setCurrentIndex(t.empty() ? -1 : combo.findText(QString::fromStdString(t)));
    }
    QComboBox combo;
    ModelloParole* modello;
};

// The list filled as it was before the model: one item per word.
struct VistaElementi : VistaNulla {
    void svuotaLista() override { combo.clear(); }
    void aggiungiParole(const ParoleTrovate& parole) override {
        for (std::size_t i = 0; i < parole.size(); ++i) combo.addItem(QString::fromStdString(parole.utf8(i)));
    }
    QComboBox combo;
};

const char* const maschere[] = {"          ", "M         ", "M    E    ", "M  A E   R", "E        S",
                                 "    E     ", "         S", "  Z    Q  "};

void BM_Carica(benchmark::State& st) {
    Lessico s = lessicoFrancese(false);
    PiattaformaRegistro p;
    for (auto _ : st) caricaLessico(s, p);
    st.counters["indice_MiB"] = double(s.indice->memoria()) / (1 << 20);
}
BENCHMARK(BM_Carica)->Unit(benchmark::kMillisecond);

void BM_Cerca(benchmark::State& st) {
    const Lessico s = lessicoFrancese();
    PiattaformaRegistro p;
    VistaNulla vista;
    const std::string maschera = maschere[st.range(0)];
    std::size_t trovate = 0;
    for (auto _ : st) trovate = cercaNelLessico(s, p, maschera, vista).size();
    st.SetLabel("[" + maschera + "]");
    st.counters["parole"] = double(trovate);
}
BENCHMARK(BM_Cerca)->DenseRange(0, std::size(maschere) - 1)->Unit(benchmark::kMicrosecond);

// Reference: every word of the block compared, no index, block already in memory.
void BM_ScansioneSemplice(benchmark::State& st) {
    const Lessico s = lessicoFrancese();
    const FileLessico f(QUADRIVO_DIR "LessicoFrancese.dat");
    const BloccoLessico b = bloccoEffettivo({s.inizio[10], s.conta[10]}, 10, f.dimensione());
    const auto letti = f.leggi(b.offset, b.conta * 10);
    const std::string maschera = maschere[st.range(0)];
    for (auto _ : st) benchmark::DoNotOptimize(paroleCompatibili(letti.vista(), 10, maschera));
    st.SetLabel("[" + maschera + "]");
}
BENCHMARK(BM_ScansioneSemplice)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

template <typename Vista>
void BM_RiempiLista(benchmark::State& st) {
    const Lessico s = lessicoFrancese();
    PiattaformaRegistro p;
    Vista vista;
    const std::string maschera = maschere[st.range(0)];
    for (auto _ : st) {
        cercaNelLessico(s, p, maschera, vista);
        QCoreApplication::processEvents();  // whatever the list put off until the next loop
    }
    st.SetLabel("[" + maschera + "]");
    st.counters["parole"] = double(vista.combo.count());
}
// Opening the drop-down over all the words: the view lays out only what it shows.
template <typename Vista>
void BM_ApriTendina(benchmark::State& st) {
    const Lessico s = lessicoFrancese();
    PiattaformaRegistro p;
    Vista vista;
    cercaNelLessico(s, p, maschere[0], vista);
    for (auto _ : st) {
        vista.combo.showPopup();
        QCoreApplication::processEvents();
        vista.combo.hidePopup();
    }
    st.counters["parole"] = double(vista.combo.count());
}
BENCHMARK(BM_ApriTendina<VistaModello>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApriTendina<VistaElementi>)->Iterations(3)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_RiempiLista<VistaModello>)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RiempiLista<VistaElementi>)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond);

// The first Cerca after start: the dictionary loaded as at start (its block table only), the
// word dialog's drop-down filled through its model. Every Cerca is such a first one: none
// builds the word index.
struct PrimaCerca {
    const char* lessico;
    const char* maschera;
};
const PrimaCerca primeCerche[] = {
    {"LessicoItaliano.dat", "         "}, {"LessicoItaliano.dat", "M   E    "}, {"LessicoItaliano.dat", "    "},
    {"LessicoFrancese.dat", "          "}, {"LessicoFrancese.dat", "M    E    "},
};

Lessico lessicoAvvio(const char* lessico) {
    Lessico s;
    s.cartella = QUADRIVO_DIR;
    s.file = lessico;
    preparaLessico(s);
    return s;
}

void BM_PrimaCerca(benchmark::State& st) {
    const PrimaCerca& c = primeCerche[st.range(0)];
    const Lessico s = lessicoAvvio(c.lessico);
    PiattaformaRegistro p;
    VistaModello vista;
    for (auto _ : st) {
        cercaNelLessico(s, p, c.maschera, vista);
        QCoreApplication::processEvents();
    }
    st.SetLabel(std::string(c.lessico) + " [" + c.maschera + "]");
    st.counters["parole"] = double(vista.combo.count());
}
BENCHMARK(BM_PrimaCerca)->DenseRange(0, std::size(primeCerche) - 1)->Unit(benchmark::kMillisecond);

// As the first Cerca went when it built the whole word index first.
void BM_PrimaCercaConIndice(benchmark::State& st) {
    const PrimaCerca& c = primeCerche[st.range(0)];
    Lessico s = lessicoAvvio(c.lessico);
    PiattaformaRegistro p;
    VistaModello vista;
    for (auto _ : st) {
        indicizzaLessico(s);
        cercaNelLessico(s, p, c.maschera, vista);
        QCoreApplication::processEvents();
    }
    st.SetLabel(std::string(c.lessico) + " [" + c.maschera + "]");
}
BENCHMARK(BM_PrimaCercaConIndice)->DenseRange(0, std::size(primeCerche) - 1)->Unit(benchmark::kMillisecond);

// Reference: a bare QListWidget, shown, filled with the same words.
void BM_ListaNuda(benchmark::State& st) {
    const PrimaCerca& c = primeCerche[st.range(0)];
    const Lessico s = lessicoAvvio(c.lessico);
    PiattaformaRegistro p;
    VistaNulla nulla;
    QStringList parole;
    for (const std::string& w : cercaNelLessico(s, p, c.maschera, nulla).tutteUtf8()) parole << QString::fromStdString(w);
    QListWidget lista;
    lista.show();
    for (auto _ : st) {
        lista.clear();
        lista.addItems(parole);
        QCoreApplication::processEvents();
    }
    st.SetLabel(std::string(c.lessico) + " [" + c.maschera + "]");
    st.counters["parole"] = double(lista.count());
}
BENCHMARK(BM_ListaNuda)->DenseRange(0, std::size(primeCerche) - 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
