#include "model/cruciverba.h"

#include <optional>
#include <vector>

#include "model/file.h"
#include "model/numeri.h"

namespace quadrivo {

namespace {

// Mid$(s, start) with a 1-based start.
std::string_view da(std::string_view s, size_t inizio) {
    return inizio - 1 < s.size() ? s.substr(inizio - 1) : std::string_view{};
}

std::string_view tratto(std::string_view s, size_t inizio, size_t lunghezza) {
    return da(s, inizio).substr(0, lunghezza);
}

[[noreturn]] void formatoNonValido(Piattaforma& p) { fatale(p, msgFormatoNonValido); }

}  // namespace

void leggiCruciverba(Stato& stato, Piattaforma& piattaforma, const std::string& percorso) {
    if (!esisteFile(percorso)) {
        fatale(piattaforma, "Errore: Cruciverba  " + percorso + "  Non trovato! Esecuzione terminata.", "Quadrivo",
               Icona::informazione);
    }
    std::optional<std::string> dati = leggiFile(percorso);
    if (!dati) formatoNonValido(piattaforma);
    leggiCruciverbaDaDati(stato, piattaforma, *dati);
}

void leggiCruciverbaDaDati(Stato& stato, Piattaforma& piattaforma, std::string_view dati) {
    const std::vector<std::string> righe = dividiRighe(dati);
    if (righe.size() < 4) formatoNonValido(piattaforma);

    int colonne = 0, righeGriglia = 0;
    try {
        colonne = intero(valore(da(righe[3], 14)));
        righeGriglia = intero(valore(da(righe[3], 17)));
    } catch (const ErroreOverflow&) {
        formatoNonValido(piattaforma);
    }
    if (colonne < 1 || righeGriglia < 1 || colonne > maxColonne || righeGriglia > maxRighe)
        formatoNonValido(piattaforma);
    if (righe.size() < 4u + static_cast<size_t>(righeGriglia)) formatoNonValido(piattaforma);

    std::array<std::string, maxRigheFile> nuoveRighe{};
    for (int i = 0; i < 4; ++i) nuoveRighe[i] = righe[i];
    for (int r = 1; r <= righeGriglia; ++r) {
        std::string riga = righe[3 + r];
        if (riga.size() > 2u * maxColonne) formatoNonValido(piattaforma);
        for (size_t p = 0; p < riga.size(); p += 2) {
            auto b = static_cast<unsigned char>(riga[p]);
            if (b < 26) formatoNonValido(piattaforma);
            riga[p] = static_cast<char>(b - 26);
        }
        nuoveRighe[3 + r] = std::move(riga);
    }

    PerParola<std::string> definizioni{};
    for (size_t i = 4 + static_cast<size_t>(righeGriglia); i < righe.size(); ++i) {
        const std::string& riga = righe[i];
        try {
            int c = intero(valore(tratto(riga, 1, 3)));
            int r = intero(valore(tratto(riga, 4, 3)));
            int d = intero(valore(tratto(riga, 7, 1)));
            if (c >= 1 && c <= maxColonne && r >= 1 && r <= maxRighe && (d == 1 || d == 2))
                definizioni[c][r][d] = std::string(da(riga, 9));
        } catch (const ErroreOverflow&) {
            // a clue line whose numbers cannot be read is skipped
        }
    }

    stato.righeFile = std::move(nuoveRighe);
    stato.nColonne = static_cast<std::int16_t>(colonne);
    stato.nRighe = static_cast<std::int16_t>(righeGriglia);
    stato.definizione = std::move(definizioni);
}

std::string rigaDefinizione(int colonna, int riga, int direzione, const std::string& testo) {
    auto campo = [](int n) {
        std::string s = "   " + conSegno(n);
        return s.substr(s.size() - 3);
    };
    return campo(colonna) + campo(riga) + std::to_string(direzione) + "-" + testo;
}

std::string testoCruciverba(const Stato& stato) {
    std::string out;
    for (int i = 0; i < 4; ++i) out += stato.righeFile[i] + "\r\n";
    for (int r = 1; r <= stato.nRighe && r + 3 < maxRigheFile; ++r) {
        std::string riga = stato.rigaGriglia(r);
        for (size_t p = 0; p < riga.size(); p += 2)
            riga[p] = static_cast<char>(static_cast<unsigned char>(riga[p]) + 26);
        out += riga + "\r\n";
    }
    for (int c = 1; c <= stato.nColonne && c <= maxColonne; ++c) {
        for (int r = 1; r <= stato.nRighe && r <= maxRighe; ++r) {
            int t = stato.tipoCasella[c][r];
            if ((t == inizioOrizzontale || t == inizioEntrambe) && !stato.definizione[c][r][1].empty())
                out += rigaDefinizione(c, r, 1, stato.definizione[c][r][1]) + "\r\n";
            if ((t == inizioVerticale || t == inizioEntrambe) && !stato.definizione[c][r][2].empty())
                out += rigaDefinizione(c, r, 2, stato.definizione[c][r][2]) + "\r\n";
        }
    }
    return out;
}

bool scriviCruciverba(const Stato& stato, Piattaforma& piattaforma, const std::string& percorso) {
    if (scriviFileSicuro(percorso, testoCruciverba(stato))) return true;
    piattaforma.messaggio(msgErroreScrittura);
    return false;
}

}  // namespace quadrivo
