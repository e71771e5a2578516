#include "formats/puz.h"

#include <array>
#include <cctype>
#include <map>

#include "model/testo.h"
#include "model/varianti.h"

namespace quadrivo {

namespace {

constexpr size_t lunghezzaIntestazione = 0x34;
constexpr std::string_view magia{"ACROSS&DOWN\0", 12};
constexpr std::uint16_t cifrata = 0x0004;
constexpr std::uint16_t tipoDiagramless = 0x0401;

std::uint16_t parola(std::string_view d, size_t p) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(d[p]) | static_cast<unsigned char>(d[p + 1]) << 8);
}

void scriviParola(std::string& d, size_t p, std::uint16_t v) {
    d[p] = static_cast<char>(v & 0xff);
    d[p + 1] = static_cast<char>(v >> 8);
}

std::string parolaTesto(std::uint16_t v) { return {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)}; }

struct Sezione {
    std::string nome;  // four characters
    std::string dati;
};

// What the reader keeps: every byte of the file, and what the model got from the parts the
// player can change, so only those are written anew.
struct DatiPuz : DatiFormato {
    std::string prima;         // bytes before the header
    std::string intestazione;  // 52 bytes
    std::string soluzione, griglia;
    std::vector<std::string> stringhe;  // title, author, copyright, clues..., notes: bytes without the zero
    bool conNote = true;
    std::vector<Sezione> sezioni;
    std::string coda;  // what follows and is no section
    std::vector<std::pair<Casella, Direzione>> ordine;  // each clue's word
    std::vector<std::string> testi;               // title, author, copyright, clues..., notes as the model got them
    std::vector<std::string> voci;
    bool utf8 = false;
    int versione = 13;  // 1.3 as 13
    // A diagramless (type 0x0401): the player's grid is not the solution's, so each clue is
    // found again by its list and number.
    bool diagramless = false;
    std::vector<std::string> etichette;  // each clue's number, in the order of `ordine`
};

std::string daPuz(std::string_view b, bool utf8) { return utf8 ? std::string(b) : daWindows1252(b); }
std::string inPuz(std::string_view t, bool utf8) { return utf8 ? std::string(t) : aWindows1252(t); }

// The file's text strings in their checksum's order and form.
std::uint16_t sommaTesti(const std::vector<std::string>& s, bool conNote, int versione, std::uint16_t somma) {
    const size_t definizioni = s.size() - 3 - (conNote ? 1 : 0);
    for (size_t i = 0; i < 3; ++i)
        if (!s[i].empty()) somma = sommaPuz(std::string(s[i]) + '\0', somma);
    for (size_t i = 0; i < definizioni; ++i) somma = sommaPuz(s[3 + i], somma);
    if (conNote && versione >= 13 && !s.back().empty()) somma = sommaPuz(s.back() + '\0', somma);
    return somma;
}

// The header's three checksums for these grids and strings.
void calcolaSomme(std::string& h, const std::string& soluzione, const std::string& griglia,
                  const std::vector<std::string>& stringhe, bool conNote, int versione) {
    const std::uint16_t cib = sommaPuz(std::string_view(h).substr(0x2c, 8));
    std::uint16_t tutto = sommaPuz(griglia, sommaPuz(soluzione, cib));
    tutto = sommaTesti(stringhe, conNote, versione, tutto);
    scriviParola(h, 0x00, tutto);
    scriviParola(h, 0x0e, cib);
    const std::array<std::uint16_t, 4> parti{cib, sommaPuz(soluzione), sommaPuz(griglia),
                                             sommaTesti(stringhe, conNote, versione, 0)};
    const char* chiave = "ICHEATED";
    for (size_t i = 0; i < 4; ++i) {
        h[0x10 + i] = static_cast<char>(chiave[i] ^ (parti[i] & 0xff));
        h[0x14 + i] = static_cast<char>(chiave[4 + i] ^ (parti[i] >> 8));
    }
}

