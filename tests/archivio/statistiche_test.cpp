// The library's rows, the statistics and streaks over made-up histories, and the CSV.
#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include "archivio/statistiche.h"

namespace quadrivo {
namespace {

// Noon UTC of a day of 2026 (the tests run with TZ=UTC).
std::int64_t mezzogiorno(int mese, int giorno) {
    return QDateTime(QDate(2026, mese, giorno), QTime(12, 0), QTimeZone::utc()).toSecsSinceEpoch();
}
std::int64_t giuliano(int mese, int giorno) { return QDate(2026, mese, giorno).toJulianDay(); }

SchemaIndicizzato schema(const std::string& percorso, Riassunto file = {10, 0, false}, const std::string& impronta = "h") {
    return {.percorso = percorso, .riassunto = file, .impronta = impronta};
}

RecordPartita record(const std::string& percorso, Riassunto r, std::int64_t ms, int controlli = 0) {
    return {.percorso = percorso, .impronta = "h", .partita = {.millisecondi = ms}, .controlli = controlli, .riassunto = r,
            .aiutata = r.risolto && controlli > 0};
}

TEST(Libreria, TheStatusComesFromTheSolveElseFromTheFilesLetters) {
    const std::vector<SchemaIndicizzato> schemi = {
        schema("/nuovo"), schema("/file-a-meta", {10, 5, false}), schema("/giocato"), schema("/risolto"),
        schema("/aiutato"), schema("/altra-soluzione", {10, 0, false}, "diversa"), schema("/nel-file", {8, 8, true})};
    const std::vector<RecordPartita> partite = {
        record("/giocato", {10, 4, false}, 60000), record("/risolto", {10, 10, true}, 90000),
        record("/aiutato", {10, 10, true}, 90000, 1), record("/altra-soluzione", {10, 9, false}, 5),
        record("/fuori-indice.ipuz", {20, 5, false}, 1000)};
    const std::vector<VoceLibreria> v = vociLibreria(schemi, partite);
    ASSERT_EQ(v.size(), 8u);
    const std::vector<std::string> attesi = {"Nuovo", "In corso 50%", "In corso 40%", "Risolto",
                                             "Risolto con aiuti", "Nuovo", "Risolto", "In corso 25%"};
    for (size_t i = 0; i < v.size(); ++i) EXPECT_EQ(testoStato(v[i]), attesi[i]) << v[i].percorso;
    EXPECT_EQ(v[7].titolo, "fuori-indice");
    // A solve kept before the grid was measured takes the file's progress.
    EXPECT_EQ(testoStato(vociLibreria({schema("/a", {10, 3, false})}, {record("/a", {}, 5000)}).at(0)), "In corso 30%");
}

VoceLibreria risolta(int mese, int giorno, std::int64_t ms, bool aiuti = false) {
    return {.variante = "cruciverba", .colonne = 13, .righe = 13,
            .stato = aiuti ? StatoSchema::risoltoConAiuti : StatoSchema::risolto, .millisecondi = ms,
            .iniziata = mezzogiorno(mese, giorno), .risolta = mezzogiorno(mese, giorno)};
}

TEST(Statistiche, StreaksCountDaysSolvedWithoutHelp) {
    struct Caso { const char* nome; std::vector<VoceLibreria> voci; int attuale, massima; };
    const std::int64_t oggi = giuliano(3, 10);
    const std::vector<Caso> casi = {
        {"nothing solved", {}, 0, 0},
        {"today alone", {risolta(3, 10, 1)}, 1, 1},
        {"up to yesterday: still running", {risolta(3, 8, 1), risolta(3, 9, 1)}, 2, 2},
        {"a gap of a day breaks it", {risolta(3, 1, 1), risolta(3, 2, 1), risolta(3, 3, 1), risolta(3, 8, 1)}, 0, 3},
        {"help breaks it", {risolta(3, 8, 1), risolta(3, 9, 1, true), risolta(3, 10, 1)}, 1, 1},
        {"two on one day count once", {risolta(3, 9, 1), risolta(3, 9, 2), risolta(3, 10, 1)}, 2, 2},
    };
    for (const Caso& c : casi) {
        const Statistiche st = calcolaStatistiche(c.voci, oggi);
        EXPECT_EQ(st.serieAttuale, c.attuale) << c.nome;
        EXPECT_EQ(st.serieMassima, c.massima) << c.nome;
    }
}

TEST(Statistiche, CountsTimesByVariantAndSizeAndTheMonths) {
    std::vector<VoceLibreria> voci = {risolta(1, 5, 60000), risolta(1, 20, 120000), risolta(2, 3, 30000, true),
                                      risolta(2, 4, 10000), {.stato = StatoSchema::inCorso, .controlli = 2, .rivelazioni = 3},
                                      {}};
    voci[3].colonne = 9, voci[3].righe = 9;
    const Statistiche st = calcolaStatistiche(voci, giuliano(3, 1));
    EXPECT_EQ(st.risoltiConAiuti, 1);
    EXPECT_EQ(st.inCorso, 1);
    EXPECT_EQ(st.nuovi, 1);
    EXPECT_EQ(st.rivelazioni, 3);
    // Smaller grids first; the times of 13 x 13 with and without help.
    ASSERT_EQ(st.gruppi.size(), 2u);
    EXPECT_EQ(st.gruppi[0].colonne, 9);
    EXPECT_EQ(st.gruppi[1].media, 70000);
    EXPECT_EQ(st.gruppi[1].migliore, 30000);
    ASSERT_EQ(st.mesi.size(), 2u);
    EXPECT_EQ(st.mesi[0].media, 90000);
    EXPECT_EQ(st.mesi[1].risolti, 2);
}

TEST(Csv, HeaderRowsAndQuotingAsRfc4180Asks) {
    const VoceLibreria a{.percorso = "/home/p/Cruciverba/Estate, 2026.trmo", .titolo = "Il \"grande\" schema",
                         .formato = "trmo", .variante = "cruciverba", .colonne = 13, .righe = 10,
                         .stato = StatoSchema::risoltoConAiuti, .millisecondi = 125700, .controlli = 2, .rivelazioni = 1,
                         .ultima = QDateTime(QDate(2026, 3, 1), QTime(9, 5, 7), QTimeZone::utc()).toSecsSinceEpoch()};
    const VoceLibreria b{.percorso = "/b.ipuz", .titolo = "Due\nrighe àè"};
    const std::string csv = testoCsv({a, b});
    EXPECT_EQ(csv,
              "file,titolo,formato,variante,colonne,righe,stato,secondi,controlli,rivelazioni,ultima_partita\r\n"
              "\"/home/p/Cruciverba/Estate, 2026.trmo\",\"Il \"\"grande\"\" schema\",trmo,cruciverba,13,10,"
              "risolto_con_aiuti,125,2,1,2026-03-01T09:05:07\r\n"
              "/b.ipuz,\"Due\nrighe àè\",,,0,0,nuovo,0,0,0,\r\n");
}

}  // namespace
}  // namespace quadrivo
