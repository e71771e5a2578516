#include "solving/varianti.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

#include "model/testo.h"
#include "solving/lessico_codici.h"

namespace quadrivo {

Conteggio contaDifferenzeSenzaSchema(const Cruciverba& x) {
    Conteggio k;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) {
            const Cella& z = x.cella(c, r);
            if (z.tipo == TipoCella::vuota || !controllabile(z)) continue;
            ++k.lettere;
            const bool nera = z.tipo == TipoCella::nera;
            if (nera != z.neraSoluzione || (!nera && z.voce != z.soluzione)) ++k.differenze;
        }
    return k;
}

bool risoltoSenzaSchema(const Cruciverba& x) { return contaDifferenzeSenzaSchema(x).differenze == 0; }

bool senzaDefinizioni(const Cruciverba& x) {
    return x.variante == Variante::crittografato || x.variante == Variante::daRiempire;
}

int rigaDellaParola(const Parola& w) {
    if (w.caselle.empty()) return 0;
    return w.direzione == Direzione::orizzontale ? w.caselle.front().riga : w.caselle.front().colonna;
}

int parolaDellaRiga(const Navigazione& nav, Direzione direzione, int numero) {
    const std::vector<Parola>& parole = nav.parole();
    for (size_t i = 0; i < parole.size(); ++i)
        if (parole[i].direzione == direzione && rigaDellaParola(parole[i]) == numero) return static_cast<int>(i);
    // A row cut into single cells has no word along it: a word across it still takes the cursor there.
    for (size_t i = 0; i < parole.size(); ++i)
        for (const Casella& k : parole[i].caselle)
            if ((direzione == Direzione::orizzontale ? k.riga : k.colonna) == numero) return static_cast<int>(i);
    return -1;
}

void accordaCodici(Cruciverba& x) {
    struct Lettere {
        std::set<std::string> voci;
        bool matita = true;  // every one of them in pencil
    };
    std::map<int, Lettere> perCodice;
    for (const Casella& k : caselleBianche(x)) {
        const Cella& c = x.cella(k);
        if (c.codice == 0 || c.voce.empty()) continue;
        Lettere& l = perCodice[c.codice];
        l.voci.insert(c.voce);
        l.matita = l.matita && c.matita && !c.data;
    }
    for (const Casella& k : caselleBianche(x)) {
        Cella& c = x.cella(k);
        const auto l = perCodice.find(c.codice);
        if (c.codice == 0 || c.data || l == perCodice.end()) continue;
        const bool una = l->second.voci.size() == 1;
        c.voce = una ? *l->second.voci.begin() : std::string();
        c.matita = una && l->second.matita;
    }
}

std::vector<Scrittura> espandiCodici(const Cruciverba& x, const std::vector<Scrittura>& scritture) {
    std::vector<Scrittura> tutte;
    // Cells already written, by their place in the grid: a key runs this on every cell.
    const int colonne = x.colonne();
    std::vector<char> scritte(static_cast<size_t>(colonne * x.righe()), 0);
    const auto indice = [&](int c, int r) { return static_cast<size_t>((r - 1) * colonne + (c - 1)); };
    for (const Scrittura& s : scritture)
        if (x.dentro(s.colonna, s.riga)) scritte[indice(s.colonna, s.riga)] = 1;
    for (const Scrittura& s : scritture) {
        tutte.push_back(s);
        if (!x.bianca(s.colonna, s.riga) || x.cella(s.colonna, s.riga).codice == 0) continue;
        const int codice = x.cella(s.colonna, s.riga).codice;
        for (int r = 1; r <= x.righe(); ++r)
            for (int c = 1; c <= colonne; ++c) {
                const Cella& z = x.cella(c, r);
                if (z.codice != codice || !z.bianca() || z.data || scritte[indice(c, r)] ||
                    (z.voce == s.voce && z.matita == s.matita))
                    continue;
                tutte.push_back({c, r, s.voce, s.matita});
                scritte[indice(c, r)] = 1;
            }
    }
    return tutte;
}

std::vector<std::string> paroleCodice(const Cruciverba& x, const std::vector<Casella>& caselle,
                                      std::string_view blocco) {
    std::vector<std::string> parole;
    if (caselle.empty()) return parole;
    const TabellaChiave chiave = tabellaChiave(x);
    std::vector<int> codici;
    Maschera maschera;
    // A letter chosen for a code stands there; a code still open takes none of the chosen ones.
    ClasseLettera scelte = ClasseLettera::nessuna();
    for (const VoceChiave& v : chiave.codici)
        if (const std::string b = aWindows1252(v.lettera); b.size() == 1)
            scelte.aggiungi(static_cast<unsigned char>(b[0]));
    const ClasseLettera libere = scelte.complemento();
    for (const Casella& z : caselle) {
        const Cella& c = x.cella(z);
        if (!x.bianca(z.colonna, z.riga) || c.codice < 1 || static_cast<size_t>(c.codice) > chiave.codici.size())
            return parole;
        codici.push_back(c.codice);
        const std::string b = aWindows1252(chiave.codici[static_cast<size_t>(c.codice - 1)].lettera);
        if (b.size() > 1) return parole;
        maschera.push_back(b.empty() ? libere : ClasseLettera::lettera(static_cast<unsigned char>(b[0])));
    }
    const size_t n = caselle.size();
    for (const std::uint32_t w : paroleCodiciBlocco(blocco, codici, maschera))
        parole.push_back(daWindows1252(blocco.substr(size_t(w) * n, n)));
    return parole;
}