// The words in the format's order: by start cell in reading order, across before down.
std::vector<std::pair<Casella, Direzione>> ordineParole(const Cruciverba& x) {
    std::vector<std::pair<Casella, Direzione>> ordine;
    const auto inizia = [&](int c, int r, int dc, int dr) {
        return x.bianca(c, r) && !x.bianca(c - dc, r - dr) && x.bianca(c + dc, r + dr);
    };
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) {
            if (inizia(c, r, 1, 0)) ordine.push_back({{c, r}, Direzione::orizzontale});
            if (inizia(c, r, 0, 1)) ordine.push_back({{c, r}, Direzione::verticale});
        }
    return ordine;
}

std::map<int, std::string> tabellaRebus(std::string_view rtbl) {
    std::map<int, std::string> t;
    size_t p = 0;
    while (p < rtbl.size()) {
        const size_t due = rtbl.find(':', p), fine = rtbl.find(';', p);
        if (due == std::string_view::npos || fine == std::string_view::npos || due > fine) break;
        int n = 0;
        bool cifre = due > p;
        for (size_t i = p; i < due; ++i) {
            if (rtbl[i] == ' ') continue;
            if (!std::isdigit(static_cast<unsigned char>(rtbl[i])) || n > 1000) cifre = false;
            else n = n * 10 + (rtbl[i] - '0');
        }
        if (cifre) t[n] = std::string(rtbl.substr(due + 1, fine - due - 1));
        p = fine + 1;
    }
    return t;
}

const Sezione* sezione(const std::vector<Sezione>& s, std::string_view nome) {
    for (const Sezione& z : s)
        if (z.nome == nome) return &z;
    return nullptr;
}

// The player's rebus entries of RUSR, cell by cell ("" for none); at most `celle`.
std::vector<std::string> vociRusr(const std::string& dati, size_t celle) {
    std::vector<std::string> voci;
    size_t q = 0;
    while (q < dati.size() && voci.size() < celle) {
        const size_t zero = std::min(dati.find('\0', q), dati.size());
        voci.push_back(dati.substr(q, zero - q));
        q = zero + 1;
    }
    return voci;
}

std::string msgRotto(const std::string& perche) { return "Il file .puz è danneggiato: " + perche + "."; }

}  // namespace

std::uint16_t sommaPuz(std::string_view dati, std::uint16_t somma) {
    for (const char b : dati) {
        somma = static_cast<std::uint16_t>((somma & 1) ? (somma >> 1) + 0x8000 : somma >> 1);
        somma = static_cast<std::uint16_t>(somma + static_cast<unsigned char>(b));
    }
    return somma;
}

bool FormatoPuz::riconosce(std::string_view dati) const {
    const size_t m = dati.substr(0, 4096).find(magia);
    return m != std::string_view::npos && m >= 2;
}

