#pragma once
// File helpers shared by the readers and writers.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quadrivo {

// Lines of a text: a line ends at CR LF, a lone CR, a lone LF, or the end of the data.
// The line ends are dropped; a final line end does not start another line.
std::vector<std::string> dividiRighe(std::string_view dati);

bool esisteFile(const std::string& percorso);  // an ordinary file (or a link to one)
std::optional<std::string> leggiFile(const std::string& percorso);
// Writes beside the target and replaces it only once everything is on disk: every write, the
// flush and the final rename are checked, and on any failure the old file stays as it was.
bool scriviFileSicuro(const std::string& percorso, std::string_view dati);

// The steps of one safe write, so that tests can make any of them fail.
class ScritturaFile {
public:
    virtual ~ScritturaFile() = default;
    virtual bool apri() = 0;
    virtual bool scrivi(std::string_view dati) = 0;
    virtual bool svuota() = 0;    // everything written so far reaches the disk
    virtual bool conferma() = 0;  // the new file takes the target's name
    virtual void annulla() = 0;   // the target stays as it was
};
using FabbricaScrittura = std::function<std::unique_ptr<ScritturaFile>(const std::string& percorso)>;
// The real steps, over QSaveFile.
std::unique_ptr<ScritturaFile> scritturaReale(const std::string& percorso);
// Replaces how scriviFileSicuro writes (an empty one restores the real steps); returns the old one.
FabbricaScrittura impostaFabbricaScrittura(FabbricaScrittura fabbrica);
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
