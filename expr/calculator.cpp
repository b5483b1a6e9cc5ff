#include "expr/calculator.h"

#include "expr/compiler.h"
#include "expr/dimension.h"
#include "expr/display_text.h"
#include "expr/evaluator.h"
#include "expr/function_graph.h"
#include "expr/tokenizer.h"
#include "expr/tokens.h"
#include "expr/value_text.h"

#include <algorithm>
#include <cmath>

namespace zeva::expr {

namespace {

bool hasValue(const model::Element* e) {
    return e && e->exists && model::isValidNumber(*e) && std::isfinite(e->x1);
}

} // namespace

void storeFormula(model::ExpressionTail& tail, const std::string& text,
                  const std::vector<int32_t>& code, const std::vector<double>& valueTable,
                  const std::vector<model::Element*>& operands,
                  const std::vector<model::Element*>& functions) {
    tail.expression = text;
    tail.code = code;
    tail.constants = valueTable;
    tail.measureCount = static_cast<int32_t>(operands.size());
    tail.refs = operands;
    tail.refs.insert(tail.refs.end(), functions.begin(), functions.end());
    tail.refIndices.assign(tail.refs.size(), -1);
}

std::string trimmedExpression(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::optional<CompiledExpression> compileCalculatorInput(const CalculatorInput& input) {
    CompiledExpression c;
    c.text = trimmedExpression(input.text);
    if (c.text.size() > static_cast<size_t>(kMaxExpressionLength)) return std::nullopt;
    if (input.operands.size() > static_cast<size_t>(kMaxOperands) ||
        input.functions.size() > static_cast<size_t>(kMaxFunctions))
        return std::nullopt;
    const int v = static_cast<int>(input.operands.size());
    const int f = static_cast<int>(input.functions.size());
    auto code = compileExpression(c.text, v, f, input.functionType);
    if (!code) return std::nullopt;
    c.code = std::move(*code);
    c.valueTable.assign(static_cast<size_t>(1 + v + f + countConstants(c.text)), 0.0);
    if (!fillConstants(c.text, v + f, c.valueTable)) return std::nullopt;
    for (size_t j = 0; j < input.operands.size(); ++j)
        if (hasValue(input.operands[j])) c.valueTable[j + 1] = input.operands[j]->x1;
    c.operands = input.operands;
    c.functions = input.functions;
    c.functionType = input.functionType;
    c.dimension = dimensionOfPair(inferPair(c.code, c.valueTable, c.operands, c.functions));
    return c;
}

std::optional<double> evaluateCompiled(const CompiledExpression& compiled,
                                       model::AngleUnit angleUnit) {
    if (!std::all_of(compiled.operands.begin(), compiled.operands.end(), hasValue))
        return std::nullopt;
    return evaluateCode(compiled.code, compiled.valueTable, 0.0, compiled.functions, angleUnit);
}

CalculatorOutcome evaluateCalculator(model::Kind kind, const CalculatorInput& input,
                                     model::AngleUnit angleUnit, std::string_view noValueText) {
    CalculatorOutcome out;
    const std::string text = trimmedExpression(input.text);
    if (text.size() > static_cast<size_t>(kMaxExpressionLength)) {
        out.status = CalculatorStatus::TooLong;
        return out;
    }
    if (text.empty()) return out;
    CalculatorInput trimmed = input;
    trimmed.text = text;
    if (kind != model::Kind::Function) trimmed.functionType = kCalculation;
    out.compiled = compileCalculatorInput(trimmed);
    if (!out.compiled) {
        out.status = CalculatorStatus::Invalid;
        return out;
    }
    if (kind == model::Kind::Function) {
        out.status = CalculatorStatus::Ready;
        out.resultText = "f(";
        out.resultText += functionVariableName(trimmed.functionType);
        out.resultText += ")=" + text;
        return out;
    }
    out.value = evaluateCompiled(*out.compiled, angleUnit);
    if (out.value) {
        out.status = CalculatorStatus::Ready;
        out.resultText = fixedText(*out.value, 4);
    } else if (kind == model::Kind::Calculation) {
        out.status = CalculatorStatus::Ready;
        out.resultText = std::string(noValueText);
    } else {
        out.status = CalculatorStatus::Invalid;
        out.compiled.reset();
    }
    return out;
}

} // namespace zeva::expr