Lettura FormatoPuz::leggi(std::string_view dati) const {
    const size_t m = dati.find(magia);
    if (m == std::string_view::npos || m < 2) return rifiuto("Il file non è un cruciverba Across Lite (.puz).");
    auto memo = std::make_shared<DatiPuz>();
    const size_t inizio = m - 2;
    memo->prima = std::string(dati.substr(0, inizio));
    std::string_view d = dati.substr(inizio);
    if (d.size() < lunghezzaIntestazione) return rifiuto(msgRotto("l'intestazione è troncata"));
    memo->intestazione = std::string(d.substr(0, lunghezzaIntestazione));
    const std::string_view h = memo->intestazione;
    const int colonne = static_cast<unsigned char>(h[0x2c]), righe = static_cast<unsigned char>(h[0x2d]);
    const size_t quante = parola(h, 0x2e);
    if (colonne < 1 || righe < 1) return rifiuto(msgRotto("lo schema non ha caselle"));
    if (colonne > maxLatoFormati || righe > maxLatoFormati)
        return rifiuto("Lo schema ha dimensioni " + std::to_string(colonne) + "×" + std::to_string(righe) +
                       ": il programma apre schemi fino a " + std::to_string(maxLatoFormati) + "×" +
                       std::to_string(maxLatoFormati) + ".");
    if (h[0x18] >= '0' && h[0x18] <= '9' && h[0x19] == '.' && h[0x1a] >= '0' && h[0x1a] <= '9')
        memo->versione = (h[0x18] - '0') * 10 + (h[0x1a] - '0');
    memo->utf8 = memo->versione >= 20;
    const size_t celle = static_cast<size_t>(colonne) * static_cast<size_t>(righe);
    size_t p = lunghezzaIntestazione;
    if (d.size() < p + 2 * celle) return rifiuto(msgRotto("gli schemi sono troncati"));
    memo->soluzione = std::string(d.substr(p, celle));
    memo->griglia = std::string(d.substr(p + celle, celle));
    p += 2 * celle;
    for (size_t i = 0; i < 3 + quante + 1; ++i) {
        const size_t zero = d.find('\0', p);
        if (zero == std::string_view::npos) {
            // Old files may end after the last clue, with no notes.
            if (i == 3 + quante && p == d.size()) {
                memo->conNote = false;
                break;
            }
            return rifiuto(msgRotto("i testi finiscono prima delle " + std::to_string(quante) + " definizioni annunciate"));
        }
        memo->stringhe.emplace_back(d.substr(p, zero - p));
        p = zero + 1;
    }
    bool sezioniGiuste = true;
    while (d.size() - p >= 8) {
        const std::string_view nome = d.substr(p, 4);
        bool lettere = true;
        for (char ch : nome) lettere = lettere && std::isalnum(static_cast<unsigned char>(ch));
        const size_t lunghezza = parola(d, p + 4);
        if (!lettere || d.size() - p - 8 < lunghezza + 1) break;
        memo->sezioni.push_back({std::string(nome), std::string(d.substr(p + 8, lunghezza))});
        sezioniGiuste = sezioniGiuste && parola(d, p + 6) == sommaPuz(memo->sezioni.back().dati);
        if (d[p + 8 + lunghezza] != '\0') return rifiuto(msgRotto("la sezione " + std::string(nome) + " non è chiusa"));
        p += 8 + lunghezza + 1;
    }
    memo->coda = std::string(d.substr(p));

    Cruciverba x(colonne, righe);
    const bool criptata = parola(h, 0x32) & cifrata;
    memo->diagramless = parola(h, 0x30) == tipoDiagramless;
    const Sezione* grbs = sezione(memo->sezioni, "GRBS");
    const Sezione* rtbl = sezione(memo->sezioni, "RTBL");
    const Sezione* gext = sezione(memo->sezioni, "GEXT");
    const Sezione* rusr = sezione(memo->sezioni, "RUSR");
    const std::map<int, std::string> rebus = rtbl ? tabellaRebus(rtbl->dati) : std::map<int, std::string>{};
    const std::vector<std::string> rebusGiocatore = rusr ? vociRusr(rusr->dati, celle) : std::vector<std::string>{};
    // A diagramless's player may have typed into a cell the solution makes black: kept aside
    // until the grid is shown all white.
    std::map<Casella, std::string> lettereSuNere;
    for (size_t i = 0; i < celle; ++i) {
        Cella& k = x.cella(static_cast<int>(i) % colonne + 1, static_cast<int>(i) / colonne + 1);
        if (memo->soluzione[i] == '.' || (memo->diagramless && memo->soluzione[i] == ':')) {
            k.tipo = TipoCella::nera;
            const char v = memo->griglia[i];
            const Casella dove{static_cast<int>(i) % colonne + 1, static_cast<int>(i) / colonne + 1};
            if (!memo->diagramless) continue;
            if (i < rebusGiocatore.size() && !rebusGiocatore[i].empty()) lettereSuNere[dove] = daPuz(rebusGiocatore[i], memo->utf8);
            else if (v != '-' && v != '.' && v != ':' && v != '\0') lettereSuNere[dove] = daPuz(std::string(1, v), memo->utf8);
            continue;
        }
        if (!criptata) {
            k.soluzione = daPuz(std::string(1, memo->soluzione[i]), memo->utf8);
            if (grbs && grbs->dati.size() == celle && grbs->dati[i] != 0)
                if (auto it = rebus.find(static_cast<unsigned char>(grbs->dati[i]) - 1); it != rebus.end())
                    k.soluzione = daPuz(it->second, memo->utf8);
        }
        const char v = memo->griglia[i];
        if (i < rebusGiocatore.size() && !rebusGiocatore[i].empty()) k.voce = daPuz(rebusGiocatore[i], memo->utf8);
        else if (v != '-' && v != '.' && v != '\0') k.voce = daPuz(std::string(1, v), memo->utf8);
        if (gext && gext->dati.size() == celle) {
            const auto f = static_cast<unsigned char>(gext->dati[i]);
            k.cerchio = f & 0x80;
            k.data = (f & 0x40) && !k.voce.empty();
            const Casella dove{static_cast<int>(i) % colonne + 1, static_cast<int>(i) / colonne + 1};
            if (f & 0x20) x.segniFile.sbagliate.insert(dove);
            else if (f & 0x10) x.segniFile.corrette.insert(dove);
            if (f & 0x40) x.segniFile.rivelate.insert(dove);
        }
    }
    numeraStandard(x);
    memo->ordine = ordineParole(x);
    const size_t definizioni = memo->stringhe.size() - 3 - (memo->conNote ? 1 : 0);
    if (memo->ordine.size() != quante || definizioni != quante)
        return rifiuto(msgRotto("annuncia " + std::to_string(quante) + " definizioni ma lo schema ha " +
                                std::to_string(memo->ordine.size()) + " parole"));
    for (const std::string& t : memo->stringhe) memo->testi.push_back(daPuz(t, memo->utf8));
    for (size_t i = 0; i < quante; ++i)
        if (Definizione* w = definizioneDa(x, memo->ordine[i].first, memo->ordine[i].second)) w->testo = memo->testi[3 + i];
    if (memo->diagramless) {
        for (const auto& parola : memo->ordine) memo->etichette.push_back(x.cella(parola.first).etichetta);
        x.variante = Variante::diagramless;
        nascondiSchema(x);
        for (const auto& [k, v] : lettereSuNere) x.cella(k).voce = v;
        numeraGiocatore(x);
    }
    x.titolo = memo->testi[0];
    x.autore = memo->testi[1];
    x.copyright = memo->testi[2];
    x.note = memo->conNote ? memo->testi.back() : std::string();
    if (!memo->conNote) memo->testi.emplace_back();
    for (int r = 1; r <= righe; ++r)
        for (int c = 1; c <= colonne; ++c) memo->voci.push_back(x.cella(c, r).voce);

    Lettura l;
    std::string ricalcolata = memo->intestazione;
    calcolaSomme(ricalcolata, memo->soluzione, memo->griglia, memo->stringhe, memo->conNote, memo->versione);
    const bool somme = sezioniGiuste && ricalcolata.substr(0, 0x18) == memo->intestazione.substr(0, 0x18);
    if (criptata)
        l.spiegazione = "La soluzione di questo schema è cifrata: lo si può risolvere, e controllarlo dopo averlo "
                        "sbloccato con il suo codice di quattro cifre (Utilità → Sblocca soluzione...).";
    else if (!somme)
        l.spiegazione = "Le somme di controllo del file non tornano: il file potrebbe essere stato modificato fuori da "
                        "Across Lite.";
    x.formato = nome();
    x.datiFormato = std::move(memo);
    x.secondiFile = tempoPuz(x);
    l.esito = EsitoLettura::ok;
    l.cruciverba = std::move(x);
    return l;
}

