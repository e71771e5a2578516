#include "solving/lessico_parole.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace quadrivo {

ClasseLettera ClasseLettera::qualsiasi() { return nessuna().complemento(); }

ClasseLettera ClasseLettera::lettera(unsigned char c) {
    ClasseLettera k;
    k.aggiungi(c);
    return k;
}

ClasseLettera ClasseLettera::vocali() {
    ClasseLettera k;
    for (const char c : std::string_view("AEIOU")) k.aggiungi(static_cast<unsigned char>(c));
    return k;
}

ClasseLettera ClasseLettera::consonanti() {
    ClasseLettera k;
    for (unsigned char c = 'A'; c <= 'Z'; ++c)
        if (consonante(c)) k.aggiungi(c);
    return k;
}

ClasseLettera ClasseLettera::complemento() const {
    ClasseLettera k;
    for (std::size_t i = 0; i < bit_.size(); ++i) k.bit_[i] = ~bit_[i];
    return k;
}

int ClasseLettera::quanti() const {
    int n = 0;
    for (const std::uint64_t w : bit_) n += std::popcount(w);
    return n;
}

namespace {

unsigned char maiuscola(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c; }
bool lettera(unsigned char c) { return c >= 'A' && c <= 'Z'; }

EsitoMaschera leggiMascheraParziale(std::string_view testo) {
    EsitoMaschera esito;
    for (std::size_t i = 0; i < testo.size(); ++i) {
        const unsigned char c = maiuscola(static_cast<unsigned char>(testo[i]));
        if (c == '.' || c == '?') {
            esito.maschera.push_back(ClasseLettera::qualsiasi());
        } else if (c == '@') {
            esito.maschera.push_back(ClasseLettera::vocali());
        } else if (c == '#') {
            esito.maschera.push_back(ClasseLettera::consonanti());
        } else if (lettera(c)) {
            esito.maschera.push_back(ClasseLettera::lettera(c));
        } else if (c == '[') {
            const std::size_t fine = testo.find(']', i + 1);
            if (fine == std::string_view::npos) {
                esito.errore = "parentesi quadra non chiusa dopo \"" + std::string(testo.substr(0, i)) + "\"";
                return esito;
            }
            std::string_view dentro = testo.substr(i + 1, fine - i - 1);
            const bool negato = !dentro.empty() && dentro[0] == '!';
            if (negato) dentro.remove_prefix(1);
            if (dentro.empty()) {
                esito.errore = "insieme di lettere vuoto: \"" + std::string(testo.substr(i, fine - i + 1)) + "\"";
                return esito;
            }
            ClasseLettera k;
            for (const char d : dentro) {
                const unsigned char m = maiuscola(static_cast<unsigned char>(d));
                if (!lettera(m)) {
                    esito.errore = "nell'insieme \"" + std::string(testo.substr(i, fine - i + 1)) +
                                   "\" possono stare solo lettere";
                    return esito;
                }
                k.aggiungi(m);
            }
            // "None of" still means a letter: a stray byte in a file is no answer.
            esito.maschera.push_back(negato ? [&] {
                ClasseLettera resto;
                for (unsigned char m = 'A'; m <= 'Z'; ++m)
                    if (!k.ammette(m)) resto.aggiungi(m);
                return resto;
            }()
                                            : k);
            i = fine;
        } else {
            esito.errore = c == ']' ? std::string("parentesi quadra chiusa senza essere aperta")
                                    : "carattere non ammesso \"" + std::string(1, testo[i]) + "\"";
            return esito;
        }
    }
    if (esito.maschera.empty()) esito.errore = "maschera vuota";
    return esito;
}

}  // namespace

EsitoMaschera leggiMaschera(std::string_view testo) {
    EsitoMaschera esito = leggiMascheraParziale(testo);
    // A mask with a fault is no mask at all.
    if (!esito.errore.empty()) esito.maschera.clear();
    return esito;
}

Maschera mascheraDaDialogo(std::string_view byte) {
    Maschera m;
    for (const char ch : byte) {
        const auto c = static_cast<unsigned char>(ch);
        m.push_back(c == ' '   ? ClasseLettera::qualsiasi()
                    : c == '@' ? ClasseLettera::vocali()
                    : c == '#' ? ClasseLettera::consonanti()
                    : c == 0   ? ClasseLettera::nessuna()
                               : ClasseLettera::lettera(c));
    }
    return m;
}

