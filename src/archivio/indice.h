#pragma once
// The library's index of puzzle files: what is under the player's folders, what changed since
// the last pass (size and time first, then a hash of the bytes), and each file read once into
// its row. A file that does not open keeps its row, with the reason.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "archivio/registro.h"

namespace quadrivo {

struct FileTrovato {
    std::string percorso;  // absolute
    std::int64_t dimensione = 0, modificato = 0;
};

// Every file with a puzzle extension under `cartelle` (subfolders too), then the `recenti` that
// exist; each path once, sorted.
std::vector<FileTrovato> trovaFile(const std::vector<std::string>& cartelle, const std::vector<std::string>& recenti);

struct PianoIndice {
    std::vector<FileTrovato> daLeggere;    // new, or their size or time changed
    std::vector<std::string> spariti;      // indexed, no longer found
};
PianoIndice pianoIndice(const std::vector<FileTrovato>& trovati, const std::vector<SchemaIndicizzato>& noti);

// The row of a file from its bytes; `noto` (may be null) is the row it had: the same hash keeps
// what was read then.
SchemaIndicizzato schemaDa(const FileTrovato& file, std::string_view dati, const SchemaIndicizzato* noto);
// Reads the file from disk; one that cannot be read gets the reason.
SchemaIndicizzato leggiSchema(const FileTrovato& file, const SchemaIndicizzato* noto);

struct EsitoIndice {
    int trovati = 0, letti = 0, errori = 0, spariti = 0;
    bool scritto = true;  // false when the store refused the rows
    bool interrotto = false;
};

// One pass: finds, reads what changed, stores it in batches. `progresso(fatti, daFare)` after
// each file; `basta`, when set, stops between files.
EsitoIndice indicizza(Registro& registro, const std::vector<std::string>& cartelle,
                      const std::vector<std::string>& recenti,
                      const std::function<void(int, int)>& progresso = {}, const std::atomic<bool>* basta = nullptr);

}  // namespace quadrivo
