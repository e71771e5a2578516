#pragma once
// Helpers that write small puzzles as readable strings.
#include <filesystem>
#include <string>
#include <vector>

#include "formats/formato.h"
#include "model/documento.h"
#include "model/cartelle.h"
#include "model/valori_impostazioni.h"

namespace quadrivo::prova {

// A .trmo file's bytes. Each grid row is given as solution letters ('#' for a black cell);
// `inserimenti`, when given, holds the entry of each cell ('.' for none, '#' for black).
std::string fileTrmo(const std::vector<std::string>& soluzioni, const std::vector<std::string>& inserimenti = {},
                     const std::vector<std::string>& definizioni = {}, const std::string& autore = "Mario Rossi");

// The puzzle the .trmo reader makes of it.
Cruciverba cruciverbaDa(const std::vector<std::string>& soluzioni, const std::vector<std::string>& inserimenti = {},
                        const std::vector<std::string>& definizioni = {}, const std::string& autore = "Mario Rossi");
// A document holding that puzzle, with no file.
Documento documentoDaSchema(const std::vector<std::string>& soluzioni, const std::vector<std::string>& inserimenti = {},
                            const std::vector<std::string>& definizioni = {}, const std::string& autore = "Mario Rossi");

// A fresh temporary folder, removed when the object goes.
class CartellaTemporanea {
public:
    CartellaTemporanea();
    ~CartellaTemporanea();
    CartellaTemporanea(const CartellaTemporanea&) = delete;
    CartellaTemporanea& operator=(const CartellaTemporanea&) = delete;
    std::string percorso(const std::string& nome = {}) const;
    std::string scrivi(const std::string& nome, const std::string& dati) const;
    std::string leggi(const std::string& nome) const;

private:
    std::filesystem::path dir_;
};

// What `formato` reads of `dati`, expected to open.
Cruciverba letturaOk(const Formato& formato, std::string_view dati);
// Expects `formato` to refuse `dati` with `esito` and a reason that mentions `motivo`.
void rifiuta(const Formato& formato, std::string_view dati, const std::string& motivo,
             EsitoLettura esito = EsitoLettura::formatoNonValido);

// `puz` (written by the program, unlocked) with its solution locked by `codice`, as Across Lite
// locks it; `colonne` gives the solution's letters read down the columns.
std::string puzChiuso(std::string puz, const std::vector<size_t>& colonne, int codice);

// The grid's entries row by row: '#' black, '.' empty.
std::vector<std::string> inserimenti(const Cruciverba& cruciverba);

}  // namespace quadrivo::prova
