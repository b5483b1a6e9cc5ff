#pragma once
// Running a compiled expression on a value stack, with the semantic rules of every operator and
// function: overflow guards, domain checks, the power rules for negative bases and the angle
// unit of trigonometric functions. A result is always finite; every failure is "no value".
//
// A code list is first checked against its value table and turned into prepared steps (an
// operand followed by a two-operand operator becomes one step); code that is evaluated many
// times, such as a graph's function, is prepared once.

#include "expr/operations.h"
#include "expr/tokens.h"
#include "model/element.h"
#include "model/units.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zeva::expr {

struct PreparedStep {
    // One case per operator, so that running a step is a single dispatch.
    enum Op : uint8_t {
        kPush, // push an operand
        kAdd,  // the two values on top
        kSubtract,
        kMultiply,
        kDivide,
        kPower,
        kAddOperand, // the value on top and an operand
        kSubtractOperand,
        kMultiplyOperand,
        kDivideOperand,
        kPowerOperand,
        kFunction, // sign or function `code` on the value on top
        kCall,     // user function `slot` (1-based) on the value on top
        kEnd,
    };
    // No default values: a PreparedCode holds 101 steps and is made for every evaluation, so
    // only the steps in use are written.
    Op op;
    bool variable; // the operand is the function variable (also set on steps without operand)
    int32_t code;  // the function's code
    uint32_t slot; // the operand's value-table slot, or the called function's number
};

// A code list known to fit a value table of `tableSize` entries and `functionCount` functions:
// every operator finds its operands, exactly one value remains, the stack never passes 100.
struct PreparedCode {
    std::array<PreparedStep, kStackSize + 1> steps; // up to and including a kEnd step
    size_t tableSize = 0;
    size_t functionCount = 0;
    bool usesVariable = false;
    std::array<uint32_t, kStackSize + 1> operandSlots; // the table slots the code reads
    size_t operandSlotCount = 0;
};

// Checks `code` (postfix, ending with 0) against the table and function counts; none when it
// does not fit (as read from a damaged file) or is not a valid expression.
std::optional<PreparedCode> prepareCode(std::span<const int32_t> code, size_t tableSize,
                                        size_t functionCount);

// Runs prepared code over valueTable (slot |c| for an operand code c) with the function
// variable `variable`; "F"n calls functions[n - 1] (Función elements) on the value on top.
// angleUnit: the unit trigonometric functions take and give. None on any failure, also for a
// table or function list shorter than the code was prepared for.
std::optional<double> runPrepared(const PreparedCode& prepared, std::span<const double> valueTable,
                                  double variable, std::span<model::Element* const> functions,
                                  model::AngleUnit angleUnit);

// prepareCode and runPrepared in one.
std::optional<double> evaluateCode(std::span<const int32_t> code,
                                   std::span<const double> valueTable, double variable,
                                   std::span<model::Element* const> functions,
                                   model::AngleUnit angleUnit);

// A Función (kind 64) ready to be evaluated at many variable values: its code prepared, its
// operands checked to have values. It reads the function's value table and reference list,
// which must not change while it is in use.
struct PreparedFunction {
    const model::Element* function = nullptr;
    PreparedCode code;
    std::span<const double> table;
    std::span<model::Element* const> functions;
};

// None when the element is not an existing Función, an operand has no value, or its code does
// not fit its table.
std::optional<PreparedFunction> prepareFunction(const model::Element& function);
std::optional<double> evaluatePrepared(const PreparedFunction& f, double variable,
                                       model::AngleUnit angleUnit);

// Evaluates a Función element at `variable`, with the operand values gathered in its value
// table and its own user functions.
std::optional<double> evaluateFunction(const model::Element& function, double variable,
                                       model::AngleUnit angleUnit);

// Compiles and evaluates an expression without operands, variables or user functions. None
// for an empty text, a text longer than 100 characters, or one that does not evaluate.
std::optional<double> evaluateText(std::string_view text, model::AngleUnit angleUnit);

// Number of operand elements among an expression's refs: the refs before the first Función.
int operandCountOf(const model::ExpressionTail& tail);

} // namespace zeva::expr
