#include "solving/lessico_indice.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

#include "model/numeri.h"
#include "model/tipo_file.h"

namespace quadrivo {

FileLessico::FileLessico(const std::string& percorso) : fd_(apriRegolare(percorso)) {}

FileLessico::~FileLessico() {
    if (fd_ >= 0) ::close(fd_);
}

std::int64_t FileLessico::dimensione() const {
    struct stat st {};
    return fd_ >= 0 && ::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode) ? st.st_size : 0;
}

FileLessico::Identita FileLessico::identita() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) return {};
    return {std::uint64_t(st.st_dev), std::uint64_t(st.st_ino), std::int64_t(st.st_size),
            std::int64_t(st.st_mtim.tv_sec), std::int64_t(st.st_mtim.tv_nsec)};
}

FileLessico::Letti FileLessico::leggi(std::int64_t offset, std::int64_t quanti) const {
    Letti letti;
    if (fd_ < 0 || offset < 0 || quanti <= 0) return letti;
    const auto n = static_cast<std::size_t>(quanti);
    letti.byte = std::make_unique_for_overwrite<char[]>(n);
    while (letti.dimensione < n) {
        const ssize_t r = ::pread(fd_, letti.byte.get() + letti.dimensione, n - letti.dimensione,
                                  offset + static_cast<std::int64_t>(letti.dimensione));
        if (r <= 0) break;
        letti.dimensione += static_cast<std::size_t>(r);
    }
    return letti;
}

std::int32_t campoIndiceLessico(std::string_view campo) {
    try {
        return interoLungo(valore(campo));
    } catch (const ErroreOverflow&) {
        return 0;
    }
}

IndiceFileLessico leggiIndiceLessico(std::string_view testa) {
    auto campo = [&](std::int64_t posizione) {
        const auto da = static_cast<std::size_t>(posizione - 1);
        return campoIndiceLessico(da < testa.size() ? testa.substr(da, 8) : std::string_view());
    };
    IndiceFileLessico voci{};
    for (int L = lunghezzaMinimaLessico; L <= lunghezzaMassimaLessico; ++L) {
        const std::int32_t inizio = campo(201 + 16 * (L - 3));
        const std::int32_t fine = campo(209 + 16 * (L - 3));
        voci[L].inizio = inizio;
        // Both fields stay within 8 characters, so the difference cannot leave 32 bits.
        voci[L].conta = static_cast<std::int32_t>((static_cast<std::int64_t>(fine) - inizio) / L);
    }
    return voci;
}

std::string difettoLessico(std::string_view testa, std::int64_t dimensione) {
    if (dimensione < dimensioneTestaLessico || testa.size() < std::size_t(dimensioneTestaLessico))
        return "è vuoto o troppo corto";
    auto parole = [](int L) { return "le parole di " + std::to_string(L) + " lettere"; };
    std::int64_t atteso = dimensioneTestaLessico + 1;
    for (int L = lunghezzaMinimaLessico; L <= lunghezzaMassimaLessico; ++L) {
        const std::string_view campoInizio = testa.substr(200 + 16 * (L - 3), 8);
        const std::int64_t inizio = campoIndiceLessico(campoInizio);
        const std::int64_t fine = campoIndiceLessico(testa.substr(208 + 16 * (L - 3), 8));
        if (inizio < 1) return "ha un indice non valido: " + parole(L) + " iniziano alla posizione " + std::to_string(inizio);
        if (inizio - 1 > dimensione)
            return "è troncato: " + parole(L) + " iniziano oltre la fine del file";
        if (fine - 1 > dimensione) return "è troncato: " + parole(L) + " finiscono oltre la fine del file";
        if (inizio != atteso || fine < inizio || (fine - inizio) % L != 0)
            return "ha un indice non valido alla voce delle parole di " + std::to_string(L) + " lettere";
        atteso = fine;
    }
    if (atteso - 1 < dimensione) return "ha un indice non valido: dopo l'ultima parola restano byte non indicizzati";
    return {};
}

