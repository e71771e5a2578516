// Form1's dialog handlers: open, save as, font, toolbar dispatch, help and about.
#include "mainwindow/form1.h"

namespace quadrivo {

void Form1::MenuApri_Click() {}
void Form1::MenuSalvaCN_Click() {}
void Form1::chiediSeSalvare() {}
void Form1::MenuFont_Click() {}
void Form1::Toolbar1_ButtonClick(const QString&) {}
void Form1::MenuAiuto_Click() {}
void Form1::menuPHP_Click() {}
void Form1::ManueMail_Click() {}
void Form1::MenuInfo_Click() {}
void Form1::Picture2_Click() {}
void Form1::StatusBar1_DblClick() {}

}  // namespace quadrivo
