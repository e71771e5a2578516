#include "solving/lessico.h"

#include <algorithm>
#include <new>

#include "model/file.h"
#include "model/numeri.h"
#include "model/testo.h"
#include "model/tipo_file.h"
#include "solving/lessico_incroci.h"
#include "solving/lessico_indice.h"
#include "solving/lessico_parole.h"
#include "solving/varianti.h"

namespace quadrivo {

namespace {
std::string motivoFile(const FileLessico& f, const std::string& percorso) {
    if (!f.aperto()) return percheIlleggibile(percorso);
    if (f.dimensione() > dimensioneMassimaLessico) return "è troppo grande";
    return nonDizionario(f.leggi(0, dimensioneTestaLessico).vista(), f.dimensione()) ? "non è un dizionario" : "";
}

std::string avvisoDifetto(const Lessico& s, const std::string& difetto) {
    return "Il file di vocabolario " + s.file + " " + difetto +
           ". Si cercano solo le parole che il file contiene davvero.";
}
}  // namespace

std::string motivoLessico(const std::string& percorso) { return motivoFile(FileLessico(percorso), percorso); }

bool lessicoUtilizzabile(const std::string& percorso) { return motivoLessico(percorso).empty(); }

namespace {
void leggiBlocchi(Lessico& s, std::string_view testa) {
    const IndiceFileLessico voci = leggiIndiceLessico(testa.substr(0, dimensioneTestaLessico));
    for (int L = lunghezzaMinimaLessico; L <= lunghezzaMassimaLessico; ++L) {
        s.inizio[L] = voci[L].inizio;
        s.conta[L] = voci[L].conta;
    }
}
}  // namespace

bool indicizzaLessico(Lessico& s) {
    const std::string percorso = s.percorso();
    s.indice.reset();
    if (!lessicoUtilizzabile(percorso)) return false;
    try {
        const FileLessico f(percorso);
        FileLessico::Identita identita = f.identita();
        const FileLessico::Letti letti = f.leggi(0, f.dimensione());
        // Changed while it was read: the words are always read again from the file.
        if (f.identita() != identita) identita = {};
        const std::string_view dati = letti.vista();
        leggiBlocchi(s, dati);
        auto indice = std::make_shared<IndiceLessico>(dati, leggiIndiceLessico(dati.substr(0, dimensioneTestaLessico)));
        indice->file = identita;
        s.indice = std::move(indice);
    } catch (const std::bad_alloc&) {
        s.indice.reset();
        return false;
    }
    return true;
}

bool caricaLessico(Lessico& s, Piattaforma& piattaforma) {
    if (const std::string avviso = preparaLessico(s); !avviso.empty()) piattaforma.messaggio(avviso, {}, Icona::attenzione);
    return indicizzaLessico(s);
}

std::string preparaLessico(Lessico& s) {
    const std::string percorso = s.percorso();
    s.indice.reset();
    const FileLessico f(percorso);
    const bool usabile = motivoFile(f, percorso).empty();
    const FileLessico::Letti testa = usabile ? f.leggi(0, dimensioneTestaLessico) : FileLessico::Letti{};
    leggiBlocchi(s, testa.vista());
    const std::string difetto = usabile ? difettoLessico(testa.vista(), f.dimensione()) : std::string();
    return difetto.empty() ? std::string() : avvisoDifetto(s, difetto);
}

bool scegliLingua(Lessico& s, Piattaforma& piattaforma, int lingua) {
    if (lingua < 1 || lingua > 4 || lingua == s.lingua) return false;
    // Checked first: a language whose file cannot be used keeps the one in use.
    if (const std::string motivo = motivoLessico(s.cartella + fileLessicoPerLingua[lingua]); !motivo.empty()) {
        piattaforma.messaggio(std::string("Impossibile usare il file di vocabolario ") + fileLessicoPerLingua[lingua] +
                                  " (" + motivo + "): resta in uso il dizionario " + s.file + ".",
                              {}, Icona::attenzione);
        return false;
    }
    s.lingua = static_cast<std::int16_t>(lingua);
    s.file = fileLessicoPerLingua[lingua];
    // The block table only: the word index is built when a way of searching needs it.
    if (const std::string avviso = preparaLessico(s); !avviso.empty()) piattaforma.messaggio(avviso, {}, Icona::attenzione);
    return true;
}

std::string ParoleTrovate::utf8(std::size_t i) const {
    const std::string_view parola = (*this)[i];
    // Dictionary words are plain letters: the code-page conversion only where a byte needs it.
    if (std::all_of(parola.begin(), parola.end(), [](char c) { return (c & 0x80) == 0; })) return std::string(parola);
    return daWindows1252(parola);
}

std::vector<std::string> ParoleTrovate::tutteUtf8() const {
    std::vector<std::string> parole;
    parole.reserve(size());
    for (std::size_t i = 0; i < size(); ++i) parole.push_back(utf8(i));
    return parole;
}

namespace {

// The words of the index's own copy that agree with the mask: a blank stands for any byte, a
// NUL for none. Returns the number of the first, or -1.
std::int64_t paroleInMemoria(const IndiceLessico& indice, int n, std::string_view maschera, std::string& uscita) {
    std::vector<IndiceLessico::Fissa> fisse;
    for (int p = 0; p < n; ++p) {
        if (maschera[p] == ' ') continue;
        if (maschera[p] == '\0') {
            uscita.clear();
            return -1;
        }
        fisse.push_back({p, static_cast<unsigned char>(maschera[p])});
    }
    if (!fisse.empty()) return indice.copiaParole(n, fisse, uscita);
    uscita.assign(indice.parole(n));
    return uscita.empty() ? -1 : 0;
}

}  // namespace

ParoleTrovate cercaNelLessico(const Lessico& s, Piattaforma& piattaforma, const std::string& maschera,
                              VistaRicerca& vista) {
    ParoleTrovate trovate;
    const int n = static_cast<int>(maschera.size());
    piattaforma.impostaPuntatore(Puntatore::clessidra);
    vista.svuotaLista();
    auto concludi = [&] {
        vista.impostaStato("Trov.:" + conSegno(static_cast<long long>(trovate.size())));
        piattaforma.impostaPuntatore(Puntatore::predefinito);
        vista.impostaTestoLista(trovate.empty() ? std::string() : trovate.utf8(0));
    };
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) {
        concludi();
        return trovate;
    }

