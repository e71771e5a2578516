// Form1's solving handlers: hover, clicks on the grid, direct typing, check and clear.
#include <QKeyEvent>

#include "mainwindow/form1.h"

namespace quadrivo {

void Form1::movimentoMouse(double, double) {}
void Form1::pressioneMouse(int, double, double) {}
void Form1::salvaporizz() {}
void Form1::Nasconditext() {}
bool Form1::Text1_KeyDown(int, QKeyEvent&) { return false; }
void Form1::Text1_Change(int) {}
void Form1::Text1_GotFocus(int) {}
void Form1::Text1_MouseMove(int) {}
void Form1::Label1_MouseMove() {}
void Form1::MenuCS_Click() {}
void Form1::MenuAzzera_Click() {}

}  // namespace quadrivo
