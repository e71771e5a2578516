#include "model/impostazioni.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QString>
#include <optional>
#include <utility>

#include "model/file.h"
#include "model/numeri.h"
#include "model/tipo_file.h"

namespace quadrivo {

namespace {

// Boolean conversion of a text: a number is true when not 0; the words True and False count.
std::optional<bool> comeBooleano(const std::string& testo) {
    QString t = QString::fromStdString(testo).trimmed();
    if (t.compare("True", Qt::CaseInsensitive) == 0) return true;
    if (t.compare("False", Qt::CaseInsensitive) == 0) return false;
    if (!eNumero(testo)) return std::nullopt;
    return valore(testo) != 0;
}

std::string riga(const char* chiave, long long v) { return std::string(chiave) + conSegno(v) + " \r\n"; }

}  // namespace

int applicaImpostazioni(ValoriImpostazioni& s, const std::string& testo) {
    int trovate = 0;
    struct Chiave {
        const char* nome;
        std::int16_t* campo;  // nullptr for the two options
    };
    const Chiave chiavi[] = {
        {"TastoSin=", nullptr},
        {"RettangoloParola=", nullptr},
        {"PercentualeRiquadro=", &s.PercentualeRiquadro},
        {"SpessoreBordo=", &s.SpessoreBordo},
        {"AltezzaNumeri=", &s.AltezzaNumeri},
        {"AltezzaCaratteri=", &s.AltezzaCaratteri},
        {"DistanzaDaSpigolo=", &s.DistanzaDaSpigolo},
        {"DistanzaDaCentro=", &s.DistanzaDaCentro},
        {"StampaSoluzioni=", &s.StampaSoluzioni},
    };
    for (const std::string& linea : dividiRighe(testo)) {
        for (const Chiave& k : chiavi) {
            if (linea.find(k.nome) == std::string::npos) continue;
            ++trovate;
            std::string v = linea.substr(linea.find('=') + 1);
            v.erase(0, v.find_first_not_of(' ') == std::string::npos ? v.size() : v.find_first_not_of(' '));
            try {
                if (k.campo) {
                    *k.campo = intero(valore(v));
                } else if (k.nome[0] == 'T') {
                    s.tastoSinistro = valore(v) != 0;  // 0.4 sets the mark: no rounding first
                } else if (std::optional<bool> b = comeBooleano(v)) {
                    s.rettangoloParola = *b;
                }
            } catch (const ErroreOverflow&) {
                // an unconvertible value leaves the setting as it was
            }
            break;
        }
    }
    return trovate;
}

namespace {
std::string copiaUtente(const Cartelle& cartelle) {
    return cartelle.utente.empty() ? std::string() : cartelle.utente + nomeFileImpostazioni;
}
}  // namespace

namespace {
// The settings of one file, or why it gave none.
std::string leggiDa(ValoriImpostazioni& valori, const std::string& percorso) {
    std::string motivo = percheIlleggibile(percorso);
    if (motivo.empty()) {
        const std::optional<std::string> testo = leggiFile(percorso);
        ValoriImpostazioni prova;  // a file that gives nothing must leave the settings untouched
        if (testo && applicaImpostazioni(prova, *testo) > 0) {
            applicaImpostazioni(valori, *testo);
            return {};
        }
        motivo = testo ? "non contiene impostazioni" : "non si può leggere";
    }
    return "Il file di impostazioni " + percorso + " " + motivo;
}
}  // namespace

std::string leggiImpostazioni(ValoriImpostazioni& valori, const Cartelle& cartelle) {
    std::string messaggio;
    // The player's copy first, when something stands at its name.
    if (const std::string copia = copiaUtente(cartelle); !copia.empty() && tipoFile(copia) != TipoFile::mancante) {
        messaggio = leggiDa(valori, copia);
        if (messaggio.empty()) return {};
        messaggio += ".\r";
    }
    std::string nome = trovaSenzaMaiuscole(cartelle.programma, nomeFileImpostazioni);
    if (nome.empty()) nome = nomeFileImpostazioni;
    const std::string motivo = leggiDa(valori, cartelle.programma + nome);
    if (motivo.empty()) return messaggio.empty() ? std::string() : messaggio + "Si usano le impostazioni di " + cartelle.programma + nome + ".";
    applicaImpostazioni(valori, testoImpostazioniPredefinite);
    return messaggio + motivo + ": si usano le proporzioni predefinite del programma.";
}

int riquadroDisegno(const ValoriImpostazioni& s) { return s.PercentualeRiquadro > 0 ? s.PercentualeRiquadro : riquadroPredefinito; }
int caratteriDisegno(const ValoriImpostazioni& s) { return s.AltezzaCaratteri > 0 ? s.AltezzaCaratteri : caratteriPredefiniti; }
int numeriDisegno(const ValoriImpostazioni& s) { return s.AltezzaNumeri > 0 ? s.AltezzaNumeri : numeriPredefiniti; }

std::string testoImpostazioni(const ValoriImpostazioni& s) {
    return riga("RettangoloParola=", s.rettangoloParola ? -1 : 0) + riga("TastoSin=", s.tastoSinistro ? -1 : 0) +
           riga("StampaSoluzioni=", s.StampaSoluzioni) + riga("PercentualeRiquadro=", s.PercentualeRiquadro) +
           riga("SpessoreBordo=", s.SpessoreBordo) + riga("AltezzaCaratteri=", s.AltezzaCaratteri) +
           riga("AltezzaNumeri=", s.AltezzaNumeri) + riga("DistanzaDaSpigolo=", s.DistanzaDaSpigolo) +
           riga("DistanzaDaCentro=", s.DistanzaDaCentro);
}

bool scriviImpostazioni(const ValoriImpostazioni& valori, const Cartelle& cartelle) {
    const std::string testo = testoImpostazioni(valori);
    const std::string copia = copiaUtente(cartelle);
    if (esisteFile(copia)) return static_cast<bool>(scriviFileSicuro(copia, testo));
    if (scriviFileSicuro(cartelle.programma + nomeFileImpostazioni, testo)) return true;
    return !copia.empty() && creaCartella(cartelle.utente) && scriviFileSicuro(copia, testo);
}

namespace {

QString cartellaOpzioni() { return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Quadrivo"; }

bool opzioniUsabili() {
    const TipoFile t = tipoFile(percorsoDaQt(cartellaOpzioni() + "/Quadrivo.conf"));
    return t == TipoFile::mancante || t == TipoFile::regolare;
}

QSettings fileOpzioni() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quadrivo", "Quadrivo"); }

}  // namespace

Impostazioni::Impostazioni(Cartelle cartelle, QObject* genitore) : QObject(genitore), cartelle_(std::move(cartelle)) {}

std::string Impostazioni::leggi() {
    ValoriImpostazioni letti = valori_;
    std::string messaggio = leggiImpostazioni(letti, cartelle_);
    if (letti != valori_) {
        valori_ = std::move(letti);
        emit cambiate();
    }
    return messaggio;
}

void Impostazioni::cambia(const ValoriImpostazioni& nuovi) {
    if (nuovi == valori_) return;
    // The nine values as the file holds them: a font alone leaves it as it is.
    const bool nelFile = testoImpostazioni(nuovi) != testoImpostazioni(valori_);
    valori_ = nuovi;
    emit cambiate();
    if (!nelFile) return;
    fileSospeso_ = true;
    salva();
}

QVariant Impostazioni::opzione(const char* chiave, const QVariant& predefinito) const {
    if (const auto i = opzioniSospese_.find(chiave); i != opzioniSospese_.end()) return i->second;
    const QSettings* o = lettura();
    return o ? o->value(chiave, predefinito) : predefinito;
}

// A start asks for a dozen options, and each new QSettings looks for four files: one reading
// serves every question of the same turn of the event loop, and the next turn reads afresh,
// so what another window writes shows.
QSettings* Impostazioni::lettura() const {
    // Without an event loop no turn ends: each question reads afresh then.
    if (!letto_ || !QCoreApplication::instance()) {
        lettura_.reset();
        if (opzioniUsabili())
            lettura_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Quadrivo", "Quadrivo");
        letto_ = QCoreApplication::instance() != nullptr;
        if (letto_) QTimer::singleShot(0, this, [this] { dimenticaLettura(); });
    }
    return lettura_.get();
}

void Impostazioni::dimenticaLettura() const {
    lettura_.reset();
    letto_ = false;
}

void Impostazioni::salvaOpzione(const char* chiave, const QVariant& valore) {
    opzioniSospese_[chiave] = valore;
    salva();
}

void Impostazioni::preparaOpzione(const char* chiave, const QVariant& valore) { opzioniSospese_[chiave] = valore; }

void Impostazioni::cancellaOpzione(const char* chiave) {
    opzioniSospese_.erase(chiave);
    dimenticaLettura();
    if (opzioniUsabili()) fileOpzioni().remove(chiave);
}

bool Impostazioni::scriviOpzioni() {
    if (opzioniSospese_.empty()) return true;
    if (!opzioniUsabili()) return false;
    // What the player opened and chose is nobody else's to read: a private folder and file.
    creaCartellaPrivata(percorsoDaQt(cartellaOpzioni()));
    dimenticaLettura();
    QSettings o = fileOpzioni();
    for (const auto& [chiave, valore] : opzioniSospese_) o.setValue(QString::fromStdString(chiave), valore);
    o.sync();
    if (o.status() != QSettings::NoError) return false;
    rendiPrivato(percorsoDaQt(o.fileName()));
    opzioniSospese_.clear();
    return true;
}

bool Impostazioni::salva() {
    const bool file = !fileSospeso_ || scriviImpostazioni(valori_, cartelle_);
    fileSospeso_ = !file;
    const bool opzioni = scriviOpzioni();
    if (file && opzioni) {
        if (detto_) emit avviso("Le opzioni sono di nuovo scritte.");
        detto_ = false;
        return true;
    }
    if (detto_) return false;
    detto_ = true;
    const QString quali = !file && !opzioni ? "le opzioni (tramerio.ini e Quadrivo.conf)"
                          : !file           ? "le opzioni (tramerio.ini)"
                                            : "le opzioni (Quadrivo.conf)";
    emit avviso("Impossibile scrivere " + quali + ": restano in memoria e si riprova alla prossima modifica e all'uscita.");
    return false;
}

}  // namespace quadrivo
