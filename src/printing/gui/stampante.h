#pragma once
// The print command on a real printer: the platform's print dialog (which offers printing to
// a PDF file when no printer is installed) and the page drawn through a QPainter on it.
#include <QPrinter>
#include <QWidget>
#include <string>

#include "model/griglia.h"
#include "model/piattaforma.h"
#include "model/stato.h"
#include "model/superficie.h"

namespace quadrivo {

inline constexpr const char* msgErroreStampante =
    "Impossibile stampare: nessuna stampante disponibile oppure la stampante ha segnalato un errore. "
    "Controllare la stampante e riprovare.";
inline constexpr const char* msgSchemaNonStampabile =
    "Impossibile stampare: le dimensioni dello schema o della finestra non sono valide.";

// Prints the page on a printer that is already set up, without a dialog. `carattere` is the
// printer's font style, kept from one job to the next; its face is set from nomeFont. On
// failure shows the message and returns false.
bool stampaSu(QPrinter& stampante, const Stato& stato, const AreaFinestra& finestra, Carattere& carattere,
              Piattaforma& piattaforma, const std::string& data);

// The whole job: print dialog, busy pointer, the page. Cancelling prints and shows nothing.
// Returns true when the page went to the printer.
bool stampaConDialogo(QWidget* genitore, const Stato& stato, const AreaFinestra& finestra, Carattere& carattere,
                      Piattaforma& piattaforma);

}  // namespace quadrivo
