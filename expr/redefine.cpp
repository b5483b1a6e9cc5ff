#include "expr/calculator.h"

#include "expr/dimension.h"
#include "expr/display_text.h"
#include "expr/tokens.h"
#include "model/dependencies.h"

#include <algorithm>

namespace zeva::expr {

void storeFormula(model::ExpressionTail& tail, const std::string& text,
                  const std::vector<int32_t>& code, const std::vector<double>& valueTable,
                  const std::vector<model::Element*>& operands,
                  const std::vector<model::Element*>& functions) {
    tail.expression = text;
    tail.code = code;
    tail.constants = valueTable;
    tail.measureCount = static_cast<int32_t>(operands.size());
    tail.refs = operands;
    tail.refs.insert(tail.refs.end(), functions.begin(), functions.end());
    tail.refIndices.assign(tail.refs.size(), -1);
}

namespace {

// The new element: old's appearance and place data, the compiled expression as its tail.
std::unique_ptr<model::Element> replacementFor(const model::Element& old,
                                               const CompiledExpression& compiled) {
    auto e = model::makeElement(old.kind);
    e->x1 = old.x1;
    e->y1 = old.y1;
    e->x2 = old.x2;
    e->y2 = old.y2;
    e->exists = old.exists;
    e->visible = old.visible;
    e->param1 = old.kind == model::Kind::Function ? compiled.functionType : old.param1;
    e->param2 = old.param2;
    e->dimension = old.dimension;
    e->decimals = old.decimals;
    e->color = old.color;
    e->style = old.style;
    e->colorSource = old.colorSource;
    e->colorMode = old.colorMode;
    e->label = old.label;
    if (old.font) e->font = std::make_unique<model::ElementFont>(*old.font);
    storeFormula(e->expression(), compiled.text, compiled.code, compiled.valueTable,
                 compiled.operands, compiled.functions);
    return e;
}

} // namespace

model::Element* redefineExpressionElement(model::Construction& c, model::Element& old,
                                          const CompiledExpression& compiled) {
    const bool isFunction = old.kind == model::Kind::Function;
    if (old.kind != model::Kind::Calculation && !isFunction) return nullptr;
    if (isFunction ? compiled.functionType < kYofX || compiled.functionType > kWofR
                   : compiled.functionType != kCalculation)
        return nullptr;
    if (!std::holds_alternative<model::ExpressionTail>(old.tail)) return nullptr;

    const std::vector<model::Element*> dependents = model::dependentsOf(c, old);
    const auto circular = [&](model::Element* r) {
        return !r || r == &old ||
               std::find(dependents.begin(), dependents.end(), model::ownerOf(r)) !=
                   dependents.end();
    };
    if (std::any_of(compiled.operands.begin(), compiled.operands.end(), circular) ||
        std::any_of(compiled.functions.begin(), compiled.functions.end(), circular))
        return nullptr;

    model::Element* fresh = c.append(replacementFor(old, compiled));
    c.moveAfter(dependents, *fresh); // behind the new element, in their order
    for (model::Element* e : c)
        model::replaceReferences(*e, &old, fresh);
    for (model::Element*& t : c.traced)
        if (t == &old) t = fresh;
    for (model::AnimationEntry& a : c.animations)
        if (a.element == &old) a.element = fresh;
    old.label = nullptr; // the name label now belongs to the new element
    old.colorSource = nullptr;
    c.deleteElement(&old);

    if (isFunction) {
        if (fresh->label && fresh->label->kind == model::Kind::Name)
            fresh->label->name().text = functionLabelText(*fresh);
    } else {
        bool after = false;
        for (model::Element* e : c) {
            if (e == fresh) after = true;
            if (after && e->kind == model::Kind::Calculation) e->dimension = inferDimension(*e);
        }
    }
    return fresh;
}

} // namespace zeva::expr
