#include "mainwindow/gui/sfondo.h"

#include <QScreen>

#include "mainwindow/finestra.h"
#include "model/cartelle.h"
#include "model/file.h"
#include "model/tipo_file.h"

namespace quadrivo {

Sfondo::Sfondo(const Cartelle& cartelle, QWidget* area) : QLabel(area), cartelle_(cartelle) {
    setObjectName("sfondo");
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Sfondo::disponiAlCaricamento(int altezzaToolbar) {
    const QWidget* area = parentWidget();
    const PuntoSfondo p = sfondoAlCaricamento(area->width(), area->height(), width(), height(), altezzaToolbar);
    move(p.x, p.y);
}

void Sfondo::mostra() {
    if (pixmap().isNull()) {
        const int larghezza = screen() ? screen()->geometry().width() : 1024;
        const std::string percorso = cartelle_.programma + immagineSfondo(larghezza);
        // A missing picture leaves the area plain: nothing the player needs is lost. Only a regular
        // file is decoded: a FIFO there would hold the window.
        const QPixmap px = tipoFile(percorso) == TipoFile::regolare ? QPixmap(nomeQt(percorso)) : QPixmap();
        setPixmap(px);
        resize(px.isNull() ? QSize(0, 0) : px.size() / px.devicePixelRatio());
    }
    const QWidget* area = parentWidget();
    const PuntoSfondo p = sfondoAllAttivazione(area->width(), area->height(), width(), height());
    move(p.x, p.y);
    show();
}

void Sfondo::seguiArea() {
    if (isVisible()) mostra();
}

}  // namespace quadrivo
