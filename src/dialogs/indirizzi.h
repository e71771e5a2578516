#pragma once
// Where the help menu's web site and mail go. Change them here and nowhere else.
namespace quadrivo {

inline constexpr const char* sitoAutore = "https://quadrivo.example.org/";
inline constexpr const char* postaAutore = "autore@quadrivo.example.org";

}  // namespace quadrivo
