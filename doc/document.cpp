#include "doc/document.h"

namespace zeva::doc {

Document newDocument(const DocumentDefaults& defaults, int clientWidth, int clientHeight,
                     ScreenSize screen, double drawScale) {
    Document d;
    d.backgroundColor = defaults.backgroundColor;
    d.lengthUnit = defaults.lengthUnit;
    d.angleUnit = defaults.angleUnit;
    d.pixelsPerUnit = defaults.pixelsPerUnit;
    d.coordSystem = defaults.coordSystem;
    d.viewLeft = -(clientWidth / 2.0) * drawScale;
    d.viewTop = (clientHeight / 2.0) * drawScale;
    setViewExtent(d, screen, drawScale);
    return d;
}

void setViewExtent(Document& d, ScreenSize screen, double drawScale) {
    d.viewRight = d.viewLeft + screen.width * drawScale;
    d.viewBottom = d.viewTop - screen.height * drawScale;
}

std::string bareFileName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace zeva::doc
