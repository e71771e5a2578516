#include "dialogs/gui/finestra_archivio.h"

#include <QDate>
#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>

#include "archivio/indice.h"
#include "dialogs/libreria.h"
#include "model/disegno_schema.h"
#include "qt/superficie_qt.h"
#include "solving/cronometro.h"

namespace quadrivo {

namespace {

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr int latoMiniatura = 40;

QString testoUltima(std::int64_t secondi) {
    return secondi > 0 ? QDateTime::fromSecsSinceEpoch(secondi).toString("dd/MM/yyyy HH:mm") : QString();
}

// The status column: a file that does not open says so first.
QString testoStatoRiga(const VoceLibreria& v) {
    return v.errore.empty() ? q(testoStato(v)) : "Non si apre: " + q(v.errore);
}

const QColor coloreStessoGiorno(30, 140, 60), coloreDopo(140, 200, 120), coloreAiuti(230, 160, 40),
    coloreVuoto(225, 225, 225);

}  // namespace

QPixmap miniaturaSchema(const std::string& miniatura, int colonne, int righe, int lato) {
    if (colonne <= 0 || righe <= 0 || miniatura.size() != static_cast<size_t>(colonne) * static_cast<size_t>(righe))
        return {};
    const int cella = std::max(1, lato / std::max(colonne, righe));
    QImage immagine(colonne * cella + 1, righe * cella + 1, QImage::Format_RGB32);
    immagine.fill(Qt::white);
    QPainter p(&immagine);
    SuperficieQt s(p, immagine.width(), immagine.height());
    CaselleSchema caselle(static_cast<size_t>(righe), std::vector<CasellaSchema>(static_cast<size_t>(colonne)));
    for (int r = 0; r < righe; ++r)
        for (int c = 0; c < colonne; ++c) {
            const char k = miniatura[static_cast<size_t>(r * colonne + c)];
            CasellaSchema& x = caselle[static_cast<size_t>(r)][static_cast<size_t>(c)];
            x.disegnata = k != ' ';
            x.nera = k == '#';
            // A letter is a filled square: at this size the letter itself could not be read.
            if (k == 'a') x.fondo = Colore{70, 110, 200};
        }
    GeometriaSchema g;
    g.colonne = colonne, g.righe = righe, g.lato = cella;
    StileSchema stile;
    stile.numeri = false;
    disegnaSchema(s, g, caselle, stile);
    p.end();
    return QPixmap::fromImage(immagine);
}

// ---- The table

void ModelloLibreria::imposta(std::vector<VoceLibreria> voci) {
    beginResetModel();
    voci_ = std::move(voci);
    immagini_.assign(voci_.size(), QPixmap());
    endResetModel();
}

QVariant ModelloLibreria::data(const QModelIndex& i, int ruolo) const {
    if (!i.isValid() || i.row() >= rowCount()) return {};
    const VoceLibreria& v = voci_[static_cast<size_t>(i.row())];
    const auto colonna = static_cast<Colonna>(i.column());
    if (ruolo == Qt::DecorationRole && colonna == immagine) {
        QPixmap& m = immagini_[static_cast<size_t>(i.row())];
        if (m.isNull()) m = miniaturaSchema(v.miniatura, v.colonne, v.righe, latoMiniatura);
        return m;
    }
    if (ruolo == Qt::ToolTipRole) return q(v.percorso) + (v.errore.empty() ? QString() : "\n" + q(v.errore));
    if (ruolo == Qt::UserRole) {
        switch (colonna) {
            case immagine: case misura: return v.colonne * 1000 + v.righe;
            case stato: return static_cast<int>(v.stato) * 1000 + v.percentuale + (v.errore.empty() ? 0 : 10000);
            case tempo: return static_cast<qlonglong>(v.millisecondi);
            case ultima: return static_cast<qlonglong>(v.ultima);
            default: break;
        }
        ruolo = Qt::DisplayRole;
    }
    if (ruolo == Qt::AccessibleTextRole && colonna == immagine) return testoStatoRiga(v);
    if (ruolo != Qt::DisplayRole) return {};
    switch (colonna) {
        case immagine: return {};
        case titolo: return q(v.titolo);
        case formato: return q(v.formato);
        case variante: return q(v.variante);
        case misura: return v.colonne > 0 ? QString("%1×%2").arg(v.colonne).arg(v.righe) : QString();
        case stato: return testoStatoRiga(v);
        case tempo: return v.millisecondi > 0 ? q(testoTempo(v.millisecondi)) : QString();
        case ultima: return testoUltima(v.ultima);
        case numeroColonne: break;
    }
    return {};
}

QVariant ModelloLibreria::headerData(int sezione, Qt::Orientation o, int ruolo) const {
    if (o != Qt::Horizontal || (ruolo != Qt::DisplayRole && ruolo != Qt::AccessibleTextRole)) return {};
    static const char* nomi[] = {"Schema", "Titolo", "Formato", "Variante", "Misura", "Stato", "Tempo", "Ultima partita"};
    return sezione >= 0 && sezione < numeroColonne ? QString::fromUtf8(nomi[sezione]) : QVariant();
}

void FiltroLibreria::impostaTesto(const QString& testo) {
    parole_ = testo.toLower().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    invalidateFilter();
}

bool FiltroLibreria::filterAcceptsRow(int riga, const QModelIndex&) const {
    if (parole_.isEmpty()) return true;
    const auto* m = static_cast<const ModelloLibreria*>(sourceModel());
    const VoceLibreria& v = m->voci()[static_cast<size_t>(riga)];
    static const QRegularExpression formaMisura("^(\\d+)[x×](\\d+)$");
    const QString testo = (q(v.titolo) + ' ' + q(v.formato) + ' ' + q(v.variante) + ' ' + q(v.percorso)).toLower();
    for (const QString& p : parole_) {
        bool ok = false;
        if (const QRegularExpressionMatch misura = formaMisura.match(p); misura.hasMatch())
            ok = misura.captured(1).toInt() == v.colonne && misura.captured(2).toInt() == v.righe;
        else if (p == "nuovo" || p == "nuovi") ok = v.stato == StatoSchema::nuovo && v.errore.empty();
        else if (p == "corso" || p == "incorso") ok = v.stato == StatoSchema::inCorso;
        else if (p == "risolto" || p == "risolti")
            ok = v.stato == StatoSchema::risolto || v.stato == StatoSchema::risoltoConAiuti;
        else if (p == "aiuti") ok = v.stato == StatoSchema::risoltoConAiuti;
        else if (p == "errore" || p == "errori") ok = !v.errore.empty();
        // "in" of "in corso" is no word to look for on its own.
        else ok = p == "in" || testo.contains(p);
        if (!ok) return false;
    }
    return true;
}

// ---- The pictures of the statistics

CalendarioAnno::CalendarioAnno(QWidget* genitore) : QWidget(genitore) {
    setAccessibleName("Calendario dell'ultimo anno");
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void CalendarioAnno::imposta(const Statistiche& st, std::int64_t oggi) {
    giorni_ = st.calendario;
    oggi_ = oggi;
    int giorniRisolti = static_cast<int>(giorni_.size());
    setAccessibleDescription(QString("Giorni con almeno un cruciverba risolto nell'ultimo anno: %1").arg(giorniRisolti));
    update();
}

QSize CalendarioAnno::sizeHint() const { return {53 * 12 + 40, 7 * 12 + 40}; }

void CalendarioAnno::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    if (oggi_ == 0) return;
    const int lato = std::max(4, std::min((width() - 40) / 53, (height() - 40) / 7));
    // Columns are weeks, Monday on top; the last column holds today.
    const QDate ultimo = QDate::fromJulianDay(oggi_);
    const std::int64_t inizio = oggi_ - 52 * 7 - (ultimo.dayOfWeek() - 1);
    int meseScritto = 0;
    for (std::int64_t g = inizio; g <= oggi_; ++g) {
        const int settimana = static_cast<int>((g - inizio) / 7), giorno = static_cast<int>((g - inizio) % 7);
        const QRect r(30 + settimana * lato, 20 + giorno * lato, lato - 2, lato - 2);
        QColor c = coloreVuoto;
        if (const auto i = giorni_.find(g); i != giorni_.end())
            c = i->second.stessoGiorno > 0 ? coloreStessoGiorno : i->second.dopo > 0 ? coloreDopo : coloreAiuti;
        p.fillRect(r, c);
        const QDate d = QDate::fromJulianDay(g);
        if (giorno == 0 && d.month() != meseScritto) {
            meseScritto = d.month();
            p.setPen(palette().text().color());
            p.drawText(r.left(), 14, QLocale(QLocale::Italian).monthName(d.month(), QLocale::ShortFormat));
        }
    }
    // The key below.
    int x = 30;
    const int y = 20 + 7 * lato + 6;
    for (const auto& [colore, testo] : std::vector<std::pair<QColor, QString>>{
             {coloreStessoGiorno, "risolto in giornata"}, {coloreDopo, "risolto in un altro giorno"},
             {coloreAiuti, "risolto con aiuti"}}) {
        p.fillRect(QRect(x, y, 10, 10), colore);
        p.setPen(palette().text().color());
        p.drawText(x + 14, y + 10, testo);
        x += 14 + fontMetrics().horizontalAdvance(testo) + 16;
    }
}

GraficoTempi::GraficoTempi(QWidget* genitore) : QWidget(genitore) {
    setAccessibleName("Tempo medio di soluzione per mese");
    setMinimumHeight(160);
}

void GraficoTempi::imposta(const std::vector<MeseTempi>& mesi) {
    // The last two years at most: older months would make the bars too thin to read.
    mesi_.assign(mesi.size() > 24 ? mesi.end() - 24 : mesi.begin(), mesi.end());
    QStringList d;
    for (const MeseTempi& m : mesi_)
        d << QString("%1/%2: %3").arg(m.mese).arg(m.anno).arg(q(testoTempo(m.media)));
    setAccessibleDescription(d.join("; "));
    update();
}

QSize GraficoTempi::sizeHint() const { return {600, 200}; }

void GraficoTempi::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setPen(palette().text().color());
    if (mesi_.empty()) {
        p.drawText(rect(), Qt::AlignCenter, "Nessun cruciverba risolto finora.");
        return;
    }
    const std::int64_t massimo = std::max_element(mesi_.begin(), mesi_.end(), [](const MeseTempi& a, const MeseTempi& b) {
                                     return a.media < b.media;
                                 })->media;
    const int basso = height() - 22, alto = 18, sinistra = 50;
    const int passo = std::max(8, (width() - sinistra - 10) / static_cast<int>(mesi_.size()));
    p.drawText(QRect(0, alto - 14, sinistra - 4, 14), Qt::AlignRight, q(testoTempo(massimo)));
    p.drawLine(sinistra, alto, sinistra, basso);
    p.drawLine(sinistra, basso, width() - 10, basso);
    for (size_t i = 0; i < mesi_.size(); ++i) {
        const MeseTempi& m = mesi_[i];
        const int h = massimo > 0 ? static_cast<int>((basso - alto) * m.media / massimo) : 0;
        const int x = sinistra + 4 + static_cast<int>(i) * passo;
        p.fillRect(QRect(x, basso - h, passo - 4, h), coloreStessoGiorno);
        if (m.mese == 1 || i == 0 || passo >= 30)
            p.drawText(QRect(x - 4, basso + 2, passo + 8, 18), Qt::AlignHCenter,
                       m.mese == 1 || i == 0 ? QString("%1/%2").arg(m.mese).arg(m.anno % 100) : QString::number(m.mese));
    }
}

