#pragma once
// Turning an expression text into infix codes: preparation, splitting into tokens, and the
// classification of every token (names, variables, numbers, PI, operand letters).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zeva::expr {

// Spaces removed and upper case; none for an empty text, one of kMaxExpressionLength
// characters or more, or one holding a byte of 128 or above.
std::optional<std::string> prepareExpression(std::string_view text);

// The tokens of a prepared text: each of "+-*/^()" alone, every maximal run of other
// characters as one token.
std::vector<std::string_view> splitTokens(std::string_view prepared);

// Digits with at most one decimal separator ("." or ","), no sign, no exponent; none otherwise.
std::optional<double> parseNumber(std::string_view token);

// Infix codes of the text, with operandCount operand letters in use (the first ones of
// kOperandLetters), functionCount user functions and the function type (0..4); constants get
// their codes in order of appearance. None when a token cannot be classified.
std::optional<std::vector<int32_t>> tokenize(std::string_view text, int operandCount,
                                             int functionCount, int functionType);

// Number of constants (numbers and "PI") in the text; 0 when the text cannot be prepared.
int countConstants(std::string_view text);

// Writes the text's constants into valueTable from slot firstSlot + 1 on; false (and nothing
// past the table's end written) when the table is too short or the text cannot be prepared.
bool fillConstants(std::string_view text, int firstSlot, std::span<double> valueTable);

} // namespace zeva::expr
