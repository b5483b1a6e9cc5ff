#include "edit/redefine.h"

#include "expr/dimension.h"
#include "expr/display_text.h"
#include "expr/tokens.h"
#include "model/dependencies.h"

#include <algorithm>

namespace zeva::edit {

namespace {

// The new element: old's appearance and place data, the compiled expression as its tail.
std::unique_ptr<model::Element> replacementFor(const model::Element& old,
                                               const expr::CompiledExpression& compiled) {
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
    expr::storeFormula(e->expression(), compiled.text, compiled.code, compiled.valueTable,
                 compiled.operands, compiled.functions);
    return e;
}

} // namespace

model::Element* redefineExpressionElement(Edit& edit, model::Element& old,
                                          const expr::CompiledExpression& compiled) {
    model::Construction& c = edit.construction();
    const bool isFunction = old.kind == model::Kind::Function;
    if (old.kind != model::Kind::Calculation && !isFunction) return nullptr;
    if (isFunction ? compiled.functionType < expr::kYofX || compiled.functionType > expr::kWofR
                   : compiled.functionType != expr::kCalculation)
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

    model::Element* const gone = &old;
    edit.removing({&gone, 1});
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
            fresh->label->name().text = expr::functionLabelText(*fresh);
    } else {
        bool after = false;
        for (model::Element* e : c) {
            if (e == fresh) after = true;
            if (after && e->kind == model::Kind::Calculation)
                e->dimension = expr::inferDimension(*e);
        }
    }
    edit.recomputeAll();
    return fresh;
}

} // namespace zeva::edit
