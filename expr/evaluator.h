#pragma once
// Running a compiled expression on a value stack, with the semantic rules of every operator and
// function: overflow guards, domain checks, the power rules for negative bases and the angle
// unit of trigonometric functions. A result is always finite; every failure is "no value".

#include "expr/operations.h"
#include "model/element.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zeva::expr {

// Runs `code` (postfix, ending with 0) over valueTable (slot |c| for an operand code c) with
// the function variable `variable`; "F"n calls functions[n - 1] (Función elements) on the
// popped value. angleUnit: 0 RAD, 1 DEG, 2 GRA. None on any failure, including a code list or
// value table that does not fit together (as read from a damaged file).
std::optional<double> evaluateCode(std::span<const int32_t> code,
                                   std::span<const double> valueTable, double variable,
                                   std::span<model::Element* const> functions, int angleUnit);

// Evaluates a Función element (kind 64) at `variable`, with the operand values gathered in its
// value table and its own user functions.
std::optional<double> evaluateFunction(const model::Element& function, double variable,
                                       int angleUnit);

// Compiles and evaluates an expression without operands, variables or user functions. None
// for an empty text, a text longer than 100 characters, or one that does not evaluate.
std::optional<double> evaluateText(std::string_view text, int angleUnit);

// Number of operand elements among an expression's refs: the refs before the first Función.
int operandCountOf(const model::ExpressionTail& tail);

} // namespace zeva::expr
