#pragma once
// The open puzzle and everything that goes with it while it is played: the model, the current
// cell and direction, the words, the solving clock with its marks, the view the window shows,
// and the working copy kept for crash recovery. Every change goes through here and is told by
// a signal; the window and its panels are views that redraw what the signals name.
#include <QObject>
#include <QTimer>
#include <QUndoStack>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/piattaforma.h"
#include "archivio/registro.h"
#include "formats/formato.h"
#include "model/documento.h"
#include "model/impostazioni.h"
#include "model/cartelle.h"
#include "sessione/apertura.h"
#include "sessione/blocco.h"
#include "sessione/lavoro.h"
#include "sessione/salvataggio.h"
#include "solving/lessico.h"
#include "solving/navigazione.h"
#include "solving/parola_dialogo.h"
#include "solving/partita.h"
#include "solving/passaggio.h"

namespace quadrivo {

// What a cell holds for Annulla and Ripeti: its letters, whether they are in pencil, and the
// black square the player placed on a grid played without its diagram.
struct VoceCella {
    std::string voce;
    bool matita = false;
    bool nera = false;
    friend bool operator==(const VoceCella&, const VoceCella&) = default;
};
using VociCelle = std::vector<std::pair<Casella, VoceCella>>;


class Sessione : public QObject {
    Q_OBJECT
public:
    // `cartelle`: the program's and the player's folders, fixed for the session's life.
    // `cartellaPartite`: where the solves of named puzzles are kept (the user's data folder).
    Sessione(Cartelle cartelle, Piattaforma& piattaforma, std::string cartellaPartite, QObject* genitore = nullptr);
    ~Sessione() override;

    const Cartelle& cartelle() const { return cartelle_; }
    // tramerio.ini's values and the player's options: read and written only through here.
    Impostazioni& impostazioni() { return impostazioni_; }
    const Impostazioni& impostazioni() const { return impostazioni_; }
    // The dictionary in use, for the word dialog's searches and the hints.
    Lessico& lessico() { return lessico_; }
    const Lessico& lessico() const { return lessico_; }
    // The open puzzle and its file; changed only through the commands below.
    const Documento& documento() const { return documento_; }
    const Cruciverba& cruciverba() const { return documento_.cruciverba; }
    // The format's extras (time, marks, several letters a cell) for the open puzzle.
    Capacita capacita() const { return capacitaDi(documento_.cruciverba); }
    bool aperto() const { return modo_ != ModoVista::nessunoSchema; }
    ModoVista modo() const { return modo_; }
    // Answers not saved: the history is away from its saved state, or something it does not hold changed.
    bool modificato() const { return modificatoFuoriStoria_ || !storia_.isClean(); }
    const std::string& nomeFile() const { return documento_.nomeFile; }
    // Where the working copy goes from now on.
    void impostaFileLavoro(std::string percorso) { documento_.fileLavoro = std::move(percorso); }

    // ---- Opening. The puzzle is read whole first: on failure nothing changes. A puzzle open in
    // another window is opened only if the player says so, with a warning (else giaAperto).
    EsitoApertura apri(const std::string& percorso);
    // Bytes already read; `modificato` marks answers not yet saved (brought back after a crash).
    EsitoApertura apriDati(std::string_view dati, const std::string& percorso, bool modificato);
    // The answers a run that ended badly left behind, with their time and marks; the leftover
    // goes once they are safe in this run's working copy (or saved). `comeCopia`: under
    // nomeCopia's name, the puzzle file left alone.
    bool ripristina(const CopiaAbbandonata& copia, bool comeCopia = false);
    // Offers the leftovers in `cartella` (and the other folder of copies), newest first:
    // Ripristina opens one (after `lascia` agreed to leave the open puzzle) and ends the round,
    // Più tardi or Esc keeps it for the next start or the next opening of its puzzle, Elimina
    // deletes it after a second yes. A leftover whose puzzle was saved since is offered as a copy
    // (Ripristina come copia). One question per puzzle, none for a puzzle whose opening asked
    // already in this run. True when one was opened.
    bool offriCopie(const std::string& cartella, long long adesso, const std::function<bool()>& lascia);

