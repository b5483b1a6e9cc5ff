// Dragging a constructed point that a locus traces: the point cannot move by itself, so the
// locus's driving point is run along its host to the parameter at which the traced point
// comes nearest the cursor.
#include "ui/drag_locus.h"

#include "geometry/primitives.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zeva::ui {

namespace {

using model::Element;
using model::ElementClass;

constexpr double kSearchReach = 9999.0; // samples farther from the cursor are not considered
constexpr int kTrialSteps = 100;        // trials between the two neighbouring samples

// The driving parameter just past the last sample: a full turn on a circle, the end of the
// 120 samples on a conic, otherwise the last sample's own parameter.
double parameterAfterLast(const Element& host, double last) {
    switch (host.elementClass()) {
    case ElementClass::Circle:
        return geometry::kTwoPi;
    case ElementClass::Conic:
        return model::kConicSampleCount;
    case ElementClass::Point:
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
    case ElementClass::Polygon:
    case ElementClass::Arc:
    case ElementClass::Angle:
    case ElementClass::Locus:
    case ElementClass::Text:
    case ElementClass::Name:
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Axes:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Intersection:
    case ElementClass::Grid:
    case ElementClass::Button:
    case ElementClass::Bitmap:
        return last;
    }
    return last;
}

// The index of the valid sample nearest to c, from the second sample on; -1 when none is
// within reach.
int nearestSample(const model::SampleTail& t, Point c) {
    const int n = std::min<int>(t.sampleCount, static_cast<int>(std::min(
                                                  t.samples.size(), t.sampleColors.size())));
    double best = kSearchReach;
    int found = -1;
    for (int i = 1; i < n; ++i) {
        const auto k = static_cast<size_t>(i);
        if (t.sampleColors[k] == model::kInvalidSample) continue;
        const double d = geometry::dist(t.samples[k], c);
        if (d < best) {
            best = d;
            found = i;
        }
    }
    return found;
}

} // namespace

void moveTracedPoint(DragState& drag, Point c, const geometry::RecomputeContext& ctx) {
    Element* locus = drag.tracingLocus;
    Element* traced = drag.element;
    if (!locus || !traced || locus->kind != model::Kind::Locus) return;
    Element* driving = model::drivingPointOf(locus);
    if (!driving || driving->kind != model::Kind::PointOnElement || !driving->parent1) return;
    const model::SampleTail& t = locus->samples();
    const int i = nearestSample(t, c);
    if (i < 1 || static_cast<size_t>(i) >= t.sampleParams.size()) return;
    const double from = t.sampleParams[static_cast<size_t>(i - 1)];
    const double to = i + 1 < t.sampleCount ? t.sampleParams[static_cast<size_t>(i + 1)]
                                            : parameterAfterLast(*driving->parent1,
                                                                 t.sampleParams[size_t(i)]);
    if (!(from < to)) return;

    // The dependents of the driving point up to the traced point, without the loci it drives
    // (resampling them on every trial would cost a locus each time).
    std::vector<Element*> run;
    for (Element* e : drag.dependents) {
        if (e == driving) continue;
        const bool drivenLocus = e->kind == model::Kind::Locus && e->parent2 &&
                                 model::drivingPointOf(e) == driving;
        if (!drivenLocus) run.push_back(e);
        if (e == traced) break;
    }
    const double kept = driving->y2;
    double bestDistance = std::numeric_limits<double>::infinity();
    double best = kept;
    const double step = (to - from) / kTrialSteps;
    for (int k = 0; k <= kTrialSteps; ++k) {
        const double trial = from + step * k;
        driving->y2 = trial;
        geometry::recomputeElement(*driving, ctx);
        for (Element* e : run)
            geometry::recomputeElement(*e, ctx);
        if (traced->exists != 1) continue;
        const double d = geometry::dist(traced->point(), c);
        if (d < bestDistance) {
            bestDistance = d;
            best = trial;
        }
    }
    driving->y2 = best;
}

} // namespace zeva::ui
