#pragma once
// What a name is on disk. Readers open only regular files, and never wait on a FIFO or a
// device to do it; writers replace only regular files. Plain POSIX: the lessico tool uses it too.
#include <string>

namespace quadrivo {

enum class TipoFile { mancante, regolare, cartella, fifo, dispositivo, socket, altro };

TipoFile tipoFile(const std::string& percorso);  // through links
// "una cartella", "una FIFO", "un dispositivo", "un socket", "un file speciale"; "" for a regular
// or missing one.
std::string descriviTipo(TipoFile tipo);
// Opens a regular file for reading without blocking on anything else; -1 otherwise, with
// `tipo` (when given) saying what was found there.
int apriRegolare(const std::string& percorso, TipoFile* tipo = nullptr);
// Why a file cannot be read, as the end of a sentence: "non esiste", "è una FIFO", "non si può
// leggere"; "" when it opens.
std::string percheIlleggibile(const std::string& percorso);
// A writer may put a file at this name: nothing is there yet, or a regular file is.
bool sostituibile(const std::string& percorso);
// The message for a writer that will not replace what stands at `percorso`.
std::string messaggioNonSostituibile(const std::string& percorso);

}  // namespace quadrivo