namespace {

bool inRegola(int n) { return n >= lunghezzaMinimaLessico && n <= lunghezzaMassimaLessico; }

// Whether a word's bytes fit the classes at `posizioni`.
bool adatta(const unsigned char* parola, const Maschera& m, const std::vector<int>& posizioni) {
    for (const int p : posizioni)
        if (!m[std::size_t(p)].ammette(parola[p])) return false;
    return true;
}

}  // namespace

std::vector<std::uint32_t> paroleMascheraBlocco(std::string_view blocco, const Maschera& m) {
    const int n = static_cast<int>(m.size());
    std::vector<std::uint32_t> trovate;
    if (n == 0) return trovate;
    // Each constrained position as a table of the bytes it accepts, the narrowest first: most
    // words fail there at once, the others are checked without a branch per letter.
    std::vector<int> vincolate;
    for (int p = 0; p < n; ++p) {
        const ClasseLettera& k = m[std::size_t(p)];
        if (k.quanti() == 0) return trovate;
        if (!k.tutte()) vincolate.push_back(p);
    }
    std::stable_sort(vincolate.begin(), vincolate.end(),
                     [&](int a, int b) { return m[std::size_t(a)].quanti() < m[std::size_t(b)].quanti(); });
    std::vector<std::array<unsigned char, 256>> ammessi(vincolate.size());
    for (std::size_t j = 0; j < vincolate.size(); ++j)
        for (int c = 0; c < 256; ++c) ammessi[j][std::size_t(c)] = m[std::size_t(vincolate[j])].ammette(static_cast<unsigned char>(c));
    const auto* byte = reinterpret_cast<const unsigned char*>(blocco.data());
    const std::size_t conta = std::min<std::size_t>(blocco.size() / std::size_t(n), UINT32_MAX);
    if (vincolate.empty()) {
        trovate.resize(conta);
        std::iota(trovate.begin(), trovate.end(), 0u);
        return trovate;
    }
    const std::array<unsigned char, 256>& prima = ammessi[0];
    const std::size_t p0 = std::size_t(vincolate[0]), altre = vincolate.size();
    for (std::size_t k = 0; k < conta; ++k) {
        const unsigned char* parola = byte + k * std::size_t(n);
        if (!prima[parola[p0]]) continue;
        unsigned buona = 1;
        for (std::size_t j = 1; j < altre; ++j) buona &= ammessi[j][parola[vincolate[j]]];
        if (buona) trovate.push_back(static_cast<std::uint32_t>(k));
    }
    return trovate;
}

