#pragma once
// The drawing of the current document as the interaction logic uses it: the world/screen
// mapping, the recompute context, the off-screen bitmap and a preview drawn over a copy of it.
// The window's document view implements it on Qt surfaces; tests on recording canvases.

#include "geometry/recompute.h"
#include "render/canvas.h"
#include "render/render_context.h"
#include "render/view_transform.h"

namespace zeva::ui {

class View {
  public:
    virtual ~View() = default;

    virtual const render::ViewTransform& transform() const = 0;
    // What the renderer reads besides the construction (options, the window's state).
    virtual render::RenderContext& renderContext() = 0;
    // The recompute context of the current document with the view's plane and scale.
    virtual geometry::RecomputeContext recomputeContext() = 0;

    // Redraws the off-screen bitmap from the construction as it stands (no recompute) and
    // drops any preview.
    virtual void redraw() = 0;
    // Draws straight onto the off-screen bitmap (the blinking inputs).
    virtual render::Canvas& baseCanvas() = 0;
    // A fresh copy of the off-screen bitmap to draw a preview on; the window shows it until
    // the next redraw or preview. Cheap: the construction is not drawn again.
    virtual render::Canvas& beginPreview() = 0;

    // Moves the visible rectangle (world units) and stores what the document keeps of it.
    virtual void scrollTo(double viewLeft, double viewTop) = 0;
    // Gives the plane (the square the view scrolls in) a new side, in world units.
    virtual void setPlaneSize(double planeSize) = 0;
};

} // namespace zeva::ui
