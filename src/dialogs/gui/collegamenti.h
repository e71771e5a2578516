#pragma once
// The help menu's ways out of the program: the author's web site and a new mail to the author.
#include "model/piattaforma.h"

namespace quadrivo {

// Opened with the desktop's default handler; when none can, a message gives the address.
void apriSitoAutore(Piattaforma& piattaforma);
void apriPostaAutore(Piattaforma& piattaforma);

}  // namespace quadrivo
