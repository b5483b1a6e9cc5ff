#pragma once
// What the options windows ask of the main window while they are open and when they close.

#include <functional>

namespace zeva::ui {

struct OptionsHooks {
    // Colours changed while the window is open (or were put back by "Cancel"): take the options
    // and the document's background again, redraw and repaint.
    std::function<void()> redraw;
    // "OK" stored new options: take them again (plane size, background, the units and decimals
    // shown, smoothing, fonts), clear the trace layer, refresh the status bar, recompute and
    // redraw.
    std::function<void()> applied;
};

} // namespace zeva::ui
