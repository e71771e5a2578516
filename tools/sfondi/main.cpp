// Paints the program's two background pictures: a calm crossword motif with the program's
// name. Quadrivoa.jpg suits screens narrower than 1300 pixels, Quadrivob.jpg the wider ones.
//   sfondi CARTELLA
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>

namespace {

// A few rows of a crossword, '#' a black cell, a letter a filled cell, '.' an empty one.
const char* const schema[] = {
    "Q.#C..#..R.#V.",
    "U..R#.QUADRIVO",
    "A#.O..#..#.I..",
    "D..C.#.S..#A..",
    "R..E..#O.#.#..",
    "I#..#VIA.#..#.",
    "V..#..#..#..#.",
    "O.#..#..#..#..",
};

void disegnaSfondo(QImage& img) {
    const double w = img.width(), h = img.height();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient cielo(0, 0, 0, h);
    cielo.setColorAt(0, QColor(246, 243, 234));
    cielo.setColorAt(1, QColor(226, 232, 238));
    p.fillRect(img.rect(), cielo);

    // The grid, tilted a little and fading towards the edges.
    const double lato = h / 14.5;
    const int righe = sizeof schema / sizeof schema[0];
    const int colonne = 14;
    p.save();
    p.translate(w * 0.5, h * 0.40);
    p.rotate(-8);
    p.translate(-colonne * lato / 2, -righe * lato / 2);
    QFont lettera("DejaVu Serif");
    lettera.setPixelSize(static_cast<int>(lato * 0.55));
    p.setFont(lettera);
    for (int r = 0; r < righe; ++r) {
        for (int c = 0; c < colonne; ++c) {
            const double dx = (c + 0.5) / colonne - 0.5, dy = (r + 0.5) / righe - 0.5;
            const double velo = std::max(0.0, 1.0 - std::sqrt(dx * dx + dy * dy) * 1.55);
            const QRectF cella(c * lato, r * lato, lato, lato);
            const char ch = schema[r][c];
            QColor carta(255, 255, 252, static_cast<int>(70 + 150 * velo));
            QColor nero(52, 62, 80, static_cast<int>(40 + 150 * velo));
            QColor bordo(90, 100, 120, static_cast<int>(40 + 120 * velo));
            p.fillRect(cella, ch == '#' ? nero : carta);
            p.setPen(QPen(bordo, 1));
            p.drawRect(cella);
            if (ch != '#' && ch != '.') {
                p.setPen(QColor(128, 0, 0, static_cast<int>(60 + 170 * velo)));
                p.drawText(cella, Qt::AlignCenter, QString(QChar(ch)));
            }
        }
    }
    p.restore();

    // A soft light behind the name keeps it readable over the grid.
    QRadialGradient luce(w / 2, h * 0.78, w * 0.40);
    luce.setColorAt(0, QColor(250, 248, 240, 235));
    luce.setColorAt(1, QColor(250, 248, 240, 0));
    p.fillRect(img.rect(), luce);

    QFont titolo("DejaVu Serif");
    titolo.setPixelSize(static_cast<int>(h * 0.14));
    titolo.setBold(true);
    titolo.setLetterSpacing(QFont::PercentageSpacing, 108);
    p.setFont(titolo);
    const QRectF riga(0, h * 0.67, w, h * 0.17);
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(riga.translated(2, 2), Qt::AlignCenter, "Quadrivo");
    p.setPen(QColor(128, 0, 0));
    p.drawText(riga, Qt::AlignCenter, "Quadrivo");

    QFont motto("DejaVu Sans");
    motto.setPixelSize(static_cast<int>(h * 0.04));
    p.setFont(motto);
    p.setPen(QColor(52, 62, 80));
    p.drawText(QRectF(0, h * 0.83, w, h * 0.07), Qt::AlignCenter, "cruciverba da risolvere");
    p.setPen(QColor(170, 160, 140));
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
}

bool salva(const QString& cartella, const char* nome, QSize dimensione) {
    QImage img(dimensione, QImage::Format_RGB32);
    disegnaSfondo(img);
    const QString percorso = QDir(cartella).filePath(nome);
    if (!img.save(percorso, "JPG", 90)) {
        std::fprintf(stderr, "sfondi: impossibile scrivere %s\n", qPrintable(percorso));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Uso: sfondi CARTELLA\n", stderr);
        return 2;
    }
    const QString cartella = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(cartella);
    const bool ok = salva(cartella, "Quadrivoa.jpg", QSize(760, 520)) && salva(cartella, "Quadrivob.jpg", QSize(1040, 700));
    return ok ? 0 : 1;
}
