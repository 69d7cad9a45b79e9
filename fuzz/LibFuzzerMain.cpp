// libFuzzer entry for one number rule, chosen at build time (TSL_FUZZ_RULE).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "NumberRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const numfuzz::Rule* rule = numfuzz::FindRule(TSL_FUZZ_RULE);
    if (!rule) std::abort();
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string fault;
    if (!rule->check(text, &fault)) {
        std::fprintf(stderr, "%s: %s\n", rule->name, fault.c_str());
        std::abort();
    }
    return 0;
}
