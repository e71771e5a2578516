// The printed sheets, laid out for the paper: the same from any window, title, lists of at
// least 9 points filling the page and going on to a second sheet, the file's other lists last.
#include <gtest/gtest.h>

#include <QString>
#include <optional>

#include "formats/formato.h"
#include "model/numeri.h"
#include "model/file.h"
#include "model/varianti.h"
#include "printing/pagina.h"
#include "puzzle.h"
#include "supporto/crociato.h"

using namespace quadrivo;
using namespace quadrivo::prova;

namespace {

const FormatoPagina a4;
const std::string oggi = "02-06-2013";

SchemaStampa campione(const std::string& nome) {
    const std::optional<std::string> dati = leggiFile(std::string(CARTELLA_ARCHIVIO) + "/" + nome);
    SchemaStampa s;
    if (dati) s.documento.cruciverba = leggiCruciverba(nome, *dati).cruciverba;
    s.documento.nomeFile = "/home/anna/Cruciverba/" + nome;
    s.valori.AltezzaCaratteri = 55, s.valori.AltezzaNumeri = 18, s.valori.PercentualeRiquadro = 90;
    return s;
}

// The sheets on paper: the operations of each sheet, split where a new sheet begins.
std::vector<std::vector<Operazione>> fogli(const SchemaStampa& s) {
    SuperficieRegistro carta(a4.larghezza, a4.altezza);
    std::vector<size_t> inizi{0};
    disegnaPagine(s.documento, s.valori, carta, carta, a4, oggi, [&] { inizi.push_back(carta.operazioni.size()); });
    inizi.push_back(carta.operazioni.size());
    std::vector<std::vector<Operazione>> v;
    for (size_t i = 0; i + 1 < inizi.size(); ++i)
        v.emplace_back(carta.operazioni.begin() + long(inizi[i]), carta.operazioni.begin() + long(inizi[i + 1]));
    return v;
}

}  // namespace

TEST(Pagina, TheSameSheetsFromASmallAndALargeWindowAsOnPaper) {
    for (const char* nome : {"primi-passi.trmo", "grande-schema.trmo"}) {
        const SchemaStampa s = campione(nome);
        ASSERT_GT(s.documento.cruciverba.colonne(), 0) << nome;
        const auto carta = fogli(s);
        const size_t n = carta.size();
        for (AreaFinestra area : {AreaFinestra{700, 500, 30, 20}, AreaFinestra{1920, 1080, 30, 20}}) {
            SuperficieRegistro finestra(area.larghezza, area.altezza), misura(a4.larghezza, a4.altezza);
            ASSERT_EQ(disegnaAnteprima(s.documento, s.valori, finestra, misura, area, oggi), int(n));
            const PosaAnteprima posa = posaAnteprima(area, a4, int(n));
            // Cleared, each white sheet with its border, then the sheets scaled into them.
            const auto& o = finestra.operazioni;
            EXPECT_EQ(o[0].tipo, Operazione::pulisci);
            size_t w = 1 + 2 * n;
            for (size_t f = 0; f < n; ++f) {
                const FoglioAnteprima& foglio = posa.fogli[f];
                EXPECT_EQ(o[1 + 2 * f].colore, bianco);
                EXPECT_EQ(o[2 + 2 * f].colore, rossoScuro);
                EXPECT_NEAR(foglio.altezza / foglio.larghezza, a4.altezza / a4.larghezza, 1e-9);
                EXPECT_LE(foglio.x + foglio.larghezza, area.larghezza);
                for (const Operazione& p : carta[f]) {
                    ASSERT_LT(w, o.size());
                    const Operazione& q = o[w++];
                    const double k = posa.scala;
                    EXPECT_NEAR((q.x1 - foglio.x) / k, p.x1, 1e-6) << p.testo;
                    EXPECT_NEAR((q.y1 - foglio.y) / k, p.y1, 1e-6) << p.testo;
                    if (p.tipo == Operazione::scritta)
                        EXPECT_NEAR(q.carattere.dimensione / k, p.carattere.dimensione, 1e-6);
                    EXPECT_EQ(q.testo, p.testo);
                    EXPECT_EQ(q.carattere.grassetto, p.carattere.grassetto) << p.testo;
                }
            }
            EXPECT_EQ(w, o.size());
        }
    }
}

