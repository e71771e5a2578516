#include "solving/inserimento.h"

#include <algorithm>
#include <vector>

#include "model/testo.h"
#include "solving/navigazione.h"

namespace quadrivo {

Via viaPerPulsante(int pulsante, bool tastoSinistro) {
    if (pulsante == pulsanteSinistro && !tastoSinistro) return Via::digitazione;
    if (pulsante == pulsanteDestro && tastoSinistro) return Via::digitazione;
    return Via::dialogo;
}

EsitoClic decidiClic(Stato& s, int pulsante, double X, double Y, Direzione hover) {
    const PuntoGriglia k = cellaSotto(s, X, Y);
    if (fuoriGriglia(s, X, Y, k)) return EsitoClic::fuori;
    if (s.grigliaAttiva != 1) return EsitoClic::inattiva;
    const int c = static_cast<int>(k.colonna), r = static_cast<int>(k.riga);
    s.colonnaCorrente = static_cast<std::int16_t>(c);
    s.rigaCorrente = static_cast<std::int16_t>(r);
    const int d = numeroDirezione(hover);
    // The pointer can show a direction left from before a redraw; a cell with no letters that
    // way has no word to open.
    if (d == 0 || !definizioneDa(s.cruciverba, {c, r}, d)) return EsitoClic::nessunaParola;
    s.direzioneCorrente = static_cast<std::int16_t>(d);
    return viaPerPulsante(pulsante, s.tastoSinistro) == Via::digitazione ? EsitoClic::digitazione
                                                                         : EsitoClic::dialogo;
}

std::string parolaDaInserimenti(const Cruciverba& x, const Definizione& w) {
    std::string parola;
    for (const Casella& k : w.caselle) {
        const std::string b = x.dentro(k) ? aWindows1252(x.cella(k).voce) : std::string{};
        parola += b.empty() ? '.' : b[0];
    }
    return parola;
}

char voceCella(char ch) { return ch == ' ' || ch == '*' || ch == '#' || ch == '\0' ? '.' : ch; }

void scriviParola(Cruciverba& x, const Definizione& w, const std::string& parola) {
    const size_t n = std::min(parola.size(), w.caselle.size());
    std::vector<Scrittura> scritture;
    for (size_t i = 0; i < n; ++i) {
        const char b = voceCella(parola[i]);
        scritture.push_back({w.caselle[i].colonna, w.caselle[i].riga, b == '.' ? "" : daWindows1252(std::string(1, b))});
    }
    applicaScritture(x, scritture);
}

}  // namespace quadrivo
