#pragma once
// The word search of a codeword: equal codes are equal letters, different codes different
// letters. Plain C++ over a length block, shared by the program and the `lessico` tool.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "solving/lessico_parole.h"

namespace quadrivo {

// The codes of a word as the command line writes them, "3-7-3-12": positive numbers joined by
// "-"; nothing when the text is anything else.
std::optional<std::vector<int>> leggiCodici(std::string_view testo);

// The words (0-based numbers, ascending) of `blocco` (words of codici.size() bytes back to
// back) that fit `maschera` letter by letter and whose letters follow the codes: the same at
// equal codes, different at different ones. An empty mask accepts any letter.
std::vector<std::uint32_t> paroleCodiciBlocco(std::string_view blocco, const std::vector<int>& codici,
                                              const Maschera& maschera = {});

}  // namespace quadrivo