    // ---- The view: the grid, or the print preview over it.
    void impostaModo(ModoVista modo);

    // ---- The current cell and word.
    const Navigazione& navigazione() const { return navigazione_; }
    const Posizione& posizione() const { return posizione_; }
    const Parola* parolaCorrente() const { return navigazione_.parolaCorrente(posizione_); }
    void impostaPosizione(const Posizione& p);
    // A puzzle opens on its first word's first empty cell; true until the player moves or types.
    bool posizioneIniziale() const { return iniziale_; }
    // One key of keyboard solving; false when it means nothing here. While the current cell is
    // open, letters add to it and Backspace takes its last one off; any other key closes it first.
    bool tasto(TastoGriglia t, char32_t carattere, bool saltaComplete);
    // A cell of several letters: opened on the current cell (Ins), closed by Enter, Esc or a
    // move; closing a filled cell goes on to the next one as a typed letter does.
    // A format that holds one letter a cell (a .trmo archive): there the cell never opens.
    void apriCella() { cellaAperta_ = posizione_.valida() && capacitaDi(documento_.cruciverba).piuLettere; }
    void chiudiCella();
    bool cellaAperta() const { return cellaAperta_; }
    // Writes entries into white cells; true when some letter changed.
    bool scrivi(const std::vector<Scrittura>& scritture);
    // The word dialog's outcome for the word starting at `parola`: the clue and the word,
    // nothing for Annulla. Either way the puzzle counts as changed.
    void applicaDialogo(const Posizione& parola, const std::optional<SceltaParola>& scelta);
    // Azzera Soluzioni: every typed letter goes, with the marks, and the clock starts again.
    void azzera();
    // Gioca come: the open puzzle played as another game, as one step Annulla takes back; the
    // player's letters stay where the new game has the same cell with the same solution. Back
    // to the crossword gives the one that was left. "" when done, else why not, in Italian.
    std::string giocaCome(Variante variante);
    // Back to a whole puzzle as it was (Annulla and Ripeti of Gioca come).
    void tornaSchema(const Cruciverba& schema, const FotoPartita& meta, const FotoPartita& lasciata);

    // ---- Annulla and Ripeti: every change of letters, marks or reveals is one step, and takes
    // the clock and the solve with it. Undoing back to the saved state makes the puzzle
    // unmodified again.
    QUndoStack& storia() { return storia_; }
    // What a step puts back: the letters of the cells it changed and the rest of the solve.
    struct Istante {
        VociCelle voci;
        FotoPartita partita;
    };
    // Back to `meta` from `lasciato` (the other side of the same step); the cursor goes to its
    // first cell. No congratulation comes from here.
    void torna(const Istante& meta, const Istante& lasciato);
    // Pencil: the letters typed from now on are guesses, drawn lighter and never printed.
    bool matita() const { return inMatita_; }
    void impostaMatita(bool matita) { inMatita_ = matita; }

    // ---- Checks, reveals, the clock.
    const PartitaInCorso& partita() const { return partita_; }
    Registro& archivio() { return archivio_; }
    std::int64_t adesso() const { return piattaforma_.millisecondi(); }
    std::int64_t tempo() const { return partita_.cronometro().trascorsi(adesso()); }
    bool inPausa() const { return aperto() && partita_.cronometro().sospeso(Sosta::pausa); }
    void impostaPausa(bool pausa);
    // The window was minimised or shown again: the clock follows.
    void impostaRidotta(bool ridotta);
    // A dialog that holds the window stops the clock until it goes.
    void impostaDialogo(bool aperto);
    // The window lost the keyboard to another program's, or got it back.
    void impostaFuori(bool fuori);
    // The wrong cells among `caselle`, now marked.
    std::vector<Casella> controlla(const std::vector<Casella>& caselle);
    // Writes the solution into `caselle`, counted as revealed.
    void rivela(const std::vector<Casella>& caselle);
    // Whether the solution is locked with a code (a .puz's), so checks and reveals cannot work.
    bool soluzioneBloccata() const;
    // Sblocca soluzione: the four digits typed; "" once unlocked, else what is wrong, in Italian.
    // Unlocked, the puzzle counts as changed: the file saved next keeps the plain solution.
    std::string sblocca(const std::string& codice);
    // Controlla Soluzioni: the report, or the congratulation with the time.
    std::string messaggioVerifica() const;
    // Keeps the solve (time, marks, reveals) for the next session on this puzzle.
    void conservaPartita();

