#pragma once
// File helpers shared by the readers and writers.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QFile;
class QString;

namespace quadrivo {

// Paths are the file system's bytes, whatever their encoding; these convert at the Qt side.
// A name that is not valid UTF-8 has no exact QString: the file helpers below open it anyway.
QString nomeQt(const std::string& percorso);
std::string percorsoDaQt(const QString& nome);
// The bytes of a path typed over a proposal: `proposto` itself when the box still shows it as
// proposed (so a name Qt cannot spell survives), otherwise the typed text's bytes.
std::string percorsoDaQt(const QString& nome, const std::string& proposto);

// `percorso` as seen from the folder `cartella` (an absolute path): a relative one is joined to
// it; "." and empty steps are dropped and ".." takes back a step. "" stays "".
std::string percorsoAssoluto(const std::string& percorso, const std::string& cartella);

// Lines of a text: a line ends at CR, CR LF or the end of the data, and a lone LF belongs to
// its line; a text with no CR at all ends its lines at LF instead. The line ends are
// dropped; a final line end does not start another line.
std::vector<std::string> dividiRighe(std::string_view dati);

// The folder holding a path: "/" for a file at the root, "." for a bare name.
std::string cartellaDi(const std::string& percorso);
// Folder + "/" (unless it already ends with one) + name.
std::string componiPercorso(const std::string& cartella, const std::string& nome);

bool esisteFile(const std::string& percorso);  // an ordinary file (or a link to one)
// Opens an ordinary file for reading by the bytes of its name, never waiting on a FIFO or a
// device; false when it cannot.
bool apriInLettura(QFile& file, const std::string& percorso);
// The names of the ordinary files (or links to them) in a folder, as bytes; none when the folder
// cannot be read.
std::vector<std::string> nomiFile(const std::string& cartella);
std::optional<std::string> leggiFile(const std::string& percorso);
// Writes beside the target and replaces it only once everything is on disk: every write, the
// flush and the final rename are checked, and on any failure the old file stays as it was.
// A folder, FIFO, device or socket at the name is never replaced.
enum class ErroreScrittura { nessuno, spazio, nonFile, solaLettura, altro };
// Whether a write went through, and why not when it did not.
struct EsitoScrittura {
    ErroreScrittura errore = ErroreScrittura::nessuno;
    explicit operator bool() const { return errore == ErroreScrittura::nessuno; }
};
EsitoScrittura scriviFileSicuro(const std::string& percorso, std::string_view dati);
// The message for a failed write at `percorso`: the lack of space with its folder, a target
// that is no regular file, a read-only file in a folder that could take it; `altrimenti` for
// any other cause.
std::string messaggioScrittura(const std::string& percorso, EsitoScrittura esito, const std::string& altrimenti);

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
// The same safe replacement without waiting for the disk: a killed process cannot lose what
// the kernel holds, so a working copy written at every change needs no sync each time. The
// new file is readable by its owner only. New bytes of the same length as a private file's go
// over its old ones in place (a letter typed changes no length): even a write cut short by a
// power loss then leaves, byte by byte, the old text or the new one, never a third.
bool scriviFileRapido(const std::string& percorso, std::string_view dati);
// Waits until the file's data are on the disk; false when that fails.
bool sincronizzaFile(const std::string& percorso);
bool cancellaFile(const std::string& percorso);
// Removes what interrupted safe writes of `percorso` left beside it: the writer's temporary
// files (NAME.XXXXXX, NAME.nuovo, and .quadrivo-PID.tmp of a process that is gone), only the
// player's own, and only those no process holds open or, where that cannot be told, untouched
// for `secondi` (a write in progress is never taken).
void togliAvanzi(const std::string& percorso, long long secondi = 60);
// Whether some process other than this one holds the file open; true when it cannot be told.
bool apertoAltrove(const std::string& percorso);
// Creates the folder and the missing ones above it; true when it exists afterwards.
bool creaCartella(const std::string& percorso);
// The same for the player's own data: the last folder is made (or set) 0700 when the player owns it.
bool creaCartellaPrivata(const std::string& percorso);
// A file the player owns becomes readable and writable by the player only (0600).
bool rendiPrivato(const std::string& percorso);

// A new empty file with a unique name in the system's temporary folder; "" on failure.
std::string nomeFileTemporaneo(const std::string& prefisso);

// The name of a file in a folder, found whatever its letter case ("" when there is none).
// An exact match is preferred.
std::string trovaSenzaMaiuscole(const std::string& cartella, const std::string& nome);

}  // namespace quadrivo
