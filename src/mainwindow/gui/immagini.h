#pragma once
// The program's own pictures, painted at whatever size and density is asked: the ten
// command images of menus and toolbar and the small web-site badge beside the toolbar.
#include <QIcon>
#include <QPixmap>

namespace quadrivo {

inline constexpr int immaginiNellaLista = 11;

// Image 1..11: open, save, print, preview, (none), clear, check, font, check a word, pause, pencil.
// An index outside the list gives a null icon.
QIcon immagineLista(int indice);

// The window's icon: the desktop entry's, at the sizes a window manager shows.
inline constexpr int latiIconaFinestra[] = {16, 24, 32, 48, 64};
QIcon iconaFinestra();

// The 120 x 29 badge that opens the author's web site, at the given pixel density.
QPixmap immagineSito(qreal densita);

}  // namespace quadrivo
