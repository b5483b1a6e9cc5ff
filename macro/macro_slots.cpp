#include "macro/macro_slots.h"

#include "macro/make_macro.h"

#include <algorithm>

namespace zeva::macro {

namespace {

bool holds(const document::Document& d, int index) {
    return index >= 0 && index < static_cast<int>(d.macros.size());
}

} // namespace

document::Macro copyMacro(const document::Macro& m) {
    document::Macro c;
    c.version = m.version;
    c.initialClasses = m.initialClasses;
    c.name = m.name;
    c.description = m.description;
    // Body elements hold serials and no references, so a copy of each record is a copy of the
    // body.
    for (const model::Element* e : m.body)
        c.body.append(model::copyElement(*e));
    return c;
}

int addMacro(document::Document& d, document::Macro&& m) {
    if (static_cast<int>(d.macros.size()) >= document::kMaxMacros) return -1;
    d.macros.push_back(std::move(m));
    document::markModified(d);
    return static_cast<int>(d.macros.size()) - 1;
}

bool renameMacro(document::Document& d, int index, const std::string& answer) {
    const std::string name = macroText(answer);
    if (!holds(d, index) || name.empty()) return false;
    d.macros[static_cast<size_t>(index)].name = name;
    document::markModified(d);
    return true;
}

void describeMacro(document::Document& d, int index, const std::vector<std::string>& lines) {
    if (!holds(d, index)) return;
    std::vector<std::string> description;
    description.reserve(lines.size());
    for (const std::string& line : lines)
        description.push_back(fitForFile(line));
    auto& m = d.macros[static_cast<size_t>(index)];
    if (m.description == description) return;
    m.description = std::move(description);
    document::markModified(d);
}

int deleteMacro(document::Document& d, int index) {
    if (!holds(d, index)) return -1;
    d.macros.erase(d.macros.begin() + index);
    document::markModified(d);
    if (d.macros.empty()) return -1;
    return std::min(index, static_cast<int>(d.macros.size()) - 1);
}

} // namespace zeva::macro
