#include "ui/point_coordinates_logic.h"

#include "edit/edit.h"
#include "edit/factory.h"
#include "expr/evaluator.h"
#include "ui/construction_change.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace zeva::ui {

namespace {

std::string shortNumber(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.10g", v);
    return buffer;
}

double radiansPerUnit(model::AngleUnit angleUnit) {
    switch (angleUnit) {
    case model::AngleUnit::Radian:
        return 1.0;
    case model::AngleUnit::Degree:
        return std::numbers::pi / 180.0;
    case model::AngleUnit::Grad:
        return std::numbers::pi / 200.0;
    }
    return 1.0;
}

} // namespace

PointCoordinatesLogic::PointCoordinatesLogic(Session& session, model::Element* plotted,
                                             model::Element* axes)
    : s_(session), plotted_(plotted), axes_(axes) {
    if (plotted_ && (plotted_->kind != model::Kind::PlottedPoint || !isInDocument(s_, plotted_)))
        plotted_ = nullptr;
    if (axes_ && (axes_->kind != model::Kind::Axes || !isInDocument(s_, axes_))) axes_ = nullptr;
}

std::pair<std::string, std::string> PointCoordinatesLogic::startTexts() const {
    if (!plotted_) return {};
    return {shortNumber(plotted_->x2), shortNumber(plotted_->y2)};
}

std::string PointCoordinatesLogic::angleUnitText() const {
    const document::Document* d = s_.document();
    switch (d ? d->units.angleUnit : model::AngleUnit::Radian) {
    case model::AngleUnit::Radian:
        return "rd";
    case model::AngleUnit::Degree:
        return "°";
    case model::AngleUnit::Grad:
        return "gr";
    }
    return "rd";
}

model::Element* PointCoordinatesLogic::axesToUse(edit::Edit& edit) {
    if (axes_ && isInDocument(s_, axes_)) return axes_;
    const bool none = edit.construction().findAxes().count == 0;
    model::Element* axes = edit::findOrCreateAxes(edit).axes;
    if (none && axes) axes->visible = 0; // axes made only to carry the points stay hidden
    axes_ = axes;
    return axes;
}

PointCoordinatesLogic::Outcome PointCoordinatesLogic::submit(const std::string& first,
                                                             const std::string& second,
                                                             bool firstChanged,
                                                             bool secondChanged) {
    Outcome out;
    document::Document* d = s_.document();
    if (!d) return out;
    const std::optional<double> u = expr::evaluateText(first, d->units.angleUnit);
    if (!u) {
        out.refusedField = 0;
        return out;
    }
    const std::optional<double> v = expr::evaluateText(second, d->units.angleUnit);
    if (!v) {
        out.refusedField = 1;
        return out;
    }
    double x = *u;
    double y = *v;
    if (polar_) {
        const double angle = *v * radiansPerUnit(d->units.angleUnit);
        x = *u * std::cos(angle);
        y = *u * std::sin(angle);
    }
    if (plotted_ && !isInDocument(s_, plotted_)) plotted_ = nullptr;
    edit::Edit change(*d, s_.view().recomputeContext(),
                      count_ == 0 ? edit::UndoStep::Checkpoint : edit::UndoStep::Continue);
    if (plotted_) {
        if (firstChanged || (polar_ && secondChanged)) plotted_->x2 = x;
        if (secondChanged || (polar_ && firstChanged)) plotted_->y2 = y;
        change.changed(*plotted_);
        out.point = plotted_;
        plotted_ = nullptr; // from now on the window makes new points
    } else {
        edit::CreationRequest r;
        r.kind = model::Kind::PlottedPoint;
        r.parent1 = axesToUse(change);
        r.x2 = x;
        r.y2 = y;
        out.point = edit::createElement(change, r);
    }
    change.commit();
    ++count_;
    redrawAndRepaint(s_);
    return out;
}

} // namespace zeva::ui
