#include "solving/ricerca_giochi.h"

#include <algorithm>

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

bool cercaNelGioco(const Cruciverba& x, const Lessico& s, Piattaforma& piattaforma, const Posizione& parola,
                   const std::string& maschera, VistaRicerca& vista) {
    if (!ricercaDelGioco(x)) return false;
    const std::optional<Definizione> w = parolaDiGriglia(x, {parola.colonna, parola.riga}, parola.direzione);
    vista.svuotaLista();
    if (!w) return true;
    piattaforma.impostaPuntatore(Puntatore::clessidra);
    const int n = static_cast<int>(w->caselle.size());
    // The dictionary in use first, then the others: a codeword's word may come from any language.
    std::vector<std::string> file{s.file}, dati;
    for (int i = 1; i <= 4; ++i)
        if (fileLessicoPerLingua[i] != s.file) file.push_back(fileLessicoPerLingua[i]);
    std::vector<std::string_view> blocchi;
    if (x.variante == Variante::crittografato) {
        dati.reserve(file.size());
        for (const std::string& nome : file) {
            const std::string percorso = s.cartella + nome;
            if (!lessicoUtilizzabile(percorso)) continue;
            const FileLessico f(percorso);
            dati.push_back(std::string(f.leggi(0, f.dimensione()).vista()));
            blocchi.push_back(blocchiLessico(dati.back()).blocco(n));
        }
    }
    std::string byte;
    for (const std::string& p : paroleDelGioco(x, blocchi, w->caselle, maschera))
        if (const std::string b = aWindows1252(p); static_cast<int>(b.size()) == n) byte += b;
    const ParoleTrovate trovate(n, std::move(byte));
    vista.aggiungiParole(trovate);
    vista.impostaStato("Trov.:" + conSegno(static_cast<long long>(trovate.size())));
    piattaforma.impostaPuntatore(Puntatore::predefinito);
    vista.impostaTestoLista(trovate.empty() ? std::string() : trovate.utf8(0));
    if (x.variante == Variante::crittografato && blocchi.empty())
        piattaforma.messaggio("Nessun dizionario disponibile: la ricerca per codici non è possibile.", {},
                              Icona::attenzione, Pulsanti::ok);
    return true;
}

}  // namespace quadrivo
