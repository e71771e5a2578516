#include "formats/formato.h"

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

Lettura leggiCruciverba(const std::string& percorso, std::string_view dati) {
    return formatoPerFile(percorso, dati).leggi(dati);
}

std::string testoCruciverba(const Cruciverba& x) {
    const Formato* f = formatoPerNome(x.formato);
    return (f ? *f : *formati().front()).scrivi(x);
}

bool scriviCruciverba(const Cruciverba& x, Piattaforma& piattaforma, const std::string& percorso) {
    if (scriviFileSicuro(percorso, testoCruciverba(x))) return true;
    piattaforma.messaggio(messaggioScrittura(percorso, msgErroreScrittura));
    return false;
}

}  // namespace quadrivo
