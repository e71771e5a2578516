#pragma once
// The platform for the real program: Qt message boxes, the process exit, a steady clock and
// the pointer: the busy pointer covers the whole application, the other shapes belong to the
// main window's drawing area (over the toolbar and the other controls they do not show).
#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "model/piattaforma.h"

namespace quadrivo {

class PiattaformaQt : public Piattaforma {
public:
    PiattaformaQt();
    Risposta messaggio(const std::string& testo, const std::string& titolo, Icona icona, Pulsanti pulsanti) override;
    void avvisoInDigitazione(const std::string& testo) override;
    [[noreturn]] void termina() override;
    double orologio() override;
    std::int64_t millisecondi() override { return fermo_.elapsed(); }
    void impostaPuntatore(Puntatore p) override;
    Puntatore puntatore() const override { return forma_; }

    // Message boxes are centred on this window when set.
    void impostaGenitore(QWidget* w) { genitore_ = w; }
    // Run just before the program ends at once (the main window removes its working copy).
    std::function<void()> primaDiTerminare;
    // The widget whose pointer shows the hover directions and the hand.
    void impostaArea(QWidget* w) { area_ = w; }
    // How long a warning raised while the player types ignores the keys (typing still under way).
    int millisecondiSenzaTasti = 400;

private:
    Risposta mostra(const std::string& testo, const std::string& titolo, Icona icona, Pulsanti pulsanti, bool scartaTasti);
    Puntatore forma_ = Puntatore::predefinito;
    QElapsedTimer fermo_;  // started with the platform
    QPointer<QWidget> genitore_;
    QPointer<QWidget> area_;
};

}  // namespace quadrivo