// ---- The window

FinestraArchivio::FinestraArchivio(std::string cartellaDati, std::vector<std::string> cartelle,
                                   std::vector<std::string> recenti, QWidget* genitore)
    : QDialog(genitore),
      cartellaDati_(std::move(cartellaDati)),
      cartelle_(std::move(cartelle)),
      recenti_(std::move(recenti)),
      registro_(std::make_unique<Registro>(cartellaDati_)) {
    setObjectName("FinestraArchivio");
    setWindowTitle("Archivio");
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* schede = new QTabWidget(this);
    schede->setObjectName("schede");

    // The puzzles.
    auto* pagina = new QWidget;
    cerca_ = new QLineEdit;
    cerca_->setObjectName("cerca");
    cerca_->setPlaceholderText("Cerca: titolo, stato (nuovo, in corso, risolto, aiuti, errore), misura (15x15)");
    cerca_->setAccessibleName("Cerca nell'archivio");
    cerca_->setClearButtonEnabled(true);
    auto* aggiungi = new QPushButton("Aggiungi cartella...");
    aggiungi->setObjectName("aggiungiCartella");
    avanzamento_ = new QProgressBar;
    avanzamento_->setObjectName("avanzamento");
    avanzamento_->setAccessibleName("Lettura dei cruciverba");
    avanzamento_->hide();
    esitoIndice_ = new QLabel;
    esitoIndice_->setObjectName("esitoIndice");
    modello_ = new ModelloLibreria(this);
    filtro_ = new FiltroLibreria(this);
    filtro_->setSourceModel(modello_);
    filtro_->setSortRole(Qt::UserRole);
    filtro_->setSortCaseSensitivity(Qt::CaseInsensitive);
    tabella_ = new QTableView;
    tabella_->setObjectName("tabella");
    tabella_->setAccessibleName("Cruciverba dell'archivio");
    tabella_->setModel(filtro_);
    tabella_->setSortingEnabled(true);
    tabella_->sortByColumn(ModelloLibreria::ultima, Qt::DescendingOrder);
    tabella_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella_->setTabKeyNavigation(false);
    tabella_->verticalHeader()->hide();
    tabella_->verticalHeader()->setDefaultSectionSize(latoMiniatura + 6);
    tabella_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabella_->horizontalHeader()->setSectionResizeMode(ModelloLibreria::titolo, QHeaderView::Stretch);
    tabella_->setColumnWidth(ModelloLibreria::immagine, latoMiniatura + 12);
    tabella_->setColumnWidth(ModelloLibreria::stato, 170);
    tabella_->setColumnWidth(ModelloLibreria::ultima, 130);
    tabella_->installEventFilter(this);
    auto* sopra = new QHBoxLayout;
    sopra->addWidget(cerca_, 1);
    sopra->addWidget(aggiungi);
    auto* l = new QVBoxLayout(pagina);
    l->addLayout(sopra);
    l->addWidget(avanzamento_);
    l->addWidget(esitoIndice_);
    l->addWidget(tabella_, 1);
    schede->addTab(pagina, "Cruciverba");

    // The statistics.
    auto* statistiche = new QWidget;
    numeri_ = new QLabel;
    numeri_->setObjectName("numeri");
    numeri_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    numeri_->setFocusPolicy(Qt::StrongFocus);
    gruppi_ = new QTableWidget(0, 5);
    gruppi_->setObjectName("gruppi");
    gruppi_->setAccessibleName("Tempi per variante e misura");
    gruppi_->setHorizontalHeaderLabels({"Variante", "Misura", "Risolti", "Tempo medio", "Tempo migliore"});
    gruppi_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gruppi_->verticalHeader()->hide();
    gruppi_->horizontalHeader()->setStretchLastSection(true);
    calendario_ = new CalendarioAnno;
    grafico_ = new GraficoTempi;
    auto* esporta = new QPushButton("Esporta CSV…");
    esporta->setObjectName("esportaCsv");
    auto* s = new QVBoxLayout(statistiche);
    s->addWidget(numeri_);
    s->addWidget(gruppi_, 1);
    s->addWidget(new QLabel("Ultimo anno:"));
    s->addWidget(calendario_);
    s->addWidget(new QLabel("Tempo medio di soluzione per mese:"));
    s->addWidget(grafico_, 1);
    auto* sotto = new QHBoxLayout;
    sotto->addStretch();
    sotto->addWidget(esporta);
    s->addLayout(sotto);
    schede->addTab(statistiche, "Statistiche");

    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(schede);
    resize(900, 600);

    connect(cerca_, &QLineEdit::textChanged, this, [this](const QString& t) { filtro_->impostaTesto(t); });
    connect(tabella_, &QTableView::activated, this, [this] { apriCorrente(); });
    connect(aggiungi, &QPushButton::clicked, this, &FinestraArchivio::aggiungiCartella);
    connect(esporta, &QPushButton::clicked, this, &FinestraArchivio::esportaCsvScelto);
    ricarica();
    avviaIndice();
}

