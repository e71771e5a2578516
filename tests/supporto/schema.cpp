#include "supporto/schema.h"

#include "formats/puz.h"
#include "formats/trmo.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include <QString>

#include "model/file.h"

namespace quadrivo::prova {

std::string fileTrmo(const std::vector<std::string>& soluzioni, const std::vector<std::string>& ins,
                     const std::vector<std::string>& definizioni, const std::string& autore) {
    auto due = [](size_t n) { return (n < 10 ? " " : "") + std::to_string(n); };
    std::string out = "Autore:      " + autore + "\r\nData:         01-02-2013\r\nTitolo:       Prova\r\nDimensioni:  " +
                      due(soluzioni.empty() ? 0 : soluzioni[0].size()) + "x" + due(soluzioni.size()) + "\r\n";
    for (size_t r = 0; r < soluzioni.size(); ++r) {
        const std::string& voci = r < ins.size() ? ins[r] : std::string();
        for (size_t c = 0; c < soluzioni[r].size(); ++c) {
            const char s = soluzioni[r][c] == '#' ? '*' : soluzioni[r][c];
            const char e = c < voci.size() ? (voci[c] == '#' ? '*' : voci[c]) : s == '*' ? '*' : '.';
            out += static_cast<char>(s + 26);
            out += e;
        }
        out += "\r\n";
    }
    for (const std::string& d : definizioni) out += d + "\r\n";
    return out;
}

Cruciverba cruciverbaDa(const std::vector<std::string>& soluzioni, const std::vector<std::string>& ins,
                        const std::vector<std::string>& definizioni, const std::string& autore) {
    return FormatoTrmo().leggi(fileTrmo(soluzioni, ins, definizioni, autore)).cruciverba;
}

Documento documentoDaSchema(const std::vector<std::string>& soluzioni, const std::vector<std::string>& ins,
                            const std::vector<std::string>& definizioni, const std::string& autore) {
    Documento d;
    d.cruciverba = cruciverbaDa(soluzioni, ins, definizioni, autore);
    return d;
}

CartellaTemporanea::CartellaTemporanea() {
    std::random_device rd;
    dir_ = std::filesystem::temp_directory_path() / ("quadrivo-prova-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(dir_);
}

CartellaTemporanea::~CartellaTemporanea() {
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir_, ec);
}

std::string CartellaTemporanea::percorso(const std::string& nome) const { return dir_.string() + "/" + nome; }

std::string CartellaTemporanea::scrivi(const std::string& nome, const std::string& dati) const {
    std::ofstream f(percorso(nome), std::ios::binary);
    f << dati;
    return percorso(nome);
}

std::string CartellaTemporanea::leggi(const std::string& nome) const {
    return leggiFile(nome.starts_with("/") ? nome : percorso(nome)).value_or("");
}

Cruciverba letturaOk(const Formato& formato, std::string_view dati) {
    Lettura l = formato.leggi(dati);
    EXPECT_EQ(l.esito, EsitoLettura::ok) << l.spiegazione;
    return std::move(l.cruciverba);
}

void rifiuta(const Formato& formato, std::string_view dati, const std::string& motivo, EsitoLettura esito) {
    const Lettura l = formato.leggi(dati);
    EXPECT_EQ(l.esito, esito) << motivo;
    EXPECT_NE(l.spiegazione.find(motivo), std::string::npos) << l.spiegazione;
}

std::vector<std::string> inserimenti(const Cruciverba& x) {
    std::vector<std::string> out;
    for (int r = 1; r <= x.righe(); ++r) {
        std::string riga;
        for (int c = 1; c <= x.colonne(); ++c) {
            const Cella& k = x.cella(c, r);
            // A pencil guess in lower case.
            const std::string voce = k.matita ? QString::fromStdString(k.voce).toLower().toStdString() : k.voce;
            riga += !k.bianca() ? "#" : k.voce.empty() ? "." : voce;
        }
        out.push_back(riga);
    }
    return out;
}

std::string puzChiuso(std::string d, const std::vector<size_t>& colonne, int codice) {
    std::string chiare;
    for (size_t i : colonne) chiare += d[0x34 + i];
    const std::string chiuse = cifraLetterePuz(chiare, codice);
    for (size_t j = 0; j < colonne.size(); ++j) d[0x34 + colonne[j]] = chiuse[j];
    const std::uint16_t somma = sommaPuz(chiare);
    d[0x1e] = static_cast<char>(somma & 0xff), d[0x1f] = static_cast<char>(somma >> 8), d[0x32] |= 4;
    return d;
}

}  // namespace quadrivo::prova
