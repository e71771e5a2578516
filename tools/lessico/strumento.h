#pragma once
// The `lessico` command line: build a dictionary file from word lists, search it with a mask,
// describe it.
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quadrivo {

// A file mapped for reading, unmapped at the end of its scope: a query touches only the
// header and the blocks it needs.
class Mappa {
public:
    explicit Mappa(const std::string& percorso);
    ~Mappa();
    Mappa(const Mappa&) = delete;
    Mappa& operator=(const Mappa&) = delete;
    bool aperta() const { return aperta_; }
    std::string_view dati() const { return dati_; }

private:
    bool aperta_ = false;
    std::string_view dati_;
};

// Whether the file whose first bytes are `testa` can be searched: false, after saying so on
// `err`, when it is no dictionary at all; a damaged one is said once and can.
bool controllaDizionario(const std::string& percorso, std::string_view testa, std::int64_t dimensione, std::ostream& err);

// The dictionary at `percorso` mapped. Nothing, after saying why on `err`, when it cannot be
// opened or is no dictionary at all; a damaged one is said once and served.
std::unique_ptr<Mappa> apriDizionario(const std::string& percorso, std::ostream& err);

// `lessico incroci`, which reads puzzles with the program's readers (and so needs Qt): set by
// the `lessico-incroci` program, which the static `lessico` starts for it.
extern int (*eseguiIncroci)(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err);

// Sets eseguiIncroci (in the lessico_incroci library).
void abilitaIncroci();

// Runs one command (the arguments after the program name); returns the exit status.
int eseguiLessico(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err);

}  // namespace quadrivo
