#pragma once
// The word-entry dialog: the word's number and direction, its clue, one box per letter (or one
// box for a long word), the dictionary search and OK / Annulla / Help. It talks to the rest of
// the program only through the state: it reads the word open for entry and, on OK, stores the
// word and the clue.
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <memory>

#include "model/piattaforma.h"
#include "model/stato.h"
#include "solving/lessico.h"

namespace quadrivo {

class ModelloParole;

inline constexpr const char* msgCaratteriNonAmmessi =
    "La parola contiene caratteri non ammessi (ammessi solo caratteri alfabetici da A a Z o spazi)";

// The Help text, four pieces joined.
std::string testoAiutoTessoDef();

// The search's progress surface: a backing image that the search paints through a Superficie
// and that is shown at once after every stroke.
class BarraProgresso : public QWidget {
    Q_OBJECT
public:
    explicit BarraProgresso(QWidget* genitore = nullptr);
    ~BarraProgresso() override;
    // Valid from inizia() to finisci().
    Superficie& inizia();
    void finisci();
    const QImage& immagine() const { return immagine_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    class Disegno;
    QImage immagine_;
    std::unique_ptr<Disegno> disegno_;
};

class TessoDef : public QDialog, private VistaRicerca {
    Q_OBJECT
public:
    // Set up for the word at colonnaCorrente, rigaCorrente, direzioneCorrente, whose letters
    // are in parolaInserita.
    TessoDef(Stato& stato, Piattaforma& piattaforma, QWidget* genitore = nullptr);
    ~TessoDef() override;

    QLabel* Label1;
    QLabel* Label4;
    QLineEdit* Text1;
    std::array<QLineEdit*, 15> Text3{};
    QLineEdit* Text2;
    QPushButton* Command3d4;
    QComboBox* Combo1;
    QLabel* Label5;
    BarraProgresso* Picture1;
    QPushButton* Command3d1;
    QPushButton* Command3d2;
    QPushButton* Command3d3;

    // The screen point of the start cell's bottom-right corner, moved back so that a dialog of
    // `dimensione` stays inside `schermo`.
    static QPoint posizione(const Stato& stato, QSize dimensione, const QRect& schermo);

public slots:
    void Command3d1_Click();  // OK
    void Command3d2_Click();  // Annulla
    void Command3d3_Click();  // Help
    void Command3d4_Click();  // Cerca
    void Combo1_Click(int indice);

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // VistaRicerca
    void svuotaLista() override;
    void aggiungiParole(const ParoleTrovate& parole) override;
    void impostaStato(const std::string& testo) override;
    void impostaTestoLista(const std::string& testo) override;
    Superficie& progresso() override;

    int lunghezza() const;  // letters of the word open in the dialog
    int indiceCasella(QObject* o) const;
    void casellaModificata(int i, const QString& testo);
    void casellaLasciata(int i);
    bool casellaValida(int i) const;
    void limitaDefinizione(const QString& testo);

    Stato& s_;
    Piattaforma& piattaforma_;
    int c_, r_, d_;
    bool attivato_ = false;
    QString definizionePrecedente_;
    ModelloParole* modelloParole_;
};

}  // namespace quadrivo
