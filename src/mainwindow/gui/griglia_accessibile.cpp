#include "mainwindow/gui/griglia_accessibile.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <map>

#include "mainwindow/gui/vista_griglia.h"
#include "qt/area_disegno.h"
#include "sessione/sessione.h"
#include "solving/lettura.h"

namespace quadrivo {

namespace {

// What the current cell says, and the word it was said for.
constexpr const char* proprietaDescrizione = "quadrivoDescrizione";
constexpr const char* proprietaParolaDetta = "quadrivoParolaDetta";

QString q(const std::string& s) { return QString::fromStdString(s); }

// The grid's view the drawing area holds; only the area it lies on is read as a table.
VistaGriglia* vistaDi(const QWidget* area) { return area->findChild<VistaGriglia*>(QString(), Qt::FindDirectChildrenOnly); }

// One cell, made when a reader first asks for it and kept by the table.
class CellaAccessibile : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellaAccessibile(VistaGriglia* vista, int colonna, int riga) : v_(vista), c_(colonna), r_(riga) {}

    bool isValid() const override { return v_ && v_->sessione().cruciverba().dentro(c_, r_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return v_ ? v_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        const Cruciverba& x = v_->sessione().cruciverba();
        if (t == QAccessible::Name) {
            const PartitaInCorso& partita = v_->sessione().partita();
            return q(nomeCella(x, partita.segni(), partita.rivelate(), {c_, r_}));
        }
        if (t != QAccessible::Description) return {};
        if (corrente()) return descrizioneCorrente(v_->parentWidget());
        return q(paroleCheIniziano(x, v_->sessione().navigazione(), {c_, r_}));
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect k = v_->rettangoloCella({c_, r_});
        return k.isEmpty() ? QRect() : QRect(v_->mapToGlobal(k.topLeft()), k.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State st;
        st.focusable = st.selectable = true;
        // Black and void cells, and the letters the puzzle gives, take no typing.
        const Cruciverba& x = v_->sessione().cruciverba();
        st.readOnly = isValid() && (!x.bianca(c_, r_) || x.cella(c_, r_).data);
        st.focused = st.selected = corrente();
        return st;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return c_ - 1; }
    int rowIndex() const override { return r_ - 1; }
    bool isSelected() const override { return corrente(); }
    QAccessibleInterface* table() const override { return parent(); }

    int colonna() const { return c_; }
    int riga() const { return r_; }

private:
    bool corrente() const {
        const Posizione& p = v_->sessione().posizione();
        return p.valida() && p.colonna == c_ && p.riga == r_;
    }
    QPointer<VistaGriglia> v_;
    int c_, r_;
};

// The table of cells: an interface of its own inside the drawing area, beside the bars and
// panels that are the area's child widgets.
class GrigliaAccessibile : public QAccessibleInterface, public QAccessibleTableInterface {
public:
    explicit GrigliaAccessibile(VistaGriglia* vista) : v_(vista) {}
    ~GrigliaAccessibile() override { dimentica(); }

    bool isValid() const override { return v_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return v_ ? v_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return v_ ? QAccessible::queryAccessibleInterface(v_->parentWidget()) : nullptr;
    }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? "Griglia del cruciverba" : QString(); }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!aperto()) return {};
        const QRect primo = v_->rettangoloCella({1, 1});
        const QRect ultimo = v_->rettangoloCella({columnCount(), rowCount()});
        return primo.isEmpty() ? QRect() : QRect(v_->mapToGlobal(primo.topLeft()), v_->mapToGlobal(ultimo.bottomRight()));
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override {
        QAccessible::State st;
        st.focusable = true;
        st.invisible = !aperto();
        return st;
    }
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int i) const override {
        const int n = columnCount();
        return i < 0 || i >= childCount() ? nullptr : cella(i % n + 1, i / n + 1);
    }
    int indexOfChild(const QAccessibleInterface* figlio) const override {
        const auto* k = dynamic_cast<const CellaAccessibile*>(figlio);
        return k && k->isValid() ? (k->riga() - 1) * columnCount() + k->colonna() - 1 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (!aperto()) return nullptr;
        const std::optional<Casella> k = v_->cellaIn(v_->mapFromGlobal(QPoint(x, y)));
        return k ? cella(k->colonna, k->riga) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!aperto()) return nullptr;
        const Posizione& p = v_->sessione().posizione();
        return p.valida() ? cella(p.colonna, p.riga) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int riga, int colonna) const override { return cella(colonna + 1, riga + 1); }
    int selectedCellCount() const override { return focusChild() ? 1 : 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        QAccessibleInterface* k = focusChild();
        return k ? QList<QAccessibleInterface*>{k} : QList<QAccessibleInterface*>{};
    }
    QString columnDescription(int colonna) const override { return QString("colonna %1").arg(colonna + 1); }
    QString rowDescription(int riga) const override { return QString("riga %1").arg(riga + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return aperto() ? v_->sessione().cruciverba().colonne() : 0; }
    int rowCount() const override { return aperto() ? v_->sessione().cruciverba().righe() : 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // The cell at (c, r), 1-based; its interface lives until the puzzle's size changes.
    QAccessibleInterface* cella(int c, int r) const {
        if (!aperto() || !v_->sessione().cruciverba().dentro(c, r)) return nullptr;
        const std::pair dimensioni(columnCount(), rowCount());
        if (dimensioni != dimensioni_) dimentica(), dimensioni_ = dimensioni;
        auto [posto, nuova] = celle_.try_emplace({c, r}, 0);
        if (nuova) posto->second = QAccessible::registerAccessibleInterface(new CellaAccessibile(v_, c, r));
        return QAccessible::accessibleInterface(posto->second);
    }

private:
    bool aperto() const { return v_ && v_->sessione().aperto(); }
    void dimentica() const {
        for (const auto& [k, id] : celle_) QAccessible::deleteAccessibleInterface(id);
        celle_.clear();
    }
    QPointer<VistaGriglia> v_;
    mutable std::map<std::pair<int, int>, QAccessible::Id> celle_;
    mutable std::pair<int, int> dimensioni_{0, 0};
};

// The drawing area: the table first, then the bars and panels laid over it.
class AreaAccessibile : public QAccessibleWidget {
public:
    AreaAccessibile(QWidget* area, VistaGriglia* vista)
        : QAccessibleWidget(area, QAccessible::Pane),
          griglia_(QAccessible::registerAccessibleInterface(new GrigliaAccessibile(vista))) {}
    ~AreaAccessibile() override { QAccessible::deleteAccessibleInterface(griglia_); }

    // Named, so a focus that lands on the area itself is not an unnamed panel.
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QStringLiteral("Cruciverba") : QAccessibleWidget::text(t);
    }

    GrigliaAccessibile* griglia() const {
        return static_cast<GrigliaAccessibile*>(QAccessible::accessibleInterface(griglia_));
    }
    // The grid's view is the table itself: it is not listed a second time.
    int childCount() const override { return 1 + static_cast<int>(altri().size()); }
    QAccessibleInterface* child(int i) const override {
        if (i == 0) return griglia();
        const QList<QAccessibleInterface*> a = altri();
        return i > 0 && i <= a.size() ? a[i - 1] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* figlio) const override {
        if (figlio == griglia()) return 0;
        const qsizetype i = altri().indexOf(const_cast<QAccessibleInterface*>(figlio));
        return i < 0 ? -1 : static_cast<int>(i) + 1;
    }
    QAccessibleInterface* focusChild() const override {
        QAccessibleInterface* k = griglia()->focusChild();
        return k ? k : QAccessibleWidget::focusChild();
    }

private:
    QList<QAccessibleInterface*> altri() const {
        QList<QAccessibleInterface*> a;
        for (int i = 0, n = QAccessibleWidget::childCount(); i < n; ++i)
            if (QAccessibleInterface* k = QAccessibleWidget::child(i); k && !qobject_cast<VistaGriglia*>(k->object()))
                a.append(k);
        return a;
    }
    QAccessible::Id griglia_;
};

