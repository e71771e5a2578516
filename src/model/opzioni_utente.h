#pragma once
// Keys of the player's own options (~/.config/Quadrivo/Quadrivo.conf, never in tramerio.ini),
// read and written through Impostazioni.
namespace quadrivo {

// The grid's font, kept from one run to the next.
inline constexpr const char* chiaveCarattere = "schema/carattere";
inline constexpr const char* chiaveCorsivo = "schema/corsivo";
inline constexpr const char* chiaveGrassetto = "schema/grassetto";
inline constexpr const char* chiaveAspetto = "schermo/aspetto";
// The dictionary language, 1 to 4.
inline constexpr const char* chiaveLingua = "lessico/lingua";

}  // namespace quadrivo
