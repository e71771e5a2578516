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
    std::vector<std::string> estensioni() const override { return {"puz"}; }
    bool riconosce(std::string_view dati) const override;
    Lettura leggi(std::string_view dati) const override;
    std::string scrivi(const Cruciverba& cruciverba) const override;
    std::string nonContiene(const Cruciverba& cruciverba) const override;
};

// The format's running checksum of a region.
std::uint16_t sommaPuz(std::string_view dati, std::uint16_t somma = 0);

// The solving time of the LTIM section as read (seconds), when the file has one.
std::optional<long long> tempoPuz(const Cruciverba& cruciverba);

}  // namespace quadrivo
