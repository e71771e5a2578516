#include "mainwindow/finestra.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <unistd.h>

#include <cstdio>

#include "dialogs/apertura_schema.h"
#include "formats/formato.h"
#include "dialogs/cartelle.h"
#include "model/file.h"
#include "model/impostazioni.h"
#include "model/opzioni_utente.h"
#include "sessione/lavoro.h"
#include "sessione/sessione.h"
#include "solving/lessico.h"

namespace quadrivo {

bool pulsanteRichiedeSchema(int posizione) {
    switch (posizione) {
    case 3: case 4: case 5: case 6: case 8: case 9: case 10: case 11: case 12: return true;
    default: return false;
    }
}

std::string immagineSfondo(int larghezzaSchermo) { return larghezzaSchermo >= 1300 ? "Quadrivob.jpg" : "Quadrivoa.jpg"; }

PuntoSfondo sfondoAlCaricamento(int larghezza, int altezza, int larghezzaImmagine, int altezzaImmagine, int altezzaToolbar) {
    return {(larghezza - larghezzaImmagine) / 2, (altezza - altezzaImmagine + altezzaToolbar) / 2};
}

PuntoSfondo sfondoAllAttivazione(int larghezza, int altezza, int larghezzaImmagine, int altezzaImmagine) {
    return {(larghezza - larghezzaImmagine) / 2, (altezza - altezzaImmagine) / 2 - 10};
}

std::string percorsoRigaComando(const std::string& rigaComando) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    size_t inizio = 0, fine = rigaComando.size();
    while (inizio < fine && blank(rigaComando[inizio])) ++inizio;
    while (fine > inizio && blank(rigaComando[fine - 1])) --fine;
    if (fine - inizio >= 2 && rigaComando[inizio] == '"' && rigaComando[fine - 1] == '"') {
        ++inizio;
        --fine;
    }
    return rigaComando.substr(inizio, fine - inizio);
}

std::string percorsoAvvio(const std::string& rigaComando, const std::string& cartellaAvvio) {
    return percorsoAssoluto(percorsoRigaComando(rigaComando), cartellaAvvio);
}

std::string messaggioRigaComando(EsitoApertura esito, const std::string& percorso) {
    std::string testo = messaggioApertura(esito, percorso);
    // The short message does not say which file; the player may not know what was passed.
    if (esito == EsitoApertura::inesistente) testo += "\r" + percorso;
    if (!testo.empty()) testo += "\r\rIl programma si avvia senza cruciverba.";
    return testo;
}

std::string testoData(int giorno, int mese, int anno) {
    char b[32];
    std::snprintf(b, sizeof b, "%02d/%02d/%04d", giorno, mese, anno);
    return b;
}

std::string testoOra(int ore, int minuti) {
    char b[16];
    std::snprintf(b, sizeof b, "%02d:%02d", ore, minuti);
    return b;
}

const std::vector<TitoloMenu>& titoliMenu() {
    static const std::vector<TitoloMenu> t = {
        {Menu::file, "menuFile", "&File"},
        {Menu::modifica, "menuModifica", "&Modifica"},
        {Menu::utilita, "menuUtilita", "&Utilità"},
        {Menu::opzioni, "menuOpzioni", "&Opzioni"},
        {Menu::lingua, "menuLingua", "&Lingua dizionario ..."},
        {Menu::aiuto, "menuAiuto", "&?"},
    };
    return t;
}

