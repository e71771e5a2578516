#pragma once
// The grid's view on its own over a real session, on puzzles written as ipuz with ' for ".
#include <QString>
#include <QTest>
#include <memory>

#include "mainwindow/gui/vista_griglia.h"
#include "model/piattaforma_registro.h"
#include "sessione/sessione.h"
#include "supporto/schema.h"

namespace quadrivo::prova {

// 3 x 2: "ORA" over "N.E", a black square in the middle of the second row, a circle at (3, 1).
// Plain strings: moc cannot read a raw string.
inline const std::string schemaOra =
    "{'version': 'http://ipuz.org/v2', 'kind': ['http://ipuz.org/crossword#1'],"
    " 'dimensions': {'width': 3, 'height': 2},"
    " 'puzzle':   [[1, 2, {'cell': 3, 'style': {'shapebg': 'circle'}}], [4, '#', 5]],"
    " 'solution': [['O', 'R', 'A'], ['N', '#', 'E']],"
    " 'clues': {'Across': [[1, 'Adesso']], 'Down': [[1, 'Uno'], [3, 'Due']]}}";

// One state of the view: the letter and the mark of one cell, the look, the width (150 high).
struct StatoVista {
    std::string lettera;
    bool matita = false;
    std::uint8_t segno = 0;
    Aspetto aspetto = Aspetto::normale;
    int larghezza = 200;
};

struct BancoVista {
    CartellaTemporanea cartella;
    PiattaformaRegistro piattaforma;
    std::unique_ptr<Sessione> sessione;
    std::unique_ptr<VistaGriglia> vista;

    // A fresh session on `json` and a view of it, not laid out yet.
    void crea(const std::string& json = schemaOra) {
        sessione = std::make_unique<Sessione>(Cartelle{}, piattaforma, cartella.percorso("dati"));
        sessione->impostaFileLavoro(cartella.percorso("qdv_vista.tmp"));
        apri(json);
        vista = std::make_unique<VistaGriglia>(*sessione);
    }
    void chiudi() { vista.reset(), sessione.reset(); }
    void apri(const std::string& json, const std::string& nome = "p.ipuz") {
        const QString testo = QString::fromStdString(json).replace('\'', '"');
        QCOMPARE(sessione->apri(cartella.scrivi(nome, testo.toStdString())), EsitoApertura::ok);
    }
    // Cell `k` and the view as `s` asks.
    void imposta(Casella k, const StatoVista& s) {
        const Cella& cella = sessione->cruciverba().cella(k.colonna, k.riga);
        if (cella.voce != s.lettera || cella.matita != s.matita) QVERIFY(sessione->scrivi({{k.colonna, k.riga, s.lettera, s.matita}}));
        DecorazioniGriglia d;
        if (s.segno) d.segni[k] = s.segno;
        d.aspetto = s.aspetto;
        vista->resize(s.larghezza, 150);
        vista->disponi({static_cast<double>(s.larghezza), 150, 0, 0}, d);
    }
};

}  // namespace quadrivo::prova
