#pragma once
// The word-entry dialog: the word's number and direction, its clue, one box per letter (or one
// box for a long word), the dictionary search and OK / Annulla / Help. It is built from the word
// it shows and hands back what the player confirmed; the caller stores it. Its rules are in
// solving/parola_dialogo.h.
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <functional>
#include <optional>
#include <memory>

#include "model/piattaforma.h"
#include "model/superficie.h"
#include "qt/area_disegno.h"
#include "qt/voce.h"
#include "solving/lessico.h"
#include "solving/parola_dialogo.h"

namespace quadrivo {

class ModelloParole;

inline constexpr const char* msgCaratteriNonAmmessi =
    "La parola contiene caratteri non ammessi (ammessi solo caratteri alfabetici da A a Z o spazi)";

// The Help text, four pieces joined.
std::string testoAiutoParola();

class FinestraParola : public QDialog, private VistaRicerca {
    Q_OBJECT
public:
    // Runs the dictionary search for a mask, reporting to the dialog.
    using Ricerca = std::function<void(const std::string& maschera, VistaRicerca& vista)>;

    FinestraParola(const VoceDialogo& voce, Piattaforma& piattaforma, Ricerca ricerca, QWidget* genitore = nullptr);
    ~FinestraParola() override;

    // The lists of the other ways of searching (Anagramma, Frammenti, Incroci) for the boxes'
    // bytes; with it the dialog offers the choice of the way beside "&Cerca".
    using Elenco = std::function<std::vector<VoceRicerca>(ModoRicerca modo, const std::string& maschera)>;
    void impostaElenco(Elenco elenco);

    // What OK confirmed; nothing before OK or after Annulla.
    const std::optional<SceltaParola>& scelta() const { return scelta_; }

    // The corner (the start cell's bottom-right corner), moved back so that a dialog of
    // `dimensione` stays inside `schermo`.
    static QPoint posizione(const QRect& parola, QSize dimensione, const QRect& schermo);

public slots:
    void conferma();  // OK
    void annulla();  // Annulla
    void aiuto();  // Help
    void cerca();  // Cerca
    void parolaScelta(int indice);

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

    // Below this a search shows only its outcome: a bar filling in a few milliseconds is noise.
    static constexpr int msRicercaLenta = 300;
    bool ricercaLenta() const;

    // The progress surface: the bar's strokes, shown as they come once the search is slow.
    class BarraRicerca : public Superficie {
    public:
        explicit BarraRicerca(FinestraParola& d) : d_(d) {}
        void pulisci() override { sotto().pulisci(); }
        void rettangolo(double x1, double y1, double x2, double y2, Colore c) override {
            sotto().rettangolo(x1, y1, x2, y2, c);
            tratto();
        }
        void rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) override {
            sotto().rettangoloPieno(x1, y1, x2, y2, c);
            tratto();
        }
        void ellisse(double x1, double y1, double x2, double y2, Colore c) override {
            sotto().ellisse(x1, y1, x2, y2, c);
            tratto();
        }
        void disegnaTesto(double x, double y, const std::string& s) override {
            sotto().disegnaTesto(x, y, s);
            tratto();
        }
        double larghezzaTesto(const std::string& s) override { return sotto().larghezzaTesto(s); }
        double altezzaTesto(const std::string& s) override { return sotto().altezzaTesto(s); }
        double larghezzaScala() const override { return d_.barraAvanzamento->superficie().larghezzaScala(); }
        double altezzaScala() const override { return d_.barraAvanzamento->superficie().altezzaScala(); }

    private:
        Superficie& sotto() { return d_.barraAvanzamento->superficie(); }
        void tratto();
        FinestraParola& d_;
    };

    int lunghezza() const { return static_cast<int>(voce_.celle.size()); }
    int caselleMostrate() const { return conCaselle(lunghezza()) ? lunghezza() : 0; }
    std::vector<std::string> testiCaselle() const;
    int indiceCasella(QObject* o) const;
    void casellaModificata(int i, const QString& testo);
    void casellaLasciata(int i);
    void limitaDefinizione(const QString& testo);

    QLabel* titolo;
    QLabel* etichettaDefinizione;
    QLineEdit* campoDefinizione;
    std::array<QLineEdit*, maxCaselleDialogo> caselle{};
    QLineEdit* casellaLunga;
    QPushButton* pulsanteCerca;
    QComboBox* ComboModo;  // Maschera, Anagramma, Frammenti, Incroci
    QComboBox* elencoTrovate;
    Voce* esitoRicerca;
    AreaDisegno* barraAvanzamento;  // the search's progress bar
    QPushButton* pulsanteOk;
    QPushButton* pulsanteAnnulla;
    QPushButton* pulsanteAiuto;

    const VoceDialogo voce_;
    Piattaforma& piattaforma_;
    Ricerca ricerca_;
    Elenco elenco_;
    std::optional<SceltaParola> scelta_;
    std::vector<bool> modificate_ = std::vector<bool>(maxCaselleDialogo, false);  // edited by the player
    bool lungaModificata_ = false;
    bool attivato_ = false;
    QString definizionePrecedente_;
    ModelloParole* modelloParole_;
    QElapsedTimer inizioRicerca_;
    BarraRicerca barra_{*this};
};

}  // namespace quadrivo
