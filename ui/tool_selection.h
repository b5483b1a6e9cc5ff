#pragma once
// Choosing a tool, the edit bar, and the construction in progress being reset.

#include "ui/session.h"

namespace zeva::ui {

// Makes `t` the active tool: clears the selection (not for the hide/show button tool), closes
// the calculation window, resets the construction in progress (undoing the auxiliary points of
// an abandoned construction), sets the cursor, the status text and the acceptance counts.
void selectTool(Session& s, ToolCode t);

// The construction in progress starts again for the same tool: no picks, no parents, the
// tool's acceptance row, blinking stopped, hover cleared, redrawn.
void resetConstruction(Session& s);

// acceptCounts := row, and the selectable mask follows.
void setAcceptCounts(Session& s, const AcceptRow& row);

// Status panel 2: the tool's message, with " - " and the prompt of the tool's present step
// when there is one.
void refreshStatus(Session& s);
// After a language load: the tool's message and its step prompt again, in the new language.
void retranslateStatus(Session& s);
// What refreshStatus shows for the tool as it stands.
std::string statusOf(const ToolState& t);

} // namespace zeva::ui
