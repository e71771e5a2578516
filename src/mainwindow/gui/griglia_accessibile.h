#pragma once
// The grid as a screen reader sees it: a table of the puzzle's rows and columns whose cells
// have names ("A, numero 7, sbagliata", "vuota", "nera"); the current cell has the focus, and a
// word's first cell describes the words that start there.
#include <QString>

class QWidget;

namespace quadrivo {

// Once per program: the main window's drawing area is then read as that table.
void installaGrigliaAccessibile();

// The current cell moved or letters changed: the reader hears the cell with the focus.
void annunciaCellaCorrente(QWidget* area);
// A reading asked for by the player: it becomes the current cell's description, which a reader
// speaks as it changes.
void annunciaLettura(QWidget* area, const QString& testo);

}  // namespace quadrivo
