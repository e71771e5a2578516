#include "mainwindow/apertura.h"

#include <optional>

#include "mainwindow/lavoro.h"
#include "model/cruciverba.h"
#include "model/file.h"
#include "model/piattaforma_registro.h"

namespace quadrivo {

namespace {

// Reads the bytes into `prova` as the window's refresh would; the outcome says whether it ended.
EsitoApertura leggiInProva(Stato& prova, std::string_view dati) {
    PiattaformaRegistro registro;
    try {
        leggiCruciverbaDaDati(prova, registro, dati);
    } catch (const ProgrammaTerminato&) {
        return EsitoApertura::formatoNonValido;
    }
    // The layout pass ends the program on a white cell whose entry would blacken it.
    for (int r = 1; r <= prova.nRighe; ++r) {
        const std::string& riga = prova.rigaGriglia(r);
        for (size_t p = 0; p + 1 < riga.size(); p += 2)
            if (riga[p] != '*' && riga[p + 1] == '*') return EsitoApertura::tipoNonValido;
    }
    return EsitoApertura::ok;
}

}  // namespace

EsitoApertura controllaSchema(std::string_view dati) {
    Stato prova;
    return leggiInProva(prova, righeCrLf(dati));
}

EsitoApertura apriDatiInLavoro(Stato& s, Piattaforma& piattaforma, std::string_view dati, const std::string& percorso,
                               bool modificato) {
    const std::string copia = righeCrLf(dati);
    Stato prova;
    if (const EsitoApertura e = leggiInProva(prova, copia); e != EsitoApertura::ok) return e;
    // Memory holds the puzzle from now on, whether or not the working copy can be written.
    s.righeFile = prova.righeFile;
    s.nColonne = prova.nColonne;
    s.nRighe = prova.nRighe;
    s.definizione = prova.definizione;
    s.nomeFile = percorso;
    s.fileModificato = modificato;
    s.grigliaAttiva = 1;
    s.inizioGioco = piattaforma.orologio();
    ++s.aperture;
    scriviLavoroGrezzo(s, piattaforma, copia);
    return EsitoApertura::ok;
}

EsitoApertura apriInLavoro(Stato& s, Piattaforma& piattaforma, const std::string& percorso) {
    if (!esisteFile(percorso)) return EsitoApertura::inesistente;
    const std::optional<std::string> dati = leggiFile(percorso);
    if (!dati) return EsitoApertura::illeggibile;
    return apriDatiInLavoro(s, piattaforma, *dati, percorso, false);
}

std::string messaggioApertura(EsitoApertura esito, const std::string& percorso) {
    switch (esito) {
    case EsitoApertura::ok: return {};
    case EsitoApertura::inesistente: return msgFileInesistente;
    case EsitoApertura::illeggibile: return "Impossibile leggere il file " + percorso + ": controllare i permessi.";
    case EsitoApertura::formatoNonValido: return msgFormatoApertura;
    case EsitoApertura::tipoNonValido: return msgTipoApertura;
    }
    return {};
}

}  // namespace quadrivo
