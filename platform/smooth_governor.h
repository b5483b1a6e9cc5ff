#pragma once
// When to draw smoothly. Antialiased lines and circles cost two to four times the exact pixels,
// which only matters on figures whose lines cross the screen thousands of times over. So a drag
// keeps smooth frames while they are quick; once one of its smooth frames took longer than the
// frame budget, its next frames are drawn with exact pixels, and the first redraw after the drag
// is smooth again.

#include "platform/qt_canvas.h"
#include "render/render_context.h"

#include <chrono>

namespace zeva::platform {

class SmoothGovernor {
  public:
    static constexpr std::chrono::milliseconds kFrameBudget{12};

    // Sets the canvas for the redraw about to be made of `ctx` (smooth when the options ask for
    // it, unless this drag already proved too slow).
    void beforeRedraw(const render::RenderContext& ctx, QtCanvas& canvas);
    // Reports how long that redraw took.
    void afterRedraw(const render::RenderContext& ctx, std::chrono::nanoseconds took);

    bool exactForThisDrag() const { return exactForThisDrag_; }

  private:
    bool exactForThisDrag_ = false;
    bool lastWasSmooth_ = false;
};

} // namespace zeva::platform
