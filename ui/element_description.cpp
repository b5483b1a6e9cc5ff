#include "ui/element_description.h"

#include "expr/display_text.h"
#include "settings/text_table.h"

namespace zeva::ui {

std::string nameOf(const model::Element& e) {
    if (!e.label || e.label->kind != model::Kind::Name) return {};
    return e.label->name().text;
}

std::string elementDescription(const model::Element& e) {
    std::string text = settings::texts().kindName(e.kind);
    if (e.kind == model::Kind::FunctionGraph) {
        if (e.parent1 && e.parent1->kind == model::Kind::Function)
            text += " " + expr::expressionDisplayText(*e.parent1);
        return text;
    }
    const std::string name = nameOf(e);
    if (!name.empty()) text += " " + name;
    return text;
}

} // namespace zeva::ui
