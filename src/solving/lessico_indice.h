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

    bool aperto() const { return fd_ >= 0; }  // a regular file, opened without blocking
    std::int64_t dimensione() const;  // 0 when it is not a regular file
    // Which file this is and how it was last changed: equal only while it holds the same bytes
    // (the same file, size and time of the last write).
    struct Identita {
        std::uint64_t dispositivo = 0, nodo = 0;
        std::int64_t dimensione = -1, secondi = 0, nanosecondi = 0;
        bool operator==(const Identita&) const = default;
    };
    Identita identita() const;  // dimensione -1 when it cannot be told
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

// A word anywhere in the dictionary: its length and its 0-based number in that block. Ordered
// as numbers, they follow the file.
inline constexpr std::uint32_t idParola(int n, std::uint32_t k) { return std::uint32_t(n) << 24 | k; }
inline constexpr int lunghezzaId(std::uint32_t id) { return int(id >> 24); }
inline constexpr std::uint32_t numeroId(std::uint32_t id) { return id & 0xFFFFFF; }

// Italian solvers count A E I O U as vowels and the other letters A..Z as consonants; any other
// byte is neither.
inline constexpr bool vocale(unsigned char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }
inline constexpr bool consonante(unsigned char c) { return c >= 'A' && c <= 'Z' && !vocale(c); }
// The hash of a word's consonants (or vowels), in order; a fragment hashes as itself when it
// is all consonants (vowels).
std::uint32_t improntaScheletro(std::string_view parola, bool consonanti);

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
// What is wrong with a dictionary of `dimensione` bytes starting with `testa`: the blocks must
// follow one another from byte 409, each a whole number of words, the last ending with the
// file. "" when all is well, else the end of a sentence naming the first length concerned
// ("è troncato: le parole di 9 lettere finiscono oltre la fine del file").
std::string difettoLessico(std::string_view testa, std::int64_t dimensione);
// Whether the file holds no dictionary at all: too short for the index, or a damaged index
// under which not one length has a whole word inside the file. Anything else is searched,
// damaged or not.
bool nonDizionario(std::string_view testa, std::int64_t dimensione);

// The part of a file a length block may really use: 0-based offset and number of whole words.
// A block starting inside the header or index, a count below 1, or words past the file's end
// are not searched.
struct BloccoLessico {
    std::int64_t offset = 0;
    std::int64_t conta = 0;
};
BloccoLessico bloccoEffettivo(VoceLessico voce, int lunghezza, std::int64_t dimensioneFile);

// The words of each length a file really holds (the blocks bloccoEffettivo gives), where
// they lie: a query that scans them needs no index.
struct BlocchiLessico {
    std::array<std::string_view, lunghezzaMassimaLessico + 1> parole{};  // 3..15 used
    std::string_view blocco(int n) const {
        return n >= lunghezzaMinimaLessico && n <= lunghezzaMassimaLessico ? parole[std::size_t(n)] : std::string_view();
    }
};
// `dati` is the whole file; the views point into it.
BlocchiLessico blocchiLessico(std::string_view dati);

// For each length, position and byte value, the set of words (0-based numbers in their block)
// that have that byte at that position. A set is a bit set over the 64-word groups from its
// first word to its last, or the sorted list of its numbers where that takes less memory: the
// letters a word list uses often are bit sets, rare ones and stray bytes short lists.
class IndiceLessico {
public:
    IndiceLessico() = default;
    // `dati` is the whole file; `voci` its index as read by leggiIndiceLessico.
    IndiceLessico(std::string_view dati, const IndiceFileLessico& voci);

    // The block the index was built over for length n (0 words when n is out of range), and
    // its words as they were then.
    BloccoLessico blocco(int n) const;
    std::string_view parole(int n) const;
    // The file the index was built from, when known: while it is unchanged its words are taken
    // from memory instead of being read again.
    FileLessico::Identita file;
    // Bytes the index takes in memory, and of these the part kept for anagrams and fragments.
    std::size_t memoria() const;
    std::size_t memoriaParole() const;

    // For each letter A..Z (0..25), the words of length n holding it anywhere, as a bit set over
    // the block's 64-word groups (gruppi(n) of them): an anagram intersects its letters' sets.
    const std::uint64_t* conLettera(int n, int lettera) const;
    std::size_t gruppi(int n) const;
    // Every word (numbered with idParola), ordered by the hash of its consonants, or of its
    // vowels, then in file order: the words of one skeleton lie together.
    enum class Scheletro { consonanti, vocali };
    const std::vector<std::uint32_t>& perScheletro(Scheletro s) const;
    // How many words have byte c at position p; and the same words set in `bit`, a bit set
    // over the whole block (bit k for word k).
    std::uint32_t contaInsieme(int n, int p, unsigned char c) const;
    bool haInsieme(int n, int p, unsigned char c) const {
        if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) return false;
        const std::size_t i = std::size_t(p) * 256 + c;
        return p >= 0 && i < lunghezze_[n].voce.size() && lunghezze_[n].voce[i] != 0;
    }
    void unisci(int n, int p, unsigned char c, std::uint64_t* bit) const;

    // The numbers, ascending, of the words of length n having every fixed byte (position,
    // byte) of `fisse`; no fixed byte gives nothing (every word fits: the caller knows).
    struct Fissa {
        int p;
        unsigned char c;
    };
    std::vector<std::uint32_t> candidate(int n, const std::vector<Fissa>& fisse) const;
    // The same words, copied from the index's own copy of the block next to each other into
    // `uscita` (straight from the bits where every set is a bit set); returns the number of
    // the first, or -1 when there is none.
    std::int64_t copiaParole(int n, const std::vector<Fissa>& fisse, std::string& uscita) const;

private:
    struct Insieme {
        std::uint32_t da = 0;      // bit set: first 64-word group; list: unused
        std::uint32_t quanti = 0;  // groups of the bit set, or numbers of the list; 0: empty
        std::uint32_t inizio = 0;  // where it starts in `bit` or in `numeri`
        bool lista = false;
    };
    struct PerLunghezza {
        BloccoLessico blocco;
        std::string parole;
        std::vector<std::uint16_t> voce;  // [p * 256 + c]: 1 + its place in `insiemi`, 0 for none
        std::vector<Insieme> insiemi;
        std::vector<std::uint64_t> bit;
        std::vector<std::uint32_t> numeri;
        std::vector<std::uint64_t> conLettera;  // [lettera * gruppi + g]
    };
    const Insieme* insieme(const PerLunghezza& pl, int p, unsigned char c) const;
    std::array<PerLunghezza, lunghezzaMassimaLessico + 1> lunghezze_{};
    std::array<std::vector<std::uint32_t>, 2> scheletri_;
};

// One mask search over a length block of `contaBlocco` words. With an index built over that
// same block only the words in every fixed letter's set are candidates, and only the stretch
// of the block from the first to the last of them has to be read.
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
    // The same words' bytes, next to each other in `uscita`, in one pass over the candidates;
    // returns the number of the first, or -1 when no word agrees.
    std::int64_t copiaTrovate(std::string_view parole, std::string& uscita) const;

private:
    int lunghezza_;
    std::vector<IndiceLessico::Fissa> fisse_;
    std::vector<std::uint32_t> candidate_;
    bool tutte_ = true;  // no index: every word of the stretch is a candidate
    std::uint32_t primo_ = 0, quante_ = 0;
};

// The whole search over a block held in memory (`lunghezza` bytes a word, back to back).
std::vector<std::uint32_t> paroleCompatibili(std::string_view blocco, int lunghezza, std::string_view maschera,
                                             const IndiceLessico* indice = nullptr);

}  // namespace quadrivo
