#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "dialogs/periferia.h"
#include "dialogs/scelta_carattere.h"
#include "model/piattaforma_registro.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

TEST(BarraStrumenti, OgniChiaveLaSuaAzioneSoloSeEsatta) {
    EXPECT_EQ(azioneBarra("Apri"), AzioneBarra::apri);
    EXPECT_EQ(azioneBarra("Salva"), AzioneBarra::salva);
    EXPECT_EQ(azioneBarra("Stampa"), AzioneBarra::stampa);
    EXPECT_EQ(azioneBarra("Anteprima"), AzioneBarra::anteprima);
    EXPECT_EQ(azioneBarra("Font"), AzioneBarra::font);
    EXPECT_EQ(azioneBarra("Cancella"), AzioneBarra::cancella);
    EXPECT_EQ(azioneBarra("Controlla"), AzioneBarra::controlla);
    for (const char* altro : {"", "apri", "Apri ", "Salva con nome", "Azzera"})
        EXPECT_EQ(azioneBarra(altro), AzioneBarra::nessuna) << altro;
}

TEST(Aiuto, DueRitorniACapoPoiLeIstruzioniSenzaAltriSeparatori) {
    const std::string& t = testoAiuto();
    const std::string prima = "QUADRIVO - Programma per risolvere i cruciverba creati con l'ausilio di TRAMERIO";
    ASSERT_EQ(t.substr(0, prima.size() + 3), prima + "\r\rD");
    EXPECT_EQ(t.find('\n'), std::string::npos);
    EXPECT_EQ(std::count(t.begin(), t.end(), '\r'), 2);
    // Piece 3 ends with a blank and piece 4 starts with one; piece 4 ends with two.
    EXPECT_NE(t.find("in alto a sinistra)  Cliccare quindi"), std::string::npos);
    EXPECT_NE(t.find("vecchie versioni)  Una volta completato"), std::string::npos);
    EXPECT_NE(t.find("il bottone destro è stato abilitato per l'editing in modalità avanzata"), std::string::npos);
    EXPECT_TRUE(t.ends_with("(ad esempio per far giocare qualcun altro) Buon divertimento!"));
}

TEST(InfoSistema, IlPrimoStrumentoDellElencoInstallato) {
    prova::CartellaTemporanea a, b;
    auto eseguibile = [](const std::string& p, bool x = true) {
        std::ofstream(p) << "#!/bin/sh\n";
        std::filesystem::permissions(p, x ? std::filesystem::perms::owner_all : std::filesystem::perms::owner_read);
    };
    const std::string pa = a.percorso().substr(0, a.percorso().size() - 1);
    const std::string pb = b.percorso().substr(0, b.percorso().size() - 1);
    EXPECT_EQ(trovaStrumentoSistema(pa + ":" + pb), "");
    EXPECT_EQ(trovaStrumentoSistema(""), "");

    eseguibile(a.percorso("ksysguard"));
    eseguibile(b.percorso("gnome-system-monitor"));
    eseguibile(a.percorso("hardinfo"), false);  // not executable: not a tool
    // The list's order wins over the folders' order.
    EXPECT_EQ(trovaStrumentoSistema(pa + ":" + pb), b.percorso("gnome-system-monitor"));
    EXPECT_EQ(trovaStrumentoSistema("::" + pa), a.percorso("ksysguard"));
    // Relative entries (the current folder among them) are never searched.
    std::filesystem::create_directory(b.percorso("rel"));
    eseguibile(b.percorso("rel/hardinfo"));
    const auto prima = std::filesystem::current_path();
    std::filesystem::current_path(b.percorso());
    EXPECT_EQ(trovaStrumentoSistema("rel:" + pa), a.percorso("ksysguard"));
    std::filesystem::current_path(prima);
}

TEST(SceltaCarattere, TestiEPreselezione) {
    EXPECT_EQ(rigaConteggioFont(57), "N. 57 Fonts installati");
    EXPECT_EQ(testoCampione("Arial"), "Arial - aAbB 123 zZ");
    const std::vector<std::string> f = {"DejaVu Sans", "Arial", "arial", "Arial"};
    EXPECT_EQ(indicePreselezione(f, "Arial"), 1);
    EXPECT_EQ(indicePreselezione(f, "ARIAL"), -1);
    EXPECT_EQ(indicePreselezione({}, "Arial"), -1);
}

