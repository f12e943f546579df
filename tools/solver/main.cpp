// Solves the one-column game and writes advisor.bin into the given folder
// (the folder of the game), for the hint to load.

#include <chrono>
#include <cstdio>
#include <string>

#include "Solver.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: solver <folder of the game>\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const auto table = rp::advisor::solveOneColumn();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const std::string path = std::string(argv[1]) + "/advisor.bin";
    const std::string error = table->save(path);
    if (!error.empty()) {
        std::fprintf(stderr, "solver: %s\n", error.c_str());
        return 1;
    }
    std::printf("solver: %s in %.2f s, expected score from the start %.6f\n", path.c_str(),
                seconds, table->startValue());
    return 0;
}
