#pragma once
// The trmo command: checks, normalises and shows crossword archives through the program's
// own open, read, layout and write paths.
#include <iosfwd>
#include <string>
#include <vector>

namespace quadrivo {

// Runs one command line (without the program name); returns the exit status.
int eseguiTrmo(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err);

}  // namespace quadrivo
