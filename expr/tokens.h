#pragma once
// The codes of a compiled expression. Operators and functions carry their own character code
// where they have one; operands are negative: the function variable, the operand letters, then
// the user functions' slots and the constants. Code lists end with 0.

#include <cstdint>
#include <string_view>

namespace zeva::expr {

namespace code {
inline constexpr int32_t kEnd = 0;
inline constexpr int32_t kPlus = '+';
inline constexpr int32_t kMinus = '-';
inline constexpr int32_t kTimes = '*';
inline constexpr int32_t kDivide = '/';
inline constexpr int32_t kPower = '^';
inline constexpr int32_t kSign = 'n';
inline constexpr int32_t kOpen = '(';
inline constexpr int32_t kClose = ')';
inline constexpr int32_t kSin = 's';
inline constexpr int32_t kCos = 'c';
inline constexpr int32_t kTan = 't';
inline constexpr int32_t kAsin = 'S';
inline constexpr int32_t kAcos = 'C';
inline constexpr int32_t kAtan = 'T';
inline constexpr int32_t kLn = 'l';
inline constexpr int32_t kLog = 'L';
inline constexpr int32_t kAbs = 'a';
inline constexpr int32_t kSqr = 'q';
inline constexpr int32_t kInt = 'i';
inline constexpr int32_t kSgn = 500;
inline constexpr int32_t kCeil = 501;
inline constexpr int32_t kFloor = 502;
inline constexpr int32_t kRound = 503;
inline constexpr int32_t kExp = 504;
inline constexpr int32_t kSinh = 505;
inline constexpr int32_t kCosh = 506;
inline constexpr int32_t kTanh = 507;
inline constexpr int32_t kCallBase = 1000; // "F"n is kCallBase + n
inline constexpr int32_t kVariableX = -1001;
inline constexpr int32_t kVariableY = -1002;
inline constexpr int32_t kVariableW = -1003;
inline constexpr int32_t kVariableR = -1004;
} // namespace code

// The operand letters in order; the j-th (0-based) has code -(j + 1). R, W, X and Y are the
// function variables and never operand letters.
inline constexpr std::string_view kOperandLetters = "ABCDEFGHIJKLMNOPQSTUVZ";
inline constexpr int kMaxOperands = static_cast<int>(kOperandLetters.size()); // 22
inline constexpr int kMaxFunctions = 99;

// Longest text accepted by the dialogs; the tokenizer refuses kMaxExpressionLength characters
// or more once spaces are removed.
inline constexpr int kMaxExpressionLength = 100;
// Operator stack, validation depth and value stack entries; also the longest code list.
inline constexpr int kStackSize = 100;

// 0 Cálculo (no variable), 1 "y=f(x)", 2 "x=f(y)", 3 "r=f(w)", 4 "w=f(r)" (a Función's param1).
enum FunctionType : int {
    kCalculation = 0,
    kYofX = 1,
    kXofY = 2,
    kRofW = 3,
    kWofR = 4,
};

constexpr bool isFunctionVariable(int32_t c) {
    return c <= code::kVariableX && c >= code::kVariableR;
}

// Precedence in the conversion to postfix; -1 for operands and unknown codes.
constexpr int precedenceOf(int32_t c) {
    switch (c) {
    case code::kPlus:
    case code::kMinus:
        return 1;
    case code::kTimes:
    case code::kDivide:
        return 2;
    case code::kPower:
        return 3;
    case code::kSign:
        return 4;
    case code::kOpen:
        return 0;
    case code::kClose:
        return 99;
    case code::kSin:
    case code::kCos:
    case code::kTan:
    case code::kAsin:
    case code::kAcos:
    case code::kAtan:
    case code::kLn:
    case code::kLog:
    case code::kAbs:
    case code::kSqr:
    case code::kInt:
    case code::kSgn:
    case code::kCeil:
    case code::kFloor:
    case code::kRound:
    case code::kExp:
    case code::kSinh:
    case code::kCosh:
    case code::kTanh:
        return 5;
    default:
        return c > code::kCallBase ? 5 : -1;
    }
}

constexpr bool isBinaryOperator(int32_t c) {
    return c == code::kPlus || c == code::kMinus || c == code::kTimes || c == code::kDivide ||
           c == code::kPower;
}

// Signs, functions and user-function calls: one operand.
constexpr bool isUnaryOperator(int32_t c) {
    const int p = precedenceOf(c);
    return p == 4 || p == 5;
}

} // namespace zeva::expr