std::vector<std::uint32_t> paroleMaschera(const IndiceLessico& indice, const Maschera& m) {
    const int n = static_cast<int>(m.size());
    std::vector<std::uint32_t> trovate;
    if (!inRegola(n)) return trovate;
    const auto conta = static_cast<std::uint32_t>(indice.blocco(n).conta);
    const auto* parole = reinterpret_cast<const unsigned char*>(indice.parole(n).data());
    std::vector<IndiceLessico::Fissa> fisse;
    std::vector<int> classi;
    for (int p = 0; p < n; ++p) {
        const ClasseLettera& k = m[std::size_t(p)];
        const int quanti = k.quanti();
        if (quanti == 0) return trovate;
        if (quanti == 1) {
            for (int c = 0; c < 256; ++c)
                if (k.ammette(static_cast<unsigned char>(c))) fisse.push_back({p, static_cast<unsigned char>(c)});
        } else if (quanti < 256) {
            classi.push_back(p);
        }
    }
    if (!fisse.empty()) {
        // The fixed letters' sets give few candidates; the classes are checked on their bytes.
        trovate = indice.candidate(n, fisse);
        if (!classi.empty())
            std::erase_if(trovate, [&](std::uint32_t k) { return !adatta(parole + std::size_t(k) * n, m, classi); });
        return trovate;
    }
    if (classi.empty()) {
        trovate.resize(conta);
        for (std::uint32_t k = 0; k < conta; ++k) trovate[k] = k;
        return trovate;
    }
    // Classes only: each position's class is the union of its letters' sets (or the block less
    // the union of the others, when they are fewer), and the positions are intersected.
    const std::size_t gruppi = (std::size_t(conta) + 63) / 64;
    std::vector<std::uint64_t> tutte(gruppi, ~std::uint64_t(0)), posto(gruppi);
    if (conta % 64 != 0 && gruppi > 0) tutte.back() = (std::uint64_t(1) << (conta % 64)) - 1;
    for (const int p : classi) {
        const ClasseLettera& k = m[std::size_t(p)];
        std::array<unsigned char, 256> dentro{}, fuori{};
        int quantiDentro = 0, quantiFuori = 0;
        for (int c = 0; c < 256; ++c) {
            const auto b = static_cast<unsigned char>(c);
            if (!indice.haInsieme(n, p, b)) continue;
            if (k.ammette(b)) dentro[std::size_t(quantiDentro++)] = b;
            else fuori[std::size_t(quantiFuori++)] = b;
        }
        const bool perComplemento = quantiFuori < quantiDentro;
        std::fill(posto.begin(), posto.end(), 0);
        for (int i = 0; i < (perComplemento ? quantiFuori : quantiDentro); ++i)
            indice.unisci(n, p, (perComplemento ? fuori : dentro)[std::size_t(i)], posto.data());
        if (perComplemento)
            for (std::size_t g = 0; g < gruppi; ++g) tutte[g] &= ~posto[g];
        else
            for (std::size_t g = 0; g < gruppi; ++g) tutte[g] &= posto[g];
    }
    std::size_t quante = 0;
    for (const std::uint64_t w : tutte) quante += std::size_t(std::popcount(w));
    trovate.resize(quante);
    std::uint32_t* uscita = trovate.data();
    for (std::size_t g = 0; g < gruppi; ++g)
        for (std::uint64_t w = tutte[g]; w != 0; w &= w - 1)
            *uscita++ = static_cast<std::uint32_t>(g * 64 + std::size_t(std::countr_zero(w)));
    return trovate;
}

std::vector<std::uint32_t> anagrammi(const IndiceLessico& indice, std::string_view lettere) {
    const int n = static_cast<int>(lettere.size());
    std::vector<std::uint32_t> trovate;
    if (!inRegola(n)) return trovate;
    std::array<int, 26> servono{};
    std::uint32_t tutte = 0;
    for (const char ch : lettere) {
        const unsigned char c = maiuscola(static_cast<unsigned char>(ch));
        if (c == '.') continue;
        if (!lettera(c)) return trovate;
        ++servono[c - 'A'];
        tutte |= 1u << (c - 'A');
    }
    // A letter asked for once is there when its set says so; only the repeated ones are counted.
    std::vector<std::pair<unsigned char, int>> ripetute;
    for (int c = 0; c < 26; ++c)
        if (servono[std::size_t(c)] > 1) ripetute.emplace_back(static_cast<unsigned char>('A' + c), servono[std::size_t(c)]);
    const auto conta = static_cast<std::uint32_t>(indice.blocco(n).conta);
    if (tutte == 0) {  // only "."s: every word of that length
        trovate.resize(conta);
        std::iota(trovate.begin(), trovate.end(), 0u);
        return trovate;
    }
    // The words holding every letter asked for, 64 at a time; then the repeated ones counted.
    const std::size_t gruppi = indice.gruppi(n);
    std::vector<std::uint64_t> insieme(gruppi, ~std::uint64_t(0));
    for (int c = 0; c < 26; ++c)
        if (servono[std::size_t(c)] > 0) {
            const std::uint64_t* con = indice.conLettera(n, c);
            for (std::size_t g = 0; g < gruppi; ++g) insieme[g] &= con[g];
        }
    const auto* parole = reinterpret_cast<const unsigned char*>(indice.parole(n).data());
    for (std::size_t g = 0; g < gruppi; ++g)
        for (std::uint64_t w = insieme[g]; w != 0; w &= w - 1) {
            const auto k = static_cast<std::uint32_t>(g * 64 + std::size_t(std::countr_zero(w)));
            const unsigned char* parola = parole + std::size_t(k) * n;
            // The same length and every letter there: what is left over went to the "."s.
            bool bastano = true;
            for (const auto& [c, quante] : ripetute) bastano = bastano && std::count(parola, parola + n, c) >= quante;
            if (bastano) trovate.push_back(k);
        }
    return trovate;
}