    const FileLessico f(s.percorso());
    if (const std::string motivo = motivoFile(f, s.percorso()); !motivo.empty()) {
        piattaforma.impostaPuntatore(Puntatore::predefinito);
        piattaforma.messaggio("Impossibile usare il dizionario " + s.file + " (" + motivo +
                                  "): la ricerca non è possibile.",
                              {}, Icona::attenzione);
        concludi();
        return trovate;
    }
    Superficie& barra = vista.progresso();
    barra.rettangoloPieno(0, 0, barra.larghezzaScala(), barra.altezzaScala(), giallo);

    // Only the words the file really holds are searched, read in one go: the whole block, or
    // with the index just the stretch that holds the candidates.
    const VoceLessico voce{s.inizio[n], s.conta[n]};
    const FileLessico::Identita file = f.identita();
    const BloccoLessico blocco = bloccoEffettivo(voce, n, std::max<std::int64_t>(file.dimensione, 0));
    const IndiceLessico* indice = s.indice.get();
    if (indice != nullptr && indice->blocco(n).offset != blocco.offset) indice = nullptr;
    // The file unchanged since loading holds the words the index kept, and its sets give them
    // exactly; otherwise they are read and checked against the mask.
    std::string parole;
    std::int64_t primoTrovato = -1;
    const bool inMemoria = indice != nullptr && indice->file.dimensione >= 0 && indice->file == file &&
                           indice->blocco(n).conta == blocco.conta;
    if (maschera.find_first_of("@#") != std::string::npos) {
        // A vowel or a consonant asked for: the classes' sets, or the block read and scanned.
        const Maschera classi = mascheraDaDialogo(maschera);
        FileLessico::Letti letti;
        std::string_view tutte = inMemoria ? indice->parole(n) : std::string_view();
        if (!inMemoria) {
            letti = f.leggi(blocco.offset, blocco.conta * n);
            tutte = letti.vista();
        }
        const std::vector<std::uint32_t> numeri =
            inMemoria ? paroleMaschera(*indice, classi) : paroleMascheraBlocco(tutte, classi);
        for (const std::uint32_t k : numeri) parole.append(tutte.substr(std::size_t(k) * std::size_t(n), std::size_t(n)));
        primoTrovato = numeri.empty() ? -1 : std::int64_t(numeri.front());
    } else if (inMemoria) {
        primoTrovato = paroleInMemoria(*indice, n, maschera, parole);
    } else {
        const RicercaMaschera ricerca(n, maschera, blocco.conta, indice);
        const FileLessico::Letti letti =
            f.leggi(blocco.offset + std::int64_t(ricerca.primo()) * n, std::int64_t(ricerca.quante()) * n);
        primoTrovato = ricerca.copiaTrovate(letti.vista(), parole);
    }
    const std::int64_t conta = blocco.conta;

