#include "edit/clipboard.h"

#include "document/document_file.h"
#include "edit/factory.h"
#include "model/dependencies.h"

#include <unordered_set>
#include <variant>

namespace zeva::edit {

namespace {

using model::Element;
using model::ElementClass;
using model::Kind;

// What a copy takes: the selection and everything it rests on, owners standing for their
// sides and axes.
std::unordered_set<const Element*> takenBy(const model::Construction& c) {
    std::unordered_set<const Element*> taken;
    for (Element* e : c.selectedList()) {
        if (!taken.insert(e).second) continue;
        for (Element* a : model::ancestorsOf(c, *e))
            taken.insert(model::ownerOf(a));
    }
    return taken;
}

// Whether the second position (x2, y2) of an element of this class is where it is shown on the
// plane, chosen by the user and not computed.
bool placedBySecondPosition(ElementClass c) {
    switch (c) {
    case ElementClass::Number:
    case ElementClass::Function:
    case ElementClass::Table:
    case ElementClass::Equation:
    case ElementClass::Coordinates:
    case ElementClass::Property:
    case ElementClass::Button:
        return true;
    case ElementClass::Point:
    case ElementClass::Line:
    case ElementClass::Ray:
    case ElementClass::Segment:
    case ElementClass::Polygon:
    case ElementClass::Circle:
    case ElementClass::Arc:
    case ElementClass::Angle:
    case ElementClass::Locus:
    case ElementClass::Text:
    case ElementClass::Name:
    case ElementClass::Axes:
    case ElementClass::Conic:
    case ElementClass::Intersection:
    case ElementClass::Grid:
    case ElementClass::Bitmap:
        return false;
    }
    return false;
}

void moveFreePosition(Element& e, double dx, double dy) {
    if (e.kind == Kind::FreePoint || e.kind == Kind::Text || e.kind == Kind::Bitmap) {
        e.x1 += dx;
        e.y1 += dy;
    } else if (e.kind == Kind::Name) {
        // A name sits at its element plus an offset: the element moves and the name with it.
        // Only the place of a name that follows nothing is its own.
        auto& name = e.name();
        name.anchorX += dx;
        name.anchorY += dy;
    } else if (placedBySecondPosition(e.elementClass())) {
        e.x2 += dx;
        e.y2 += dy;
    }
}

} // namespace

std::optional<std::vector<uint8_t>> copySelection(document::Document& d) {
    model::Construction& c = d.construction;
    const std::unordered_set<const Element*> taken = takenBy(c);
    if (taken.empty()) return std::nullopt;

    document::Document copy;
    copy.construction = c.copyList(false);
    copy.viewLeft = d.viewLeft;
    copy.viewTop = d.viewTop;
    copy.units = d.units;

    // The copy lists the same elements in the same order: walk both together.
    std::vector<Element*> left;
    Element* original = c.elements;
    for (Element* e : copy.construction) {
        if (!taken.count(original)) {
            left.push_back(e);
        } else if (e->visible != model::kMacroPlaceholder) {
            e->visible = (original->selected == 1 && original->visible == 1) ? 1 : 0;
        }
        original = original->next;
    }
    copy.construction.deleteElements(left);
    copy.construction.setSelectionAll(0);
    return document::documentFileBytes(copy);
}

bool pasteFigure(Edit& edit, const std::vector<uint8_t>& bytes) {
    document::ReadResult read = document::readFileBytes(bytes, document::ReadMode::Any);
    auto* file = std::get_if<document::LoadedFile>(&read);
    if (!file || file->type != document::FileType::Document || file->construction.empty())
        return false;

    document::Document& d = edit.document();
    const double step = kPasteStep * d.pasteCount++;
    const double dx = d.viewLeft - file->viewLeft + step;
    const double dy = d.viewTop - file->viewTop - step;
    std::vector<Element*> pasted;
    for (Element* e : file->construction) {
        moveFreePosition(*e, dx, dy);
        e->selected = e->visible == 1 ? 1 : 0;
        pasted.push_back(e);
    }
    file->construction.traced.clear();
    file->construction.animations.clear();

    d.construction.setSelectionAll(0);
    d.construction.appendList(std::move(file->construction));
    for (Element* e : pasted)
        edit.created(*e);
    return true;
}

Element* pastePicture(Edit& edit, const model::Picture& picture,
                      const settings::Options& options) {
    if (picture.bmp.empty()) return nullptr;
    document::Document& d = edit.document();
    CreationRequest r;
    r.kind = Kind::Bitmap;
    const std::vector<Element*> selected = d.construction.selectedList();
    Element* host = selected.size() == 1 ? selected.front() : nullptr;
    if (host && (host->elementClass() == ElementClass::Point ||
                 host->elementClass() == ElementClass::Segment)) {
        r.parent1 = host;
    } else {
        r.x1 = d.viewLeft;
        r.y1 = d.viewTop;
    }
    CreationInputs in;
    in.picture = &picture;
    return createElement(edit, r, in, options);
}

} // namespace zeva::edit
