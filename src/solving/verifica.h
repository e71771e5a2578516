#pragma once
// Checking and revealing letters, words or the whole grid, and noticing the solve: which cells
// are wrong, the marks that stay on them until their letter changes, what a reveal writes and
// which cells were revealed. The session writes the reveals; the window draws the marks.
#include <compare>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/cruciverba.h"
#include "solving/navigazione.h"

namespace quadrivo {

// Marked cell -> the wrong letters it held when it was marked.
using Segni = std::map<Casella, std::string>;
// What a mark holds for a black square placed where the solution has a letter (no letter is "#").
inline constexpr const char* segnoNera = "#";
// Cells whose letter came from a reveal, for the rest of the solve.
using Rivelate = std::set<Casella>;

// The cells of a word, first to last.
std::vector<Casella> caselleParola(const Parola& parola);
// Every white cell of the grid, in reading order; played without its diagram, every cell but
// the voids (a black square may be the player's and wrong).
std::vector<Casella> caselleSchema(const Cruciverba& cruciverba);

// The cells among `caselle` holding a letter other than the solution's. An empty cell is
// never wrong; a black square is only when the player placed it where the solution has a letter.
std::vector<Casella> caselleSbagliate(const Cruciverba& cruciverba, const std::vector<Casella>& caselle);

// Marks the wrong cells among `caselle` (a check of a letter, a word or the grid) and returns
// them; marks elsewhere stay.
std::vector<Casella> segnaErrori(Segni& segni, const Cruciverba& cruciverba, const std::vector<Casella>& caselle);
// After any change of the entries: a mark goes once its cell no longer holds the marked letter.
void aggiornaSegni(Segni& segni, const Cruciverba& cruciverba);

// What a reveal of `caselle` writes: the solution's letter into every cell that does not hold
// it already (cells already right are left alone and do not count as revealed).
std::vector<Scrittura> rivelazione(const Cruciverba& cruciverba, const std::vector<Casella>& caselle);
// Records the cells a reveal wrote.
void registraRivelate(Rivelate& rivelate, const std::vector<Scrittura>& scritture);

// Every letter cell holds its solution (a grid without letters is never right).
bool schemaGiusto(const Cruciverba& cruciverba);

// Noticing the solve once: the letter that makes the grid right is reported a single time.
class Completamento {
public:
    // At opening and after Azzera: a grid already right then is not reported.
    void reimposta(const Cruciverba& cruciverba) { notato_ = schemaGiusto(cruciverba); }
    // After every change: true only the first time the grid is right.
    bool controlla(const Cruciverba& cruciverba);
    bool notato() const { return notato_; }
    // Annulla and Ripeti put back whether the solve was noticed, without telling it again.
    void imposta(bool notato) { notato_ = notato; }

private:
    bool notato_ = false;
};

// The congratulation with the solving clock's time and the help used:
// "Bravo! hai risolto il cruciverba in 62 minuti e 5 secondi (2 controlli, 3 lettere rivelate)".
std::string messaggioRisolto(std::int64_t millisecondi, long long rivelate, long long controlli = 0);
// Controlla Soluzioni with the solving clock: the usual report while letters are wrong or
// missing, a plain statement when every letter was revealed, otherwise messaggioRisolto.
std::string messaggioVerifica(const Cruciverba& cruciverba, std::int64_t millisecondi, long long rivelate,
                              long long controlli = 0);

}  // namespace quadrivo
