// corvid_fuzz [CALLS [THREADS [SEED]]]: random calls against simulated cards
// (see CallFuzz.h). Exits 1 when a result broke a rule.
#include "CallFuzz.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

template <class Number>
bool Parse(const char* text, Number& value)
{
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    return error == std::errc() && stop == end && value > 0;
}

}  // namespace

int main(int argc, char** argv)
{
    SCallFuzzRun run;
    if ((argc > 1 && !Parse(argv[1], run.calls)) || (argc > 2 && !Parse(argv[2], run.threads)) ||
        (argc > 3 && !Parse(argv[3], run.seed)) || argc > 4) {
        std::fprintf(stderr, "usage: %s [CALLS [THREADS [SEED]]]\n", argv[0]);
        return 2;
    }
    const long broken = RunCallFuzz(run);
    std::printf("%ld calls in each of %d threads, seed %llu: %ld broke a rule\n", run.calls, run.threads,
                static_cast<unsigned long long>(run.seed), broken);
    return broken == 0 ? 0 : 1;
}