bool nonDizionario(std::string_view testa, std::int64_t dimensione) {
    if (dimensione < dimensioneTestaLessico || testa.size() < std::size_t(dimensioneTestaLessico)) return true;
    const IndiceFileLessico voci = leggiIndiceLessico(testa);
    for (int L = lunghezzaMinimaLessico; L <= lunghezzaMassimaLessico; ++L)
        if (bloccoEffettivo(voci[L], L, dimensione).conta > 0) return false;
    // No words at all: a sound index of empty blocks is still a dictionary, an unsound one not.
    return !difettoLessico(testa, dimensione).empty();
}

BlocchiLessico blocchiLessico(std::string_view dati) {
    BlocchiLessico b;
    const IndiceFileLessico voci = leggiIndiceLessico(dati.substr(0, dimensioneTestaLessico));
    for (int L = lunghezzaMinimaLessico; L <= lunghezzaMassimaLessico; ++L) {
        const BloccoLessico e = bloccoEffettivo(voci[L], L, std::int64_t(dati.size()));
        b.parole[std::size_t(L)] = dati.substr(std::size_t(e.offset), std::size_t(e.conta) * std::size_t(L));
    }
    return b;
}

BloccoLessico bloccoEffettivo(VoceLessico voce, int lunghezza, std::int64_t dimensioneFile) {
    if (lunghezza < lunghezzaMinimaLessico || lunghezza > lunghezzaMassimaLessico) return {};
    if (voce.inizio <= dimensioneTestaLessico || voce.conta <= 0) return {};
    const std::int64_t offset = voce.inizio - 1;
    if (offset >= dimensioneFile) return {};
    const std::int64_t contenute = (dimensioneFile - offset) / lunghezza;
    return {offset, std::min<std::int64_t>(voce.conta, contenute)};
}

std::uint32_t improntaScheletro(std::string_view parola, bool consonanti) {
    std::uint32_t h = 2166136261u;
    for (const char ch : parola) {
        const auto c = static_cast<unsigned char>(ch);
        if (consonanti ? consonante(c) : vocale(c)) h = (h ^ c) * 16777619u;
    }
    return h;
}

