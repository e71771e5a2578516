#include "solving/lessico.h"

#include <QFile>

#include "model/file.h"
#include "model/numeri.h"
#include "model/testo.h"

namespace quadrivo {

namespace {

// An 8-character index field: the numeric rule, taken to the nearest whole number.
std::int32_t campoIndice(const QByteArray& dati, qsizetype posizione) {
    const QByteArray campo = dati.mid(posizione - 1, 8);
    try {
        return interoLungo(valore(std::string_view(campo.constData(), static_cast<size_t>(campo.size()))));
    } catch (const ErroreOverflow&) {
        return 0;
    }
}

}  // namespace

void caricaLessico(Stato& s, Piattaforma& piattaforma) {
    const std::string percorso = s.cartellaProgramma + s.fileLessico;
    if (!esisteFile(percorso)) fatale(piattaforma, "Errore fatale! non trovato file di vocabolario: " + s.fileLessico);
    QFile f(QString::fromStdString(percorso));
    QByteArray indice;
    if (f.open(QIODevice::ReadOnly)) indice = f.read(408);
    for (int L = 3; L <= 15; ++L) {
        const std::int32_t inizio = campoIndice(indice, 201 + 16 * (L - 3));
        const std::int32_t fine = campoIndice(indice, 209 + 16 * (L - 3));
        s.inizioLessico[L] = inizio;
        s.contaLessico[L] = static_cast<std::int32_t>((static_cast<long long>(fine) - inizio) / L);
    }
}

bool scegliLingua(Stato& s, Piattaforma& piattaforma, int lingua) {
    if (lingua < 1 || lingua > 4 || lingua == s.linguaLessico) return false;
    s.linguaLessico = static_cast<std::int16_t>(lingua);
    s.fileLessico = fileLessicoPerLingua[lingua];
    caricaLessico(s, piattaforma);
    return true;
}

std::vector<std::string> cercaNelLessico(const Stato& s, Piattaforma& piattaforma, const std::string& maschera,
                                         VistaRicerca& vista) {
    std::vector<std::string> trovate;
    const int n = static_cast<int>(maschera.size());
    piattaforma.impostaPuntatore(Puntatore::clessidra);
    vista.svuotaLista();
    QFile f(QString::fromStdString(s.cartellaProgramma + s.fileLessico));
    if (n < 3 || n > 15 || !f.open(QIODevice::ReadOnly)) {
        piattaforma.impostaPuntatore(Puntatore::predefinito);
        if (n >= 3 && n <= 15)
            piattaforma.messaggio("Impossibile leggere il dizionario " + s.fileLessico + ": la ricerca non è possibile.");
        vista.impostaStato("Trov.:" + conSegno(0));
        vista.impostaTestoLista("");
        return trovate;
    }
    Superficie& barra = vista.progresso();
    barra.rettangoloPieno(0, 0, barra.larghezzaScala(), barra.altezzaScala(), giallo);
    // Only the words the file really holds are searched, whatever the index claims.
    const qint64 inizio = std::max<qint64>(s.inizioLessico[n], 1);
    qint64 conta = std::max<qint64>(s.contaLessico[n], 0);
    conta = std::min<qint64>(conta, std::max<qint64>(0, (f.size() - (inizio - 1)) / n));
    f.seek(inizio - 1);
    const QByteArray blocco = f.read(conta * n);
    conta = blocco.size() / n;
    for (qint64 k = 1; k <= conta; ++k) {
        const char* parola = blocco.constData() + (k - 1) * n;
        if (k % 100 == 0 || k == conta)
            barra.rettangoloPieno(0, 0, barra.larghezzaScala() * k / conta, barra.altezzaScala(), bluScuro);
        bool ok = true;
        for (int i = 0; i < n && ok; ++i) ok = maschera[i] == ' ' || maschera[i] == parola[i];
        if (!ok) continue;
        trovate.push_back(daWindows1252(std::string_view(parola, n)));
        vista.aggiungiParola(trovate.back());
        if (trovate.size() == 1) vista.impostaStato("Trovata");
    }
    vista.impostaStato("Trov.:" + conSegno(static_cast<long long>(trovate.size())));
    piattaforma.impostaPuntatore(Puntatore::predefinito);
    vista.impostaTestoLista(trovate.empty() ? std::string() : trovate.front());
    return trovate;
}

}  // namespace quadrivo
