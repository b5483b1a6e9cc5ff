#pragma once
// What the calculation dialog does with an expression, without its widgets: checking, compiling
// and evaluating the typed text over the picked operands and functions. Redefining an existing
// Cálculo or Función with the result is an edit (edit/redefine.h).

#include "model/construction.h"
#include "model/element.h"
#include "model/units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeva::expr {

// What the dialog has gathered: the text as typed, the picked números (operand letters a, b,
// ... in pick order, at most 22) and Funciones ("f1", "f2", ..., at most 99), and for a
// Función its type 1..4 (0 for a Cálculo or Parámetro).
struct CalculatorInput {
    std::string text;
    std::vector<model::Element*> operands;
    std::vector<model::Element*> functions;
    int functionType = 0;
};

// A compiled expression ready to be stored in a Cálculo or Función: what the factory takes
// (formula, code, value table, the two reference lists, the dimension).
struct CompiledExpression {
    std::string text; // trimmed, as typed
    std::vector<int32_t> code;
    std::vector<double> valueTable; // result, operand values, function slots, constants
    std::vector<model::Element*> operands;
    std::vector<model::Element*> functions;
    int functionType = 0;
    int dimension = 0; // the dimension a Cálculo yields (0..3)
};

// Stores a compiled formula in an element's tail: its text, code and value table, and its
// references (the operands, then the functions it calls), with no serials yet.
void storeFormula(model::ExpressionTail& tail, const std::string& text,
                  const std::vector<int32_t>& code, const std::vector<double>& valueTable,
                  const std::vector<model::Element*>& operands,
                  const std::vector<model::Element*>& functions);

// The text without leading and trailing blanks and control characters.
std::string trimmedExpression(std::string_view text);

// Compiles the input: none when the text does not compile, is too long, or more operands or
// functions are given than letters and calls exist. Operand slots hold the current values of
// operands that have one.
std::optional<CompiledExpression> compileCalculatorInput(const CalculatorInput& input);

// The value of a compiled Cálculo or Parámetro over the operands' current values; none when an
// operand has no value or the evaluation fails.
std::optional<double> evaluateCompiled(const CompiledExpression& compiled,
                                       model::AngleUnit angleUnit);

// Outcome of "evaluate" in the dialog.
enum class CalculatorStatus {
    Empty,   // nothing typed: the result edit is emptied
    TooLong, // more than 100 characters: "La expresión está limitada a 100 caracteres"
    Invalid, // "la expresión no es válida"
    Ready,   // the result can be placed
};

struct CalculatorOutcome {
    CalculatorStatus status = CalculatorStatus::Empty;
    std::string resultText;      // what the result edit shows
    std::optional<double> value; // Cálculo and Parámetro: the value, when there is one
    std::optional<CompiledExpression> compiled;
};

// Evaluate for the tool making `kind` (37 Cálculo, 63 Parámetro, 64 Función): a Función shows
// "f(x)=" + the text; a Cálculo or Parámetro its value with 4 decimals. A Cálculo without value
// shows `noValueText` and can still be placed; a Parámetro without value is invalid.
CalculatorOutcome evaluateCalculator(model::Kind kind, const CalculatorInput& input,
                                     model::AngleUnit angleUnit,
                                     std::string_view noValueText = "no existente");

} // namespace zeva::expr
