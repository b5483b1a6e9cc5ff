#include "expr/display_text.h"

#include "expr/evaluator.h"
#include "expr/function_graph.h"
#include "expr/tokens.h"
#include "expr/value_text.h"

namespace zeva::expr {

namespace {

constexpr bool isOperatorChar(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '(' || c == ')';
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string expressionDisplayText(const model::Element& e) {
    const auto* tail = std::get_if<model::ExpressionTail>(&e.tail);
    if (!tail) return {};
    std::string text;
    for (char c : tail->expression)
        if (c != ' ') text += c;
    const auto v = static_cast<size_t>(operandCountOf(*tail));
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool alone = (i == 0 || isOperatorChar(text[i - 1])) &&
                           (i + 1 == text.size() || isOperatorChar(text[i + 1]));
        const size_t j = alone ? kOperandLetters.find(upper(c)) : std::string_view::npos;
        if (j != std::string_view::npos && j < v && tail->refs[j]) {
            const std::string_view name = labelTextOf(*tail->refs[j]);
            if (!name.empty()) {
                out += name;
                continue;
            }
        }
        if (c == '*')
            out += "\u00b7";
        else
            out += c;
    }
    return out;
}

std::string functionLabelText(const model::Element& function) {
    std::string text = "f(";
    text += functionVariableName(function.param1);
    text += ")=";
    text += expressionDisplayText(function);
    return text;
}

std::string expressionDescription(const model::Element& e) {
    std::string text;
    if (e.kind == model::Kind::Function) {
        switch (e.param1) {
        case kYofX:
            text = "y = ";
            break;
        case kXofY:
            text = "x = ";
            break;
        case kRofW:
            text = "r = ";
            break;
        case kWofR:
            text = "w = ";
            break;
        default:
            break;
        }
    }
    return text + expressionDisplayText(e);
}

std::string_view checkerText(const model::Element& checker) {
    const auto* tail = std::get_if<model::CheckerTail>(&checker.tail);
    if (!tail) return {};
    return checker.param1 == 1 ? tail->trueText : tail->falseText;
}

} // namespace zeva::expr
