#include "solving/ricerca_giochi.h"

#include <algorithm>
#include <exception>

#include "model/numeri.h"
#include "model/testo.h"
#include "solving/lessico_indice.h"
#include "solving/lessico_parole.h"

namespace quadrivo {

namespace {

bool entraNellaMaschera(const std::string& parola, std::string maschera) {
    const std::string byte = aWindows1252(parola);
    if (maschera.size() != byte.size()) return maschera.find_first_not_of(" .") == std::string::npos;
    std::replace(maschera.begin(), maschera.end(), '.', ' ');
    const Maschera m = mascheraDaDialogo(maschera);
    for (size_t i = 0; i < byte.size(); ++i)
        if (!m[i].ammette(static_cast<unsigned char>(byte[i]))) return false;
    return true;
}

// The words of n letters of every dictionary in the program folder, the one in use first (a
// codeword's word may come from any language); a file that cannot be used is passed over. Only
// the index and that block are read.
std::vector<std::string> paroleDeiDizionari(const Lessico& s, int n) {
    std::vector<std::string> file{s.file}, blocchi;
    for (int i = 1; i <= 4; ++i)
        if (fileLessicoPerLingua[i] != s.file) file.push_back(fileLessicoPerLingua[i]);
    for (const std::string& nome : file) {
        const std::string percorso = s.cartella + nome;
        if (!lessicoUtilizzabile(percorso)) continue;
        if (n < lunghezzaMinimaLessico || n > lunghezzaMassimaLessico) {
            blocchi.emplace_back();  // no word of that length, yet a dictionary there is
            continue;
        }
        try {
            const FileLessico f(percorso);
            const FileLessico::Letti testa = f.leggi(0, dimensioneTestaLessico);
            const BloccoLessico b = bloccoEffettivo(leggiIndiceLessico(testa.vista())[static_cast<size_t>(n)], n,
                                                    f.dimensione());
            blocchi.emplace_back(f.leggi(b.offset, b.conta * n).vista());
        } catch (const std::exception&) {
            continue;  // a file that cannot be read is one dictionary fewer
        }
    }
    return blocchi;
}

}  // namespace

bool ricercaDelGioco(const Cruciverba& x) { return senzaDefinizioni(x); }

std::vector<std::string> paroleDelGioco(const Cruciverba& x, const std::vector<std::string_view>& blocchi,
                                        const std::vector<Casella>& caselle, const std::string& maschera) {
    std::vector<std::string> tutte;
    if (x.variante == Variante::daRiempire) tutte = paroleCheEntrano(x, caselle);
    if (x.variante == Variante::crittografato)
        for (const std::string_view blocco : blocchi)
            for (std::string& p : paroleCodice(x, caselle, blocco))
                if (std::find(tutte.begin(), tutte.end(), p) == tutte.end()) tutte.push_back(std::move(p));
    std::vector<std::string> parole;
    for (std::string& p : tutte)
        if (entraNellaMaschera(p, maschera)) parole.push_back(std::move(p));
    return parole;
}

std::optional<std::vector<std::string>> paroleDelGioco(const Cruciverba& x, const Lessico& s,
                                                      const std::vector<Casella>& caselle, const std::string& maschera,
                                                      bool* senzaDizionari) {
    if (!ricercaDelGioco(x)) return std::nullopt;
    std::vector<std::string> dati;
    if (x.variante == Variante::crittografato && (dati = paroleDeiDizionari(s, static_cast<int>(caselle.size()))).empty() &&
        senzaDizionari)
        *senzaDizionari = true;
    return paroleDelGioco(x, std::vector<std::string_view>(dati.begin(), dati.end()), caselle, maschera);
}

bool cercaNelGioco(const Cruciverba& x, const Lessico& s, Piattaforma& piattaforma, const Posizione& parola,
                   const std::string& maschera, VistaRicerca& vista) {
    if (!ricercaDelGioco(x)) return false;
    const std::optional<Definizione> w = parolaDiGriglia(x, {parola.colonna, parola.riga}, parola.direzione);
    vista.svuotaLista();
    if (!w) return true;
    piattaforma.impostaPuntatore(Puntatore::clessidra);
    const int n = static_cast<int>(w->caselle.size());
    bool senzaDizionari = false;
    std::string byte;
    const std::vector<std::string> parole = *paroleDelGioco(x, s, w->caselle, maschera, &senzaDizionari);
    for (const std::string& p : parole)
        if (const std::string b = aWindows1252(p); static_cast<int>(b.size()) == n) byte += b;
    const ParoleTrovate trovate(n, std::move(byte));
    vista.aggiungiParole(trovate);
    vista.impostaStato("Trov.:" + conSegno(static_cast<long long>(trovate.size())));
    piattaforma.impostaPuntatore(Puntatore::predefinito);
    vista.impostaTestoLista(trovate.empty() ? std::string() : trovate.utf8(0));
    if (senzaDizionari)
        piattaforma.messaggio("Nessun dizionario disponibile: la ricerca per codici non è possibile.", {},
                              Icona::attenzione, Pulsanti::ok);
    return true;
}

}  // namespace quadrivo