FinestraArchivio::~FinestraArchivio() {
    if (thread_) {
        basta_->store(true);
        thread_->wait();
    }
}

void FinestraArchivio::ricarica() {
    modello_->imposta(vociLibreria(registro_->schemi(), registro_->partite()));
    aggiornaStatistiche();
}

void FinestraArchivio::aggiorna() {
    ricarica();
    avviaIndice();
}

void FinestraArchivio::avviaIndice() {
    if (thread_) return;
    basta_ = std::make_shared<std::atomic<bool>>(false);
    avanzamento_->setRange(0, 0);
    avanzamento_->show();
    auto basta = basta_;
    thread_ = QThread::create([this, basta, dati = cartellaDati_, cartelle = cartelle_, recenti = recenti_] {
        // The thread's own connection to the store: Qt SQL connections stay in their thread.
        Registro registro(dati);
        const EsitoIndice e = indicizza(
            registro, cartelle, recenti,
            [this](int fatti, int totale) {
                QMetaObject::invokeMethod(this, [this, fatti, totale] {
                    avanzamento_->setRange(0, totale);
                    avanzamento_->setValue(fatti);
                }, Qt::QueuedConnection);
            },
            basta.get());
        const QString esito =
            !e.scritto ? "Impossibile aggiornare l'archivio: " + q(registro.errore())
            : e.errori > 0 ? QString("%1 cruciverba, %2 non si aprono (il motivo è nella colonna Stato).")
                                 .arg(e.trovati).arg(e.errori)
                           : QString("%1 cruciverba.").arg(e.trovati);
        QMetaObject::invokeMethod(this, [this, esito, letti = e.letti + e.spariti] {
            thread_->wait();
            thread_->deleteLater();
            thread_ = nullptr;
            avanzamento_->hide();
            esitoIndice_->setText(esito);
            if (letti > 0) ricarica();
            emit indiceAggiornato();
        }, Qt::QueuedConnection);
    });
    thread_->start(QThread::LowPriority);
}