IndiceLessico::IndiceLessico(std::string_view dati, const IndiceFileLessico& voci) {
    std::vector<std::pair<std::uint32_t, std::uint32_t>> consonanti, vocali;
    for (int n = lunghezzaMinimaLessico; n <= lunghezzaMassimaLessico; ++n) {
        PerLunghezza& pl = lunghezze_[n];
        pl.blocco = bloccoEffettivo(voci[n], n, static_cast<std::int64_t>(dati.size()));
        // Word numbers are stored in 32 bits; no real file comes near that.
        pl.blocco.conta = std::min<std::int64_t>(pl.blocco.conta, UINT32_MAX);
        if (pl.blocco.conta == 0) continue;
        const auto conta = static_cast<std::uint32_t>(pl.blocco.conta);
        pl.parole.assign(dati.substr(std::size_t(pl.blocco.offset), std::size_t(pl.blocco.conta) * n));
        const auto* parole = reinterpret_cast<const unsigned char*>(pl.parole.data());
        const std::size_t posti = std::size_t(n) * 256;

        // First pass: how many words have each byte at each position, and the first and last;
        // each word's letters, and its place among the skeletons.
        std::vector<std::uint32_t> quante(posti, 0), primo(posti, 0), ultimo(posti, 0);
        const std::size_t gruppiBlocco = (std::size_t(conta) + 63) / 64;
        pl.conLettera.assign(26 * gruppiBlocco, 0);
        const std::uint32_t numerabili = std::min<std::uint32_t>(conta, 0xFFFFFF);
        consonanti.reserve(consonanti.size() + numerabili);
        vocali.reserve(vocali.size() + numerabili);
        for (std::uint32_t k = 0; k < conta; ++k) {
            const unsigned char* parola = parole + std::size_t(k) * n;
            for (int p = 0; p < n; ++p) {
                const std::size_t i = std::size_t(p) * 256 + parola[p];
                if (quante[i]++ == 0) primo[i] = k;
                ultimo[i] = k;
                if (parola[p] >= 'A' && parola[p] <= 'Z')
                    pl.conLettera[std::size_t(parola[p] - 'A') * gruppiBlocco + (k >> 6)] |= std::uint64_t(1) << (k & 63);
            }
            if (k < numerabili) {
                const std::string_view testo(reinterpret_cast<const char*>(parola), std::size_t(n));
                consonanti.emplace_back(improntaScheletro(testo, true), idParola(n, k));
                vocali.emplace_back(improntaScheletro(testo, false), idParola(n, k));
            }
        }
        // Each set takes the smaller form: a bit set costs 8 bytes a group, a list 4 a word.
        pl.voce.assign(posti, 0);
        std::size_t bit = 0, numeri = 0;
        for (std::size_t i = 0; i < posti; ++i) {
            if (quante[i] == 0) continue;
            Insieme e;
            const std::uint32_t da = primo[i] / 64, gruppi = ultimo[i] / 64 - da + 1;
            if (std::uint64_t(gruppi) * 2 <= quante[i]) {
                e = {da, gruppi, static_cast<std::uint32_t>(bit), false};
                bit += gruppi;
            } else {
                e = {0, quante[i], static_cast<std::uint32_t>(numeri), true};
                numeri += quante[i];
            }
            pl.insiemi.push_back(e);
            pl.voce[i] = static_cast<std::uint16_t>(pl.insiemi.size());
        }
        pl.bit.assign(bit, 0);
        pl.numeri.resize(numeri);

        // Second pass: word k goes into its set at each position; `quante` now counts the
        // numbers a list already holds.
        std::vector<std::int64_t> base(posti, 0);
        std::vector<std::uint8_t> lista(posti, 0);
        for (std::size_t i = 0; i < posti; ++i) {
            if (pl.voce[i] == 0) continue;
            const Insieme& e = pl.insiemi[pl.voce[i] - 1];
            lista[i] = e.lista;
            base[i] = e.lista ? std::int64_t(e.inizio) : std::int64_t(e.inizio) - std::int64_t(e.da);
            quante[i] = 0;
        }
        std::uint64_t* const bitDati = pl.bit.data();
        std::uint32_t* const numeriDati = pl.numeri.data();
        for (std::uint32_t k = 0; k < conta; ++k) {
            const unsigned char* parola = parole + std::size_t(k) * n;
            const std::uint64_t maschera = std::uint64_t(1) << (k & 63);
            for (int p = 0; p < n; ++p) {
                const std::size_t i = std::size_t(p) * 256 + parola[p];
                if (lista[i] == 0) bitDati[base[i] + (k >> 6)] |= maschera;
                else numeriDati[base[i] + quante[i]++] = k;
            }
        }
    }
    // By hash in two stable passes of 16 bits: the words of one hash keep the file's order.
    for (auto* coppie : {&consonanti, &vocali}) {
        std::vector<std::pair<std::uint32_t, std::uint32_t>> appoggio(coppie->size());
        for (const int spostamento : {0, 16}) {
            std::vector<std::size_t> inizio(65537, 0);
            for (const auto& c : *coppie) ++inizio[((c.first >> spostamento) & 0xFFFF) + 1];
            for (std::size_t i = 1; i < inizio.size(); ++i) inizio[i] += inizio[i - 1];
            for (const auto& c : *coppie) appoggio[inizio[(c.first >> spostamento) & 0xFFFF]++] = c;
            coppie->swap(appoggio);
        }
        auto& ordine = scheletri_[coppie == &consonanti ? 0 : 1];
        ordine.resize(coppie->size());
        for (std::size_t i = 0; i < coppie->size(); ++i) ordine[i] = (*coppie)[i].second;
    }
}

std::size_t IndiceLessico::gruppi(int n) const {
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) return 0;
    return (std::size_t(lunghezze_[n].blocco.conta) + 63) / 64;
}

const std::uint64_t* IndiceLessico::conLettera(int n, int lettera) const {
    if (gruppi(n) == 0 || lettera < 0 || lettera >= 26) return nullptr;
    return lunghezze_[n].conLettera.data() + std::size_t(lettera) * gruppi(n);
}

const std::vector<std::uint32_t>& IndiceLessico::perScheletro(Scheletro s) const {
    return scheletri_[s == Scheletro::consonanti ? 0 : 1];
}

std::uint32_t IndiceLessico::contaInsieme(int n, int p, unsigned char c) const {
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) return 0;
    const PerLunghezza& pl = lunghezze_[n];
    const Insieme* e = insieme(pl, p, c);
    if (e == nullptr) return 0;
    if (e->lista) return e->quanti;
    std::uint32_t tante = 0;
    for (std::uint32_t g = 0; g < e->quanti; ++g) tante += std::uint32_t(std::popcount(pl.bit[e->inizio + g]));
    return tante;
}

