#include "trmo.h"

#include <ostream>

#include "sessione/apertura.h"
#include "model/griglia.h"
#include "sessione/lavoro.h"
#include "formats/formato.h"
#include "printing/elenchi.h"
#include "model/file.h"
#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"
#include "model/testo.h"

namespace quadrivo {

namespace {

constexpr const char* uso =
    "Uso:\n"
    "  trmo --help             questo aiuto\n"
    "  trmo verifica FILE...   controlla che i cruciverba si aprano come nel programma\n"
    "  trmo normalizza IN OUT  riscrive IN in OUT come fa \"Salva\" subito dopo l'apertura\n"
    "  trmo mostra FILE        stampa lo schema e le definizioni\n"
    "  trmo converti IN OUT    riscrive IN in OUT nel formato dell'estensione di OUT (.ipuz, .puz, .trmo),\n"
    "                          con le risposte del giocatore\n";

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
    Stato stato;
    disegnaGriglia(documento, stato, superficie, areaTipica);
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

int converti(const std::string& da, const std::string& a, std::ostream& err) {
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
            const std::string& n = k.etichetta;
            numeri += n + std::string(n.size() < 4 ? 4 - n.size() : 0, ' ') + "|";
            // A cell of several letters fills its four columns.
            const std::string v = k.voce.size() > 1 ? (k.voce + "    ").substr(0, 4) : "  " + (k.voce.empty() ? " " : k.voce) + " ";
            lettere += v + "|";
        }
        out << numeri << "\n" << lettere << "\n" << bordo << "\n";
    }
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
    if (a.size() == 3 && a[0] == "converti") return converti(a[1], a[2], err);
    err << uso;
    return 2;
}

}  // namespace quadrivo
