#include <iostream>

#include "strumento.h"

// `lessico incroci`, started by the static `lessico`: the same command line.
int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    quadrivo::abilitaIncroci();
    std::vector<std::string> argomenti(argv + 1, argv + argc);
    return quadrivo::eseguiLessico(argomenti, std::cout, std::cerr);
}
