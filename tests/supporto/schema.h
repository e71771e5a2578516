#pragma once
// Helpers that write small puzzles as readable strings.
#include <filesystem>
#include <string>
#include <vector>

#include "model/stato.h"

namespace quadrivo::prova {

// One grid row as it is held in memory (solution, entry for each cell): '#' marks a black
// cell in either string; an entry missing from `inserimenti` is '.' (or '*' for black).
std::string rigaInMemoria(const std::string& soluzioni, const std::string& inserimenti = {});

// A .trmo file's bytes. Each grid row is given as solution letters ('#' for a black cell);
// `inserimenti`, when given, holds the entry of each cell ('.' for none, '#' for black).
std::string fileTrmo(const std::vector<std::string>& soluzioni, const std::vector<std::string>& inserimenti = {},
                     const std::vector<std::string>& definizioni = {}, const std::string& autore = "Mario Rossi");

// A state holding that puzzle as the reader leaves it, numbered.
Stato statoDaSchema(const std::vector<std::string>& soluzioni, const std::vector<std::string>& inserimenti = {},
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

// The lines of a state's grid as entries only ('#' black, '.' empty).
std::vector<std::string> inserimenti(const Stato& stato);

}  // namespace quadrivo::prova
