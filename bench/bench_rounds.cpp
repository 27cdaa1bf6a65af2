#include "bench/bench_rounds.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int RoundsOrExit(int argc, char** argv, const char* usage) {
    const std::string first = argc > 1 ? argv[1] : "";
    const bool help = first == "--help" || first == "-h";
    if (argc > 2 || help || (!first.empty() && std::atoi(first.c_str()) < 1)) {
        std::fprintf(help ? stdout : stderr, "usage: %s [rounds]   (default 7, at least 1%s", argv[0], usage);
        std::exit(help ? 0 : 2);
    }
    return argc > 1 ? std::atoi(argv[1]) : 7;
}