    // ---- Saving.
    // Salva to the puzzle's own file; false when it failed (already told) or has no name. A
    // file that changed on disk since it was read is replaced only if the player says so
    // (Sovrascrivi); Salva con nome asks for salvaConNomeRichiesto.
    bool salva();
    // Salva con nome's OK: writes to the chosen path with the author typed.
    EsitoSalvataggio salvaConNome(const std::string& cartella, const std::string& nome, const std::string& autore);
    // Whether the puzzle is saved in place or needs a name first.
    bool haNome() const;
    // Marks the answers as saved (the history's present state is the saved one) or not.
    void impostaModificato(bool modificato);
    // The player was told the working copy cannot be written: further failures go unsaid.
    void impostaCopiaSuperata(bool superata) { documento_.copiaLavoroSuperata = superata; }

    // ---- The working copy: written a moment after the first unsaved change (a burst of keys
    // makes one write, off the keys' path), synced at most once a second.
    void scriviCopiaOra();
    // A change waits for its copy to be written.
    bool copiaInAttesa() const { return copiaInAttesa_; }
    // How long a change waits for its copy, in milliseconds: what a crash can lose of typing.
    static constexpr int attesaCopia = 250;
    // The clock's time and the marks into the puzzle, for the formats that keep them (a .puz's
    // LTIM and GEXT).
    void aggiornaTempoFile();
    // The run ends: the copy goes unless it holds answers not saved. The solve is kept only
    // with saved answers: answers dropped (Non salvare) take their time with them.
    void chiudi(bool tieniSeModificato);
    // Puts everything on disk that must survive an end now (a signal, the desktop's logout):
    // the solve with saved answers, or the working copy with its time and marks.
    void alSicuro();
    // The time and marks as they stand, for the working copy's note and the archive.
    Partita partitaOra() const;

signals:
    // Another puzzle, or the first one: everything is new.
    void schemaCambiato();
    // Letters of these cells changed (after a key, the cursor may have moved with them).
    void celleCambiate(const std::vector<Casella>& caselle);
    void posizioneCambiata();
    void modificatoCambiato(bool modificato);
    void modoCambiato(ModoVista modo);
    // Marks, reveals or the pause changed what the grid shows.
    void segniCambiati();
    // The clock's state changed (started, paused, stopped).
    void tempoCambiato();
    // The grid has just come right: the congratulation.
    void risolto(const std::string& messaggio);
    // A line for the status bar: player data or the working copy failing or working again.
    void avviso(const std::string& testo);
    // Salva found the file changed on disk and the player chose Salva con nome.
    void salvaConNomeRichiesto();

private:
    // `modificato`: the answers read are not saved anywhere yet (brought back after a crash).
    void nuovoSchema(bool conservaPrecedente, bool modificato, const Partita* ripresa = nullptr);
    // `letta`: the reading of `dati` already made, when there is one.
    EsitoApertura apriLetti(std::string_view dati, const std::string& percorso, bool modificato,
                            std::unique_ptr<Blocco> blocco, Lettura* letta = nullptr);
    // One leftover's question: nothing for Più tardi and Elimina, else whether it was opened.
    std::optional<bool> offri(const CopiaAbbandonata& copia, const std::function<bool()>& lascia);
    // The leftovers of the puzzle just opened, if the player kept some for later.
    void offriCopieDi(const std::string& percorso);
    // Around a write of the puzzle: the note names the target, and once the file holds the
    // answers the working copy goes.
    void inizioSalvataggio(const std::string& destinazione);
    void fineSalvataggio(bool scritto);
    // The lock telling other windows `percorso` is open here; false when the player stops.
    bool prendiBlocco(const std::string& percorso, std::unique_ptr<Blocco>& blocco);
    // The bytes of the puzzle file as last read or written match what is on disk now.
    bool fileIntatto() const;
    // What the store could not take, tried again (the helps in their order, then the solves),
    // and said when all of it has gone.
    void riprovaArchivio();
    void saldaArchivio();
    // The helps still owed to the store, oldest first; false at the first that does not go.
    bool saldaAiuti();
    bool inDebitoConArchivio() const { return !partiteSospese_.empty() || !aiutiSospesi_.empty(); }
    // The store failing and coming back are each said once, whichever write found it.
    void archivioFallito(bool giaDetto);
    void archivioRipreso(bool eraInDebito);
    void dopoModifica(const std::vector<Casella>& cambiate);
    // `giusto`: the grid has just come right (the congratulation goes out).
    void dopoModifica(const std::vector<Casella>& cambiate, bool giusto);
    bool scrivi(const std::vector<Scrittura>& scritture, const FotoPartita& primaPartita, const QString& nome);
    // One undoable step for the letters of `caselle`, which held `prima` before the change, and
    // the solve as `primaPartita`; `sempre` takes it even when nothing else changed.
    void registraPasso(const std::vector<Casella>& caselle, const std::vector<VoceCella>& prima,
                       const FotoPartita& primaPartita, const QString& nome, bool sempre = false);
    void pianificaCopia();
    // Black squares came or went: the words the cursor moves along follow, and every cell is
    // redrawn with the next change (a diagramless's numbers move).
    void dopoNere();
    // A whole puzzle came in place of another (Gioca come, or its undo): the views start over.
    void dopoSchema();
    // The "." key: a black square placed or taken away at the current cell, one step.
    void alternaNeraCorrente();
    bool scriviArchivio(const std::string& percorso);
    // Checks and reveals go to the store with the clock's time.
    void registraAiuto(Aiuto aiuto, int caselle);
    // How much of the grid is filled, measured after every change: what the library shows.
    void misuraRiassunto();

