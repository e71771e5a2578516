#include "formats/libreria_zip.h"

#include <QLibrary>
#include <QString>
#include <mutex>

namespace quadrivo {

namespace {

template <typename F>
bool risolvi(QLibrary& libreria, const char* nome, F& funzione) {
    funzione = reinterpret_cast<F>(libreria.resolve(nome));
    return funzione != nullptr;
}

}  // namespace

bool caricaFunzioniZip(const char* nome, FunzioniZip& f, std::string& perche) {
    // Never unloaded: the functions stay in use for the rest of the run.
    QLibrary libreria(QString::fromUtf8(nome));
    if (!libreria.load()) {
        perche = std::string("manca la libreria ") + nome +
                 ", che serve ai file compressi (va installato il pacchetto libzip4)";
        return false;
    }
    FunzioniZip letta;
    const bool tutte = risolvi(libreria, "zip_error_init", letta.error_init) &&
                       risolvi(libreria, "zip_error_fini", letta.error_fini) &&
                       risolvi(libreria, "zip_source_buffer_create", letta.source_buffer_create) &&
                       risolvi(libreria, "zip_source_free", letta.source_free) &&
                       risolvi(libreria, "zip_open_from_source", letta.open_from_source) &&
                       risolvi(libreria, "zip_get_num_entries", letta.get_num_entries) &&
                       risolvi(libreria, "zip_stat_index", letta.stat_index) &&
                       risolvi(libreria, "zip_fopen_index", letta.fopen_index) &&
                       risolvi(libreria, "zip_fread", letta.fread) && risolvi(libreria, "zip_fclose", letta.fclose) &&
                       risolvi(libreria, "zip_discard", letta.discard);
    if (!tutte) {
        perche =
            std::string("la libreria ") + nome + " installata non ha tutte le funzioni che servono ai file compressi";
        return false;
    }
    f = letta;
    return true;
}

const FunzioniZip* funzioniZip(std::string& perche) {
    static std::mutex guardia;
    static FunzioniZip funzioni;
    static bool caricate = false;
    const std::lock_guard chiusa(guardia);
    if (!caricate) caricate = caricaFunzioniZip(nomeLibreriaZip, funzioni, perche);
    return caricate ? &funzioni : nullptr;
}

}  // namespace quadrivo
