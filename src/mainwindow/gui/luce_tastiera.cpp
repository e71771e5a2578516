// The keyboard's lock lights from the X server; kept apart because Xlib's macros clash with Qt.
#include <QGuiApplication>

#ifdef QUADRIVO_X11
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

namespace quadrivo {

bool luceTastiera(const char* nome, bool& letto) {
    letto = false;
#ifdef QUADRIVO_X11
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display()) return false;
    Display* d = x11->display();
    Atom atomo = XInternAtom(d, nome, True);
    if (atomo == None) return false;
    Bool acceso = False;
    if (!XkbGetNamedIndicator(d, atomo, nullptr, &acceso, nullptr, nullptr)) return false;
    letto = true;
    return acceso;
#else
    (void)nome;
    return false;
#endif
}

}  // namespace quadrivo
