#include <iostream>

#include "strumento.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    return quadrivo::eseguiLessico(argomenti, std::cout, std::cerr);
}
