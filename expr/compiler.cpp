#include "expr/compiler.h"

#include "expr/tokenizer.h"
#include "expr/tokens.h"

namespace zeva::expr {

namespace {

// Brackets and signs inserted on top of at most 99 tokens stay well below this; anything
// longer can only come from a pathological run of signs and is refused.
constexpr size_t kMaxInfixLength = 3 * kStackSize;

} // namespace

void insertSignScopes(std::vector<int32_t>& infix) {
    for (size_t i = 0; i < infix.size(); ++i) {
        if (infix[i] != code::kSign) continue;
        if (i + 1 < infix.size() && infix[i + 1] == code::kOpen) continue;
        infix.insert(infix.begin() + static_cast<std::ptrdiff_t>(i + 1), code::kOpen);
        // The scope ends before the first later + - * / outside groups opened after the sign.
        size_t close = infix.size();
        int depth = 0;
        for (size_t j = i + 2; j < infix.size(); ++j) {
            const int32_t c = infix[j];
            if (c == code::kOpen) {
                ++depth;
            } else if (c == code::kClose) {
                if (depth > 0) --depth;
            } else if (depth == 0 && (precedenceOf(c) == 1 || precedenceOf(c) == 2)) {
                close = j;
                break;
            }
        }
        infix.insert(infix.begin() + static_cast<std::ptrdiff_t>(close), code::kClose);
        if (infix.size() > kMaxInfixLength) return;
    }
}

void balanceBrackets(std::vector<int32_t>& infix) {
    std::ptrdiff_t opens = 0;
    std::ptrdiff_t closes = 0;
    for (int32_t c : infix) {
        if (c == code::kOpen) ++opens;
        if (c == code::kClose) ++closes;
    }
    if (closes > opens)
        infix.insert(infix.begin(), static_cast<size_t>(closes - opens), code::kOpen);
    if (opens > closes)
        infix.insert(infix.end(), static_cast<size_t>(opens - closes), code::kClose);
}

std::optional<std::vector<int32_t>> toPostfix(std::span<const int32_t> infix) {
    std::vector<int32_t> out;
    std::vector<int32_t> stack;
    out.reserve(infix.size());
    stack.reserve(kStackSize);
    for (int32_t c : infix) {
        if (c < 0) {
            out.push_back(c);
        } else if (c == code::kOpen) {
            if (stack.size() >= static_cast<size_t>(kStackSize)) return std::nullopt;
            stack.push_back(c);
        } else if (c == code::kClose) {
            while (!stack.empty() && stack.back() != code::kOpen) {
                out.push_back(stack.back());
                stack.pop_back();
            }
            if (stack.empty()) return std::nullopt;
            stack.pop_back();
        } else {
            const int p = precedenceOf(c);
            if (p < 0) return std::nullopt;
            while (!stack.empty() && precedenceOf(stack.back()) >= p) {
                out.push_back(stack.back());
                stack.pop_back();
            }
            if (stack.size() >= static_cast<size_t>(kStackSize)) return std::nullopt;
            stack.push_back(c);
        }
    }
    while (!stack.empty()) {
        if (stack.back() != code::kOpen) out.push_back(stack.back());
        stack.pop_back();
    }
    if (out.empty()) return std::nullopt;
    return out;
}

bool isValidPostfix(std::span<const int32_t> postfix) {
    int depth = 0;
    for (int32_t c : postfix) {
        if (c == code::kEnd) break;
        if (c < 0) {
            if (++depth > kStackSize) return false;
        } else if (isBinaryOperator(c)) {
            if (depth < 2) return false;
            --depth;
        } else if (isUnaryOperator(c)) {
            if (depth < 1) return false;
        } else {
            return false;
        }
    }
    return depth == 1;
}

std::optional<std::vector<int32_t>> compileExpression(std::string_view text, int operandCount,
                                                      int functionCount, int functionType) {
    auto infix = tokenize(text, operandCount, functionCount, functionType);
    if (!infix) return std::nullopt;
    insertSignScopes(*infix);
    if (infix->size() > kMaxInfixLength) return std::nullopt;
    balanceBrackets(*infix);
    auto postfix = toPostfix(*infix);
    // The list and its terminating 0 must fit the 100-entry code list.
    if (!postfix || postfix->size() >= static_cast<size_t>(kStackSize)) return std::nullopt;
    if (!isValidPostfix(*postfix)) return std::nullopt;
    postfix->push_back(code::kEnd);
    return postfix;
}

} // namespace zeva::expr
