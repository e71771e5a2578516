#include <gtest/gtest.h>

#include <sstream>

#include "formats/formato.h"
#include "supporto/schema.h"
#include "trmo.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

namespace {

int trmo(std::vector<std::string> a, std::string* err = nullptr, std::string* out = nullptr) {
    std::ostringstream o, e;
    const int c = eseguiTrmo(a, o, e);
    if (err) *err = e.str();
    if (out) *out = o.str();
    return c;
}

Cruciverba letto(const std::string& percorso, const std::string& dati) { return leggiCruciverba(percorso, dati).cruciverba; }

// An ipuz grid of w×h cells, all white, with `extra` fields.
std::string ipuz(int w, int h, const std::string& extra = {}) {
    std::string righe;
    for (int r = 0; r < h; ++r) {
        righe += r ? ",[" : "[";
        for (int c = 0; c < w; ++c) righe += c ? ",0" : "0";
        righe += "]";
    }
    return R"({"kind": ["http://ipuz.org/crossword#1"], "dimensions": {"width": )" + std::to_string(w) +
           R"(, "height": )" + std::to_string(h) + R"(}, "puzzle": [)" + righe + "]" + extra + "}";
}

}  // namespace

TEST(Converti, ThroughEveryFormatTheLettersAndCluesStay) {
    CartellaTemporanea d;
    const std::string in = d.scrivi("in.trmo", prova::fileTrmo({"CASA", "A#RE", "SOLE"}, {"C...", ".#R.", "...."},
                                                               {"  1  11-Dimora", "  1  12-Chiude", "  3  22-Erre"}));
    const Cruciverba x = letto(in, d.leggi("in.trmo"));
    std::string prima = in;
    for (const char* nome : {"a.ipuz", "b.puz", "c.trmo", "d.puz"}) {
        std::string err;
        ASSERT_EQ(trmo({"converti", prima, d.percorso(nome)}, &err), 0) << nome << err;
        const Cruciverba y = letto(d.percorso(nome), d.leggi(nome));
        EXPECT_TRUE(y.elenchi == x.elenchi && prova::inserimenti(y) == prova::inserimenti(x)) << nome;
        prima = d.percorso(nome);
    }
    // normalizza writes a .puz back byte for byte.
    ASSERT_EQ(trmo({"normalizza", d.percorso("d.puz"), d.percorso("e.puz")}), 0);
    EXPECT_EQ(d.leggi("e.puz"), d.leggi("d.puz"));
}

TEST(Converti, RefusesWhatTheTargetCannotHoldAndWritesNothing) {
    CartellaTemporanea d;
    // The input, the output's name, the reason given.
    const std::array<std::string, 3> casi[] = {
        {ipuz(21, 21), "g.trmo", "21×21"},
        {ipuz(2, 1, R"(, "solution": [["AB", "C"]])"), "r.trmo", "più lettere"},
        {ipuz(2, 1, R"(, "puzzle": [[{"cell": 0, "style": {"barred": "R"}}, null]], "solution": [["A", "B"]])"),
         "b.puz", "fuori dallo schema, barre"},
        {ipuz(2, 1), "x.doc", "sconosciuta"},
    };
    for (const auto& [dati, uscita, motivo] : casi) {
        std::string err;
        EXPECT_EQ(trmo({"converti", d.scrivi("in.ipuz", dati), d.percorso(uscita)}, &err), 1) << motivo;
        EXPECT_TRUE(err.find(motivo) != std::string::npos && d.leggi(uscita).empty()) << err;
    }
    std::string out;
    const std::string speciali = R"(, "clues": {"Down:Speciali": [[1, "Vocale"]]})";
    EXPECT_EQ(trmo({"mostra", d.scrivi("s.ipuz", ipuz(1, 2, speciali))}, nullptr, &out), 0);
    EXPECT_NE(out.find("SPECIALI:\n"), std::string::npos) << out;
}
