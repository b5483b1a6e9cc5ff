#pragma once
// Recording a macro: the part of a construction that leads from the initial elements to the
// final ones, copied with its references held as serials.

#include "document/macro.h"
#include "model/construction.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zeva::macro {

// Longest name or description line a macro file can hold (its strings are at most 999 bytes).
inline constexpr size_t kMaxMacroTextBytes = 999;

enum class MakeProblem {
    None,
    NoInitialElements,
    NoFinalElements,
    NoName,             // "Debe tener un nombre"
    FinalNotDetermined, // "No puede ser un elemento final"
};

struct MadeMacro {
    MakeProblem problem = MakeProblem::None;
    std::optional<document::Macro> macro; // present exactly when problem is None
};

// The macro leading from `initial` (in pick order) to `final`, named `name` (trimmed; cut to
// what a file can hold). The initial list is extended; the body is every determined element
// that is final or that a final element is built on (through parents, tail references,
// polygon vertices and colour sources, stopping at initial elements), copied in construction
// order and numbered after the extended initial list; copies of elements that are not final
// become placeholders (never drawn). A colour source outside the macro is dropped. The
// construction is not changed.
MadeMacro makeMacro(const model::Construction& c, std::span<model::Element* const> initial,
                    std::span<model::Element* const> final, const std::string& name);

// The text cut to what a macro file can hold (kMaxMacroTextBytes characters).
std::string fitForFile(const std::string& text);
// The text trimmed of blanks at both ends and cut to what a macro file can hold.
std::string macroText(const std::string& text);

} // namespace zeva::macro
