#include "macro/make_macro.h"

#include "macro/initial_list.h"

#include <unordered_map>
#include <unordered_set>

namespace zeva::macro {

using model::Element;

namespace {

using SerialMap = std::unordered_map<const Element*, int32_t>;

// Everything the final elements are built on, not walking through initial elements; owners
// stand for their sides and axes.
std::unordered_set<const Element*> neededBy(std::span<Element* const> final,
                                            std::span<Element* const> extended) {
    std::unordered_set<const Element*> initial(extended.begin(), extended.end());
    std::unordered_set<const Element*> needed;
    std::vector<Element*> pending(final.begin(), final.end());
    auto reach = [&](Element* r) {
        if (!r || initial.count(r)) return;
        Element* owner = model::ownerOf(r);
        if (initial.count(owner) || !needed.insert(owner).second) return;
        pending.push_back(owner);
    };
    while (!pending.empty()) {
        Element* e = pending.back();
        pending.pop_back();
        model::forEachParentRef(*e, [&](Element*& r) { reach(r); });
        reach(e->colorSource);
    }
    return needed;
}

int32_t serialIn(const SerialMap& serials, const Element* r) {
    if (!r) return -1;
    const auto it = serials.find(r);
    return it == serials.end() ? -1 : it->second;
}

// A copy of b whose stored serials follow the macro's numbering and whose references are
// empty, as a macro body holds its elements.
std::unique_ptr<Element> bodyCopy(const Element& b, const SerialMap& serials) {
    std::unique_ptr<Element> c = model::copyElement(b);
    const auto serialOf = [&](const Element* r) {
        return r == c.get() ? serialIn(serials, &b) : serialIn(serials, r);
    };
    const auto storeParents = [&](Element& x, const Element& original) {
        x.serial = serialIn(serials, &original);
        x.parent1Index = serialOf(x.parent1);
        x.parent2Index = serialOf(x.parent2);
        x.parent3Index = serialOf(x.parent3);
    };
    storeParents(*c, b);
    c->colorSourceIndex = serialOf(c->colorSource);
    if (c->colorSourceIndex < 0) c->colorMode = 0; // its source stays behind
    const std::vector<Element*> from = model::subElementsOf(b);
    const std::vector<Element*> to = model::subElementsOf(*c);
    for (size_t i = 0; i < from.size() && i < to.size(); ++i) {
        storeParents(*to[i], *from[i]);
        to[i]->colorSourceIndex = -1;
    }
    model::forEachReferenceList(*c, [&](const auto& refs, auto& stored) {
        if constexpr (requires { stored.resize(refs.size()); }) stored.resize(refs.size());
        for (size_t i = 0; i < refs.size(); ++i)
            stored[i] = serialOf(refs[i]);
    });
    model::remapReferences(*c, [](Element*) -> Element* { return nullptr; });
    return c;
}

} // namespace

std::string fitForFile(const std::string& text) {
    // Files keep a Windows-1252 byte per character; a UTF-8 character that has none is
    // written as one byte too, so counting characters counts bytes.
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (chars == kMaxMacroTextBytes) return text.substr(0, i);
        ++chars;
    }
    return text;
}

std::string macroText(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r\n");
    return fitForFile(text.substr(first, last - first + 1));
}

MadeMacro makeMacro(const model::Construction& c, std::span<Element* const> initial,
                    std::span<Element* const> final, const std::string& name) {
    if (initial.empty()) return {MakeProblem::NoInitialElements, std::nullopt};
    if (final.empty()) return {MakeProblem::NoFinalElements, std::nullopt};
    const std::string trimmed = macroText(name);
    if (trimmed.empty()) return {MakeProblem::NoName, std::nullopt};

    const std::vector<Element*> extended = extendInitialList(initial);
    const std::vector<Element*> determined = determinedElements(c, extended);
    const std::unordered_set<const Element*> finals(final.begin(), final.end());
    {
        const std::unordered_set<const Element*> known(determined.begin(), determined.end());
        for (const Element* f : final)
            if (!known.count(f)) return {MakeProblem::FinalNotDetermined, std::nullopt};
    }
    const std::unordered_set<const Element*> needed = neededBy(final, extended);

    // Initial positions first (the first occurrence of an element names it), then the body
    // with each sub-element right after its owner.
    SerialMap serials;
    serials.reserve(extended.size() + determined.size() * 2);
    for (size_t i = 0; i < extended.size(); ++i)
        if (extended[i]) serials.emplace(extended[i], static_cast<int32_t>(i));
    std::vector<const Element*> body;
    int32_t next = static_cast<int32_t>(extended.size());
    for (Element* e : determined) {
        if (!finals.count(e) && !needed.count(e)) continue;
        body.push_back(e);
        serials.emplace(e, next++);
        for (Element* s : model::subElementsOf(*e))
            serials.emplace(s, next++);
    }

    document::Macro m;
    m.version = 300;
    m.name = trimmed;
    for (const Element* e : initial)
        m.initialClasses.push_back(static_cast<int16_t>(e->elementClass()));
    for (const Element* b : body) {
        std::unique_ptr<Element> copy = bodyCopy(*b, serials);
        if (!finals.count(b)) copy->visible = model::kMacroPlaceholder;
        m.body.append(std::move(copy));
    }
    return {MakeProblem::None, std::move(m)};
}

} // namespace zeva::macro
