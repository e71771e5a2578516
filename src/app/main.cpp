#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::fputs("Quadrivo: la finestra principale non è ancora disponibile in questa versione.\n", stderr);
    return 0;
}
