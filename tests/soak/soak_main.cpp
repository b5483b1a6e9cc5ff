// zeva_soak: the random-user soak for long runs (scripts/soak.sh runs it under the sanitizers).
//
//   zeva_soak [--seed S] [--seeds N] [--events E] [--check-every C] [--document FILE]
//
// Runs seeds S, S+1, ... S+N-1 (default 1, one seed) with E events each (default 100000) on
// FILE (default examples/gallery.kdo of the source tree), checking the invariants every C
// events (default 1000). Prints one line per seed; on a failure, the seed, the event, the
// broken invariant, the last events and the command that replays it, and exits 1.

#include "tests/soak/user_soak.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    zeva::soak::SoakSettings s;
    s.document = std::string(ZEVA_SOURCE_DIR) + "/examples/gallery.kdo";
    long long seeds = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--seed" && hasValue) s.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else if (a == "--seeds" && hasValue) seeds = std::atoll(argv[++i]);
        else if (a == "--events" && hasValue) s.events = std::atoll(argv[++i]);
        else if (a == "--check-every" && hasValue) s.checkEvery = std::atoll(argv[++i]);
        else if (a == "--document" && hasValue) s.document = argv[++i];
        else {
            std::fprintf(stderr, "usage: zeva_soak [--seed S] [--seeds N] [--events E] "
                                 "[--check-every C] [--document FILE]\n");
            return 2;
        }
    }
    if (s.events < 1 || s.checkEvery < 1 || seeds < 1) return 2;
    long long total = 0;
    const uint32_t first = s.seed;
    for (long long n = 0; n < seeds; ++n) {
        s.seed = first + static_cast<uint32_t>(n);
        const auto start = std::chrono::steady_clock::now();
        const zeva::soak::SoakOutcome out = zeva::soak::runSoak(s);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        total += out.events;
        std::printf("seed %u: %lld events, %lld checks, %d..%d elements, %.1f s: %s\n", s.seed,
                    static_cast<long long>(out.events), static_cast<long long>(out.checks),
                    out.fewestElements, out.mostElements, seconds,
                    out.passed ? "passed" : "FAILED");
        std::fflush(stdout);
        if (!out.passed) {
            std::printf("%s\n", out.failure.c_str());
            return 1;
        }
    }
    std::printf("soak: %lld seeds, %lld events, no findings\n", seeds, total);
    return 0;
}
