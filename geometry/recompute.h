#pragma once
// The recompute pass: one forward walk brings every element up to date with its parents.

#include "model/construction.h"
#include "model/units.h"

#include <cstdint>
#include <span>
#include <vector>

namespace zeva::geometry {

// What the pass needs from the document and the view (document::contextFor builds it).
struct RecomputeContext {
    model::Construction* construction = nullptr; // the list being recomputed (loci sample it)
    model::DocumentUnits units;                  // pixelsPerUnit is at least 1
    double zoomFactor = 1.0;   // current zoom of the view (segment tolerance of intersections)
    int detectionDistance = 8; // pixels: how near a click must be to a polygon side
    // The visible world rectangle (function graphs take their variable range from it).
    double viewLeft = -512.0;
    double viewTop = 384.0;
    double viewRight = 512.0;
    double viewBottom = -384.0;
    // Side of the plane square centred on the origin (option "Ancho y Alto del plano").
    double planeSize = 3000.0;
    // Drag state: loci are not resampled in some drag cases.
    const model::Element* draggedElement = nullptr;
    bool dragInProgress = false;
    bool dragOfMultipleSelection = false;
    // Element recomputes one locus run may cause, the runs nested in it included. A run that
    // has used them up stops where it is, so loci of loci stay bounded whatever their sizes.
    int64_t locusRunAllowance = 20000000;
};

// Recomputes one element from its parents: its coordinates, `exists`, kind-specific data, the
// text it shows (equations), its parametric colour and, for a locus of a family, its
// instances. The renderer only reads what this leaves.
void recomputeElement(model::Element& e, const RecomputeContext& ctx);

// Every element from the first up to, not including, stopAt (none = all), in list order. Like
// every pass below, it applies the parametric colours and refreshes the families of the
// elements it recomputed after all of them are up to date, since a colour source may come
// after the element it colours.
void recomputeAll(model::Construction& c, const RecomputeContext& ctx,
                  const model::Element* stopAt = nullptr);

// Recomputes the given elements in the given order. A drag gathers the dependents of what it
// moves once, when it starts (model::dependentsOf, construction order), and hands them here on
// every move, so a step costs only those elements, not a walk over the whole list.
void recomputeElements(std::span<model::Element* const> elements, const RecomputeContext& ctx);

} // namespace zeva::geometry
