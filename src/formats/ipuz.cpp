#include "formats/ipuz.h"

#include "model/testo.h"
#include "model/varianti.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>

namespace quadrivo {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QString& t) { return t.toStdString(); }

// A number or a string as text: 12 and "12" are the same label.
std::string testoDi(const QJsonValue& v) {
    if (v.isString()) return s(v.toString());
    if (v.isDouble()) {
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15) return std::to_string(static_cast<long long>(d));
        return s(QString::number(d));
    }
    return {};
}

// What the reader keeps: the file's own object and wrapper, and what the model got from it, so
// an untouched puzzle writes back its bytes and a played one only its `saved` grid.
struct DatiIpuz : DatiFormato {
    std::string originale;
    std::string prima, dopo;  // "ipuz(" and ")" around the object, when wrapped
    QJsonObject radice;
    std::vector<std::string> voci;
    std::vector<std::string> definizioni;  // each clue's text as read, list by list
    std::string titolo, autore, copyright, note;
    QString blocco = "#", vuoto = "0";
};

// What the player holds in a cell, as a write-back compares it: a black square the player placed
// counts as much as a letter.
std::string voceGiocatore(const Cruciverba& x, const Cella& k) {
    return senzaDiagramma(x) && k.tipo == TipoCella::nera ? std::string("\x01#") : voceDaScrivere(k);
}

std::vector<std::string> testiDefinizioni(const Cruciverba& x) {
    std::vector<std::string> testi;
    for (const ElencoDefinizioni& e : x.elenchi)
        for (const Definizione& d : e.definizioni) testi.push_back(d.testo);
    return testi;
}

// A grid value ("A", "ABC", {"value": "A"}) as letters; "" for none, a block or the empty mark.
std::string lettere(const QJsonValue& v, const DatiIpuz& d) {
    const QJsonValue valore = v.isObject() ? v.toObject().value("value") : v;
    if (!valore.isString()) return {};
    const QString t = valore.toString();
    if (t == d.blocco || t == d.vuoto || t.trimmed().isEmpty()) return {};
    return s(t.toUpper());
}

void applicaStile(Cella& k, const QJsonValue& valore, const QJsonObject& stili) {
    const QJsonObject stile = valore.isString() ? stili.value(valore.toString()).toObject() : valore.toObject();
    if (stile.isEmpty()) return;
    if (stile.value("shapebg").toString() == "circle") k.cerchio = true;
    if (stile.value("highlight").toBool()) k.ombreggiata = true;
    const QString barre = stile.value("barred").toString();
    if (barre.contains('T')) k.barre |= barraSopra;
    if (barre.contains('R')) k.barre |= barraDestra;
    if (barre.contains('B')) k.barre |= barraSotto;
    if (barre.contains('L')) k.barre |= barraSinistra;
    const QString colore = stile.value("color").toString();
    if (colore.size() == 6 && colore.toUInt(nullptr, 16) <= 0xffffff && !colore.contains(QRegularExpression("[^0-9a-fA-F]")))
        k.colore = "#" + s(colore.toLower());
}

// The first white cell of each label, in reading order: found once per file, not per clue.
using Etichette = std::map<std::string, Casella>;
Etichette etichetteDi(const Cruciverba& x) {
    Etichette e;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c)
            if (x.bianca(c, r) && !x.cella(c, r).etichetta.empty()) e.try_emplace(x.cella(c, r).etichetta, Casella{c, r});
    return e;
}

std::optional<Casella> cellaDetta(const Etichette& e, const std::string& etichetta) {
    const auto it = e.find(etichetta);
    return it == e.end() ? std::nullopt : std::optional<Casella>(it->second);
}

