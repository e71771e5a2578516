#include "qt/voce.h"

#include <QAccessibleWidget>
#include <QStatusBar>

namespace quadrivo {

namespace {

// A notification to a screen reader: Orca speaks one whenever it is shown.
class VoceAccessibile : public QAccessibleWidget {
public:
    explicit VoceAccessibile(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
    // Silent until it has something to say: an empty notification is read as the word "notification".
    QAccessible::Role role() const override {
        return static_cast<const QLabel*>(widget())->text().isEmpty() ? QAccessible::StaticText : QAccessible::Notification;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString detto = widget()->accessibleName();
            return detto.isEmpty() ? static_cast<const QLabel*>(widget())->text() : detto;
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* fabbrica(const QString&, QObject* oggetto) {
    auto* v = qobject_cast<Voce*>(oggetto);
    return v ? new VoceAccessibile(v) : nullptr;
}

}  // namespace

Voce::Voce(QWidget* genitore) : QLabel(genitore) {
    static const bool installata = (QAccessible::installFactory(fabbrica), true);
    (void)installata;
    setObjectName("Voce");
    setTextFormat(Qt::PlainText);
}

void Voce::annuncia(const QString& testo, const QString& detto) {
    ++annunci_;
    setAccessibleName(detto);
    // A status bar's passing message would hide it.
    if (auto* barra = qobject_cast<QStatusBar*>(parentWidget())) barra->clearMessage();
    setText(testo);
    // Shown again, even with the same text: a reader speaks a notification as it appears.
    if (QAccessible::isActive()) {
        QAccessibleEvent nascosta(this, QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&nascosta);
        QAccessibleEvent mostrata(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&mostrata);
    }
    emit annunciato(detto.isEmpty() ? testo : detto);
}

Voce* voceDi(const QWidget* w) {
    if (!w) return nullptr;
    const QWidget* finestra = w->window();
    if (auto* v = qobject_cast<Voce*>(const_cast<QWidget*>(w))) return v;
    return finestra->findChild<Voce*>("Voce");
}

void annuncia(const QWidget* w, const QString& testo) {
    if (testo.isEmpty()) return;
    if (Voce* v = voceDi(w)) v->annuncia(testo);
}

void annuncia(const QWidget* w, const std::string& testo) { annuncia(w, QString::fromStdString(testo)); }

}  // namespace quadrivo
