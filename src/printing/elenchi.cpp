#include "printing/elenchi.h"

#include <QDate>
#include <cstdio>

#include "model/numeri.h"
#include "model/testo.h"

namespace quadrivo {

namespace {

// On the printer, moves to a fresh sheet when the next `righe` lines would not fit. A pen
// already at the top of a sheet stays: a line taller than the whole sheet is printed anyway.
void faiSpazio(Superficie& sup, const SaltoPagina* salto, int righe) {
    if (!salto || !salto->nuovaPagina) return;
    if (sup.CurrentY + righe * sup.altezzaTesto("X") <= sup.altezzaScala()) return;
    if (sup.CurrentY <= salto->alto) return;
    salto->nuovaPagina();
    sup.CurrentY = salto->alto;
}

void scriviVoce(Superficie& sup, const std::string& voce, int x0, double limite, const SaltoPagina* salto) {
    const int cx = intero(sup.CurrentX);
    const size_t spazio = voce.find(' ');
    const std::string numero = voce.substr(0, spazio);
    const std::string resto = spazio == std::string::npos ? std::string() : voce.substr(spazio);
    // Measured whole and in regular weight, before the number turns bold.
    const double w = sup.larghezzaTesto(voce);
    if (cx + w > limite) {
        sup.aCapo();
        sup.CurrentX = x0;
    }
    if (intero(sup.CurrentX) <= x0) faiSpazio(sup, salto, 1);
    sup.impostaGrassetto(true);
    sup.stampa(numero, false);
    sup.impostaGrassetto(false);
    sup.stampa(resto, false);
}

void riga(Superficie& sup, int x0, const std::string& testo, const SaltoPagina* salto, int righe = 1) {
    sup.CurrentX = x0;
    faiSpazio(sup, salto, righe);
    sup.CurrentX = x0;
    sup.stampa(testo);
}

}  // namespace

std::vector<std::string> vociDefinizioni(const Cruciverba& x, int d) {
    std::vector<std::string> voci;
    if (d < 1 || static_cast<size_t>(d) > x.elenchi.size()) return voci;
    for (const Definizione& w : x.elenchi[static_cast<size_t>(d - 1)].definizioni)
        voci.push_back(voceDefinizione(w.etichetta, w.testo));
    return voci;
}

std::string rigaAutore(const Cruciverba& x) { return x.etichettaAutore + x.autore; }

void stampaVoce(Superficie& sup, const std::string& voce, int x0, const SaltoPagina* salto) {
    scriviVoce(sup, voce, x0, sup.larghezzaScala() - 200, salto);
}

void anteprimaVoce(Superficie& sup, const std::string& voce, int x0) {
    scriviVoce(sup, voce, x0, sup.larghezzaScala() - x0, nullptr);
}

double puntiElenchi(const BloccoTesto& b) {
    if (b.tipo == TipoPagina::stampante) return puntiElenchiStampante;
    return std::max(b.sinistraPagina / 29.7 / 1.4, puntiElenchiMinimiAnteprima);
}

int margineElenchi(const BloccoTesto& b, double larghezza) {
    if (b.tipo == TipoPagina::stampante) return intero(larghezza / 12);
    return intero(b.altezzaPagina * 210.0 / 297 / 12 + b.sinistraPagina);
}

double limiteDestro(const BloccoTesto& b, double larghezza, int x0) {
    return b.tipo == TipoPagina::stampante ? larghezza - 200 : larghezza - x0;
}

void stampaDefinizioni(const Stato& s, Superficie& sup, const BloccoTesto& b) {
    const bool stampante = b.tipo == TipoPagina::stampante;
    const SaltoPagina* salto = stampante ? b.salto : nullptr;
    const int x0 = margineElenchi(b, sup.larghezzaScala());
    auto voce = [&](const std::string& e) {
        if (stampante)
            stampaVoce(sup, e, x0, salto);
        else
            anteprimaVoce(sup, e, x0);
    };

    sup.impostaGrassetto(true);
    sup.impostaDimensione(puntiElenchi(b));
    sup.CurrentX = x0;
    sup.CurrentY = somma16(somma16(prodotto16(b.lato, s.cruciverba.righe()), b.altoGriglia), 10);
    riga(sup, x0, intestazioneOrizzontali, salto, 2);
    sup.impostaGrassetto(false);
    sup.CurrentX = x0;
    for (const std::string& e : vociDefinizioni(s.cruciverba, orizzontale)) voce(e);

    sup.aCapo();
    sup.aCapo();
    sup.impostaGrassetto(true);
    riga(sup, x0, intestazioneVerticali, salto, 2);
    sup.impostaGrassetto(false);
    sup.CurrentX = x0;
    for (const std::string& e : vociDefinizioni(s.cruciverba, verticale)) voce(e);
    // The file's other lists follow under their names in capitals ("DIAGONALI:").
    for (size_t i = 2; i < s.cruciverba.elenchi.size(); ++i) {
        if (s.cruciverba.elenchi[i].definizioni.empty()) continue;
        sup.aCapo();
        sup.aCapo();
        sup.impostaGrassetto(true);
        riga(sup, x0, maiuscolo(s.cruciverba.elenchi[i].direzione) + ":", salto, 2);
        sup.impostaGrassetto(false);
        sup.CurrentX = x0;
        for (const std::string& e : vociDefinizioni(s.cruciverba, static_cast<int>(i) + 1)) voce(e);
    }

    sup.impostaGrassetto(false);
    for (int i = 0; i < (stampante ? 2 : 3); ++i) sup.aCapo();
    riga(sup, x0, b.data + (stampante ? "   -   " : "  -  ") + s.nomeFile, salto);
    riga(sup, x0, rigaAutore(s.cruciverba), salto);
    riga(sup, x0, rigaCrediti, salto);
}

std::string dataStampa(int giorno, int mese, int anno) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", giorno, mese, anno);
    return buf;
}

std::string dataDiOggi() {
    const QDate oggi = QDate::currentDate();
    return dataStampa(oggi.day(), oggi.month(), oggi.year());
}

}  // namespace quadrivo
