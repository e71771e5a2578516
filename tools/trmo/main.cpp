#include <iostream>

#include "trmo.h"

int main(int argc, char** argv) {
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    return quadrivo::eseguiTrmo(argomenti, std::cout, std::cerr);
}
