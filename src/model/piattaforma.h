#pragma once
// What the logic needs of the desktop besides drawing: message boxes, ending the program,
// the clock and the pointer shape. The application supplies a Qt implementation; tests
// supply a recording one whose termina() throws, so fatal paths can be exercised.
#include <cmath>
#include <cstdint>
#include <string>

namespace quadrivo {

// The program's name as its windows and messages give it.
inline constexpr const char* titoloApplicazione = "Quadrivo 7";

enum class Icona { nessuna, informazione, attenzione, critico, domanda };
// Which buttons a message offers. salvaNonSalvareAnnulla: Salva answers ok, Non salvare answers
// nonSalvare. annullaOk: OK and Annulla, for questions whose OK throws something away.
// ripristinaPiuTardiElimina: Ripristina ok, Elimina nonSalvare, Più tardi annulla.
// ripristinaCopiaPiuTardiElimina: the same with Ripristina come copia for ok.
// sovrascriviSalvaConNomeAnnulla: Sovrascrivi ok, Salva con nome nonSalvare, Annulla.
// apriComunqueAnnulla: Apri comunque ok, Annulla. Return and Esc never give a destructive answer:
// see rispostaInvio and rispostaEsc, which every implementation follows whatever has the focus.
enum class Pulsanti {
    ok,
    okAnnulla,
    salvaNonSalvareAnnulla,
    annullaOk,
    ripristinaPiuTardiElimina,
    ripristinaCopiaPiuTardiElimina,
    sovrascriviSalvaConNomeAnnulla,
    apriComunqueAnnulla
};
enum class Risposta { ok, annulla, nonSalvare };
// What Return (the default button, which also has the focus) and Esc answer.
Risposta rispostaInvio(Pulsanti pulsanti);
Risposta rispostaEsc(Pulsanti pulsanti);

enum class Puntatore { predefinito, clessidra, frecciaOrizzontale, frecciaVerticale, mano };

class Piattaforma {
public:
    virtual ~Piattaforma() = default;

    // Texts are UTF-8; an empty title means the application title.
    virtual Risposta messaggio(const std::string& testo, const std::string& titolo = {},
                               Icona icona = Icona::nessuna, Pulsanti pulsanti = Pulsanti::ok) = 0;
    // A warning that may come up while the player types: the keys typed before it showed are
    // not taken as its answer.
    virtual void avvisoInDigitazione(const std::string& testo) { messaggio(testo, {}, Icona::attenzione); }

    // Ends the program at once; never returns.
    [[noreturn]] virtual void termina() = 0;

    // Seconds with fractions on a clock that does not wrap at midnight.
    virtual double orologio() = 0;

    // Milliseconds on a steady clock that never goes back (the solving clock reads it).
    // Implementations with such a clock override this reading of orologio().
    virtual std::int64_t millisecondi() { return std::llround(orologio() * 1000); }

    virtual void impostaPuntatore(Puntatore p) = 0;
    virtual Puntatore puntatore() const = 0;
};

// Shows a message and ends the program: the "Esecuzione terminata" outcome.
[[noreturn]] void fatale(Piattaforma& piattaforma, const std::string& testo,
                         const std::string& titolo = {}, Icona icona = Icona::nessuna);

}  // namespace quadrivo
