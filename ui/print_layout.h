#pragma once
// The print dialog's rules without widgets: the whole plane in a 340 x 340 preview, the printed
// page as a rectangle on it that the user drags, the plane size and the magnification sliders,
// and the view and scale the page is printed with.
//
// The magnification m is millimetres of paper per world unit: the page covers
// trunc(paper width in mm / m) x trunc(paper height in mm / m) world units.

#include "model/point.h"
#include "render/canvas.h"
#include "render/view_transform.h"

namespace zeva::ui {

inline constexpr int kPreviewSide = 340;
inline constexpr int kSliderMax = 1000;
inline constexpr double kMinMagnification = 0.12;
inline constexpr double kMagnificationRange = 1.0 / 3.0;
inline constexpr double kInitialMagnification = 0.25;
inline constexpr double kPlaneSizeRange = 9000.0;

// What the printer tells about its paper.
struct Paper {
    double widthMm = 210.0;  // printable width in millimetres
    double heightMm = 297.0; // printable height in millimetres
    int widthPx = 4960;      // printable width in printer pixels
    int heightPx = 7014;
};

// The view the page is drawn with on paper.
struct PageView {
    double viewLeft = 0.0;
    double viewTop = 0.0;
    double viewRight = 0.0;
    double viewBottom = 0.0;
    double drawScale = 1.0; // printer pixels per world unit
};

class PrintLayout {
  public:
    // `planeSize` and the view corner are the document's as the window shows it;
    // `screenWidth` sets the smallest plane the slider offers.
    PrintLayout(double planeSize, Point viewCorner, int screenWidth, Paper paper);

    // ---- magnification ("Ampliación :") ----
    double magnification() const { return magnification_; }
    int magnificationPosition() const;
    void setMagnificationPosition(int position); // 0..1000

    // ---- plane size ("Tamaño del plano :") ----
    double planeSize() const { return planeSize_; }
    int planeSizePosition() const;
    void setPlaneSizePosition(int position); // 0..1000

    // ---- paper ----
    const Paper& paper() const { return paper_; }
    void setPaper(const Paper& paper); // after the printer set-up
    int pageWidth() const;             // world units
    int pageHeight() const;

    // ---- the preview ----
    // The whole plane on the preview: left -h, top h, scale 340 / planeSize.
    render::ViewTransform previewTransform() const;
    // Top-left corner of the page rectangle in preview pixels.
    render::IPoint pagePosition() const { return position_; }
    // The page rectangle's far corner (exclusive) in preview pixels.
    render::IPoint pageEnd() const;
    Point pageCorner() const { return corner_; }

    // Dragging the rectangle, in preview pixels. A press strictly inside starts a drag (true);
    // moves carry the rectangle by the mouse's offset, held inside the preview; release ends.
    bool press(render::IPoint at);
    bool move(render::IPoint at); // true when the rectangle moved
    void release() { dragging_ = false; }
    bool dragging() const { return dragging_; }
    bool overPage(render::IPoint at) const;

    // The view the page prints with: its corner is the rectangle's, its extent the page's, and
    // `drawScale` fits the page's width to the paper's pixels.
    PageView pageView() const;

  private:
    double smallestPlane() const;
    void placeFromCorner();
    void clamp();

    double planeSize_;
    Point corner_;
    int screenWidth_;
    Paper paper_;
    double magnification_ = kInitialMagnification;
    render::IPoint position_{0, 0};
    bool dragging_ = false;
    render::IPoint grab_{0, 0};
};

// The number typed in the copies field, 1 when it is not a positive number; at most 999.
int copiesFromText(const std::string& text);

} // namespace zeva::ui
