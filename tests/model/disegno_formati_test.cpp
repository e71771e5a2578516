#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "model/disegno_schema.h"
#include "model/superficie_registro.h"

using namespace quadrivo;

namespace {

// A 2×1 grid of 60-pixel cells at (0, 0); the first cell is changed by each case.
std::vector<Operazione> disegna(const std::function<void(Cella&)>& cambia) {
    Cruciverba x(2, 1);
    x.cella(2, 1).voce = "B";
    cambia(x.cella(1, 1));
    SuperficieRegistro sup;
    disegnaSchema(sup, GeometriaSchema{2, 1, 60, 0, 0, 30, 10}, caselleDi(x), StileSchema{});
    return sup.operazioni;
}

bool c_e(const std::vector<Operazione>& ops, Operazione::Tipo tipo, Colore colore, double x1, double x2) {
    for (const Operazione& o : ops)
        if (o.tipo == tipo && o.colore == colore && std::abs(o.x1 - x1) < 0.01 && std::abs(o.x2 - x2) < 0.01) return true;
    return false;
}

}  // namespace

TEST(DisegnoFormati, BarsCirclesShadingColoursAndVoids) {
    const double t = 60.0 / 14;
    const struct {
        const char* nome;
        std::function<void(Cella&)> cambia;
        Operazione::Tipo tipo;
        Colore colore;
        double x1, x2;
    } casi[] = {
        {"barra destra", [](Cella& k) { k.barre = barraDestra; }, Operazione::rettangoloPieno, nero, 60 - t / 2, 60 + t / 2},
        {"barra sinistra", [](Cella& k) { k.barre = barraSinistra; }, Operazione::rettangoloPieno, nero, -t / 2, t / 2},
        {"cerchio", [](Cella& k) { k.cerchio = true; }, Operazione::ellisse, nero, 60 * 0.06, 60 * 0.94},
        {"ombreggiata", [](Cella& k) { k.ombreggiata = true; }, Operazione::rettangoloPieno, Colore{215, 215, 215}, 1, 59},
        {"colore", [](Cella& k) { k.colore = "#ff8800"; }, Operazione::rettangoloPieno, Colore{255, 136, 0}, 1, 59},
    };
    for (const auto& c : casi) {
        EXPECT_TRUE(c_e(disegna(c.cambia), c.tipo, c.colore, c.x1, c.x2)) << c.nome;
        EXPECT_FALSE(c_e(disegna([](Cella&) {}), c.tipo, c.colore, c.x1, c.x2)) << c.nome;  // a plain cell has none
    }
    // A void cell: no outline of its own, the other cell's only.
    EXPECT_EQ(disegna([](Cella& k) { k.tipo = TipoCella::vuota; }).front().x1, 60);
}

TEST(DisegnoFormati, SeveralLettersShrinkToTheCellOneLetterDoesNot) {
    const auto ops = disegna([](Cella& k) { k.voce = "OLE"; });
    double uno = 0, tre = 0, larghezza = 0;
    for (const Operazione& o : ops)
        if (o.tipo == Operazione::scritta && o.testo == "OLE") tre = o.carattere.dimensione, larghezza = 0.6 * tre * 3;
        else if (o.tipo == Operazione::scritta && o.testo == "B") uno = o.carattere.dimensione;
    EXPECT_EQ(uno, 30);
    EXPECT_LT(tre, 30);
    EXPECT_LE(larghezza, 60 * 0.86 + 0.01);
}
