#include "app/cli.h"

#include <cstdio>

namespace zeva::app {

// Placeholder until the eval command is built.
int runEval(const std::string& expression, int angleUnit) {
    (void)angleUnit;
    std::fprintf(stderr, "zeva: --eval is not available yet (%s)\n", expression.c_str());
    return 70;
}

}  // namespace zeva::app
