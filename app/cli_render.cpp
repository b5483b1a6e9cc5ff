#include "app/cli.h"

#include <cstdio>

namespace zeva::app {

// Placeholder until the render command is built.
int runRender(const RenderRequest& request) {
    std::fprintf(stderr, "zeva: --render is not available yet (%s)\n", request.input.c_str());
    return 70;
}

}  // namespace zeva::app
