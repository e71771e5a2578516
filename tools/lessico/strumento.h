#pragma once
// The `lessico` command line: build a dictionary file from word lists, search it with a mask,
// describe it.
#include <ostream>
#include <string>
#include <vector>

namespace quadrivo {

// `lessico incroci`, which reads puzzles with the program's readers (and so needs Qt): set by
// the `lessico-incroci` program, which the static `lessico` starts for it.
extern int (*eseguiIncroci)(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err);

// Sets eseguiIncroci (in the lessico_incroci library).
void abilitaIncroci();

// Runs one command (the arguments after the program name); returns the exit status.
int eseguiLessico(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err);

}  // namespace quadrivo