void FinestraArchivio::apriCorrente() {
    const QModelIndex i = filtro_->mapToSource(tabella_->currentIndex());
    if (!i.isValid()) return;
    emit apri(modello_->voci()[static_cast<size_t>(i.row())].percorso);
}

void FinestraArchivio::aggiornaStatistiche() {
    const std::int64_t oggi = QDate::currentDate().toJulianDay();
    const Statistiche st = calcolaStatistiche(modello_->voci(), oggi);
    numeri_->setText(QString("Cruciverba: %1 (nuovi %2, in corso %3)\n"
                             "Risolti: %4 senza aiuti, %5 con aiuti\n"
                             "Controlli usati: %6   Lettere rivelate: %7\n"
                             "Giorni di fila con un cruciverba risolto senza aiuti: %8 (il record: %9)")
                         .arg(st.schemi).arg(st.nuovi).arg(st.inCorso).arg(st.risolti).arg(st.risoltiConAiuti)
                         .arg(st.controlli).arg(st.rivelazioni).arg(st.serieAttuale).arg(st.serieMassima));
    gruppi_->setRowCount(static_cast<int>(st.gruppi.size()));
    for (int r = 0; r < static_cast<int>(st.gruppi.size()); ++r) {
        const GruppoTempi& g = st.gruppi[static_cast<size_t>(r)];
        const QStringList celle = {q(g.variante), QString("%1×%2").arg(g.colonne).arg(g.righe),
                                   QString::number(g.risolti), q(testoTempo(g.media)), q(testoTempo(g.migliore))};
        for (int c = 0; c < celle.size(); ++c) gruppi_->setItem(r, c, new QTableWidgetItem(celle[c]));
    }
    calendario_->imposta(st, oggi);
    grafico_->imposta(st.mesi);
}

