#include "model/superficie_registro.h"

#include <QString>

namespace quadrivo {

void SuperficieRegistro::pulisci() { Operazione o{};
    o.tipo = Operazione::pulisci;
    operazioni.push_back(o); }

void SuperficieRegistro::rettangolo(double x1, double y1, double x2, double y2, Colore c) {
    operazioni.push_back({Operazione::rettangolo, x1, y1, x2, y2, c, {}, carattere()});
}

void SuperficieRegistro::ellisse(double x1, double y1, double x2, double y2, Colore c) {
    operazioni.push_back({Operazione::ellisse, x1, y1, x2, y2, c, {}, carattere()});
}

void SuperficieRegistro::rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) {
    operazioni.push_back({Operazione::rettangoloPieno, x1, y1, x2, y2, c, {}, carattere()});
}

void SuperficieRegistro::disegnaTesto(double x, double y, const std::string& s) {
    operazioni.push_back({Operazione::scritta, x, y, x + larghezzaTesto(s), y + altezzaTesto(s), coloreTesto, s, carattere()});
}

double SuperficieRegistro::larghezzaTesto(const std::string& s) {
    return 0.6 * carattere().dimensione * static_cast<double>(QString::fromStdString(s).size());
}

double SuperficieRegistro::altezzaTesto(const std::string&) { return 1.5 * carattere().dimensione; }

void SuperficieRegistro::impostaScala(double larghezza, double altezza) {
    larghezza_ = larghezza;
    altezza_ = altezza;
}

std::vector<std::string> SuperficieRegistro::testi() const {
    std::vector<std::string> t;
    for (const Operazione& o : operazioni)
        if (o.tipo == Operazione::scritta) t.push_back(o.testo);
    return t;
}

std::vector<Operazione> SuperficieRegistro::di(Operazione::Tipo tipo, std::optional<Colore> colore) const {
    std::vector<Operazione> v;
    for (const Operazione& o : operazioni)
        if (o.tipo == tipo && (!colore || o.colore == *colore)) v.push_back(o);
    return v;
}

const Operazione* SuperficieRegistro::scritta(const std::string& testo) const {
    for (const Operazione& o : operazioni)
        if (o.tipo == Operazione::scritta && o.testo == testo) return &o;
    return nullptr;
}

}  // namespace quadrivo
