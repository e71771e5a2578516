#include "solving/inserimento.h"

#include <QChar>
#include <QString>
#include <algorithm>
#include <limits>

#include "mainwindow/lavoro.h"
#include "model/cruciverba.h"

namespace quadrivo {

Via viaPerPulsante(int pulsante, bool tastoSinistro) {
    if (pulsante == pulsanteSinistro && !tastoSinistro) return Via::digitazione;
    if (pulsante == pulsanteDestro && tastoSinistro) return Via::digitazione;
    return Via::dialogo;
}

namespace {

std::int16_t saturo16(long long v) {
    return static_cast<std::int16_t>(std::clamp<long long>(v, std::numeric_limits<std::int16_t>::min(),
                                                           std::numeric_limits<std::int16_t>::max()));
}

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
    s.colonnaClic = saturo16(k.colonna);
    s.rigaClic = saturo16(k.riga);
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
    for (size_t i = 1; i <= n; ++i) {
        const auto [cc, rr] = cellaDellaParola(c, r, d, static_cast<int>(i));
        s.impostaInserimento(cc, rr, voceCella(parola[i - 1]));
    }
}

bool cicloAggiornamento(Stato& s, Piattaforma& piattaforma, const std::function<void()>& disegnaGriglia) {
    const bool scritto = scriviCopiaLavoro(s, piattaforma);
    // Reading back an old copy would throw away the answers just given.
    rileggiCopiaLavoro(s, piattaforma);
    if (disegnaGriglia) disegnaGriglia();
    return scritto;
}

GeometriaCasella geometriaCasella(const Stato& s, int c, int r, int d, int i) {
    const double lato = s.latoCasella;
    GeometriaCasella g;
    g.sinistra = s.xGriglia + (c - 1) * lato;
    g.alto = s.yGriglia + (r - 1) * lato;
    if (d == orizzontale)
        g.sinistra += (i - 1) * lato;
    else
        g.alto += (i - 1) * lato;
    g.lato = lato;
    g.dimensioneFont = lato / 2;
    return g;
}

bool tastoAccettato(char32_t carattere) {
    const char32_t u = QChar::toUpper(carattere);
    return u >= 64 && u <= 90;
}

int casellaSuccessiva(int i, int n) { return i >= n ? 1 : i + 1; }
int casellaPrecedente(int i, int n) { return i <= 1 ? n : i - 1; }

std::string normalizzaCasella(const std::string& testo, int cursore) {
    const QString t = QString::fromUtf8(testo.data(), static_cast<qsizetype>(testo.size()));
    auto lettera = [&](qsizetype k) -> char {
        if (k < 0 || k >= t.size()) return 0;
        const char32_t u = t[k].unicode();
        return tastoAccettato(u) ? static_cast<char>(QChar::toUpper(u)) : 0;
    };
    char scelta = lettera(cursore - 1);
    for (qsizetype k = t.size() - 1; k >= 0 && !scelta; --k) scelta = lettera(k);
    return scelta ? std::string(1, scelta) : std::string();
}

}  // namespace quadrivo
