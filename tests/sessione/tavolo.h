#pragma once
// A session on a temporary folder, driven as the keys and the event loop would.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <memory>

#include "model/piattaforma_registro.h"
#include "sessione/sessione.h"
#include "supporto/schema.h"

namespace quadrivo::prova {

using Righe = std::vector<std::string>;

// CASA / A#RE with the entries given ('.' empty), as a .trmo.
inline std::string schemaCon(const Righe& voci) { return fileTrmo({"CASA", "A#RE"}, voci, {"  1  11-Casa"}); }
inline const std::string schema = schemaCon({});

struct Tavolo : ::testing::Test {
    CartellaTemporanea t;
    PiattaformaRegistro p;
    std::unique_ptr<Sessione> sessione = std::make_unique<Sessione>(Cartelle{}, p, t.percorso("dati"));

    // Until the copy a change asked for is written (its timer fires a moment after the change).
    void finitoInput() {
        const QDeadlineTimer limite(10000);
        while (sessione->copiaInAttesa() && !limite.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    void vai(int colonna, int riga) { sessione->impostaPosizione({colonna, riga, Direzione::orizzontale}); }
    // Types `lettere` from where the cursor is, or across from (colonna, 1).
    void digita(const std::string& lettere, int colonna = 0) {
        if (colonna) vai(colonna, 1);
        for (char c : lettere) sessione->tasto(TastoGriglia::carattere, static_cast<char32_t>(c), false);
    }
    Righe righe() const { return inserimenti(sessione->cruciverba()); }
    const std::string& lavoro() const { return sessione->documento().fileLavoro; }
    // The note beside the session's working copy, as another run would read it.
    std::optional<NotaLavoro> nota() const { return leggiNota(t.leggi(percorsoNota(lavoro()))); }
    // The puzzle in a file of the folder (or at a full path), as read back.
    Cruciverba letto(const std::string& file) const { return leggiCruciverba(file, t.leggi(file)).cruciverba; }
};

// CASA / A#RE open, its working copy beside it.
struct Banco : Tavolo {
    void SetUp() override {
        sessione->impostaFileLavoro(t.percorso("qdv_prova.tmp"));
        ASSERT_EQ(sessione->apri(t.scrivi("s.trmo", schema)), EsitoApertura::ok);
    }
};

}  // namespace quadrivo::prova
