// The printed sheets: the same from any window, lists of at least 9 points onto a second sheet.
#include <gtest/gtest.h>

#include <QString>

#include "model/numeri.h"
#include "model/varianti.h"
#include "printing/pagina.h"
#include "puzzle.h"
#include "supporto/crociato.h"

using namespace quadrivo;
using namespace quadrivo::prova;

namespace {

const FormatoPagina a4;
const std::string oggi = "02-06-2013";

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
            size_t w = 1 + 2 * n;
            for (size_t f = 0; f < n; ++f) {
                const FoglioAnteprima& foglio = posa.fogli[f];
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
                }
            }
            EXPECT_EQ(w, o.size());
        }
    }
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
    EXPECT_EQ(uno->y1, 15);
    EXPECT_EQ(dimora->x1, 6);
    // No heading ends a column: the line below it holds its first entry.
    for (const char* h : {intestazioneOrizzontali, intestazioneVerticali}) {
        const Operazione* o = sup.scritta(h);
        ASSERT_TRUE(o);
        EXPECT_LE(o->y2 + 15, 60) << h;
    }
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
    EXPECT_EQ(dataStampa(2, 6, 2013), "02-06-2013");
}

TEST(Pagina, AKeptLayoutIsMadeAgainWhenTheWordsThePaperTheDateOrTheStyleChange) {
    SchemaStampa s = schemaStampa({"CASA", "#ORO", "TE#N"}, {}, {{1, 1, Direzione::orizzontale, "Dimora"}});
    SuperficieRegistro sotto;
    PaginaRicordata pagina(sotto);
    const Carattere stile;
    const auto volte = [&](const FormatoPagina& f, const std::string& data, const Carattere& c) {
        pagina.per(s.documento, s.valori, f, data, c);
        return pagina.impaginazioni();
    };
    EXPECT_EQ(volte(a4, oggi, stile), 1);
    s.documento.cruciverba.elenchi[0].definizioni[0].testo = "Casa";
    EXPECT_EQ(volte(a4, oggi, stile), 2);
    EXPECT_EQ(volte(FormatoPagina{612, 792, 36}, oggi, stile), 3);
    Carattere grassetto = stile;
    grassetto.grassetto = true;
    EXPECT_EQ(volte(FormatoPagina{612, 792, 36}, "03-06-2013", stile), 4);
    EXPECT_EQ(volte(FormatoPagina{612, 792, 36}, "03-06-2013", grassetto), 5);
}

// Below the grid: a senza schema's clues by row and column, a codeword's key, a bank by length.
TEST(ElenchiGiochi, EachGamePrintsWhatItsPlayerReads) {
    const Cruciverba crociato = prova::crociato();
    Cruciverba chiave = comeCrittografato(crociato, 3).cruciverba.value();
    for (const Casella& k : caselleBianche(chiave)) chiave.cella(k).data = false, chiave.cella(k).voce.clear();
    for (const Casella& k : caselleBianche(chiave))
        if (chiave.cella(k).soluzione == "A") chiave.cella(k).voce = "A";
    const int codiceA = chiave.cella(2, 1).codice;
    const struct { const char* nome; Cruciverba cruciverba; std::vector<std::string> testi; } casi[] = {
        {"senza schema", comeSenzaSchema(crociato).cruciverba.value(),
         {"ORIZZONTALI:", "1.", " Abitazione ", "2.", " Sovrano ", "3.", " Stella ", "VERTICALI:", "1.", " Cassa ", "3.",
          " Societa ", "4.", " Vocali "}},
        {"da riempire", comeDaRiempire(crociato).cruciverba.value(),
         {"2 LETTERE:", "RE", "3 LETTERE:", "AEE   CAS   SRL", "4 LETTERE:", "CASA   SOLE"}},
    };
    const auto stampa = [](const Cruciverba& x) {
        SuperficieRegistro sup(1024, 1422);
        Documento d;
        d.cruciverba = x;
        stampaDefinizioni(d, sup, ColonneElenchi{0, 900, 20, 1, 0, 0, 1400, 9}, oggi, [] {});
        return sup;
    };
    for (const auto& c : casi) {
        std::vector<std::string> t = stampa(c.cruciverba).testi();
        ASSERT_GE(t.size(), 3u) << c.nome;
        t.resize(t.size() - 3);  // the footer
        EXPECT_EQ(t, c.testi) << c.nome;
    }
    const SuperficieRegistro sup = stampa(chiave);
    const std::vector<std::string> t = sup.testi();
    const int codici = static_cast<int>(tabellaChiave(chiave).codici.size());
    EXPECT_EQ(t.front(), intestazioneChiave);
    EXPECT_EQ(sup.di(Operazione::rettangolo).size(), static_cast<size_t>(codici));  // one box a code
    // Each box: its code, then its letter.
    EXPECT_EQ(t[static_cast<size_t>(2 * codiceA - 1)], std::to_string(codiceA));
    EXPECT_EQ(t[static_cast<size_t>(2 * codiceA)], "A");
}
