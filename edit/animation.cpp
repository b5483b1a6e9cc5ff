// The animation list of a document and the step the clock asks for.
#include "edit/animation.h"

#include "document/document.h"
#include "geometry/point_on_element.h"

#include <algorithm>
#include <span>

namespace zeva::edit {

namespace {

using model::Element;
using model::Kind;

// The moved elements and everything built on them, in construction order: what one step
// recomputes. Gathered afresh at every step, since the window may have changed the figure
// between two steps; the marks it borrows are cleared before it answers.
std::vector<Element*> withDependents(model::Construction& c, std::span<Element* const> moved) {
    c.clearDeleteMarks();
    for (Element* e : moved) {
        c.markDependents(e);
        e->deleteMark = 1;
    }
    std::vector<Element*> out = geometry::markedElements(c);
    c.clearDeleteMarks();
    return out;
}

} // namespace

int32_t clampedSpeed(int64_t speed) {
    return static_cast<int32_t>(std::clamp<int64_t>(speed, kMinAnimationSpeed, kMaxAnimationSpeed));
}

double stepLength(const model::AnimationEntry& entry) {
    // A speed from a damaged file must not fling the element across the plane.
    const double root = clampedSpeed(entry.speed) * 0.1;
    return entry.backward == 1 ? -root * root : root * root;
}

bool canBeAnimated(const model::Element& e) {
    if (e.kind == Kind::PointOnElement)
        return e.parent1 && geometry::carriesPointsOn(e.parent1->elementClass());
    return e.kind == Kind::LineThroughPoint || e.kind == Kind::RayFromPoint ||
           e.kind == Kind::CircleByCentre || e.kind == Kind::Parameter;
}

bool dropUnanimatable(model::Construction& c) {
    auto& list = c.animations;
    const auto gone = std::remove_if(list.begin(), list.end(), [](const model::AnimationEntry& a) {
        return !a.element || !canBeAnimated(*a.element);
    });
    const bool dropped = gone != list.end();
    list.erase(gone, list.end());
    return dropped;
}

std::optional<size_t> animationIndexOf(const model::Construction& c, const model::Element& e) {
    const auto& list = c.animations;
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].element == &e) return i;
    return std::nullopt;
}

std::optional<size_t> addOrRestartAnimation(model::Construction& c, model::Element& e) {
    if (!canBeAnimated(e)) return std::nullopt;
    if (const auto i = animationIndexOf(c, e)) {
        c.animations[*i].playing = 1;
        return i;
    }
    if (c.animations.size() >= static_cast<size_t>(model::kMaxAnimations)) return std::nullopt;
    c.animations.push_back({&e, 1, 1, 15});
    return c.animations.size() - 1;
}

bool animationStep(document::Document& d, const geometry::RecomputeContext& ctx) {
    auto& list = d.construction.animations;
    if (list.empty()) return false;
    d.modified = 1;
    std::vector<Element*> moved;
    for (model::AnimationEntry& entry : list)
        if (entry.playing == 1 && moveAnimated(entry)) moved.push_back(entry.element);
    if (moved.empty()) return false;
    const std::vector<Element*> changed = withDependents(d.construction, moved);
    geometry::recomputeElements(changed, ctx);
    return true;
}

} // namespace zeva::edit
