#pragma once
// ipuz (JSON, versions 1 and 2, bare or wrapped as ipuz({...})), crossword kinds. The whole JSON
// object read is kept aside: writing back changes only the player's `saved` grid and the credits
// the player edited, so every field the program does not use travels with the file.
#include "formats/formato.h"

namespace quadrivo {

class FormatoIpuz : public Formato {
public:
    std::string nome() const override { return "ipuz"; }
    std::vector<std::string> estensioni() const override { return {"ipuz"}; }
    bool riconosce(std::string_view dati) const override;
    Lettura leggi(std::string_view dati) const override;
    std::string scrivi(const Cruciverba& cruciverba) const override;
    bool contieneVariante(Variante) const override { return true; }
};

// The model's name of an ipuz clue direction ("Across" → Orizzontali, "Down:Verticali" → its
// name after the colon), and back.
std::string direzioneDaIpuz(const std::string& chiave);
std::string direzioneInIpuz(const std::string& direzione);

}  // namespace quadrivo