namespace {

std::array<int, 4> cifre(int codice) {
    return {codice / 1000 % 10, codice / 100 % 10, codice / 10 % 10, codice % 10};
}

// Each letter moved on by the code's digits in turn.
void sposta(std::string& t, const std::array<int, 4>& c, int verso) {
    for (size_t i = 0; i < t.size(); ++i)
        t[i] = static_cast<char>('A' + ((t[i] - 'A' + verso * c[i % 4]) % 26 + 26) % 26);
}

// The second half dealt between the first like a deck: b0 a0 b1 a1 ... (an odd last stays last).
std::string mescola(const std::string& t) {
    const size_t meta = t.size() / 2;
    std::string m;
    for (size_t i = 0; i < meta; ++i) m += t[meta + i], m += t[i];
    if (t.size() % 2) m += t.back();
    return m;
}

std::string smescola(const std::string& t) {
    std::string dispari, pari;
    for (size_t i = 0; i < t.size(); ++i) (i % 2 ? dispari : pari) += t[i];
    return dispari + pari;
}

// The solution's cells down the columns, black squares left out: the order the lock works in.
std::vector<size_t> ordineColonne(int colonne, int righe, const std::string& soluzione) {
    std::vector<size_t> ordine;
    for (int c = 0; c < colonne; ++c)
        for (int r = 0; r < righe; ++r)
            if (const size_t i = static_cast<size_t>(r * colonne + c); i < soluzione.size() && soluzione[i] != '.')
                ordine.push_back(i);
    return ordine;
}

}  // namespace

