#pragma once
// The grid as a screen reader sees it: a table of the puzzle's rows and columns whose cells
// have names ("A, numero 7, sbagliata", "vuota", "nera"); the current cell has the focus and
// says where it lies in the current word ("8 orizzontale, lettera 2 di 6"), with the clue when
// the word changed; any other cell describes the words that start there.
#include <QString>

class QWidget;

namespace quadrivo {

// Once per program: a drawing area holding the grid's view is then read as that table.
void installaGrigliaAccessibile();

// The current cell moved or letters changed: the reader hears the cell with the focus, and the
// clue when its word is not the one said last or `conDefinizione` asks for it.
void annunciaCellaCorrente(QWidget* area, bool conDefinizione = false);
// What the current cell says beside its name, as last announced.
QString descrizioneCorrente(const QWidget* area);

}  // namespace quadrivo
