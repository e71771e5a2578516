#pragma once
// A surface that records what is drawn, with simple fixed text metrics: each character is
// 0.6 of the font size wide and a line is 1.5 of it high. Tests read the record; the tools
// use it where a drawing pass must run without a display.
#include <optional>
#include <string>
#include <vector>

#include "model/superficie.h"

namespace quadrivo {

struct Operazione {
    enum Tipo { pulisci, rettangolo, rettangoloPieno, scritta, ellisse } tipo;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Colore colore{};
    std::string testo;
    Carattere carattere;
};

class SuperficieRegistro : public Superficie {
public:
    SuperficieRegistro(double larghezza = 1024, double altezza = 768) : larghezza_(larghezza), altezza_(altezza) {}

    void pulisci() override;
    void rettangolo(double x1, double y1, double x2, double y2, Colore c) override;
    void rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) override;
    void ellisse(double x1, double y1, double x2, double y2, Colore c) override;
    void disegnaTesto(double x, double y, const std::string& s) override;
    double larghezzaTesto(const std::string& s) override;
    double altezzaTesto(const std::string& s) override;
    double larghezzaScala() const override { return larghezza_; }
    double altezzaScala() const override { return altezza_; }
    void impostaScala(double larghezza, double altezza) override;

    std::vector<Operazione> operazioni;
    // The texts drawn, in order.
    std::vector<std::string> testi() const;
    // The operations of one kind (and colour, when given), in order.
    std::vector<Operazione> di(Operazione::Tipo tipo, std::optional<Colore> colore = {}) const;
    // The first text drawn that reads exactly `testo`; nullptr when there is none.
    const Operazione* scritta(const std::string& testo) const;

private:
    double larghezza_, altezza_;
};

}  // namespace quadrivo
