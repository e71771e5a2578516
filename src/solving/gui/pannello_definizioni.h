#pragma once
// The clue panel beside the grid: the across and down lists in print order, the current word's
// clue highlighted, complete words greyed. A senza schema shows a line for each row and column. It takes the keyboard only when asked (F12): typing
// otherwise stays on the grid.
#include <QLabel>
#include <QListWidget>
#include <QWidget>
#include <vector>

#include "solving/navigazione.h"

namespace quadrivo {

// The bold, slightly larger face of the headings and of the current clue's line above the grid.
// One face for all of them: each further face costs the start a font match and a shaper.
QFont carattereTitolo(QFont base);

// A panel list's heading in that face ("ORIZZONTALI", "CHIAVE").
QLabel* titoloPannello(const char* testo, QWidget* genitore);

class PannelloDefinizioni : public QWidget {
    Q_OBJECT
public:
    explicit PannelloDefinizioni(QWidget* genitore = nullptr);

    // Shows the words of `nav` with their completeness in `cruciverba`; `corrente` is the index in
    // nav.parole() of the current word, -1 for none.
    // senzaProgresso: a paused solve greys no word, so the panel gives nothing away either.
    void aggiorna(const Navigazione& nav, const Cruciverba& cruciverba, int corrente, bool senzaProgresso = false);

    // The keyboard comes to the list of the current word: arrows move, Enter picks the word,
    // Esc goes back; either way tastieraResa follows.
    void prendiTastiera();

signals:
    // An entry was clicked: the index in Navigazione::parole() of its word.
    void parolaScelta(int indice);
    void tastieraResa();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void rendiTastiera();
    void riempi(QListWidget* lista, const std::vector<VoceElenco>& voci, const Navigazione& nav, int corrente,
                bool senzaProgresso);
    void aggiornaAltri(const Cruciverba& cruciverba);
    // A senza schema: one line a row (column), the cursor's row (column) highlighted.
    void riempiRighe(QListWidget* lista, const Navigazione& nav, const Cruciverba& cruciverba, int corrente,
                     bool senzaProgresso);

    QListWidget* orizzontali_ = nullptr;
    QListWidget* verticali_ = nullptr;
    QListWidget* altri_ = nullptr;
    std::vector<std::string> mostrateOrizzontali_, mostrateVerticali_;  // the texts the lists hold
    std::vector<char> grigieOrizzontali_, grigieVerticali_;             // which of them show as complete
    QStringList mostrateAltre_;
};

}  // namespace quadrivo