// A clue labelled by a range ("2-3", as the first crosswords were): the straight line of white
// cells from one marked cell to the other, whatever the list's direction.
std::vector<Casella> caselleDaIntervallo(const Cruciverba& x, const Etichette& e, const std::string& etichetta) {
    static const QRegularExpression intervallo(R"(^\s*([^\s-]+)\s*-\s*([^\s-]+)\s*$)");
    const QRegularExpressionMatch m = intervallo.match(q(etichetta));
    if (!m.hasMatch()) return {};
    const std::optional<Casella> a = cellaDetta(e, s(m.captured(1))), b = cellaDetta(e, s(m.captured(2)));
    if (!a || !b || *a == *b) return {};
    const int dc = b->colonna - a->colonna, dr = b->riga - a->riga;
    if (dc != 0 && dr != 0 && std::abs(dc) != std::abs(dr)) return {};
    const int passi = std::max(std::abs(dc), std::abs(dr));
    std::vector<Casella> caselle;
    for (int i = 0; i <= passi; ++i) {
        const Casella k{a->colonna + i * (dc > 0) - i * (dc < 0), a->riga + i * (dr > 0) - i * (dr < 0)};
        if (!x.bianca(k.colonna, k.riga)) return {};
        caselle.push_back(k);
    }
    return caselle;
}

// The cells of a word with no list of its own: from the labelled cell along the direction, or
// between the two cells a range names.
std::vector<Casella> caselleDa(const Cruciverba& x, const Etichette& e, const std::string& etichetta, int dc, int dr) {
    if (etichetta.empty()) return {};
    const std::optional<Casella> inizio = cellaDetta(e, etichetta);
    if (!inizio) return caselleDaIntervallo(x, e, etichetta);
    std::vector<Casella> caselle{*inizio};
    Casella k = *inizio;
    while (true) {
        const Casella dopo{k.colonna + dc, k.riga + dr};
        if (!x.bianca(dopo.colonna, dopo.riga) || (dr == 0 || dc == 0 ? confine(x, k, dopo) : false)) break;
        caselle.push_back(k = dopo);
    }
    return caselle;
}

Definizione definizioneDaIpuz(const QJsonValue& v, const Cruciverba& x, const Etichette& e, int dc, int dr) {
    Definizione w;
    std::vector<Casella> caselle;
    if (v.isArray()) {
        const QJsonArray a = v.toArray();
        w.etichetta = testoDi(a.at(0));
        w.testo = testoDi(a.at(1));
    } else if (v.isObject()) {
        const QJsonObject o = v.toObject();
        w.etichetta = testoDi(o.contains("label") ? o.value("label") : o.value("number"));
        w.testo = testoDi(o.value("clue"));
        w.enumerazione = testoDi(o.value("enumeration"));
        for (const QJsonValue& p : o.value("cells").toArray()) {
            const QJsonArray cr = p.toArray();
            const Casella k{cr.at(0).toInt(), cr.at(1).toInt()};
            if (x.dentro(k)) caselle.push_back(k);
        }
        if (caselle.empty()) caselle = caselleDa(x, e, testoDi(o.value("number")), dc, dr);
    } else {
        w.testo = testoDi(v);
    }
    w.caselle = caselle.empty() && !v.isObject() ? caselleDa(x, e, w.etichetta, dc, dr) : caselle;
    return w;
}

// The variant the kinds name, set up once the grid and the lists are read; in Italian what is
// wrong with it, "" when nothing.
std::string variante(Cruciverba& x, bool diagramless, bool codificato, bool riempire) {
    if (diagramless) {
        const bool righe = x.elenco(nomeRighe) || x.elenco(nomeColonne);
        x.variante = righe ? Variante::senzaSchema : Variante::diagramless;
        if (righe) {
            // Its clues go by row and column: the numbered lists stay only when they hold any.
            std::erase_if(x.elenchi, [](const ElencoDefinizioni& e) {
                return (e.direzione == nomeOrizzontali || e.direzione == nomeVerticali) && e.definizioni.empty();
            });
            caselleRigheColonne(x);
        } else {
            numeraGiocatore(x);
        }
    } else if (codificato) {
        std::set<int> codici;
        for (const Casella& k : caselleBianche(x)) {
            Cella& z = x.cella(k);
            bool numero = false;
            const int n = q(z.etichetta).toInt(&numero);
            if (!numero || n < 1)
                return "Nel crittografato la casella della riga " + std::to_string(k.riga) + ", colonna " +
                       std::to_string(k.colonna) + " non ha un numero.";
            z.codice = n;
            z.etichetta.clear();
            codici.insert(n);
        }
        // Codes run 1..k: a file that skips some is closed up, keeping their order.
        std::map<int, int> nuovo;
        for (int n : codici) nuovo.emplace(n, static_cast<int>(nuovo.size()) + 1);
        for (const Casella& k : caselleBianche(x)) x.cella(k).codice = nuovo[x.cella(k).codice];
        x.variante = Variante::crittografato;
    } else if (riempire) {
        const auto e = std::find_if(x.elenchi.begin(), x.elenchi.end(), [](const auto& v) { return v.direzione == nomeParole; });
        if (e != x.elenchi.end()) {
            for (const Definizione& d : e->definizioni) x.banca.push_back(maiuscolo(d.testo));
            x.elenchi.erase(e);
        }
        x.variante = Variante::daRiempire;
    }
    return {};
}

}  // namespace

