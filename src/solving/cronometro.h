#pragma once
// The solving clock: time spent on the puzzle, pauses left out, driven by readings of the
// platform's steady clock (Piattaforma::millisecondi) so that tests set the time themselves.
#include <cstdint>
#include <string>

namespace quadrivo {

// Why the clock stands still; it runs only when none of them holds.
enum class Sosta : unsigned {
    ferma = 1,        // not started, or stopped by the program
    pausa = 2,        // the player's Pausa: the grid's letters are hidden too
    ridotta = 4,      // the window is minimised
    risolto = 8,      // the grid is right
    dialogo = 16,     // a dialog holds the window: the grid cannot be played
    fuori = 32,       // another window has the keyboard (when the player wants it so)
};

class Cronometro {
public:
    // A clock that has not started and shows no time.
    Cronometro() = default;

    // Starts afresh at `adesso` with `giaTrascorsi` milliseconds already on it (a solve
    // continued from an earlier session), dropping every reason to stand still. Azzera
    // Soluzioni calls it with 0.
    void riparti(std::int64_t adesso, std::int64_t giaTrascorsi = 0);
    // The clock stands still while at least one reason holds; the same reason twice counts once.
    void sospendi(Sosta motivo, std::int64_t adesso);
    void riprendi(Sosta motivo, std::int64_t adesso);
    // Puts `millisecondi` on the clock at `adesso`; the reasons to stand still stay as they are.
    void imposta(std::int64_t adesso, std::int64_t millisecondi);

    bool inCorso() const { return soste_ == 0; }
    bool sospeso(Sosta motivo) const { return (soste_ & static_cast<unsigned>(motivo)) != 0; }
    // Milliseconds of solving up to `adesso`. A reading earlier than the last one counts as no
    // time at all.
    std::int64_t trascorsi(std::int64_t adesso) const;

private:
    std::int64_t accumulati_ = 0;  // before the current run
    std::int64_t dal_ = 0;         // start of the current run
    unsigned soste_ = static_cast<unsigned>(Sosta::ferma);
};

// "m:ss" below an hour, "h:mm:ss" from an hour on; negative times show as 0:00.
std::string testoTempo(std::int64_t millisecondi);

}  // namespace quadrivo