void IndiceLessico::unisci(int n, int p, unsigned char c, std::uint64_t* bit) const {
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) return;
    const PerLunghezza& pl = lunghezze_[n];
    const Insieme* e = insieme(pl, p, c);
    if (e == nullptr) return;
    if (e->lista) {
        for (std::uint32_t i = 0; i < e->quanti; ++i) {
            const std::uint32_t k = pl.numeri[e->inizio + i];
            bit[k >> 6] |= std::uint64_t(1) << (k & 63);
        }
    } else {
        for (std::uint32_t g = 0; g < e->quanti; ++g) bit[e->da + g] |= pl.bit[e->inizio + g];
    }
}

BloccoLessico IndiceLessico::blocco(int n) const {
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) return {};
    return lunghezze_[n].blocco;
}

std::string_view IndiceLessico::parole(int n) const {
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) return {};
    return lunghezze_[n].parole;
}

const IndiceLessico::Insieme* IndiceLessico::insieme(const PerLunghezza& pl, int p, unsigned char c) const {
    const std::size_t i = std::size_t(p) * 256 + c;
    if (p < 0 || i >= pl.voce.size() || pl.voce[i] == 0) return nullptr;
    return &pl.insiemi[pl.voce[i] - 1];
}

std::vector<std::uint32_t> IndiceLessico::candidate(int n, const std::vector<Fissa>& fisse) const {
    std::vector<std::uint32_t> trovate;
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico || fisse.empty()) return trovate;
    const PerLunghezza& pl = lunghezze_[n];
    // The shortest list, if any, gives the candidates and the bit sets sieve them; with bit
    // sets only, they are intersected a 64-bit group at a time over the groups they share.
    std::array<const Insieme*, lunghezzaMassimaLessico> insiemi{}, liste{};
    std::size_t quanti = 0, quanteListe = 0;
    for (const Fissa& f : fisse) {
        const Insieme* e = insieme(pl, f.p, f.c);
        if (e == nullptr) return trovate;
        if (e->lista) {
            if (quanteListe < liste.size()) liste[quanteListe++] = e;
        } else if (quanti < insiemi.size()) {
            insiemi[quanti++] = e;
        }
    }
    std::sort(liste.begin(), liste.begin() + quanteListe,
              [](const Insieme* x, const Insieme* y) { return x->quanti < y->quanti; });
    const Insieme* const corta = quanteListe > 0 ? liste[0] : nullptr;
    const std::uint64_t* const bit = pl.bit.data();
    auto gruppo = [&](const Insieme* e, std::uint32_t g) {
        return g >= e->da && g - e->da < e->quanti ? bit[e->inizio + (g - e->da)] : std::uint64_t(0);
    };
    // The groups every bit set covers; with none, the whole block.
    std::uint32_t da = 0, a = UINT32_MAX;
    for (std::size_t i = 0; i < quanti; ++i) {
        da = std::max(da, insiemi[i]->da);
        a = std::min(a, insiemi[i]->da + insiemi[i]->quanti);
    }
    if (da >= a) return trovate;
    if (corta != nullptr) {
        // Only the stretch of the list inside those groups can survive.
        const std::uint32_t* const inizio = pl.numeri.data() + corta->inizio;
        const std::uint32_t* primo = std::lower_bound(inizio, inizio + corta->quanti, std::uint64_t(da) * 64);
        const std::uint32_t* fine = std::lower_bound(primo, inizio + corta->quanti, std::uint64_t(a) * 64);
        trovate.reserve(static_cast<std::size_t>(fine - primo));
        for (; primo != fine; ++primo) {
            const std::uint32_t k = *primo;
            bool dentro = true;
            for (std::size_t i = 0; i < quanti; ++i) dentro &= (gruppo(insiemi[i], k >> 6) >> (k & 63)) & 1;
            if (dentro) trovate.push_back(k);
        }
        // The other lists, merged in place: both sides are ascending.
        for (std::size_t j = 1; j < quanteListe && !trovate.empty(); ++j) {
            const std::uint32_t* altra = pl.numeri.data() + liste[j]->inizio;
            const std::uint32_t* const fineAltra = altra + liste[j]->quanti;
            std::size_t tenute = 0;
            for (const std::uint32_t k : trovate) {
                altra = std::lower_bound(altra, fineAltra, k);
                if (altra == fineAltra) break;
                if (*altra == k) trovate[tenute++] = k;
            }
            trovate.resize(tenute);
        }
        return trovate;
    }
    auto intersezione = [&](std::uint32_t g) {
        std::uint64_t w = bit[insiemi[0]->inizio + (g - insiemi[0]->da)];
        for (std::size_t i = 1; i < quanti; ++i) w &= bit[insiemi[i]->inizio + (g - insiemi[i]->da)];
        return w;
    };
    std::size_t totale = 0;
    for (std::uint32_t g = da; g < a; ++g) totale += static_cast<std::size_t>(std::popcount(intersezione(g)));
    trovate.resize(totale);
    std::uint32_t* uscita = trovate.data();
    for (std::uint32_t g = da; g < a; ++g)
        for (std::uint64_t w = intersezione(g); w != 0; w &= w - 1)
            *uscita++ = g * 64 + static_cast<std::uint32_t>(std::countr_zero(w));
    return trovate;
}

