#pragma once
// A random user over a real document: the interaction logic (no widgets) driven by a seeded
// stream of tool choices, clicks, drags, double clicks, keys, wheel turns, timer ticks, answers
// to the windows the tools open, undo, "Borrar", hide/show, copy, paste and select all (as the
// Edit menu runs them), with the invariants checked every so many events:
//   - nothing crashes (under the sanitizers: no report either);
//   - saving and reading the bytes back gives the dump of the document in memory;
//   - undo followed by undo gives the dump back;
//   - every existing intersection point lies on both of its parents.
// The same seed gives the same events, so a failing seed printed by a run replays it.

#include <cstdint>
#include <string>

namespace zeva::soak {

struct SoakSettings {
    uint32_t seed = 1;
    int64_t events = 100000;
    int64_t checkEvery = 1000;
    std::string document; // the .KDO the user starts from
    // Events kept for the failure message (the last ones before it).
    int historyLength = 12;
};

struct SoakOutcome {
    bool passed = true;
    int64_t events = 0; // events run
    int64_t checks = 0; // invariant checks passed
    // Elements in the document at the checks, fewest and most: the figure the user works on.
    int fewestElements = 0;
    int mostElements = 0;
    // On failure: the seed, the event number, the broken invariant and the last events.
    std::string failure;
};

SoakOutcome runSoak(const SoakSettings& settings);

} // namespace zeva::soak
