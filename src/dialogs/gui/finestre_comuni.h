#pragma once
// Small helpers the dialogs share.
#include <QString>
#include <QWidget>

class QHBoxLayout;
class QLineEdit;
class QPushButton;

namespace quadrivo {

// The widget and its children take this family, keeping the size the desktop gives them.
void usaFamiglia(QWidget* w, const QString& famiglia);
// Places a top-level window in the middle of its screen.
void centraSulloSchermo(QWidget* w);
// The whole text of a line edit is selected whenever it receives the focus.
void selezionaTuttoAlFuoco(QLineEdit* campo);
// The confirm and cancel buttons, right-aligned in a row; Enter presses the first.
QHBoxLayout* rigaPulsanti(QPushButton* ok, QPushButton* annulla);

}  // namespace quadrivo
