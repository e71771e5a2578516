#pragma once
// The one puzzle in memory and every program-wide value, owned by the application.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace quadrivo {

class IndiceLessico;  // solving/lessico_indice.h

inline constexpr int maxColonne = 26;
inline constexpr int maxRighe = 16;
inline constexpr int maxRigheFile = 24;  // 4 header lines + at most 20 grid lines

// Per-cell tables with 1-based bounds: [column 1..26][row 1..16] and [..][..][direction 1..2].
template <typename T>
using PerCasella = std::array<std::array<T, maxRighe + 1>, maxColonne + 1>;
template <typename T>
using PerParola = std::array<std::array<std::array<T, 3>, maxRighe + 1>, maxColonne + 1>;

enum TipoCasella : std::int16_t {
    casellaNera = 0,
    casellaBianca = 1,
    inizioOrizzontale = 2,
    inizioVerticale = 3,
    inizioEntrambe = 5,
};

inline constexpr int orizzontale = 1;
inline constexpr int verticale = 2;

inline constexpr const char* titoloApplicazione = "Quadrivo 7";
inline constexpr const char* nomeNuovoCruciverba = "NUOVOCRU.trmo";

// Face and style of the grid's letters and numbers; sizes come from the cell size.
struct StileCarattere {
    std::string nome = "Arial";
    bool corsivo = false;
    bool grassetto = false;
    friend bool operator==(const StileCarattere&, const StileCarattere&) = default;
};

struct Stato {
    // Puzzle content. Lines and clues are Windows-1252 bytes, exactly as in the file,
    // with the solution characters already decoded.
    std::array<std::string, maxRigheFile> righeFile{};
    std::int16_t nColonne = 0;
    std::int16_t nRighe = 0;
    PerParola<std::string> definizione{};

    // Derived by the layout pass.
    PerCasella<std::string> letteraSoluzione{};
    PerCasella<std::int16_t> tipoCasella{};
    PerCasella<std::int16_t> numeroCasella{};
    PerParola<std::string> parolaSoluzione{};
    PerParola<std::string> parolaInserita{};
    std::int16_t latoCasella = 0;
    std::int16_t xGriglia = 0;
    std::int16_t yGriglia = 0;

    // Run-time values. Paths are in the file system's encoding (UTF-8).
    std::string nomeFile;
    std::string fileLavoro;
    bool fileModificato = false;
    // The last write of the working copy failed: memory is ahead of it and nothing may read it
    // back until a write succeeds again.
    bool copiaLavoroSuperata = false;
    std::int16_t grigliaAttiva = 0;
    double inizioGioco = 0;
    // Counts the puzzles opened in this run: the solve being timed follows it.
    long long aperture = 0;
    std::string cartellaProgramma;  // always ends in "/"
    // The player's own settings folder (~/.config/Quadrivo/, ends in "/"), used when the
    // program folder cannot be written; "" for none.
    std::string cartellaUtente;

    // Display settings and the two menu options, persisted in tramerio.ini.
    std::int16_t PercentualeRiquadro = 0;
    std::int16_t SpessoreBordo = 0;
    std::int16_t AltezzaCaratteri = 0;
    std::int16_t AltezzaNumeri = 0;
    std::int16_t DistanzaDaSpigolo = 0;
    std::int16_t DistanzaDaCentro = 0;
    std::int16_t StampaSoluzioni = 0;
    bool rettangoloParola = true;  // check mark of Menurett
    bool tastoSinistro = false;    // check mark of menuold
    std::string nomeFont = "Arial";

    // Chosen in the font chooser for the grid on screen and on paper; not persisted.
    StileCarattere carattereSchermo;
    StileCarattere carattereStampante;

    // Dictionary selection and index.
    std::string fileLessico = "LessicoItaliano.dat";
    std::int16_t linguaLessico = 1;
    std::array<std::int32_t, 16> inizioLessico{};  // index 3..15
    std::array<std::int32_t, 16> contaLessico{};
    // Word numbers by length, position and letter, built by caricaLessico for the search.
    std::shared_ptr<const IndiceLessico> indiceParole;

    // Word open for entry.
    std::int16_t colonnaCorrente = 0;
    std::int16_t rigaCorrente = 0;
    std::int16_t direzioneCorrente = 0;

    // Entry character of cell (c, r): character 2c of its grid line; '\0' past the line's end.
    char inserimento(int c, int r) const;
    void impostaInserimento(int c, int r, char ch);
    // Grid line of row r (1-based).
    std::string& rigaGriglia(int r) { return righeFile[r + 3]; }
    const std::string& rigaGriglia(int r) const { return righeFile[r + 3]; }
};

}  // namespace quadrivo