std::string direzioneDaIpuz(const std::string& chiave) {
    const size_t dueP = chiave.find(':');
    if (dueP != std::string::npos) return chiave.substr(dueP + 1);
    if (chiave == "Across") return nomeOrizzontali;
    if (chiave == "Down") return nomeVerticali;
    if (chiave == "Diagonal") return nomeDiagonali;
    return chiave;
}

std::string direzioneInIpuz(const std::string& direzione) {
    if (direzione == nomeRighe) return "Across:Righe";
    if (direzione == nomeColonne) return "Down:Colonne";
    if (direzione == nomeOrizzontali) return "Across";
    if (direzione == nomeVerticali) return "Down";
    if (direzione == nomeDiagonali) return "Diagonal";
    return direzione;
}

bool FormatoIpuz::riconosce(std::string_view dati) const {
    const std::string_view inizio = dati.substr(0, 4096);
    return inizio.find("ipuz.org") != std::string_view::npos &&
           (inizio.find_first_not_of(" \t\r\n\xef\xbb\xbf") == inizio.find_first_of("{i"));
}

Lettura FormatoIpuz::leggi(std::string_view dati) const {
    auto memo = std::make_shared<DatiIpuz>();
    memo->originale = std::string(dati);
    std::string_view json = dati;
    const size_t primo = dati.find_first_not_of(" \t\r\n");
    if (primo != std::string_view::npos && dati.substr(primo, 5) == "ipuz(") {
        const size_t chiusa = dati.rfind(')');
        if (chiusa == std::string_view::npos || chiusa < primo + 5) return rifiuto("Il file ipuz non chiude la parentesi di ipuz(...).");
        memo->prima = std::string(dati.substr(0, primo + 5));
        memo->dopo = std::string(dati.substr(chiusa));
        json = dati.substr(primo + 5, chiusa - primo - 5);
    }
    QJsonParseError errore;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())), &errore);
    if (!doc.isObject())
        return rifiuto("Il file non contiene un JSON valido (" + s(errore.errorString()) + " al carattere " +
                       std::to_string(errore.offset) + ").");
    const QJsonObject o = doc.object();
    memo->radice = o;
    bool diagramless = false, codificato = false, riempire = false;
    if (o.contains("kind")) {
        bool cruciverba = false;
        std::string tipo;
        for (const QJsonValue& k : o.value("kind").toArray()) {
            const QString t = k.toString();
            diagramless = diagramless || t.contains("/crossword/diagramless");
            codificato = codificato || t.contains("/coded");
            riempire = riempire || t.contains("ipuz.org/fill");
            if (t.contains("/crossword") || t.contains("ipuz.org/fill")) cruciverba = true;
            else if (tipo.empty()) tipo = s(t.section('/', -1).section('#', 0, 0));
        }
        if (!cruciverba)
            return rifiuto("Il file ipuz contiene un gioco di tipo \"" + (tipo.empty() ? std::string("sconosciuto") : tipo) +
                               "\", non un cruciverba.",
                           EsitoLettura::tipoNonValido);
    }
    const QJsonObject dim = o.value("dimensions").toObject();
    if (!dim.value("width").isDouble() || !dim.value("height").isDouble())
        return rifiuto("Nel file ipuz mancano le dimensioni dello schema (\"dimensions\").");
    const double w = dim.value("width").toDouble(), h = dim.value("height").toDouble();
    if (!(w >= 1 && h >= 1 && w <= maxLatoFormati && h <= maxLatoFormati) || w != std::floor(w) || h != std::floor(h))
        return rifiuto("Lo schema ha dimensioni " + testoDi(dim.value("width")) + "×" + testoDi(dim.value("height")) +
                       ": il programma apre schemi da 1×1 a " + std::to_string(maxLatoFormati) + "×" +
                       std::to_string(maxLatoFormati) + ".");
    const int colonne = static_cast<int>(w), righe = static_cast<int>(h);
    if (o.contains("block")) memo->blocco = q(testoDi(o.value("block")));
    if (o.contains("empty")) memo->vuoto = q(testoDi(o.value("empty")));

    // Each grid a list of `righe` rows of at least `colonne` values; `nome` for the message.
    std::string perche;
    auto griglia = [&](const char* nome, bool obbligatoria) -> std::optional<QJsonArray> {
        if (!o.contains(nome)) {
            if (obbligatoria) perche = std::string("Nel file ipuz manca lo schema (\"") + nome + "\").";
            return std::nullopt;
        }
        const QJsonArray a = o.value(nome).toArray();
        bool ok = a.size() >= righe;
        for (qsizetype r = 0; ok && r < righe; ++r) ok = a.at(r).isArray() && a.at(r).toArray().size() >= colonne;
        if (ok) return a;
        perche = std::string("Nel file ipuz \"") + nome + "\" ha meno righe dello schema o righe più corte della larghezza (" +
                 std::to_string(colonne) + "×" + std::to_string(righe) + ").";
        return std::nullopt;
    };
    const std::optional<QJsonArray> p = griglia("puzzle", true);
    if (!p) return rifiuto(perche);
    const QJsonArray puzzle = *p;
    const QJsonObject stili = o.value("styles").toObject();
    Cruciverba x(colonne, righe);
    for (int r = 1; r <= righe; ++r) {
        const QJsonArray riga = puzzle.at(r - 1).toArray();
        for (int c = 1; c <= colonne; ++c) {
            Cella& k = x.cella(c, r);
            QJsonValue v = riga.at(c - 1);
            if (v.isObject()) {
                const QJsonObject oc = v.toObject();
                applicaStile(k, oc.value("style"), stili);
                if (const std::string data = lettere(oc.value("value"), *memo); !data.empty()) k.voce = data, k.data = true;
                v = oc.value("cell");
                if (v.isUndefined()) v = QJsonValue(0);
            }
            if (v.isNull()) {
                k.tipo = TipoCella::vuota;
            } else if (v.isString() && v.toString() == memo->blocco) {
                k.tipo = TipoCella::nera;
            } else {
                const std::string e = testoDi(v);
                if (e != s(memo->vuoto) && e != "0") k.etichetta = e;
            }
            if (!k.bianca()) {
                const TipoCella tipo = k.tipo;
                k = Cella{};
                k.tipo = tipo;
            }
        }
    }
    for (const char* nome : {"solution", "saved"}) {
        // The diagram hidden once the solution has said where its black squares are.
        if (diagramless && nome[1] == 'a') nascondiSchema(x);
        const std::optional<QJsonArray> g = griglia(nome, false);
        if (!perche.empty()) return rifiuto(perche);
        if (!g) continue;
        const QJsonArray valori = *g;
        for (int r = 1; r <= righe; ++r) {
            const QJsonArray riga = valori.at(r - 1).toArray();
            for (int c = 1; c <= colonne; ++c) {
                Cella& k = x.cella(c, r);
                if (!k.bianca()) continue;
                const QJsonValue v = riga.at(c - 1);
                if (diagramless && v.isString() && v.toString() == memo->blocco) {
                    if (nome[1] == 'o') k.neraSoluzione = true;
                    else if (!k.data) k.tipo = TipoCella::nera;
                    continue;
                }
                const std::string l = lettere(v, *memo);
                if (nome[1] == 'o') k.soluzione = l;
                else if (!k.data) k.voce = l;
            }
        }
    }

    x.elenchi = {{nomeOrizzontali, {}}, {nomeVerticali, {}}};
    const QJsonObject clues = o.value("clues").toObject();
    // The lists, the clues and the cells they name are counted before anything is built.
    if (static_cast<size_t>(clues.size()) > maxElenchi)
        return rifiuto("Il file ipuz contiene " + std::to_string(clues.size()) +
                       " elenchi di definizioni: il programma ne apre fino a " + std::to_string(maxElenchi) + ".");
    size_t definizioni = 0, caselle = 0;
    for (auto it = clues.begin(); it != clues.end(); ++it) {
        const QJsonArray lista = it.value().toArray();
        definizioni += static_cast<size_t>(lista.size());
        for (const QJsonValue& v : lista) caselle += static_cast<size_t>(v.toObject().value("cells").toArray().size());
    }
    if (definizioni > maxDefinizioni)
        return rifiuto("Il file ipuz contiene " + std::to_string(definizioni) + " definizioni: il programma ne apre fino a " +
                       std::to_string(maxDefinizioni) + ".");
    if (caselle > maxCaselleParole)
        return rifiuto("Le definizioni del file ipuz nominano " + std::to_string(caselle) +
                       " caselle in tutto: il programma ne apre fino a " + std::to_string(maxCaselleParole) + ".");
    const Etichette etichette = etichetteDi(x);
    std::unordered_map<std::string, size_t> perNome{{nomeOrizzontali, 0}, {nomeVerticali, 1}};
    for (auto it = clues.begin(); it != clues.end(); ++it) {
        const std::string chiave = s(it.key()), base = chiave.substr(0, chiave.find(':'));
        const int dc = base == "Down" ? 0 : 1, dr = base == "Across" ? 0 : 1;
        const std::string nome = direzioneDaIpuz(chiave);
        const auto [dove, nuovo] = perNome.emplace(nome, x.elenchi.size());
        if (nuovo) x.elenchi.push_back(ElencoDefinizioni{nome, {}});
        ElencoDefinizioni& e = x.elenchi[dove->second];
        for (const QJsonValue& v : it.value().toArray()) e.definizioni.push_back(definizioneDaIpuz(v, x, etichette, dc, dr));
    }
    if (const std::string guasto = variante(x, diagramless, codificato, riempire); !guasto.empty()) return rifiuto(guasto);
    x.titolo = s(o.value("title").toString());
    x.autore = s(o.value("author").toString());
    x.copyright = s(o.value("copyright").toString());
    x.note = s(o.value("notes").toString());
    for (int r = 1; r <= righe; ++r)
        for (int c = 1; c <= colonne; ++c) memo->voci.push_back(voceGiocatore(x, x.cella(c, r)));
    memo->definizioni = testiDefinizioni(x);
    memo->titolo = x.titolo, memo->autore = x.autore, memo->copyright = x.copyright, memo->note = x.note;
    x.formato = nome();
    x.datiFormato = std::move(memo);
    Lettura l;
    l.esito = EsitoLettura::ok;
    l.cruciverba = std::move(x);
    return l;
}

