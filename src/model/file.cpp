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
    // Files from Linux editors hold no CR at all: only for them does LF end a line.
    const char fine = dati.find('\r') == std::string_view::npos ? '\n' : '\r';
    std::vector<std::string> righe;
    size_t inizio = 0;
    while (inizio < dati.size()) {
        const size_t i = dati.find(fine, inizio);
        if (i == std::string_view::npos) {
            righe.emplace_back(dati.substr(inizio));
            break;
        }
        righe.emplace_back(dati.substr(inizio, i - inizio));
        inizio = i + 1;
        if (fine == '\r' && inizio < dati.size() && dati[inizio] == '\n') ++inizio;
    }
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
