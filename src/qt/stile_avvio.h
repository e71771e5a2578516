#pragma once
// The application's style: the one Qt would choose, with its standard icons (the menu bar's
// and the toolbars' overflow arrows, the docks' buttons) read only when first drawn. The
// style reads them from image files as each widget is made, and the first read loads every
// image plug-in Qt has (SVG, JPEG, GIF, ICO and their libraries) before the window is up.
#include <QProxyStyle>

namespace quadrivo {

class StileAvvio : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icona, const QStyleOption* opzione = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace quadrivo
