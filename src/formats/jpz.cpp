#include "formats/jpz.h"

#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <map>
#include <optional>

#include "formats/libreria_zip.h"

namespace quadrivo {

namespace {

std::string s(const QString& t) { return t.toStdString(); }
QString q(const std::string& t) { return QString::fromStdString(t); }

bool compresso(std::string_view d) { return d.substr(0, 4) == std::string_view("PK\3\4", 4); }

// The XML inside a zipped .jpz: its first file, at most maxXmlJpz bytes.
std::optional<std::string> estrai(std::string_view dati, std::string& perche) {
    const FunzioniZip* z = funzioniZip(perche);
    if (!z) return std::nullopt;
    zip_error_t errore;
    z->error_init(&errore);
    zip_source_t* sorgente = z->source_buffer_create(dati.data(), dati.size(), 0, &errore);
    zip_t* archivio = sorgente ? z->open_from_source(sorgente, ZIP_RDONLY, &errore) : nullptr;
    z->error_fini(&errore);
    if (!archivio) {
        z->source_free(sorgente);
        perche = "l'archivio zip è danneggiato";
        return std::nullopt;
    }
    std::optional<std::string> xml;
    const zip_int64_t voci = z->get_num_entries(archivio, 0);
    for (zip_int64_t i = 0; i < voci && !xml; ++i) {
        zip_stat_t info;
        if (z->stat_index(archivio, static_cast<zip_uint64_t>(i), 0, &info) != 0 || !info.name) continue;
        if (std::string_view(info.name).ends_with("/")) continue;
        // The size the archive declares is refused before anything is unpacked.
        if ((info.valid & ZIP_STAT_SIZE) && info.size > maxXmlJpz) {
            perche = "il file compresso è troppo grande";
            z->discard(archivio);
            return std::nullopt;
        }
        zip_file_t* f = z->fopen_index(archivio, static_cast<zip_uint64_t>(i), 0);
        if (!f) break;
        std::string letto;
        char blocco[65536];
        zip_int64_t n = 0;
        while ((n = z->fread(f, blocco, sizeof blocco)) > 0 && letto.size() <= maxXmlJpz)
            letto.append(blocco, static_cast<size_t>(n));
        z->fclose(f);
        if (n < 0) break;
        if (letto.size() > maxXmlJpz) {
            perche = "il file compresso è troppo grande";
            z->discard(archivio);
            return std::nullopt;
        }
        xml = std::move(letto);
    }
    z->discard(archivio);
    if (!xml) perche = "l'archivio zip è danneggiato o non contiene lo schema";
    return xml;
}

std::string nomeElenco(const std::string& titolo) {
    const QString t = q(titolo).trimmed().toLower();
    if (t == "across" || t == "orizzontali") return nomeOrizzontali;
    if (t == "down" || t == "verticali") return nomeVerticali;
    if (t == "diagonal" || t == "diagonali") return nomeDiagonali;
    return s(q(titolo).trimmed());
}

// "3" or "1-5" as the numbers it covers; empty when unreadable or too long.
std::vector<int> intervallo(const QString& t) {
    const QStringList parti = t.split('-');
    bool a = false, b = false;
    const int da = parti.value(0).trimmed().toInt(&a);
    const int fino = parti.size() == 2 ? parti[1].trimmed().toInt(&b) : (b = a, da);
    if (!a || !b || parti.size() > 2 || std::abs(fino - da) > maxLatoFormati) return {};
    std::vector<int> n;
    for (int i = da; i != fino + (fino >= da ? 1 : -1); i += fino >= da ? 1 : -1) n.push_back(i);
    return n;
}

struct Elenco {
    std::string titolo;
    std::vector<std::pair<std::string, Definizione>> definizioni;  // word id, clue
};

}  // namespace

bool FormatoJpz::riconosce(std::string_view dati) const {
    const std::string_view inizio = dati.substr(0, 4096);
    return compresso(dati) || inizio.find("<crossword-compiler") != std::string_view::npos ||
           inizio.find("<rectangular-puzzle") != std::string_view::npos;
}

namespace {

// A coded puzzle's cells: each white cell's number is its code; a file that numbers them not
// all gets its codes from the solution's letters, in reading order. Either way they run 1..k.
void codici(Cruciverba& x) {
    const std::vector<Casella> bianche = caselleBianche(x);
    bool numerate = true;
    for (const Casella& k : bianche) {
        bool ok = false;
        numerate = numerate && q(x.cella(k).etichetta).toInt(&ok) > 0 && ok;
    }
    std::map<std::string, int> perChiave;
    for (const Casella& k : bianche) {
        Cella& z = x.cella(k);
        std::string chiave = numerate ? z.etichetta : z.soluzione;
        if (numerate) chiave = std::string(12 - std::min<size_t>(12, chiave.size()), '0') + chiave;
        perChiave.emplace(chiave, 0);
    }
    if (!numerate) {
        int n = 0;
        for (const Casella& k : bianche)
            if (int& c = perChiave[x.cella(k).soluzione]; c == 0) c = ++n;
    } else {
        int n = 0;
        for (auto& [chiave, c] : perChiave) c = ++n;
    }
    for (const Casella& k : bianche) {
        Cella& z = x.cella(k);
        std::string chiave = numerate ? z.etichetta : z.soluzione;
        if (numerate) chiave = std::string(12 - std::min<size_t>(12, chiave.size()), '0') + chiave;
        z.codice = perChiave[chiave];
        z.etichetta.clear();
    }
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) x.cella(c, r).etichetta.clear();
    x.variante = Variante::crittografato;
}

}  // namespace