std::vector<std::uint32_t> anagrammiBlocco(std::string_view blocco, std::string_view lettere) {
    const int n = static_cast<int>(lettere.size());
    std::vector<std::uint32_t> trovate;
    if (!inRegola(n)) return trovate;
    std::array<int, 256> servono{};
    std::string chieste;  // each letter asked for once
    for (const char ch : lettere) {
        const unsigned char c = maiuscola(static_cast<unsigned char>(ch));
        if (c == '.') continue;
        if (!lettera(c)) return trovate;
        if (servono[c]++ == 0) chieste += static_cast<char>(c);
    }
    const auto* byte = reinterpret_cast<const unsigned char*>(blocco.data());
    const std::size_t conta = std::min<std::size_t>(blocco.size() / std::size_t(n), UINT32_MAX);
    // A word of the same length holding every letter asked for as often: the rest went to the "."s.
    std::array<int, 256> ha{};
    for (std::size_t k = 0; k < conta; ++k) {
        const unsigned char* parola = byte + k * std::size_t(n);
        for (int i = 0; i < n; ++i) ++ha[parola[i]];
        bool bastano = true;
        for (const char c : chieste) bastano &= ha[static_cast<unsigned char>(c)] >= servono[static_cast<unsigned char>(c)];
        for (int i = 0; i < n; ++i) ha[parola[i]] = 0;
        if (bastano) trovate.push_back(static_cast<std::uint32_t>(k));
    }
    return trovate;
}

const char* nomeRelazione(Relazione r) {
    switch (r) {
    case Relazione::consonanti: return "consonanti";
    case Relazione::vocali: return "vocali";
    case Relazione::dispari: return "dispari";
    case Relazione::pari: return "pari";
    case Relazione::estremi: return "estremi";
    case Relazione::centro: return "centro";
    }
    return "";
}

