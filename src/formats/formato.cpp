#include "formats/formato.h"

#include <algorithm>

#include <QString>

#include "formats/ipuz.h"
#include "formats/jpz.h"
#include "formats/puz.h"
#include "formats/trmo.h"
#include "model/file.h"

namespace quadrivo {

const std::vector<const Formato*>& formati() {
    static const FormatoTrmo trmo;
    static const FormatoIpuz ipuz;
    static const FormatoPuz puz;
    static const FormatoJpz jpz;
    static const std::vector<const Formato*> tutti{&trmo, &ipuz, &puz, &jpz};
    return tutti;
}

std::string campiUniti(const std::vector<std::string>& campi) {
    std::string testo;
    for (const std::string& c : campi) {
        const size_t inizio = c.find_first_not_of(" \t\r\n");
        if (inizio == std::string::npos) continue;
        const size_t fine = c.find_last_not_of(" \t\r\n");
        testo += (testo.empty() ? "" : " - ") + c.substr(inizio, fine - inizio + 1);
    }
    return testo;
}

Intestazione Formato::intestazionePredefinita(const Cruciverba& x) {
    return {campiUniti({x.autore, x.copyright, x.titolo}), std::to_string(x.colonne()) + "x" + std::to_string(x.righe())};
}

Capacita capacitaDi(const Cruciverba& x) {
    const Formato* f = formatoPerNome(x.formato);
    return f ? f->capacita() : Capacita{};
}

const Formato* formatoPerNome(const std::string& nome) {
    for (const Formato* f : formati())
        if (f->nome() == nome) return f;
    return nullptr;
}

const Formato* formatoPerEstensione(const std::string& percorso) {
    const size_t punto = percorso.rfind('.'), barra = percorso.rfind('/');
    if (punto != std::string::npos && (barra == std::string::npos || punto > barra)) {
        const std::string estensione = QString::fromUtf8(percorso.substr(punto + 1)).toLower().toStdString();
        for (const Formato* f : formati())
            for (const std::string& e : f->estensioni())
                if (e == estensione) return f;
    }
    return nullptr;
}

std::string adattaAFormato(Cruciverba& x, const std::string& percorso) {
    const Formato* f = formatoPerEstensione(percorso);
    if (!f || f->nome() == x.formato) return {};
    if (!f->contieneVariante(x.variante)) {
        const char* gioco = x.variante == Variante::senzaSchema   ? "un cruciverba senza schema"
                            : x.variante == Variante::diagramless ? "un diagramless"
                            : x.variante == Variante::crittografato ? "un crittografato"
                                                                    : "uno schema da riempire";
        return "Il formato ." + f->nome() + " non può contenere " + gioco + ".";
    }
    if (std::string manca = f->nonContiene(x); !manca.empty())
        return "Il formato ." + f->nome() + " non può contenere " + manca + ".";
    x.datiFormato.reset();
    x.formato = f->nome();
    return {};
}

const Formato& formatoPerFile(const std::string& percorso, std::string_view dati) {
    if (const Formato* f = formatoPerEstensione(percorso)) return *f;
    for (const Formato* f : formati())
        if (f->riconosce(dati)) return *f;
    return *formati().front();
}

std::string limitiSuperati(const Cruciverba& x) {
    const auto troppo = [](const std::string& cosa, size_t quanti, size_t limite) {
        return "Il file contiene " + cosa + " di " + std::to_string(quanti) + " caratteri: il programma ne apre fino a " +
               std::to_string(limite) + ".";
    };
    for (const auto& [cosa, testo] : {std::pair<const char*, const std::string*>{"un titolo", &x.titolo},
                                      {"un autore", &x.autore},
                                      {"un copyright", &x.copyright}})
        if (testo->size() > maxTestoCredito) return troppo(cosa, testo->size(), maxTestoCredito);
    if (x.note.size() > maxTestoNote) return troppo("note", x.note.size(), maxTestoNote);
    if (x.elenchi.size() > maxElenchi)
        return "Il file contiene " + std::to_string(x.elenchi.size()) + " elenchi di definizioni: il programma ne apre fino a " +
               std::to_string(maxElenchi) + ".";
    size_t definizioni = 0, caselle = 0;
    for (const ElencoDefinizioni& e : x.elenchi) {
        if (e.direzione.size() > maxTestoCredito) return troppo("il nome di un elenco", e.direzione.size(), maxTestoCredito);
        definizioni += e.definizioni.size();
        for (const Definizione& d : e.definizioni) {
            if (d.testo.size() > maxTestoDefinizione) return troppo("una definizione", d.testo.size(), maxTestoDefinizione);
            if (d.etichetta.size() + d.enumerazione.size() > maxTestoCella)
                return troppo("un numero di definizione", d.etichetta.size() + d.enumerazione.size(), maxTestoCella);
            caselle += d.caselle.size();
        }
    }
    if (x.banca.size() > maxDefinizioni)
        return "Il file contiene " + std::to_string(x.banca.size()) + " parole da inserire: il programma ne apre fino a " +
               std::to_string(maxDefinizioni) + ".";
    if (definizioni > maxDefinizioni)
        return "Il file contiene " + std::to_string(definizioni) + " definizioni: il programma ne apre fino a " +
               std::to_string(maxDefinizioni) + ".";
    if (caselle > maxCaselleParole)
        return "Le parole del file nominano " + std::to_string(caselle) + " caselle in tutto: il programma ne apre fino a " +
               std::to_string(maxCaselleParole) + ".";
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) {
            const Cella& k = x.cella(c, r);
            if (const size_t n = std::max({k.voce.size(), k.soluzione.size(), k.etichetta.size()}); n > maxTestoCella)
                return troppo("una casella", n, maxTestoCella);
        }
    return {};
}

Lettura leggiCruciverba(const std::string& percorso, std::string_view dati) {
    Lettura l = formatoPerFile(percorso, dati).leggi(dati);
    if (l.esito != EsitoLettura::ok) return l;
    if (std::string troppo = limitiSuperati(l.cruciverba); !troppo.empty()) return rifiuto(std::move(troppo));
    return l;
}

Lettura leggiCopia(const std::string& formato, const std::string& percorso, std::string_view dati) {
    const Formato* f = formatoPerNome(formato);
    if (!f)
        for (const Formato* g : formati())
            if (g->riconosce(dati)) {
                f = g;
                break;
            }
    if (!f) return leggiCruciverba(percorso, dati);
    Lettura l = f->leggi(dati);
    if (l.esito != EsitoLettura::ok) return l;
    if (std::string troppo = limitiSuperati(l.cruciverba); !troppo.empty()) return rifiuto(std::move(troppo));
    return l;
}

std::string testoCruciverba(const Cruciverba& x) {
    const Formato* f = formatoPerNome(x.formato);
    return (f ? *f : *formati().front()).scrivi(x);
}

bool scriviCruciverba(const Cruciverba& x, Piattaforma& piattaforma, const std::string& percorso) {
    const EsitoScrittura esito = scriviFileSicuro(percorso, testoCruciverba(x));
    if (esito) return true;
    piattaforma.messaggio(messaggioScrittura(percorso, esito, msgErroreScrittura));
    return false;
}

}  // namespace quadrivo
