#pragma once
// Writes that fail at a chosen step, through the writer's seam, for as long as the object lives.
#include <memory>
#include <string>

#include "model/file.h"

namespace quadrivo::prova {

// `nessuno`: every write goes through, only counted.
enum class Passo { nessuno, apertura, scrittura, svuotamento, conferma };

class DiscoGuasto {
public:
    explicit DiscoGuasto(Passo passo);
    ~DiscoGuasto();
    DiscoGuasto(const DiscoGuasto&) = delete;
    DiscoGuasto& operator=(const DiscoGuasto&) = delete;
    int tentativi = 0;  // writes started while this was in place

private:
    FabbricaScrittura precedente_;
};

// The id of a process that is gone: started, killed with SIGKILL, reaped.
long long pidMorto();

}  // namespace quadrivo::prova
