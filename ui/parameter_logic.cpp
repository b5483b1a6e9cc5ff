#include "ui/parameter_logic.h"

#include "edit/edit.h"
#include "expr/evaluator.h"
#include "expr/parameter.h"
#include "expr/value_text.h"
#include "geometry/recompute.h"
#include "model/dependencies.h"
#include "settings/text_table.h"
#include "ui/construction_change.h"
#include "ui/dialog_texts.h"
#include "ui/element_description.h"

namespace zeva::ui {

ParameterLogic::ParameterLogic(Session& session, model::Element& parameter)
    : s_(session), parameter_(&parameter) {
    if (!present()) return;
    model::Element* p = parameter_;
    dependents_ = model::withDependents(s_.document()->construction, {&p, 1});
    opening_ = {value(), minimum(), maximum()};
}

bool ParameterLogic::present() const {
    return parameter_ && parameter_->kind == model::Kind::Parameter &&
           std::holds_alternative<model::ParameterTail>(parameter_->tail) &&
           isInDocument(s_, parameter_);
}

double ParameterLogic::value() const {
    return parameter_->x1;
}
double ParameterLogic::minimum() const {
    return parameter_->parameter().minimum;
}
double ParameterLogic::maximum() const {
    return parameter_->parameter().maximum;
}

std::string ParameterLogic::caption() const {
    std::string text = settings::texts().message(kMsgChangeParameter);
    const std::string name = present() ? nameOf(*parameter_) : std::string();
    if (!name.empty()) text += " " + name;
    return text;
}

ParameterLogic::Texts ParameterLogic::shownTexts() const {
    if (!present()) return {};
    return {expr::fixedText(value(), 2), expr::fixedText(minimum(), 2),
            expr::fixedText(maximum(), 2)};
}

std::optional<int> ParameterLogic::trackPosition() const {
    if (!present()) return std::nullopt;
    return expr::trackBarPosition(value(), minimum(), maximum());
}

void ParameterLogic::write(double value, double minimum, double maximum) {
    parameter_->x1 = value;
    parameter_->parameter().minimum = minimum;
    parameter_->parameter().maximum = maximum;
}

void ParameterLogic::recomputeAndRedraw(bool sliding) {
    // A preview while the window is open: the accepted change is recorded once, on closing.
    geometry::recomputeElements(dependents_, s_.view().recomputeContext());
    render::RenderState& state = s_.view().renderContext().state;
    state.parameterSliding = sliding; // traces follow the slider
    redrawAndRepaint(s_);
    state.parameterSliding = false;
}

void ParameterLogic::slide(int position) {
    if (!present()) return;
    parameter_->x1 = expr::valueAtTrackBar(position, minimum(), maximum());
    recomputeAndRedraw(true);
}

std::optional<ParameterLogic::Field>
ParameterLogic::apply(const std::array<std::optional<std::string>, 3>& typed) {
    if (!present()) return std::nullopt;
    std::array<double, 3> now{value(), minimum(), maximum()};
    const model::AngleUnit angleUnit = s_.document()->units.angleUnit;
    for (int f = Value; f <= Maximum; ++f) {
        if (!typed[f]) continue;
        const std::optional<double> v = expr::evaluateText(*typed[f], angleUnit);
        if (!v) return static_cast<Field>(f);
        now[f] = *v;
    }
    write(now[Value], now[Minimum], now[Maximum]);
    recomputeAndRedraw(false);
    return std::nullopt;
}

void ParameterLogic::restore() {
    if (!present()) return;
    write(opening_[Value], opening_[Minimum], opening_[Maximum]);
    recomputeAndRedraw(false);
}

void ParameterLogic::finish() {
    if (!present()) return;
    const std::array<double, 3> final{value(), minimum(), maximum()};
    if (final == opening_) return;
    // The snapshot must hold the opening state: put it back, take the snapshot, then change.
    write(opening_[Value], opening_[Minimum], opening_[Maximum]);
    geometry::recomputeElements(dependents_, s_.view().recomputeContext());
    edit::Edit change(*s_.document(), s_.view().recomputeContext(), edit::UndoStep::Checkpoint);
    write(final[Value], final[Minimum], final[Maximum]);
    change.changed(*parameter_);
    change.commit();
    redrawAndRepaint(s_);
}

} // namespace zeva::ui
