#pragma once
// The point-by-coordinates window's rules without its widgets: two typed expressions, read as
// rectangular (x, y) or polar (r, angle in the document's unit) coordinates on a coordinate
// axes element, make a plotted point, or move the plotted point the window was opened on. The
// points made while the window stays open are one undo step.

#include "model/element.h"
#include "ui/session.h"

#include <optional>
#include <string>

namespace zeva::ui {

class PointCoordinatesLogic {
  public:
    // On `plotted` (a Punto representado to move) when given, on `axes` when given.
    PointCoordinatesLogic(Session& session, model::Element* plotted, model::Element* axes);

    bool polar() const { return polar_; }
    void setPolar(bool on) { polar_ = on; }
    // The texts the two fields start with: the coordinates of the point being moved, or empty.
    std::pair<std::string, std::string> startTexts() const;
    // "rd", "°" or "gr": the unit of a polar angle in this document.
    std::string angleUnitText() const;

    struct Outcome {
        std::optional<int> refusedField; // 0 or 1: that field does not evaluate, nothing done
        model::Element* point = nullptr; // the point made or moved
    };
    // "Representar" (or Enter). A moved point takes only the coordinates whose field changed
    // (both in polar mode, where they make one position together); then the window makes new
    // points.
    Outcome submit(const std::string& first, const std::string& second, bool firstChanged,
                   bool secondChanged);

    // Points made or moved since the window opened; the first takes the undo snapshot.
    int count() const { return count_; }

  private:
    model::Element* axesToUse(edit::Edit& edit);

    Session& s_;
    model::Element* plotted_;
    model::Element* axes_;
    bool polar_ = false;
    int count_ = 0;
};

} // namespace zeva::ui
