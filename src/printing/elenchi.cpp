#include "printing/elenchi.h"

#include <QDate>
#include <cstdio>
#include <filesystem>
#include <map>

#include "model/testo.h"
#include "model/varianti.h"

namespace quadrivo {

namespace {

// Cuts a text after each space and each '/', so a long line or path can wrap between its parts.
std::vector<std::string> pezzi(const std::string& testo) {
    std::vector<std::string> v;
    std::string p;
    for (char c : testo) {
        p += c;
        if (c == ' ' || c == '/') v.push_back(std::move(p)), p.clear();
    }
    if (!p.empty()) v.push_back(std::move(p));
    return v;
}

// The pen of the text block: it runs along the lines of a column, then on to the next
// column and the next sheet. It moves on lazily, so the block never opens an empty sheet.
class Flusso {
public:
    Flusso(Superficie& sup, const ColonneElenchi& c, const std::function<void()>& nuovoFoglio)
        : s_(sup), c_(c), nuovo_(nuovoFoglio), x_(c.sinistra), y_(c.alto) {
        s_.impostaGrassetto(false);
        s_.impostaDimensione(c.punti);
        riga_ = s_.altezzaTesto("X");
    }

    int fogli() const { return foglio_; }

    // Ends the current line; on an empty line it leaves one blank, except at a column's top.
    void aCapo() {
        if (vuota_) return;
        x_ = sinistra();
        y_ += riga_;
    }

    // A line of its own, kept with the line after it when `conSeguente`.
    void riga(const std::string& testo, bool grassetto, bool conSeguente = false) {
        if (x_ > sinistra()) aCapo();
        assicura(conSeguente ? 2 : 1);
        if (larghezza(testo, grassetto) <= c_.larghezza) {
            scrivi(testo, grassetto);
        } else {
            for (const std::string& p : pezzi(testo)) parola(p, grassetto);
        }
        aCapo();
    }

    // One clue: number in bold, the rest regular, whole on this line or the next; only an
    // entry wider than a whole column is broken between its words.
    void voce(const std::string& e) {
        const size_t spazio = e.find(' ');
        const std::string numero = e.substr(0, spazio), resto = spazio == std::string::npos ? "" : e.substr(spazio);
        const double w = larghezza(e, false);
        if (x_ > sinistra() && x_ + w > destra()) aCapo();
        if (w <= c_.larghezza) {
            assicura(1);
            scrivi(numero, true);
            scrivi(resto, false);
            return;
        }
        parola(numero, true);
        for (const std::string& p : pezzi(resto)) parola(p, false);
    }

    // A row of numbered boxes, each with its letter or empty: a codeword's key. As many boxes
    // as the column holds side by side, then the next row.
    void caselle(const std::vector<std::pair<std::string, std::string>>& voci) {
        if (x_ > sinistra()) aCapo();
        const double lato = 2 * riga_;
        const int perRiga = std::max(1, static_cast<int>(c_.larghezza / lato));
        for (size_t i = 0; i < voci.size(); i += static_cast<size_t>(perRiga)) {
            assicura(2);
            x_ = sinistra();
            for (size_t j = i; j < voci.size() && j < i + static_cast<size_t>(perRiga); ++j) {
                const double x = x_ + static_cast<double>(j - i) * lato;
                if (nuovo_) {
                    s_.rettangolo(x, y_, x + lato, y_ + lato, nero);
                    s_.impostaDimensione(c_.punti * 0.6);
                    s_.disegnaTesto(x + 1.5, y_ + 0.5, voci[j].first);
                    s_.impostaDimensione(c_.punti * 1.2);
                    const std::string& l = voci[j].second;
                    s_.disegnaTesto(x + (lato - s_.larghezzaTesto(l)) / 2, y_ + lato - s_.altezzaTesto(l) - 1, l);
                    s_.impostaDimensione(c_.punti);
                }
            }
            vuota_ = false;
            y_ += lato + riga_ / 2;
        }
    }

private:
    double sinistra() const { return c_.sinistra + colonna_ * (c_.larghezza + c_.spazio); }
    double destra() const { return sinistra() + c_.larghezza; }

    double larghezza(const std::string& t, bool grassetto) {
        s_.impostaGrassetto(grassetto);
        return s_.larghezzaTesto(t);
    }

    void parola(const std::string& p, bool grassetto) {
        // The trailing space may hang past the column's edge.
        const std::string nuda = p.ends_with(' ') ? p.substr(0, p.size() - 1) : p;
        const double w = larghezza(nuda, grassetto);
        if (x_ > sinistra() && x_ + w > destra()) aCapo();
        assicura(1);
        if (w <= c_.larghezza) return scrivi(p, grassetto);
        // Wider than the column on its own: cut between characters (never inside one).
        std::string pezzo;
        for (size_t i = 0; i < p.size();) {
            size_t n = 1;
            while (i + n < p.size() && (static_cast<unsigned char>(p[i + n]) & 0xC0) == 0x80) ++n;
            const std::string car = p.substr(i, n);
            if (!pezzo.empty() && larghezza(pezzo + car, grassetto) > c_.larghezza) {
                scrivi(pezzo, grassetto);
                aCapo();
                assicura(1);
                pezzo.clear();
            }
            pezzo += car;
            i += n;
        }
        scrivi(pezzo, grassetto);
    }

