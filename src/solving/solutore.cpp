#include "solving/solutore.h"

#include <algorithm>

#include "model/testo.h"
#include "solving/controllo.h"

namespace quadrivo {

Solutore::Solutore(Stato& stato, Piattaforma& piattaforma, VistaSolutore& vista)
    : s_(stato), piattaforma_(piattaforma), vista_(vista) {}

void Solutore::impostaPuntatore(Puntatore p) {
    if (p != vista_.puntatore()) vista_.mostraPuntatore(p);
}

void Solutore::movimentoMouse(double x, double y) {
    const Passaggio p = calcolaPassaggio(
        s_, x, y, vista_.larghezzaSuperficie(), [this](const std::string& d) { return vista_.larghezzaEtichetta(d); },
        vista_.puntatore());
    impostaPuntatore(p.puntatore);
    if (p.etichetta)
        vista_.mostraEtichetta(p.didascalia, p.etichettaX, p.etichettaY);
    else
        vista_.nascondiEtichetta();
    if (p.rettangolo == AzioneRettangolo::mostra) vista_.mostraRettangolo(p.r);
    if (p.rettangolo == AzioneRettangolo::nascondi) vista_.nascondiRettangolo();
}

void Solutore::movimentoSuControllo() { vista_.nascondiEtichetta(); }

void Solutore::pressioneMouse(int pulsante, double x, double y) {
    if (s_.xGriglia == 0) return;
    if (vista_.casellaVisibile(1)) salvaporizz();
    switch (decidiClic(s_, pulsante, x, y, direzionePassaggio())) {
    case EsitoClic::fuori:
        impostaPuntatore(Puntatore::predefinito);
        return;
    case EsitoClic::inattiva:
        vista_.ridisegnaToolbar();
        return;
    case EsitoClic::nessunaParola:
        vista_.nascondiEtichetta();
        nascondiCaselle();
        vista_.ridisegnaToolbar();
        return;
    case EsitoClic::digitazione:
        vista_.nascondiEtichetta();
        iniziaDigitazione();
        return;
    case EsitoClic::dialogo:
        vista_.nascondiEtichetta();
        apriConDialogo(s_.colonnaCorrente, s_.rigaCorrente, s_.direzioneCorrente);
        return;
    }
}

void Solutore::nascondiCaselle() {
    for (int i = 1; i <= std::min<int>(s_.lunghezzaDigitazione, maxCaselleDigitazione); ++i) vista_.nascondiCasella(i);
}

void Solutore::apriConDialogo(int c, int r, int d) {
    nascondiCaselle();
    s_.parolaInserita[c][r][d] = parolaDaInserimenti(s_, c, r, d);
    if (const auto scelta = vista_.apriDialogo(voceDialogo(s_))) applicaScelta(s_, *scelta);
    vista_.ridisegnaToolbar();
    // Cancelled or confirmed, the dialog counts as a change to be saved.
    s_.fileModificato = true;
    scriviParola(s_, c, r, d, s_.parolaInserita[c][r][d]);
    aggiorna();
    vista_.ridisegnaToolbar();
}

void Solutore::apriParola(int c, int r, int d) {
    if (c < 1 || c > maxColonne || r < 1 || r > maxRighe || (d != orizzontale && d != verticale)) return;
    if (s_.parolaSoluzione[c][r][d].empty()) return;
    s_.colonnaCorrente = static_cast<std::int16_t>(c);
    s_.rigaCorrente = static_cast<std::int16_t>(r);
    s_.direzioneCorrente = static_cast<std::int16_t>(d);
    vista_.nascondiEtichetta();
    apriConDialogo(c, r, d);
}

void Solutore::aggiorna() {
    cicloAggiornamento(s_, piattaforma_, [this] { vista_.disegnaGriglia(); });
}

void Solutore::iniziaDigitazione() {
    const int c = s_.colonnaClic, r = s_.rigaClic, d = s_.direzioneCorrente;
    if (c < 1 || c > maxColonne || r < 1 || r > maxRighe || (d != orizzontale && d != verticale)) return;
    const int n = std::min<int>(static_cast<int>(s_.parolaSoluzione[c][r][d].size()), maxCaselleDigitazione);
    s_.lunghezzaDigitazione = static_cast<std::int16_t>(n);
    Nasconditext();
    const std::string parola = parolaDaInserimenti(s_, c, r, d);
    const std::string suggerimento = daWindows1252(s_.definizione[c][r][d]);
    for (int i = 1; i <= n; ++i)
        vista_.mostraCasella(i, geometriaCasella(s_, c, r, d, i), daWindows1252(parola.substr(i - 1, 1)), suggerimento);
    if (n > 0) vista_.fuocoCasella(1);
}

void Solutore::salvaporizz() {
    nascondiCaselle();
    const int c = s_.colonnaClic, r = s_.rigaClic, d = s_.direzioneCorrente;
    if (c < 1 || c > maxColonne || r < 1 || r > maxRighe || (d != orizzontale && d != verticale)) return;
    const int n = std::min<int>(static_cast<int>(s_.parolaSoluzione[c][r][d].size()), s_.lunghezzaDigitazione);
    // Start from what the cells hold, so an emptied box leaves its cell as it was.
    std::string parola = parolaDaInserimenti(s_, c, r, d);
    for (int i = 1; i <= n; ++i) {
        const std::string testo = vista_.testoCasella(i);
        if (testo.empty()) continue;
        const std::string lettera = normalizzaCasella(testo, static_cast<int>(testo.size()));
        // Only a "." the box was opened with can be left in it besides a letter.
        parola[i - 1] = lettera.empty() ? '.' : lettera[0];
    }
    if (parola != parolaDaInserimenti(s_, c, r, d)) s_.fileModificato = true;
    scriviParola(s_, c, r, d, parola);
    aggiorna();
}

void Solutore::Nasconditext() {
    impostaPuntatore(Puntatore::predefinito);
    vista_.nascondiRettangolo();
    for (int i = 1; i <= maxCaselleDigitazione; ++i) {
        if (!vista_.casellaVisibile(i)) break;
        vista_.nascondiCasella(i);
    }
}

bool Solutore::tastoCasella(int i, Tasto tasto, char32_t carattere) {
    const int n = std::max<int>(s_.lunghezzaDigitazione, 1);
    switch (tasto) {
    case Tasto::invio: salvaporizz(); return true;
    case Tasto::esc: Nasconditext(); return true;
    case Tasto::sinistra:
    case Tasto::su: vista_.fuocoCasella(casellaPrecedente(i, n)); return true;
    case Tasto::destra:
    case Tasto::giu: vista_.fuocoCasella(casellaSuccessiva(i, n)); return true;
    case Tasto::carattere: return !tastoAccettato(carattere);
    case Tasto::cancellaIndietro: return true;
    case Tasto::altro: return false;
    }
    return false;
}

void Solutore::casellaModificata(int i, const std::string& testo, int cursore) {
    const std::string nuovo = normalizzaCasella(testo, cursore);
    if (nuovo != testo) vista_.impostaTestoCasella(i, nuovo);
    vista_.fuocoCasella(casellaSuccessiva(i, std::max<int>(s_.lunghezzaDigitazione, 1)));
}

void Solutore::controllaSoluzioni() {
    if (s_.grigliaAttiva == -1) vista_.chiudiAnteprima();
    piattaforma_.messaggio(messaggioControllo(s_, piattaforma_.orologio()));
}

bool Solutore::azzeraSoluzioni() {
    if (piattaforma_.messaggio(domandaAzzeramento, titoloAzzeramento, Icona::domanda, Pulsanti::okAnnulla) !=
        Risposta::ok)
        return false;
    // Letters still in typing boxes would come back with the next Enter; the preview would
    // hide the cleared grid.
    if (vista_.casellaVisibile(1)) Nasconditext();
    if (s_.grigliaAttiva == -1) vista_.chiudiAnteprima();
    azzeraInserimenti(s_);
    s_.fileModificato = true;
    aggiorna();
    s_.inizioGioco = piattaforma_.orologio();
    return true;
}

}  // namespace quadrivo
