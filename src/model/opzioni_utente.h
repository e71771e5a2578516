#pragma once
// The player's own options (~/.config/Quadrivo/Quadrivo.conf), never in tramerio.ini. Anything
// but a regular file at that name (a FIFO would hold the start for ever) is neither read nor
// replaced: the defaults stand.
#include <QVariant>

namespace quadrivo {

// The grid's font, kept from one run to the next.
inline constexpr const char* chiaveCarattere = "schema/carattere";
inline constexpr const char* chiaveCorsivo = "schema/corsivo";
inline constexpr const char* chiaveGrassetto = "schema/grassetto";
inline constexpr const char* chiaveAspetto = "schermo/aspetto";
// The dictionary language, 1 to 4.
inline constexpr const char* chiaveLingua = "lessico/lingua";

QVariant valoreUtente(const char* chiave, const QVariant& predefinito = {});
// A value whose write fails stays in memory (read back from there) until scriviValoriUtente,
// or a later save, lands it.
void salvaValoreUtente(const char* chiave, const QVariant& valore);
// Kept in memory (read back from there) for the next write: several values go in one write.
void preparaValoreUtente(const char* chiave, const QVariant& valore);
// Writes the values still waiting; true when none waits any more.
bool scriviValoriUtente();
void cancellaValoreUtente(const char* chiave);

}  // namespace quadrivo
