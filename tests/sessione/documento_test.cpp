// The open document: "modified" is the history's distance from the saved state (checks and
// Azzera are steps too), plus the changes the history does not hold.
#include <QSignalSpy>
#include <functional>

#include "tavolo.h"

using namespace quadrivo;

namespace {

struct Documento_ : prova::Banco {
    // One step of the player's and what it should leave: whether the answers are unsaved, and
    // the values modificatoCambiato told during the step.
    struct Passo {
        const char* nome;
        std::function<void()> fai;
        bool modificato;
        std::vector<bool> detti;
    };
    void verifica(const std::vector<Passo>& passi) {
        QSignalSpy spia(sessione.get(), &Sessione::modificatoCambiato);
        for (const Passo& passo : passi) {
            spia.clear();
            passo.fai();
            std::vector<bool> detti;
            for (const QList<QVariant>& argomenti : spia) detti.push_back(argomenti.at(0).toBool());
            EXPECT_EQ(sessione->modificato(), passo.modificato) << passo.nome;
            EXPECT_EQ(detti, passo.detti) << passo.nome;
        }
    }
};

}  // namespace

TEST_F(Documento_, ModifiedFollowsTheHistoryAndTheChangesOutsideIt) {
    QUndoStack& storia = sessione->storia();
    verifica({
        {"type a wrong letter", [&] { digita("X"); }, true, {true}},
        {"save", [&] { ASSERT_TRUE(sessione->salva()); }, false, {false}},
        {"undo past the save", [&] { storia.undo(); }, true, {true}},
        {"redo to the save", [&] { storia.redo(); }, false, {false}},
        {"check", [&] { sessione->controlla(caselleBianche(sessione->cruciverba())); }, true, {true}},
        {"undo the check", [&] { storia.undo(); }, false, {false}},
        {"a check that marks nothing is no step", [&] { sessione->controlla({{2, 1}}); }, false, {}},
        {"undo twice", [&] { storia.undo(), storia.undo(); }, true, {true}},
        {"a new step off the undone ones", [&] { digita("X"); }, true, {}},
        // A change the history does not hold (a word dialog's Annulla, the window's mark) keeps the
        // answers unsaved until a save, whatever Annulla does; the window may mark them saved.
        {"save again", [&] { ASSERT_TRUE(sessione->salva()); }, false, {false}},
        {"dialog cancelled", [&] { sessione->applicaDialogo({}, std::nullopt); }, true, {true}},
        {"type", [&] { digita("C"); }, true, {}},
        {"undo back to the save", [&] { storia.undo(); }, true, {}},
        {"save", [&] { ASSERT_TRUE(sessione->salva()); }, false, {false}},
        {"marked unsaved", [&] { sessione->impostaModificato(true); }, true, {true}},
        {"type", [&] { digita("C"); }, true, {}},
        {"marked saved with a step done", [&] { sessione->impostaModificato(false); }, false, {false}},
        {"undo past that state", [&] { storia.undo(); }, true, {true}},
    });
}