TEST(Pagina, TitleGridAndListsFillOneSheetInsideTheMargins) {
    const SchemaStampa s = campione("primi-passi.trmo");
    const auto carta = fogli(s);
    ASSERT_EQ(carta.size(), 1u);
    const Operazione& titolo = carta[0][0];
    EXPECT_EQ(titolo.testo, s.documento.cruciverba.titolo.empty() ? "primi-passi" : s.documento.cruciverba.titolo);
    EXPECT_EQ(titolo.y1, a4.margine);
    EXPECT_TRUE(titolo.carattere.grassetto);
    EXPECT_GE(titolo.carattere.dimensione, 12);
    double basso = 0, larghezzaGriglia = 0;
    for (const Operazione& o : carta[0]) {
        EXPECT_GE(o.x1, a4.margine - 4) << o.testo;
        EXPECT_GE(o.y1, a4.margine - 4) << o.testo;
        EXPECT_LE(o.y2, a4.altezza - a4.margine) << o.testo;
        basso = std::max(basso, o.y2);
        if (o.tipo == Operazione::rettangolo) larghezzaGriglia = std::max(larghezzaGriglia, o.x2 - o.x1);
    }
    // Either the grid spans the page's width or the text reaches the bottom margin.
    const double utile = a4.larghezza - 2 * a4.margine;
    EXPECT_TRUE(larghezzaGriglia >= utile * 0.9 || basso >= a4.altezza - a4.margine - 30)
        << larghezzaGriglia << " " << basso;
}

TEST(Pagina, ABigPuzzleGoesOnToASecondSheetWithEveryClueInOrder) {
    const SchemaStampa s = campione("grande-schema.trmo");
    ASSERT_EQ(s.documento.cruciverba.colonne(), 26);
    const auto carta = fogli(s);
    ASSERT_EQ(carta.size(), 2u);
    double alto = 1e9, griglia = 0;
    for (const Operazione& o : carta[0])
        if (o.tipo == Operazione::rettangolo) griglia = std::max(griglia, o.y2);
    for (size_t f = 0; f < carta.size(); ++f)
        for (const Operazione& o : carta[f]) {
            EXPECT_LE(o.y2, a4.altezza - a4.margine) << o.testo;
            if (o.tipo != Operazione::scritta || (f == 0 && o.y1 < griglia)) continue;  // title and grid
            if (f == 1) alto = std::min(alto, o.y1);
            EXPECT_GE(o.carattere.dimensione, puntiElenchiMinimi) << o.testo;
        }
    EXPECT_EQ(alto, a4.margine);  // the second sheet starts at its top margin
    // Every clue in the list's order, then the footer with the credit line last.
    std::string t;  // all texts joined: the flow may have broken an entry between words
    for (const auto& foglio : carta)
        for (const Operazione& o : foglio)
            if (o.tipo == Operazione::scritta) t += o.testo;
    size_t da = 0;
    std::vector<std::string> attesi{intestazioneOrizzontali};
    for (const std::string& v : vociDefinizioni(s.documento.cruciverba, Direzione::orizzontale)) attesi.push_back(v);
    attesi.push_back(intestazioneVerticali);
    for (const std::string& v : vociDefinizioni(s.documento.cruciverba, Direzione::verticale)) attesi.push_back(v);
    // The footer names the file without its folders.
    attesi.insert(attesi.end(), {oggi + separatoreData + "grande-schema.trmo", rigaAutore(s.documento.cruciverba), rigaCrediti});
    for (const std::string& a : attesi) {
        const size_t p = t.find(a, da);
        ASSERT_NE(p, std::string::npos) << a;
        da = p + a.size();
    }
    EXPECT_EQ(da, t.size());
}

