#pragma once
// The element a construction tool would make, following the cursor: drawn over a copy of the
// off-screen bitmap, so the construction is not drawn again on every mouse move.

#include "ui/session.h"

namespace zeva::ui {

// Draws the preview of the active tool for the cursor at `world`; nothing when the tool shows
// none at this step. The regular polygon tool also keeps the side and turn count it shows.
void updatePreview(Session& s, Point world);

// The regular polygon tool's preview with the side and turn count it holds now (its first
// preview, right after the first vertex is given).
void showRegularPolygonPreview(Session& s);

} // namespace zeva::ui
