#pragma once
// The print command on a real printer: the platform's print dialog (which offers printing to
// a PDF file when no printer is installed) and the sheets drawn through a QPainter on it.
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <memory>
#include <string>

#include "model/piattaforma.h"
#include "model/valori_impostazioni.h"
#include "model/superficie.h"
#include "printing/pagina.h"

namespace quadrivo {

class SuperficieQt;

inline constexpr const char* msgErroreStampante =
    "Impossibile stampare: nessuna stampante disponibile oppure la stampante ha segnalato un errore. "
    "Controllare la stampante e riprovare.";
inline constexpr const char* msgSchemaNonStampabile =
    "Impossibile stampare: le dimensioni dello schema non sono valide.";

// Measures text as it stands on paper: in points, at a printer's resolution, whatever the
// target. The printer and the preview both lay their sheets out with it.
class MisuraCarta {
public:
    explicit MisuraCarta(const FormatoPagina& formato = {});
    ~MisuraCarta();
    Superficie& superficie();

private:
    QImage immagine_;
    QPainter pittore_;
    std::unique_ptr<SuperficieQt> superficie_;
};

// The paper of a printer, in points.
FormatoPagina formatoDi(const QPrinter& stampante);

// Prints the sheets on a printer that is already set up, without a dialog. `carattere` is the
// printer's font style, kept from one job to the next; its face is set from nomeFont. On
// failure shows the message and returns false.
bool stampaSu(QPrinter& stampante, const Documento& documento, const ValoriImpostazioni& valori, Carattere& carattere, Piattaforma& piattaforma,
              const std::string& data);

// The whole job: print dialog, busy pointer, the sheets. Cancelling prints and shows nothing.
// Returns true when the sheets went to the printer.
bool stampaConDialogo(QWidget* genitore, const Documento& documento, const ValoriImpostazioni& valori, Carattere& carattere, Piattaforma& piattaforma);

}  // namespace quadrivo
