#include "solving/lessico_indice.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <type_traits>

#include "model/numeri.h"

namespace quadrivo {

FileLessico::FileLessico(const std::string& percorso) : fd_(::open(percorso.c_str(), O_RDONLY | O_CLOEXEC)) {}

FileLessico::~FileLessico() {
    if (fd_ >= 0) ::close(fd_);
}

std::int64_t FileLessico::dimensione() const {
    struct stat st {};
    return fd_ >= 0 && ::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode) ? st.st_size : 0;
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

BloccoLessico bloccoEffettivo(VoceLessico voce, int lunghezza, std::int64_t dimensioneFile) {
    if (lunghezza < lunghezzaMinimaLessico || lunghezza > lunghezzaMassimaLessico) return {};
    if (voce.inizio <= dimensioneTestaLessico || voce.conta <= 0) return {};
    const std::int64_t offset = voce.inizio - 1;
    if (offset >= dimensioneFile) return {};
    const std::int64_t contenute = (dimensioneFile - offset) / lunghezza;
    return {offset, std::min<std::int64_t>(voce.conta, contenute)};
}

IndiceLessico::IndiceLessico(std::string_view dati, const IndiceFileLessico& voci) {
    for (int n = lunghezzaMinimaLessico; n <= lunghezzaMassimaLessico; ++n) {
        PerLunghezza& pl = lunghezze_[n];
        pl.blocco = bloccoEffettivo(voci[n], n, static_cast<std::int64_t>(dati.size()));
        // Word numbers are stored in 32 bits; no real file comes near that.
        pl.blocco.conta = std::min<std::int64_t>(pl.blocco.conta, UINT32_MAX);
        if (pl.blocco.conta == 0) continue;
        const auto conta = static_cast<std::uint32_t>(pl.blocco.conta);
        const auto* parole = reinterpret_cast<const unsigned char*>(dati.data() + pl.blocco.offset);
        pl.inizi.assign(n, {});
        auto riempi = [&](auto& liste) {
            liste.assign(n, {});
            for (int p = 0; p < n; ++p) {
                auto& inizi = pl.inizi[p];
                for (std::uint32_t k = 0; k < conta; ++k) ++inizi[parole[std::size_t(k) * n + p] + 1];
                for (int c = 1; c < 257; ++c) inizi[c] += inizi[c - 1];
                std::array<std::uint32_t, 256> prossimo;
                std::copy_n(inizi.begin(), 256, prossimo.begin());
                auto& numeri = liste[p];
                numeri.resize(conta);
                for (std::uint32_t k = 0; k < conta; ++k) {
                    using Numero = typename std::remove_reference_t<decltype(numeri)>::value_type;
                    numeri[prossimo[parole[std::size_t(k) * n + p]]++] = static_cast<Numero>(k);
                }
            }
        };
        if (conta <= 65536) riempi(pl.corti);
        else riempi(pl.lunghi);
    }
}

BloccoLessico IndiceLessico::blocco(int n) const {
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) return {};
    return lunghezze_[n].blocco;
}

ListaParole IndiceLessico::parole(int n, int p, unsigned char c) const {
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) return {};
    const PerLunghezza& pl = lunghezze_[n];
    if (p < 0 || p >= static_cast<int>(pl.inizi.size())) return {};
    const auto& inizi = pl.inizi[p];
    if (!pl.corti.empty()) return {pl.corti[p].data() + inizi[c], inizi[c + 1] - inizi[c]};
    return {pl.lunghi[p].data() + inizi[c], inizi[c + 1] - inizi[c]};
}

std::size_t IndiceLessico::memoria() const {
    std::size_t byte = sizeof(*this);
    for (const PerLunghezza& pl : lunghezze_) {
        byte += pl.inizi.capacity() * sizeof(pl.inizi[0]);
        for (const auto& v : pl.corti) byte += sizeof(v) + v.capacity() * sizeof(v[0]);
        for (const auto& v : pl.lunghi) byte += sizeof(v) + v.capacity() * sizeof(v[0]);
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
    if (std::any_of(fisse_.begin(), fisse_.end(), [](const Fissa& f) { return f.c == '\0'; })) {
        tutte_ = false;  // an empty candidate list: nothing to read, nothing found
        quante_ = 0;
        return;
    }
    if (fisse_.empty() || indice == nullptr || indice->blocco(lunghezza).conta != conta) return;
    // One fixed letter's list gives the candidates; the others are checked on the words
    // themselves, which also keeps the result exact for the bytes read. A short list is
    // cheap to check, a narrow one cheap to read: a first letter's words stand together.
    tutte_ = false;
    auto costo = [&](const ListaParole& lista) {
        if (lista.empty()) return std::uint64_t(0);
        const std::uint64_t tratto = std::uint64_t(lista[lista.size() - 1] - lista[0] + 1) * lunghezza;
        return 64 * std::uint64_t(lista.size()) + tratto;
    };
    candidate_ = indice->parole(lunghezza, fisse_[0].p, fisse_[0].c);
    for (const Fissa& f : fisse_) {
        const ListaParole lista = indice->parole(lunghezza, f.p, f.c);
        if (costo(lista) < costo(candidate_)) candidate_ = lista;
    }
    primo_ = candidate_.empty() ? 0 : candidate_[0];
    quante_ = candidate_.empty() ? 0 : candidate_[candidate_.size() - 1] - primo_ + 1;
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
        const Fissa* const fisse = fisse_.data();
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
        const Fissa* const fisse = fisse_.data();
        const std::size_t quante = fisse_.size();
        const std::size_t lunghezza = static_cast<std::size_t>(lunghezza_);
        const std::uint32_t primo = primo_;
        std::uint32_t tante = 0;
        candidate_.perOgni([&](std::uint32_t k) {
            if (k - primo >= lette) return false;  // ascending: the rest were not read
            const unsigned char* parola = byte + (k - primo) * lunghezza;
            bool uguale = true;
            for (std::size_t j = 0; j < quante; ++j) uguale &= parola[fisse[j].p] == fisse[j].c;
            uscita[tante] = k;
            tante += uguale;
            return true;
        });
        trovate.resize(tante);
    }
    return trovate;
}

std::vector<std::uint32_t> paroleCompatibili(std::string_view blocco, int lunghezza, std::string_view maschera,
                                             const IndiceLessico* indice) {
    if (lunghezza <= 0) return {};
    const RicercaMaschera ricerca(lunghezza, maschera, static_cast<std::int64_t>(blocco.size()) / lunghezza, indice);
    return ricerca.trova(blocco.substr(std::min(blocco.size(), std::size_t(ricerca.primo()) * lunghezza)));
}

}  // namespace quadrivo
