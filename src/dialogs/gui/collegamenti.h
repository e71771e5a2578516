#pragma once
// The help menu's ways out of the program: the author's web site, a new mail to the author and
// the desktop's system-information tool.
#include "model/piattaforma.h"

namespace quadrivo {

// Opened with the desktop's default handler; the outcome is not checked.
void apriSitoAutore();
void apriPostaAutore();
// Starts the first system-information tool found in PATH, or says there is none.
void avviaInfoSistema(Piattaforma& piattaforma);

}  // namespace quadrivo