Lettura FormatoJpz::leggi(std::string_view dati) const {
    std::string xml;
    if (compresso(dati)) {
        std::string perche;
        std::optional<std::string> e = estrai(dati, perche);
        if (!e) return rifiuto("Il file .jpz non si può aprire: " + perche + ".");
        xml = std::move(*e);
    } else {
        if (dati.size() > maxXmlJpz)
            return rifiuto("Il file .jpz è troppo grande: il programma apre file fino a " + std::to_string(maxXmlJpz >> 20) + " MB.");
        xml = std::string(dati);
    }
    QXmlStreamReader r(QByteArray::fromStdString(xml));
    std::optional<Cruciverba> x;
    std::map<std::string, std::vector<Casella>> parole;
    std::vector<Elenco> elenchi;
    std::string titolo, autore, copyright, note, parola;
    bool metadati = false, codificato = false;
    // The cells the words name and the clues, counted before they are built.
    size_t caselle = 0, definizioni = 0;
    const auto aggiungi = [&](std::vector<Casella>& in, const QString& xs, const QString& ys) {
        const std::vector<int> righe = intervallo(ys), colonne = intervallo(xs);
        if ((caselle += righe.size() * colonne.size()) > maxCaselleParole) return false;
        for (int rr : righe)
            for (int c : colonne) in.push_back({c, rr});
        return true;
    };
    const auto troppeCaselle = [] {
        return rifiuto("Le parole del file .jpz nominano più di " + std::to_string(maxCaselleParole) +
                       " caselle in tutto: il file non si può aprire.");
    };
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement) {
            if (r.isEndElement() && r.name() == QLatin1String("metadata")) metadati = false;
            if (r.isEndElement() && r.name() == QLatin1String("word")) parola.clear();
            continue;
        }
        const QStringView n = r.name();
        const QXmlStreamAttributes a = r.attributes();
        const auto attr = [&](const char* nome) { return a.value(QLatin1String(nome)).toString(); };
        if (n == QLatin1String("metadata")) {
            metadati = true;
        } else if (n == QLatin1String("coded")) {
            codificato = true;
        } else if (metadati && n == QLatin1String("title")) {
            titolo = s(r.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (metadati && n == QLatin1String("creator")) {
            autore = s(r.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (metadati && n == QLatin1String("copyright")) {
            copyright = s(r.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (metadati && n == QLatin1String("description")) {
            note = s(r.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (n == QLatin1String("grid") && !x) {
            bool ok1 = false, ok2 = false;
            const int w = attr("width").toInt(&ok1), h = attr("height").toInt(&ok2);
            if (!ok1 || !ok2 || w < 1 || h < 1 || w > maxLatoFormati || h > maxLatoFormati)
                return rifiuto("Lo schema del file .jpz ha dimensioni " + s(attr("width")) + "×" + s(attr("height")) +
                               ": il programma apre schemi da 1×1 a " + std::to_string(maxLatoFormati) + "×" +
                               std::to_string(maxLatoFormati) + ".");
            x.emplace(w, h);
        } else if (n == QLatin1String("cell") && x) {
            const int c = attr("x").toInt(), rr = attr("y").toInt();
            if (!x->dentro(c, rr)) continue;
            Cella& k = x->cella(c, rr);
            const QString tipo = attr("type");
            // A clue cell that carries a solution (the apostrophe of I'D) is a letter the puzzle
            // prints: part of its words, never the player's to type.
            if (tipo == "clue" && !attr("solution").isEmpty()) {
                k.soluzione = k.voce = s(attr("solution").toUpper());
                k.data = true;
                continue;
            }
            if (tipo == "block" || tipo == "clue") {
                k.tipo = TipoCella::nera;
                continue;
            }
            if (tipo == "void") {
                k.tipo = TipoCella::vuota;
                continue;
            }
            k.soluzione = s(attr("solution").toUpper());
            k.voce = s(attr("solve-state").toUpper());
            k.etichetta = s(attr("number"));
            k.data = attr("hint") == "true";
            if (k.data && k.voce.empty()) k.voce = k.soluzione;
            k.data = k.data && !k.voce.empty();
            k.cerchio = attr("background-shape") == "circle";
            for (auto [nome, f] : {std::pair{"top-bar", barraSopra}, {"right-bar", barraDestra},
                                   {"bottom-bar", barraSotto}, {"left-bar", barraSinistra}})
                if (attr(nome) == "true") k.barre |= f;
            const QString colore = attr("background-color");
            if (colore.size() == 7 && colore[0] == '#') {
                bool ok = false;
                colore.mid(1).toUInt(&ok, 16);
                if (ok) k.colore = s(colore.toLower());
            }
        } else if (n == QLatin1String("word")) {
            parola = s(attr("id"));
            auto& celle = parole[parola];
            if (a.hasAttribute(QLatin1String("x")) && !aggiungi(celle, attr("x"), attr("y"))) return troppeCaselle();
        } else if (n == QLatin1String("cells") && !parola.empty()) {
            if (!aggiungi(parole[parola], attr("x"), attr("y"))) return troppeCaselle();
        } else if (n == QLatin1String("clues")) {
            if (elenchi.size() >= maxElenchi)
                return rifiuto("Il file .jpz contiene più di " + std::to_string(maxElenchi) +
                               " elenchi di definizioni: il programma non lo apre.");
            elenchi.emplace_back();
        } else if (n == QLatin1String("title") && !elenchi.empty() && elenchi.back().definizioni.empty()) {
            elenchi.back().titolo = s(r.readElementText(QXmlStreamReader::IncludeChildElements));
        } else if (n == QLatin1String("clue") && !elenchi.empty()) {
            if (++definizioni > maxDefinizioni)
                return rifiuto("Il file .jpz contiene più di " + std::to_string(maxDefinizioni) +
                               " definizioni: il programma non lo apre.");
            Definizione w;
            w.etichetta = s(attr("number"));
            w.enumerazione = s(attr("format"));
            const std::string id = s(attr("word"));
            w.testo = s(r.readElementText(QXmlStreamReader::IncludeChildElements));
            elenchi.back().definizioni.push_back({id, std::move(w)});
        }
    }
    if (r.hasError())
        return rifiuto("Il file .jpz non è un XML valido: " + s(r.errorString()) + " (riga " +
                       std::to_string(r.lineNumber()) + ").");
    if (!x) return rifiuto("Nel file .jpz manca lo schema (<grid>).");
    // A word named by many clues is copied into each: the copies are counted first.
    size_t rimandi = 0;
    for (const Elenco& e : elenchi)
        for (const auto& [id, w] : e.definizioni)
            if (const auto p = parole.find(id); p != parole.end() && (rimandi += p->second.size()) > maxCaselleParole)
                return troppeCaselle();
    x->elenchi = {{nomeOrizzontali, {}}, {nomeVerticali, {}}};
    std::map<std::string, size_t> perNome{{nomeOrizzontali, 0}, {nomeVerticali, 1}};
    for (Elenco& e : elenchi) {
        const std::string nome = nomeElenco(e.titolo);
        const auto [dove, nuovo] = perNome.emplace(nome, x->elenchi.size());
        if (nuovo) x->elenchi.push_back(ElencoDefinizioni{nome, {}});
        ElencoDefinizioni& d = x->elenchi[dove->second];
        for (auto& [id, w] : e.definizioni) {
            if (const auto p = parole.find(id); p != parole.end())
                for (const Casella& k : p->second)
                    if (x->dentro(k)) w.caselle.push_back(k);
            d.definizioni.push_back(std::move(w));
        }
    }
    x->titolo = titolo, x->autore = autore, x->copyright = copyright, x->note = note;
    if (codificato) codici(*x);
    x->formato = nome();
    Lettura l;
    l.esito = EsitoLettura::ok;
    l.cruciverba = std::move(*x);
    return l;
}

std::string FormatoJpz::nonContiene(const Cruciverba&) const { return {}; }

std::string FormatoJpz::scrivi(const Cruciverba& x) const {
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeStartElement("crossword-compiler");
    w.writeDefaultNamespace("http://crossword.info/xml/crossword-compiler");
    w.writeStartElement("rectangular-puzzle");
    w.writeDefaultNamespace("http://crossword.info/xml/rectangular-puzzle");
    w.writeStartElement("metadata");
    w.writeTextElement("title", q(x.titolo));
    w.writeTextElement("creator", q(x.autore));
    w.writeTextElement("copyright", q(x.copyright));
    w.writeTextElement("description", q(x.note));
    w.writeEndElement();
    w.writeStartElement(x.variante == Variante::crittografato ? "coded" : "crossword");
    w.writeStartElement("grid");
    w.writeAttribute("width", QString::number(x.colonne()));
    w.writeAttribute("height", QString::number(x.righe()));
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) {
            const Cella& k = x.cella(c, r);
            w.writeStartElement("cell");
            w.writeAttribute("x", QString::number(c));
            w.writeAttribute("y", QString::number(r));
            if (k.tipo != TipoCella::bianca) {
                w.writeAttribute("type", k.tipo == TipoCella::nera ? "block" : "void");
            } else {
                if (!k.soluzione.empty()) w.writeAttribute("solution", q(k.soluzione));
                if (x.variante == Variante::crittografato && k.codice > 0) w.writeAttribute("number", QString::number(k.codice));
                else if (!k.etichetta.empty()) w.writeAttribute("number", q(k.etichetta));
                if (!voceDaScrivere(k).empty()) w.writeAttribute("solve-state", q(voceDaScrivere(k)));
                if (k.data) w.writeAttribute("hint", "true");
                if (k.cerchio) w.writeAttribute("background-shape", "circle");
                if (!k.colore.empty()) w.writeAttribute("background-color", q(k.colore));
                for (auto [nome, f] : {std::pair{"top-bar", barraSopra}, {"right-bar", barraDestra},
                                       {"bottom-bar", barraSotto}, {"left-bar", barraSinistra}})
                    if (k.barre & f) w.writeAttribute(nome, "true");
            }
            w.writeEndElement();
        }
    w.writeEndElement();
    int id = 0;
    for (const ElencoDefinizioni& e : x.elenchi)
        for (const Definizione& d : e.definizioni) {
            w.writeStartElement("word");
            w.writeAttribute("id", QString::number(++id));
            for (const Casella& k : d.caselle) {
                w.writeEmptyElement("cells");
                w.writeAttribute("x", QString::number(k.colonna));
                w.writeAttribute("y", QString::number(k.riga));
            }
            w.writeEndElement();
        }
    id = 0;
    for (const ElencoDefinizioni& e : x.elenchi) {
        w.writeStartElement("clues");
        w.writeTextElement("title", e.direzione == nomeOrizzontali ? "Across" : e.direzione == nomeVerticali ? "Down" : q(e.direzione));
        for (const Definizione& d : e.definizioni) {
            w.writeStartElement("clue");
            w.writeAttribute("word", QString::number(++id));
            if (!d.etichetta.empty()) w.writeAttribute("number", q(d.etichetta));
            if (!d.enumerazione.empty()) w.writeAttribute("format", q(d.enumerazione));
            w.writeCharacters(q(d.testo));
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndDocument();
    return out.toStdString();
}

}  // namespace quadrivo
