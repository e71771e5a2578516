#include "strumento.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <filesystem>
#include <iterator>
#include <sstream>

#include "model/tipo_file.h"
#include "solving/lessico_codici.h"
#include "solving/lessico_crea.h"
#include "solving/lessico_indice.h"
#include "solving/lessico_parole.h"

namespace quadrivo {

namespace {

constexpr const char* uso =
    "uso:\n"
    "  lessico --help\n"
    "      questo aiuto\n"
    "  lessico crea [--fonte TESTO] LINGUA USCITA LISTA...\n"
    "      costruisce un dizionario dalle liste di parole (una per riga, UTF-8;\n"
    "      un file .dic di hunspell fornisce i suoi lemmi)\n"
    "  lessico cerca DIZIONARIO MASCHERA\n"
    "      le parole che corrispondono alla maschera: \".\" o \"?\" una lettera qualsiasi,\n"
    "      \"@\" una vocale, \"#\" una consonante, \"[ABC]\" una di queste, \"[!ABC]\" nessuna di queste\n"
    "  lessico anagrammi DIZIONARIO LETTERE\n"
    "      le parole fatte esattamente di queste lettere (\".\" una lettera qualsiasi)\n"
    "  lessico frammenti DIZIONARIO FRAMMENTO\n"
    "      le parole di cui il frammento è consonanti, vocali, dispari, pari, estremi o centro\n"
    "  lessico incroci DIZIONARIO SCHEMA COLONNA RIGA o|v\n"
    "      le parole per la parola dello schema in quella casella che lasciano possibile\n"
    "      ogni parola incrociata, con il numero di candidate che restano agli incroci\n"
    "  lessico codici DIZIONARIO CODICI [MASCHERA]\n"
    "      le parole di un crittografato: CODICI come 3-7-3-12, un numero per lettera;\n"
    "      numeri uguali sono lettere uguali, numeri diversi lettere diverse; la maschera\n"
    "      fissa le lettere note\n"
    "  lessico info DIZIONARIO\n"
    "      l'intestazione e il numero di parole per lunghezza\n";

// Build date for the header: SOURCE_DATE_EPOCH when set, so rebuilds give the same bytes.
std::string dataOdierna() {
    std::time_t t = std::time(nullptr);
    if (const char* epoca = std::getenv("SOURCE_DATE_EPOCH")) t = static_cast<std::time_t>(std::atoll(epoca));
    std::tm tm{};
    gmtime_r(&t, &tm);
    char testo[16];
    std::strftime(testo, sizeof testo, "%Y-%m-%d", &tm);
    return testo;
}

// Every byte on disk before the rename: each write, the sync and the close are checked.
// On failure errno says why.
bool scriviTutto(const std::string& percorso, std::string_view dati) {
    // Never waits on a FIFO, and writes nothing into one or into a device.
    const int fd = ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EEXIST;
        return false;
    }
    while (!dati.empty()) {
        const ssize_t n = ::write(fd, dati.data(), dati.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int errore = n == 0 ? ENOSPC : errno;
            ::close(fd);
            errno = errore;
            return false;
        }
        dati.remove_prefix(static_cast<std::size_t>(n));
    }
    if (::fsync(fd) != 0) {
        const int errore = errno;
        ::close(fd);
        errno = errore;
        return false;
    }
    return ::close(fd) == 0;
}

int crea(std::vector<std::string> a, std::ostream& out, std::ostream& err) {
    std::string fonte;
    if (a.size() >= 2 && a[0] == "--fonte") {
        fonte = a[1];
        a.erase(a.begin(), a.begin() + 2);
    }
    if (a.size() < 3) {
        err << uso;
        return 2;
    }
    if (!sostituibile(a[1])) {
        err << "lessico: " << messaggioNonSostituibile(a[1]) << "\n";
        return 1;
    }
    std::vector<std::string> parole;
    std::string nomi;
    for (std::size_t i = 2; i < a.size(); ++i) {
        // Folders, FIFOs and devices (/dev/zero never ends) are no word lists.
        TipoFile tipo;
        const int fd = apriRegolare(a[i], &tipo);
        if (fd < 0) {
            if (tipo == TipoFile::mancante) err << "lessico: lista di parole non trovata: " << a[i] << "\n";
            else err << "lessico: non è un file di parole leggibile: " << a[i] << " (" << percheIlleggibile(a[i]) << ")\n";
            return 1;
        }
        std::string testo;
        char blocco[1 << 16];
        ssize_t n = 0;
        while ((n = ::read(fd, blocco, sizeof blocco)) > 0 || (n < 0 && errno == EINTR))
            if (n > 0) testo.append(blocco, static_cast<std::size_t>(n));
        ::close(fd);
        if (n < 0) {
            err << "lessico: errore di lettura: " << a[i] << "\n";
            return 1;
        }
        std::vector<std::string> righe;
        if (a[i].ends_with(".dic")) {
            righe = lemmiHunspell(testo);
        } else {
            std::istringstream s(testo);
            for (std::string riga; std::getline(s, riga);) {
                if (!riga.empty() && riga.back() == '\r') riga.pop_back();
                righe.push_back(std::move(riga));
            }
        }
        for (const std::string& r : righe)
            if (auto p = piegaParola(r)) parole.push_back(std::move(*p));
        nomi += (nomi.empty() ? "" : ", ") + std::filesystem::path(a[i]).filename().string();
    }
    std::string dati;
    try {
        dati = creaLessico(std::move(parole), {a[0], 0, fonte.empty() ? nomi : fonte, dataOdierna()});
    } catch (const ErroreLessico& e) {
        err << "lessico: " << e.what() << "\n";
        return 1;
    }
    // Written beside the target and renamed, so a failed build never leaves half a file.
    const std::string provvisorio = a[1] + ".parziale";
    if (!scriviTutto(provvisorio, dati)) {
        err << "lessico: impossibile scrivere " << provvisorio << ": " << std::strerror(errno) << "\n";
        ::unlink(provvisorio.c_str());
        return 1;
    }
    std::error_code ec;
    std::filesystem::rename(provvisorio, a[1], ec);
    if (ec) {
        err << "lessico: impossibile scrivere " << a[1] << ": " << ec.message() << "\n";
        ::unlink(provvisorio.c_str());
        return 1;
    }
    out << a[1] << ": " << leggiIntestazioneLessico(dati).parole << " parole\n";
    return 0;
}

// The mask with its letters folded as the grid folds them (È -> E) and "." for an unknown one;
// none when it holds anything else.
std::optional<std::string> piegaMaschera(std::string_view testo) {
    std::string maschera;
    while (!testo.empty()) {
        std::size_t lungo = 1;
        while (lungo < testo.size() && (static_cast<unsigned char>(testo[lungo]) & 0xC0) == 0x80) ++lungo;
        const std::string_view segno = testo.substr(0, lungo);
        testo.remove_prefix(lungo);
        if (segno == "." || segno == "?" || segno == " ") {
            maschera += '.';
        } else if (segno == "@" || segno == "#" || segno == "[" || segno == "]" || segno == "!") {
            maschera += segno;
        } else if (const std::optional<std::string> lettera = piegaParola(segno)) {
            maschera += *lettera;
        } else {
            return std::nullopt;
        }
    }
    return maschera;
}

// Lines out in large chunks; a line never straddles two.
class Righe {
public:
    explicit Righe(std::ostream& out) : out_(out), buffer_(std::make_unique_for_overwrite<char[]>(pezzo)) {}
    ~Righe() { svuota(); }
    Righe(const Righe&) = delete;
    Righe& operator=(const Righe&) = delete;
    void riga(std::string_view prima, std::string_view dopo = {}) {
        const std::size_t n = prima.size() + dopo.size() + 1;
        if (usati_ + n > pezzo) svuota();
        // An empty view may hold no pointer at all, which memcpy must never be given.
        if (!prima.empty()) std::memcpy(buffer_.get() + usati_, prima.data(), prima.size());
        if (!dopo.empty()) std::memcpy(buffer_.get() + usati_ + prima.size(), dopo.data(), dopo.size());
        buffer_[usati_ + n - 1] = '\n';
        usati_ += n;
    }
    bool chiudi() {
        svuota();
        out_.flush();
        return bool(out_);
    }

private:
    static constexpr std::size_t pezzo = std::size_t(1) << 16;
    void svuota() {
        out_.write(buffer_.get(), static_cast<std::streamsize>(usati_));
        usati_ = 0;
    }
    std::ostream& out_;
    std::unique_ptr<char[]> buffer_;
    std::size_t usati_ = 0;
};

int cerca(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) {
        err << uso;
        return 2;
    }
    const std::optional<std::string> piegata = piegaMaschera(a[1]);
    const EsitoMaschera maschera = piegata ? leggiMaschera(*piegata) : EsitoMaschera{{}, "carattere non ammesso"};
    if (!maschera.errore.empty()) {
        err << "lessico: maschera non valida: " << a[1] << " (" << maschera.errore
            << "; ammessi lettere, \".\", \"?\", \"@\", \"#\", \"[ABC]\", \"[!ABC]\")\n";
        return 1;
    }
    const int n = static_cast<int>(maschera.maschera.size());
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) {
        err << "lessico: la maschera deve avere da 3 a 15 caratteri\n";
        return 2;
    }
    const auto f = apriDizionario(a[0], err);
    if (!f) return 1;
    // One search costs less than building the index: the block of that length is scanned where
    // it lies (reading it into memory would cost the kernel more than mapping it).
    const std::string_view parole = blocchiLessico(f->dati()).blocco(n);
    Righe righe(out);
    for (const std::uint32_t k : paroleMascheraBlocco(parole, maschera.maschera))
        righe.riga(parole.substr(std::size_t(k) * std::size_t(n), std::size_t(n)));
    return righe.chiudi() ? 0 : 1;
}

