#include "model/numeri.h"

#include <cmath>
#include <limits>

namespace quadrivo {

namespace {

bool spazio(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Reads the digits of a &H / &O literal. The value wraps like the 16- and 32-bit literals it
// stands for: up to 4 hex digits (6 octal, value <= 0xFFFF) is an Integer, then a Long.
double letteraleBase(std::string_view t, size_t i, int base) {
    unsigned long long v = 0;
    int cifre = 0;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (spazio(c)) continue;
        int d = -1;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        if (d < 0 || d >= base) break;
        if (v > 0xFFFFFFFFull) return std::numeric_limits<double>::infinity();
        v = v * base + d;
        ++cifre;
    }
    if (cifre == 0) return 0;
    if (v > 0xFFFFFFFFull) return std::numeric_limits<double>::infinity();
    if (v <= 0xFFFF) return static_cast<double>(static_cast<std::int16_t>(static_cast<std::uint16_t>(v)));
    return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
}

struct Lettura {
    double v = 0;
    size_t fine = 0;      // index just past the last character consumed
    bool cifre = false;   // at least one digit was read
};

Lettura leggi(std::string_view t) {
    Lettura r;
    size_t i = 0;
    auto salta = [&] { while (i < t.size() && spazio(t[i])) ++i; };
    salta();
    if (i + 1 < t.size() && t[i] == '&') {
        char p = t[i + 1];
        if (p == 'h' || p == 'H' || p == 'o' || p == 'O') {
            int base = (p == 'h' || p == 'H') ? 16 : 8;
            r.v = letteraleBase(t, i + 2, base);
            size_t j = i + 2;
            bool qualche = false;
            for (; j < t.size(); ++j) {
                char c = t[j];
                if (spazio(c)) continue;
                bool ok = (c >= '0' && c <= (base == 16 ? '9' : '7')) ||
                          (base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
                if (!ok) break;
                qualche = true;
            }
            r.fine = j;
            r.cifre = qualche;
            return r;
        }
    }
    bool negativo = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativo = t[i] == '-';
        ++i;
    }
    std::string numero;
    bool punto = false;
    for (; i < t.size(); ++i) {
        char c = t[i];
        if (spazio(c)) continue;
        if (c >= '0' && c <= '9') {
            numero += c;
            r.cifre = true;
        } else if (c == '.' && !punto) {
            numero += c;
            punto = true;
        } else {
            break;
        }
    }
    r.fine = i;
    if (r.cifre && i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        size_t j = i + 1;
        while (j < t.size() && spazio(t[j])) ++j;
        std::string esponente;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) esponente += t[j++];
        bool cifreEsp = false;
        for (; j < t.size(); ++j) {
            char c = t[j];
            if (spazio(c)) continue;
            if (c < '0' || c > '9') break;
            if (esponente.size() < 8) esponente += c;  // beyond this the value is 0 or infinite anyway
            cifreEsp = true;
        }
        if (cifreEsp) {
            numero += 'e';
            numero += esponente;
            r.fine = j;
        } else {
            r.fine = j;  // a bare E or D ends the number without changing it
        }
    }
    if (!r.cifre) return r;
    double v = std::strtod(numero.c_str(), nullptr);
    r.v = negativo ? -v : v;
    return r;
}

}  // namespace

double valore(std::string_view testo) { return leggi(testo).v; }

bool eNumero(std::string_view testo) {
    Lettura r = leggi(testo);
    if (!r.cifre) return false;
    for (size_t i = r.fine; i < testo.size(); ++i)
        if (!spazio(testo[i])) return false;
    return true;
}

std::int16_t intero(double v) {
    if (!std::isfinite(v)) throw ErroreOverflow();
    double n = std::nearbyint(v);  // default rounding mode: halves to even
    if (n < -32768.0 || n > 32767.0) throw ErroreOverflow();
    return static_cast<std::int16_t>(n);
}

std::int32_t interoLungo(double v) {
    if (!std::isfinite(v)) throw ErroreOverflow();
    double n = std::nearbyint(v);
    if (n < -2147483648.0 || n > 2147483647.0) throw ErroreOverflow();
    return static_cast<std::int32_t>(n);
}

std::int16_t somma16(int a, int b) { return intero(static_cast<double>(a) + b); }
std::int16_t prodotto16(int a, int b) { return intero(static_cast<double>(a) * b); }

std::string conSegno(long long n) { return (n >= 0 ? " " : "") + std::to_string(n); }

}  // namespace quadrivo