namespace {

std::vector<std::vector<Casella>> paroleGriglia(const Cruciverba& x) {
    std::vector<std::vector<Casella>> p;
    for (const auto& lista : {paroleOrizzontali(x), paroleVerticali(x)})
        for (const Definizione& d : lista) p.push_back(d.caselle);
    return p;
}

// The grid's word in these cells when all of them hold a letter; "" otherwise.
std::string scritta(const Cruciverba& x, const std::vector<Casella>& caselle) {
    std::string s;
    for (const Casella& k : caselle) {
        if (x.cella(k).voce.empty()) return {};
        s += x.cella(k).voce;
    }
    return s;
}

// How many times each word stands in the grid, the cells `salvo` left out.
std::map<std::string, int> inGriglia(const Cruciverba& x, const std::vector<Casella>* salvo = nullptr) {
    std::map<std::string, int> m;
    for (const auto& p : paroleGriglia(x))
        if (!salvo || p != *salvo)
            if (const std::string s = scritta(x, p); !s.empty()) ++m[s];
    return m;
}

}  // namespace

std::optional<Definizione> parolaDiGriglia(const Cruciverba& x, Casella inizio, Direzione d) {
    const bool senzaSchema = x.variante == Variante::senzaSchema;
    if (!senzaSchema && x.variante != Variante::crittografato && x.variante != Variante::daRiempire) return {};
    if (!x.dentro(inizio) || (d != Direzione::orizzontale && d != Direzione::verticale)) return {};
    for (Definizione& w : d == Direzione::orizzontale ? paroleOrizzontali(x) : paroleVerticali(x)) {
        if (w.caselle.front() != inizio) continue;
        if (!senzaSchema) {
            w.etichetta = x.cella(inizio).etichetta;
            return w;
        }
        const int numero = d == Direzione::orizzontale ? inizio.riga : inizio.colonna;
        w.etichetta = std::to_string(numero);
        for (const std::string& riga : righeDefinizioni(x, d == Direzione::orizzontale ? nomeRighe : nomeColonne))
            if (const size_t punto = riga.find(". "); punto != std::string::npos && std::atoi(riga.c_str()) == numero)
                w.testo = riga.substr(punto + 2);
        return w;
    }
    return {};
}

std::optional<Definizione> parolaDa(const Cruciverba& x, Casella inizio, Direzione d) {
    // A game without clues of its own has only the grid's words to show.
    if (std::optional<Definizione> w = parolaDiGriglia(x, inizio, d); w || x.variante == Variante::senzaSchema) return w;
    if (const Definizione* w = definizioneDa(x, inizio, d)) return *w;
    return {};
}

std::map<int, std::vector<VoceBanca>> bancaPerLunghezza(const Cruciverba& x) {
    std::map<std::string, int> restano = inGriglia(x);
    std::map<int, std::vector<VoceBanca>> gruppi;
    for (const std::string& p : x.banca) {
        int& n = restano[maiuscolo(p)];
        gruppi[lunghezzaLettere(p)].push_back({p, n > 0});
        if (n > 0) --n;
    }
    return gruppi;
}

std::vector<std::string> paroleCheEntrano(const Cruciverba& x, const std::vector<Casella>& caselle) {
    std::map<std::string, int> altrove = inGriglia(x, &caselle), inBanca;
    for (const std::string& p : x.banca) ++inBanca[maiuscolo(p)];
    std::vector<std::string> parole;
    for (const std::string& p : x.banca) {
        const std::string m = maiuscolo(p);
        if (lunghezzaLettere(m) != static_cast<int>(caselle.size()) || altrove[m] >= inBanca[m]) continue;
        if (std::find(parole.begin(), parole.end(), m) != parole.end()) continue;
        bool va = true;
        size_t i = 0;
        for (const Casella& k : caselle) {
            size_t j = i + 1;  // past one UTF-8 letter
            while (j < m.size() && (static_cast<unsigned char>(m[j]) & 0xC0) == 0x80) ++j;
            const std::string& v = x.cella(k).voce;
            if (!v.empty() && v != m.substr(i, j - i)) va = false;
            i = j;
        }
        if (va) parole.push_back(m);
    }
    return parole;
}

}  // namespace quadrivo

namespace quadrivo {

namespace {

// A word's place in alphabetical order: its letters in Windows-1252, an accented one as its plain letter.
std::string chiaveAlfabetica(const std::string& parola) {
    std::string chiave = aWindows1252(maiuscolo(parola));
    for (char& b : chiave)
        if (const char semplice = letteraDigitata(static_cast<unsigned char>(b)); semplice != 0) b = semplice;
    return chiave;
}

}  // namespace

std::vector<RigaBanca> righeBanca(const Cruciverba& x) {
    std::vector<RigaBanca> righe;
    for (auto& [lunghezza, voci] : bancaPerLunghezza(x)) {
        righe.push_back({std::to_string(lunghezza) + (lunghezza == 1 ? " lettera" : " lettere"), true, false});
        std::stable_sort(voci.begin(), voci.end(), [](const VoceBanca& a, const VoceBanca& b) {
            const std::string ka = chiaveAlfabetica(a.parola), kb = chiaveAlfabetica(b.parola);
            return ka != kb ? ka < kb : a.parola < b.parola;
        });
        for (const VoceBanca& v : voci) righe.push_back({maiuscolo(v.parola), false, v.cancellata});
    }
    return righe;
}

}  // namespace quadrivo
