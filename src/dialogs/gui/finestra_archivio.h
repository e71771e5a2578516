#pragma once
// Archivio: every puzzle of the player's folders and recent files in one table, with a small
// picture of the progress, a search box and the statistics with their pictures. The index is
// brought up to date in a thread of its own while the table already shows what was known.
#include <QAbstractTableModel>
#include <QDialog>
#include <QPixmap>
#include <QSortFilterProxyModel>
#include <map>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "archivio/registro.h"
#include "archivio/statistiche.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QTableView;
class QTableWidget;
class QThread;

namespace quadrivo {

// The picture of a puzzle's grid with the player's letters as filled cells, through the grid painter.
QPixmap miniaturaSchema(const std::string& miniatura, int colonne, int righe, int lato);

class ModelloLibreria : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Colonna { immagine, titolo, formato, variante, misura, stato, tempo, ultima, numeroColonne };
    // The sort key of a cell, under Qt::UserRole.
    explicit ModelloLibreria(QObject* genitore = nullptr) : QAbstractTableModel(genitore) {}
    void imposta(std::vector<VoceLibreria> voci);
    const std::vector<VoceLibreria>& voci() const { return voci_; }
    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : static_cast<int>(voci_.size()); }
    int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : numeroColonne; }
    QVariant data(const QModelIndex& i, int ruolo) const override;
    QVariant headerData(int sezione, Qt::Orientation o, int ruolo) const override;

private:
    std::vector<VoceLibreria> voci_;
    mutable std::vector<QPixmap> immagini_;  // drawn when first shown
};

// The search box's words, all of which a row must match: a status ("nuovo", "in corso",
// "risolto", "aiuti", "errore"), a size ("15x15"), or any text of the title, format, variant or path.
class FiltroLibreria : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void impostaTesto(const QString& testo);

protected:
    bool filterAcceptsRow(int riga, const QModelIndex& genitore) const override;

private:
    QStringList parole_;
};

// The calendar of the last year: a square a day, coloured by what was solved on it.
class CalendarioAnno : public QWidget {
    Q_OBJECT
public:
    explicit CalendarioAnno(QWidget* genitore = nullptr);
    void imposta(const Statistiche& st, std::int64_t oggi);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::map<std::int64_t, GiornoCalendario> giorni_;
    std::int64_t oggi_ = 0;
};

// The average solve time of each month, as bars.
class GraficoTempi : public QWidget {
    Q_OBJECT
public:
    explicit GraficoTempi(QWidget* genitore = nullptr);
    void imposta(const std::vector<MeseTempi>& mesi);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::vector<MeseTempi> mesi_;
};

class FinestraArchivio : public QDialog {
    Q_OBJECT
public:
    // `cartelle`, `recenti`: where the index looks. `cartellaDati`: the player's store.
    FinestraArchivio(std::string cartellaDati, std::vector<std::string> cartelle, std::vector<std::string> recenti,
                     QWidget* genitore = nullptr);
    ~FinestraArchivio() override;

    ModelloLibreria& modello() { return *modello_; }
    FiltroLibreria& filtro() { return *filtro_; }
    QTableView* tabella() const { return tabella_; }
    // Shows the store's rows again (after a puzzle was played) and starts a pass of the index.
    void aggiorna();
    bool indicizzando() const { return thread_ != nullptr; }
    // Writes the CSV; "" when done, else the reason (also shown to the player).
    std::string esporta(const std::string& percorso);

signals:
    void apri(const std::string& percorso);
    // The player added a folder to the library: it is kept for the next start.
    void cartellaAggiunta(const std::string& cartella);
    // A pass of the index ended and the table shows it.
    void indiceAggiornato();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void ricarica();
    void avviaIndice();
    void apriCorrente();
    void aggiornaStatistiche();
    void aggiungiCartella();
    void esportaCsvScelto();

    std::string cartellaDati_;
    std::vector<std::string> cartelle_, recenti_;
    std::unique_ptr<Registro> registro_;
    ModelloLibreria* modello_;
    FiltroLibreria* filtro_;
    QTableView* tabella_;
    QLineEdit* cerca_;
    QProgressBar* avanzamento_;
    QLabel* esitoIndice_;
    QLabel* numeri_;
    QTableWidget* gruppi_;
    CalendarioAnno* calendario_;
    GraficoTempi* grafico_;
    QThread* thread_ = nullptr;
    std::shared_ptr<std::atomic<bool>> basta_;
};

}  // namespace quadrivo
