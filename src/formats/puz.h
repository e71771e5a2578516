#pragma once
// Across Lite .puz: a binary header with checksums, the solution and player grids, zero-ended
// strings (Windows-1252, UTF-8 from version 2.0) and tagged extra sections (GRBS/RTBL rebus,
// GEXT cell flags, LTIM time, RUSR player rebus). Everything read is kept so that writing back
// changes only the player's grid and what the player edited, and recomputes every checksum.
#include <cstdint>
#include <optional>
#include <string_view>

#include "formats/formato.h"

namespace quadrivo {

class FormatoPuz : public Formato {
public:
    std::string nome() const override { return "puz"; }
    Capacita capacita() const override { return {.tempo = true, .segni = true, .piuLettere = true}; }
    std::vector<std::string> estensioni() const override { return {"puz"}; }
    bool riconosce(std::string_view dati) const override;
    Lettura leggi(std::string_view dati) const override;
    std::string scrivi(const Cruciverba& cruciverba) const override;
    std::string nonContiene(const Cruciverba& cruciverba) const override;
};

// The format's running checksum of a region.
std::uint16_t sommaPuz(std::string_view dati, std::uint16_t somma = 0);

// Across Lite's locking: the solution's letters, read down the columns with the black squares
// left out, scrambled with a four-digit code (0000-9999). A file records only the checksum of
// the letters before scrambling, so a code is right when the letters it gives match it.
std::string cifraLetterePuz(std::string lettere, int codice);
std::string decifraLetterePuz(std::string lettere, int codice);

// Whether the puzzle is a .puz whose solution is locked.
bool puzBloccato(const Cruciverba& cruciverba);
// Unlocks a locked .puz with its code: the solution goes into the puzzle and into the file
// written from now on. False, with nothing changed, for a wrong code.
bool sbloccaPuz(Cruciverba& cruciverba, int codice);

// The solving time of the LTIM section as read (seconds), when the file has one.
std::optional<long long> tempoPuz(const Cruciverba& cruciverba);

}  // namespace quadrivo
