// Paints the program's icon as PNG files at the sizes desktops ask for, the same drawing as
// data/quadrivo.svg (a 64-unit square), so no SVG renderer is needed at build time.
//   icone CARTELLA        writes CARTELLA/<N>x<N>/quadrivo.png for each size, and beside it
//                         quadrivo.argb, the same pixels as they lie in memory (premultiplied
//                         ARGB, this machine's byte order), which the program's window takes
//                         without decoding anything
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const int lati[] = {16, 24, 32, 48, 64, 128, 256};

QImage disegnaIcona(int lato) {
    QImage img(lato, lato, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(lato / 64.0, lato / 64.0);
    p.setPen(QPen(QColor(0x80, 0, 0), 3));
    p.setBrush(QColor(0xf6, 0xf3, 0xea));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 6, 6);
    p.setPen(QPen(QColor(0x34, 0x40, 0x4f), 1.5));
    for (double v : {22.0, 42.0}) {
        p.drawLine(QPointF(v, 6), QPointF(v, 58));
        p.drawLine(QPointF(6, v), QPointF(58, v));
    }
    p.fillRect(QRectF(42, 6, 16, 16), QColor(0x34, 0x40, 0x4f));
    p.fillRect(QRectF(6, 42, 16, 16), QColor(0x34, 0x40, 0x4f));
    QFont f("DejaVu Serif");
    f.setBold(true);
    f.setPixelSize(15);
    p.setFont(f);
    p.setPen(QColor(0x80, 0, 0));
    // Each letter centred in its cell, baselines as in the SVG.
    const struct { double x, y; char c; } lettere[] = {{14, 20, 'Q'}, {32, 38, 'V'}, {52, 56, 'O'}};
    for (const auto& l : lettere) {
        const QString s(QChar(l.c));
        p.drawText(QPointF(l.x - p.fontMetrics().horizontalAdvance(s) / 2.0, l.y), s);
    }
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: icone CARTELLA\n");
        return 2;
    }
    for (int lato : lati) {
        const QString cartella = QString::fromLocal8Bit(argv[1]) + QString("/%1x%1").arg(lato);
        const QImage icona = disegnaIcona(lato);
        QFile grezzo(cartella + "/quadrivo.argb");
        if (!QDir().mkpath(cartella) || !icona.save(cartella + "/quadrivo.png") || !grezzo.open(QIODevice::WriteOnly) ||
            grezzo.write(reinterpret_cast<const char*>(icona.constBits()), icona.sizeInBytes()) != icona.sizeInBytes()) {
            std::fprintf(stderr, "icone: impossibile scrivere %s\n", qPrintable(cartella));
            return 1;
        }
    }
    return 0;
}