// The letters of a word given on the command line, folded as the grid folds them; "." and "?"
// kept as "." when `jolly`. None when it holds anything else.
std::optional<std::string> piegaLettere(std::string_view testo, bool jolly) {
    std::optional<std::string> m = piegaMaschera(testo);
    if (m && std::all_of(m->begin(), m->end(), [&](char c) { return (c >= 'A' && c <= 'Z') || (jolly && c == '.'); }))
        return m;
    return std::nullopt;
}

int anagrammiDi(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) {
        err << uso;
        return 2;
    }
    const std::optional<std::string> lettere = piegaLettere(a[1], true);
    if (!lettere) {
        err << "lessico: lettere non valide: " << a[1] << " (solo lettere e \".\" per una lettera qualsiasi)\n";
        return 1;
    }
    const int n = static_cast<int>(lettere->size());
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) {
        err << "lessico: le lettere devono essere da 3 a 15\n";
        return 2;
    }
    const auto f = apriDizionario(a[0], err);
    if (!f) return 1;
    // Only the block of that length is read: a query costs less than building the index.
    const std::string_view parole = blocchiLessico(f->dati()).blocco(n);
    Righe righe(out);
    for (const std::uint32_t k : anagrammiBlocco(parole, *lettere))
        righe.riga(parole.substr(std::size_t(k) * std::size_t(n), std::size_t(n)));
    return righe.chiudi() ? 0 : 1;
}

