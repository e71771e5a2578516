#pragma once
// Opening a puzzle: the chosen file is read and checked as a whole by its format, becomes the
// puzzle in memory, and the working copy is written from it. A file the program could not show
// is refused before anything changes.
#include <string>
#include <string_view>

#include "model/piattaforma.h"
#include "model/documento.h"
#include "formats/formato.h"

namespace quadrivo {

inline constexpr const char* msgFileInesistente = "Errore: file inesistente!";
inline constexpr const char* msgFormatoApertura = "Formato del file non valido!";
inline constexpr const char* msgTipoApertura = "Tipo di file non valido!";

// nonFile: a folder, FIFO, device or socket stands at the name. giaAperto: open in another
// window, and the player chose not to open it here (nothing more to say).
enum class EsitoApertura { ok, inesistente, nonFile, illeggibile, formatoNonValido, tipoNonValido, giaAperto };

// Whether the program can show these bytes as a puzzle, without ending.
EsitoApertura controllaSchema(const std::string& percorso, std::string_view dati);
// The one answer to "can this file be opened, and why not": opening and the open dialog's
// preview both ask it. On ok, `dati` (when given) holds the file's bytes and `cruciverba` (when
// given) the puzzle they make.
EsitoApertura esaminaSchema(const std::string& percorso, std::string* dati = nullptr, Cruciverba* cruciverba = nullptr);
// The same, keeping the whole reading (the puzzle and the format's notice) for the opening
// that follows, which then need not read the bytes again.
EsitoApertura esaminaSchema(const std::string& percorso, std::string& dati, Lettura& lettura);

// Reads `percorso` into the document, writes the working copy and sets nomeFile. On failure nothing changes and the returned outcome says why. A working copy
// that cannot be written is not a failure: the puzzle is kept in memory and the player told.
EsitoApertura apriInLavoro(Documento& documento, Piattaforma& piattaforma, const std::string& percorso);

// The same from bytes already read: `percorso` becomes nomeFile. A working copy (`copia`) is read
// in the format its note names, else as its bytes look, whatever `percorso`'s extension says.
EsitoApertura apriDatiInLavoro(Documento& documento, Piattaforma& piattaforma, std::string_view dati,
                               const std::string& percorso, const std::string& formato = {}, bool copia = false);

// The same from a reading of `percorso` already made and found ok.
EsitoApertura apriLettoInLavoro(Documento& documento, Piattaforma& piattaforma, Lettura lettura,
                                const std::string& percorso);

// The message that goes with a failed open ("" for ok).
std::string messaggioApertura(EsitoApertura esito, const std::string& percorso);

}  // namespace quadrivo
