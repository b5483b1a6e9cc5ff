#include "app/cli.h"

#include <cstdio>

namespace zeva::app {

// Placeholder until the dump command is built.
int runDump(const std::string& path) {
    std::fprintf(stderr, "zeva: --dump is not available yet (%s)\n", path.c_str());
    return 70;
}

}  // namespace zeva::app