void FinestraArchivio::aggiungiCartella() {
    const QString c = QFileDialog::getExistingDirectory(this, "Aggiungi una cartella all'archivio", QDir::homePath());
    if (c.isEmpty()) return;
    emit cartellaAggiunta(c.toStdString());
    if (std::find(cartelle_.begin(), cartelle_.end(), c.toStdString()) == cartelle_.end())
        cartelle_.push_back(c.toStdString());
    avviaIndice();
}

std::string FinestraArchivio::esporta(const std::string& percorso) { return esportaCsv(modello_->voci(), percorso); }

void FinestraArchivio::esportaCsvScelto() {
    const QString nome = QFileDialog::getSaveFileName(this, "Esporta CSV", QDir::home().filePath("statistiche.csv"),
                                                      "File CSV (*.csv)");
    if (nome.isEmpty()) return;
    const std::string errore = esporta(nome.toStdString());
    if (!errore.empty()) QMessageBox::warning(this, "Quadrivo 7", q(errore));
}

bool FinestraArchivio::eventFilter(QObject* oggetto, QEvent* evento) {
    // Enter opens the puzzle of the current row, as a double-click does.
    if (oggetto == tabella_ && evento->type() == QEvent::KeyPress) {
        const int tasto = static_cast<QKeyEvent*>(evento)->key();
        if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter) {
            apriCorrente();
            return true;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

}  // namespace quadrivo