const std::vector<VoceMenu>& vociMenu() {
    static const std::vector<VoceMenu> v = {
        {Menu::file, "azioneApri", "&Apri ...", "F3", false},
        {Menu::file, "azioneSalva", "&Salva", "Ctrl+S", false},
        {Menu::file, "azioneSalvaConNome", "Salva &Con nome ...", "", false},
        {Menu::file, "separatoreStampa", "-", "", false},
        {Menu::file, "azioneAnteprima", "Ante&prima di stampa ...", "Ctrl+A", false},
        {Menu::file, "azioneStampa", "&Stampa ...", "Ctrl+P", false},
        {Menu::file, "separatoreEsci", "-", "", false},
        {Menu::file, "azioneEsci", "&Esci", "Ctrl+F4", false},
        {Menu::modifica, "azioneAnnulla", "&Annulla", "Ctrl+Z", false},
        {Menu::modifica, "azioneRipeti", "&Ripeti", "Ctrl+Y", false},
        {Menu::modifica, "azioneMatita", "&Matita", "F7", false},
        {Menu::utilita, "azioneControllaSoluzioni", "&Controlla Soluzioni", "Ctrl+C", false},
        {Menu::utilita, "azioneAzzera", "&Azzera Soluzioni", "", false},
        {Menu::utilita, "separatoreControlli", "-", "", false},
        {Menu::utilita, "azioneControllaLettera", "Controlla &lettera", "Shift+F8", false},
        {Menu::utilita, "azioneControllaParola", "Controlla &parola", "F8", false},
        {Menu::utilita, "azioneSegnaErrori", "Segna &errori nello schema", "", false},
        {Menu::utilita, "separatoreRivela", "-", "", false},
        {Menu::utilita, "azioneRivelaLettera", "&Rivela lettera", "Shift+F9", false},
        {Menu::utilita, "azioneRivelaParola", "Ri&vela parola", "F9", false},
        {Menu::utilita, "azioneRivelaSchema", "Rivela &schema ...", "", false},
        {Menu::utilita, "azioneSblocca", "S&blocca soluzione ...", "", false},
        {Menu::utilita, "separatorePausa", "-", "", false},
        {Menu::utilita, "azionePausa", "Pa&usa", "F6", false},
        {Menu::utilita, "separatoreFont", "-", "", false},
        {Menu::utilita, "azioneFont", "Scegli &Font ...", "", false},
        {Menu::opzioni, "azioneSettaggioSchema", "Settaggio schema ...", "", false},
        {Menu::opzioni, "separatoreOpzioni", "-", "", false},
        {Menu::opzioni, "azioneTastoSinistro", "&Usa tasto sinistro per vecchia modalità editing", "", false},
        {Menu::opzioni, "azioneRettangoloParola", "&Visualizza rettangolo parola", "", true},
        {Menu::lingua, "azioneItaliano", "&Italiano", "", true},
        {Menu::lingua, "azioneInglese", "I&nglese", "", false},
        {Menu::lingua, "azioneLatino", "&Latino", "", false},
        {Menu::lingua, "azioneFrancese", "&Francese", "", false},
        {Menu::aiuto, "azioneAiuto", "&Aiuto", "F1", false},
        {Menu::aiuto, "azioneTasti", "&Tasti", "", false},
        {Menu::aiuto, "azioneSitoAutore", "&Visita Sito dell'Autore ...", "Ctrl+F1", false},
        {Menu::aiuto, "azioneMailAutore", "&Manda una Mail all'autore ...", "Ctrl+Shift+F1", false},
        {Menu::aiuto, "separatoreInfo", "-", "", false},
        {Menu::aiuto, "azioneInfo", "&Info su Quadrivo ...", "F4", false},
    };
    return v;
}

const std::vector<PulsanteToolbar>& pulsantiToolbar() {
    static const std::vector<PulsanteToolbar> p = {
        {1, "Apri", "Apri cruciverba", 1, "azioneApri"},
        {2, "", "", 0, ""},
        {3, "Salva", "Salva cruciverba", 2, "azioneSalva"},
        {4, "Stampa", "Stampa", 3, "azioneStampa"},
        {5, "Anteprima", "Anteprima di stampa", 4, "azioneAnteprima"},
        {6, "Font", "Cambia carattere", 8, "azioneFont"},
        {7, "", "", 0, ""},
        {8, "Cancella", "Cancella soluzioni", 6, "azioneAzzera"},
        {9, "Controlla", "Controlla soluzioni", 7, "azioneControllaSoluzioni"},
        {10, "ControllaParola", "Controlla la parola: segna le lettere sbagliate (F8)", 9, "azioneControllaParola"},
        {11, "Pausa", "Pausa: ferma il cronometro e nasconde le lettere (F6)", 10, "azionePausa"},
        {12, "Matita", "Matita: le lettere scritte sono provvisorie, più chiare e mai stampate (F7)", 11, "azioneMatita"},
    };
    return p;
}

