#pragma once
// The calculation window's rules without its widgets: the operands and functions picked in the
// figure, the text inserted by its buttons, evaluating, placing the result as a new Cálculo,
// Parámetro or Función, and redefining an existing Cálculo or Función in place.

#include "expr/calculator.h"
#include "model/element.h"
#include "model/point.h"
#include "ui/session.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeva::ui {

inline constexpr int kCalculatorMaxOperands = 22;
inline constexpr int kCalculatorMaxFunctions = 99;

// An expression edit after an insertion: its text and where the caret is left.
struct TextInsertion {
    std::string text;
    size_t caret = 0;
};

// Inserts `inserted` at `caret` (a byte offset, clamped to the text). A text ending with "("
// inserted at the end or just before a ")" gets its ")" at once, and the caret is left between
// the brackets.
TextInsertion insertAtCaret(std::string_view text, size_t caret, std::string_view inserted);

// The text an insertion button puts in: its own text, with "arc" the inverse of sin, cos and
// tan ("asin(", ...); `variable` for the variable button.
std::string insertionButtonText(std::string_view button, bool arc);

// The letter of the operand at `index` (0-based): "a", "b", ... along "ABCDEFGHIJKLMNOPQSTUVZ".
std::string operandLetter(size_t index);

// What "evaluate" gives the window: the result edit's text, whether the result can be placed,
// and the message to show (a message slot of the text table, none when there is nothing to say).
struct CalculatorAnswer {
    expr::CalculatorStatus status = expr::CalculatorStatus::Empty;
    std::string resultText;
    std::optional<int> messageSlot;
    bool redefined = false; // the element the window was opened on was replaced
};

class CalculatorLogic {
  public:
    explicit CalculatorLogic(Session& session) : s_(session) {}

    // Opens for tool 40 (Cálculo), 41 (Parámetro) or 42 (Función), empty or on an existing
    // Cálculo or Función whose lists, type and text are loaded. The figure shows the operand
    // marks while the window is open.
    void open(int tool, model::Element* existing);
    // The window closed or hid: the marks go.
    void close();
    bool isOpen() const { return open_; }

    int tool() const { return tool_; }
    model::Kind kind() const;
    // 1 "y=f(x)", 2 "x=f(y)", 3 "r=f(w)", 4 "w=f(r)" for a Función; 0 otherwise.
    int functionType() const { return kind() == model::Kind::Function ? functionType_ : 0; }
    // Choosing a type clears the window.
    void setFunctionType(int type);
    // "x", "y", "w" or "r" by the function type.
    std::string variableName() const;
    // "y=f(x)" ... by the function type.
    static std::string functionTypeText(int type);

    // The expression loaded on opening (empty for a new element).
    const std::string& loadedText() const { return loadedText_; }
    model::Element* redefining() const { return redefining_; }

    // A click on `e` in the figure: the text to insert at the caret ("a", "f1("), none when the
    // pick is ignored (a full list, an element that is not a value or function, the element
    // being redefined or something built on it).
    std::optional<std::string> pick(model::Element& e);
    const std::vector<model::Element*>& operands() const { return operands_; }
    const std::vector<model::Element*>& functions() const { return functions_; }

    // The expression was edited: the result no longer stands for it.
    void textEdited();
    // "C": lists and result emptied.
    void clear();

    // "Evaluate" on the typed text. On an element being redefined a result replaces it at once.
    CalculatorAnswer evaluate(const std::string& text);
    bool ready() const { return ready_.has_value(); }

    // Places the ready result as a new element centred on the world point; the tool goes back
    // to "Mover, editar". Answers the new element, none when nothing was ready.
    model::Element* place(Point world);

  private:
    void dropMissing();
    void showMarks();
    model::AngleUnit angleUnit() const;

    Session& s_;
    bool open_ = false;
    int tool_ = 40;
    int functionType_ = 1;
    std::string loadedText_;
    model::Element* redefining_ = nullptr;
    std::vector<model::Element*> excluded_; // the redefined element and what is built on it
    std::vector<model::Element*> operands_;
    std::vector<model::Element*> functions_;
    std::optional<expr::CalculatorOutcome> ready_;
};

} // namespace zeva::ui