// Records every step it is given and refuses the names in `rifiuta`.
struct DestinazioneProva : DestinazioneCarattere {
    DestinazioneProva(std::string n, std::vector<std::string>& r) : nome(std::move(n)), registro(r) {}
    bool impostaNome(const std::string& v) override {
        registro.push_back(nome + ".nome=" + v);
        if (v == rifiuta) return false;
        stile.nome = v;
        return true;
    }
    bool impostaCorsivo(bool v) override {
        registro.push_back(nome + ".corsivo=" + std::to_string(v));
        stile.corsivo = v;
        return true;
    }
    bool impostaGrassetto(bool v) override {
        registro.push_back(nome + ".grassetto=" + std::to_string(v));
        stile.grassetto = v;
        return true;
    }
    std::string nome;
    std::vector<std::string>& registro;
    std::string rifiuta;
    StileCarattere stile;
};

struct ApplicaCarattere : ::testing::Test {
    Stato stato;
    PiattaformaRegistro piattaforma;
    std::vector<std::string> registro;
    DestinazioneProva stampante{"P", registro}, schermo{"S", registro};
};

TEST_F(ApplicaCarattere, PrimaLaStampantePoiLoSchermo) {
    EXPECT_TRUE(applicaCarattere(stato, piattaforma, stampante, schermo, "Verdana", true, false));
    EXPECT_EQ(registro, (std::vector<std::string>{"P.nome=Verdana", "P.corsivo=1", "P.grassetto=0", "S.nome=Verdana",
                                                  "S.corsivo=1", "S.grassetto=0"}));
    EXPECT_EQ(stato.nomeFont, "Verdana");
    EXPECT_TRUE(piattaforma.messaggi.empty());
}

TEST_F(ApplicaCarattere, SenzaSelezioneNienteCambia) {
    stato.nomeFont = "Verdana";
    EXPECT_FALSE(applicaCarattere(stato, piattaforma, stampante, schermo, "", true, true));
    EXPECT_TRUE(registro.empty());
    EXPECT_EQ(stato.nomeFont, "Verdana");
}

TEST_F(ApplicaCarattere, StampanteCheRifiutaIlNome) {
    stampante.rifiuta = "Fantasia";
    applicaCarattere(stato, piattaforma, stampante, schermo, "Fantasia", true, true);
    ASSERT_EQ(piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(piattaforma.messaggi[0].testo,
              "Font scelto non disponibile, verrà scelto l'Arial a video ed in stampa.");
    EXPECT_EQ(piattaforma.messaggi[0].pulsanti, Pulsanti::ok);
    EXPECT_EQ(stato.nomeFont, "Arial");
    // The steps after the refused one go on, now with Arial.
    EXPECT_EQ(stampante.stile, (StileCarattere{"Arial", true, true}));
    EXPECT_EQ(schermo.stile, (StileCarattere{"Arial", true, true}));
}

TEST_F(ApplicaCarattere, SchermoCheRifiutaIlNome) {
    schermo.rifiuta = "Fantasia";
    applicaCarattere(stato, piattaforma, stampante, schermo, "Fantasia", true, true);
    EXPECT_EQ(piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(stato.nomeFont, "Arial");
    EXPECT_EQ(stampante.stile, (StileCarattere{"Arial", false, false}));
    EXPECT_EQ(schermo.stile, (StileCarattere{"Arial", true, true}));
}

TEST(StileInStato, RifiutaLeFamiglieNonDisponibiliMaMaiArial) {
    StileCarattere stile{"Verdana", true, false};
    StileInStato d(stile, [](const std::string& n) { return n == "Verdana"; });
    EXPECT_FALSE(d.impostaNome("Fantasia"));
    EXPECT_EQ(stile.nome, "Verdana");
    EXPECT_TRUE(d.impostaNome("Arial"));
    EXPECT_EQ(stile.nome, "Arial");
    EXPECT_TRUE(d.impostaGrassetto(true));
    EXPECT_EQ(stile, (StileCarattere{"Arial", true, true}));
}

}  // namespace
