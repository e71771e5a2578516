#pragma once
// The help window's text: how a puzzle is solved today, every key, and the menus.
#include <string>
#include <vector>

namespace quadrivo {

struct TastoGuida {
    std::string tasto;  // "Ctrl+Z"
    std::string cosa;   // "annulla l'ultima modifica"
};

// Every key of the solving window, in the order the help lists them.
const std::vector<TastoGuida>& tastiGuida();

// The help as HTML; soloTasti gives the key table alone (? → Tasti).
std::string guidaHtml(bool soloTasti);

}  // namespace quadrivo