TEST(Elenchi, EntriesMoveWholeAndBreakOnlyWhenWiderThanAColumnHeadingsStayWithTheirFirstLine) {
    // Two columns 20 characters wide (10 points: 6 units a character, 15 a line), 4 lines each.
    const SchemaStampa s = schemaStampa({"CASA", "#ORO", "TE#N"}, {},
                                {{1, 1, Direzione::orizzontale, "Dimora"}, {2, 1, Direzione::verticale, "Citt\xe0 senza fine mai finita qui"}});
    ColonneElenchi c{0, 120, 10, 2, 0, 5, 60, 10};
    SuperficieRegistro sup(1000, 1000);
    int nuovi = 0;
    const int quanti = stampaDefinizioni(s.documento, sup, c, oggi, [&] { ++nuovi; });
    EXPECT_EQ(quanti, nuovi + 1);
    for (const Operazione& o : sup.operazioni) {
        const double sinistra = o.x1 < 125 ? 0 : 130;
        const std::string nudo = o.testo.ends_with(' ') ? o.testo.substr(0, o.testo.size() - 1) : o.testo;
        EXPECT_LE(o.x1 + 6 * double(QString::fromStdString(nudo).size()), sinistra + 120 + 1e-9) << o.testo;
        EXPECT_LE(o.y2, 60) << o.testo;
    }
    // "1 Dimora " whole on the heading's next line, its number bold.
    const Operazione *uno = sup.scritta("1"), *dimora = sup.scritta(" Dimora ");
    ASSERT_NE(uno, nullptr);
    ASSERT_NE(dimora, nullptr);
    EXPECT_TRUE(uno->carattere.grassetto);
    EXPECT_FALSE(dimora->carattere.grassetto);
    EXPECT_EQ(uno->y1, 15);
    EXPECT_EQ(dimora->x1, 6);
    // No heading ends a column: the line below it holds its first entry.
    for (const char* h : {intestazioneOrizzontali, intestazioneVerticali}) {
        const Operazione* o = sup.scritta(h);
        ASSERT_TRUE(o);
        EXPECT_LE(o->y2 + 15, 60) << h;
    }
    std::string t;  // the credit line last, broken across lines
    for (const std::string& x : sup.testi()) t += x;
    EXPECT_TRUE(t.ends_with(std::string(rigaCrediti))) << t;
}

TEST(Pagina, TitleFallsBackToTheFileNameAndTheGridShowsOnlyThePlayersLetters) {
    SchemaStampa s = schemaStampa({"CASA", "#ORO", "TE#N"}, {"CA..", "#...", "...."});
    EXPECT_EQ(titoloPagina(s.documento), "Prova");
    s.documento.cruciverba.titolo.clear();
    s.documento.cruciverba.cella(2, 1).matita = true;  // a guess in pencil stays on the screen
    s.documento.cruciverba.cella(1, 1).cerchio = true;  // a circle reaches the paper
    const auto carta = fogli(s);
    EXPECT_EQ(carta[0][0].testo, "prova");
    SuperficieRegistro r;
    r.operazioni = carta[0];
    std::vector<std::string> lettere;
    for (const std::string& t : r.testi())
        if (t.size() == 1 && !std::isdigit(static_cast<unsigned char>(t[0]))) lettere.push_back(t);
    EXPECT_EQ(lettere, (std::vector<std::string>{"C"}));
    EXPECT_EQ(r.di(Operazione::ellisse).size(), 1u);
    // Black squares keep 90 % of the cell, centred.
    const auto pieni = r.di(Operazione::rettangoloPieno, nero);  // the circled cell's number is cleared in white
    ASSERT_EQ(pieni.size(), 2u);
    const double lato = pieni[0].x2 - pieni[0].x1;
    EXPECT_NEAR(pieni[1].x2 - pieni[1].x1, lato, 1e-9);
    EXPECT_GT(lato, 100);  // a 4 x 3 grid is large on the page
    EXPECT_EQ(dataStampa(2, 6, 2013), "02-06-2013");
}

TEST(ElenchiFormati, TheFilesOtherListsPrintAfterTheDownOneUnderTheirNames) {
    SchemaStampa s{prova::documentoDaSchema({"CASA", "A#RE"}, {}, {"  1  11-Casa"}), {}};
    s.documento.cruciverba.elenchi.push_back({nomeDiagonali, {{"7", "Obliqua", {{1, 1}, {2, 2}}, ""}}});
    s.documento.cruciverba.elenchi.push_back({"Vuota", {}});
    SuperficieRegistro sup(1024, 1422);
    stampaDefinizioni(s.documento, sup, ColonneElenchi{0, 900, 20, 1, 0, 0, 1400, 9}, oggi, [] {});
    const std::vector<std::string> t = sup.testi();
    const auto dove = [&](const std::string& x) { return std::find(t.begin(), t.end(), x) - t.begin(); };
    EXPECT_LT(dove("VERTICALI:"), dove("DIAGONALI:"));
    EXPECT_LT(dove("DIAGONALI:"), dove("7"));
    EXPECT_EQ(dove("VUOTA:"), static_cast<long>(t.size()));  // an empty list prints nothing
}

