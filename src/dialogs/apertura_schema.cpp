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
#include "model/tipo_file.h"
#include "model/numeri.h"
#include "model/testo.h"

namespace quadrivo {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

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
    // The open formats by their whole extension.
    const size_t punto = nome.rfind('.');
    if (punto == std::string::npos) return false;
    std::string ext = nome.substr(punto + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == "ipuz" || ext == "puz" || ext == "jpz";
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

Anteprima disegnaAnteprima(const ValoriImpostazioni& valori, Superficie& sup, Piattaforma& piattaforma, const std::string& cartella,
                           const std::string& nome) {
    Anteprima esito;
    sup.pulisci();
    const std::string percorso = componiPercorso(cartella, nome);
    if (nome.empty() || tipoFile(percorso) == TipoFile::mancante) {
        piattaforma.messaggio(msgNessunFile);
        return esito;
    }
    // What opening would decide, with its message: the preview never disagrees with it.
    std::string dati;
    Cruciverba x;
    if (const EsitoApertura e = esaminaSchema(percorso, &dati, &x); e != EsitoApertura::ok) {
        piattaforma.messaggio(messaggioApertura(e, percorso));
        return esito;
    }
    try {
        const int C = x.colonne();
        const int R = x.righe();
        const double W = sup.larghezzaScala();
        const double H = sup.altezzaScala();
        const int cw = intero((W - 10) / C);
        const int chh = intero((H - 10) / R);
        GeometriaSchema g;
        g.colonne = C;
        g.righe = R;
        g.lato = cw < chh ? cw : chh;
        g.puntiLettere = std::max<int>(intero(g.lato / 100.0 * caratteriDisegno(valori)), 5);
        g.x0 = intero((W - prodotto16(C, g.lato)) / 2);
        g.y0 = intero((H - prodotto16(g.lato, R)) / 2);
        sup.impostaCarattere(Carattere{"Arial", g.puntiLettere, false, false});
        StileSchema stile;
        stile.centroIntero = true;
        stile.numeri = false;
        stile.percentualeRiquadro = riquadroDisegno(valori);
        stile.distanzaDaCentro = valori.DistanzaDaCentro;
        disegnaSchema(sup, g, caselleDi(x), stile);
        esito.colonne = C;
        esito.righe = R;
        esito.lato = g.lato;
        esito.x0 = g.x0;
        esito.y0 = g.y0;
    } catch (const ErroreOverflow&) {
        sup.pulisci();
        piattaforma.messaggio(msgFormatoAnteprima);
        return Anteprima{};
    }
    esito.riuscita = true;
    const Formato* formato = formatoPerNome(x.formato);
    const Intestazione i = formato ? formato->intestazione(x, dati) : Formato::intestazionePredefinita(x);
    esito.datiAutore = i.crediti;
    esito.etichetta = "Anteprima: " + i.dimensioni;
    return esito;
}

std::string nomeCompleto(const std::string& cartella, const std::string& nome) {
    if (nome.empty() || nome.find_first_of("./") != std::string::npos || esisteFile(percorsoAssoluto(nome, cartella)))
        return nome;
    std::string trovato;
    for (const std::string& n : filesCruciverba(cartella)) {
        const size_t punto = n.rfind('.');
        if (punto != nome.size() || n.compare(0, punto, nome) != 0) continue;
        if (!trovato.empty()) return nome;  // two puzzles of that name: the player must say which
        trovato = n;
    }
    return trovato.empty() ? nome : trovato;
}

bool apriSchemaScelto(const ApriSchema& apri, Piattaforma& piattaforma, const std::string& cartella,
                      const std::string& nome) {
    // A pattern or an empty box names no single file: refused before the disk is asked anything.
    if (nome.empty() || nome.find_first_of("*?") != std::string::npos) {
        piattaforma.messaggio(msgFileInesistente);
        return false;
    }
    // A typed absolute path is taken as it is; any other name is looked for in the folder.
    const std::string percorso = percorsoAssoluto(nomeCompleto(cartella, nome), cartella);
    const EsitoApertura e = apri(percorso);
    if (e != EsitoApertura::ok) {
        if (const std::string m = messaggioApertura(e, percorso); !m.empty()) piattaforma.messaggio(m);
        return false;
    }
    return true;
}

}  // namespace quadrivo
