#include "ui/move_screen_logic.h"

#include "settings/options.h"
#include "ui/construction_change.h"

#include <algorithm>
#include <cmath>

namespace zeva::ui {

namespace {
constexpr int kPlaneTrackSpan = 9000;
constexpr int kTrackMax = 1000;
} // namespace

MoveScreenLogic::MoveScreenLogic(Session& session) : s_(session) {
    const render::ViewTransform& v = s_.view().transform();
    planeSize_ = v.planeSize;
    corner_ = {v.viewLeft, v.viewTop};
}

double MoveScreenLogic::smallestPlane() const {
    return std::max(1000.0, s_.view().transform().screenWidth + 1.0);
}

render::ViewTransform MoveScreenLogic::miniatureTransform() const {
    render::ViewTransform m = s_.view().transform();
    m.drawScale = scale();
    m.screenWidth = m.screenHeight = m.clientWidth = m.clientHeight = kMiniatureSize;
    m.leftInset = m.topInset = 0;
    m.viewLeft = -planeSize_ / 2.0;
    m.viewTop = planeSize_ / 2.0;
    m.viewRight = planeSize_ / 2.0;
    m.viewBottom = -planeSize_ / 2.0;
    render::setPlaneSize(m, planeSize_);
    render::syncViewEdges(m);
    return m;
}

MiniatureRect MoveScreenLogic::rectangle() const {
    const render::ViewTransform& v = s_.view().transform();
    return {(corner_.x + planeSize_ / 2.0) * scale(), (planeSize_ / 2.0 - corner_.y) * scale(),
            v.clientWidth * scale(), v.clientHeight * scale()};
}

bool MoveScreenLogic::press(double x, double y) {
    const MiniatureRect r = rectangle();
    dragging_ = x > r.left + 2 && y > r.top + 2 && x < r.left + r.width && y < r.top + r.height;
    if (dragging_) grip_ = {x - r.left, y - r.top};
    return dragging_;
}

void MoveScreenLogic::dragTo(double x, double y) {
    if (!dragging_) return;
    corner_ = {(x - grip_.x) / scale() - planeSize_ / 2.0,
               planeSize_ / 2.0 - (y - grip_.y) / scale()};
    moved_ = true;
    keepInside();
}

void MoveScreenLogic::keepInside() {
    const MiniatureRect r = rectangle();
    const double left = std::clamp(r.left, 0.0, std::max(0.0, kMiniatureSize - r.width));
    const double top = std::clamp(r.top, 0.0, std::max(0.0, kMiniatureSize - r.height));
    if (left == r.left && top == r.top) return;
    corner_ = {left / scale() - planeSize_ / 2.0, planeSize_ / 2.0 - top / scale()};
    moved_ = true; // put back at the edge: the view moves with it
}

int MoveScreenLogic::trackPosition() const {
    const double p = std::trunc((planeSize_ - smallestPlane()) * kTrackMax / kPlaneTrackSpan);
    return static_cast<int>(std::clamp(p, 0.0, static_cast<double>(kTrackMax)));
}

void MoveScreenLogic::setTrackPosition(int position) {
    position = std::clamp(position, 0, kTrackMax);
    planeSize_ = smallestPlane() + static_cast<double>(position) / kTrackMax * kPlaneTrackSpan;
    planeChanged_ = true;
    keepInside();
}

void MoveScreenLogic::accept() {
    if (planeChanged_) {
        settings::options().planeSize = planeSize_;
        s_.view().setPlaneSize(planeSize_);
    }
    if (moved_) {
        s_.view().scrollTo(std::trunc(corner_.x), std::trunc(corner_.y));
        markModified(s_);
        s_.host.viewMoved();
    }
    if (!planeChanged_ && !moved_) return;
    // What is drawn against the view's edges (grid loci, traces) is drawn anew.
    s_.view().renderContext().state.clearTracesPending = true;
    recomputeAll(s_);
    redrawAndRepaint(s_);
}

} // namespace zeva::ui
