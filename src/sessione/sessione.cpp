#include "sessione/sessione.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QSignalBlocker>
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <map>

#include "formats/formato.h"
#include "formats/puz.h"
#include "model/file.h"
#include "solving/controllo.h"
#include "solving/inserimento.h"
#include "solving/varianti.h"
#include "solving/verifica.h"

namespace quadrivo {

namespace {

using Voci = VociCelle;

// One step of the history: the letters of some cells, the marks, reveals, clock and solve
// before and after it.
class PassoVoci : public QUndoCommand {
public:
    PassoVoci(Sessione& s, Sessione::Istante prima, Sessione::Istante dopo, const QString& nome)
        : QUndoCommand(nome), s_(s), prima_(std::move(prima)), dopo_(std::move(dopo)) {}
    // The change is already in the puzzle when the step is pushed.
    void redo() override {
        if (fatto_) s_.torna(dopo_, prima_);
        fatto_ = true;
    }
    void undo() override { s_.torna(prima_, dopo_); }

private:
    Sessione& s_;
    Sessione::Istante prima_, dopo_;
    bool fatto_ = false;
};

// Gioca come's step: the whole puzzle before and after, with the solve.
class PassoSchema : public QUndoCommand {
public:
    PassoSchema(Sessione& s, Cruciverba prima, Cruciverba dopo, FotoPartita primaPartita, FotoPartita dopoPartita)
        : QUndoCommand("Gioca come"), s_(s), prima_(std::move(prima)), dopo_(std::move(dopo)),
          primaPartita_(std::move(primaPartita)), dopoPartita_(std::move(dopoPartita)) {}
    void redo() override {
        if (fatto_) s_.tornaSchema(dopo_, dopoPartita_, primaPartita_);
        fatto_ = true;
    }
    void undo() override { s_.tornaSchema(prima_, primaPartita_, dopoPartita_); }

private:
    Sessione& s_;
    Cruciverba prima_, dopo_;
    FotoPartita primaPartita_, dopoPartita_;
    bool fatto_ = false;
};

// A senza schema's row (column) clue line without its number, for every word of that row.
void testiDaRighe(std::vector<Definizione>& parole, const Cruciverba& x, const char* elenco, bool perRiga) {
    std::map<int, std::string> testi;
    for (const std::string& riga : righeDefinizioni(x, elenco))
        if (const size_t punto = riga.find(". "); punto != std::string::npos)
            testi[std::atoi(riga.c_str())] = riga.substr(punto + 2);
    for (Definizione& w : parole) {
        const int n = perRiga ? w.caselle.front().riga : w.caselle.front().colonna;
        w.etichetta = std::to_string(n);
        w.testo = testi[n];
    }
}

// The words the cursor moves along: the clue lists', or for a game without clues (a codeword,
// a grid to fill) the grid's own runs of cells. A senza schema's are the player's grid's, each
// with its row's (column's) clues, so that they never show where the solution's words lie. On
// a grid without its diagram the cursor also lands on the black squares the player placed, so
// that "." can take them away again.
Navigazione navigazioneDi(const Cruciverba& x) {
    if (senzaDiagramma(x)) {
        Cruciverba tutta = x;
        if (x.variante == Variante::senzaSchema) {
            std::vector<Definizione> righe = paroleOrizzontali(x), colonne = paroleVerticali(x);
            testiDaRighe(righe, x, nomeRighe, true);
            testiDaRighe(colonne, x, nomeColonne, false);
            tutta.elenchi = {{nomeOrizzontali, std::move(righe)}, {nomeVerticali, std::move(colonne)}};
        }
        for (int r = 1; r <= x.righe(); ++r)
            for (int c = 1; c <= x.colonne(); ++c)
                if (tutta.cella(c, r).tipo == TipoCella::nera) tutta.cella(c, r).tipo = TipoCella::bianca;
        return Navigazione(tutta);
    }
    if (x.variante != Variante::crittografato && x.variante != Variante::daRiempire) return Navigazione(x);
    Cruciverba conParole = x;
    conParole.elenchi = {{nomeOrizzontali, paroleOrizzontali(x)}, {nomeVerticali, paroleVerticali(x)}};
    return Navigazione(conParole);
}

// A puzzle under a name of its own (not the new puzzle's placeholder) keeps its solve.
bool nomeProprio(const std::string& nomeFile) { return !nomeFile.empty() && nomeFile != nomeNuovoCruciverba; }

VoceCella voceDi(const Cruciverba& x, const Casella& k) {
    if (!x.dentro(k)) return {};
    const Cella& z = x.cella(k);
    return {z.voce, z.matita, z.tipo == TipoCella::nera && senzaDiagramma(x)};
}

std::string impronta(std::string_view dati) { return improntaDati(dati); }

std::string improntaDelFile(const std::string& percorso) {
    const std::optional<std::string> dati = leggiFile(percorso);
    return dati ? impronta(*dati) : std::string{};
}

// The lock of a puzzle beside the working copies, named by the file's identity; "" for none.
QString nomeBlocco(const std::string& percorso) {
    const std::string cartella = cartellaCopie();
    if (cartella.empty() || percorso.empty() || percorso == nomeNuovoCruciverba) return {};
    const QByteArray chiave =
        QCryptographicHash::hash(QByteArray::fromStdString(chiaveFile(percorso)), QCryptographicHash::Sha256).toHex().left(24);
    return nomeQt(cartella) + "/schema-" + QString::fromLatin1(chiave) + ".lock";
}

std::vector<VoceCella> vociDelle(const Cruciverba& x, const std::vector<Casella>& caselle) {
    std::vector<VoceCella> voci;
    for (const Casella& k : caselle) voci.push_back(voceDi(x, k));
    return voci;
}

}  // namespace

Sessione::Sessione(Cartelle cartelle, Piattaforma& piattaforma, std::string cartellaPartite, QObject* genitore)
    : QObject(genitore), cartelle_(std::move(cartelle)), impostazioni_(cartelle_), piattaforma_(piattaforma), archivio_(std::move(cartellaPartite)) {
    // Away from the saved state and back: the answers' state follows, unless a change the
    // history does not hold keeps them unsaved anyway.
    connect(&storia_, &QUndoStack::cleanChanged, this, [this](bool pulita) {
        if (!modificatoFuoriStoria_) emit modificatoCambiato(!pulita);
    });
    // A kill loses at most a few seconds of the clock of answers not saved.
    tempoInCopia_.setInterval(5000);
    tempoInCopia_.start();
    connect(&tempoInCopia_, &QTimer::timeout, this, [this] {
        if (aperto() && modificato() && !documento_.copiaLavoroSuperata && partita_.cronometro().inCorso()) pianificaCopia();
    });
    copia_.setSingleShot(true);
    copia_.setInterval(attesaCopia);
    connect(&copia_, &QTimer::timeout, this, [this] { if (copiaInAttesa_) scriviCopiaOra(); });
    sincronia_.setSingleShot(true);
    connect(&sincronia_, &QTimer::timeout, this, [this] {
        if (!documento_.copiaLavoroSuperata && sincronizzaFile(documento_.fileLavoro)) ultimaSincronia_ = adesso();
    });
}

// The history says nothing more while it goes: nobody is left to hear it.
Sessione::~Sessione() { storia_.blockSignals(true); }

// ---- Opening

EsitoApertura Sessione::apri(const std::string& percorso) {
    std::unique_ptr<Blocco> blocco;
    if (!prendiBlocco(percorso, blocco)) return EsitoApertura::giaAperto;
    std::string dati;
    Lettura lettura;
    if (const EsitoApertura e = esaminaSchema(percorso, dati, lettura); e != EsitoApertura::ok) return e;
    return apriLetti(dati, percorso, false, std::move(blocco), &lettura);
}

EsitoApertura Sessione::apriDati(std::string_view dati, const std::string& percorso, bool modificato) {
    std::unique_ptr<Blocco> blocco;
    if (!prendiBlocco(percorso, blocco)) return EsitoApertura::giaAperto;
    return apriLetti(dati, percorso, modificato, std::move(blocco));
}

EsitoApertura Sessione::apriLetti(std::string_view dati, const std::string& percorso, bool modificato,
                                  std::unique_ptr<Blocco> blocco, Lettura* letta) {
    const bool lasciato = this->modificato();
    // The working copy's note names the version of the file its answers are made over.
    std::string improntaPrima = std::exchange(documento_.improntaFile, impronta(dati));
    const EsitoApertura esito = letta ? apriLettoInLavoro(documento_, piattaforma_, std::move(*letta), percorso)
                                      : apriDatiInLavoro(documento_, piattaforma_, dati, percorso);
    if (esito != EsitoApertura::ok) {
        documento_.improntaFile = std::move(improntaPrima);
        return esito;
    }
    if (blocco) blocco_ = std::move(blocco);
    nuovoSchema(!lasciato, modificato);
    // Answers kept aside for later are offered as soon as their puzzle is open again.
    if (!modificato) offriCopieDi(percorso);
    return esito;
}

bool Sessione::ripristina(const CopiaAbbandonata& copia, bool comeCopia) {
    // As a copy the answers go under a new name beside the puzzle, which stays as it is.
    const std::string nome = comeCopia ? nomeCopia(copia.schema) : copia.schema;
    std::unique_ptr<Blocco> blocco;
    if (!nome.empty() && !prendiBlocco(nome, blocco)) return false;
    const bool lasciato = modificato();
    // The answers were made over the file as the note says: Salva asks if it changed since.
    std::string improntaPrima = std::exchange(
        documento_.improntaFile, comeCopia || copia.schema.empty() ? std::string{}
                             : !copia.impronta.empty()         ? copia.impronta
                                                               : improntaDelFile(copia.schema));
    if (!ripristinaCopia(documento_, piattaforma_, copia, comeCopia ? nome : std::string{})) {
        documento_.improntaFile = std::move(improntaPrima);
        return false;
    }
    if (blocco) blocco_ = std::move(blocco);
    if (esisteFile(copia.lavoro)) avanzo_ = copia.lavoro;
    nuovoSchema(!lasciato, true, &copia.partita);
    return true;
}

std::optional<bool> Sessione::offri(const CopiaAbbandonata& c, const std::function<bool()>& lascia) {
    const Risposta r = piattaforma_.messaggio(domandaRipristino(c), {}, Icona::domanda,
                                              c.fileCambiato ? Pulsanti::ripristinaCopiaPiuTardiElimina
                                                             : Pulsanti::ripristinaPiuTardiElimina);
    if (r == Risposta::annulla) return std::nullopt;
    if (r == Risposta::nonSalvare) {
        if (piattaforma_.messaggio(domandaEliminazione(c), {}, Icona::attenzione, Pulsanti::annullaOk) == Risposta::ok)
            cancellaCopiaLavoro(c.lavoro);
        return std::nullopt;
    }
    return lascia() && ripristina(c, c.fileCambiato);
}

bool Sessione::offriCopie(const std::string& cartella, long long adesso, const std::function<bool()>& lascia) {
    // Both folders: a run that had to fall back to the cache folder left its copies there.
    std::vector<std::string> cartelle = cartelleCopie();
    if (std::find(cartelle.begin(), cartelle.end(), cartella) == cartelle.end()) cartelle.insert(cartelle.begin(), cartella);
    std::vector<CopiaAbbandonata> copie;
    for (const std::string& c : cartelle) {
        std::vector<CopiaAbbandonata> qui = copieAbbandonate(c, adesso);
        copie.insert(copie.end(), qui.begin(), qui.end());
    }
    std::stable_sort(copie.begin(), copie.end(), [](const auto& a, const auto& b) { return a.ora > b.ora; });
    // One question per puzzle, for its newest leftover; none for a puzzle whose opening already
    // asked (a file given on the command line opens before this round).
    std::set<std::string> chiesti;
    for (const CopiaAbbandonata& c : copie) {
        const std::string chiave = c.schema.empty() ? std::string{} : chiaveFile(c.schema);
        if (!chiave.empty() && (!chiesti.insert(chiave).second || offerte_.contains(chiave))) continue;
        // One puzzle at a time: any other leftover is offered at the next start.
        if (const std::optional<bool> aperta = offri(c, lascia)) return *aperta;
    }
    return false;
}

void Sessione::offriCopieDi(const std::string& percorso) {
    const std::string chiave = chiaveFile(percorso);
    std::optional<CopiaAbbandonata> ultima;
    for (const std::string& cartella : cartelleCopie())
        for (CopiaAbbandonata& c : copieAbbandonate(cartella, std::time(nullptr)))
            if (!c.schema.empty() && chiaveFile(c.schema) == chiave && (!ultima || c.ora > ultima->ora)) ultima = std::move(c);
    // Only the newest is asked about: Più tardi or Elimina is the answer for this opening.
    if (!ultima) return;
    offerte_.insert(chiave);
    offri(*ultima, [] { return true; });
}

bool Sessione::prendiBlocco(const std::string& percorso, std::unique_ptr<Blocco>& blocco) {
    const QString nome = nomeBlocco(percorso);
    if (nome.isEmpty()) return true;
    if (blocco_ && blocco_->nome() == nome) return true;  // open here already
    blocco = std::make_unique<Blocco>(nome);
    const Blocco::Esito esito = blocco->prendi();
    if (esito == Blocco::Esito::preso) return true;
    if (esito == Blocco::Esito::impossibile) {
        blocco.reset();  // a lock that cannot be made stops nobody
        return true;
    }
    blocco.reset();
    return piattaforma_.messaggio("Il cruciverba " + percorso +
                                      " è già aperto in un'altra finestra di Quadrivo.\r\rAprirlo comunque? Le due "
                                      "finestre hanno risposte separate: Salva in una sostituisce quelle dell'altra.",
                                  {}, Icona::attenzione, Pulsanti::apriComunqueAnnulla) == Risposta::ok;
}

void Sessione::nuovoSchema(bool conservaPrecedente, bool modificato, const Partita* ripresa) {
    // The solve of the puzzle being left is kept under its name first, unless its answers were dropped.
    if (aperto() && conservaPrecedente) scriviArchivio(percorsoPartita_);
    cruciverbaLasciato_.reset();
    navigazione_ = navigazioneDi(documento_.cruciverba);
    // The keyboard is on the grid from the start, at the first word.
    posizione_ = navigazione_.parole().empty() ? Posizione{} : navigazione_.vaiAParola(documento_.cruciverba, 0);
    iniziale_ = posizione_.valida();
    // A new history: the puzzle as opened is the clean state.
    storia_.blockSignals(true);
    storia_.clear();
    storia_.blockSignals(false);
    modificatoFuoriStoria_ = modificato;
    percorsoPartita_ = documento_.nomeFile;
    impronta_ = improntaSoluzione(documento_.cruciverba);
    std::optional<RecordPartita> registrata;
    if (!ripresa && nomeProprio(documento_.nomeFile)) registrata = archivio_.leggi(documento_.nomeFile, impronta_);
    Partita salvata = ripresa ? *ripresa : registrata ? registrata->partita : Partita{};
    // The wrong marks a file carries show when the player's data has none.
    if (salvata.segni.empty())
        for (const Casella& k : documento_.cruciverba.segniFile.sbagliate)
            if (documento_.cruciverba.bianca(k.colonna, k.riga) && !documento_.cruciverba.cella(k).voce.empty())
                salvata.segni[k] = documento_.cruciverba.cella(k).voce;
    // A file that carries its solving time starts the clock there, unless this player's kept
    // solve says more.
    if (documento_.cruciverba.secondiFile && salvata.millisecondi == 0)
        salvata.millisecondi = std::min<std::int64_t>(*documento_.cruciverba.secondiFile, 1'000'000'000) * 1000;
    partita_.inizia(documento_.cruciverba, salvata, adesso());
    // The checks of the kept solve continue with it.
    controlli_ = registrata ? registrata->controlli : 0;
    // Pencil guesses come back into the cells the file left empty (files never hold them).
    matita_.clear();
    for (const auto& [k, lettere] : salvata.lettereMatita)
        if (documento_.cruciverba.bianca(k.colonna, k.riga) && documento_.cruciverba.cella(k).voce.empty() &&
            !documento_.cruciverba.cella(k).data)
            documento_.cruciverba.cella(k).voce = lettere, documento_.cruciverba.cella(k).matita = true, matita_[k] = lettere;
    // A solve kept before the letters were: the file holds them, only the cells are known.
    for (const Casella& k : salvata.matita)
        if (!salvata.lettereMatita.contains(k) && documento_.cruciverba.bianca(k.colonna, k.riga) &&
            !documento_.cruciverba.cella(k).voce.empty())
            documento_.cruciverba.cella(k).matita = true, matita_[k] = documento_.cruciverba.cella(k).voce;
    misuraRiassunto();
    ultimaSincronia_ = adesso();
    modo_ = ModoVista::griglia;
    // The note beside the copy gets the solve's time and marks.
    pianificaCopia();
    emit schemaCambiato();
    emit modoCambiato(modo_);
    emit modificatoCambiato(this->modificato());
    emit tempoCambiato();
}

void Sessione::impostaModo(ModoVista modo) {
    if (!aperto() || modo == ModoVista::nessunoSchema || modo == modo_) return;
    modo_ = modo;
    emit modoCambiato(modo_);
}

// ---- Position and entries

void Sessione::impostaPosizione(const Posizione& p) {
    iniziale_ = false;
    if (p == posizione_) return;
    cellaAperta_ = false;
    posizione_ = p;
    emit posizioneCambiata();
}

void Sessione::chiudiCella() {
    if (!cellaAperta_) return;
    cellaAperta_ = false;
    if (documento_.cruciverba.cella(posizione_.colonna, posizione_.riga).voce.empty()) return;
    impostaPosizione(navigazione_.lettera(documento_.cruciverba, posizione_, U'A').posizione);
}

bool Sessione::tasto(TastoGriglia t, char32_t carattere, bool saltaComplete) {
    if (cellaAperta_ && (t == TastoGriglia::carattere || t == TastoGriglia::cancellaIndietro)) {
        const Cella& k = documento_.cruciverba.cella(posizione_.colonna, posizione_.riga);
        std::string voce = k.voce;
        if (t == TastoGriglia::carattere) {
            const char l = letteraDigitata(carattere);
            if (!l) return true;
            voce += l;
        } else {
            // The last character, whole even when it is not ASCII.
            while (!voce.empty() && (static_cast<unsigned char>(voce.back()) & 0xc0) == 0x80) voce.pop_back();
            if (!voce.empty()) voce.pop_back();
        }
        scrivi({{posizione_.colonna, posizione_.riga, voce, inMatita_}});
        return true;
    }
    cellaAperta_ = false;
    iniziale_ = false;
    if (t == TastoGriglia::carattere && carattere == U'.' && senzaDiagramma(documento_.cruciverba)) {
        if (!posizione_.valida()) return false;
        alternaNeraCorrente();
        return true;
    }
    Passo passo = navigazione_.tasto(documento_.cruciverba, posizione_, t, carattere, saltaComplete);
    if (!passo.gestito) return false;
    if (t == TastoGriglia::carattere)
        for (Scrittura& w : passo.scritture) w.matita = inMatita_;
    // The cursor moves first: the views redrawing the changed cells draw it where it went, so
    // one signal covers both.
    const bool mosso = passo.posizione != posizione_;
    posizione_ = passo.posizione;
    if (!scrivi(passo.scritture) && mosso) emit posizioneCambiata();
    return true;
}

bool Sessione::scrivi(const std::vector<Scrittura>& scritture) {
    return scrivi(scritture, partita_.foto(adesso()), "Scrittura");
}

bool Sessione::scrivi(const std::vector<Scrittura>& date, const FotoPartita& primaPartita, const QString& nome) {
    // In a codeword a letter goes into every cell of its code, in the same step.
    const std::vector<Scrittura> scritture = documento_.cruciverba.variante == Variante::crittografato
                                                 ? espandiCodici(documento_.cruciverba, date)
                                                 : date;
    std::vector<Casella> caselle;
    for (const Scrittura& w : scritture) caselle.push_back({w.colonna, w.riga});
    const std::vector<VoceCella> prima = vociDelle(documento_.cruciverba, caselle);
    if (!applicaScritture(documento_.cruciverba, scritture)) return false;
    registraPasso(caselle, prima, primaPartita, nome);
    return true;
}

void Sessione::applicaDialogo(const Posizione& parola, const std::optional<SceltaParola>& scelta) {
    // A game without clues of its own: only letters change, a codeword's in every cell of their code.
    if (const auto w = parolaDiGriglia(documento_.cruciverba, {parola.colonna, parola.riga}, parola.direzione)) {
        if (!scelta || !scrivi(scrittureScelta(documento_.cruciverba, w->caselle, *scelta), partita_.foto(adesso()),
                               "Parola")) {
            impostaModificato(true);
            dopoModifica(w->caselle);
        }
        return;
    }
    std::vector<Casella> caselle;
    if (const Definizione* w = definizioneDa(documento_.cruciverba, {parola.colonna, parola.riga}, parola.direzione))
        caselle = w->caselle;
    const std::vector<VoceCella> prima = vociDelle(documento_.cruciverba, caselle);
    const FotoPartita primaPartita = partita_.foto(adesso());
    if (scelta) applicaScelta(documento_.cruciverba, parola, *scelta);
    // Rebuilt for the clue text the dialog may have changed.
    navigazione_ = navigazioneDi(documento_.cruciverba);
    // Cancelled or confirmed, the dialog counts as a change to be saved.
    if (vociDelle(documento_.cruciverba, caselle) != prima) {
        registraPasso(caselle, prima, primaPartita, "Parola");
    } else {
        impostaModificato(true);
        dopoModifica(caselle);
    }
}

void Sessione::azzera() {
    const std::vector<Casella> tutte = caselleBianche(documento_.cruciverba);
    const std::vector<VoceCella> prima = vociDelle(documento_.cruciverba, tutte);
    const FotoPartita primaPartita = partita_.foto(adesso());
    azzeraInserimenti(documento_.cruciverba);
    partita_.azzera(documento_.cruciverba, adesso());
    if (nomeProprio(percorsoPartita_)) archivio_.nuovoTentativo(percorsoPartita_);
    controlli_ = 0;
    misuraRiassunto();
    // A step even on an empty grid: the clock it set back to zero comes back with Annulla.
    registraPasso(tutte, prima, primaPartita, "Azzera", true);
    emit segniCambiati();
    emit tempoCambiato();
}

void Sessione::registraPasso(const std::vector<Casella>& caselle, const std::vector<VoceCella>& prima,
                             const FotoPartita& primaPartita, const QString& nome, bool sempre) {
    Istante voltePrima{{}, primaPartita}, volteDopo;
    std::vector<Casella> cambiate;
    for (size_t i = 0; i < caselle.size(); ++i) {
        if (!documento_.cruciverba.dentro(caselle[i]) || voceDi(documento_.cruciverba, caselle[i]) == prima[i]) continue;
        cambiate.push_back(caselle[i]);
        voltePrima.voci.emplace_back(caselle[i], prima[i]);
        volteDopo.voci.emplace_back(caselle[i], voceDi(documento_.cruciverba, caselle[i]));
    }
    // The marks and the solve follow the letters before the step is taken whole.
    const bool giusto = partita_.dopoModifica(documento_.cruciverba, adesso());
    volteDopo.partita = partita_.foto(adesso());
    if (sempre || !cambiate.empty() || !primaPartita.stessiSegni(volteDopo.partita))
        storia_.push(new PassoVoci(*this, std::move(voltePrima), std::move(volteDopo), nome));
    dopoModifica(cambiate, giusto);
}

void Sessione::torna(const Istante& meta, const Istante& lasciato) {
    std::vector<Casella> cambiate;
    bool nere = false;
    for (const auto& [k, voce] : meta.voci) {
        if (!documento_.cruciverba.dentro(k)) continue;
        Cella& z = documento_.cruciverba.cella(k);
        if (senzaDiagramma(documento_.cruciverba) && z.tipo != TipoCella::vuota &&
            voce.nera != (z.tipo == TipoCella::nera)) {
            z.tipo = voce.nera ? TipoCella::nera : TipoCella::bianca;
            nere = true;
        }
        if (!documento_.cruciverba.bianca(k.colonna, k.riga)) {
            if (nere) cambiate.push_back(k);
            continue;
        }
        documento_.cruciverba.cella(k).voce = voce.voce;
        documento_.cruciverba.cella(k).matita = voce.matita;
        cambiate.push_back(k);
    }
    if (nere) {
        if (documento_.cruciverba.variante == Variante::diagramless) numeraGiocatore(documento_.cruciverba);
        dopoNere();
    }
    partita_.torna(meta.partita, lasciato.partita, adesso());
    // The cursor goes where the change was, in a direction that cell has a word in.
    if (!cambiate.empty()) {
        Posizione p{cambiate.front().colonna, cambiate.front().riga, posizione_.valida() ? posizione_.direzione : Direzione::orizzontale};
        if (!navigazione_.parolaCorrente(p)) p = navigazione_.giraDirezione(p);
        posizione_ = p;
        iniziale_ = false;
    }
    dopoModifica(cambiate, false);
    emit segniCambiati();
    emit tempoCambiato();
}

void Sessione::dopoModifica(const std::vector<Casella>& cambiate) {
    dopoModifica(cambiate, partita_.dopoModifica(documento_.cruciverba, adesso()));
}

void Sessione::dopoModifica(const std::vector<Casella>& date, bool giusto) {
    std::vector<Casella> cambiate = date;
    if (std::exchange(tuttaLaGriglia_, false)) {
        cambiate.clear();
        for (int r = 1; r <= documento_.cruciverba.righe(); ++r)
            for (int c = 1; c <= documento_.cruciverba.colonne(); ++c) cambiate.push_back({c, r});
    }
    // Kept apart from the model: the solve of a puzzle being left is stored after the next one is read.
    for (const Casella& k : cambiate)
        if (documento_.cruciverba.dentro(k) && documento_.cruciverba.cella(k).matita) matita_[k] = documento_.cruciverba.cella(k).voce;
        else matita_.erase(k);
    pianificaCopia();
    riprovaArchivio();
    misuraRiassunto();
    emit celleCambiate(cambiate);
    if (!giusto) return;
    emit tempoCambiato();
    emit risolto(messaggioVerifica());
}

void Sessione::impostaModificato(bool modificato) {
    const bool prima = this->modificato();
    modificatoFuoriStoria_ = modificato;
    if (!modificato) {
        const QSignalBlocker zitta(&storia_);
        storia_.setClean();
    }
    if (this->modificato() != prima) emit modificatoCambiato(modificato);
}

// ---- Checks, reveals and the clock

void Sessione::impostaPausa(bool pausa) {
    if (!aperto() || pausa == inPausa()) return;
    if (pausa)
        partita_.cronometro().sospendi(Sosta::pausa, adesso());
    else
        partita_.cronometro().riprendi(Sosta::pausa, adesso());
    emit tempoCambiato();
    emit segniCambiati();
}

void Sessione::impostaSosta(Sosta sosta, bool attiva) {
    if (!aperto()) return;
    if (attiva)
        partita_.cronometro().sospendi(sosta, adesso());
    else
        partita_.cronometro().riprendi(sosta, adesso());
    emit tempoCambiato();
}

void Sessione::impostaRidotta(bool ridotta) { impostaSosta(Sosta::ridotta, ridotta); }

void Sessione::impostaDialogo(bool aperto) { impostaSosta(Sosta::dialogo, aperto); }

void Sessione::impostaFuori(bool fuori) { impostaSosta(Sosta::fuori, fuori); }

std::vector<Casella> Sessione::controlla(const std::vector<Casella>& caselle) {
    const FotoPartita prima = partita_.foto(adesso());
    std::vector<Casella> sbagliate = partita_.controlla(documento_.cruciverba, caselle);
    ++controlli_;
    riassunto_.controlli = static_cast<int>(controlli_);
    registraAiuto(Aiuto::controllo, static_cast<int>(caselle.size()));
    const FotoPartita dopo = partita_.foto(adesso());
    // New marks are a step of their own: Annulla takes them off.
    if (!prima.stessiSegni(dopo)) {
        storia_.push(new PassoVoci(*this, {{}, prima}, {{}, dopo}, "Controlla"));
        pianificaCopia();
    }
    emit segniCambiati();
    return sbagliate;
}

void Sessione::rivela(const std::vector<Casella>& caselle) {
    const FotoPartita prima = partita_.foto(adesso());
    Cruciverba& x = documento_.cruciverba;
    if (senzaDiagramma(x)) {
        // The black squares first, where the player's differ from the solution's; then the letters.
        const std::vector<VoceCella> primaVoci = vociDelle(x, caselle);
        int nere = 0;
        for (const Casella& k : caselle)
            if (x.dentro(k) && controllabile(x.cella(k)) && x.cella(k).tipo != TipoCella::vuota &&
                (x.cella(k).tipo == TipoCella::nera) != x.cella(k).neraSoluzione && !alternaNera(x, k).empty())
                ++nere;
        if (nere > 0) dopoNere();
        const std::vector<Scrittura> scritture = partita_.rivela(x, caselle);
        applicaScritture(x, scritture);
        if (nere == 0 && scritture.empty()) return;
        registraAiuto(Aiuto::rivelazione, nere + static_cast<int>(scritture.size()));
        registraPasso(caselle, primaVoci, prima, "Rivela");
        emit segniCambiati();
        return;
    }
    const std::vector<Scrittura> scritture = partita_.rivela(documento_.cruciverba, caselle);
    if (scritture.empty()) return;
    registraAiuto(Aiuto::rivelazione, static_cast<int>(scritture.size()));
    scrivi(scritture, prima, "Rivela");
    emit segniCambiati();
}

void Sessione::dopoNere() {
    navigazione_ = navigazioneDi(documento_.cruciverba);
    tuttaLaGriglia_ = true;
}

void Sessione::alternaNeraCorrente() {
    Cruciverba& x = documento_.cruciverba;
    const Casella k{posizione_.colonna, posizione_.riga};
    if (!x.dentro(k)) return;
    const FotoPartita primaPartita = partita_.foto(adesso());
    const std::vector<VoceCella> prima = vociDelle(x, {k});
    // The cursor moves on as after a letter, along the words of the white cell there.
    const bool eraBianca = x.bianca(k.colonna, k.riga);
    Posizione dopo = eraBianca ? navigazione_.lettera(x, posizione_, U'A').posizione : posizione_;
    if (alternaNera(x, k).empty()) return;
    dopoNere();
    if (!eraBianca) dopo = navigazione_.lettera(x, posizione_, U'A').posizione;
    posizione_ = dopo;
    registraPasso({k}, prima, primaPartita, "Casella nera");
}

std::string Sessione::giocaCome(Variante variante) {
    if (!aperto() || variante == documento_.cruciverba.variante) return {};
    const Cruciverba& x = documento_.cruciverba;
    // The crossword the games are made from: the one left the first time, else the one open.
    Cruciverba base = x;
    if (x.variante != Variante::cruciverba) {
        if (!cruciverbaLasciato_) {
            // A game opened as such: its grid, kept, is what every other game starts from, so
            // that a codeword's given letters never pass to the next game.
            cruciverbaLasciato_ = grigliaSoluzione(x);
            cruciverbaLasciato_->variante = Variante::cruciverba;
        }
        base = *cruciverbaLasciato_;
    }
    Conversione c;
    switch (variante) {
    case Variante::cruciverba: c.cruciverba = base; break;
    case Variante::senzaSchema: c = comeSenzaSchema(base); break;
    case Variante::diagramless: c = comeDiagramless(base); break;
    case Variante::crittografato:
        c = comeCrittografato(base, static_cast<std::uint32_t>(std::hash<std::string>{}(impronta_)));
        break;
    case Variante::daRiempire: c = comeDaRiempire(base); break;
    }
    if (!c.cruciverba) return c.errore;
    Cruciverba nuovo = std::move(*c.cruciverba);
    // The player's letters stay where they still mean the same letter of the same word.
    for (int r = 1; r <= nuovo.righe(); ++r)
        for (int col = 1; col <= nuovo.colonne(); ++col) {
            Cella& z = nuovo.cella(col, r);
            if (!z.bianca() || z.data || !x.bianca(col, r) || !base.dentro(col, r)) continue;
            const Cella& v = x.cella(col, r);
            if (v.data || v.voce.empty() || v.soluzione != z.soluzione) continue;
            z.voce = v.voce;
            z.matita = v.matita;
        }
    // Equal codes are equal letters from the start, as if the player had typed them.
    if (variante == Variante::crittografato) accordaCodici(nuovo);
    // The way back keeps the crossword's own file data, for a save in its format.
    if (x.variante == Variante::cruciverba) cruciverbaLasciato_ = x;
    if (variante == Variante::cruciverba) {
        nuovo.formato = base.formato;
        nuovo.datiFormato = base.datiFormato;
    } else {
        // Kept as a game in the working copy; a save to a format that cannot hold it says so.
        nuovo.formato = "ipuz";
    }
    const FotoPartita primaPartita = partita_.foto(adesso());
    Cruciverba prima = x;
    documento_.cruciverba = std::move(nuovo);
    dopoSchema();
    storia_.push(new PassoSchema(*this, std::move(prima), documento_.cruciverba, primaPartita, partita_.foto(adesso())));
    return {};
}

void Sessione::tornaSchema(const Cruciverba& schema, const FotoPartita& meta, const FotoPartita& lasciata) {
    documento_.cruciverba = schema;
    partita_.torna(meta, lasciata, adesso());
    dopoSchema();
}

void Sessione::dopoSchema() {
    navigazione_ = navigazioneDi(documento_.cruciverba);
    posizione_ = navigazione_.parole().empty() ? Posizione{} : navigazione_.vaiAParola(documento_.cruciverba, 0);
    cellaAperta_ = false;
    const bool giusto = partita_.dopoModifica(documento_.cruciverba, adesso());
    pianificaCopia();
    misuraRiassunto();
    emit schemaCambiato();
    emit segniCambiati();
    if (giusto) {
        emit tempoCambiato();
        emit risolto(messaggioVerifica());
    }
}

bool Sessione::soluzioneBloccata() const { return aperto() && puzBloccato(documento_.cruciverba); }

std::string Sessione::sblocca(const std::string& codice) {
    if (!soluzioneBloccata()) return "La soluzione di questo schema non è cifrata.";
    const bool cifre = codice.size() == 4 && std::all_of(codice.begin(), codice.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!cifre) return "Il codice è di quattro cifre, da 0000 a 9999.";
    if (!sbloccaPuz(documento_.cruciverba, std::stoi(codice)))
        return "Il codice " + codice + " non sblocca questa soluzione: controllare le cifre.";
    // The solve is kept under the plain solution from now on, as the saved file will be read.
    impronta_ = improntaSoluzione(documento_.cruciverba);
    impostaModificato(true);
    dopoModifica({});
    emit segniCambiati();
    return {};
}

void Sessione::registraAiuto(Aiuto aiuto, int caselle) {
    if (!aperto() || !nomeProprio(percorsoPartita_)) return;
    // Kept until the store takes it, after any help kept before it.
    const bool detto = inDebitoConArchivio();
    aiutiSospesi_.push_back({percorsoPartita_, impronta_, aiuto, tempo(), archivio_.adesso(), caselle});
    if (saldaAiuti())
        archivioRipreso(detto);
    else
        archivioFallito(detto);
}

bool Sessione::saldaAiuti() {
    while (!aiutiSospesi_.empty()) {
        const AiutoSospeso& a = aiutiSospesi_.front();
        if (!archivio_.registraAiuto(a.percorso, a.impronta, a.aiuto, a.millisecondi, a.caselle, a.quando)) return false;
        aiutiSospesi_.erase(aiutiSospesi_.begin());
    }
    return true;
}

void Sessione::archivioFallito(bool giaDetto) {
    if (!giaDetto)
        emit avviso("Impossibile scrivere " + archivio_.percorsoFile() +
                    ": il tempo e i segni restano in memoria e si riprova alla prossima modifica e all'uscita.");
}

void Sessione::archivioRipreso(bool eraInDebito) {
    if (eraInDebito && !inDebitoConArchivio())
        emit avviso("Il tempo e i segni sono di nuovo scritti in " + archivio_.percorsoFile() + ".");
}

void Sessione::misuraRiassunto() {
    Riassunto r;
    for (const Casella& k : caselleBianche(documento_.cruciverba)) {
        ++r.bianche;
        if (!documento_.cruciverba.cella(k).voce.empty()) ++r.piene;
    }
    r.risolto = quadrivo::risolto(documento_.cruciverba);
    r.controlli = static_cast<int>(controlli_);
    riassunto_ = r;
}

std::string Sessione::messaggioVerifica() const {
    return quadrivo::messaggioVerifica(documento_.cruciverba, tempo(), static_cast<long long>(partita_.rivelate().size()),
                                       controlli_);
}

void Sessione::conservaPartita() {
    percorsoPartita_ = documento_.nomeFile;
    scriviArchivio(percorsoPartita_);
}

Partita Sessione::partitaOra() const {
    Partita p = partita_.partita(adesso());
    for (const auto& [k, lettere] : matita_) p.matita.insert(k);
    p.lettereMatita = matita_;
    return p;
}

bool Sessione::scriviArchivio(const std::string& percorso) {
    if (!aperto() || !nomeProprio(percorso)) return true;
    // This puzzle's solve as it is now replaces any kept for it; what else is owed goes first.
    const bool detto = inDebitoConArchivio();
    partiteSospese_[percorso] = PartitaSospesa{impronta_, partitaOra()};
    saldaArchivio();
    const bool scritto = !partiteSospese_.contains(percorso);
    // Kept in memory and tried again at the next change and at the end.
    if (scritto)
        archivioRipreso(detto);
    else
        archivioFallito(detto);
    return scritto;
}

void Sessione::riprovaArchivio() {
    if (!inDebitoConArchivio()) return;
    saldaArchivio();
    archivioRipreso(true);
}

void Sessione::saldaArchivio() {
    if (!saldaAiuti()) return;
    for (auto it = partiteSospese_.begin(); it != partiteSospese_.end();) {
        // The open puzzle's solve is the newest: it is what goes.
        const bool aperta = aperto() && it->first == percorsoPartita_;
        if (aperta) it->second = PartitaSospesa{impronta_, partitaOra()};
        const std::optional<Riassunto> r = aperta ? std::optional(riassunto_) : std::nullopt;
        if (!archivio_.scrivi(it->first, it->second.impronta, it->second.partita, r)) return;
        it = partiteSospese_.erase(it);
    }
}

// ---- Saving

bool Sessione::haNome() const { return decisioneSalva(documento_.nomeFile) == AzioneSalva::scrivi; }

bool Sessione::fileIntatto() const {
    if (documento_.improntaFile.empty() || !esisteFile(documento_.nomeFile)) return true;
    return improntaDelFile(documento_.nomeFile) == documento_.improntaFile;
}

void Sessione::inizioSalvataggio(const std::string& destinazione) {
    // Should the run end during the save, the note tells the next start where the answers went.
    documento_.salvataggioInCorso = destinazione;
    if (modificato() && !documento_.fileLavoro.empty() && !documento_.copiaLavoroSuperata) scriviCopiaOra();
}

void Sessione::fineSalvataggio(bool scritto) {
    documento_.salvataggioInCorso.clear();
    if (!scritto) return;
    documento_.improntaFile = impronta(testoCruciverba(documento_.cruciverba));
    if (!avanzo_.empty()) cancellaCopiaLavoro(std::exchange(avanzo_, {}));
    // The file holds every answer now: the copy, stale or not, is never to be offered again.
    cancellaCopiaLavoro(documento_.fileLavoro);
    documento_.fileLavoro.clear();
    documento_.notaScritta.clear();
}

bool Sessione::salva() {
    if (!aperto() || !haNome()) return false;
    if (!fileIntatto()) {
        const Risposta r = piattaforma_.messaggio(
            "Il file " + documento_.nomeFile +
                " è cambiato sul disco dopo l'apertura (un altro programma lo ha modificato o sostituito).\r\r"
                "Sovrascrivi lo sostituisce con le risposte di questa finestra; Salva con nome le scrive in un altro file.",
            titoloSalvataggio, Icona::attenzione, Pulsanti::sovrascriviSalvaConNomeAnnulla);
        if (r == Risposta::annulla) return false;
        if (r == Risposta::nonSalvare) {
            emit salvaConNomeRichiesto();
            return !modificato();
        }
    }
    // A game its file's format cannot hold (Gioca come on a .trmo) goes to another name.
    if (Cruciverba prova = documento_.cruciverba; !adattaAFormato(prova, documento_.nomeFile).empty()) {
        piattaforma_.messaggio(adattaAFormato(prova, documento_.nomeFile) +
                                   " Scegliere un altro nome o un'altra estensione (.ipuz contiene tutto).",
                               titoloSalvataggio, Icona::attenzione);
        emit salvaConNomeRichiesto();
        return false;
    }
    togliAvanzi(documento_.nomeFile);
    aggiornaTempoFile();
    inizioSalvataggio(documento_.nomeFile);
    const bool scritto = scriviCruciverba(documento_.cruciverba, piattaforma_, documento_.nomeFile);
    fineSalvataggio(scritto);
    if (scritto) impostaModificato(false);
    conservaPartita();
    // A failed save: the working copy reaches the disk now, whatever the once-a-second rhythm.
    if (!scritto && copiaInAttesa_) scriviCopiaOra();
    if (!scritto && !documento_.copiaLavoroSuperata && sincronizzaFile(documento_.fileLavoro)) ultimaSincronia_ = adesso();
    return scritto;
}

EsitoSalvataggio Sessione::salvaConNome(const std::string& cartella, const std::string& nome,
                                        const std::string& autore) {
    const std::string destinazione = percorsoSalvataggio(cartella, nome);
    togliAvanzi(destinazione);
    aggiornaTempoFile();
    inizioSalvataggio(destinazione);
    const EsitoSalvataggio esito = quadrivo::salvaConNome(documento_, piattaforma_, cartella, nome, autore);
    fineSalvataggio(esito == EsitoSalvataggio::salvato);
    if (esito == EsitoSalvataggio::salvato) {
        modificatoFuoriStoria_ = false;
        const QSignalBlocker zitta(&storia_);
        storia_.setClean();
    }
    emit modificatoCambiato(modificato());
    // The solve goes with the puzzle to its new name, and so does the lock.
    if (esito == EsitoSalvataggio::salvato) {
        // Taken if free: the file is written already, there is nothing left to ask.
        auto blocco = std::make_unique<Blocco>(nomeBlocco(documento_.nomeFile));
        if (!blocco->nome().isEmpty() && blocco->prendi() == Blocco::Esito::preso) blocco_ = std::move(blocco);
        conservaPartita();
    }
    return esito;
}

// ---- The working copy

void Sessione::pianificaCopia() {
    // Not pushed back by later keys: steady typing still reaches the disk every moment.
    if (copiaInAttesa_) return;
    copiaInAttesa_ = true;
    copia_.start();
}

void Sessione::aggiornaTempoFile() {
    // Only a file that keeps a time gets one, in whole seconds of the solving clock.
    const Capacita capacita = capacitaDi(documento_.cruciverba);
    if (documento_.cruciverba.secondiFile || capacita.tempo) documento_.cruciverba.secondiFile = tempo() / 1000;
    if (!capacita.segni) return;
    // The marks too, for the programs that read them from the file.
    Cruciverba& x = documento_.cruciverba;
    Cruciverba::SegniFile& f = x.segniFile;
    std::set<Casella> sbagliate;
    // A black square placed wrong has no letter for another program to mark.
    for (const auto& [k, lettera] : partita_.segni())
        if (lettera != segnoNera) sbagliate.insert(k), f.corrette.erase(k);
    // A mark gone while a letter stands there: the letter was put right.
    for (const Casella& k : f.sbagliate)
        if (!sbagliate.contains(k) && x.bianca(k.colonna, k.riga) && !x.cella(k).voce.empty()) f.corrette.insert(k);
    f.sbagliate = std::move(sbagliate);
    // The file's own given letters stay revealed; the rest are this solve's.
    std::set<Casella> rivelate(partita_.rivelate().begin(), partita_.rivelate().end());
    for (const Casella& k : f.rivelate)
        if (x.bianca(k.colonna, k.riga) && x.cella(k).data) rivelate.insert(k);
    f.rivelate = std::move(rivelate);
}

void Sessione::scriviCopiaOra() {
    copiaInAttesa_ = false;
    copia_.stop();
    if (!aperto()) return;
    aggiornaTempoFile();
    const bool superata = documento_.copiaLavoroSuperata;
    // The note keeps the clock in whole seconds: typed letters then leave it alone, and it is
    // written again once a second at most (a kill loses less than that of the clock).
    Partita partita = partitaOra();
    partita.millisecondi -= partita.millisecondi % 1000;
    if (!scriviCopiaLavoro(documento_, piattaforma_, partita)) return;
    if (superata) emit avviso(messaggioCopiaRipresa(cartellaDi(documento_.fileLavoro)));
    // A recovered leftover's answers are safe in our copy now.
    if (!avanzo_.empty() && avanzo_ != documento_.fileLavoro) cancellaCopiaLavoro(std::exchange(avanzo_, {}));
    // A sync at most once a second: the disk is not asked to wait at every letter.
    const std::int64_t passati = adesso() - ultimaSincronia_;
    if (passati >= 1000 || passati < 0) {
        if (sincronizzaFile(documento_.fileLavoro)) ultimaSincronia_ = adesso();
    } else if (!sincronia_.isActive()) {
        sincronia_.start(static_cast<int>(1000 - passati));
    }
}

void Sessione::alSicuro() {
    // Answers not saved: their time stays with them in the working copy, or goes with them.
    if (!modificato()) conservaPartita();
    riprovaArchivio();
    if (!aperto() || !modificato()) return;
    scriviCopiaOra();
    if (!documento_.copiaLavoroSuperata) sincronizzaFile(documento_.fileLavoro);
}

void Sessione::chiudi(bool tieniSeModificato) {
    if (tieniSeModificato) {
        alSicuro();
    } else {
        if (!modificato()) conservaPartita();
        riprovaArchivio();
    }
    if (!(tieniSeModificato && modificato())) cancellaCopiaLavoro(documento_.fileLavoro);
    blocco_.reset();
}

}  // namespace quadrivo
