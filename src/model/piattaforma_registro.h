#pragma once
// A platform without a desktop: it records the messages, answers questions from a script,
// keeps a settable clock, and turns "end the program" into an exception that the caller
// catches. Used by the command-line tools and the tests.
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/piattaforma.h"

namespace quadrivo {

class ProgrammaTerminato : public std::runtime_error {
public:
    ProgrammaTerminato() : std::runtime_error("programma terminato") {}
};

struct MessaggioMostrato {
    std::string testo;
    std::string titolo;
    Icona icona;
    Pulsanti pulsanti;
};

class PiattaformaRegistro : public Piattaforma {
public:
    Risposta messaggio(const std::string& testo, const std::string& titolo, Icona icona, Pulsanti pulsanti) override {
        messaggi.push_back({testo, titolo, icona, pulsanti});
        if (risposte.empty()) return Risposta::ok;
        Risposta r = risposte.front();
        risposte.pop_front();
        return r;
    }
    [[noreturn]] void termina() override {
        terminato = true;
        throw ProgrammaTerminato();
    }
    double orologio() override { return ora; }
    std::int64_t millisecondi() override { return ms; }
    void impostaPuntatore(Puntatore p) override { forma = p; }
    Puntatore puntatore() const override { return forma; }

    std::vector<MessaggioMostrato> messaggi;
    std::deque<Risposta> risposte;  // answers to the next questions; OK when empty
    bool terminato = false;
    double ora = 0;
    std::int64_t ms = 0;  // the steady clock, set by the test
    Puntatore forma = Puntatore::predefinito;
};

}  // namespace quadrivo
