#include "model/dependencies.h"

#include "model/walk_stamp.h"

#include <algorithm>
#include <atomic>

namespace zeva::model {

uint64_t freshWalkStamp() {
    static std::atomic<uint64_t> last{0};
    return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

namespace {

bool anyParentStamped(Element& n, uint64_t stamp) {
    bool hit = false;
    forEachParentRef(n, [&](Element*& r) { hit = hit || r->walkStamp == stamp; });
    return hit;
}

// Stamps every element from `from` on that has a stamped parent. Parents come before their
// dependents, so one pass finds everything reachable through parents.
void stampForward(Element* from, uint64_t stamp) {
    for (Element* n = from; n; n = n->next)
        if (n->walkStamp != stamp && anyParentStamped(*n, stamp)) stampWithSubs(*n, stamp);
}

// Stamps the sources and everything depending on them; answers whether the colour pass stamped
// anything (then elements before their colour source may have been reached).
bool stampDependents(const Construction& c, std::span<const Element* const> sources,
                     uint64_t stamp, std::vector<Element*>& inOrder) {
    for (const Element* s : sources) stampWithSubs(*s, stamp);

    // One walk over the whole list: elements are stamped when a parent is, and every element
    // with a parametric colour source is remembered on the way, so the colour pass below needs
    // no walk of its own (a colour source may come after the element it colours, which the
    // forward walk cannot see).
    std::vector<Element*> coloured;
    for (Element* n = c.elements; n; n = n->next) {
        if (n->walkStamp == stamp) {
            inOrder.push_back(n);
        } else if (anyParentStamped(*n, stamp)) {
            stampWithSubs(*n, stamp);
            inOrder.push_back(n);
        }
        if (n->colorSource) coloured.push_back(n);
    }

    // Colour pass: in list order, until a whole pass stamps nothing.
    bool stampedByColour = false;
    bool again = !coloured.empty();
    while (again) {
        again = false;
        for (Element* n : coloured) {
            if (n->walkStamp != stamp && n->colorSource->walkStamp == stamp) {
                stampWithSubs(*n, stamp);
                stampForward(n->next, stamp);
                stampedByColour = again = true;
                break;
            }
        }
    }
    return stampedByColour;
}

std::vector<Element*> collectStamped(const Construction& c, uint64_t stamp) {
    std::vector<Element*> out;
    for (Element* n = c.elements; n; n = n->next)
        if (n->walkStamp == stamp) out.push_back(n);
    return out;
}

std::vector<Element*> dependentsWithSources(const Construction& c,
                                            std::span<const Element* const> sources) {
    const uint64_t stamp = freshWalkStamp();
    std::vector<Element*> out;
    if (stampDependents(c, sources, stamp, out)) out = collectStamped(c, stamp);
    return out;
}

// Depth-first over references with an explicit stack, so long chains cannot overflow the call
// stack. `follow(ref)` decides whether ref is an ancestor to walk through. Answers the stamped
// ancestors in construction order, sub-elements right after their owner.
template <class Follow>
std::vector<Element*> ancestorWalk(const Construction& c, std::span<Element* const> starts,
                                   Follow&& follow, bool movable) {
    const uint64_t stamp = freshWalkStamp();
    // Starts are walked from but answered only when another start is built on them.
    const uint64_t startStamp = freshWalkStamp();
    std::vector<Element*> stack;
    for (Element* s : starts)
        if (s && s->walkStamp != startStamp) {
            s->walkStamp = startStamp;
            stack.push_back(s);
        }
    while (!stack.empty()) {
        Element* cur = stack.back();
        stack.pop_back();
        auto visit = [&](Element* r) {
            if (!r || r->walkStamp == stamp || !follow(r)) return;
            // a start reached from another start is answered, and already on the stack
            if (r->walkStamp == startStamp) {
                r->walkStamp = stamp;
                return;
            }
            r->walkStamp = stamp;
            stack.push_back(r);
        };
        if (movable && cur->kind == Kind::Locus) {
            visit(cur->parent1);  // a drag moves a locus only through its traced element
            continue;
        }
        forEachParentRef(*cur, [&](Element*& r) { visit(r); });
        if (!movable) visit(cur->colorSource);
    }

    std::vector<Element*> out;
    for (Element* n = c.elements; n; n = n->next) {
        if (n->walkStamp == stamp) out.push_back(n);
        forEachSubElement(*n, [&](Element& s) {
            if (s.walkStamp == stamp) out.push_back(&s);
        });
    }
    return out;
}

}  // namespace

std::vector<Element*> dependentsOf(const Construction& c, const Element& e) {
    const Element* source = &e;
    std::vector<Element*> out = dependentsWithSources(c, {&source, 1});
    out.erase(std::remove(out.begin(), out.end(), &e), out.end());
    return out;
}

std::vector<Element*> withDependents(const Construction& c, std::span<Element* const> sources) {
    return dependentsWithSources(c, {sources.data(), sources.size()});
}

bool dependsOn(const Construction& c, const Element& e, const Element& on) {
    const Element* owner = ownerOf(const_cast<Element*>(&e));
    const auto deps = dependentsOf(c, on);
    return std::find(deps.begin(), deps.end(), owner) != deps.end();
}

std::vector<Element*> laterDependentsOf(const Element& e, const Element* last,
                                        const Element* end) {
    const uint64_t stamp = freshWalkStamp();
    stampWithSubs(e, stamp);
    std::vector<Element*> out;
    for (Element* n = e.next; n && n != end; n = n->next) {
        if (anyParentStamped(*n, stamp)) {
            stampWithSubs(*n, stamp);
            out.push_back(n);
        }
        if (n == last) break;
    }
    return out;
}

std::vector<Element*> ancestorsOf(const Construction& c, const Element& e) {
    Element* start = const_cast<Element*>(&e);
    return ancestorWalk(c, std::span<Element* const>(&start, 1), [](Element*) { return true; },
                        false);
}

std::vector<Element*> movableAncestorsOf(const Construction& c, const Element& e) {
    Element* start = const_cast<Element*>(&e);
    return movableAncestorsOfAll(c, std::span<Element* const>(&start, 1));
}

std::vector<Element*> movableAncestorsOfAll(const Construction& c,
                                            std::span<Element* const> elements) {
    return ancestorWalk(
        c, elements, [](Element* r) { return r->elementClass() != ElementClass::Number; }, true);
}

std::vector<Element*> ancestorsOutside(const Construction& c, const Element& e,
                                       std::span<Element* const> list) {
    // The list is stamped first with a stamp of its own; its members are then neither listed
    // nor walked through.
    const uint64_t members = freshWalkStamp();
    for (Element* m : list)
        if (m) m->walkStamp = members;
    Element* start = const_cast<Element*>(&e);
    return ancestorWalk(
        c, std::span<Element* const>(&start, 1),
        [members](Element* r) { return r->walkStamp != members; }, false);
}

}  // namespace zeva::model