Cartelle cartelleComplete(Cartelle cartelle) {
    if (cartelle.programma.empty()) cartelle.programma = QCoreApplication::applicationDirPath().toStdString();
    if (cartelle.programma.back() != '/') cartelle.programma += '/';
    return cartelle;
}

std::string preparaAvvio(Sessione& sessione) {
    const Cartelle& cartelle = sessione.cartelle();
    // The working copy's name in the player's private folder; made again at the first change
    // if it cannot be made now.
    sessione.impostaFileLavoro(nuovoFileLavoro());
    const std::string& lavoro = sessione.documento().fileLavoro;
    if (esisteFile(lavoro)) cancellaFile(lavoro);
    const std::string filePartite = sessione.archivio().percorsoFile();
    // What interrupted writes of the player's data left behind.
    const std::string config = percorsoDaQt(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    for (const std::string& f : {filePartite, cartelle.programma + nomeFileImpostazioni,
                                 cartelle.utente + nomeFileImpostazioni, config + "/Quadrivo/Quadrivo.conf"})
        togliAvanzi(f);
    QDir::setCurrent(QString::fromStdString(cartelle.programma));
    // The dictionary of the last run, while its file can still be used; Italian otherwise.
    const int lingua = sessione.impostazioni().opzione(chiaveLingua, 1).toInt();
    const bool linguaUsabile =
        lingua >= 1 && lingua <= 4 && motivoLessico(cartelle.programma + fileLessicoPerLingua[lingua]).empty();
    Lessico& lessico = sessione.lessico();
    lessico.cartella = cartelle.programma;
    lessico.lingua = static_cast<std::int16_t>(linguaUsabile ? lingua : 1);
    lessico.file = fileLessicoPerLingua[lessico.lingua];
    std::string avviso = sessione.impostazioni().leggi();
    preparaCartellaCruciverba(cartelle.programma, cartellaCruciverba(),
                              ::access(cartelle.programma.c_str(), W_OK) != 0);
    // A damaged dictionary is said with the settings' warning, once, at the first activation.
    if (const std::string difetto = preparaLessico(lessico); !difetto.empty())
        avviso = avviso.empty() ? difetto : avviso + "\n\n" + difetto;
    // The grid's font of the last run.
    ValoriImpostazioni valori = sessione.impostazioni().valori();
    valori.nomeFont = sessione.impostazioni().opzione(chiaveCarattere, "Arial").toString().toStdString();
    for (StileCarattere* c : {&valori.carattereSchermo, &valori.carattereStampante}) {
        c->nome = valori.nomeFont;
        c->corsivo = sessione.impostazioni().opzione(chiaveCorsivo, false).toBool();
        c->grassetto = sessione.impostazioni().opzione(chiaveGrassetto, false).toBool();
    }
    sessione.impostazioni().cambia(valori);
    return avviso;
}

std::string rigaIntestazione(const Cruciverba& x) {
    std::string riga = campiUniti({x.titolo, x.autore, x.copyright});
    if (campiUniti({x.note}).empty()) return riga;
    return riga + (riga.empty() ? "" : "   ") + "(Note: File \u2192 Propriet\u00e0)";
}

std::string testoNote(const Cruciverba& x) {
    std::string testo;
    for (const auto& [nome, campo] : {std::pair("Titolo", &x.titolo), {"Autore", &x.autore}, {"Copyright", &x.copyright}})
        testo += std::string(nome) + ": " + (campiUniti({*campo}).empty() ? "-" : campiUniti({*campo})) + "\n";
    const std::string note = campiUniti({x.note});
    testo += "\nNote:\n" + (note.empty() ? std::string("nessuna") : x.note);
    return testo;
}

}  // namespace quadrivo
