#pragma once
// The index of a dictionary file and the mask search over one length block. Plain C++ with
// no toolkit, shared by the program and the `lessico` command-line tool.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quadrivo {

inline constexpr int lunghezzaMinimaLessico = 3;
inline constexpr int lunghezzaMassimaLessico = 15;
// Header, then 13 entries of two 8-character positions: the words start at byte 409.
inline constexpr std::int64_t dimensioneIntestazioneLessico = 200;
inline constexpr std::int64_t dimensioneTestaLessico = 408;

// A dictionary file open for reading, closed at the end of its scope.
class FileLessico {
public:
    explicit FileLessico(const std::string& percorso);
    ~FileLessico();
    FileLessico(const FileLessico&) = delete;
    FileLessico& operator=(const FileLessico&) = delete;

    bool aperto() const { return fd_ >= 0; }
    std::int64_t dimensione() const;  // 0 when it is not a regular file
    // Bytes read in one go, left uninitialised before the read: a block can be large.
    struct Letti {
        std::unique_ptr<char[]> byte;
        std::size_t dimensione = 0;
        std::string_view vista() const { return {byte.get(), dimensione}; }
    };
    // Up to `quanti` bytes from the 0-based `offset` in one read; fewer at the file's end.
    Letti leggi(std::int64_t offset, std::int64_t quanti) const;

private:
    int fd_;
};

// One entry of the file's index as the program keeps it: the 1-based position of the first
// word and the number of words, (past-the-end - first) div L truncated.
struct VoceLessico {
    std::int32_t inizio = 0;
    std::int32_t conta = 0;
};
using IndiceFileLessico = std::array<VoceLessico, lunghezzaMassimaLessico + 1>;  // 3..15 used

// An 8-character index field: blanks skipped, no digits read as 0, fractions rounded to the
// nearest whole number; a value beyond 32 bits reads as 0.
std::int32_t campoIndiceLessico(std::string_view campo);

// The index from the first bytes of a file; a file shorter than 408 bytes has blank fields.
IndiceFileLessico leggiIndiceLessico(std::string_view testa);

// The part of a file a length block may really use: 0-based offset and number of whole words.
// A block starting inside the header or index, a count below 1, or words past the file's end
// are not searched.
struct BloccoLessico {
    std::int64_t offset = 0;
    std::int64_t conta = 0;
};
BloccoLessico bloccoEffettivo(VoceLessico voce, int lunghezza, std::int64_t dimensioneFile);

// A list of word numbers, ascending; 16 bits a number when the block has at most 65,536 words.
class ListaParole {
public:
    ListaParole() = default;
    ListaParole(const std::uint16_t* numeri, std::size_t quanti) : corti_(numeri), quanti_(quanti) {}
    ListaParole(const std::uint32_t* numeri, std::size_t quanti) : lunghi_(numeri), quanti_(quanti) {}

    std::size_t size() const { return quanti_; }
    bool empty() const { return quanti_ == 0; }
    std::uint32_t operator[](std::size_t i) const { return corti_ != nullptr ? corti_[i] : lunghi_[i]; }
    // Calls f(number) in order until it returns false.
    template <typename F>
    void perOgni(F&& f) const {
        if (corti_ != nullptr) {
            for (std::size_t i = 0; i < quanti_; ++i)
                if (!f(std::uint32_t(corti_[i]))) return;
        } else {
            for (std::size_t i = 0; i < quanti_; ++i)
                if (!f(lunghi_[i])) return;
        }
    }

private:
    const std::uint16_t* corti_ = nullptr;
    const std::uint32_t* lunghi_ = nullptr;
    std::size_t quanti_ = 0;
};

// For each length, position and byte value, the numbers (0-based, ascending) of the words
// that have that byte at that position, stored once per position in counting-sort order.
class IndiceLessico {
public:
    IndiceLessico() = default;
    // `dati` is the whole file; `voci` its index as read by leggiIndiceLessico.
    IndiceLessico(std::string_view dati, const IndiceFileLessico& voci);

    // The block the index was built over for length n (0 words when n is out of range).
    BloccoLessico blocco(int n) const;
    // Words of length n with byte c at position p (0-based).
    ListaParole parole(int n, int p, unsigned char c) const;
    // Bytes the index takes in memory.
    std::size_t memoria() const;

private:
    struct PerLunghezza {
        BloccoLessico blocco;
        // For position p: byte c owns numeri[p][inizi[p][c] .. inizi[p][c + 1]), in `corti`
        // when the numbers fit in 16 bits, otherwise in `lunghi`.
        std::vector<std::array<std::uint32_t, 257>> inizi;
        std::vector<std::vector<std::uint16_t>> corti;
        std::vector<std::vector<std::uint32_t>> lunghi;
    };
    std::array<PerLunghezza, lunghezzaMassimaLessico + 1> lunghezze_{};
};

// One mask search over a length block of `contaBlocco` words. With an index built over that
// same block only the words on the shortest list of a fixed letter are candidates, and only
// the stretch of the block from the first to the last of them has to be read.
class RicercaMaschera {
public:
    RicercaMaschera(int lunghezza, std::string_view maschera, std::int64_t contaBlocco,
                    const IndiceLessico* indice = nullptr);

    // The words to read: numbers primo .. primo + quante - 1 of the block.
    std::uint32_t primo() const { return primo_; }
    std::uint32_t quante() const { return quante_; }

    // Numbers (0-based, in file order) of the words that agree with the mask, given the bytes
    // of the words from primo() on. A blank in the mask stands for any byte, a NUL for none,
    // every other byte must be equal. Words missing from a short `parole` are left out.
    std::vector<std::uint32_t> trova(std::string_view parole) const;

private:
    struct Fissa {
        int p;
        unsigned char c;
    };
    int lunghezza_;
    std::vector<Fissa> fisse_;
    ListaParole candidate_;
    bool tutte_ = true;  // no index list: every word of the stretch is a candidate
    std::uint32_t primo_ = 0, quante_ = 0;
};

// The whole search over a block held in memory (`lunghezza` bytes a word, back to back).
std::vector<std::uint32_t> paroleCompatibili(std::string_view blocco, int lunghezza, std::string_view maschera,
                                             const IndiceLessico* indice = nullptr);

}  // namespace quadrivo
