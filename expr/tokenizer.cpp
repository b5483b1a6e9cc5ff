#include "expr/tokenizer.h"

#include "expr/tokens.h"
#include "model/units.h"

#include <array>
#include <charconv>
#include <utility>

namespace zeva::expr {

namespace {

struct Name {
    std::string_view text;
    int32_t code;
};

constexpr std::array<Name, 26> kNames{{
    {"+", code::kPlus},      {"-", code::kMinus},     {"*", code::kTimes},   {"/", code::kDivide},
    {"^", code::kPower},     {"(", code::kOpen},      {")", code::kClose},   {"SIN", code::kSin},
    {"COS", code::kCos},     {"TAN", code::kTan},     {"ASIN", code::kAsin}, {"ACOS", code::kAcos},
    {"ATAN", code::kAtan},   {"LN", code::kLn},       {"LOG", code::kLog},   {"ABS", code::kAbs},
    {"SQR", code::kSqr},     {"INT", code::kInt},     {"SGN", code::kSgn},   {"CEIL", code::kCeil},
    {"FLOOR", code::kFloor}, {"ROUND", code::kRound}, {"EXP", code::kExp},   {"SINH", code::kSinh},
    {"COSH", code::kCosh},   {"TANH", code::kTanh},
}};

constexpr bool isSingleCharToken(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '(' || c == ')';
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int32_t> nameCode(std::string_view token) {
    for (const Name& n : kNames)
        if (n.text == token) return n.code;
    return std::nullopt;
}

// "F" followed by digits that read back as the same whole number ("F01" does not).
std::optional<int> functionCallNumber(std::string_view token) {
    if (token.size() < 2 || token.size() > 10 || token[0] != 'F') return std::nullopt;
    const std::string_view digits = token.substr(1);
    for (char c : digits)
        if (!isDigit(c)) return std::nullopt;
    if (digits.size() > 1 && digits[0] == '0') return std::nullopt;
    int n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return n;
}

std::optional<int32_t> variableCode(std::string_view token, int functionType) {
    struct Variable {
        std::string_view name;
        int32_t code;
        int type;
    };
    constexpr std::array<Variable, 4> kVariables{{{"X", code::kVariableX, kYofX},
                                                  {"Y", code::kVariableY, kXofY},
                                                  {"W", code::kVariableW, kRofW},
                                                  {"R", code::kVariableR, kWofR}}};
    for (const Variable& v : kVariables)
        if (token == v.name) return v.type == functionType ? v.code : 0;
    return std::nullopt;
}

} // namespace

std::optional<std::string> prepareExpression(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ' ') continue;
        if (static_cast<unsigned char>(c) >= 128) return std::nullopt;
        out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if (out.empty() || out.size() >= static_cast<size_t>(kMaxExpressionLength)) return std::nullopt;
    return out;
}

std::vector<std::string_view> splitTokens(std::string_view prepared) {
    std::vector<std::string_view> tokens;
    size_t i = 0;
    while (i < prepared.size()) {
        if (isSingleCharToken(prepared[i])) {
            tokens.push_back(prepared.substr(i, 1));
            ++i;
            continue;
        }
        size_t j = i;
        while (j < prepared.size() && !isSingleCharToken(prepared[j]))
            ++j;
        tokens.push_back(prepared.substr(i, j - i));
        i = j;
    }
    return tokens;
}

std::optional<double> parseNumber(std::string_view token) {
    if (token.empty() || token.size() >= static_cast<size_t>(kMaxExpressionLength))
        return std::nullopt;
    std::array<char, kMaxExpressionLength> buf{};
    int separators = 0;
    int digits = 0;
    for (size_t i = 0; i < token.size(); ++i) {
        const char c = token[i];
        if (isDigit(c)) {
            ++digits;
            buf[i] = c;
        } else if (c == '.' || c == ',') {
            ++separators;
            buf[i] = '.'; // a comma is read as a point
        } else {
            return std::nullopt;
        }
    }
    if (separators > 1 || digits == 0) return std::nullopt;
    double value = 0.0;
    const char* first = buf.data();
    const char* last = buf.data() + token.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (ec != std::errc() || end != last) return std::nullopt;
    return value;
}

std::optional<std::vector<int32_t>> tokenize(std::string_view text, int operandCount,
                                             int functionCount, int functionType) {
    if (operandCount < 0 || operandCount > kMaxOperands || functionCount < 0 ||
        functionCount > kMaxFunctions)
        return std::nullopt;
    const auto prepared = prepareExpression(text);
    if (!prepared) return std::nullopt;
    const int32_t firstConstantSlot = operandCount + functionCount + 1;
    int32_t constants = 0;
    std::vector<int32_t> out;
    for (std::string_view token : splitTokens(*prepared)) {
        // 1. Operators, function names and user-function calls.
        if (auto c = nameCode(token)) {
            int32_t code = *c;
            if (code == code::kMinus) {
                const bool sign = out.empty() || (out.back() > 0 && out.back() != code::kClose);
                if (sign) code = code::kSign;
            }
            out.push_back(code);
            continue;
        }
        if (auto n = functionCallNumber(token)) {
            if (*n < 1 || *n > functionCount) return std::nullopt;
            out.push_back(code::kCallBase + *n);
            continue;
        }
        // 2. The function variable, only in a function of the matching type.
        if (auto v = variableCode(token, functionType)) {
            if (*v == 0) return std::nullopt;
            out.push_back(*v);
            continue;
        }
        // 3, 4. Numbers and PI are the next constant.
        if (parseNumber(token) || token == "PI") {
            out.push_back(-(firstConstantSlot + constants));
            ++constants;
            continue;
        }
        // 5. An operand letter in use.
        if (token.size() == 1) {
            const size_t j = kOperandLetters.find(token[0]);
            if (j != std::string_view::npos && static_cast<int>(j) < operandCount) {
                out.push_back(-static_cast<int32_t>(j + 1));
                continue;
            }
        }
        return std::nullopt;
    }
    return out;
}

int countConstants(std::string_view text) {
    const auto prepared = prepareExpression(text);
    if (!prepared) return 0;
    int n = 0;
    for (std::string_view token : splitTokens(*prepared))
        if (token == "PI" || parseNumber(token)) ++n;
    return n;
}

bool fillConstants(std::string_view text, int firstSlot, std::span<double> valueTable) {
    const auto prepared = prepareExpression(text);
    if (!prepared || firstSlot < 0) return false;
    size_t slot = static_cast<size_t>(firstSlot) + 1;
    for (std::string_view token : splitTokens(*prepared)) {
        double value = 0.0;
        if (token == "PI") {
            value = model::kPi;
        } else if (auto v = parseNumber(token)) {
            value = *v;
        } else {
            continue;
        }
        if (slot >= valueTable.size()) return false;
        valueTable[slot++] = value;
    }
    return true;
}

} // namespace zeva::expr