namespace {

// The title's lines as drawn: the bold texts above the grid's frame.
std::vector<Operazione> righeDelTitolo(const std::vector<Operazione>& foglio) {
    std::vector<Operazione> v;
    for (const Operazione& o : foglio) {
        if (o.tipo != Operazione::scritta) break;
        v.push_back(o);
    }
    return v;
}

}  // namespace

TEST(Pagina, ALongTitleWrapsOntoCentredLinesAboveTheGridAndIsNeverCut) {
    std::string parole;
    for (int i = 0; i < 12; ++i) parole += (i ? " " : "") + std::string("Settimana enigmistica");
    const std::string senzaSpazi(250, 'x');
    // At 10 points a character is 6 units wide: the page holds 85 of them on a line.
    for (const auto& [titolo, righe, unite] : {std::tuple{parole, 4u, parole}, std::tuple{senzaSpazi, 3u, senzaSpazi},
                                               std::tuple{std::string("Breve"), 1u, std::string("Breve")}}) {
        SchemaStampa s = schemaStampa({"CASA", "#ORO", "TE#N"});
        s.documento.cruciverba.titolo = titolo;
        const auto carta = fogli(s);
        const std::vector<Operazione> t = righeDelTitolo(carta[0]);
        ASSERT_EQ(t.size(), righe) << titolo;
        std::string insieme;
        for (size_t i = 0; i < t.size(); ++i) {
            insieme += (i && titolo.find(' ') != std::string::npos ? " " : "") + t[i].testo;
            EXPECT_FALSE(t[i].testo.ends_with("…"));
            EXPECT_GE(t[i].x1, a4.margine);
            EXPECT_LE(t[i].x2, a4.larghezza - a4.margine);
            EXPECT_NEAR(t[i].x1 + t[i].x2, a4.larghezza, 1e-6);  // centred
            if (i) EXPECT_DOUBLE_EQ(t[i].y1, t[i - 1].y2);        // one line below the other
        }
        EXPECT_EQ(insieme, unite);
        // The grid's frame begins below the last line.
        for (const Operazione& o : carta[0])
            if (o.tipo == Operazione::rettangolo) EXPECT_GT(o.y1, t.back().y2);
    }
}

TEST(Pagina, HalvingFindsTheSizesTheStepByStepSearchFinds) {
    // The samples, and grids with lists from a few words to two sheets, on three papers.
    std::vector<SchemaStampa> schemi;
    for (const char* nome : {"primi-passi.trmo", "pausa-caffe.trmo", "tempo-libero.trmo", "grande-schema.trmo"})
        schemi.push_back(campione(nome));
    for (int parole : {1, 6, 14, 30})
        for (auto [colonne, righe] : {std::pair{9, 9}, std::pair{15, 10}, std::pair{26, 16}}) {
            std::vector<DefinizioneProva> def;
            std::string testo;
            for (int i = 0; i < parole; ++i) testo += " parola";
            for (int c = 1; c <= colonne; ++c) def.push_back({c, 1, Direzione::verticale, "Verticale" + testo});
            for (int r = 1; r <= righe; ++r) def.push_back({1, r, Direzione::orizzontale, "Orizzontale" + testo});
            schemi.push_back(schemaStampa(grigliaPiena(colonne, righe), {}, def));
        }
    const FormatoPagina lettera{612, 792, 36}, a5{419.53, 595.28, 30};
    int diversi = 0;
    for (const FormatoPagina& f : {a4, lettera, a5}) {
        std::optional<Impaginazione> altra;  // the last puzzle's layout: sizes that may no longer hold
        for (const SchemaStampa& s : schemi) {
            SCOPED_TRACE(std::to_string(s.documento.cruciverba.colonne()) + " columns on " + std::to_string(f.larghezza));
            SuperficieRegistro misura(f.larghezza, f.altezza);
            const Impaginazione dimezzando = impagina(s.documento, s.valori, misura, f, oggi, Ricerca::dimezzando);
            const Impaginazione passo = impagina(s.documento, s.valori, misura, f, oggi, Ricerca::passoPasso);
            EXPECT_EQ(dimezzando.griglia, passo.griglia);
            EXPECT_EQ(dimezzando.elenchi.punti, passo.elenchi.punti);
            EXPECT_EQ(dimezzando.fogli, passo.fogli);
            // Starting from the sizes of this page's last layout, right or stale, ends at the same sizes.
            for (const Impaginazione* prima : {&passo, altra ? &*altra : &passo}) {
                const Impaginazione ripresa = impagina(s.documento, s.valori, misura, f, oggi, Ricerca::dimezzando, prima);
                EXPECT_EQ(ripresa.griglia, passo.griglia);
                EXPECT_EQ(ripresa.elenchi.punti, passo.elenchi.punti);
            }
            altra = dimezzando;
            diversi += passo.elenchi.punti != puntiElenchiMinimi || passo.griglia.lato != dimezzando.griglia.lato;
        }
    }
    EXPECT_GT(diversi, 0);  // the table reaches past the smallest sizes
}

