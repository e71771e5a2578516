#include "model/file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

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

bool scriviFileSicuro(const std::string& percorso, std::string_view dati) {
    QSaveFile f(q(percorso));
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(dati.data(), static_cast<qint64>(dati.size())) != static_cast<qint64>(dati.size())) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
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
