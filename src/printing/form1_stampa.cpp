// Form1's printing handlers: print, print preview and its close button, the layout dialog.
#include "mainwindow/form1.h"

namespace quadrivo {

void Form1::MenuStampa_Click() {}
void Form1::MenuAnteprima_Click() {}
void Form1::stampaSchema() {}
void Form1::anteprimaStampa() {}
void Form1::Command3d15_Click() {}
void Form1::menusetschema_Click() {}

}  // namespace quadrivo
