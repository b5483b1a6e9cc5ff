#include "ui/construction_steps.h"

namespace zeva::ui {

namespace {

using model::Element;
using model::Kind;

// Counted by the list's numbers whether shown or not.
bool isNumbered(const Element& e) {
    return e.kind != Kind::Name && e.exists == 1 && e.visible != 100;
}

template <class Range> std::string namesOf(const Range& elements) {
    std::string out;
    bool first = true;
    for (const Element* e : elements) {
        if (!first) out += ",";
        out += nameOf(e);
        first = false;
    }
    return out;
}

} // namespace

bool isStep(const Element& e, bool includeHidden) {
    return isNumbered(e) && (e.visible != 0 || includeHidden);
}

std::vector<Element*> stepsOf(const model::Construction& c, bool includeHidden) {
    std::vector<Element*> out;
    for (Element* e : c)
        if (isStep(*e, includeHidden)) out.push_back(e);
    return out;
}

std::string nameOf(const Element* e) {
    if (!e || !e->label) return "_";
    if (const auto* name = std::get_if<model::NameTail>(&e->label->tail)) return name->text;
    return "_";
}

std::string stepFirstText(const Element& e, const settings::TextTable& texts) {
    std::string text = texts.kindName(e.kind);
    if (e.kind == Kind::FunctionGraph) {
        if (e.parent1)
            if (const auto* f = std::get_if<model::ExpressionTail>(&e.parent1->tail))
                text += " " + f->expression;
    } else if (e.label) {
        text += " " + nameOf(&e);
    }
    return text;
}

std::string stepSecondText(const Element& e) {
    if (e.kind == Kind::Polygon) {
        std::vector<const Element*> vertices;
        for (const auto& side : e.polygon().sides)
            vertices.push_back(side->parent1);
        return namesOf(vertices);
    }
    if (e.kind == Kind::Calculation || e.kind == Kind::Function)
        return namesOf(e.expression().refs);
    if (e.kind == Kind::Table) return namesOf(e.table().rows);
    if (e.kind == Kind::Conic) return namesOf(e.conic().points);
    if (e.kind == Kind::HideShowButton) return namesOf(e.button().targets);
    if (e.kind == Kind::Text) {
        const auto& lines = e.text().lines;
        if (lines.empty()) return "_";
        return lines.size() > 1 ? lines.front() + "..." : lines.front();
    }
    // Every other kind names its parents.
    std::vector<const Element*> parents;
    for (const Element* p : {e.parent1, e.parent2, e.parent3})
        if (p) parents.push_back(p);
    return namesOf(parents);
}

std::vector<StepItem> constructionList(const model::Construction& c, bool includeHidden,
                                       const settings::TextTable& texts) {
    std::vector<StepItem> items;
    int number = 0;
    for (Element* e : c) {
        if (!isNumbered(*e)) continue;
        ++number;
        if (!isStep(*e, includeHidden)) continue;
        items.push_back({e, number, e->visible == 0, stepFirstText(*e, texts), stepSecondText(*e)});
    }
    return items;
}

std::string constructionListText(const std::vector<StepItem>& items) {
    std::string out;
    for (const StepItem& item : items) {
        out += std::to_string(item.number) + ". " + item.firstText;
        if (!item.secondText.empty()) out += ": " + item.secondText;
        out += "\n";
    }
    return out;
}

} // namespace zeva::ui