QAccessibleInterface* CellaAccessibile::parent() const {
    auto* area = v_ ? dynamic_cast<AreaAccessibile*>(QAccessible::queryAccessibleInterface(v_->parentWidget())) : nullptr;
    return area ? area->griglia() : nullptr;
}

QAccessibleInterface* fabbrica(const QString&, QObject* oggetto) {
    auto* area = qobject_cast<AreaDisegno*>(oggetto);
    VistaGriglia* vista = area ? vistaDi(area) : nullptr;
    return vista ? new AreaAccessibile(area, vista) : nullptr;
}

QAccessibleInterface* cellaCorrente(QWidget* area) {
    auto* a = dynamic_cast<AreaAccessibile*>(QAccessible::queryAccessibleInterface(area));
    return a ? a->griglia()->focusChild() : nullptr;
}

}  // namespace

void installaGrigliaAccessibile() {
    static const bool installata = (QAccessible::installFactory(fabbrica), true);
    (void)installata;
}

void annunciaCellaCorrente(QWidget* area, bool conDefinizione) {
    const VistaGriglia* vista = vistaDi(area);
    if (!vista || !vista->sessione().aperto()) return;
    const Sessione& s = vista->sessione();
    const Posizione& p = s.posizione();
    const int parola = p.valida() ? s.navigazione().indiceParola(p.colonna, p.riga, p.direzione) : -1;
    const bool nuova = parola != area->property(proprietaParolaDetta).toInt() - 1;
    area->setProperty(proprietaParolaDetta, parola + 1);
    area->setProperty(proprietaDescrizione,
                      q(letturaCellaCorrente(s.cruciverba(), s.navigazione(), p, conDefinizione || nuova)));
    if (!QAccessible::isActive()) return;
    if (QAccessibleInterface* k = cellaCorrente(area)) {
        QAccessibleEvent e(k, QAccessible::Focus);
        QAccessible::updateAccessibility(&e);
    }
}

QString descrizioneCorrente(const QWidget* area) { return area->property(proprietaDescrizione).toString(); }

}  // namespace quadrivo