int frammentiDi(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2) {
        err << uso;
        return 2;
    }
    const std::optional<std::string> frammento = piegaLettere(a[1], false);
    if (!frammento || frammento->empty() || frammento->size() > std::size_t(lunghezzaMassimaLessico)) {
        err << "lessico: frammento non valido: " << a[1] << " (da 1 a 15 lettere)\n";
        return 1;
    }
    const auto f = apriDizionario(a[0], err);
    if (!f) return 1;
    // The words are looked at where they lie: one query costs less than building the index.
    const BlocchiLessico blocchi = blocchiLessico(f->dati());
    Righe righe(out);
    for (const TrovataFrammento& t : frammenti(blocchi, *frammento)) {
        const int n = lunghezzaId(t.id);
        righe.riga(std::string(nomeRelazione(t.relazione)) + " ",
                   blocchi.blocco(n).substr(std::size_t(numeroId(t.id)) * std::size_t(n), std::size_t(n)));
    }
    return righe.chiudi() ? 0 : 1;
}

int codiciDi(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 2 && a.size() != 3) {
        err << uso;
        return 2;
    }
    const std::optional<std::vector<int>> codici = leggiCodici(a[1]);
    if (!codici) {
        err << "lessico: codici non validi: " << a[1] << " (numeri da 1 in su separati da \"-\", come 3-7-3-12)\n";
        return 1;
    }
    const int n = static_cast<int>(codici->size());
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) {
        err << "lessico: i codici devono essere da 3 a 15\n";
        return 2;
    }
    Maschera maschera;
    if (a.size() == 3) {
        const std::optional<std::string> piegata = piegaMaschera(a[2]);
        EsitoMaschera m = piegata ? leggiMaschera(*piegata) : EsitoMaschera{{}, "carattere non ammesso"};
        if (m.errore.empty() && static_cast<int>(m.maschera.size()) != n) m.errore = "non ha una lettera per codice";
        if (!m.errore.empty()) {
            err << "lessico: maschera non valida: " << a[2] << " (" << m.errore << ")\n";
            return 1;
        }
        maschera = std::move(m.maschera);
    }
    const auto f = apriDizionario(a[0], err);
    if (!f) return 1;
    const std::string_view parole = blocchiLessico(f->dati()).blocco(n);
    Righe righe(out);
    for (const std::uint32_t k : paroleCodiciBlocco(parole, *codici, maschera))
        righe.riga(parole.substr(std::size_t(k) * std::size_t(n), std::size_t(n)));
    return righe.chiudi() ? 0 : 1;
}

