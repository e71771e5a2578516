#pragma once
// A small Italian puzzle, partly solved, for the print and preview tests.
#include <string>
#include <utility>
#include <vector>

#include "puzzle.h"

namespace quadrivo::prova {

// Clues as (column, row, direction, text in Windows-1252).
inline const std::vector<Definizione>& definizioniCampione() {
    static const std::vector<Definizione> d{
        {1, 1, 1, "Abitazione di famiglia"},      {6, 1, 1, "Plantigrado dei boschi"},
        {1, 2, 1, "Pittura, scultura e musica"},  {6, 2, 1, "Solca i mari"},
        {1, 3, 1, "Il contrario di s\xec"},       {4, 3, 1, "Il satellite della Terra"},
        {1, 4, 1, "Cresce nei prati"},            {6, 4, 1, "Vulcano siciliano"},
        {2, 5, 1, "Condimento d'oliva"},          {7, 5, 1, "Collera"},
        {5, 6, 1, "Serve per volare"},            {1, 1, 2, "Il migliore amico dell'uomo"},
        {2, 1, 2, "Sigla di prova"},              {3, 1, 2, "Iniziali di Stefano"},
        {4, 1, 2, "Parola di comodo"},            {6, 1, 2, "Antica forma di ogni"},
        {7, 1, 2, "Frase senza senso"},           {8, 1, 2, "Sud-Vest in breve"},
        {9, 1, 2, "Parola inventata a propos\xect"}, {3, 4, 2, "Verso del bla bla"},
        {8, 4, 2, "Due consonanti"},              {5, 5, 2, "Due vocali"},
    };
    return d;
}

inline Stato statoCampione() {
    Stato s = statoStampa({"CASA#ORSO", "ARTE#NAVE", "NO#LUNA#T", "ERBA#ETNA", "#OLIO#IRA", "SMA#ALA#O"},
                          {"CASA#ORSO", "AR..#NAVE", "NO#....#.", ".........", "#........", "...#...#."},
                          definizioniCampione());
    s.righeFile[0] = "Autore:      Niccol\xf2 Bianchi";
    return s;
}

}  // namespace quadrivo::prova
