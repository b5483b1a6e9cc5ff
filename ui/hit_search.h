#pragma once
// One run of the hit test, shared by its stages: the cursor, what the active tool accepts, the
// contexts the distance and box tests read, and the candidates found so far. The stages are
// the first pass over the construction (curves, points, texts by box), the ranking that
// narrows the candidates down, and the intersection snap.

#include "geometry/recompute.h"
#include "render/canvas.h"
#include "render/render_context.h"
#include "ui/hit_shapes.h"
#include "ui/session.h"

#include <optional>
#include <vector>

namespace zeva::ui {

struct HitSearch {
    Session& session;
    document::Document& document;
    ToolCode tool;
    const SelectableMask& mask;
    Reach reach;          // the cursor in world units and the detection distance
    render::IPoint pixel; // the cursor in drawing-area pixels
    const render::ViewTransform& view;
    render::RenderContext& render; // read by the text boxes
    render::Canvas& measure;       // text extents (only its font is set)
    geometry::RecomputeContext recompute;

    std::vector<model::Element*> hits;
    std::vector<PolygonSideHit> polygonSides;
    std::optional<UnitMarkHit> unitMark;

    bool accepts(model::ElementClass c) const { return mask[static_cast<size_t>(c)] != 0; }
    bool full() const { return static_cast<int>(hits.size()) >= kMaxHits; }
};

// A search at a world point of the current document `d`, with the active tool's mask.
HitSearch beginSearch(Session& s, document::Document& d, Point world);

// First pass: every shown, existing element of an accepted class near the cursor, in
// construction order, up to kMaxHits. Texts, tables and pictures are left to the second pass.
void collectCandidates(HitSearch& h);
// Second pass: tables, texts and pictures whose box holds the cursor, appended.
void collectBoxedCandidates(HitSearch& h);

// The ranking after the first pass: animation filter, points first, labels first, the second
// pass, selected ones first, the intersection snap, pending inputs out.
void rankCandidates(HitSearch& h);

// Near the crossing of the first two candidates, the crossing itself (a temporary
// intersection element of the session) becomes the only candidate. True when it did.
bool snapToIntersection(HitSearch& h);

} // namespace zeva::ui