namespace {

// Counts what reaches the surface below a measuring one.
struct Contatore : SuperficieRegistro {
    int misure = 0;
    double larghezzaTesto(const std::string& t) override { return ++misure, SuperficieRegistro::larghezzaTesto(t); }
};

}  // namespace

TEST(Pagina, EachTextIsMeasuredOnceAndScaledToEverySize) {
    const SchemaStampa s = campione("grande-schema.trmo");
    Contatore sotto;
    MisuraProporzionale misura(sotto);
    const Impaginazione prima = impagina(s.documento, s.valori, misura, a4, oggi);
    const int misure = sotto.misure;
    EXPECT_EQ(size_t(misure), misura.misurati());
    // Laid out again, and drawn: nothing new to measure.
    SuperficieRegistro carta(a4.larghezza, a4.altezza);
    disegnaPagine(s.documento, s.valori, carta, misura, a4, oggi, [] {});
    EXPECT_EQ(sotto.misure, misure);
    // The widths are those of the surface below at every size.
    SuperficieRegistro diretta;
    for (double punti : {5.0, 9.25, 16.0}) {
        misura.impostaCarattere({"Arial", punti, true, false});
        diretta.impostaCarattere({"Arial", punti, true, false});
        EXPECT_NEAR(misura.larghezzaTesto("12 Capitale"), diretta.larghezzaTesto("12 Capitale"), 1e-9);
        EXPECT_NEAR(misura.altezzaTesto("X"), diretta.altezzaTesto("X"), 1e-9);
    }
    EXPECT_EQ(prima.griglia, impagina(s.documento, s.valori, carta, a4, oggi).griglia);
}

TEST(Pagina, AKeptLayoutIsMadeAgainOnlyWhenTheWordsThePaperTheDateOrTheStyleChange) {
    SchemaStampa s = schemaStampa({"CASA", "#ORO", "TE#N"}, {}, {{1, 1, Direzione::orizzontale, "Dimora"}});
    SuperficieRegistro sotto;
    PaginaRicordata pagina(sotto);
    const Carattere stile;
    const auto volte = [&](const FormatoPagina& f, const std::string& data, const Carattere& c) {
        pagina.per(s.documento, s.valori, f, data, c);
        return pagina.impaginazioni();
    };
    EXPECT_EQ(volte(a4, oggi, stile), 1);
    s.documento.cruciverba.cella(1, 1).voce = "C";  // a letter typed
    EXPECT_EQ(volte(a4, oggi, stile), 1);
    Carattere grande = stile;
    grande.dimensione = 20;  // the window's size of text plays no part
    EXPECT_EQ(volte(a4, oggi, grande), 1);
    s.documento.cruciverba.elenchi[0].definizioni[0].testo = "Casa";
    EXPECT_EQ(volte(a4, oggi, stile), 2);
    EXPECT_EQ(volte(FormatoPagina{612, 792, 36}, oggi, stile), 3);
    EXPECT_EQ(volte(FormatoPagina{612, 792, 36}, "03-06-2013", stile), 4);
    Carattere grassetto = stile;
    grassetto.grassetto = true;
    EXPECT_EQ(volte(FormatoPagina{612, 792, 36}, "03-06-2013", grassetto), 5);
    s.documento.cruciverba.titolo = "Altro";
    EXPECT_EQ(volte(FormatoPagina{612, 792, 36}, "03-06-2013", grassetto), 6);
}

