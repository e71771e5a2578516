#pragma once
// Small puzzles for the printing tests, read through the real reader and numbered.
#include <optional>

#include "formats/formato.h"
#include "formats/trmo.h"
#include "model/file.h"
#include "model/superficie_registro.h"
#include "supporto/schema.h"

namespace quadrivo::prova {

struct DefinizioneProva {  // a clue at column c, row r, direction d, in Windows-1252 bytes
    int c, r;
    Direzione d;
    std::string testo;
};

// A puzzle with its file's name and the proportions it is printed with.
struct SchemaStampa {
    Documento documento;
    ValoriImpostazioni valori;
};

inline SchemaStampa schemaStampa(const std::vector<std::string>& soluzioni, const std::vector<std::string>& ins = {},
                                const std::vector<DefinizioneProva>& def = {}, const std::string& autore = "Mario Rossi") {
    std::vector<std::string> righe;
    for (const DefinizioneProva& d : def) righe.push_back(rigaDefinizione(d.c, d.r, d.d, d.testo));
    SchemaStampa s{documentoDaSchema(soluzioni, ins, righe, autore), {}};
    s.valori.AltezzaCaratteri = 60, s.valori.AltezzaNumeri = 20, s.valori.PercentualeRiquadro = 90;
    s.documento.nomeFile = "/home/anna/Archivio cruciverba/prova.trmo";
    return s;
}

// A sample of the program's archive as a player's file, with the proportions it is printed with.
inline SchemaStampa campione(const std::string& nome) {
    const std::optional<std::string> dati = leggiFile(std::string(CARTELLA_ARCHIVIO) + "/" + nome);
    SchemaStampa s;
    if (dati) s.documento.cruciverba = leggiCruciverba(nome, *dati).cruciverba;
    s.documento.nomeFile = "/home/anna/Cruciverba/" + nome;
    s.valori.AltezzaCaratteri = 55, s.valori.AltezzaNumeri = 18, s.valori.PercentualeRiquadro = 90;
    return s;
}

// Every cell a letter: one across word per row and one down word per column.
inline std::vector<std::string> grigliaPiena(int colonne, int righe) {
    return std::vector<std::string>(static_cast<size_t>(righe), std::string(static_cast<size_t>(colonne), 'A'));
}

}  // namespace quadrivo::prova
