#include "solving/parola_dialogo.h"

#include <QString>
#include <algorithm>

#include "model/numeri.h"
#include "model/testo.h"
#include "solving/inserimento.h"
#include "solving/navigazione.h"
#include "solving/varianti.h"

namespace quadrivo {

namespace {

bool ammesso(char ch) { return (ch >= 'A' && ch <= 'Z') || ch == '.' || ch == ' '; }

std::string senzaBlanchiAttorno(const std::string& t) {
    const auto primo = t.find_first_not_of(" \t\r\n");
    if (primo == std::string::npos) return {};
    return t.substr(primo, t.find_last_not_of(" \t\r\n") - primo + 1);
}

// The first character of a UTF-8 text as a Windows-1252 byte, blank when the text is empty.
char primoCarattere(const std::string& testo) {
    if (testo.empty()) return ' ';
    size_t n = 1;
    const auto b = static_cast<unsigned char>(testo[0]);
    if (b >= 0xF0) n = 4;
    else if (b >= 0xE0) n = 3;
    else if (b >= 0xC0) n = 2;
    const std::string byte = aWindows1252(testo.substr(0, n));
    return byte.empty() ? ' ' : byte[0];
}

}  // namespace

VoceDialogo voceDialogo(const Cruciverba& x, const GeometriaSchema& g, const Posizione& parola) {
    VoceDialogo v;
    v.parola = parola;
    const int c = parola.colonna, r = parola.riga;
    const Direzione d = parola.direzione;
    v.xParola = g.x0 + (c - 1) * g.lato;
    v.yParola = g.y0 + (r - 1) * g.lato;
    v.larghezzaParola = v.altezzaParola = g.lato;
    const std::optional<Definizione> diGriglia = parolaDiGriglia(x, {c, r}, d);
    // A senza schema's lists hold the solution's words: never a word of the player's grid.
    const Definizione* w = diGriglia                             ? &*diGriglia
                           : x.variante == Variante::senzaSchema ? nullptr
                                                                 : definizioneDa(x, {c, r}, d);
    if (!w) return v;
    (d == Direzione::orizzontale ? v.larghezzaParola : v.altezzaParola) *= static_cast<int>(w->caselle.size());
    v.valida = true;
    v.definizioneFissa = diGriglia.has_value();
    if (x.variante == Variante::senzaSchema)
        v.titolo = (d == Direzione::orizzontale ? " Riga " : " Colonna ") + w->etichetta;
    else if (!w->etichetta.empty())
        v.titolo = " " + w->etichetta + (d == Direzione::orizzontale ? " Orizzontale" : " Verticale");
    else  // a codeword's word has no number: where it starts names it
        v.titolo = (d == Direzione::orizzontale ? " Orizzontale da riga " : " Verticale da riga ") +
                   std::to_string(w->caselle.front().riga) + " colonna " + std::to_string(w->caselle.front().colonna);
    v.definizione = w->testo;
    for (const Casella& k : w->caselle) v.celle.push_back(x.dentro(k) ? x.cella(k).voce : "");
    v.lunghezzaMaschera = static_cast<int>(w->caselle.size());
    return v;
}

void applicaScelta(Cruciverba& x, const Posizione& parola, const SceltaParola& scelta) {
    Definizione* w = definizioneDa(x, {parola.colonna, parola.riga}, parola.direzione);
    if (!w) return;
    if (w->testo != scelta.definizione) w->testo = scelta.definizione;
    applicaScritture(x, scrittureScelta(x, w->caselle, scelta));
}

std::vector<Scrittura> scrittureScelta(const Cruciverba& x, const std::vector<Casella>& caselle,
                                       const SceltaParola& scelta) {
    std::vector<Scrittura> scritture;
    for (size_t i = 0; i < caselle.size() && i < scelta.celle.size(); ++i) {
        const Casella k = caselle[i];
        // A cell the dialog did not change keeps its letters and whether they are in pencil.
        if (x.dentro(k) && x.cella(k).voce != scelta.celle[i])
            scritture.push_back({k.colonna, k.riga, scelta.celle[i]});
    }
    return scritture;
}

std::vector<std::string> caselleIniziali(const std::vector<std::string>& celle) {
    std::vector<std::string> v;
    for (const std::string& c : celle) v.push_back(c.empty() ? " " : c);
    return v;
}

std::string testoCasellaLunga(const std::vector<std::string>& celle) {
    std::string t;
    for (const std::string& c : celle) {
        if (c.empty()) t += ' ';
        else if (QString::fromStdString(c).size() == 1) t += c;
        else t += "[" + c + "]";
    }
    return t;
}

bool conCaselle(int n) { return n > 1 && n <= maxCaselleDialogo; }
bool conCasellaLunga(int n) { return n > maxCaselleDialogo; }
bool conRicerca(int n) { return n >= 3 && n <= maxCaselleDialogo; }

// A box may also ask the search for a vowel ("@") or a consonant ("#").
bool casellaAmmessa(const std::string& testo) {
    return testo.empty() || ammesso(testo[0]) || testo[0] == '@' || testo[0] == '#';
}

bool casellaLungaAmmessa(const std::string& testo) {
    const std::string t = maiuscolo(senzaBlanchiAttorno(testo));
    return std::all_of(t.begin(), t.end(), ammesso);
}

std::string casellaDopoDigitazione(const std::string& testo, int cursore) {
    const QString t = QString::fromStdString(testo);
    QString nuovo = t;
    if (t.size() > 1) nuovo = t.mid(std::clamp(cursore - 1, 0, static_cast<int>(t.size()) - 1), 1);
    return nuovo.toUpper().toStdString();
}

bool avanzaDopoDigitazione(const std::string& testo) { return testo.find_first_not_of(' ') != std::string::npos; }

int seguenteNelDialogo(int i, int n) { return i + 1 >= n ? 0 : i + 1; }
int precedenteNelDialogo(int i, int n) { return i <= 0 ? n - 1 : i - 1; }

namespace {

// What a box or a long box's character leaves in its cell: "." and blanks mean none, "*" would
// blacken a white cell and "#" only asks the search for a consonant.
std::string voceDaTesto(const QString& t) {
    const QString v = t.trimmed().toUpper();
    return v.isEmpty() || v == "." || v == "*" || v == "#" ? std::string() : v.toStdString();
}

}  // namespace

std::vector<std::string> celleDaCaselle(const std::vector<std::string>& caselle, const std::vector<std::string>& celle) {
    std::vector<std::string> out;
    for (size_t i = 0; i < caselle.size(); ++i) {
        const std::string iniziale = i < celle.size() ? celle[i] : std::string();
        if (caselle[i] == caselleIniziali({iniziale}).front()) out.push_back(iniziale);
        else out.push_back(voceDaTesto(QString::fromStdString(caselle[i])));
    }
    return out;
}

std::vector<std::string> celleDaCasellaLunga(const std::string& testo, size_t quante) {
    const QString t = QString::fromStdString(senzaBlanchiAttorno(testo));
    std::vector<std::string> out;
    for (qsizetype i = 0; i < t.size() && out.size() < quante; ++i) {
        if (t[i] == '[') {
            const qsizetype fine = t.indexOf(']', i + 1);
            if (fine > i) {
                out.push_back(voceDaTesto(t.mid(i + 1, fine - i - 1)));
                i = fine;
                continue;
            }
        }
        out.push_back(voceDaTesto(t.mid(i, 1)));
    }
    out.resize(quante);
    return out;
}

std::string mascheraDaCaselle(const std::vector<std::string>& caselle, int lunghezza) {
    std::string m;
    for (int i = 0; i < lunghezza; ++i)
        m += i < static_cast<int>(caselle.size()) ? primoCarattere(caselle[static_cast<size_t>(i)]) : ' ';
    return m;
}

std::optional<int> casellaRifiutata(const std::vector<std::string>& caselle, const std::vector<bool>& modificate) {
    for (size_t i = 0; i < caselle.size(); ++i)
        if (i < modificate.size() && modificate[i] && !casellaAmmessa(maiuscolo(caselle[i]))) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace quadrivo
