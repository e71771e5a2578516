#pragma once
// What the main window decides without drawing anything: its texts, which commands a puzzle
// needs, where the background picture goes, what Save does. The widgets only apply it.
#include <string>
#include <vector>

#include "dialogs/periferia.h"
#include "sessione/apertura.h"
#include "model/cartelle.h"

namespace quadrivo {

// The window's caption before any puzzle is drawn.
inline constexpr const char* titoloFinestraIniziale = "Quadrivo";

// Save, Save as, Preview, Print, the Utilità menu and toolbar buttons 3, 4, 5, 6, 8 to 11
// exist only while a puzzle is open.
// Toolbar positions 1..11 whose button needs an open puzzle.
bool pulsanteRichiedeSchema(int posizione);

// The background picture for a screen of this width in pixels.
std::string immagineSfondo(int larghezzaSchermo);

struct PuntoSfondo {
    int x = 0;
    int y = 0;
    friend bool operator==(const PuntoSfondo&, const PuntoSfondo&) = default;
};
// Where the load step centres the picture (the toolbar's height shifts it down) ...
PuntoSfondo sfondoAlCaricamento(int larghezza, int altezza, int larghezzaImmagine, int altezzaImmagine,
                              int altezzaToolbar);
// ... and where the first activation puts it.
PuntoSfondo sfondoAllAttivazione(int larghezza, int altezza, int larghezzaImmagine, int altezzaImmagine);

// The command line as a puzzle path: blanks around it and one pair of surrounding double
// quotes removed.
std::string percorsoRigaComando(const std::string& rigaComando);
// The puzzle the command line names, taken from the folder the program was started in
// (before the program moves to its own folder); "" when the line names nothing.
std::string percorsoAvvio(const std::string& rigaComando, const std::string& cartellaAvvio);

// The message for a puzzle named on the command line that cannot be opened; the program then
// starts without a puzzle.
std::string messaggioRigaComando(EsitoApertura esito, const std::string& percorso);

// Date and time panels of the status bar, Italian style: "06/12/2026", "09:05".
std::string testoData(int giorno, int mese, int anno);
std::string testoOra(int ore, int minuti);

// The menu bar as a table: the window builds its actions from it.
enum class Menu { file, modifica, utilita, opzioni, lingua, aiuto };
struct VoceMenu {
    Menu menu;
    const char* nome;        // the item's name (azioneApri, separatoreStampa, ...)
    const char* testo;       // caption with its "&" mnemonic, "-" for a separator
    const char* scorciatoia; // key sequence in portable text form, "" for none
    bool segnata = false;    // marked at start
};
struct TitoloMenu {
    Menu menu;
    const char* nome;
    const char* testo;
};
const std::vector<TitoloMenu>& titoliMenu();
const std::vector<VoceMenu>& vociMenu();

// Toolbar positions 1..12: key, tooltip, image and the menu's action the button runs; an empty
// key marks the separator (position 2) and the empty gap (position 7).
struct PulsanteToolbar {
    int posizione;
    const char* chiave;
    const char* suggerimento;
    int immagine;
    const char* azione;
};
const std::vector<PulsanteToolbar>& pulsantiToolbar();

// The folders as the session keeps them: no program folder means the executable's, and the
// program folder ends in "/".
Cartelle cartelleComplete(Cartelle cartelle);
// The start's data, before the window shows anything: the program folder made the current
// folder, the working copy's name and what interrupted writes left behind, tramerio.ini, the
// dictionary and the grid's font of the last run, the player's puzzle folder. Returns what to
// tell about a settings file that could not be used ("" when none).
class Sessione;
std::string preparaAvvio(Sessione& sessione);

// The line above the grid with the puzzle's own words: title, author and copyright that are
// filled, joined by " - ", and a pointer to the notes when there are some; "" for none.
std::string rigaIntestazione(const Cruciverba& cruciverba);
// The "Note" window's text: the same fields named, then the notes whole.
std::string testoNote(const Cruciverba& cruciverba);

}  // namespace quadrivo
