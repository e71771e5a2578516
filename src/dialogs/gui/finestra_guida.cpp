#include "dialogs/gui/finestra_guida.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "dialogs/guida.h"

namespace quadrivo {

FinestraGuida::FinestraGuida(QWidget* genitore) : QDialog(genitore), pagina_(new QTextEdit(this)) {
    setObjectName("FinestraGuida");
    setWindowTitle("Aiuto di Quadrivo");
    pagina_->setObjectName("PaginaGuida");
    pagina_->setAccessibleName("Aiuto di Quadrivo");
    // A read-only text with a caret the arrows move: a screen reader reads it line by line, as a
    // document (a text browser would be read as one label).
    pagina_->setReadOnly(true);
    pagina_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Close, this);
    pulsanti->button(QDialogButtonBox::Close)->setText("&Chiudi");
    connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* disposizione = new QVBoxLayout(this);
    disposizione->addWidget(pagina_);
    disposizione->addWidget(pulsanti);
    resize(640, 560);
}

void FinestraGuida::mostra(bool soloTasti) {
    setWindowTitle(soloTasti ? "Tasti di Quadrivo" : "Aiuto di Quadrivo");
    pagina_->setAccessibleName(windowTitle());
    pagina_->setHtml(QString::fromStdString(guidaHtml(soloTasti)));
    pagina_->moveCursor(QTextCursor::Start);
    show();
    raise();
    activateWindow();
    pagina_->setFocus();
}

QString FinestraGuida::testo() const { return pagina_->toPlainText(); }

}  // namespace quadrivo
