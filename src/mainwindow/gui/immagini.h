#pragma once
// The program's own pictures, painted at whatever size and density is asked: the ten
// command images of menus and toolbar and the small web-site badge beside the toolbar.
#include <QIcon>
#include <QPixmap>

namespace quadrivo {

inline constexpr int immaginiNellaLista = 11;

// Image 1..10: open, save, print, preview, (unused by the toolbar: a grid), clear, check, font,
// check a word, pause.
// An index outside the list gives a null icon.
QIcon immagineLista(int indice);

// The window's icon (image 5) at the sizes given to the window manager, 16 to 64 pixels: Qt would
// otherwise paint 16 to 128 for an icon that names no sizes, the largest costing the start most.
QIcon iconaFinestra();

// The 120 x 29 badge that opens the author's web site, at the given pixel density.
QPixmap immagineSito(qreal densita);

}  // namespace quadrivo