    // The bar goes dark blue every 100 words and at the last; "Trovata" comes when the scan
    // reaches the first word found.
    std::int64_t dipinte = 0;
    const double larghezza = barra.larghezzaScala(), altezza = barra.altezzaScala();
    auto dipingiFinoA = [&](std::int64_t k) {
        for (std::int64_t passo = (dipinte / 100 + 1) * 100; passo <= k && passo <= conta; passo += 100) {
            barra.rettangoloPieno(0, 0, larghezza * double(passo) / double(conta), altezza, bluScuro);
            dipinte = passo;
        }
        if (k >= conta && conta > 0 && dipinte < conta) {
            barra.rettangoloPieno(0, 0, larghezza, altezza, bluScuro);
            dipinte = conta;
        }
    };
    if (primoTrovato >= 0) {
        dipingiFinoA(primoTrovato + 1);
        vista.impostaStato("Trovata");
    }
    dipingiFinoA(conta);

    trovate = ParoleTrovate(n, std::move(parole));
    vista.aggiungiParole(trovate);
    concludi();
    return trovate;
}

std::vector<VoceRicerca> elencoParole(const Cruciverba& x, const Lessico& s, const Posizione& aperta, ModoRicerca modo,
                                      const std::string& maschera) {
    std::vector<VoceRicerca> voci;
    const IndiceLessico* indice = s.indice.get();
    if (indice == nullptr) return voci;
    const int n = static_cast<int>(maschera.size());
    auto parola = [&](int lunghezza, std::uint32_t k) {
        return std::string(indice->parole(lunghezza).substr(std::size_t(k) * std::size_t(lunghezza), std::size_t(lunghezza)));
    };
    switch (modo) {
    case ModoRicerca::maschera:
        for (const std::uint32_t k : paroleMaschera(*indice, mascheraDaDialogo(maschera))) voci.push_back({parola(n, k), ""});
        break;
    case ModoRicerca::anagramma: {
        // Blank boxes are the letters not known yet.
        std::string lettere = maschera;
        std::replace(lettere.begin(), lettere.end(), ' ', '.');
        for (const std::uint32_t k : anagrammi(*indice, lettere)) voci.push_back({parola(n, k), ""});
        break;
    }
    case ModoRicerca::frammenti: {
        // The boxes' letters in order are the fragment (a fragment is almost always shorter than
        // its word); the words it comes from have the word's length, and are for reading only.
        std::string frammento;
        for (const char c : maschera)
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) frammento += c;
        for (const TrovataFrammento& t : frammenti(*indice, frammento))
            if (lunghezzaId(t.id) == n)
                voci.push_back({"", daWindows1252(parola(n, numeroId(t.id))) + " (" + nomeRelazione(t.relazione) + ")"});
        break;
    }
    case ModoRicerca::incroci:
        if (const std::optional<Definizione> w = parolaDa(x, {aperta.colonna, aperta.riga}, aperta.direzione)) {
            if (static_cast<int>(w->caselle.size()) != n) break;
            // The boxes' letters for the word, the grid's for the crossing words.
            for (const CandidatoIncroci& c :
                 paroleConIncroci(*indice, mascheraDaDialogo(maschera), incrociCaselle(x, w->caselle)))
                voci.push_back({parola(n, c.numero), "(" + std::to_string(c.rimaste) + ")"});
        }
        break;
    }
    return voci;
}

}  // namespace quadrivo
