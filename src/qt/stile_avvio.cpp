#include "qt/stile_avvio.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>

namespace quadrivo {

namespace {

// An icon made by `crea` the first time anything about it is asked.
class IconaRinviata : public QIconEngine {
public:
    explicit IconaRinviata(std::function<QIcon()> crea) : crea_(std::move(crea)) {}

    void paint(QPainter* p, const QRect& r, QIcon::Mode modo, QIcon::State stato) override {
        icona().paint(p, r, Qt::AlignCenter, modo, stato);
    }
    QPixmap pixmap(const QSize& dimensione, QIcon::Mode modo, QIcon::State stato) override {
        return icona().pixmap(dimensione, modo, stato);
    }
    QPixmap scaledPixmap(const QSize& dimensione, QIcon::Mode modo, QIcon::State stato, qreal scala) override {
        return icona().pixmap(dimensione, scala, modo, stato);
    }
    QSize actualSize(const QSize& dimensione, QIcon::Mode modo, QIcon::State stato) override {
        return icona().actualSize(dimensione, modo, stato);
    }
    QList<QSize> availableSizes(QIcon::Mode modo, QIcon::State stato) override {
        return icona().availableSizes(modo, stato);
    }
    bool isNull() override { return icona().isNull(); }
    QString key() const override { return QStringLiteral("IconaRinviata"); }
    QIconEngine* clone() const override { return new IconaRinviata(*this); }

private:
    const QIcon& icona() {
        if (!fatta_) fatta_ = crea_();
        return *fatta_;
    }
    std::function<QIcon()> crea_;
    std::optional<QIcon> fatta_;
};

}  // namespace

QIcon StileAvvio::standardIcon(StandardPixmap icona, const QStyleOption*, const QWidget* widget) const {
    // The option does not outlive this call; the icons the widgets ask for as they are made
    // (overflow arrows, dock buttons) do not depend on it.
    QPointer<const QWidget> perChi(widget);
    QPointer<const StileAvvio> stile(this);
    return QIcon(new IconaRinviata([stile, icona, perChi] {
        return stile ? stile->QProxyStyle::standardIcon(icona, nullptr, perChi.data()) : QIcon();
    }));
}

}  // namespace quadrivo
