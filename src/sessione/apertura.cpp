#include "sessione/apertura.h"

#include <optional>

#include "sessione/lavoro.h"
#include "formats/formato.h"
#include "model/file.h"
#include "model/tipo_file.h"

namespace quadrivo {

namespace {

EsitoApertura esitoDi(EsitoLettura e) {
    switch (e) {
    case EsitoLettura::ok: return EsitoApertura::ok;
    case EsitoLettura::tipoNonValido: return EsitoApertura::tipoNonValido;
    case EsitoLettura::formatoNonValido: break;
    }
    return EsitoApertura::formatoNonValido;
}

}  // namespace

EsitoApertura controllaSchema(const std::string& percorso, std::string_view dati) {
    return esitoDi(leggiCruciverba(percorso, dati).esito);
}

EsitoApertura apriDatiInLavoro(Documento& s, Piattaforma& piattaforma, std::string_view dati, const std::string& percorso,
                               const std::string& formato, bool copia) {
    Lettura lettura = copia ? leggiCopia(formato, percorso, dati) : leggiCruciverba(percorso, dati);
    if (lettura.esito != EsitoLettura::ok) return esitoDi(lettura.esito);
    return apriLettoInLavoro(s, piattaforma, std::move(lettura), percorso);
}

EsitoApertura apriLettoInLavoro(Documento& s, Piattaforma& piattaforma, Lettura lettura, const std::string& percorso) {
    // Memory holds the puzzle from now on, whether or not the working copy can be written.
    s.cruciverba = std::move(lettura.cruciverba);
    s.nomeFile = percorso;
    scriviCopiaLavoro(s, piattaforma);
    if (!lettura.spiegazione.empty()) piattaforma.messaggio(lettura.spiegazione, {}, Icona::attenzione);
    return EsitoApertura::ok;
}

EsitoApertura esaminaSchema(const std::string& percorso, std::string& dati, Lettura& lettura) {
    if (const TipoFile t = tipoFile(percorso); t != TipoFile::regolare)
        return t == TipoFile::mancante ? EsitoApertura::inesistente : EsitoApertura::nonFile;
    std::optional<std::string> letti = leggiFile(percorso);
    if (!letti) return EsitoApertura::illeggibile;
    Lettura l = leggiCruciverba(percorso, *letti);
    if (l.esito != EsitoLettura::ok) return esitoDi(l.esito);
    lettura = std::move(l);
    dati = std::move(*letti);
    return EsitoApertura::ok;
}

EsitoApertura esaminaSchema(const std::string& percorso, std::string* dati, Cruciverba* cruciverba) {
    std::string letti;
    Lettura lettura;
    const EsitoApertura esito = esaminaSchema(percorso, letti, lettura);
    if (esito != EsitoApertura::ok) return esito;
    if (cruciverba) *cruciverba = std::move(lettura.cruciverba);
    if (dati) *dati = std::move(letti);
    return EsitoApertura::ok;
}

EsitoApertura apriInLavoro(Documento& s, Piattaforma& piattaforma, const std::string& percorso) {
    std::string dati;
    Lettura lettura;
    if (const EsitoApertura e = esaminaSchema(percorso, dati, lettura); e != EsitoApertura::ok) return e;
    return apriLettoInLavoro(s, piattaforma, std::move(lettura), percorso);
}

std::string messaggioApertura(EsitoApertura esito, const std::string& percorso) {
    switch (esito) {
    case EsitoApertura::ok:
    case EsitoApertura::giaAperto: return {};
    case EsitoApertura::inesistente: return msgFileInesistente;
    case EsitoApertura::nonFile: return "Impossibile aprire " + percorso + ": è " + descriviTipo(tipoFile(percorso)) + ", non un cruciverba.";
    case EsitoApertura::illeggibile: return "Impossibile leggere il file " + percorso + ": controllare i permessi.";
    case EsitoApertura::formatoNonValido:
    case EsitoApertura::tipoNonValido: {
        // The format's own reason, when it gives one, follows the usual words.
        const std::string base = esito == EsitoApertura::tipoNonValido ? msgTipoApertura : msgFormatoApertura;
        const std::optional<std::string> dati = leggiFile(percorso);
        const std::string perche = dati ? leggiCruciverba(percorso, *dati).spiegazione : std::string();
        return perche.empty() ? base : base + "\r\r" + perche;
    }
    }
    return {};
}

}  // namespace quadrivo
