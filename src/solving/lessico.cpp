#include "solving/lessico.h"

#include <algorithm>
#include <new>

#include "model/file.h"
#include "model/numeri.h"
#include "model/testo.h"
#include "solving/lessico_indice.h"

namespace quadrivo {

bool lessicoUtilizzabile(const std::string& percorso) {
    const FileLessico f(percorso);
    return esisteFile(percorso) && f.aperto() && f.dimensione() <= dimensioneMassimaLessico;
}

void caricaLessico(Stato& s, Piattaforma& piattaforma) {
    const std::string percorso = s.cartellaProgramma + s.fileLessico;
    const std::string messaggio = "Errore fatale! non trovato file di vocabolario: " + s.fileLessico;
    if (!lessicoUtilizzabile(percorso)) fatale(piattaforma, messaggio);
    FileLessico::Letti letti;
    try {
        const FileLessico f(percorso);
        letti = f.leggi(0, f.dimensione());
    } catch (const std::bad_alloc&) {
        fatale(piattaforma, messaggio);
    }
    const std::string_view dati = letti.vista();
    const IndiceFileLessico voci = leggiIndiceLessico(dati.substr(0, dimensioneTestaLessico));
    for (int L = lunghezzaMinimaLessico; L <= lunghezzaMassimaLessico; ++L) {
        s.inizioLessico[L] = voci[L].inizio;
        s.contaLessico[L] = voci[L].conta;
    }
    try {
        s.indiceParole = std::make_shared<const IndiceLessico>(dati, voci);
    } catch (const std::bad_alloc&) {
        fatale(piattaforma, messaggio);
    }
}

bool scegliLingua(Stato& s, Piattaforma& piattaforma, int lingua) {
    if (lingua < 1 || lingua > 4 || lingua == s.linguaLessico) return false;
    // Checked first: a language whose file cannot be used must not end the program.
    if (!lessicoUtilizzabile(s.cartellaProgramma + fileLessicoPerLingua[lingua])) {
        piattaforma.messaggio(std::string("Impossibile usare il file di vocabolario ") + fileLessicoPerLingua[lingua] +
                                  " (mancante, illeggibile o troppo grande): resta in uso il dizionario " +
                                  s.fileLessico + ".",
                              {}, Icona::attenzione);
        return false;
    }
    s.linguaLessico = static_cast<std::int16_t>(lingua);
    s.fileLessico = fileLessicoPerLingua[lingua];
    caricaLessico(s, piattaforma);
    return true;
}

std::vector<std::string> cercaNelLessico(const Stato& s, Piattaforma& piattaforma, const std::string& maschera,
                                         VistaRicerca& vista) {
    std::vector<std::string> trovate;
    const int n = static_cast<int>(maschera.size());
    piattaforma.impostaPuntatore(Puntatore::clessidra);
    vista.svuotaLista();
    auto concludi = [&] {
        vista.impostaStato("Trov.:" + conSegno(static_cast<long long>(trovate.size())));
        piattaforma.impostaPuntatore(Puntatore::predefinito);
        vista.impostaTestoLista(trovate.empty() ? std::string() : trovate.front());
    };
    if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) {
        concludi();
        return trovate;
    }

    const FileLessico f(s.cartellaProgramma + s.fileLessico);
    if (!f.aperto()) {
        piattaforma.impostaPuntatore(Puntatore::predefinito);
        piattaforma.messaggio("Impossibile aprire il dizionario " + s.fileLessico + ": la ricerca non è possibile.",
                              {}, Icona::attenzione);
        concludi();
        return trovate;
    }
    Superficie& barra = vista.progresso();
    barra.rettangoloPieno(0, 0, barra.larghezzaScala(), barra.altezzaScala(), giallo);

    // Only the words the file really holds are searched, read in one go: the whole block, or
    // with the index just the stretch that holds the candidates.
    const VoceLessico voce{s.inizioLessico[n], s.contaLessico[n]};
    const BloccoLessico blocco = bloccoEffettivo(voce, n, f.dimensione());
    const IndiceLessico* indice = s.indiceParole.get();
    if (indice != nullptr && indice->blocco(n).offset != blocco.offset) indice = nullptr;
    const RicercaMaschera ricerca(n, maschera, blocco.conta, indice);
    const FileLessico::Letti letti =
        f.leggi(blocco.offset + std::int64_t(ricerca.primo()) * n, std::int64_t(ricerca.quante()) * n);
    const std::string_view byte = letti.vista();
    const std::vector<std::uint32_t> numeri = ricerca.trova(byte);
    const std::int64_t conta = blocco.conta;

    // The bar goes dark blue every 100 words and at the last; "Trovata" comes when the scan
    // reaches the first word found.
    std::int64_t dipinte = 0;
    auto dipingiFinoA = [&](std::int64_t k) {
        for (std::int64_t passo = (dipinte / 100 + 1) * 100; passo <= k && passo <= conta; passo += 100) {
            barra.rettangoloPieno(0, 0, barra.larghezzaScala() * double(passo) / double(conta), barra.altezzaScala(),
                                  bluScuro);
            dipinte = passo;
        }
        if (k >= conta && conta > 0 && dipinte < conta) {
            barra.rettangoloPieno(0, 0, barra.larghezzaScala(), barra.altezzaScala(), bluScuro);
            dipinte = conta;
        }
    };
    if (!numeri.empty()) {
        dipingiFinoA(std::int64_t(numeri.front()) + 1);
        vista.impostaStato("Trovata");
    }
    dipingiFinoA(conta);

    // Dictionary words are plain letters: the code-page conversion only where a byte needs it.
    const bool soloAscii = std::all_of(byte.begin(), byte.end(), [](char c) { return (c & 0x80) == 0; });
    trovate.reserve(numeri.size());
    for (std::uint32_t k : numeri) {
        const std::string_view parola = byte.substr(std::size_t(k - ricerca.primo()) * n, n);
        trovate.push_back(soloAscii ? std::string(parola) : daWindows1252(parola));
    }
    vista.aggiungiParole(trovate);
    concludi();
    return trovate;
}

}  // namespace quadrivo