std::string cifraLetterePuz(std::string t, int codice) {
    const std::array<int, 4> c = cifre(codice);
    for (int k : c) {
        sposta(t, c, 1);
        const size_t taglio = static_cast<size_t>(k) < t.size() ? static_cast<size_t>(k) : 0;
        t = t.substr(taglio) + t.substr(0, taglio);
        t = mescola(t);
    }
    return t;
}

std::string decifraLetterePuz(std::string t, int codice) {
    const std::array<int, 4> c = cifre(codice);
    for (auto k = c.rbegin(); k != c.rend(); ++k) {
        t = smescola(t);
        const size_t taglio = static_cast<size_t>(*k) < t.size() ? t.size() - static_cast<size_t>(*k) : 0;
        t = t.substr(taglio) + t.substr(0, taglio);
        sposta(t, c, -1);
    }
    return t;
}

bool puzBloccato(const Cruciverba& x) {
    const auto* memo = dynamic_cast<const DatiPuz*>(x.datiFormato.get());
    return memo && (parola(memo->intestazione, 0x32) & cifrata);
}

bool sbloccaPuz(Cruciverba& x, int codice) {
    if (!puzBloccato(x) || codice < 0 || codice > 9999) return false;
    auto memo = std::make_shared<DatiPuz>(dynamic_cast<const DatiPuz&>(*x.datiFormato));
    const std::vector<size_t> ordine = ordineColonne(x.colonne(), x.righe(), memo->soluzione);
    std::string lettere;
    for (size_t i : ordine) {
        if (memo->soluzione[i] < 'A' || memo->soluzione[i] > 'Z') return false;  // only letters are ever locked
        lettere += memo->soluzione[i];
    }
    const std::string chiare = decifraLetterePuz(lettere, codice);
    if (sommaPuz(chiare) != parola(memo->intestazione, 0x1e)) return false;
    for (size_t j = 0; j < ordine.size(); ++j) memo->soluzione[ordine[j]] = chiare[j];
    // Unlocked for good: the file written from now on keeps the plain solution.
    scriviParola(memo->intestazione, 0x1e, 0);
    scriviParola(memo->intestazione, 0x32, static_cast<std::uint16_t>(parola(memo->intestazione, 0x32) & ~cifrata));
    const Sezione* grbs = sezione(memo->sezioni, "GRBS");
    const Sezione* rtbl = sezione(memo->sezioni, "RTBL");
    const std::map<int, std::string> rebus = rtbl ? tabellaRebus(rtbl->dati) : std::map<int, std::string>{};
    const size_t celle = memo->soluzione.size();
    for (size_t i : ordine) {
        Cella& k = x.cella(static_cast<int>(i) % x.colonne() + 1, static_cast<int>(i) / x.colonne() + 1);
        k.soluzione = std::string(1, memo->soluzione[i]);
        if (grbs && grbs->dati.size() == celle && grbs->dati[i] != 0)
            if (auto it = rebus.find(static_cast<unsigned char>(grbs->dati[i]) - 1); it != rebus.end())
                k.soluzione = daPuz(it->second, memo->utf8);
    }
    x.datiFormato = std::move(memo);
    return true;
}