int info(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 1) {
        err << uso;
        return 2;
    }
    const FileLessico f(a[0]);
    if (!f.aperto()) {
        err << "lessico: impossibile aprire " << a[0] << " (" << percheIlleggibile(a[0]) << ")\n";
        return 1;
    }
    const auto testa = f.leggi(0, dimensioneTestaLessico);
    const IntestazioneLessico i = leggiIntestazioneLessico(testa.vista());
    out << "Lingua: " << i.lingua << "\nParole: " << i.parole << "\nFonte: " << i.fonte << "\nData: " << i.data
        << "\n";
    const IndiceFileLessico voci = leggiIndiceLessico(testa.vista());
    std::int64_t totale = 0;
    for (int L = lunghezzaMinimaLessico; L <= lunghezzaMassimaLessico; ++L) {
        const std::int64_t conta = bloccoEffettivo(voci[L], L, f.dimensione()).conta;
        totale += conta;
        char riga[80];
        std::snprintf(riga, sizeof riga, "lunghezza %2d: %8lld parole", L, static_cast<long long>(conta));
        out << riga;
        if (conta != voci[L].conta) out << " (l'indice ne dichiara " << voci[L].conta << ")";
        out << "\n";
    }
    out << "totale: " << totale << " parole\n";
    if (const std::string difetto = difettoLessico(testa.vista(), f.dimensione()); !difetto.empty()) {
        err << "lessico: " << a[0] << " non è un dizionario valido: " << difetto << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

Mappa::Mappa(const std::string& percorso) {
    const int fd = apriRegolare(percorso);
    if (fd < 0) return;
    aperta_ = true;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size > 0) {
        void* p = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (p != MAP_FAILED) dati_ = {static_cast<const char*>(p), static_cast<std::size_t>(st.st_size)};
    }
    ::close(fd);
}

Mappa::~Mappa() {
    if (!dati_.empty()) ::munmap(const_cast<char*>(dati_.data()), dati_.size());
}

bool controllaDizionario(const std::string& percorso, std::string_view testa, std::int64_t dimensione, std::ostream& err) {
    const std::string difetto = difettoLessico(testa, dimensione);
    if (difetto.empty()) return true;
    if (nonDizionario(testa, dimensione)) {
        err << "lessico: " << percorso << " non è un dizionario: " << difetto << "\n";
        return false;
    }
    // Damaged, not useless: said once, and the lengths whose words are in the file still serve.
    err << "lessico: attenzione: " << percorso << " " << difetto
        << "; si cercano solo le parole che il file contiene davvero\n";
    return true;
}

std::unique_ptr<Mappa> apriDizionario(const std::string& percorso, std::ostream& err) {
    auto f = std::make_unique<Mappa>(percorso);
    if (!f->aperta()) {
        err << "lessico: impossibile aprire " << percorso << " (" << percheIlleggibile(percorso) << ")\n";
        return nullptr;
    }
    const std::string_view dati = f->dati();
    return controllaDizionario(percorso, dati, std::int64_t(dati.size()), err) ? std::move(f) : nullptr;
}

int (*eseguiIncroci)(const std::vector<std::string>&, std::ostream&, std::ostream&) = nullptr;

int eseguiLessico(const std::vector<std::string>& argomenti, std::ostream& out, std::ostream& err) {
    if (argomenti.empty()) {
        err << uso;
        return 2;
    }
    // Asked for, the usage is an answer: on the standard output, and no failure.
    if (argomenti.size() == 1 && (argomenti[0] == "--help" || argomenti[0] == "-h")) {
        out << uso;
        return 0;
    }
    const std::vector<std::string> resto(argomenti.begin() + 1, argomenti.end());
    if (argomenti[0] == "crea") return crea(resto, out, err);
    if (argomenti[0] == "cerca") return cerca(resto, out, err);
    if (argomenti[0] == "info") return info(resto, out, err);
    if (argomenti[0] == "anagrammi") return anagrammiDi(resto, out, err);
    if (argomenti[0] == "frammenti") return frammentiDi(resto, out, err);
    if (argomenti[0] == "codici") return codiciDi(resto, out, err);
    // The program's puzzle readers need Qt: the tool without it hands this one to its sibling.
    if (argomenti[0] == "incroci" && eseguiIncroci) return eseguiIncroci(resto, out, err);
    err << uso;
    return 2;
}

}  // namespace quadrivo
