#pragma once
// The known 5x4 puzzle of the solving tests, from strings through the real reader:
//      1 2 3 4 5        numbers: 1 (1,1) both ways, 2 (3,1) down, 3 (4,1) down,
//   1  C A S A #                 4 (3,2) across, 5 (1,3) across, 6 (2,3) down,
//   2  A # O R O                 7 (1,4) across
//   3  N O # E #        across: 1 CASA, 4 ORO, 5 NO, 7 ERBA; down: 1 CANE, 2 SO, 3 AREA, 6 OR
//   4  E R B A #        SchemaProva lays it out in 30-pixel cells from (100, 50).
#include "formats/trmo.h"
#include "model/disegno_schema.h"
#include "model/piattaforma_registro.h"
#include "solving/passaggio.h"
#include "supporto/schema.h"

namespace quadrivo::prova {

inline const std::vector<std::string> soluzioniProva = {"CASA#", "A#ORO", "NO#E#", "ERBA#"};
inline const std::vector<std::string> definizioniProva = {
    rigaDefinizione(1, 1, Direzione::orizzontale, "Abitazione"), rigaDefinizione(1, 1, Direzione::verticale, "Fedele amico"),
    rigaDefinizione(3, 2, Direzione::orizzontale, "Metallo prezioso"), rigaDefinizione(1, 4, Direzione::orizzontale, "Citt\xe0 d'erba"),
    rigaDefinizione(4, 1, Direzione::verticale, "Superficie")};

inline Documento schemaProva(const std::vector<std::string>& voci = {}) {
    return documentoDaSchema(soluzioniProva, voci, definizioniProva);
}

struct SchemaProva {
    Documento documento;
    ValoriImpostazioni valori;
    ModoVista modo = ModoVista::griglia;
    PiattaformaRegistro piattaforma;

    explicit SchemaProva(const std::vector<std::string>& voci = {}) : documento(schemaProva(voci)) {}
    static GeometriaSchema griglia() {
        GeometriaSchema g;
        g.colonne = 5, g.righe = 4, g.lato = 30, g.x0 = 100, g.y0 = 50;
        return g;
    }
    // Centre of cell (c, r).
    static double x(int c) { return 100 + (c - 1) * 30 + 15; }
    static double y(int r) { return 50 + (r - 1) * 30 + 15; }
};

}  // namespace quadrivo::prova