namespace {

// The words whose bits are set in every set, a 64-word group at a time; `scarti[i]` places
// group g of set i at bit[scarti[i] + g].
template <int N>
void copiaDaBit(const std::uint64_t* bit, const std::int64_t* scarti, std::size_t quanti, std::uint32_t da,
                std::uint32_t a, const char* parole, char* uscita) {
    for (std::uint32_t g = da; g < a; ++g) {
        std::uint64_t w = bit[scarti[0] + g];
        for (std::size_t i = 1; i < quanti; ++i) w &= bit[scarti[i] + g];
        for (; w != 0; w &= w - 1, uscita += N)
            std::memcpy(uscita, parole + (std::size_t(g) * 64 + std::size_t(std::countr_zero(w))) * N, N);
    }
}

template <int N>
void copiaNumeri(const std::vector<std::uint32_t>& numeri, const char* parole, char* uscita) {
    for (const std::uint32_t k : numeri) {
        std::memcpy(uscita, parole + std::size_t(k) * N, N);
        uscita += N;
    }
}

template <int... N>
constexpr auto tabellaCopie(std::integer_sequence<int, N...>) {
    struct Copie {
        std::array<decltype(&copiaDaBit<1>), sizeof...(N)> daBit;
        std::array<decltype(&copiaNumeri<1>), sizeof...(N)> numeri;
    };
    return Copie{{copiaDaBit<N + 1>...}, {copiaNumeri<N + 1>...}};
}
constexpr auto copie = tabellaCopie(std::make_integer_sequence<int, lunghezzaMassimaLessico>());

}  // namespace

std::int64_t IndiceLessico::copiaParole(int n, const std::vector<Fissa>& fisse, std::string& uscita) const {
    uscita.clear();
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico || fisse.empty()) return -1;
    const PerLunghezza& pl = lunghezze_[n];
    std::array<std::int64_t, lunghezzaMassimaLessico> scarti{};
    std::size_t quanti = 0;
    std::uint32_t da = 0, a = UINT32_MAX;
    bool soloBit = true;
    for (const Fissa& f : fisse) {
        const Insieme* e = insieme(pl, f.p, f.c);
        if (e == nullptr) return -1;
        if (e->lista || quanti == scarti.size()) {
            soloBit = false;
            break;
        }
        scarti[quanti++] = std::int64_t(e->inizio) - std::int64_t(e->da);
        da = std::max(da, e->da);
        a = std::min(a, e->da + e->quanti);
    }
    if (!soloBit) {
        const std::vector<std::uint32_t> numeri = candidate(n, fisse);
        uscita.resize(numeri.size() * std::size_t(n));
        copie.numeri[n - 1](numeri, pl.parole.data(), uscita.data());
        return numeri.empty() ? -1 : std::int64_t(numeri.front());
    }
    if (da >= a) return -1;
    // Counted first, so that the words go straight into a buffer of the right size.
    const std::uint64_t* const bit = pl.bit.data();
    std::size_t totale = 0;
    std::int64_t primo = -1;
    for (std::uint32_t g = da; g < a; ++g) {
        std::uint64_t w = bit[scarti[0] + g];
        for (std::size_t i = 1; i < quanti; ++i) w &= bit[scarti[i] + g];
        if (primo < 0 && w != 0) primo = std::int64_t(g) * 64 + std::countr_zero(w);
        totale += static_cast<std::size_t>(std::popcount(w));
    }
    uscita.resize(totale * std::size_t(n));
    copie.daBit[n - 1](bit, scarti.data(), quanti, da, a, pl.parole.data(), uscita.data());
    return primo;
}

