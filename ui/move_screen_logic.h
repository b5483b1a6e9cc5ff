#pragma once
// "Mover la pantalla" without its widgets: the whole plane in a 340-pixel miniature with the
// visible rectangle on it, dragged within the miniature, and the plane's size on a track bar
// (0..1000). Nothing reaches the view before "OK": "Cancel" simply forgets.

#include "render/view_transform.h"
#include "ui/session.h"

namespace zeva::ui {

inline constexpr int kMiniatureSize = 340;

// A rectangle in miniature pixels.
struct MiniatureRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};

class MoveScreenLogic {
  public:
    explicit MoveScreenLogic(Session& session);

    double planeSize() const { return planeSize_; }
    // The transform that draws the whole plane on the miniature.
    render::ViewTransform miniatureTransform() const;
    // The visible rectangle on the miniature.
    MiniatureRect rectangle() const;

    // A press starts a drag when it is more than 2 pixels inside the rectangle's left and top
    // edges and inside its right and bottom ones.
    bool press(double x, double y);
    void dragTo(double x, double y);
    void release() { dragging_ = false; }
    bool dragging() const { return dragging_; }

    // (planeSize - m) * 1000 / 9000 truncated, m the larger of 1000 and the screen width + 1.
    int trackPosition() const;
    // planeSize = m + position / 1000 * 9000; the rectangle is kept inside the miniature.
    void setTrackPosition(int position);

    bool moved() const { return moved_; }
    bool planeChanged() const { return planeChanged_; }
    // "OK": the view's corner (whole world units) and the plane size go to the view; the
    // document is modified when the view moved.
    void accept();

  private:
    double scale() const { return kMiniatureSize / planeSize_; }
    double smallestPlane() const;
    void keepInside();

    Session& s_;
    double planeSize_;
    Point corner_; // the view's top-left corner, world units
    Point grip_;   // where the press held the rectangle, miniature pixels from its corner
    bool dragging_ = false;
    bool moved_ = false;
    bool planeChanged_ = false;
};

} // namespace zeva::ui