namespace {

QJsonValue etichettaIpuz(const std::string& e) {
    if (e.empty()) return 0;
    bool numero = false;
    const int n = q(e).toInt(&numero);
    return numero && std::to_string(n) == e ? QJsonValue(n) : QJsonValue(q(e));
}

QJsonValue cellaIpuz(const Cella& k, const QString& blocco) {
    if (k.tipo == TipoCella::vuota) return QJsonValue::Null;
    if (k.tipo == TipoCella::nera) return blocco;
    QJsonObject stile;
    if (k.cerchio) stile["shapebg"] = "circle";
    if (k.ombreggiata) stile["highlight"] = true;
    if (k.barre) {
        QString b;
        for (auto [f, l] : {std::pair{barraSopra, 'T'}, {barraDestra, 'R'}, {barraSotto, 'B'}, {barraSinistra, 'L'}})
            if (k.barre & f) b += QChar(l);
        stile["barred"] = b;
    }
    if (k.colore.size() == 7) stile["color"] = q(k.colore.substr(1));
    if (stile.isEmpty() && !k.data) return etichettaIpuz(k.etichetta);
    QJsonObject o{{"cell", etichettaIpuz(k.etichetta)}};
    if (!stile.isEmpty()) o["style"] = stile;
    if (k.data) o["value"] = q(k.voce);
    return o;
}

QJsonArray tipiIpuz(Variante v) {
    switch (v) {
        case Variante::senzaSchema:
        case Variante::diagramless: return {"http://ipuz.org/crossword/diagramless#1"};
        case Variante::crittografato: return {"http://ipuz.org/crossword#1", "http://crosswordnexus.com/ipuz/coded#1"};
        case Variante::daRiempire: return {"http://ipuz.org/fill#1"};
        case Variante::cruciverba: break;
    }
    return {"http://ipuz.org/crossword#1"};
}

// The grid of one value per cell: voids null, blocks as the file's block mark.
QJsonArray grigliaIpuz(const Cruciverba& x, const QString& blocco, const std::function<QJsonValue(const Cella&)>& bianca) {
    QJsonArray righe;
    for (int r = 1; r <= x.righe(); ++r) {
        QJsonArray riga;
        for (int c = 1; c <= x.colonne(); ++c) {
            const Cella& k = x.cella(c, r);
            riga.append(k.tipo == TipoCella::vuota ? QJsonValue(QJsonValue::Null) : k.tipo == TipoCella::nera ? QJsonValue(blocco) : bianca(k));
        }
        righe.append(riga);
    }
    return righe;
}

QJsonObject definizioniIpuz(const Cruciverba& x) {
    QJsonObject clues;
    const Etichette etichette = etichetteDi(x);
    for (const ElencoDefinizioni& e : x.elenchi) {
        if (e.definizioni.empty()) continue;
        std::string chiave = direzioneInIpuz(e.direzione);
        if (chiave == e.direzione && chiave != "Across" && chiave != "Down" && chiave != "Diagonal") {
            // A list of the file's own name runs the way its first word does.
            const auto& k = e.definizioni.front().caselle;
            const bool giu = k.size() >= 2 && k[1].colonna == k[0].colonna;
            const bool diagonale = k.size() >= 2 && k[1].colonna != k[0].colonna && k[1].riga != k[0].riga;
            chiave = std::string(diagonale ? "Diagonal" : giu ? "Down" : "Across") + ":" + chiave;
        }
        const std::string base = chiave.substr(0, chiave.find(':'));
        const int dc = base == "Down" ? 0 : 1, dr = base == "Across" ? 0 : 1;
        QJsonArray lista;
        for (const Definizione& w : e.definizioni) {
            QJsonObject o;
            if (!w.etichetta.empty()) o["number"] = etichettaIpuz(w.etichetta);
            o["clue"] = q(w.testo);
            if (!w.enumerazione.empty()) o["enumeration"] = q(w.enumerazione);
            // The cells only when the number does not lead to them: the common validators
            // refuse a clue that carries its own, so a plain grid goes without.
            // The row and column lists never: their cells follow from the solution.
            const bool perLinea = e.direzione == nomeRighe || e.direzione == nomeColonne;
            if (!perLinea && (w.etichetta.empty() || caselleDa(x, etichette, w.etichetta, dc, dr) != w.caselle)) {
                QJsonArray caselle;
                for (const Casella& k : w.caselle) caselle.append(QJsonArray{k.colonna, k.riga});
                o["cells"] = caselle;
            }
            lista.append(o);
        }
        clues[q(chiave)] = lista;
    }
    return clues;
}

// The file's own clue lists with the texts the player edited put in place, everything else of
// each clue as it was; the lists made anew when they no longer match the file's.
QJsonObject definizioniCambiate(QJsonObject clues, const Cruciverba& x) {
    std::map<std::string, size_t> usate;  // clues of each list already matched, as the reader went
    for (auto it = clues.begin(); it != clues.end(); ++it) {
        const std::string nome = direzioneDaIpuz(s(it.key()));
        const auto e = std::find_if(x.elenchi.begin(), x.elenchi.end(), [&](const auto& v) { return v.direzione == nome; });
        QJsonArray lista = it.value().toArray();
        for (qsizetype i = 0; i < lista.size(); ++i) {
            size_t& n = usate[nome];
            if (e == x.elenchi.end() || n >= e->definizioni.size()) return definizioniIpuz(x);
            const QString testo = q(e->definizioni[n++].testo);
            QJsonValue v = lista.at(i);
            if (v.isArray()) {
                QJsonArray a = v.toArray();
                while (a.size() < 2) a.append(QString());
                if (testoDi(a.at(1)) != s(testo)) a.replace(1, testo);
                v = a;
            } else if (v.isObject()) {
                QJsonObject o = v.toObject();
                if (testoDi(o.value("clue")) != s(testo)) o["clue"] = testo;
                v = o;
            } else if (testoDi(v) != s(testo)) {
                v = testo;
            }
            lista.replace(i, v);
        }
        it.value() = lista;
    }
    for (const ElencoDefinizioni& e : x.elenchi)
        if (usate[e.direzione] != e.definizioni.size()) return definizioniIpuz(x);
    return clues;
}

}  // namespace

