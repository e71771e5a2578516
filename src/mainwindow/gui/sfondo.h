#pragma once
// The background picture while no puzzle is open. It is decoded when first shown (a start on a
// puzzle never needs it) and follows the drawing area's size.
#include <QLabel>

namespace quadrivo {

struct Cartelle;

class Sfondo : public QLabel {
public:
    // The picture files are looked up in `cartelle`'s program folder.
    Sfondo(const Cartelle& cartelle, QWidget* area);

    // Before the first activation: placed for the toolbar's height, not decoded yet.
    void disponiAlCaricamento(int altezzaToolbar);
    // Decoded if need be, centred on the area and shown.
    void mostra();
    // The area changed size: a picture in view is centred again.
    void seguiArea();

private:
    const Cartelle& cartelle_;
};

}  // namespace quadrivo
