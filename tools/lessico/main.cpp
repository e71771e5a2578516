#include <unistd.h>

#include <climits>
#include <cstring>
#include <iostream>
#include <string>

#include "strumento.h"

int main(int argc, char** argv) {
    // Puzzles are read with the program's own readers, which need Qt: that command runs in
    // the sibling program, so that every other one keeps the quick start of a binary without Qt.
    if (argc > 1 && std::strcmp(argv[1], "incroci") == 0) {
        char io[PATH_MAX];
        const ssize_t n = ::readlink("/proc/self/exe", io, sizeof io - 1);
        std::string fratello = n > 0 ? std::string(io, std::size_t(n)) : std::string(argv[0]);
        fratello = fratello.substr(0, fratello.rfind('/') + 1) + "lessico-incroci";
        ::execv(fratello.c_str(), argv);
        std::cerr << "lessico: impossibile avviare " << fratello << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    std::ios::sync_with_stdio(false);
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    return quadrivo::eseguiLessico(argomenti, std::cout, std::cerr);
}
