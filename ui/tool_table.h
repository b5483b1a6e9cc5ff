#pragma once
// Per-tool facts: the cursor each tool shows and how many inputs of each element class it
// accepts (the rows the tool state starts from whenever the tool is chosen or has finished).

#include "model/kinds.h"
#include "ui/tool_codes.h"

#include <array>
#include <cstdint>

namespace zeva::ui {

// One count per element class: 0 the class cannot be picked, n that many inputs of it.
using AcceptRow = std::array<int16_t, model::kClassCount>;

struct ToolInfo {
    int cursor = cursor::Construct; // cursor number while the tool is active
    AcceptRow accepts{};
};

extern const std::array<ToolInfo, kToolCount> kToolTable;

// The row of a tool; the empty row for codes outside the table.
const AcceptRow& acceptRowOf(ToolCode t);
int cursorOf(ToolCode t);

// What the hit test may report: 1 for every class whose count is above 0.
using SelectableMask = std::array<int32_t, model::kClassCount>;
SelectableMask selectableMaskOf(const AcceptRow& counts);

} // namespace zeva::ui
