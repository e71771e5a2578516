#pragma once
// The .trmo crossword archive: four header lines, one line per grid row with a solution and an
// entry byte per cell, then the clue lines. Windows-1252 on disk; the header and the grid's
// solution bytes are kept aside so that a puzzle read and written back gives the same bytes.
#include <string>
#include <string_view>

#include "formats/formato.h"

namespace quadrivo {

inline constexpr const char* msgFormatoNonValido = "Formato del file non valido! Esecuzione terminata";

// The largest grid the archive holds.
inline constexpr int maxColonneTrmo = 26;
inline constexpr int maxRigheTrmo = 16;
// Four header lines and at most twenty grid lines: what the open dialog's preview reads.
inline constexpr int maxRigheFile = 24;

class FormatoTrmo : public Formato {
public:
    std::string nome() const override { return "trmo"; }
    std::vector<std::string> estensioni() const override { return {"trmo"}; }
    bool riconosce(std::string_view dati) const override;
    Lettura leggi(std::string_view dati) const override;
    std::string scrivi(const Cruciverba& cruciverba) const override;
    std::string nonContiene(const Cruciverba& cruciverba) const override;
    Capacita capacita() const override { return {.tempo = false, .segni = false, .piuLettere = false}; }
    // The header's lines as the editor wrote them: line 1 from its label on, lines 2 and 3 after
    // theirs, and line 4's size.
    Intestazione intestazione(const Cruciverba& cruciverba, std::string_view dati) const override;
};

// One clue line: column and row right-aligned in three characters, direction, "-", text.
std::string rigaDefinizione(int colonna, int riga, Direzione direzione, const std::string& testo);

// Header line 1: a 13-character label ("Autore:      "), then the author.
inline constexpr size_t etichettaAutore = 13;

}  // namespace quadrivo
