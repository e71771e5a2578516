#pragma once
// Which way a word runs. The value is also the number of the word's clue list in the puzzle:
// 1 across, 2 down, and from 3 the file's own lists (diagonals, ...) in the file's order.
namespace quadrivo {

enum class Direzione : int { nessuna = 0, orizzontale = 1, verticale = 2 };

// The clue list's number, from 1; 0 for none.
constexpr int numeroElenco(Direzione d) { return static_cast<int>(d); }
constexpr Direzione direzioneElenco(int numero) { return static_cast<Direzione>(numero); }

// Across and down swap; the file's own lists turn to across.
constexpr Direzione altra(Direzione d) {
    return d == Direzione::orizzontale ? Direzione::verticale : Direzione::orizzontale;
}

}  // namespace quadrivo