std::optional<long long> tempoPuz(const Cruciverba& x) {
    const auto* memo = dynamic_cast<const DatiPuz*>(x.datiFormato.get());
    const Sezione* ltim = memo ? sezione(memo->sezioni, "LTIM") : nullptr;
    if (!ltim) return std::nullopt;
    long long t = 0;
    for (char ch : ltim->dati) {
        if (ch == ',') return t;
        if (!std::isdigit(static_cast<unsigned char>(ch)) || t > 1'000'000'000) return std::nullopt;
        t = t * 10 + (ch - '0');
    }
    return t;
}

std::string FormatoPuz::nonContiene(const Cruciverba& x) const {
    std::vector<std::string> cosa;
    bool voidi = false, barre = false, soluzione = false, altri = false, etichette = false;
    Cruciverba standard = x;
    numeraStandard(standard);
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) {
            const Cella& k = x.cella(c, r);
            voidi = voidi || k.tipo == TipoCella::vuota;
            barre = barre || k.barre;
            soluzione = soluzione || (k.bianca() && k.soluzione.empty());
            etichette = etichette || k.etichetta != standard.cella(c, r).etichetta;
        }
    for (size_t i = 2; i < x.elenchi.size(); ++i) altri = altri || !x.elenchi[i].definizioni.empty();
    if (x.colonne() > 255 || x.righe() > 255) cosa.push_back("uno schema così grande");
    if (voidi) cosa.push_back("caselle fuori dallo schema");
    if (barre) cosa.push_back("barre");
    if (soluzione) cosa.push_back("caselle senza soluzione");
    if (altri) cosa.push_back("elenchi di definizioni oltre orizzontali e verticali");
    if (etichette) cosa.push_back("numeri fuori dall'ordine consueto");
    std::string testo;
    for (const std::string& s : cosa) testo += (testo.empty() ? "" : ", ") + s;
    return testo;
}

namespace {

// The clue of d's list numbered `etichetta`.
const Definizione* perNumero(const Cruciverba& x, Direzione d, const std::string& etichetta) {
    const int n = numeroElenco(d);
    if (n < 1 || static_cast<size_t>(n) > x.elenchi.size()) return nullptr;
    for (const Definizione& w : x.elenchi[static_cast<size_t>(n - 1)].definizioni)
        if (w.etichetta == etichetta) return &w;
    return nullptr;
}

}  // namespace

