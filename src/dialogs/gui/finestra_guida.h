#pragma once
// The help window (F1, ? → Tasti): a page to read beside the puzzle, not a message to dismiss.
#include <QDialog>

class QTextEdit;

namespace quadrivo {

class FinestraGuida : public QDialog {
    Q_OBJECT
public:
    explicit FinestraGuida(QWidget* genitore);
    // Shows the whole help, or the key table alone, and brings the window forward.
    void mostra(bool soloTasti);
    QString testo() const;

private:
    QTextEdit* pagina_;
};

}  // namespace quadrivo
