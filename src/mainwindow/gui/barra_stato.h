#pragma once
// The status bar: seven panels, the text of panel 1, the Scroll Lock, Insert, Caps Lock and Num Lock
// indicators, the date and the time, and before the indicators the solving clock's panel. The
// bar keeps the indicators and the time of day current itself; the window sets the solving time.
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <array>

namespace quadrivo {

class BarraStato : public QStatusBar {
    Q_OBJECT
public:
    enum Pannello { testo = 1, scorrimento = 2, inserimento = 3, maiuscole = 4, numeri = 5, data = 6, ora = 7, tempo = 8 };

    explicit BarraStato(QWidget* genitore = nullptr);
    ~BarraStato() override;

    void impostaTesto(const QString& t) { pannelli_[testo]->setText(t); }
    // A passing message: a setting or a copy that could not be written.
    void avvisa(const QString& t) { showMessage(t, 15000); }
    // The solving clock's text; "" hides its panel.
    void impostaTempo(const QString& t);

    // Reads the keyboard and the clock again.
    void aggiorna();

signals:
    void doppioClic();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // An indicator shown active or dimmed.
    void impostaIndicatore(int indice, bool attivo);

    std::array<QLabel*, 9> pannelli_{};
    // Lock states followed from key presses where the keyboard's lights cannot be read.
    bool bloccoScorr_ = false, bloccoMaiusc_ = false, bloccoNum_ = false, inserisci_ = false;
    QTimer orologio_;
};

}  // namespace quadrivo