    const Cartelle cartelle_;
    Impostazioni impostazioni_;
    Lessico lessico_;
    Documento documento_;
    Piattaforma& piattaforma_;
    Registro archivio_;
    QUndoStack storia_;
    void impostaSosta(Sosta sosta, bool attiva);
    // Changed in ways the history does not hold (recovered answers, a word dialog's Annulla).
    bool modificatoFuoriStoria_ = false;
    ModoVista modo_ = ModoVista::nessunoSchema;
    Navigazione navigazione_;
    Posizione posizione_;
    PartitaInCorso partita_;
    std::string percorsoPartita_;  // the name the solve is kept under
    std::string impronta_;
    bool copiaInAttesa_ = false;
    QTimer copia_;  // the copy's moment, started by the first change after the last write
    QTimer sincronia_;
    QTimer tempoInCopia_;  // keeps the time in the working copy's note fresh
    std::int64_t ultimaSincronia_ = -1;
    bool inMatita_ = false;
    bool cellaAperta_ = false;
    bool tuttaLaGriglia_ = false;  // the next change redraws every cell
    // The crossword left by Gioca come, for the way back.
    std::optional<Cruciverba> cruciverbaLasciato_;
    bool iniziale_ = false;
    Segni matita_;  // the pencil guesses, cell by cell
    std::unique_ptr<Blocco> blocco_;  // the open puzzle's lock
    std::string avanzo_;                  // a recovered leftover still waiting for our copy
    std::set<std::string> offerte_;       // puzzles whose opening asked about a leftover
    // Solves whose write failed, by puzzle: kept for the next try.
    struct PartitaSospesa {
        std::string impronta;
        Partita partita;
    };
    std::map<std::string, PartitaSospesa> partiteSospese_;
    // Checks and reveals whose write failed, oldest first.
    struct AiutoSospeso {
        std::string percorso, impronta;
        Aiuto aiuto;
        std::int64_t millisecondi, quando;
        int caselle;
    };
    std::vector<AiutoSospeso> aiutiSospesi_;
    Riassunto riassunto_;
    long long controlli_ = 0;  // checks in this attempt
};

}  // namespace quadrivo
