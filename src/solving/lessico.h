#pragma once
// Dictionary files: loading their index, the language choice, and the mask search of the word
// dialog's "&Cerca" button.
#include <functional>
#include <string>
#include <vector>

#include "model/piattaforma.h"
#include "model/stato.h"
#include "model/superficie.h"

namespace quadrivo {

// File names by language number 1..4 (Italian, English, Latin, French).
inline constexpr const char* fileLessicoPerLingua[5] = {"", "LessicoItaliano.dat", "LessicoInglese.dat",
                                                         "LessicoLatino.dat", "LessicoFrancese.dat"};

// Larger dictionary files are refused: the real ones are a few megabytes.
inline constexpr long long dimensioneMassimaLessico = 64LL * 1024 * 1024;
// An ordinary file that can be opened and is not larger than that.
bool lessicoUtilizzabile(const std::string& percorso);

// Loads and indexes cartellaProgramma + fileLessico: inizioLessico and contaLessico as the
// file's index says, and the word index that makes the search fast. A missing file shows
// "Errore fatale! non trovato file di vocabolario: " + fileLessico and ends the program; so does
// one that cannot be read, is too large or does not fit in memory.
void caricaLessico(Stato& stato, Piattaforma& piattaforma);

// A language item chosen from the menu: false (nothing happens) when it is already the one in
// use, or when its file cannot be used (after a message; the current language stays);
// otherwise sets linguaLessico and fileLessico and loads the file.
bool scegliLingua(Stato& stato, Piattaforma& piattaforma, int lingua);

// What the search shows in the dialog, in the order it happens.
class VistaRicerca {
public:
    virtual ~VistaRicerca() = default;
    virtual void svuotaLista() = 0;
    virtual void aggiungiParola(const std::string& parola) = 0;   // UTF-8
    // All the words found, in order, in one call; a list widget fills itself faster this way.
    virtual void aggiungiParole(const std::vector<std::string>& parole) {
        for (const std::string& p : parole) aggiungiParola(p);
    }
    virtual void impostaStato(const std::string& testo) = 0;      // Label5: "Trovata", "Trov.: 3"
    virtual void impostaTestoLista(const std::string& testo) = 0; // Combo1's text: first match or ""
    // The progress surface (Picture1): painted yellow at the start, dark blue as it goes.
    virtual Superficie& progresso() = 0;
};

// The "&Cerca" search for the word open in the dialog: `maschera` holds one Windows-1252 byte
// per letter box (" " for a blank or a hidden box). Shows the busy pointer while it runs,
// paints the progress bar, sets the status and fills the list.
// Returns the words found (UTF-8) in file order. The words are read afresh from the file in
// one read (with the index only the stretch holding the candidates); a dictionary that can
// no longer be opened gives a clear message and an empty list.
std::vector<std::string> cercaNelLessico(const Stato& stato, Piattaforma& piattaforma, const std::string& maschera,
                                         VistaRicerca& vista);

}  // namespace quadrivo
