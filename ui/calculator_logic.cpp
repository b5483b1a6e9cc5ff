#include "ui/calculator_logic.h"

#include "edit/edit.h"
#include "edit/factory.h"
#include "edit/redefine.h"
#include "expr/display_text.h"
#include "expr/evaluator.h"
#include "expr/function_graph.h"
#include "expr/tokens.h"
#include "model/dependencies.h"
#include "render/text_boxes.h"
#include "render/view_transform.h"
#include "settings/text_table.h"
#include "ui/construction_change.h"
#include "ui/dialog_texts.h"
#include "ui/tool_selection.h"

#include <algorithm>

namespace zeva::ui {

namespace {

constexpr std::string_view kOperandLetters = "ABCDEFGHIJKLMNOPQSTUVZ";
static_assert(kOperandLetters.size() == kCalculatorMaxOperands);

bool contains(const std::vector<model::Element*>& list, const model::Element* e) {
    return std::find(list.begin(), list.end(), e) != list.end();
}

} // namespace

TextInsertion insertAtCaret(std::string_view text, size_t caret, std::string_view inserted) {
    caret = std::min(caret, text.size());
    TextInsertion out;
    out.text = std::string(text.substr(0, caret)) + std::string(inserted);
    out.caret = out.text.size();
    const bool atEnd = caret == text.size();
    const bool beforeClosing = !atEnd && text[caret] == ')';
    if (!inserted.empty() && inserted.back() == '(' && (atEnd || beforeClosing)) out.text += ')';
    out.text += text.substr(caret);
    return out;
}

std::string insertionButtonText(std::string_view button, bool arc) {
    const bool trigonometric = button == "sin" || button == "cos" || button == "tan";
    std::string out = arc && trigonometric ? "a" : "";
    out += button;
    static constexpr std::string_view kCalls[] = {"sin", "cos", "tan", "log",
                                                  "ln",  "sqr", "abs", "int"};
    if (std::find(std::begin(kCalls), std::end(kCalls), button) != std::end(kCalls)) out += '(';
    return out;
}

std::string operandLetter(size_t index) {
    if (index >= kOperandLetters.size()) return {};
    return std::string(1, static_cast<char>(kOperandLetters[index] - 'A' + 'a'));
}

model::Kind CalculatorLogic::kind() const {
    switch (tool_) {
    case tool::Parameter:
        return model::Kind::Parameter;
    case tool::Function:
        return model::Kind::Function;
    }
    return model::Kind::Calculation;
}

std::string CalculatorLogic::functionTypeText(int type) {
    const std::string v(expr::functionVariableName(type));
    static constexpr std::string_view kResult[] = {"", "y", "x", "r", "w"};
    if (v.empty()) return {};
    return std::string(kResult[type]) + "=f(" + v + ")";
}

std::string CalculatorLogic::variableName() const {
    return std::string(expr::functionVariableName(functionType_));
}

void CalculatorLogic::open(int tool, model::Element* existing) {
    tool_ = tool;
    open_ = true;
    operands_.clear();
    functions_.clear();
    excluded_.clear();
    ready_.reset();
    loadedText_.clear();
    redefining_ = nullptr;
    const bool redefinable =
        existing && isInDocument(s_, existing) &&
        (existing->kind == model::Kind::Calculation || existing->kind == model::Kind::Function) &&
        std::holds_alternative<model::ExpressionTail>(existing->tail);
    if (redefinable) {
        redefining_ = existing;
        tool_ = existing->kind == model::Kind::Function ? tool::Function : tool::Calculate;
        const model::ExpressionTail& t = existing->expression();
        const auto v = static_cast<size_t>(
            std::clamp<int>(expr::operandCountOf(t), 0, static_cast<int>(t.refs.size())));
        operands_.assign(t.refs.begin(), t.refs.begin() + static_cast<std::ptrdiff_t>(v));
        functions_.assign(t.refs.begin() + static_cast<std::ptrdiff_t>(v), t.refs.end());
        if (existing->kind == model::Kind::Function && existing->param1 >= expr::kYofX &&
            existing->param1 <= expr::kWofR)
            functionType_ = existing->param1;
        loadedText_ = t.expression;
        excluded_ = model::dependentsOf(s_.document()->construction, *existing);
        excluded_.push_back(existing);
    }
    showMarks();
}

void CalculatorLogic::close() {
    if (!open_) return;
    open_ = false;
    render::RenderState& state = s_.view().renderContext().state;
    state.calculationDialogVisible = false;
    state.pickedNumbers.clear();
    state.pickedFunctions.clear();
    redefining_ = nullptr;
    excluded_.clear();
    redrawAndRepaint(s_);
}

void CalculatorLogic::setFunctionType(int type) {
    if (type < expr::kYofX || type > expr::kWofR) return;
    functionType_ = type;
    clear();
}

void CalculatorLogic::dropMissing() {
    // An undo, a deletion or another document may have taken picked elements away.
    const auto gone = [this](model::Element* e) { return !isInDocument(s_, e); };
    std::erase_if(operands_, gone);
    std::erase_if(functions_, gone);
    std::erase_if(excluded_, gone);
    if (redefining_ && gone(redefining_)) redefining_ = nullptr;
}

void CalculatorLogic::showMarks() {
    render::RenderState& state = s_.view().renderContext().state;
    state.calculationDialogVisible = open_;
    state.pickedNumbers.assign(operands_.begin(), operands_.end());
    state.pickedFunctions.assign(functions_.begin(), functions_.end());
    redrawAndRepaint(s_);
}

model::AngleUnit CalculatorLogic::angleUnit() const {
    const document::Document* d = s_.document();
    return d ? d->units.angleUnit : model::AngleUnit::Radian;
}

std::optional<std::string> CalculatorLogic::pick(model::Element& e) {
    if (!open_ || !s_.document()) return std::nullopt;
    dropMissing();
    if (contains(excluded_, &e) || contains(excluded_, model::ownerOf(&e))) return std::nullopt;
    std::optional<std::string> inserted;
    if (e.elementClass() == model::ElementClass::Function) {
        auto at = std::find(functions_.begin(), functions_.end(), &e);
        if (at == functions_.end()) {
            if (functions_.size() >= kCalculatorMaxFunctions) return std::nullopt;
            functions_.push_back(&e);
            at = functions_.end() - 1;
        }
        inserted = "f" + std::to_string(at - functions_.begin() + 1) + "(";
    } else if (e.elementClass() == model::ElementClass::Number) {
        auto at = std::find(operands_.begin(), operands_.end(), &e);
        if (at == operands_.end()) {
            if (operands_.size() >= kCalculatorMaxOperands) return std::nullopt;
            operands_.push_back(&e);
            at = operands_.end() - 1;
        }
        inserted = operandLetter(static_cast<size_t>(at - operands_.begin()));
    }
    if (inserted) {
        ready_.reset();
        showMarks();
    }
    return inserted;
}

void CalculatorLogic::textEdited() {
    ready_.reset();
}

void CalculatorLogic::clear() {
    operands_.clear();
    functions_.clear();
    ready_.reset();
    if (open_) showMarks();
}

CalculatorAnswer CalculatorLogic::evaluate(const std::string& text) {
    CalculatorAnswer answer;
    ready_.reset();
    dropMissing();
    if (!s_.document()) return answer;
    const expr::CalculatorInput input{text, operands_, functions_, functionType()};
    expr::CalculatorOutcome outcome = expr::evaluateCalculator(
        kind(), input, angleUnit(), settings::texts().message(settings::kMsgNotExisting));
    answer.status = outcome.status;
    answer.resultText = outcome.resultText;
    switch (outcome.status) {
    case expr::CalculatorStatus::Empty:
        // Nothing to evaluate: said, so that Enter on an empty edit is not taken for a success.
        answer.messageSlot = kMsgExpressionInvalid;
        return answer;
    case expr::CalculatorStatus::TooLong:
        answer.messageSlot = kMsgExpressionTooLong;
        return answer;
    case expr::CalculatorStatus::Invalid:
        answer.messageSlot = kMsgExpressionInvalid;
        return answer;
    case expr::CalculatorStatus::Ready:
        break;
    }
    if (!redefining_) {
        ready_ = std::move(outcome);
        return answer;
    }
    edit::Edit change(*s_.document(), s_.view().recomputeContext(), edit::UndoStep::Checkpoint);
    model::Element* fresh =
        edit::redefineExpressionElement(change, *redefining_, *outcome.compiled);
    change.commit();
    if (!fresh) {
        answer.status = expr::CalculatorStatus::Invalid;
        answer.resultText.clear();
        answer.messageSlot = kMsgInvalidRedefinition;
        return answer;
    }
    answer.redefined = true;
    redefining_ = fresh;
    excluded_ = model::dependentsOf(s_.document()->construction, *fresh);
    excluded_.push_back(fresh);
    showMarks();
    return answer;
}

model::Element* CalculatorLogic::place(Point world) {
    dropMissing();
    document::Document* d = s_.document();
    if (!ready_ || !ready_->compiled || !d) return nullptr;
    // The operands still stand for the letters: a missing one makes the result unplaceable.
    if (ready_->compiled->operands.size() != operands_.size() ||
        ready_->compiled->functions.size() != functions_.size()) {
        ready_.reset();
        return nullptr;
    }
    const model::Kind k = kind();
    edit::CreationRequest request;
    request.kind = k;
    request.x2 = world.x;
    request.y2 = world.y;
    edit::CreationInputs inputs = edit::inputsFor(*ready_->compiled, k);
    inputs.activeTool = tool_;
    inputs.parameterValue = ready_->value.value_or(0.0);
    model::Element* made = nullptr;
    {
        edit::Edit change(*d, s_.view().recomputeContext(), edit::UndoStep::Checkpoint);
        made = edit::createElement(change, request, inputs);
        if (made && k == model::Kind::Function) {
            edit::CreationRequest name;
            name.kind = model::Kind::Name;
            name.parent1 = made;
            edit::CreationInputs nameInputs;
            nameInputs.nameText = expr::functionLabelText(*made);
            nameInputs.lastClick = world;
            edit::createElement(change, name, nameInputs);
        }
        change.commit();
    }
    ready_.reset();
    if (!made) return nullptr;
    // Centre the text on the click now that it can be measured.
    render::RenderContext& ctx = s_.view().renderContext();
    if (const auto box = render::textBoxOf(ctx, s_.view().baseCanvas(), *made)) {
        const render::ViewTransform& t = s_.view().transform();
        const Point a = render::screenToWorld(t, box->left, box->top);
        const Point b = render::screenToWorld(t, box->right, box->bottom);
        edit::Edit shift(*d, s_.view().recomputeContext(), edit::UndoStep::Continue);
        made->x2 += world.x - (a.x + b.x) / 2.0;
        made->y2 += world.y - (a.y + b.y) / 2.0;
        shift.changedWithoutRecompute();
        shift.commit();
    }
    selectTool(s_, tool::Move); // hides the window
    redrawAndRepaint(s_);
    return made;
}

} // namespace zeva::ui
