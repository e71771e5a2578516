// The open document: "modified" is the history's distance from the saved state (checks and
// Azzera are steps too), plus the changes the history does not hold.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>
#include <string>
#include <vector>

#include "model/piattaforma_registro.h"
#include "sessione/sessione.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

const std::string schema = prova::fileTrmo({"CASA", "A#RE"}, {}, {"  1  11-Casa"});

struct Documento_ : ::testing::Test {
    prova::CartellaTemporanea t;
    PiattaformaRegistro p;
    Sessione sessione{Cartelle{}, p, t.percorso("dati")};
    std::string file = t.scrivi("s.trmo", schema);

    void SetUp() override {
        sessione.impostaFileLavoro(t.percorso("qdv_prova.tmp"));
        ASSERT_EQ(sessione.apri(file), EsitoApertura::ok);
    }
    void digita(char32_t c) { sessione.tasto(TastoGriglia::carattere, c, false); }

    // One step of the player's and what it should leave: whether the answers are unsaved, and
    // the values modificatoCambiato told during the step.
    struct Passo {
        const char* nome;
        std::function<void()> fai;
        bool modificato;
        std::vector<bool> detti;
    };
    void verifica(const std::vector<Passo>& passi) {
        QSignalSpy spia(&sessione, &Sessione::modificatoCambiato);
        for (const Passo& passo : passi) {
            spia.clear();
            passo.fai();
            std::vector<bool> detti;
            for (const QList<QVariant>& argomenti : spia) detti.push_back(argomenti.at(0).toBool());
            EXPECT_EQ(sessione.modificato(), passo.modificato) << passo.nome;
            EXPECT_EQ(detti, passo.detti) << passo.nome;
        }
    }
};

}  // namespace

TEST_F(Documento_, ModifiedFollowsTheHistoryAcrossASave) {
    QUndoStack& storia = sessione.storia();
    verifica({
        {"type a wrong letter", [&] { digita(U'X'); }, true, {true}},
        {"save", [&] { ASSERT_TRUE(sessione.salva()); }, false, {false}},
        {"undo past the save", [&] { storia.undo(); }, true, {true}},
        {"redo to the save", [&] { storia.redo(); }, false, {false}},
        {"check", [&] { sessione.controlla(caselleBianche(sessione.cruciverba())); }, true, {true}},
        {"undo the check", [&] { storia.undo(); }, false, {false}},
        {"a check that marks nothing is no step", [&] { sessione.controlla({{2, 1}}); }, false, {}},
        {"undo twice", [&] { storia.undo(), storia.undo(); }, true, {true}},
        {"a new step off the undone ones", [&] { digita(U'X'); }, true, {}},
    });
}

// A change the history does not hold (a word dialog's Annulla, the window's mark) keeps the
// answers unsaved until a save, whatever Annulla does; the window may mark them saved.
TEST_F(Documento_, AChangeOutsideTheHistoryStaysUntilSaved) {
    QUndoStack& storia = sessione.storia();
    verifica({
        {"dialog cancelled", [&] { sessione.applicaDialogo({}, std::nullopt); }, true, {true}},
        {"type", [&] { digita(U'C'); }, true, {}},
        {"undo back to the file", [&] { storia.undo(); }, true, {}},
        {"save", [&] { ASSERT_TRUE(sessione.salva()); }, false, {false}},
        {"marked unsaved", [&] { sessione.impostaModificato(true); }, true, {true}},
        {"type", [&] { digita(U'C'); }, true, {}},
        {"marked saved with a step done", [&] { sessione.impostaModificato(false); }, false, {false}},
        {"undo past that state", [&] { storia.undo(); }, true, {true}},
    });
}
