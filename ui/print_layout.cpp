#include "ui/print_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zeva::ui {

namespace {

// Slider positions are truncated as the slider shows them; the tiny bias keeps 0.25 at 390 and
// not 389 after the binary fractions round.
int sliderPosition(double value) {
    return std::clamp(static_cast<int>(std::trunc(value + 1e-9)), 0, kSliderMax);
}

} // namespace

PrintLayout::PrintLayout(double planeSize, Point viewCorner, int screenWidth, Paper paper)
    : planeSize_(planeSize), corner_(viewCorner), screenWidth_(screenWidth), paper_(paper) {
    placeFromCorner();
}

int PrintLayout::magnificationPosition() const {
    return sliderPosition((magnification_ - kMinMagnification) * 3.0 * kSliderMax);
}

void PrintLayout::setMagnificationPosition(int position) {
    position = std::clamp(position, 0, kSliderMax);
    magnification_ = kMinMagnification + double(position) / kSliderMax / 3.0;
    clamp();
}

double PrintLayout::smallestPlane() const {
    return screenWidth_ + 1 > 999 ? screenWidth_ + 1.0 : 1000.0;
}

int PrintLayout::planeSizePosition() const {
    return sliderPosition((planeSize_ - smallestPlane()) * kSliderMax / kPlaneSizeRange);
}

void PrintLayout::setPlaneSizePosition(int position) {
    position = std::clamp(position, 0, kSliderMax);
    planeSize_ = smallestPlane() + double(position) / kSliderMax * kPlaneSizeRange;
    placeFromCorner();
}

void PrintLayout::setPaper(const Paper& paper) {
    paper_ = paper;
    clamp();
}

int PrintLayout::pageWidth() const {
    return static_cast<int>(std::trunc(paper_.widthMm / magnification_));
}

int PrintLayout::pageHeight() const {
    return static_cast<int>(std::trunc(paper_.heightMm / magnification_));
}

render::ViewTransform PrintLayout::previewTransform() const {
    render::ViewTransform v;
    const double h = planeSize_ / 2;
    v.viewLeft = -h;
    v.viewTop = h;
    v.viewRight = h;
    v.viewBottom = -h;
    v.drawScale = kPreviewSide / planeSize_;
    v.screenWidth = v.screenHeight = kPreviewSide;
    v.clientWidth = v.clientHeight = kPreviewSide;
    render::setPlaneSize(v, planeSize_);
    render::syncViewEdges(v);
    return v;
}

render::IPoint PrintLayout::pageEnd() const {
    const double scale = kPreviewSide / planeSize_;
    return {position_.x + static_cast<int>(pageWidth() * scale) + 1,
            position_.y + static_cast<int>(pageHeight() * scale) + 1};
}

void PrintLayout::placeFromCorner() {
    position_ = render::worldToScreen(previewTransform(), corner_);
    clamp();
}

// Right and bottom inside the preview first, then left and top at 0 or more, so a page larger
// than the plane sits at the corner.
void PrintLayout::clamp() {
    const double scale = kPreviewSide / planeSize_;
    const int maxX = kPreviewSide - static_cast<int>(pageWidth() * scale);
    const int maxY = kPreviewSide - static_cast<int>(pageHeight() * scale);
    const render::IPoint before = position_;
    position_.x = std::max(0, std::min(position_.x, maxX));
    position_.y = std::max(0, std::min(position_.y, maxY));
    if (position_.x != before.x || position_.y != before.y)
        corner_ = render::screenToWorld(previewTransform(), position_.x, position_.y);
}

bool PrintLayout::overPage(render::IPoint at) const {
    const render::IPoint end = pageEnd();
    return position_.x < at.x && at.x < end.x - 1 && position_.y < at.y && at.y < end.y - 1;
}

bool PrintLayout::press(render::IPoint at) {
    dragging_ = overPage(at);
    if (dragging_) grab_ = {at.x - position_.x, at.y - position_.y};
    return dragging_;
}

bool PrintLayout::move(render::IPoint at) {
    if (!dragging_) return false;
    const render::IPoint before = position_;
    position_ = {at.x - grab_.x, at.y - grab_.y};
    clamp();
    corner_ = render::screenToWorld(previewTransform(), position_.x, position_.y);
    return position_.x != before.x || position_.y != before.y;
}

PageView PrintLayout::pageView() const {
    PageView page;
    page.viewLeft = corner_.x;
    page.viewTop = corner_.y;
    page.viewRight = corner_.x + pageWidth();
    page.viewBottom = corner_.y - pageHeight();
    page.drawScale = pageWidth() > 0 ? double(paper_.widthPx) / pageWidth() : 1.0;
    return page;
}

int copiesFromText(const std::string& text) {
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || n <= 0) return 1;
    return static_cast<int>(std::min(n, 999L));
}

} // namespace zeva::ui
