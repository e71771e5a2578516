#pragma once
// The `lessico` command line: build a dictionary file from word lists, search it with a mask,
// describe it.
#include <ostream>
#include <string>
#include <vector>

namespace quadrivo {

// Runs one command (the arguments after the program name); returns the exit status.
int eseguiLessico(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err);

}  // namespace quadrivo
