// Random calls of the C interface against simulated cards that fail at
// random, from one or more threads: every result must be one the call may
// give, a -1 from a card must come with its reason, and a refused download
// must leave its card untouched. Run under the sanitizers, it also finds the
// memory errors, undefined behaviour and data races that random calls reach.
#pragma once

#include <cstdint>

struct SCallFuzzRun {
    std::uint64_t seed = 1;
    long calls = 10000;  // in each thread
    int threads = 1;
};

// The number of results that broke a rule; each is printed on stderr.
long RunCallFuzz(const SCallFuzzRun& run);
