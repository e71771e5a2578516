#include "mainwindow/apertura.h"

#include "model/cruciverba.h"
#include "model/file.h"

namespace quadrivo {

EsitoApertura apriInLavoro(Stato& s, Piattaforma& piattaforma, const std::string& percorso) {
    if (!esisteFile(percorso)) return EsitoApertura::inesistente;
    if (!leggiFile(percorso)) return EsitoApertura::illeggibile;
    if (!copiaPerRighe(percorso, s.fileLavoro)) return EsitoApertura::copiaFallita;
    s.fileModificato = false;
    s.nomeFile = percorso;
    s.grigliaAttiva = 1;
    s.inizioGioco = piattaforma.orologio();
    return EsitoApertura::ok;
}

std::string messaggioApertura(EsitoApertura esito, const std::string& percorso) {
    switch (esito) {
    case EsitoApertura::ok: return {};
    case EsitoApertura::inesistente: return msgFileInesistente;
    case EsitoApertura::illeggibile: return "Impossibile leggere il file " + percorso + ": controllare i permessi.";
    case EsitoApertura::copiaFallita: return msgErroreScrittura;
    }
    return {};
}

}  // namespace quadrivo