std::size_t IndiceLessico::memoriaParole() const {
    std::size_t byte = (scheletri_[0].capacity() + scheletri_[1].capacity()) * sizeof(std::uint32_t);
    for (const PerLunghezza& pl : lunghezze_) byte += pl.conLettera.capacity() * sizeof(std::uint64_t);
    return byte;
}

std::size_t IndiceLessico::memoria() const {
    std::size_t byte = sizeof(*this) + memoriaParole();
    for (const PerLunghezza& pl : lunghezze_) {
        byte += pl.parole.capacity() + pl.voce.capacity() * sizeof(pl.voce[0]) + pl.insiemi.capacity() * sizeof(pl.insiemi[0]) +
                pl.bit.capacity() * sizeof(pl.bit[0]) + pl.numeri.capacity() * sizeof(pl.numeri[0]);
    }
    return byte;
}

RicercaMaschera::RicercaMaschera(int lunghezza, std::string_view maschera, std::int64_t contaBlocco,
                                 const IndiceLessico* indice)
    : lunghezza_(std::max(lunghezza, 1)) {
    const auto conta = static_cast<std::uint32_t>(std::clamp<std::int64_t>(contaBlocco, 0, UINT32_MAX));
    // A mask shorter than the words leaves the rest blank.
    for (int p = 0; p < lunghezza && p < static_cast<int>(maschera.size()); ++p)
        if (maschera[p] != ' ') fisse_.push_back({p, static_cast<unsigned char>(maschera[p])});
    quante_ = conta;
    if (std::any_of(fisse_.begin(), fisse_.end(), [](const IndiceLessico::Fissa& f) { return f.c == '\0'; })) {
        tutte_ = false;  // an empty candidate list: nothing to read, nothing found
        quante_ = 0;
        return;
    }
    if (fisse_.empty() || indice == nullptr || indice->blocco(lunghezza).conta != conta) return;
    // The sets give the candidates; the letters are still checked on the words read, which
    // keeps the result exact for the bytes the file holds now.
    tutte_ = false;
    candidate_ = indice->candidate(lunghezza, fisse_);
    primo_ = candidate_.empty() ? 0 : candidate_.front();
    quante_ = candidate_.empty() ? 0 : candidate_.back() - primo_ + 1;
}

std::vector<std::uint32_t> RicercaMaschera::trova(std::string_view parole) const {
    std::vector<std::uint32_t> trovate;
    const auto lette = static_cast<std::uint32_t>(
        std::min<std::size_t>({parole.size() / static_cast<std::size_t>(lunghezza_), quante_}));
    const auto* byte = reinterpret_cast<const unsigned char*>(parole.data());

    if (tutte_ && fisse_.empty()) {
        trovate.resize(lette);
        for (std::uint32_t i = 0; i < lette; ++i) trovate[i] = primo_ + i;
    } else if (tutte_) {
        // Scanning every word, most fail at the first letter compared: an early exit wins.
        // (Locals, so that storing a result does not make the mask be read again.)
        const IndiceLessico::Fissa* const fisse = fisse_.data();
        const std::size_t quante = fisse_.size();
        const std::size_t lunghezza = static_cast<std::size_t>(lunghezza_);
        for (std::uint32_t i = 0; i < lette; ++i) {
            const unsigned char* parola = byte + i * lunghezza;
            std::size_t j = 0;
            while (j < quante && parola[fisse[j].p] == fisse[j].c) ++j;
            if (j == quante) trovate.push_back(primo_ + i);
        }
    } else {
        // Candidates are checked without early exits or a branch per word: often about half
        // of them match, and a mispredicted branch costs more than a few extra comparisons.
        trovate.resize(candidate_.size());
        std::uint32_t* const uscita = trovate.data();
        const IndiceLessico::Fissa* const fisse = fisse_.data();
        const std::size_t quante = fisse_.size();
        const std::size_t lunghezza = static_cast<std::size_t>(lunghezza_);
        const std::uint32_t primo = primo_;
        std::uint32_t tante = 0;
        for (const std::uint32_t k : candidate_) {
            if (k - primo >= lette) break;  // ascending: the rest were not read
            const unsigned char* parola = byte + (k - primo) * lunghezza;
            bool uguale = true;
            for (std::size_t j = 0; j < quante; ++j) uguale &= parola[fisse[j].p] == fisse[j].c;
            uscita[tante] = k;
            tante += uguale;
        }
        trovate.resize(tante);
    }
    return trovate;
}

