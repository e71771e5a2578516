#include "solving/lessico_codici.h"

#include <charconv>

namespace quadrivo {

std::optional<std::vector<int>> leggiCodici(std::string_view testo) {
    std::vector<int> codici;
    while (true) {
        const size_t trattino = testo.find('-');
        const std::string_view pezzo = testo.substr(0, trattino);
        int n = 0;
        const auto [fine, errore] = std::from_chars(pezzo.data(), pezzo.data() + pezzo.size(), n);
        if (pezzo.empty() || errore != std::errc() || fine != pezzo.data() + pezzo.size() || n < 1) return std::nullopt;
        codici.push_back(n);
        if (trattino == std::string_view::npos) return codici;
        testo.remove_prefix(trattino + 1);
    }
}

std::vector<std::uint32_t> paroleCodiciBlocco(std::string_view blocco, const std::vector<int>& codici,
                                              const Maschera& maschera) {
    const size_t n = codici.size();
    std::vector<std::uint32_t> trovate;
    if (n == 0 || (!maschera.empty() && maschera.size() != n)) return trovate;
    // For each position, the first earlier one with the same code (or itself).
    std::vector<size_t> primo(n);
    for (size_t i = 0; i < n; ++i) {
        primo[i] = i;
        for (size_t j = 0; j < i; ++j)
            if (codici[j] == codici[i]) {
                primo[i] = j;
                break;
            }
    }
    const size_t parole = blocco.size() / n;
    for (size_t w = 0; w < parole; ++w) {
        const std::string_view p = blocco.substr(w * n, n);
        bool va = true;
        for (size_t i = 0; va && i < n; ++i) {
            const auto c = static_cast<unsigned char>(p[i]);
            if (!maschera.empty() && !maschera[i].ammette(c))
                va = false;
            else if (primo[i] != i)
                va = p[primo[i]] == p[i];
            else
                for (size_t j = 0; va && j < i; ++j) va = primo[j] != j || p[j] != p[i];
        }
        if (va) trovate.push_back(static_cast<std::uint32_t>(w));
    }
    return trovate;
}

}  // namespace quadrivo
