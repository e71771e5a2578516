#pragma once
// The "Suggerimenti" panel beside the grid: the dictionary words that fit the current word and
// leave every crossing word possible, each with the candidates left to its crossings (in a
// codeword the words that follow its codes, in a grid to fill the list's words that fit). A word
// chosen (double click or Enter) is handed back to be written; the keyboard stays on the grid
// otherwise.
#include <QLabel>
#include <QListView>
#include <QWidget>
#include <string>
#include <vector>

#include "solving/lessico_incroci.h"

namespace quadrivo {

class ModelloParole;

class PannelloSuggerimenti : public QWidget {
    Q_OBJECT
public:
    explicit PannelloSuggerimenti(QWidget* genitore = nullptr);

    // The list for the current word, or why there is none.
    void mostra(const std::vector<Suggerimento>& suggerimenti);
    // Plain words (UTF-8), in a game that brings its own (a codeword's codes, a grid's list).
    void mostraParole(const std::vector<std::string>& parole);
    void mostraNessuna(const QString& motivo);
    int quante() const;
    QString parola(int riga) const;

signals:
    // The UTF-8 word of the line chosen.
    void parolaScelta(const QString& parola);

private:
    QLabel* stato_;
    QListView* lista_;
    ModelloParole* modello_;
};

}  // namespace quadrivo