namespace {

// Checks the candidates on their bytes and copies every one, keeping it only if it agrees: no
// branch per word, and with N fixed each copy is a plain move.
template <int N>
std::size_t verificaECopia(const unsigned char* byte, std::uint32_t lette, const std::vector<std::uint32_t>& candidate,
                           std::uint32_t primo, const IndiceLessico::Fissa* fisse, std::size_t quante, char* uscita,
                           std::int64_t& primoTrovato) {
    // Locals only: the copies write through a char pointer, which could alias anything else.
    std::array<IndiceLessico::Fissa, lunghezzaMassimaLessico> f{};
    quante = std::min(quante, f.size());
    std::copy_n(fisse, quante, f.begin());
    const std::uint32_t* k = candidate.data();
    const std::uint32_t* const fine = k + candidate.size();
    std::size_t tante = 0;
    std::int64_t primoLocale = -1;
    for (; k != fine; ++k) {
        const std::uint32_t i = *k - primo;
        if (i >= lette) break;  // ascending: the rest were not read
        const unsigned char* parola = byte + std::size_t(i) * N;
        bool uguale = true;
        for (std::size_t j = 0; j < quante; ++j) uguale &= parola[f[j].p] == f[j].c;
        std::memcpy(uscita + tante * N, parola, N);
        if (primoLocale < 0 && uguale) primoLocale = *k;
        tante += uguale;
    }
    primoTrovato = primoLocale;
    return tante;
}

template <int... N>
constexpr auto tabellaVerifiche(std::integer_sequence<int, N...>) {
    return std::array<decltype(&verificaECopia<1>), sizeof...(N)>{verificaECopia<N + 1>...};
}
constexpr auto verifiche = tabellaVerifiche(std::make_integer_sequence<int, lunghezzaMassimaLessico>());

}  // namespace

std::int64_t RicercaMaschera::copiaTrovate(std::string_view parole, std::string& uscita) const {
    const auto n = static_cast<std::size_t>(lunghezza_);
    const auto lette = static_cast<std::uint32_t>(std::min<std::size_t>(parole.size() / n, quante_));
    if (tutte_ && fisse_.empty()) {
        uscita.assign(parole.substr(0, lette * n));
        return lette > 0 ? std::int64_t(primo_) : -1;
    }
    if (tutte_ || lunghezza_ > lunghezzaMassimaLessico) {
        const std::vector<std::uint32_t> numeri = trova(parole);
        uscita.clear();
        uscita.reserve(numeri.size() * n);
        for (const std::uint32_t k : numeri) uscita.append(parole.substr(std::size_t(k - primo_) * n, n));
        return numeri.empty() ? -1 : std::int64_t(numeri.front());
    }
    uscita.resize(candidate_.size() * n);
    std::int64_t primoTrovato = -1;
    const std::size_t tante =
        verifiche[n - 1](reinterpret_cast<const unsigned char*>(parole.data()), lette, candidate_, primo_,
                         fisse_.data(), fisse_.size(), uscita.data(), primoTrovato);
    uscita.resize(tante * n);
    return primoTrovato;
}

std::vector<std::uint32_t> paroleCompatibili(std::string_view blocco, int lunghezza, std::string_view maschera,
                                             const IndiceLessico* indice) {
    if (lunghezza <= 0) return {};
    const RicercaMaschera ricerca(lunghezza, maschera, static_cast<std::int64_t>(blocco.size()) / lunghezza, indice);
    return ricerca.trova(blocco.substr(std::min(blocco.size(), std::size_t(ricerca.primo()) * lunghezza)));
}

}  // namespace quadrivo
