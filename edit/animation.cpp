// The animation list of a document and the step the clock asks for.
#include "edit/animation.h"

#include "geometry/point_on_element.h"

#include <algorithm>
#include <span>

namespace zeva::edit {

namespace {

using model::Element;
using model::Kind;

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

bool animationStep(Edit& edit) {
    auto& list = edit.construction().animations;
    if (list.empty()) return false;
    edit.changedWithoutRecompute(); // a running animation changes the document, moved or not
    bool moved = false;
    for (model::AnimationEntry& entry : list) {
        if (entry.playing == 1 && moveAnimated(entry)) {
            // Gathered afresh at every commit: the window may change the figure between steps.
            edit.changed(*entry.element);
            moved = true;
        }
    }
    return moved;
}

} // namespace zeva::edit