std::string FormatoIpuz::scrivi(const Cruciverba& x) const {
    const auto* memo = dynamic_cast<const DatiIpuz*>(x.datiFormato.get());
    std::vector<std::string> voci;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) voci.push_back(voceGiocatore(x, x.cella(c, r)));
    const std::vector<std::string> definizioni = testiDefinizioni(x);
    if (memo && memo->voci == voci && memo->definizioni == definizioni && memo->titolo == x.titolo &&
        memo->autore == x.autore && memo->copyright == x.copyright && memo->note == x.note)
        return memo->originale;

    QJsonObject o;
    const QString blocco = memo ? memo->blocco : QString("#");
    if (memo) {
        o = memo->radice;
        if (memo->definizioni != definizioni) o["clues"] = definizioniCambiate(o.value("clues").toObject(), x);
    } else {
        o["version"] = "http://ipuz.org/v2";
        o["kind"] = tipiIpuz(x.variante);
        o["dimensions"] = QJsonObject{{"width", x.colonne()}, {"height", x.righe()}};
        // The puzzle and its solution drawn with the solution's black squares; a codeword's
        // cells show their codes.
        Cruciverba schema = grigliaSoluzione(x);
        if (x.variante == Variante::crittografato)
            for (const Casella& k : caselleBianche(schema)) schema.cella(k).etichetta = std::to_string(schema.cella(k).codice);
        o["puzzle"] = grigliaIpuz(schema, blocco, [&](const Cella& k) { return cellaIpuz(k, blocco); });
        bool soluzione = false;
        for (const Casella& k : caselleBianche(schema)) soluzione = soluzione || !schema.cella(k).soluzione.empty();
        if (soluzione) o["solution"] = grigliaIpuz(schema, blocco, [](const Cella& k) { return QJsonValue(q(k.soluzione)); });
        QJsonObject clues = definizioniIpuz(schema);
        if (x.variante == Variante::daRiempire) {
            QJsonArray parole;
            for (const std::string& p : x.banca) parole.append(q(p));
            clues[nomeParole] = parole;
        }
        o["clues"] = clues;
        // A clue's own cells came with version 2; without them the file is a version 1 one, the
        // version the common validators know.
        if (!QJsonDocument(o["clues"].toObject()).toJson(QJsonDocument::Compact).contains("\"cells\":"))
            o["version"] = "http://ipuz.org/v1";
    }
    o["saved"] = grigliaIpuz(x, blocco, [](const Cella& k) { return QJsonValue(q(voceDaScrivere(k))); });
    const auto credito = [&](const char* chiave, const std::string& valore, const std::string* letto) {
        if (letto && *letto == valore) return;
        if (valore.empty()) o.remove(chiave);
        else o[chiave] = q(valore);
    };
    credito("title", x.titolo, memo ? &memo->titolo : nullptr);
    credito("author", x.autore, memo ? &memo->autore : nullptr);
    credito("copyright", x.copyright, memo ? &memo->copyright : nullptr);
    credito("notes", x.note, memo ? &memo->note : nullptr);
    const std::string json = QJsonDocument(o).toJson(QJsonDocument::Indented).toStdString();
    return memo ? memo->prima + json + memo->dopo : json;
}

}  // namespace quadrivo
