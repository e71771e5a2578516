#pragma once
// File helpers shared by the readers and writers.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quadrivo {

// Lines of a text: a line ends at CR, CR LF or the end of the data, and a lone LF belongs to
// its line; a text with no CR at all ends its lines at LF instead. The line ends are
// dropped; a final line end does not start another line.
std::vector<std::string> dividiRighe(std::string_view dati);

bool esisteFile(const std::string& percorso);  // an ordinary file (or a link to one)
std::optional<std::string> leggiFile(const std::string& percorso);
// Writes beside the target and replaces it only once everything is on disk.
bool scriviFileSicuro(const std::string& percorso, std::string_view dati);
bool cancellaFile(const std::string& percorso);

// The same lines, each ended by CR LF.
std::string righeCrLf(std::string_view dati);

// Copies a file line by line, each line written with CR LF; an empty file gives an empty copy.
// False when the source cannot be read or the copy cannot be written.
bool copiaPerRighe(const std::string& da, const std::string& a);

// A new empty file with a unique name in the system's temporary folder; "" on failure.
std::string nomeFileTemporaneo(const std::string& prefisso);

// The name of a file in a folder, found whatever its letter case ("" when there is none).
// An exact match is preferred.
std::string trovaSenzaMaiuscole(const std::string& cartella, const std::string& nome);

}  // namespace quadrivo
