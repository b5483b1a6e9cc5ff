#include "expr/calculation.h"

#include "expr/evaluator.h"

#include <cmath>

namespace zeva::expr {

bool gatherOperandValues(model::Element& e) {
    auto* tail = std::get_if<model::ExpressionTail>(&e.tail);
    if (!tail) return false;
    const int v = operandCountOf(*tail);
    tail->measureCount = v;
    bool valid = true;
    for (int j = 0; j < v; ++j) {
        const model::Element* r = tail->refs[static_cast<size_t>(j)];
        if (!r || !r->exists || !model::isValidNumber(*r) || !std::isfinite(r->x1)) {
            valid = false;
            continue;
        }
        const auto slot = static_cast<size_t>(j + 1);
        if (slot < tail->constants.size()) tail->constants[slot] = r->x1;
    }
    return valid;
}

void recomputeCalculation(model::Element& e, model::AngleUnit angleUnit) {
    const bool valid = gatherOperandValues(e);
    if (e.kind != model::Kind::Calculation) return; // a Función is evaluated where it is used
    auto* tail = std::get_if<model::ExpressionTail>(&e.tail);
    if (!tail || !valid) {
        e.param1 = -100;
        return;
    }
    const auto v = static_cast<size_t>(tail->measureCount);
    const std::span<model::Element* const> functions(tail->refs.data() + v, tail->refs.size() - v);
    const auto value = evaluateCode(tail->code, tail->constants, 0.0, functions, angleUnit);
    if (!value) {
        e.param1 = -100;
        return;
    }
    e.x1 = *value;
    if (!tail->constants.empty()) tail->constants[0] = *value;
    e.param1 = 100;
}

} // namespace zeva::expr
