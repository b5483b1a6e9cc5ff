// A short random-user soak on the gallery (an element of every class): a few seeds of a few
// thousand events each, invariants every 500 events. scripts/soak.sh runs the long one.

#include "tests/soak/user_soak.h"

#include <gtest/gtest.h>

namespace zeva::soak {
namespace {

TEST(UserSoak, RandomUserKeepsEveryInvariantOnTheGallery) {
    for (uint32_t seed : {1u, 2u, 3u}) {
        SoakSettings s;
        s.seed = seed;
        s.events = 2000;
        s.checkEvery = 500;
        s.document = std::string(ZEVA_SOURCE_DIR) + "/examples/gallery.kdo";
        const SoakOutcome out = runSoak(s);
        EXPECT_TRUE(out.passed) << out.failure;
        EXPECT_EQ(out.checks, 4);
    }
}

} // namespace
} // namespace zeva::soak
