#pragma once
// The help menu's ways out of the program: the author's web site, a new mail to the author and
// the desktop's system-information tool.
#include "model/piattaforma.h"

namespace quadrivo {

// Opened with the desktop's default handler; when none can, a message gives the address.
void apriSitoAutore(Piattaforma& piattaforma);
void apriPostaAutore(Piattaforma& piattaforma);
// Starts the first system-information tool found in PATH, or says there is none.
void avviaInfoSistema(Piattaforma& piattaforma);

}  // namespace quadrivo
