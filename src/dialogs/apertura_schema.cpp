#include "dialogs/apertura_schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

#include "formats/trmo.h"
#include "sessione/apertura.h"
#include "model/impostazioni.h"
#include "model/disegno_schema.h"
#include "model/file.h"
#include "model/numeri.h"
#include "model/testo.h"

namespace quadrivo {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// Text from 1-based position `inizio` to the end ("" past the end).
std::string_view da(std::string_view s, size_t inizio) {
    return inizio - 1 < s.size() ? s.substr(inizio - 1) : std::string_view{};
}

// A puzzle's header and grid take a few kilobytes; whatever lies past this is never needed.
constexpr qint64 limiteLettura = 1 << 20;

// The first lines of a file, never more than `quante`; a line cut by the reading limit is dropped.
std::optional<std::vector<std::string>> primeRighe(const std::string& percorso, size_t quante) {
    QFile f;
    if (!apriInLettura(f, percorso)) return std::nullopt;
    const QByteArray b = f.read(limiteLettura);
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    const bool tagliato = !f.atEnd();
    std::vector<std::string> righe = dividiRighe(std::string_view(b.constData(), static_cast<size_t>(b.size())));
    if (tagliato && !righe.empty()) righe.pop_back();
    if (righe.size() > quante) righe.resize(quante);
    return righe;
}

}  // namespace

std::string cartellaIniziale(const std::string& corrente) {
    if (corrente.find(cartellaArchivio) != std::string::npos) return corrente;
    const QFileInfo sotto(q(componiPercorso(corrente, cartellaArchivio)));
    if (sotto.isDir() && sotto.isReadable() && sotto.isExecutable()) return sotto.absoluteFilePath().toStdString();
    return corrente;
}

bool nomeCruciverba(const std::string& nome) {
    for (size_t p = 0; p + 4 <= nome.size(); ++p) {
        if (nome[p] != '.') continue;
        std::string ext = nome.substr(p + 1, 3);
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (ext == "trm") return true;
    }
    return false;
}

std::vector<std::string> filesCruciverba(const std::string& cartella) {
    // Listed by their bytes: a name that is not valid UTF-8 is listed (and opened) too.
    std::vector<std::string> nomi;
    for (std::string& n : nomiFile(cartella))
        if (nomeCruciverba(n)) nomi.push_back(std::move(n));
    std::sort(nomi.begin(), nomi.end(), [](const std::string& a, const std::string& b) {
        const int c = nomeQt(a).compare(nomeQt(b), Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return nomi;
}

Anteprima disegnaAnteprima(const Stato& stato, Superficie& sup, Piattaforma& piattaforma, const std::string& cartella,
                           const std::string& nome) {
    Anteprima esito;
    sup.pulisci();
    const std::string percorso = componiPercorso(cartella, nome);
    if (nome.empty() || !esisteFile(percorso)) {
        piattaforma.messaggio(msgNessunFile);
        return esito;
    }
    auto formato = [&] {
        sup.pulisci();
        piattaforma.messaggio(msgFormatoAnteprima);
        return Anteprima{};
    };

    // Header plus at most the rows the line buffer holds.
    const std::optional<std::vector<std::string>> righe = primeRighe(percorso, maxRigheFile);
    if (!righe || righe->size() < 4) return formato();
    const std::vector<std::string>& l = *righe;

    try {
        const int C = intero(valore(da(l[3], 14)));
        const int R = intero(valore(da(l[3], 17)));
        if (C <= 0 || R <= 0 || R > maxRigheFile - 4) return formato();

        const double W = sup.larghezzaScala();
        const double H = sup.altezzaScala();
        const int cw = intero((W - 10) / C);
        const int chh = intero((H - 10) / R);
        GeometriaSchema g;
        g.colonne = C;
        g.righe = R;
        g.lato = cw < chh ? cw : chh;
        g.puntiLettere = std::max<int>(intero(g.lato / 100.0 * caratteriDisegno(stato)), 5);
        g.x0 = intero((W - prodotto16(C, g.lato)) / 2);
        g.y0 = intero((H - prodotto16(g.lato, R)) / 2);

        // The whole grid is checked before anything is drawn, so a bad file leaves a clean area.
        CaselleSchema caselle;
        for (int r = 0; r < R; ++r) {
            if (4u + static_cast<size_t>(r) >= l.size()) return formato();  // the file ends before its rows
            const std::string& riga = l[4 + static_cast<size_t>(r)];
            std::vector<CasellaSchema>& fila = caselle.emplace_back();
            for (size_t k = 2; k <= riga.size(); k += 2) {
                const char ch = riga[k - 1];
                const int c = static_cast<int>((k - 1) / 2);
                // Cells beyond the 16-bit range make the file unreadable here, as they always did.
                somma16(somma16(prodotto16(c, g.lato), g.x0), g.lato);
                somma16(somma16(prodotto16(r, g.lato), g.y0), g.lato);
                CasellaSchema cella;
                if (ch >= 'A' && ch <= 'Z') cella.lettera = std::string(1, ch);
                else if (ch == '*') cella.nera = true;
                else if (ch != '.') {
                    sup.pulisci();
                    piattaforma.messaggio(msgTipoAnteprima);
                    return Anteprima{};
                }
                fila.push_back(cella);
            }
        }
        sup.impostaCarattere(Carattere{"Arial", g.puntiLettere, false, false});
        StileSchema stile;
        stile.centroIntero = true;
        stile.numeri = false;
        stile.percentualeRiquadro = riquadroDisegno(stato);
        stile.distanzaDaCentro = stato.DistanzaDaCentro;
        disegnaSchema(sup, g, caselle, stile);
        esito.colonne = C;
        esito.righe = R;
        esito.lato = g.lato;
        esito.x0 = g.x0;
        esito.y0 = g.y0;
    } catch (const ErroreOverflow&) {
        return formato();
    }

    esito.riuscita = true;
    esito.datiAutore =
        daWindows1252(da(l[0], 13)) + " - " + daWindows1252(da(l[1], 14)) + " - " + daWindows1252(da(l[2], 14));
    esito.etichetta = "Anteprima: " + daWindows1252(da(l[3], 14));
    return esito;
}

bool apriSchemaScelto(const ApriSchema& apri, Piattaforma& piattaforma, const std::string& cartella,
                      const std::string& nome) {
    // A pattern or an empty box names no single file: refused before the disk is asked anything.
    if (nome.empty() || nome.find_first_of("*?") != std::string::npos) {
        piattaforma.messaggio(msgFileInesistente);
        return false;
    }
    // A typed absolute path is taken as it is; any other name is looked for in the folder.
    const std::string percorso = percorsoAssoluto(nome, cartella);
    const EsitoApertura e = apri(percorso);
    if (e != EsitoApertura::ok) {
        piattaforma.messaggio(messaggioApertura(e, percorso));
        return false;
    }
    return true;
}

}  // namespace quadrivo
