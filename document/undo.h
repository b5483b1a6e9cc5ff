#pragma once
// One step of history per document: a deep copy of the construction taken just before a change,
// exchanged with the live construction by undo (a second undo exchanges them back).

#include "document/document.h"

namespace zeva::document {

// Replaces the snapshot with a copy of the live construction, its trace list and its animation
// list (pointing at the copies), and remembers `modified`. Sets undoAvailable.
void checkpoint(Document& d);

// Exchanges the live construction, traces, animations and `modified` with the snapshot. Does
// nothing and answers false while no snapshot has been taken. The file name, the view and the
// document options are not touched.
bool undo(Document& d);

// Forgets the history (a new or freshly read document).
void clearHistory(Document& d);

} // namespace zeva::document