namespace {

// Where the words come from: the index (the program keeps it for many queries) or the blocks
// as they lie in the file (one query of the command line).
struct FonteIndice {
    const IndiceLessico& indice;
    std::string_view parole(int n) const { return indice.parole(n); }
    std::vector<std::uint32_t> maschera(const Maschera& m) const { return paroleMaschera(indice, m); }
    void contaAlPosto(int n, int p, std::array<std::uint32_t, 256>& perByte) const {
        for (int b = 0; b < 256; ++b) perByte[std::size_t(b)] = indice.contaInsieme(n, p, static_cast<unsigned char>(b));
    }
};

struct FonteBlocchi {
    const BlocchiLessico& blocchi;
    std::string_view parole(int n) const { return blocchi.blocco(n); }
    std::vector<std::uint32_t> maschera(const Maschera& m) const {
        if (!inRegola(static_cast<int>(m.size()))) return {};
        return paroleMascheraBlocco(blocchi.blocco(static_cast<int>(m.size())), m);
    }
    void contaAlPosto(int n, int p, std::array<std::uint32_t, 256>& perByte) const {
        const std::string_view b = blocchi.blocco(n);
        for (std::size_t k = std::size_t(p); k < b.size(); k += std::size_t(n)) ++perByte[static_cast<unsigned char>(b[k])];
    }
};

// The words of length n having the fragment's letters at the places given.
template <typename Fonte>
void aiPosti(const Fonte& fonte, Relazione r, int n, std::string_view f, const std::vector<int>& posti,
             std::vector<TrovataFrammento>& uscita) {
    if (!inRegola(n)) return;
    Maschera m(std::size_t(n), ClasseLettera::qualsiasi());
    for (std::size_t i = 0; i < posti.size(); ++i)
        m[std::size_t(posti[i])] = ClasseLettera::lettera(static_cast<unsigned char>(f[i]));
    for (const std::uint32_t k : fonte.maschera(m)) uscita.push_back({r, idParola(n, k)});
}

bool diScheletro(unsigned char c, bool consonanti) { return consonanti ? consonante(c) : vocale(c); }

void perScheletro(const FonteIndice& fonte, Relazione r, std::string_view f, std::vector<TrovataFrammento>& uscita) {
    const IndiceLessico& indice = fonte.indice;
    const bool consonanti = r == Relazione::consonanti;
    const std::vector<std::uint32_t>& ordine =
        indice.perScheletro(consonanti ? IndiceLessico::Scheletro::consonanti : IndiceLessico::Scheletro::vocali);
    auto testo = [&](std::uint32_t id) {
        const int n = lunghezzaId(id);
        return indice.parole(n).substr(std::size_t(numeroId(id)) * std::size_t(n), std::size_t(n));
    };
    const std::uint32_t cercata = improntaScheletro(f, consonanti);
    // Hashes and word numbers are both 32 bits: a struct tells which side is the hash.
    struct Impronta {
        std::uint32_t h;
    };
    const auto [da, a] = std::equal_range(ordine.begin(), ordine.end(), Impronta{cercata}, [&](auto x, auto y) {
        if constexpr (std::is_same_v<decltype(x), Impronta>) return x.h < improntaScheletro(testo(y), consonanti);
        else return improntaScheletro(testo(x), consonanti) < y.h;
    });
    // Equal hashes are almost always equal skeletons; the letters say for sure.
    for (auto i = da; i != a; ++i) {
        std::string scheletro;
        for (const char c : testo(*i))
            if (diScheletro(static_cast<unsigned char>(c), consonanti)) scheletro += c;
        if (scheletro == f) uscita.push_back({r, *i});
    }
}

// Without the index every word of every length is walked, its skeleton compared as it goes.
void perScheletro(const FonteBlocchi& fonte, Relazione r, std::string_view f, std::vector<TrovataFrammento>& uscita) {
    const bool consonanti = r == Relazione::consonanti;
    const auto* cercato = reinterpret_cast<const unsigned char*>(f.data());
    const std::size_t m = f.size();
    for (int n = lunghezzaMinimaLessico; n <= lunghezzaMassimaLessico; ++n) {
        if (std::size_t(n) < m) continue;
        const std::string_view b = fonte.parole(n);
        const auto* byte = reinterpret_cast<const unsigned char*>(b.data());
        const std::size_t conta = b.size() / std::size_t(n);
        for (std::size_t k = 0; k < conta; ++k) {
            const unsigned char* parola = byte + k * std::size_t(n);
            std::size_t j = 0;
            bool uguale = true;
            for (int i = 0; i < n && uguale; ++i)
                if (diScheletro(parola[i], consonanti)) uguale = j < m && parola[i] == cercato[j++];
            if (uguale && j == m) uscita.push_back({r, idParola(n, static_cast<std::uint32_t>(k))});
        }
    }
}

template <typename Fonte>
std::vector<TrovataFrammento> frammentiDa(const Fonte& fonte, std::string_view frammento) {
    std::vector<TrovataFrammento> uscita;
    std::string f;
    for (const char ch : frammento) {
        const unsigned char c = maiuscola(static_cast<unsigned char>(ch));
        if (!lettera(c)) return uscita;
        f += static_cast<char>(c);
    }
    const int m = static_cast<int>(f.size());
    if (m == 0 || m > lunghezzaMassimaLessico) return uscita;
    for (const Relazione r : {Relazione::consonanti, Relazione::vocali}) {
        // A fragment is all consonants (vowels) or no word has it as its consonants (vowels).
        const bool consonanti = r == Relazione::consonanti;
        if (std::all_of(f.begin(), f.end(), [&](char c) { return diScheletro(static_cast<unsigned char>(c), consonanti); }))
            perScheletro(fonte, r, f, uscita);
    }
    for (const Relazione r : {Relazione::dispari, Relazione::pari}) {
        const int primo = r == Relazione::dispari ? 0 : 1;
        std::vector<int> posti;
        for (int i = 0; i < m; ++i) posti.push_back(primo + 2 * i);
        // The odd letters of 2m - 1 and 2m letters are m, the even ones of 2m and 2m + 1.
        for (int n = 2 * m - 1 + primo; n <= 2 * m + primo; ++n) aiPosti(fonte, r, n, f, posti, uscita);
    }
    if (m == 2)
        for (int n = lunghezzaMinimaLessico; n <= lunghezzaMassimaLessico; ++n)
            aiPosti(fonte, Relazione::estremi, n, f, {0, n - 1}, uscita);
    if (m <= 2)
        for (int n = lunghezzaMinimaLessico; n <= lunghezzaMassimaLessico; ++n) {
            if (m == 1 && n % 2 == 1) aiPosti(fonte, Relazione::centro, n, f, {n / 2}, uscita);
            if (m == 2 && n % 2 == 0) aiPosti(fonte, Relazione::centro, n, f, {n / 2 - 1, n / 2}, uscita);
        }
    return uscita;
}

template <typename Fonte>
std::vector<CandidatoIncroci> conIncroci(const Fonte& fonte, const Maschera& parola,
                                         const std::vector<std::optional<Incrocio>>& incroci) {
    std::vector<CandidatoIncroci> uscita;
    const int n = static_cast<int>(parola.size());
    if (!inRegola(n)) return uscita;
    // For each crossing, how many of its words have each byte where it crosses.
    struct Conteggi {
        int posizione;  // in the word being chosen
        std::array<std::uint32_t, 256> perByte{};
    };
    std::vector<Conteggi> vincoli;
    for (int i = 0; i < n && i < static_cast<int>(incroci.size()); ++i) {
        const std::optional<Incrocio>& x = incroci[std::size_t(i)];
        if (!x) continue;
        const int lx = static_cast<int>(x->maschera.size());
        if (!inRegola(lx) || x->posizione < 0 || x->posizione >= lx) continue;
        Conteggi c{i, {}};
        Maschera aperta = x->maschera;
        aperta[std::size_t(x->posizione)] = ClasseLettera::qualsiasi();
        if (std::all_of(aperta.begin(), aperta.end(), [](const ClasseLettera& k) { return k.tutte(); })) {
            // Nothing else known: every word of that length counts.
            fonte.contaAlPosto(lx, x->posizione, c.perByte);
        } else {
            const auto* parole = reinterpret_cast<const unsigned char*>(fonte.parole(lx).data());
            for (const std::uint32_t k : fonte.maschera(aperta)) ++c.perByte[parole[std::size_t(k) * lx + std::size_t(x->posizione)]];
        }
        vincoli.push_back(c);
    }
    const auto* parole = reinterpret_cast<const unsigned char*>(fonte.parole(n).data());
    for (const std::uint32_t k : fonte.maschera(parola)) {
        const unsigned char* w = parole + std::size_t(k) * n;
        CandidatoIncroci c{k, 0, vincoli.empty() ? -1 : INT64_MAX};
        bool vive = true;
        for (const Conteggi& v : vincoli) {
            const std::uint32_t r = v.perByte[w[v.posizione]];
            if (r == 0) {
                vive = false;
                break;
            }
            c.rimaste += r;
            c.minimo = std::min<std::int64_t>(c.minimo, r);
        }
        if (vive) uscita.push_back(c);
    }
    return uscita;
}

}  // namespace

std::vector<TrovataFrammento> frammenti(const IndiceLessico& indice, std::string_view frammento) {
    return frammentiDa(FonteIndice{indice}, frammento);
}

std::vector<TrovataFrammento> frammenti(const BlocchiLessico& blocchi, std::string_view frammento) {
    return frammentiDa(FonteBlocchi{blocchi}, frammento);
}

std::vector<CandidatoIncroci> paroleConIncroci(const IndiceLessico& indice, const Maschera& parola,
                                               const std::vector<std::optional<Incrocio>>& incroci) {
    return conIncroci(FonteIndice{indice}, parola, incroci);
}

std::vector<CandidatoIncroci> paroleConIncroci(const BlocchiLessico& blocchi, const Maschera& parola,
                                               const std::vector<std::optional<Incrocio>>& incroci) {
    return conIncroci(FonteBlocchi{blocchi}, parola, incroci);
}

}  // namespace quadrivo
