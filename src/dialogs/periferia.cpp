#include "dialogs/periferia.h"

#include <QFileInfo>
#include <array>
#include <utility>

#include "model/numeri.h"
#include "model/stato.h"
#include "versione.h"

namespace quadrivo {

std::string testoVersione(int maggiore, int minore, int revisione) {
    return std::string(titoloApplicazione) + " - Versione " + std::to_string(maggiore) + "." + std::to_string(minore) + "." +
           std::to_string(revisione);
}

std::string testoVersione() { return testoVersione(versioneMaggiore, versioneMinore, versioneRevisione); }


AzioneBarra azioneBarra(std::string_view chiave) {
    static constexpr std::array<std::pair<std::string_view, AzioneBarra>, 7> tabella = {{
        {"Apri", AzioneBarra::apri},
        {"Salva", AzioneBarra::salva},
        {"Stampa", AzioneBarra::stampa},
        {"Anteprima", AzioneBarra::anteprima},
        {"Font", AzioneBarra::font},
        {"Cancella", AzioneBarra::cancella},
        {"Controlla", AzioneBarra::controlla},
    }};
    for (const auto& [k, a] : tabella)
        if (k == chiave) return a;
    return AzioneBarra::nessuna;
}

const std::vector<std::string>& strumentiSistema() {
    static const std::vector<std::string> nomi = {"hardinfo", "gnome-system-monitor", "ksysguard", "xfce4-taskmanager"};
    return nomi;
}

std::string trovaStrumentoSistema(const std::string& percorsi) {
    std::vector<std::string> cartelle;
    size_t inizio = 0;
    while (inizio <= percorsi.size()) {
        const size_t fine = std::min(percorsi.find(':', inizio), percorsi.size());
        // Only absolute folders: the current folder moves with the open dialog and is not trusted.
        if (fine > inizio && percorsi[inizio] == '/') cartelle.push_back(percorsi.substr(inizio, fine - inizio));
        inizio = fine + 1;
    }
    for (const std::string& nome : strumentiSistema()) {
        for (const std::string& c : cartelle) {
            const QFileInfo fi(QString::fromStdString(c + "/" + nome));
            if (fi.isFile() && fi.isExecutable()) return fi.absoluteFilePath().toStdString();
        }
    }
    return {};
}

}  // namespace quadrivo