    // Moves to the next column (or sheet) when `righe` lines no longer fit in this one.
    void assicura(int righe) {
        if (vuota_ || y_ + righe * riga_ <= c_.basso) return;
        if (++colonna_ == c_.colonne) {
            colonna_ = 0;
            ++foglio_;
            if (nuovo_) nuovo_();
        }
        y_ = foglio_ == 1 ? c_.alto : c_.altoFogli;
        x_ = sinistra();
        vuota_ = true;
    }

    void scrivi(const std::string& t, bool grassetto) {
        const double w = larghezza(t, grassetto);
        if (nuovo_) s_.disegnaTesto(x_, y_, t);
        x_ += w;
        vuota_ = false;
        s_.impostaGrassetto(false);
    }

    Superficie& s_;
    const ColonneElenchi& c_;
    const std::function<void()>& nuovo_;
    double x_, y_, riga_ = 0;
    int colonna_ = 0, foglio_ = 1;
    bool vuota_ = true;  // nothing written yet in this column
};

}  // namespace

std::vector<std::string> vociDefinizioni(const Cruciverba& x, Direzione d) {
    std::vector<std::string> voci;
    const int n = numeroElenco(d);
    if (n < 1 || static_cast<size_t>(n) > x.elenchi.size()) return voci;
    for (const Definizione& w : x.elenchi[static_cast<size_t>(n - 1)].definizioni)
        voci.push_back(voceDefinizione(w.etichetta, w.testo));
    return voci;
}

std::string nomeInPiede(const std::string& percorso) { return std::filesystem::path(percorso).filename().string(); }

std::string rigaAutore(const Cruciverba& x) { return x.etichettaAutore + x.autore; }

namespace {

// What a game prints in place of the numbered lists: a senza schema its clues row by row and
// column by column, a codeword its key, a grid to fill its words by length.
void stampaGioco(const Cruciverba& x, Flusso& f) {
    switch (x.variante) {
    case Variante::senzaSchema:
        f.riga(intestazioneOrizzontali, true, true);
        // Each line flows on after the last, as a crossword's clues do, its number in bold.
        for (const std::string& e : righeDefinizioni(x, nomeRighe)) f.voce(e + " ");
        f.aCapo();
        f.aCapo();
        f.riga(intestazioneVerticali, true, true);
        for (const std::string& e : righeDefinizioni(x, nomeColonne)) f.voce(e + " ");
        return;
    case Variante::crittografato: {
        f.riga(intestazioneChiave, true, true);
        std::vector<std::pair<std::string, std::string>> chiave;
        for (const VoceChiave& v : tabellaChiave(x).codici) chiave.emplace_back(std::to_string(v.codice), v.lettera);
        f.caselle(chiave);
        return;
    }
    case Variante::daRiempire: {
        std::map<int, std::string> perLunghezza;
        for (const std::string& p : x.banca) {
            std::string& riga = perLunghezza[lunghezzaLettere(p)];
            riga += (riga.empty() ? "" : "   ") + p;
        }
        bool prima = true;
        for (const auto& [lunghezza, riga] : perLunghezza) {
            if (!prima) f.aCapo(), f.aCapo();
            prima = false;
            f.riga(std::to_string(lunghezza) + (lunghezza == 1 ? " LETTERA:" : " LETTERE:"), true, true);
            f.riga(riga, false);
        }
        return;
    }
    case Variante::cruciverba:
    case Variante::diagramless: return;
    }
}

// A crossword's clues: across, down, then the file's other lists under their names.
void stampaElenchi(const Cruciverba& x, Flusso& f) {
    f.riga(intestazioneOrizzontali, true, true);
    for (const std::string& e : vociDefinizioni(x, Direzione::orizzontale)) f.voce(e);
    f.aCapo();
    f.aCapo();
    f.riga(intestazioneVerticali, true, true);
    for (const std::string& e : vociDefinizioni(x, Direzione::verticale)) f.voce(e);
    // The file's other lists follow under their names in capitals ("DIAGONALI:").
    for (size_t i = 2; i < x.elenchi.size(); ++i) {
        if (x.elenchi[i].definizioni.empty()) continue;
        f.aCapo();
        f.aCapo();
        f.riga(maiuscolo(x.elenchi[i].direzione) + ":", true, true);
        for (const std::string& e : vociDefinizioni(x, direzioneElenco(static_cast<int>(i) + 1))) f.voce(e);
    }
}

}  // namespace

int stampaDefinizioni(const Documento& d, Superficie& sup, const ColonneElenchi& c, const std::string& data,
                      const std::function<void()>& nuovoFoglio) {
    Flusso f(sup, c, nuovoFoglio);
    const Variante variante = d.cruciverba.variante;
    if (variante == Variante::senzaSchema || variante == Variante::crittografato || variante == Variante::daRiempire) {
        stampaGioco(d.cruciverba, f);
    } else {
        stampaElenchi(d.cruciverba, f);
    }
    f.aCapo();
    f.aCapo();
    f.riga(data + separatoreData + nomeInPiede(d.nomeFile), false);
    f.riga(rigaAutore(d.cruciverba), false);
    f.riga(rigaCrediti, false);
    sup.impostaGrassetto(false);
    return f.fogli();
}

std::string dataStampa(int giorno, int mese, int anno) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", giorno, mese, anno);
    return buf;
}

std::string dataDiOggi() {
    const QDate oggi = QDate::currentDate();
    return dataStampa(oggi.day(), oggi.month(), oggi.year());
}

}  // namespace quadrivo
