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
        {Menu::file, "MenuFile", "&File"},
        {Menu::modifica, "MenuModifica", "&Modifica"},
        {Menu::utilita, "MenuUtil", "&Utilità"},
        {Menu::opzioni, "Menuimpo", "&Opzioni"},
        {Menu::lingua, "menul", "&Lingua dizionario ..."},
        {Menu::aiuto, "MenuHelp", "&?"},
    };
    return t;
}

const std::vector<VoceMenu>& vociMenu() {
    static const std::vector<VoceMenu> v = {
        {Menu::file, "MenuApri", "&Apri ...", "F3", false},
        {Menu::file, "MenuSalva", "&Salva", "Ctrl+S", false},
        {Menu::file, "MenuSalvaCN", "Salva &Con nome ...", "", false},
        {Menu::file, "Meno3", "-", "", false},
        {Menu::file, "MenuAnteprima", "Ante&prima di stampa ...", "Ctrl+A", false},
        {Menu::file, "MenuStampa", "&Stampa ...", "Ctrl+P", false},
        {Menu::file, "menommm", "-", "", false},
        {Menu::file, "MenuEsci", "&Esci", "Ctrl+F4", false},
        {Menu::modifica, "MenuAnnulla", "&Annulla", "Ctrl+Z", false},
        {Menu::modifica, "MenuRipeti", "&Ripeti", "Ctrl+Y", false},
        {Menu::modifica, "MenuMatita", "&Matita", "F7", false},
        {Menu::utilita, "MenuCS", "&Controlla Soluzioni", "Ctrl+C", false},
        {Menu::utilita, "MenuAzzera", "&Azzera Soluzioni", "", false},
        {Menu::utilita, "Meno6", "-", "", false},
        {Menu::utilita, "MenuControllaLettera", "Controlla &lettera", "Shift+F8", false},
        {Menu::utilita, "MenuControllaParola", "Controlla &parola", "F8", false},
        {Menu::utilita, "MenuSegnaErrori", "Segna &errori nello schema", "", false},
        {Menu::utilita, "Meno7", "-", "", false},
        {Menu::utilita, "MenuRivelaLettera", "&Rivela lettera", "Shift+F9", false},
        {Menu::utilita, "MenuRivelaParola", "Ri&vela parola", "F9", false},
        {Menu::utilita, "MenuRivelaSchema", "Rivela &schema ...", "", false},
        {Menu::utilita, "MenuSblocca", "S&blocca soluzione ...", "", false},
        {Menu::utilita, "Meno8", "-", "", false},
        {Menu::utilita, "MenuPausa", "Pa&usa", "F6", false},
        {Menu::utilita, "Meno5", "-", "", false},
        {Menu::utilita, "MenuFont", "Scegli &Font ...", "", false},
        {Menu::opzioni, "menusetschema", "Settaggio schema ...", "", false},
        {Menu::opzioni, "menooo", "-", "", false},
        {Menu::opzioni, "menuold", "&Usa tasto sinistro per vecchia modalità editing", "", false},
        {Menu::opzioni, "Menurett", "&Visualizza rettangolo parola", "", true},
        {Menu::lingua, "MenuL1", "&Italiano", "", true},
        {Menu::lingua, "Menul2", "I&nglese", "", false},
        {Menu::lingua, "MenuL3", "&Latino", "", false},
        {Menu::lingua, "menul4", "&Francese", "", false},
        {Menu::aiuto, "MenuAiuto", "&Aiuto", "F1", false},
        {Menu::aiuto, "MenuTasti", "&Tasti", "", false},
        {Menu::aiuto, "menuPHP", "&Visita Sito dell'Autore ...", "Ctrl+F1", false},
        {Menu::aiuto, "ManueMail", "&Manda una Mail all'autore ...", "Ctrl+Shift+F1", false},
        {Menu::aiuto, "MenuMeno1", "-", "", false},
        {Menu::aiuto, "MenuInfo", "&Info su Quadrivo ...", "F4", false},
    };
    return v;
}

const std::vector<PulsanteToolbar>& pulsantiToolbar() {
    static const std::vector<PulsanteToolbar> p = {
        {1, "Apri", "Apri cruciverba", 1},
        {2, "", "", 0},
        {3, "Salva", "Salva cruciverba", 2},
        {4, "Stampa", "Stampa", 3},
        {5, "Anteprima", "Anteprima di stampa", 4},
        {6, "Font", "Cambia carattere", 8},
        {7, "", "", 0},
        {8, "Cancella", "Cancella soluzioni", 6},
        {9, "Controlla", "Controlla soluzioni", 7},
        {10, "ControllaParola", "Controlla la parola: segna le lettere sbagliate (F8)", 9},
        {11, "Pausa", "Pausa: ferma il cronometro e nasconde le lettere (F6)", 10},
        {12, "Matita", "Matita: le lettere scritte sono provvisorie, più chiare e mai stampate (F7)", 11},
    };
    return p;
}

std::string preparaAvvio(Stato& stato, Sessione& sessione) {
    // The working copy's name in the player's private folder; made again at the first change
    // if it cannot be made now.
    sessione.impostaFileLavoro(nuovoFileLavoro());
    const std::string& lavoro = sessione.documento().fileLavoro;
    if (esisteFile(lavoro)) cancellaFile(lavoro);
    const std::string filePartite = sessione.archivio().percorsoFile();
    // What interrupted writes of the player's data left behind.
    const std::string config = percorsoDaQt(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    for (const std::string& f : {filePartite, stato.cartellaProgramma + nomeFileImpostazioni,
                                 stato.cartellaUtente + nomeFileImpostazioni, config + "/Quadrivo/Quadrivo.conf"})
        togliAvanzi(f);
    if (stato.cartellaProgramma.empty()) stato.cartellaProgramma = QCoreApplication::applicationDirPath().toStdString();
    if (stato.cartellaProgramma.back() != '/') stato.cartellaProgramma += '/';
    QDir::setCurrent(QString::fromStdString(stato.cartellaProgramma));
    // The dictionary of the last run, while its file can still be used; Italian otherwise.
    const int lingua = valoreUtente(chiaveLingua, 1).toInt();
    const bool linguaUsabile =
        lingua >= 1 && lingua <= 4 && motivoLessico(stato.cartellaProgramma + fileLessicoPerLingua[lingua]).empty();
    stato.linguaLessico = static_cast<std::int16_t>(linguaUsabile ? lingua : 1);
    stato.fileLessico = fileLessicoPerLingua[stato.linguaLessico];
    std::string avviso = leggiImpostazioni(stato);
    preparaCartellaCruciverba(stato.cartellaProgramma, cartellaCruciverba(),
                              ::access(stato.cartellaProgramma.c_str(), W_OK) != 0);
    // A damaged dictionary is said with the settings' warning, once, at the first activation.
    if (const std::string difetto = preparaLessico(stato); !difetto.empty())
        avviso = avviso.empty() ? difetto : avviso + "\n\n" + difetto;
    // The grid's font of the last run.
    stato.nomeFont = valoreUtente(chiaveCarattere, "Arial").toString().toStdString();
    for (StileCarattere* c : {&stato.carattereSchermo, &stato.carattereStampante}) {
        c->nome = stato.nomeFont;
        c->corsivo = valoreUtente(chiaveCorsivo, false).toBool();
        c->grassetto = valoreUtente(chiaveGrassetto, false).toBool();
    }
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