std::string FormatoPuz::scrivi(const Cruciverba& x) const {
    const auto* letto = dynamic_cast<const DatiPuz*>(x.datiFormato.get());
    DatiPuz nuovo;
    const size_t celle = static_cast<size_t>(x.colonne()) * static_cast<size_t>(x.righe());
    if (!letto) {
        // A puzzle from another format: the header Across Lite 1.3 writes, a rebus table for
        // cells of several letters and circles in GEXT.
        nuovo.intestazione.assign(lunghezzaIntestazione, '\0');
        nuovo.intestazione.replace(2, magia.size(), magia);
        nuovo.intestazione.replace(0x18, 4, std::string("1.3\0", 4));
        nuovo.intestazione[0x2c] = static_cast<char>(x.colonne());
        nuovo.intestazione[0x2d] = static_cast<char>(x.righe());
        scriviParola(nuovo.intestazione, 0x30, 1);
        nuovo.ordine = ordineParole(x);
        scriviParola(nuovo.intestazione, 0x2e, static_cast<std::uint16_t>(nuovo.ordine.size()));
        std::string grbs(celle, '\0'), gext(celle, '\0'), rtbl;
        std::map<std::string, int> chiavi;
        bool rebus = false, flag = false;
        for (size_t i = 0; i < celle; ++i) {
            const Cella& k = x.cella(static_cast<int>(i) % x.colonne() + 1, static_cast<int>(i) / x.colonne() + 1);
            const std::string s = k.bianca() ? aWindows1252(k.soluzione) : ".";
            nuovo.soluzione += s.empty() ? 'X' : s[0];
            nuovo.griglia += k.bianca() ? '-' : '.';
            nuovo.voci.emplace_back();
            if (s.size() > 1) {
                auto [it, aggiunta] = chiavi.try_emplace(s, static_cast<int>(chiavi.size()));
                if (aggiunta) rtbl += (it->second < 10 ? " " : "") + std::to_string(it->second) + ":" + s + ";";
                grbs[i] = static_cast<char>(it->second + 1);
                rebus = true;
            }
            if (k.cerchio || (k.data && k.bianca())) {
                gext[i] = static_cast<char>((k.cerchio ? 0x80 : 0) | (k.data ? 0x40 : 0));
                flag = true;
            }
        }
        // Title, author, copyright, the clues and the notes, all written from the puzzle.
        nuovo.stringhe.assign(4 + nuovo.ordine.size(), std::string());
        nuovo.testi.assign(nuovo.stringhe.size(), std::string("\x01"));
        if (rebus) {
            nuovo.sezioni.push_back({"GRBS", grbs});
            nuovo.sezioni.push_back({"RTBL", rtbl});
        }
        if (flag) nuovo.sezioni.push_back({"GEXT", gext});
        letto = &nuovo;
    }
    const DatiPuz& m = *letto;
    std::string griglia = m.griglia;
    std::string rusr;
    const Sezione* rusrLetta = sezione(m.sezioni, "RUSR");
    const std::vector<std::string> lette = rusrLetta ? vociRusr(rusrLetta->dati, celle) : std::vector<std::string>{};
    bool rebusGiocatore = rusrLetta != nullptr;
    for (size_t i = 0; i < celle && i < m.voci.size(); ++i) {
        const Cella& k = x.cella(static_cast<int>(i) % x.colonne() + 1, static_cast<int>(i) / x.colonne() + 1);
        const std::string v = inPuz(voceDaScrivere(k), m.utf8);
        // A diagramless's cell the player made black loses the letter it had.
        const bool cambiata = voceDaScrivere(k) != m.voci[i] && (k.bianca() || m.diagramless);
        if (cambiata) griglia[i] = v.empty() ? '-' : v[0];
        rebusGiocatore = rebusGiocatore || v.size() > 1;
        // An untouched cell keeps its entry as read, whatever it holds.
        rusr += (!cambiata && i < lette.size() ? lette[i] : v.size() > 1 ? v : std::string()) + '\0';
    }
    std::vector<std::string> stringhe = m.stringhe;
    const auto testo = [&](size_t i, const std::string& valore) {
        if (valore != m.testi[i]) stringhe[i] = inPuz(valore, m.utf8);
    };
    testo(0, x.titolo);
    testo(1, x.autore);
    testo(2, x.copyright);
    for (size_t i = 0; i < m.ordine.size(); ++i) {
        const Definizione* w = m.diagramless ? perNumero(x, m.ordine[i].second, m.etichette[i])
                                             : definizioneDa(x, m.ordine[i].first, m.ordine[i].second);
        testo(3 + i, w ? w->testo : std::string());
    }
    if (m.conNote) testo(stringhe.size() - 1, x.note);
    std::vector<Sezione> sezioni = m.sezioni;
    // The marks in GEXT, where other programs look for them: 0x20 wrong now, 0x10 wrong once,
    // 0x40 revealed (a given letter too), 0x80 circled. A file whose marks did not change keeps
    // its section as read.
    {
        const Sezione* letta = sezione(m.sezioni, "GEXT");
        std::string gext = letta && letta->dati.size() == celle ? letta->dati : std::string(celle, '\0');
        bool segni = false;
        for (size_t i = 0; i < celle; ++i) {
            const Casella k{static_cast<int>(i) % x.colonne() + 1, static_cast<int>(i) / x.colonne() + 1};
            const Cella& z = x.cella(k);
            if (!z.bianca()) continue;
            auto f = static_cast<unsigned char>(static_cast<unsigned char>(gext[i]) & ~0x70);
            if (x.segniFile.sbagliate.contains(k)) f |= 0x20;
            else if (x.segniFile.corrette.contains(k)) f |= 0x10;
            if (x.segniFile.rivelate.contains(k) || z.data) f |= 0x40;
            if (z.cerchio) f |= 0x80;
            segni = segni || f != 0;
            gext[i] = static_cast<char>(f);
        }
        if (letta && letta->dati.size() == celle) {
            for (Sezione& z : sezioni)
                if (z.nome == "GEXT") z.dati = gext;
        } else if (segni) {
            sezioni.push_back({"GEXT", gext});
        }
    }
    // The solving time: the section as read while it says the same, else written anew (after
    // the comma, the file's own "stopped" flag).
    if (x.secondiFile && *x.secondiFile >= 0 && tempoPuz(x) != x.secondiFile) {
        const Sezione* ltim = sezione(m.sezioni, "LTIM");
        const size_t virgola = ltim ? ltim->dati.find(',') : std::string::npos;
        const std::string dati = std::to_string(*x.secondiFile) + (virgola == std::string::npos ? ",0" : ltim->dati.substr(virgola));
        if (!ltim) sezioni.push_back({"LTIM", dati});
        for (Sezione& z : sezioni)
            if (z.nome == "LTIM") z.dati = dati;
    }
    if (rebusGiocatore) {
        const Sezione* vecchia = sezione(m.sezioni, "RUSR");
        bool cambiata = !vecchia;
        for (size_t i = 0; i < celle && i < m.voci.size(); ++i)
            cambiata = cambiata || voceDaScrivere(x.cella(static_cast<int>(i) % x.colonne() + 1, static_cast<int>(i) / x.colonne() + 1)) != m.voci[i];
        if (!vecchia) sezioni.push_back({"RUSR", rusr});
        else if (cambiata)
            for (Sezione& z : sezioni)
                if (z.nome == "RUSR") z.dati = rusr;
    }
    // A file that ended after its last clue gets its (empty) notes once a section follows them.
    const bool conNote = m.conNote || !sezioni.empty();
    if (!m.conNote && conNote) stringhe.emplace_back();
    std::string h = m.intestazione;
    calcolaSomme(h, m.soluzione, griglia, stringhe, conNote, m.versione);
    // The bytes kept before the header go back only while the header stays the first one a reader
    // finds: a new checksum could complete an "ACROSS&DOWN" those bytes end with.
    const bool primaSicura = (m.prima + h).find(magia) == m.prima.size() + 2;
    std::string out = (primaSicura ? m.prima : std::string()) + h + m.soluzione + griglia;
    for (const std::string& t : stringhe) out += t + '\0';
    for (const Sezione& z : sezioni) {
        out += z.nome + parolaTesto(static_cast<std::uint16_t>(z.dati.size())) + parolaTesto(sommaPuz(z.dati)) + z.dati;
        out += '\0';
    }
    return out + m.coda;
}

}  // namespace quadrivo
