#include "solving/cronometro.h"


namespace quadrivo {

void Cronometro::riparti(std::int64_t adesso, std::int64_t giaTrascorsi) {
    accumulati_ = giaTrascorsi > 0 ? giaTrascorsi : 0;
    dal_ = adesso;
    soste_ = 0;
}

void Cronometro::sospendi(Sosta motivo, std::int64_t adesso) {
    if (inCorso()) {
        accumulati_ = trascorsi(adesso);
        dal_ = adesso;
    }
    soste_ |= static_cast<unsigned>(motivo);
}

void Cronometro::riprendi(Sosta motivo, std::int64_t adesso) {
    if (!sospeso(motivo)) return;
    soste_ &= ~static_cast<unsigned>(motivo);
    if (inCorso()) dal_ = adesso;
}

void Cronometro::imposta(std::int64_t adesso, std::int64_t millisecondi) {
    accumulati_ = millisecondi > 0 ? millisecondi : 0;
    dal_ = adesso;
}

std::int64_t Cronometro::trascorsi(std::int64_t adesso) const {
    if (!inCorso() || adesso <= dal_) return accumulati_;
    return accumulati_ + (adesso - dal_);
}

std::string testoTempo(std::int64_t millisecondi) {
    const long long s = millisecondi > 0 ? millisecondi / 1000 : 0;
    auto due = [](long long n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    if (s < 3600) return std::to_string(s / 60) + ":" + due(s % 60);
    return std::to_string(s / 3600) + ":" + due(s / 60 % 60) + ":" + due(s % 60);
}

}  // namespace quadrivo
