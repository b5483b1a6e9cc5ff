#pragma once
// Compiling an expression text into its postfix code list: sign scopes, bracket balancing,
// conversion to postfix (every two-operand operator left-associative, "^" included) and the
// stack-depth validation.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zeva::expr {

// The postfix code list of the text, ending with 0, or none when the text is not a valid
// expression over operandCount operand letters, functionCount user functions and the given
// function type (0..4). A list that would outgrow the 100-entry stacks is refused.
std::optional<std::vector<int32_t>> compileExpression(std::string_view text, int operandCount,
                                                      int functionCount, int functionType);

// The infix steps, exposed for tests: sign scopes and bracket balancing.
void insertSignScopes(std::vector<int32_t>& infix);
void balanceBrackets(std::vector<int32_t>& infix);
// Shunting-yard conversion (without the terminating 0); none on a ")" without its "(", an
// empty result or an operator stack deeper than 100.
std::optional<std::vector<int32_t>> toPostfix(std::span<const int32_t> infix);
// True when every operator finds its operands and exactly one value remains (0 ends the list).
bool isValidPostfix(std::span<const int32_t> postfix);

} // namespace zeva::expr
