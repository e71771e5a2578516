#include "trmo.h"

#include <ostream>

#include "mainwindow/apertura.h"
#include "mainwindow/griglia.h"
#include "mainwindow/lavoro.h"
#include "model/cruciverba.h"
#include "model/file.h"
#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"
#include "model/testo.h"

namespace quadrivo {

namespace {

constexpr const char* uso =
    "Uso:\n"
    "  trmo verifica FILE...   controlla che i cruciverba si aprano come nel programma\n"
    "  trmo normalizza IN OUT  riscrive IN in OUT come fa \"Salva\" subito dopo l'apertura\n"
    "  trmo mostra FILE        stampa lo schema e le definizioni\n";

// A window of the usual size, for the layout pass.
constexpr AreaFinestra areaTipica{1016, 700, 30, 20};

// Opens a file the way the program does: copy into a working copy, read, lay out.
// Returns "" on success, else the message the program would show.
std::string apri(Stato& stato, const std::string& percorso) {
    PiattaformaRegistro piattaforma;
    stato.fileLavoro = nomeFileTemporaneo("trmo");
    if (stato.fileLavoro.empty()) return "Impossibile creare un file temporaneo.";
    std::string esito;
    EsitoApertura a = apriInLavoro(stato, piattaforma, percorso);
    if (a != EsitoApertura::ok) {
        esito = messaggioApertura(a, percorso);
    } else {
        try {
            rileggiCopiaLavoro(stato, piattaforma);
            SuperficieRegistro superficie(areaTipica.larghezza, areaTipica.altezza);
            disegnaGriglia(stato, superficie, piattaforma, areaTipica);
        } catch (const ProgrammaTerminato&) {
            esito = piattaforma.messaggi.empty() ? "Esecuzione terminata" : piattaforma.messaggi.back().testo;
        }
    }
    cancellaCopiaLavoro(stato.fileLavoro);
    return esito;
}

int verifica(const std::vector<std::string>& files, std::ostream& out) {
    int stato = 0;
    for (const std::string& f : files) {
        Stato s;
        std::string esito = apri(s, f);
        out << f << ": " << (esito.empty() ? "ok" : esito) << "\n";
        if (!esito.empty()) stato = 1;
    }
    return stato;
}

int normalizza(const std::string& da, const std::string& a, std::ostream& err) {
    Stato s;
    std::string esito = apri(s, da);
    if (esito.empty()) {
        PiattaformaRegistro piattaforma;
        if (scriviCruciverba(s, piattaforma, a)) return 0;
        esito = piattaforma.messaggi.back().testo;
    }
    err << esito << "\n";
    return 1;
}

void elenco(const Stato& s, int d, std::ostream& out) {
    out << (d == orizzontale ? "ORIZZONTALI:" : "VERTICALI:") << "\n";
    for (int r = 1; r <= s.nRighe; ++r) {
        for (int c = 1; c <= s.nColonne; ++c) {
            int t = s.tipoCasella[c][r];
            bool inizia = d == orizzontale ? (t == inizioOrizzontale || t == inizioEntrambe)
                                           : (t == inizioVerticale || t == inizioEntrambe);
            if (!inizia) continue;
            std::string n = std::to_string(s.numeroCasella[c][r]);
            out << std::string(n.size() < 3 ? 3 - n.size() : 0, ' ') << n << "  "
                << daWindows1252(s.definizione[c][r][d]) << "  [" << s.parolaSoluzione[c][r][d].size() << "]\n";
        }
    }
}

int mostra(const std::string& f, std::ostream& out, std::ostream& err) {
    Stato s;
    s.nomeFile = f;
    std::string esito = apri(s, f);
    if (!esito.empty()) {
        err << esito << "\n";
        return 1;
    }
    out << titoloGriglia(s) << "\n";
    for (int i = 0; i < 3; ++i) out << daWindows1252(s.righeFile[i]) << "\n";
    out << "\n";
    std::string bordo = "+";
    for (int c = 1; c <= s.nColonne; ++c) bordo += "----+";
    out << bordo << "\n";
    for (int r = 1; r <= s.nRighe; ++r) {
        std::string numeri = "|", lettere = "|";
        for (int c = 1; c <= s.nColonne; ++c) {
            char e = s.inserimento(c, r);
            if (s.letteraSoluzione[c][r] == "*") {
                numeri += "####|";
                lettere += "####|";
                continue;
            }
            std::string n = s.numeroCasella[c][r] ? std::to_string(s.numeroCasella[c][r]) : "";
            numeri += n + std::string(4 - n.size(), ' ') + "|";
            std::string l = (e == '.' || e == '\0') ? " " : daWindows1252(std::string(1, e));
            lettere += "  " + l + " |";
        }
        out << numeri << "\n" << lettere << "\n" << bordo << "\n";
    }
    out << "\n";
    elenco(s, orizzontale, out);
    out << "\n";
    elenco(s, verticale, out);
    return 0;
}

}  // namespace

int eseguiTrmo(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() >= 2 && a[0] == "verifica") return verifica({a.begin() + 1, a.end()}, out);
    if (a.size() == 3 && a[0] == "normalizza") return normalizza(a[1], a[2], err);
    if (a.size() == 2 && a[0] == "mostra") return mostra(a[1], out, err);
    err << uso;
    return 2;
}

}  // namespace quadrivo
