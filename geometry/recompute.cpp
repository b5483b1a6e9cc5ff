#include "geometry/recompute.h"

#include "doc/document.h"

namespace zeva::geometry {

// Placeholders until the recompute pass is built.
RecomputeContext contextFor(doc::Document& document) {
    RecomputeContext ctx;
    ctx.construction = &document.construction;
    ctx.pixelsPerUnit = document.pixelsPerUnit;
    ctx.lengthUnit = document.lengthUnit;
    ctx.angleUnit = document.angleUnit;
    ctx.coordSystem = document.coordSystem;
    ctx.viewLeft = document.viewLeft;
    ctx.viewTop = document.viewTop;
    ctx.viewRight = document.viewRight;
    ctx.viewBottom = document.viewBottom;
    return ctx;
}

void recomputeElement(model::Element&, const RecomputeContext&) {}

void recomputeAll(model::Construction& c, const RecomputeContext& ctx,
                  const model::Element* stopAt) {
    for (model::Element* e : c) {
        if (e == stopAt) break;
        recomputeElement(*e, ctx);
    }
}

void recomputeMarked(model::Construction& c, const RecomputeContext& ctx) {
    for (model::Element* e : c)
        if (e->deleteMark) recomputeElement(*e, ctx);
}

}  // namespace zeva::geometry
