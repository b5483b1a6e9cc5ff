#include "app/cli.h"

#include "expr/evaluator.h"

#include <cstdio>

namespace zeva::app {

int runEval(const std::string& expression, model::AngleUnit angleUnit) {
    const auto value = expr::evaluateText(expression, angleUnit);
    if (!value) {
        std::puts("error");
        return 1;
    }
    std::printf("%.17g\n", *value);
    return 0;
}

}  // namespace zeva::app
