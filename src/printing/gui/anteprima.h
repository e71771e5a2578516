#pragma once
// The print preview on the main window: the sheets drawn into a drawing area inside scroll
// bars, at a zoom the player changes with Ctrl+plus, Ctrl+minus and Ctrl+0 (or Ctrl and the
// wheel). The layout is kept until the puzzle's words, the paper or the style change: zooming,
// resizing and opening the preview again only scale the same sheets.
#include <QScrollArea>
#include <string>

#include "model/documento.h"
#include "model/valori_impostazioni.h"
#include "printing/gui/stampante.h"
#include "printing/pagina.h"

namespace quadrivo {

class AreaDisegno;

class VistaAnteprima : public QScrollArea {
    Q_OBJECT
public:
    VistaAnteprima(const Documento& documento, const ValoriImpostazioni& valori, QWidget* genitore = nullptr);
    ~VistaAnteprima() override;

    // Lays the sheets out when something they show changed, then draws them at the zoom in use.
    // `stile` is the printer's font style. Returns false when the page cannot be laid out (the
    // area stays empty).
    bool mostra(const Carattere& stile, const std::string& data);
    // +1 larger, -1 smaller (down to the whole sheets), 0 back to the opening size.
    void zoom(int verso);

    // Window pixels per point of paper, and the sheets as placed.
    double scala() const { return posa_.scala; }
    const PosaAnteprima& posa() const { return posa_; }
    // The size the preview opens at: the paper's true size on this screen, yet never wider than
    // the area and never smaller than the whole sheets.
    double scalaIniziale() const;
    double scalaIntera() const;
    AreaDisegno* fogli() const { return fogli_; }
    int impaginazioni() const { return pagina_.impaginazioni(); }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void disponi();
    AreaFinestra areaVista(QSize dimensione) const;
    // What the sheets show besides their layout: the cells as the page draws them.
    std::string firmaCaselle() const;

    const Documento& documento_;
    const ValoriImpostazioni& valori_;
    MisuraCarta carta_;
    PaginaRicordata pagina_;
    const Impaginazione* im_ = nullptr;  // the kept layout, when there is one
    AreaDisegno* fogli_;
    FormatoPagina formato_;
    Carattere stile_;
    std::string data_;
    bool pronta_ = false;
    double zoom_ = 0;  // the scale asked for; 0 for the opening size
    PosaAnteprima posa_;
    // The sheets in the area: drawn again only when one of these changed.
    std::string disegnate_;
};

}  // namespace quadrivo
