// Runs every number rule's fuzz check over the seed texts and over variants of each seed (blanks,
// signs, exponents and letters around it), as an ordinary test. Exit status 1 on any fault.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "NumberRules.h"

namespace {

std::vector<std::string> Variants(const std::string& seed) {
    std::vector<std::string> out{seed};
    for (const char* prefix : {" ", "-", "+", "0", "."}) out.push_back(prefix + seed);
    const std::string nul(1, '\0');
    const std::string suffixes[] = {" ", "e", "e9", "e-9", "e99", "e999", "x", "\n", ".5", "0000", nul, nul + "7"};
    for (const std::string& suffix : suffixes) out.push_back(seed + suffix);
    out.push_back(seed + seed);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " SEEDS [RULE]\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 2;
    }
    std::vector<std::string> seeds{""};
    for (std::string line; std::getline(in, line);)
        if (line.rfind("#", 0) != 0) seeds.push_back(line);

    std::size_t count = 0;
    const numfuzz::Rule* rules = numfuzz::Rules(&count);
    int faults = 0;
    std::size_t runs = 0;
    for (std::size_t r = 0; r < count; ++r) {
        if (argc > 2 && rules[r].name != std::string(argv[2])) continue;
        for (const std::string& seed : seeds) {
            for (const std::string& text : Variants(seed)) {
                ++runs;
                std::string fault;
                if (!rules[r].check(text, &fault)) {
                    ++faults;
                    std::cout << rules[r].name << " on \"" << text << "\": " << fault << "\n";
                }
            }
        }
    }
    std::cout << runs << " texts checked, " << faults << " faults\n";
    return faults == 0 ? 0 : 1;
}
