#include "solving/inserimento.h"

#include <algorithm>
#include <vector>

#include "mainwindow/lavoro.h"
#include "model/cruciverba.h"
#include "solving/navigazione.h"

namespace quadrivo {

Via viaPerPulsante(int pulsante, bool tastoSinistro) {
    if (pulsante == pulsanteSinistro && !tastoSinistro) return Via::digitazione;
    if (pulsante == pulsanteDestro && tastoSinistro) return Via::digitazione;
    return Via::dialogo;
}

namespace {

// The i-th cell (1-based) of the word starting at (c, r) in direction d.
std::pair<int, int> cellaDellaParola(int c, int r, int d, int i) {
    return d == orizzontale ? std::pair{c + i - 1, r} : std::pair{c, r + i - 1};
}

bool parolaValida(int c, int r, int d) {
    return c >= 1 && c <= maxColonne && r >= 1 && r <= maxRighe && (d == orizzontale || d == verticale);
}

}  // namespace

EsitoClic decidiClic(Stato& s, int pulsante, double X, double Y, Direzione hover) {
    const Cella k = cellaSotto(s, X, Y);
    if (fuoriGriglia(s, X, Y, k)) return EsitoClic::fuori;
    if (s.grigliaAttiva != 1) return EsitoClic::inattiva;
    const int c = static_cast<int>(k.colonna), r = static_cast<int>(k.riga);
    s.colonnaCorrente = static_cast<std::int16_t>(c);
    s.rigaCorrente = static_cast<std::int16_t>(r);
    const int d = numeroDirezione(hover);
    // The pointer can show a direction left from before a redraw; a cell with no letters that
    // way has no word to open.
    if (d == 0 || s.parolaSoluzione[c][r][d].empty()) return EsitoClic::nessunaParola;
    s.direzioneCorrente = static_cast<std::int16_t>(d);
    return viaPerPulsante(pulsante, s.tastoSinistro) == Via::digitazione ? EsitoClic::digitazione
                                                                         : EsitoClic::dialogo;
}

std::string parolaDaInserimenti(const Stato& s, int c, int r, int d) {
    if (!parolaValida(c, r, d)) return {};
    const size_t n = s.parolaSoluzione[c][r][d].size();
    std::string parola;
    for (size_t i = 1; i <= n; ++i) {
        const auto [cc, rr] = cellaDellaParola(c, r, d, static_cast<int>(i));
        const char e = s.inserimento(cc, rr);
        parola += e == '\0' ? '.' : e;
    }
    return parola;
}

char voceCella(char ch) { return ch == ' ' || ch == '*' || ch == '\0' ? '.' : ch; }

void scriviParola(Stato& s, int c, int r, int d, const std::string& parola) {
    if (!parolaValida(c, r, d)) return;
    const size_t n = std::min(parola.size(), s.parolaSoluzione[c][r][d].size());
    std::vector<Scrittura> scritture;
    for (size_t i = 1; i <= n; ++i) {
        const auto [cc, rr] = cellaDellaParola(c, r, d, static_cast<int>(i));
        scritture.push_back({cc, rr, voceCella(parola[i - 1])});
    }
    applicaScritture(s, scritture);
}

bool cicloAggiornamento(Stato& s, Piattaforma& piattaforma, const std::function<void()>& disegnaGriglia) {
    const bool scritto = scriviCopiaLavoro(s, piattaforma);
    // Reading back an old copy would throw away the answers just given.
    rileggiCopiaLavoro(s, piattaforma);
    if (disegnaGriglia) disegnaGriglia();
    return scritto;
}

}  // namespace quadrivo
