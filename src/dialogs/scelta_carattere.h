#pragma once
// The font chooser's logic: its texts, the preselection and the order in which a choice is
// applied to the printer's font and the screen's font, with the fall back to Arial.
#include <functional>
#include <string>
#include <vector>

#include "model/piattaforma.h"
#include "model/valori_impostazioni.h"

namespace quadrivo {

inline constexpr const char* codaCampione = " - aAbB 123 zZ";
inline constexpr double puntiAnteprimaCarattere = 20;
inline constexpr const char* msgFontNonDisponibile =
    "Font scelto non disponibile, verrà scelto l'Arial a video ed in stampa.";

// "N. " + count + " Fonts installati"
std::string rigaConteggioFont(size_t quanti);
// The sample line of a family.
std::string testoCampione(const std::string& famiglia);
// Index of the first entry exactly equal to `nome`, -1 when there is none.
int indicePreselezione(const std::vector<std::string>& famiglie, const std::string& nome);

// The Windows families the puzzles and the program name, each with the installed family of the
// same metrics that stands in for it on Linux (Arial -> Liberation Sans, ...).
struct FamigliaCompatibile {
    const char* nome;
    const char* sostituto;
};
const std::vector<FamigliaCompatibile>& famiglieCompatibili();
// The entry of the family really drawn for `nome`: itself, or else its stand-in; -1 for none.
int indiceFamigliaInUso(const std::vector<std::string>& famiglie, const std::string& nome);
// Each family once, without the foundry the font database adds in brackets ("C059 [urw]"),
// in the order of first appearance.
std::vector<std::string> famiglieSenzaFonderia(const std::vector<std::string>& famiglie);

// One of the two fonts a choice goes to. Each setter may refuse (false).
class DestinazioneCarattere {
public:
    virtual ~DestinazioneCarattere() = default;
    virtual bool impostaNome(const std::string& nome) = 0;
    virtual bool impostaCorsivo(bool si) = 0;
    virtual bool impostaGrassetto(bool si) = 0;
};

// A style among the settings' values; a name is refused when `disponibile` says so, except
// Arial, which the font configuration always maps to a family of the same metrics.
class StileInValori : public DestinazioneCarattere {
public:
    using Verifica = std::function<bool(const std::string&)>;
    explicit StileInValori(StileCarattere& stile, Verifica disponibile = {})
        : stile_(stile), disponibile_(std::move(disponibile)) {}
    bool impostaNome(const std::string& nome) override;
    bool impostaCorsivo(bool si) override { stile_.corsivo = si; return true; }
    bool impostaGrassetto(bool si) override { stile_.grassetto = si; return true; }

private:
    StileCarattere& stile_;
    Verifica disponibile_;
};

// OK of the font chooser with `scelta` selected ("" for none): nomeFont, then the printer's
// name, italic and bold, then the screen's. A refused step shows the message, turns both fonts
// into plain Arial and goes on with the next step. False when nothing was selected.
bool applicaCarattere(ValoriImpostazioni& valori, Piattaforma& piattaforma, DestinazioneCarattere& stampante,
                      DestinazioneCarattere& schermo, const std::string& scelta, bool corsivo, bool grassetto);

}  // namespace quadrivo
