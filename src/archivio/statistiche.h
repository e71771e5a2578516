#pragma once
// The library as the player sees it, one row a puzzle, and the statistics and the CSV drawn from
// it. Pure functions of the store's rows and of the day: the tests give both.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "archivio/registro.h"

namespace quadrivo {

enum class StatoSchema { nuovo, inCorso, risolto, risoltoConAiuti };

struct VoceLibreria {
    std::string percorso, titolo, formato, variante;
    int colonne = 0, righe = 0;
    StatoSchema stato = StatoSchema::nuovo;
    int percentuale = 0;  // of the white cells filled
    std::int64_t millisecondi = 0;
    int controlli = 0, rivelazioni = 0;
    std::int64_t iniziata = 0, risolta = 0, ultima = 0;  // seconds since the epoch, 0 for never
    std::string miniatura;                               // as SchemaIndicizzato's, "" when unknown
    std::string errore;                                  // why the file does not open
};

// Every indexed file with its solve, then the solves of files the index does not hold.
std::vector<VoceLibreria> vociLibreria(const std::vector<SchemaIndicizzato>& schemi,
                                       const std::vector<RecordPartita>& partite);

// "Nuovo", "In corso 40%", "Risolto", "Risolto con aiuti".
std::string testoStato(const VoceLibreria& voce);
// The CSV's word: nuovo, in_corso, risolto, risolto_con_aiuti.
std::string codiceStato(StatoSchema stato);

struct GruppoTempi {
    std::string variante;
    int colonne = 0, righe = 0;
    int risolti = 0;
    std::int64_t media = 0, migliore = 0;  // milliseconds
};

// A day of the calendar: what was solved on it.
struct GiornoCalendario {
    int stessoGiorno = 0;  // solved the day they were begun, without help
    int dopo = 0;          // begun on an earlier day, solved without help
    int conAiuti = 0;
};

struct MeseTempi {
    int anno = 0, mese = 0;
    int risolti = 0;
    std::int64_t media = 0;  // milliseconds
};

struct Statistiche {
    int schemi = 0, nuovi = 0, inCorso = 0, risolti = 0, risoltiConAiuti = 0;
    int controlli = 0, rivelazioni = 0;
    int serieAttuale = 0, serieMassima = 0;  // days in a row with a puzzle solved without help
    std::vector<GruppoTempi> gruppi;         // by variant, then size
    std::map<std::int64_t, GiornoCalendario> calendario;  // Julian day -> solved, last year only
    std::vector<MeseTempi> mesi;                         // oldest first
};

// The local calendar day (a Julian day number) of a time in seconds since the epoch.
std::int64_t giornoDi(std::int64_t secondi);

// `oggi`: the Julian day the streak and the calendar end on.
Statistiche calcolaStatistiche(const std::vector<VoceLibreria>& voci, std::int64_t oggi);

inline constexpr const char* intestazioneCsv =
    "file,titolo,formato,variante,colonne,righe,stato,secondi,controlli,rivelazioni,ultima_partita";
// UTF-8, comma-separated, fields quoted as RFC 4180 asks, CR LF line ends, the header first.
std::string testoCsv(const std::vector<VoceLibreria>& voci);

}  // namespace quadrivo
