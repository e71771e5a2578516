#pragma once
// Crossword Compiler XML (.jpz), plain or zipped: the grid's cells with their bars, circles,
// numbers, solutions and solve state, the words and the clue lists. Written back as plain XML
// from the puzzle, for the working copy; Salva offers an .ipuz instead.
#include "formats/formato.h"

namespace quadrivo {

class FormatoJpz : public Formato {
public:
    std::string nome() const override { return "jpz"; }
    std::vector<std::string> estensioni() const override { return {"jpz"}; }
    bool riconosce(std::string_view dati) const override;
    Lettura leggi(std::string_view dati) const override;
    std::string scrivi(const Cruciverba& cruciverba) const override;
    bool contieneVariante(Variante v) const override { return v == Variante::cruciverba || v == Variante::crittografato; }
    std::string nonContiene(const Cruciverba& cruciverba) const override;
};

// The largest XML a .jpz may hold, plain or unpacked from its zip.
inline constexpr size_t maxXmlJpz = 8u << 20;

}  // namespace quadrivo