TEST(Anteprima, LargerThanTheWholeSheetsTheyGoOneBelowTheOtherCentred) {
    const AreaFinestra area{1000, 700, 0, 0};
    const double intera = scalaIntera(area, a4, 2);
    const PosaAnteprima interi = posaAnteprima(area, a4, 2, intera / 2);  // never smaller than whole
    EXPECT_DOUBLE_EQ(interi.scala, intera);
    EXPECT_DOUBLE_EQ(interi.fogli[0].y, interi.fogli[1].y);  // side by side
    EXPECT_EQ(interi.larghezza, 1000.0);
    EXPECT_EQ(interi.altezza, 700.0);
    const PosaAnteprima p = posaAnteprima(area, a4, 2, 2);
    ASSERT_EQ(p.fogli.size(), 2u);
    EXPECT_DOUBLE_EQ(p.fogli[0].larghezza, a4.larghezza * 2);
    EXPECT_DOUBLE_EQ(p.fogli[0].x, p.fogli[1].x);
    EXPECT_DOUBLE_EQ(p.fogli[0].x, (p.larghezza - p.fogli[0].larghezza) / 2);
    EXPECT_GT(p.fogli[1].y, p.fogli[0].y + p.fogli[0].altezza);
    EXPECT_GE(p.altezza, p.fogli[1].y + p.fogli[1].altezza);
    EXPECT_GE(p.larghezza, a4.larghezza * 2);
}

// What each game prints below its grid: a senza schema its clues row by row and column by
// column, a codeword its key as numbered boxes, a grid to fill its words by length; the footer
// always last.
TEST(ElenchiGiochi, EachGamePrintsWhatItsPlayerReads) {
    const Cruciverba crociato = prova::crociato();
    Cruciverba chiave = comeCrittografato(crociato, 3).cruciverba.value();
    for (const Casella& k : caselleBianche(chiave)) chiave.cella(k).data = false, chiave.cella(k).voce.clear();
    for (const Casella& k : caselleBianche(chiave))
        if (chiave.cella(k).soluzione == "A") chiave.cella(k).voce = "A";
    const int codiceA = chiave.cella(2, 1).codice;
    const struct {
        const char* nome;
        Cruciverba cruciverba;
        std::vector<std::string> testi;
    } casi[] = {
        {"senza schema", comeSenzaSchema(crociato).cruciverba.value(),
         {"ORIZZONTALI:", "1.", " Abitazione ", "2.", " Sovrano ", "3.", " Stella ", "VERTICALI:", "1.", " Cassa ", "3.",
          " Societa ", "4.", " Vocali "}},
        {"da riempire", comeDaRiempire(crociato).cruciverba.value(),
         {"2 LETTERE:", "RE", "3 LETTERE:", "AEE   CAS   SRL", "4 LETTERE:", "CASA   SOLE"}},
    };
    for (const auto& c : casi) {
        SuperficieRegistro sup(1024, 1422);
        Documento d;
        d.cruciverba = c.cruciverba;
        stampaDefinizioni(d, sup, ColonneElenchi{0, 900, 20, 1, 0, 0, 1400, 9}, oggi, [] {});
        std::vector<std::string> t = sup.testi();
        ASSERT_GE(t.size(), 3u) << c.nome;
        EXPECT_EQ(t[t.size() - 1], rigaCrediti) << c.nome;
        t.resize(t.size() - 3);
        EXPECT_EQ(t, c.testi) << c.nome;
    }
    SuperficieRegistro sup(1024, 1422);
    Documento documentoChiave;
    documentoChiave.cruciverba = chiave;
    stampaDefinizioni(documentoChiave, sup, ColonneElenchi{0, 900, 20, 1, 0, 0, 1400, 9}, oggi, [] {});
    const std::vector<std::string> t = sup.testi();
    const int codici = static_cast<int>(tabellaChiave(chiave).codici.size());
    EXPECT_EQ(t.front(), intestazioneChiave);
    EXPECT_EQ(sup.di(Operazione::rettangolo).size(), static_cast<size_t>(codici));  // one box a code
    // Each box: its code, then its letter ("" while none is chosen).
    EXPECT_EQ(t[static_cast<size_t>(2 * codiceA - 1)], std::to_string(codiceA));
    EXPECT_EQ(t[static_cast<size_t>(2 * codiceA)], "A");
    EXPECT_EQ(t[static_cast<size_t>(2 * (codiceA == 1 ? 2 : 1))], "");
}
