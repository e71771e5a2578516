#include "dialogs/gui/finestre_comuni.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace quadrivo {

void usaFamiglia(QWidget* w, const QString& famiglia) {
    QFont f = w->font();
    f.setFamily(famiglia);
    w->setFont(f);
}

void centraSulloSchermo(QWidget* w) {
    QScreen* schermo = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!schermo) return;
    const QRect s = schermo->availableGeometry();
    const QSize d = w->frameSize().isValid() && w->isVisible() ? w->frameSize() : w->sizeHint();
    w->move(s.left() + (s.width() - d.width()) / 2, s.top() + (s.height() - d.height()) / 2);
}

namespace {
class SelezioneAlFuoco : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        // Selected after the focus has settled, or the click that gave it would undo the selection.
        if (e->type() == QEvent::FocusIn)
            if (auto* campo = qobject_cast<QLineEdit*>(o)) QTimer::singleShot(0, campo, &QLineEdit::selectAll);
        return false;
    }
};
}  // namespace

void selezionaTuttoAlFuoco(QLineEdit* campo) { campo->installEventFilter(new SelezioneAlFuoco(campo)); }

QHBoxLayout* rigaPulsanti(QPushButton* ok, QPushButton* annulla) {
    ok->setDefault(true);
    annulla->setAutoDefault(false);
    auto* riga = new QHBoxLayout;
    riga->addStretch();
    riga->addWidget(ok);
    riga->addWidget(annulla);
    return riga;
}

}  // namespace quadrivo
