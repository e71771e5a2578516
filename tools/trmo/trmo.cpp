#include "trmo.h"

#include <ostream>
#include <cstdlib>
#include <random>

#include "sessione/apertura.h"
#include "model/griglia.h"
#include "sessione/lavoro.h"
#include "formats/formato.h"
#include "printing/elenchi.h"
#include "model/file.h"
#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"
#include "model/testo.h"
#include "model/varianti.h"
#include "solving/varianti.h"

namespace quadrivo {

namespace {

constexpr const char* uso =
    "Uso:\n"
    "  trmo --help             questo aiuto\n"
    "  trmo verifica FILE...   controlla che i cruciverba si aprano come nel programma\n"
    "  trmo normalizza IN OUT  riscrive IN in OUT come fa \"Salva\" subito dopo l'apertura\n"
    "  trmo mostra FILE        stampa lo schema e le definizioni\n"
    "  trmo converti IN OUT    riscrive IN in OUT nel formato dell'estensione di OUT (.ipuz, .puz, .trmo),\n"
    "                          con le risposte del giocatore\n"
    "  trmo converti --senza-schema IN OUT.ipuz\n"
    "                          ne fa un cruciverba senza schema (definizioni per righe e colonne)\n"
    "  trmo converti --crittografato [--seme N] IN OUT.ipuz\n"
    "                          ne fa un crittografato: un numero per lettera, mescolati dal seme\n"
    "                          (lo stesso seme dà lo stesso file), due lettere date\n"
    "  trmo converti --da-riempire IN OUT.ipuz\n"
    "                          ne fa uno schema da riempire con l'elenco delle sue parole\n";

// A message box's text as one plain line: its line breaks (carriage returns, which a terminal
// would take as "back to the start") become spaces.
std::string riga(const std::string& testo) {
    std::string r;
    for (char c : testo) {
        const bool a_capo = c == '\r' || c == '\n';
        if (!a_capo) r += c;
        else if (!r.empty() && r.back() != ' ') r += ' ';
    }
    while (!r.empty() && r.back() == ' ') r.pop_back();
    return r;
}

// A window of the usual size, for the layout pass.
constexpr AreaFinestra areaTipica{1016, 700, 30, 20};

// Opens a file the way the program does; "" on success, else the message the program would show.
std::string apri(Documento& documento, const std::string& percorso) {
    PiattaformaRegistro piattaforma;
    documento.fileLavoro = nomeFileTemporaneo("trmo");
    if (documento.fileLavoro.empty()) return "Impossibile creare un file temporaneo.";
    const EsitoApertura a = apriInLavoro(documento, piattaforma, percorso);
    cancellaCopiaLavoro(documento.fileLavoro);
    if (a != EsitoApertura::ok) return messaggioApertura(a, percorso);
    SuperficieRegistro superficie(areaTipica.larghezza, areaTipica.altezza);
    disegnaGriglia(documento, ValoriImpostazioni{}, superficie, areaTipica);
    return {};
}

int verifica(const std::vector<std::string>& files, std::ostream& out) {
    int stato = 0;
    for (const std::string& f : files) {
        Documento s;
        std::string esito = apri(s, f);
        out << f << ": " << (esito.empty() ? "ok" : riga(esito)) << "\n";
        if (!esito.empty()) stato = 1;
    }
    return stato;
}

int normalizza(const std::string& da, const std::string& a, std::ostream& err) {
    Documento s;
    std::string esito = apri(s, da);
    if (esito.empty()) {
        PiattaformaRegistro piattaforma;
        if (scriviCruciverba(s.cruciverba, piattaforma, a)) return 0;
        esito = piattaforma.messaggi.back().testo;
    }
    err << riga(esito) << "\n";
    return 1;
}

// The formats converti writes, by OUT's extension.
const Formato* formatoDestinazione(const std::string& percorso) {
    const size_t punto = percorso.rfind('.');
    const std::string estensione = punto == std::string::npos ? "" : maiuscolo(percorso.substr(punto + 1));
    for (const char* nome : {"ipuz", "puz", "trmo"})
        if (estensione == maiuscolo(nome)) return formatoPerNome(nome);
    return nullptr;
}

// The game a puzzle is turned into, and the seed of a codeword's codes.
struct Gioco {
    Variante variante = Variante::cruciverba;
    std::uint32_t seme = 0;
};

int converti(const std::string& da, const std::string& a, std::ostream& err, const Gioco& gioco = {}) {
    const Formato* f = formatoDestinazione(a);
    if (!f) {
        err << "Estensione di " << a << " sconosciuta: usare .ipuz, .puz o .trmo.\n";
        return 1;
    }
    Documento s;
    std::string esito = apri(s, da);
    if (!esito.empty()) {
        err << riga(esito) << "\n";
        return 1;
    }
    Cruciverba x = s.cruciverba;
    if (gioco.variante != Variante::cruciverba) {
        const Conversione c = gioco.variante == Variante::senzaSchema     ? comeSenzaSchema(x)
                              : gioco.variante == Variante::crittografato ? comeCrittografato(x, gioco.seme)
                                                                          : comeDaRiempire(x);
        if (!c.cruciverba) {
            err << c.errore << " " << a << " non è stato scritto.\n";
            return 1;
        }
        x = *c.cruciverba;
    }
    if (const std::string manca = adattaAFormato(x, a); !manca.empty()) {
        err << riga(manca) << " " << a << " non è stato scritto.\n";
        return 1;
    }
    PiattaformaRegistro piattaforma;
    if (scriviCruciverba(x, piattaforma, a)) return 0;
    err << riga(piattaforma.messaggi.back().testo) << "\n";
    return 1;
}

// A list's heading: the usual two, else the file's own name in capitals.
std::string intestazione(const ElencoDefinizioni& e) {
    if (e.direzione == nomeOrizzontali) return "ORIZZONTALI:";
    if (e.direzione == nomeVerticali) return "VERTICALI:";
    return maiuscolo(e.direzione) + ":";
}

void elenco(const ElencoDefinizioni& e, std::ostream& out) {
    out << intestazione(e) << "\n";
    for (const Definizione& w : e.definizioni) {
        const std::string& n = w.etichetta;
        out << std::string(n.size() < 3 ? 3 - n.size() : 0, ' ') << n << "  " << w.testo << "  [" << w.caselle.size()
            << "]\n";
    }
}

// What the player reads besides the grid in each variant: the row and column lines, the key,
// the bank. False for a plain crossword, whose lists follow.
bool mostraVariante(const Cruciverba& x, std::ostream& out) {
    switch (x.variante) {
        case Variante::senzaSchema:
            for (auto [elenco, titolo] : {std::pair{nomeRighe, titoloRighe}, {nomeColonne, titoloColonne}}) {
                out << "\n" << titolo << ":\n";
                for (const std::string& r : righeDefinizioni(x, elenco)) out << r << "\n";
            }
            return true;
        case Variante::crittografato: {
            out << "\nCHIAVE:\n";
            for (const VoceChiave& v : tabellaChiave(x).codici)
                out << v.codice << "=" << (v.lettera.empty() ? "." : v.lettera) << (v.doppia ? "!" : "") << " ";
            out << "\n";
            for (const LetteraAlfabeto& l : tabellaChiave(x).alfabeto) out << (l.usata ? '-' : l.lettera);
            out << "\n";
            return true;
        }
        case Variante::daRiempire:
            out << "\nPAROLE:\n";
            for (const auto& [n, parole] : bancaPerLunghezza(x)) {
                out << n << " lettere:";
                for (const VoceBanca& p : parole) out << " " << p.parola << (p.cancellata ? " (inserita)" : "");
                out << "\n";
            }
            return true;
        case Variante::cruciverba:
        case Variante::diagramless: break;
    }
    return false;
}

int mostra(const std::string& f, std::ostream& out, std::ostream& err) {
    Documento s;
    s.nomeFile = f;
    std::string esito = apri(s, f);
    if (!esito.empty()) {
        err << riga(esito) << "\n";
        return 1;
    }
    out << titoloGriglia(s) << "\n";
    out << rigaAutore(s.cruciverba) << "\n";
    out << "\n";
    std::string bordo = "+";
    const Cruciverba& x = s.cruciverba;
    for (int c = 1; c <= x.colonne(); ++c) bordo += "----+";
    out << bordo << "\n";
    for (int r = 1; r <= x.righe(); ++r) {
        std::string numeri = "|", lettere = "|";
        for (int c = 1; c <= x.colonne(); ++c) {
            const Cella& k = x.cella(c, r);
            if (!k.bianca()) {
                const char* segno = k.tipo == TipoCella::nera ? "####|" : "    |";
                numeri += segno;
                lettere += segno;
                continue;
            }
            // A codeword's cell shows its code where a crossword's shows its number.
            const std::string n = x.variante == Variante::crittografato && k.codice > 0 ? std::to_string(k.codice) : k.etichetta;
            numeri += n + std::string(n.size() < 4 ? 4 - n.size() : 0, ' ') + "|";
            // A cell of several letters fills its four columns.
            const std::string v = k.voce.size() > 1 ? (k.voce + "    ").substr(0, 4) : "  " + (k.voce.empty() ? " " : k.voce) + " ";
            lettere += v + "|";
        }
        out << numeri << "\n" << lettere << "\n" << bordo << "\n";
    }
    if (mostraVariante(x, out)) return 0;
    for (size_t i = 0; i < x.elenchi.size(); ++i) {
        if (i >= 2 && x.elenchi[i].definizioni.empty()) continue;
        out << "\n";
        elenco(x.elenchi[i], out);
    }
    return 0;
}

}  // namespace

int eseguiTrmo(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    // Asked for, the usage is an answer: on the standard output, and no failure.
    if (a.size() == 1 && (a[0] == "--help" || a[0] == "-h")) {
        out << uso;
        return 0;
    }
    if (a.size() >= 2 && a[0] == "verifica") return verifica({a.begin() + 1, a.end()}, out);
    if (a.size() == 3 && a[0] == "normalizza") return normalizza(a[1], a[2], err);
    if (a.size() == 2 && a[0] == "mostra") return mostra(a[1], out, err);
    const auto opzione = [](const std::string& x) { return x.rfind("--", 0) == 0; };
    if (a.size() == 3 && a[0] == "converti" && !opzione(a[1]) && !opzione(a[2])) return converti(a[1], a[2], err);
    if (a.size() >= 2 && a[0] == "converti") {
        Gioco g;
        std::vector<std::string> file;
        bool seme = false;
        for (size_t i = 1; i < a.size(); ++i) {
            if (a[i] == "--senza-schema" && g.variante == Variante::cruciverba) g.variante = Variante::senzaSchema;
            else if (a[i] == "--crittografato" && g.variante == Variante::cruciverba) g.variante = Variante::crittografato;
            else if (a[i] == "--da-riempire" && g.variante == Variante::cruciverba) g.variante = Variante::daRiempire;
            else if (a[i] == "--seme" && i + 1 < a.size() && !seme) {
                const std::string& n = a[++i];
                char* fine = nullptr;
                const unsigned long long v = std::strtoull(n.c_str(), &fine, 10);
                if (n.empty() || *fine || n[0] == '-' || v > 0xffffffffULL) {
                    err << "Seme non valido: " << n << " (un numero da 0 a 4294967295).\n";
                    return 2;
                }
                g.seme = static_cast<std::uint32_t>(v);
                seme = true;
            } else if (!opzione(a[i])) file.push_back(a[i]);
            else file.clear(), file.resize(3);  // an unknown or repeated option: the usage
        }
        const bool valido = file.size() == 2 && g.variante != Variante::cruciverba &&
                            (!seme || g.variante == Variante::crittografato);
        if (valido) {
            // Without a seed the codes are drawn afresh each time.
            if (g.variante == Variante::crittografato && !seme) g.seme = std::random_device{}();
            return converti(file[0], file[1], err, g);
        }
    }
    err << uso;
    return 2;
}

}  // namespace quadrivo
