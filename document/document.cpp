#include "document/document.h"

namespace zeva::document {

Document newDocument(const DocumentDefaults& defaults, int clientWidth, int clientHeight,
                     ScreenSize screen, double drawScale) {
    Document d;
    d.units = defaults;
    d.viewLeft = -(clientWidth / 2.0) * drawScale;
    d.viewTop = (clientHeight / 2.0) * drawScale;
    setViewExtent(d, screen, drawScale);
    return d;
}

void setViewExtent(Document& d, ScreenSize screen, double drawScale) {
    d.viewRight = d.viewLeft + screen.width * drawScale;
    d.viewBottom = d.viewTop - screen.height * drawScale;
}

void markModified(Document& d) { d.modified = 1; }

geometry::RecomputeContext contextFor(Document& document) {
    geometry::RecomputeContext ctx;
    ctx.construction = &document.construction;
    ctx.units = document.units;
    if (ctx.units.pixelsPerUnit <= 0) ctx.units.pixelsPerUnit = 40;
    ctx.viewLeft = document.viewLeft;
    ctx.viewTop = document.viewTop;
    ctx.viewRight = document.viewRight;
    ctx.viewBottom = document.viewBottom;
    return ctx;
}

std::string bareFileName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace zeva::document
