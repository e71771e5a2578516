#include "formats/trmo.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <tuple>

#include <QString>

#include "model/file.h"
#include "model/numeri.h"
#include "model/testo.h"

namespace quadrivo {

namespace {

// Mid$(s, start) with a 1-based start.
std::string_view da(std::string_view s, size_t inizio) {
    return inizio - 1 < s.size() ? s.substr(inizio - 1) : std::string_view{};
}

std::string_view tratto(std::string_view s, size_t inizio, size_t lunghezza) {
    return da(s, inizio).substr(0, lunghezza);
}

// What the reader keeps so the writer gives back the bytes it read.
struct DatiTrmo : DatiFormato {
    std::array<std::string, 4> intestazione;
    std::string autoreLetto;
    std::vector<std::string> righe;  // grid lines as in the file, solution bytes still raised
    std::vector<std::string> vociLette;  // each cell's entry as the model got it, row by row
    // Clue texts as read, by (start, direction): the bytes and what the model got.
    std::map<std::pair<Casella, Direzione>, std::pair<std::string, std::string>> definizioni;
    size_t dimensioneLetta = 0;
    FuoriSchema fuori;
    FuoriSchema fuoriSchema() const override { return fuori; }
};

std::string voceDaByte(char b) { return b == '.' || b == ' ' ? std::string{} : daWindows1252(std::string(1, b)); }

// A size as the editor writes it, right-aligned in two characters: columns start at character
// 14 and rows at 17.
std::string dueCifre(int n) { return (n < 10 ? " " : "") + std::to_string(n); }

// A clue to write: its start cell, direction and text.
struct RigaDaScrivere {
    Casella inizio;
    Direzione direzione;
    const std::string* testo;
};

}  // namespace

bool FormatoTrmo::riconosce(std::string_view dati) const {
    const std::vector<std::string> righe = dividiRighe(dati.substr(0, 4096));
    if (righe.size() < 4) return false;
    try {
        const int c = intero(valore(da(righe[3], 14))), r = intero(valore(da(righe[3], 17)));
        return c >= 1 && r >= 1 && c <= maxColonneTrmo && r <= maxRigheTrmo;
    } catch (const ErroreOverflow&) {
        return false;
    }
}

Lettura FormatoTrmo::leggi(std::string_view dati) const {
    Lettura esito;
    const std::vector<std::string> righe = dividiRighe(dati);
    if (righe.size() < 4) return esito;
    int colonne = 0, righeGriglia = 0;
    try {
        colonne = intero(valore(da(righe[3], 14)));
        righeGriglia = intero(valore(da(righe[3], 17)));
    } catch (const ErroreOverflow&) {
        return esito;
    }
    if (colonne < 1 || righeGriglia < 1 || colonne > maxColonneTrmo || righeGriglia > maxRigheTrmo) return esito;
    if (righe.size() < 4u + static_cast<size_t>(righeGriglia)) return esito;

    auto memo = std::make_shared<DatiTrmo>();
    memo->dimensioneLetta = dati.size();
    for (int i = 0; i < 4; ++i) memo->intestazione[static_cast<size_t>(i)] = righe[static_cast<size_t>(i)];
    Cruciverba x(colonne, righeGriglia);
    for (int r = 1; r <= righeGriglia; ++r) {
        const std::string& riga = righe[static_cast<size_t>(3 + r)];
        if (riga.size() > 2u * maxColonneTrmo) return esito;
        for (size_t p = 0; p < riga.size(); p += 2) {
            if (static_cast<unsigned char>(riga[p]) < 26) return esito;
            // An entry that would blacken a white cell: a puzzle the grid cannot show.
            if (riga[p] != '*' + 26 && p + 1 < riga.size() && riga[p + 1] == '*') esito.esito = EsitoLettura::tipoNonValido;
        }
        memo->righe.push_back(riga);
        for (int c = 1; c <= colonne; ++c) {
            Cella& k = x.cella(c, r);
            const size_t p = static_cast<size_t>(2 * c - 2);
            if (p >= riga.size()) {
                // Past a short line's end the editor leaves white cells with no letter at all:
                // words run through them, but nobody can fill or check them.
                k.data = true;
            } else {
                const char soluzione = static_cast<char>(static_cast<unsigned char>(riga[p]) - 26);
                const char voce = p + 1 < riga.size() ? riga[p + 1] : '.';
                if (soluzione == '*') {
                    k.tipo = TipoCella::nera;
                    // Black, but an entry byte other than black still differs from its solution.
                    if (p + 1 >= riga.size() || riga[p + 1] != '*') ++memo->fuori.differenze;
                } else {
                    k.soluzione = daWindows1252(std::string(1, soluzione));
                    k.voce = voceDaByte(voce);
                }
            }
            memo->vociLette.push_back(k.voce);
        }
        // Cells past the last column are shown by no word, but a check counts them as the file has them.
        for (size_t p = 2 * static_cast<size_t>(colonne); p < riga.size(); p += 2) {
            const char soluzione = static_cast<char>(static_cast<unsigned char>(riga[p]) - 26);
            if (soluzione != '*') ++memo->fuori.lettere;
            if (p + 1 >= riga.size() || riga[p + 1] != soluzione) ++memo->fuori.differenze;
        }
    }
    if (esito.esito == EsitoLettura::tipoNonValido) return esito;

    std::map<std::pair<Casella, Direzione>, std::string> definizioni;
    for (size_t i = 4 + static_cast<size_t>(righeGriglia); i < righe.size(); ++i) {
        const std::string& riga = righe[i];
        try {
            const int c = intero(valore(tratto(riga, 1, 3)));
            const int r = intero(valore(tratto(riga, 4, 3)));
            const int d = intero(valore(tratto(riga, 7, 1)));
            // A later line for the same word replaces an earlier one; an unreadable one is skipped.
            if (x.dentro(c, r) && (d == 1 || d == 2)) definizioni[{{c, r}, direzioneElenco(d)}] = std::string(da(riga, 9));
        } catch (const ErroreOverflow&) {
        }
    }
    numeraStandard(x);
    for (Direzione d : {Direzione::orizzontale, Direzione::verticale})
        for (Definizione& w : x.elenchi[static_cast<size_t>(numeroElenco(d) - 1)].definizioni)
            if (auto it = definizioni.find({w.caselle.front(), d}); it != definizioni.end()) {
                w.testo = daWindows1252(it->second);
                memo->definizioni[it->first] = {it->second, w.testo};
            }
    memo->autoreLetto = righe[0].size() > etichettaAutore ? daWindows1252(righe[0].substr(etichettaAutore)) : "";
    x.autore = memo->autoreLetto;
    x.etichettaAutore = daWindows1252(righe[0].substr(0, std::min(righe[0].size(), etichettaAutore)));
    // The editor names the puzzle in a "Titolo:" header line; the page prints it at the top.
    for (size_t i = 1; i < 3; ++i)
        if (righe[i].starts_with("Titolo:")) {
            const size_t p = righe[i].find_first_not_of(' ', 7);
            const size_t q = righe[i].find_last_not_of(' ');
            if (p != std::string::npos) x.titolo = daWindows1252(righe[i].substr(p, q - p + 1));
        }
    x.formato = nome();
    x.datiFormato = std::move(memo);
    esito.cruciverba = std::move(x);
    esito.esito = EsitoLettura::ok;
    return esito;
}

namespace {

// A number right-aligned in three characters, as the editor writes it; longer ones keep their
// last three.
void aggiungiCampo(std::string& out, int n) {
    char cifre[16];
    const int quante = static_cast<int>(std::to_chars(cifre, cifre + sizeof cifre, n).ptr - cifre);
    for (int i = quante; i < 3; ++i) out += ' ';
    out.append(cifre + std::max(0, quante - 3), static_cast<size_t>(std::min(quante, 3)));
}

void aggiungiRigaDefinizione(std::string& out, int colonna, int riga, Direzione direzione, std::string_view testo) {
    aggiungiCampo(out, colonna);
    aggiungiCampo(out, riga);
    out += static_cast<char>('0' + numeroElenco(direzione));
    out += '-';
    out += testo;
}

}  // namespace

std::string rigaDefinizione(int colonna, int riga, Direzione direzione, const std::string& testo) {
    std::string out;
    aggiungiRigaDefinizione(out, colonna, riga, direzione, testo);
    return out;
}

// Written at every letter for the working copy: one buffer, no string per cell or clue.
std::string FormatoTrmo::scrivi(const Cruciverba& x) const {
    const auto* memo = dynamic_cast<const DatiTrmo*>(x.datiFormato.get());
    DatiTrmo nuovo;
    if (!memo) {
        // A puzzle that did not come from an archive: the header the editor writes.
        nuovo.intestazione = {"Autore:      ", "Data:        ", "Titolo:      " + aWindows1252(x.titolo),
                              "Dimensioni:  " + dueCifre(x.colonne()) + "x" + dueCifre(x.righe())};
        memo = &nuovo;
    }
    std::string out;
    out.reserve(memo->dimensioneLetta + 64);
    if (x.autore != memo->autoreLetto) {
        const std::string& riga1 = memo->intestazione[0];
        out.append(riga1, 0, std::min(riga1.size(), etichettaAutore));
        out += aWindows1252(x.autore);
    } else {
        out += memo->intestazione[0];
    }
    out += "\r\n";
    for (size_t i = 1; i < 4; ++i) out += memo->intestazione[i], out += "\r\n";
    for (int r = 1; r <= x.righe(); ++r) {
        const size_t inizio = out.size();
        if (static_cast<size_t>(r) <= memo->righe.size()) out += memo->righe[static_cast<size_t>(r - 1)];
        else
            for (int c = 1; c <= x.colonne(); ++c) {
                const Cella& k = x.cella(c, r);
                const std::string s = k.bianca() ? aWindows1252(k.soluzione.substr(0, 1)) : "*";
                out += static_cast<char>(static_cast<unsigned char>(s.empty() ? 'A' : s[0]) + 26);
                out += k.bianca() ? '.' : '*';
            }
        // A line that ends on a solution byte gets the entry byte its cell lacked once the cell
        // holds a letter: what the player typed is never dropped.
        for (int c = 1; c <= x.colonne() && inizio + static_cast<size_t>(2 * c - 1) <= out.size(); ++c) {
            const Cella& k = x.cella(c, r);
            if (!k.bianca()) continue;
            const size_t i = static_cast<size_t>(r - 1) * static_cast<size_t>(x.colonne()) + static_cast<size_t>(c - 1);
            const std::string& v = voceDaScrivere(k);
            if (i < memo->vociLette.size() && memo->vociLette[i] == v) continue;
            const unsigned char prima = v.empty() ? 0 : static_cast<unsigned char>(v[0]);
            const char b = prima < 0x80 ? static_cast<char>(prima) : aWindows1252(v)[0];
            const char voce = b == 0 || b == '*' ? '.' : b;
            const size_t dove = inizio + static_cast<size_t>(2 * c - 1);
            if (dove < out.size()) out[dove] = voce;
            else if (voce != '.') out += voce;
        }
        out += "\r\n";
    }
    // Column by column, top to bottom, the across clue of a cell before its down clue.
    std::vector<RigaDaScrivere> righe;
    for (Direzione d : {Direzione::orizzontale, Direzione::verticale})
        if (const ElencoDefinizioni* e = x.elenco(d == Direzione::orizzontale ? nomeOrizzontali : nomeVerticali))
            for (const Definizione& w : e->definizioni)
                if (!w.caselle.empty() && !w.testo.empty()) righe.push_back({w.caselle.front(), d, &w.testo});
    std::sort(righe.begin(), righe.end(), [](const RigaDaScrivere& a, const RigaDaScrivere& b) {
        return std::tie(a.inizio.colonna, a.inizio.riga, a.direzione) < std::tie(b.inizio.colonna, b.inizio.riga, b.direzione);
    });
    for (const RigaDaScrivere& w : righe) {
        const auto letta = memo->definizioni.find({w.inizio, w.direzione});
        if (letta != memo->definizioni.end() && letta->second.second == *w.testo)
            aggiungiRigaDefinizione(out, w.inizio.colonna, w.inizio.riga, w.direzione, letta->second.first);
        else
            aggiungiRigaDefinizione(out, w.inizio.colonna, w.inizio.riga, w.direzione, aWindows1252(*w.testo));
        out += "\r\n";
    }
    return out;
}

Intestazione FormatoTrmo::intestazione(const Cruciverba&, std::string_view dati) const {
    // The reader has checked the four lines are there.
    const std::vector<std::string> l = dividiRighe(dati.substr(0, std::min<size_t>(dati.size(), 4096)));
    auto riga = [&](size_t i, size_t inizio) { return i < l.size() ? daWindows1252(std::string(da(l[i], inizio))) : std::string(); };
    return {campiUniti({riga(0, 13), riga(1, 14), riga(2, 14)}), riga(3, 14)};
}

std::string FormatoTrmo::nonContiene(const Cruciverba& x) const {
    std::string testo;
    const auto aggiungi = [&](bool si, const std::string& cosa) {
        if (si) testo += (testo.empty() ? "" : ", ") + cosa;
    };
    aggiungi(x.colonne() > maxColonneTrmo || x.righe() > maxRigheTrmo,
             "uno schema di " + std::to_string(x.colonne()) + "×" + std::to_string(x.righe()) + " caselle (al massimo " +
                 std::to_string(maxColonneTrmo) + "×" + std::to_string(maxRigheTrmo) + ")");
    bool piuLettere = false, vuote = false, barre = false, segni = false, senza = false;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) {
            const Cella& k = x.cella(c, r);
            piuLettere = piuLettere || QString::fromStdString(k.soluzione).size() > 1 || QString::fromStdString(k.voce).size() > 1;
            vuote = vuote || k.tipo == TipoCella::vuota;
            barre = barre || k.barre;
            segni = segni || k.cerchio || k.ombreggiata || !k.colore.empty();
            senza = senza || (k.bianca() && k.soluzione.empty());
        }
    bool altri = false;
    for (size_t i = 2; i < x.elenchi.size(); ++i) altri = altri || !x.elenchi[i].definizioni.empty();
    aggiungi(piuLettere, "caselle di più lettere");
    aggiungi(vuote, "caselle fuori dallo schema");
    aggiungi(barre, "barre");
    aggiungi(segni, "cerchi o caselle colorate");
    aggiungi(senza, "caselle senza soluzione");
    aggiungi(altri, "elenchi di definizioni oltre orizzontali e verticali");
    return testo;
}

}  // namespace quadrivo
