#include "model/file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <utility>

namespace quadrivo {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
}

std::vector<std::string> dividiRighe(std::string_view dati) {
    std::vector<std::string> righe;
    size_t inizio = 0;
    size_t i = 0;
    while (i < dati.size()) {
        char c = dati[i];
        if (c == '\r' || c == '\n') {
            righe.emplace_back(dati.substr(inizio, i - inizio));
            if (c == '\r' && i + 1 < dati.size() && dati[i + 1] == '\n') ++i;
            inizio = ++i;
        } else {
            ++i;
        }
    }
    if (inizio < dati.size()) righe.emplace_back(dati.substr(inizio));
    return righe;
}

bool esisteFile(const std::string& percorso) {
    if (percorso.empty()) return false;
    QFileInfo fi(q(percorso));
    return fi.exists() && fi.isFile();
}

std::optional<std::string> leggiFile(const std::string& percorso) {
    QFile f(q(percorso));
    if (!QFileInfo(f).isFile() || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    QByteArray b = f.readAll();
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    return b.toStdString();
}

namespace {

class ScritturaQt : public ScritturaFile {
public:
    explicit ScritturaQt(const std::string& percorso) : f_(q(percorso)) {}
    bool apri() override { return f_.open(QIODevice::WriteOnly); }
    bool scrivi(std::string_view dati) override {
        while (!dati.empty()) {
            const qint64 n = f_.write(dati.data(), static_cast<qint64>(dati.size()));
            if (n <= 0) return false;
            dati.remove_prefix(static_cast<size_t>(n));
        }
        return true;
    }
    // A full disk shows only here: write() just filled a buffer.
    bool svuota() override { return f_.flush() && f_.error() == QFileDevice::NoError; }
    bool conferma() override { return f_.commit(); }
    void annulla() override { f_.cancelWriting(); }

private:
    QSaveFile f_;
};

FabbricaScrittura& fabbrica() {
    static FabbricaScrittura f;
    return f;
}

}  // namespace

std::unique_ptr<ScritturaFile> scritturaReale(const std::string& percorso) {
    return std::make_unique<ScritturaQt>(percorso);
}

FabbricaScrittura impostaFabbricaScrittura(FabbricaScrittura nuova) { return std::exchange(fabbrica(), std::move(nuova)); }

bool scriviFileSicuro(const std::string& percorso, std::string_view dati) {
    if (percorso.empty()) return false;
    std::unique_ptr<ScritturaFile> f = fabbrica() ? fabbrica()(percorso) : scritturaReale(percorso);
    if (!f->apri()) return false;
    if (!f->scrivi(dati) || !f->svuota()) {
        f->annulla();
        return false;
    }
    return f->conferma();
}

bool cancellaFile(const std::string& percorso) { return QFile::remove(q(percorso)); }

std::string righeCrLf(std::string_view dati) {
    std::string copia;
    copia.reserve(dati.size() + 64);
    for (const std::string& riga : dividiRighe(dati)) {
        copia += riga;
        copia += "\r\n";
    }
    return copia;
}

bool copiaPerRighe(const std::string& da, const std::string& a) {
    std::optional<std::string> dati = leggiFile(da);
    return dati && scriviFileSicuro(a, righeCrLf(*dati));
}

std::string nomeFileTemporaneo(const std::string& prefisso) {
    QTemporaryFile f(QDir::tempPath() + "/" + q(prefisso) + "qdv_XXXXXX.tmp");
    f.setAutoRemove(false);
    if (!f.open()) return {};
    return QFileInfo(f.fileName()).absoluteFilePath().toStdString();
}

std::string trovaSenzaMaiuscole(const std::string& cartella, const std::string& nome) {
    QDir dir(q(cartella));
    if (QFileInfo(dir.filePath(q(nome))).isFile()) return nome;
    const QStringList voci = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& v : voci)
        if (v.compare(q(nome), Qt::CaseInsensitive) == 0) return v.toStdString();
    return {};
}

}  // namespace quadrivo
