// `lessico incroci`: the crossing-aware words for one word of a puzzle file.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <iostream>
#include <string>
#include <vector>

#include "formats/formato.h"
#include "model/testo.h"
#include "model/tipo_file.h"
#include "solving/lessico_incroci.h"
#include "strumento.h"

namespace quadrivo {

namespace {

// A regular file's bytes; "" or why it cannot be read.
std::string leggiTutto(const std::string& percorso, std::string& dati) {
    const int fd = apriRegolare(percorso);
    if (fd < 0) return percheIlleggibile(percorso);
    char blocco[1 << 16];
    ssize_t n = 0;
    while ((n = ::read(fd, blocco, sizeof blocco)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0) dati.append(blocco, static_cast<std::size_t>(n));
    ::close(fd);
    return n < 0 ? "errore di lettura" : "";
}

int incroci(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
    if (a.size() != 5 || (a[4] != "o" && a[4] != "v")) {
        return eseguiLessico({}, out, err);  // the usage, exit 2
    }
    auto numero = [](const std::string& t) {
        if (t.empty() || t.size() > 4 || t.find_first_not_of("0123456789") != std::string::npos) return -1;
        return std::stoi(t);
    };
    const int colonna = numero(a[2]), riga = numero(a[3]);
    if (colonna < 1 || riga < 1) return eseguiLessico({}, out, err);

    std::string dati;
    if (const std::string motivo = leggiTutto(a[1], dati); !motivo.empty()) {
        err << "lessico: impossibile leggere " << a[1] << " (" << motivo << ")\n";
        return 1;
    }
    const Lettura letto = leggiCruciverba(a[1], dati);
    if (letto.esito != EsitoLettura::ok) {
        err << "lessico: " << a[1] << " non è un cruciverba che il programma sappia aprire\n";
        return 1;
    }
    const Cruciverba& x = letto.cruciverba;
    if (!x.bianca(colonna, riga)) {
        err << "lessico: la casella " << colonna << " " << riga << " non è una casella bianca dello schema\n";
        return 1;
    }
    const std::vector<Casella> caselle =
        parolaAttraverso(x, {colonna, riga}, a[4] == "o" ? Direzione::orizzontale : Direzione::verticale);
    if (caselle.size() < std::size_t(lunghezzaMinimaLessico) || caselle.size() > std::size_t(lunghezzaMassimaLessico)) {
        err << "lessico: la parola in quella casella ha " << caselle.size() << " lettere: servono da 3 a 15\n";
        return 1;
    }

    const auto lessico = apriDizionario(a[0], err);
    if (!lessico) return 1;
    // Only the blocks of the word and of its crossings are scanned: no index is built.
    std::string righe;
    for (const Suggerimento& s : suggerimenti(x, caselle, blocchiLessico(lessico->dati()))) {
        // Dictionary words are plain capitals: the code-page conversion only where a byte needs it.
        if (std::all_of(s.parola.begin(), s.parola.end(), [](char c) { return (c & 0x80) == 0; })) righe += s.parola;
        else righe += daWindows1252(s.parola);
        righe += ' ';
        righe += std::to_string(s.rimaste);
        righe += '\n';
    }
    out << righe;
    out.flush();
    return out ? 0 : 1;
}

}  // namespace

void abilitaIncroci() { eseguiIncroci = &incroci; }

}  // namespace quadrivo
