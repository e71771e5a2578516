#pragma once
// libzip, loaded the first time a zipped file is read rather than at every start: with the
// libraries it brings (libbz2, libcrypto) it costs each start some milliseconds of mapping
// and relocation, and most runs never open a zip.

#include <zip.h>

#include <string>

namespace quadrivo {

// The name the libzip4 package installs the library under.
inline constexpr const char* nomeLibreriaZip = "libzip.so.4";

// The few libzip functions the readers call.
struct FunzioniZip {
    decltype(&zip_error_init) error_init = nullptr;
    decltype(&zip_error_fini) error_fini = nullptr;
    decltype(&zip_source_buffer_create) source_buffer_create = nullptr;
    decltype(&zip_source_free) source_free = nullptr;
    decltype(&zip_open_from_source) open_from_source = nullptr;
    decltype(&zip_get_num_entries) get_num_entries = nullptr;
    decltype(&zip_stat_index) stat_index = nullptr;
    decltype(&zip_fopen_index) fopen_index = nullptr;
    decltype(&zip_fread) fread = nullptr;
    decltype(&zip_fclose) fclose = nullptr;
    decltype(&zip_discard) discard = nullptr;
};

// Loads the library `nome` and its functions; false, with the reason in `perche` (to follow
// a refusal message), when it is missing or lacks one of them.
bool caricaFunzioniZip(const char* nome, FunzioniZip& funzioni, std::string& perche);

// libzip's functions, loaded at the first call and kept; nullptr, with the reason in
// `perche`, when the library cannot be loaded (asked again at the next call).
const FunzioniZip* funzioniZip(std::string& perche);

}  // namespace quadrivo
