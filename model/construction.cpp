#include "model/construction.h"

#include "model/serials.h"
#include "model/walk_stamp.h"

#include <algorithm>
#include <unordered_set>

namespace zeva::model {

namespace {

void setSelectedWithSubs(Element& e, int32_t value) {
    e.selected = value;
    forEachSubElement(e, [&](Element& s) { s.selected = value; });
}

void freeElement(Element* e) {
    detachForFreeing(*e);
    delete e;
}

}  // namespace

// ---- lifetime -------------------------------------------------------------------------------

Construction::Construction(Construction&& other) noexcept
    : elements(other.elements), lastElement(other.lastElement), traced(std::move(other.traced)),
      animations(std::move(other.animations)) {
    other.elements = other.lastElement = nullptr;
    other.traced.clear();
    other.animations.clear();
}

Construction& Construction::operator=(Construction&& other) noexcept {
    if (this != &other) {
        clear();
        elements = other.elements;
        lastElement = other.lastElement;
        traced = std::move(other.traced);
        animations = std::move(other.animations);
        other.elements = other.lastElement = nullptr;
        other.traced.clear();
        other.animations.clear();
    }
    return *this;
}

Construction::~Construction() { clear(); }

void Construction::clear() {
    traced.clear();
    animations.clear();
    // Freeing the whole list: no element outlives the others, so references between them
    // need no detaching.
    Element* e = elements;
    elements = lastElement = nullptr;
    while (e) {
        Element* next = e->next;
        delete e;
        e = next;
    }
}

Element* Construction::append(std::unique_ptr<Element> owned) {
    Element* e = owned.release();
    e->next = nullptr;
    if (!elements) {
        elements = e;
    } else {
        lastElement->next = e;
    }
    lastElement = e;
    return e;
}

void Construction::appendList(Construction&& other) {
    if (other.elements) {
        if (!elements) {
            elements = other.elements;
        } else {
            lastElement->next = other.elements;
        }
        lastElement = other.lastElement;
    }
    for (Element* t : other.traced)
        if (traced.size() < static_cast<size_t>(kMaxTraced)) traced.push_back(t);
    for (const auto& a : other.animations)
        if (animations.size() < static_cast<size_t>(kMaxAnimations)) animations.push_back(a);
    other.elements = other.lastElement = nullptr;
    other.traced.clear();
    other.animations.clear();
}

// ---- queries --------------------------------------------------------------------------------

Element* Construction::previousOf(const Element* e) const {
    for (Element* n = elements; n; n = n->next)
        if (n->next == e) return n;
    return nullptr;
}

int Construction::countOf() const {
    int c = 0;
    for (Element* n = elements; n; n = n->next) ++c;
    return c;
}

int Construction::countWithSubElements() const {
    int c = 0;
    for (Element* n = elements; n; n = n->next) {
        ++c;
        forEachSubElement(*n, [&](Element&) { ++c; });
    }
    return c;
}

// ---- deletion -------------------------------------------------------------------------------

void detachForFreeing(Element& e) {
    if (e.label && e.label->parent1 == &e) e.label->parent1 = nullptr;
    if (e.kind == Kind::Name && e.parent1 && e.parent1->label == &e) e.parent1->label = nullptr;
}

void Construction::forgetFromLists(const Element* e) {
    auto isGone = [&](const Element* t) {
        if (t == e) return true;
        return ownerOf(const_cast<Element*>(t)) == e;
    };
    traced.erase(std::remove_if(traced.begin(), traced.end(), isGone), traced.end());
    animations.erase(std::remove_if(animations.begin(), animations.end(),
                                    [&](const AnimationEntry& a) { return isGone(a.element); }),
                     animations.end());
}

void Construction::unlinkAfter(Element* prev, Element* e) {
    if (!prev) {
        elements = e->next;
    } else {
        prev->next = e->next;
    }
    if (lastElement == e) lastElement = prev;
    e->next = nullptr;
}

void Construction::deleteElement(Element* e) {
    if (!e) return;
    Element* prev = nullptr;
    bool listed = false;
    for (Element* n = elements; n; prev = n, n = n->next) {
        if (n == e) {
            listed = true;
            break;
        }
    }
    if (listed) unlinkAfter(prev, e);
    forgetFromLists(e);
    freeElement(e);
}

void Construction::deleteElements(std::span<Element* const> doomed) {
    const uint64_t stamp = freshWalkStamp();
    for (Element* d : doomed)
        if (d) d->walkStamp = stamp;
    std::vector<Element*> unlinked;
    Element* prev = nullptr;
    for (Element* n = elements; n;) {
        Element* next = n->next;
        if (n->walkStamp == stamp) {
            unlinkAfter(prev, n);
            forgetFromLists(n);
            unlinked.push_back(n);
        } else {
            prev = n;
        }
        n = next;
    }
    for (Element* d : unlinked) detachForFreeing(*d);
    for (Element* d : unlinked) delete d;
}

void Construction::moveAfter(std::span<Element* const> moved, Element& anchor) {
    const uint64_t stamp = freshWalkStamp();
    for (Element* m : moved)
        if (m && m != &anchor) m->walkStamp = stamp;
    Element* chain = nullptr;
    Element* chainLast = nullptr;
    Element* prev = nullptr;
    for (Element* n = elements; n;) {
        Element* next = n->next;
        if (n->walkStamp == stamp) {
            unlinkAfter(prev, n);
            (chainLast ? chainLast->next : chain) = n;
            chainLast = n;
        } else {
            prev = n;
        }
        n = next;
    }
    if (!chain) return;
    chainLast->next = anchor.next;
    anchor.next = chain;
    if (lastElement == &anchor) lastElement = chainLast;
}

// ---- serials --------------------------------------------------------------------------------

void Construction::renumber() {
    int32_t counter = 0;
    for (Element* n = elements; n; n = n->next) {
        n->serial = ++counter;
        forEachSubElement(*n, [&](Element& s) { s.serial = ++counter; });
    }
    for (Element* n = elements; n; n = n->next) refreshStoredSerials(*n);
}

Element* Construction::findBySerial(int32_t serial) const {
    if (serial <= 0) return nullptr;
    for (Element* n = elements; n; n = n->next) {
        if (n->serial == serial) return n;
        Element* hit = nullptr;
        forEachSubElement(*n, [&](Element& s) {
            if (!hit && s.serial == serial) hit = &s;
        });
        if (hit) return hit;
    }
    return nullptr;
}

void Construction::resolveSerials() {
    const SerialIndex index(*this);
    for (Element* n = elements; n; n = n->next) resolveStoredSerials(index, *n);
}

// ---- copying --------------------------------------------------------------------------------

namespace {

std::unique_ptr<Element> copyRecord(const Element& src);

std::unique_ptr<Element> copySubElement(const std::unique_ptr<Element>& src) {
    return src ? copyRecord(*src) : nullptr;
}

// Copies the record and its tail; references are left empty (stored serials are copied).
std::unique_ptr<Element> copyRecord(const Element& src) {
    auto c = std::make_unique<Element>();
    c->kind = src.kind;
    c->serial = src.serial;
    c->parent1Index = src.parent1Index;
    c->parent2Index = src.parent2Index;
    c->parent3Index = src.parent3Index;
    c->colorSourceIndex = src.colorSourceIndex;
    c->colorMode = src.colorMode;
    c->x1 = src.x1;
    c->y1 = src.y1;
    c->x2 = src.x2;
    c->y2 = src.y2;
    c->exists = src.exists;
    c->visible = src.visible;
    c->param1 = src.param1;
    c->param2 = src.param2;
    c->dimension = src.dimension;
    c->decimals = src.decimals;
    c->color = src.color;
    c->style = src.style;
    c->selected = 0;
    if (src.font) c->font = std::make_unique<ElementFont>(*src.font);

    std::visit(
        [&](const auto& t) {
            using T = std::decay_t<decltype(t)>;
            if constexpr (std::is_same_v<T, PolygonTail>) {
                PolygonTail p;
                for (const auto& s : t.sides) p.sides.push_back(copyRecord(*s));
                c->tail = std::move(p);
            } else if constexpr (std::is_same_v<T, AxesTail>) {
                AxesTail a;
                a.unitX = t.unitX;
                a.unitY = t.unitY;
                a.axisX = copySubElement(t.axisX);
                a.axisY = copySubElement(t.axisY);
                c->tail = std::move(a);
            } else if constexpr (std::is_same_v<T, CoordinatesTail>) {
                CoordinatesTail k;
                k.xPart = copySubElement(t.xPart);
                k.yPart = copySubElement(t.yPart);
                c->tail = std::move(k);
            } else if constexpr (std::is_same_v<T, ExpressionTail>) {
                ExpressionTail x = t;
                x.refs.assign(t.refs.size(), nullptr);
                c->tail = std::move(x);
            } else if constexpr (std::is_same_v<T, TableTail>) {
                TableTail x = t;
                x.rows.assign(t.rows.size(), nullptr);
                c->tail = std::move(x);
            } else if constexpr (std::is_same_v<T, ConicTail>) {
                ConicTail x = t;
                x.points.fill(nullptr);
                c->tail = std::move(x);
            } else if constexpr (std::is_same_v<T, ButtonTail>) {
                ButtonTail x = t;
                x.targets.assign(t.targets.size(), nullptr);
                c->tail = std::move(x);
            } else if constexpr (std::is_same_v<T, SampleTail>) {
                SampleTail x = t;
                x.family.reset(); // the instances refer to the original's construction
                c->tail = std::move(x);
            } else {
                c->tail = t;
            }
        },
        src.tail);
    return c;
}

}  // namespace

std::unique_ptr<Element> copyElement(const Element& e) {
    std::unique_ptr<Element> c = copyRecord(e);
    c->parent1 = e.parent1;
    c->parent2 = e.parent2;
    c->parent3 = e.parent3;
    c->colorSource = e.colorSource;
    // The copy's tail has the type of e's (copyRecord copied it).
    std::visit(
        [&](auto& t) {
            using T = std::decay_t<decltype(t)>;
            if constexpr (std::is_same_v<T, ExpressionTail>) {
                t.refs = std::get<ExpressionTail>(e.tail).refs;
            } else if constexpr (std::is_same_v<T, TableTail>) {
                t.rows = std::get<TableTail>(e.tail).rows;
            } else if constexpr (std::is_same_v<T, ConicTail>) {
                t.points = std::get<ConicTail>(e.tail).points;
            } else if constexpr (std::is_same_v<T, ButtonTail>) {
                t.targets = std::get<ButtonTail>(e.tail).targets;
            }
        },
        c->tail);
    const std::vector<Element*> from = subElementsOf(e);
    const std::vector<Element*> to = subElementsOf(*c);
    auto owned = [&](Element* r) { return r == &e ? c.get() : r; };
    for (size_t i = 0; i < from.size() && i < to.size(); ++i) {
        to[i]->parent1 = owned(from[i]->parent1);
        to[i]->parent2 = owned(from[i]->parent2);
        to[i]->parent3 = owned(from[i]->parent3);
    }
    return c;
}

void remapReferences(Element& e, const std::function<Element*(Element*)>& map) {
    auto remap = [&](Element*& r) {
        if (r) r = map(r);
    };
    remap(e.parent1);
    remap(e.parent2);
    remap(e.parent3);
    remap(e.colorSource);
    remap(e.label);
    std::visit(
        [&](auto& t) {
            using T = std::decay_t<decltype(t)>;
            if constexpr (std::is_same_v<T, ExpressionTail>) {
                for (auto& r : t.refs) remap(r);
            } else if constexpr (std::is_same_v<T, TableTail>) {
                for (auto& r : t.rows) remap(r);
            } else if constexpr (std::is_same_v<T, ConicTail>) {
                for (auto& r : t.points) remap(r);
            } else if constexpr (std::is_same_v<T, ButtonTail>) {
                for (auto& r : t.targets) remap(r);
            }
        },
        e.tail);
    for (Element* sub : subElementsOf(e)) {
        remap(sub->parent1);
        remap(sub->parent2);
        remap(sub->parent3);
    }
}

Construction Construction::copyList(bool withDocumentLists) {
    renumber();
    Construction copy;
    for (Element* n = elements; n; n = n->next) copy.append(copyRecord(*n));

    const SerialIndex index(copy);
    if (withDocumentLists) {
        for (Element* t : traced)
            if (Element* c = index.find(t->serial)) copy.traced.push_back(c);
        for (const auto& a : animations)
            if (Element* c = index.find(a.element->serial))
                copy.animations.push_back({c, a.playing, a.backward, a.speed});
    }
    // Copies start without labels; each Nombre copy labels its named element again.
    for (Element* c = copy.elements; c; c = c->next) resolveStoredSerials(index, *c);
    for (Element* c = copy.elements; c; c = c->next)
        if (c->kind == Kind::Name && c->parent1) c->parent1->label = c;
    return copy;
}

// ---- closing a selection --------------------------------------------------------------------

namespace {

// The elements an element is built from, as closeSelection counts them: a polygon's vertices,
// the references a calculation, function, conic or button lists (a table's rows do not count),
// otherwise its parents, a sub-element standing for its owner.
std::vector<Element*> closureParentsOf(Element& e) {
    std::vector<Element*> out;
    if (e.kind == Kind::Polygon) {
        forEachParentRef(e, [&](Element*& r) { out.push_back(r); });
        return out;
    }
    bool listed = false;
    forEachReferenceList(e, [&](auto& refs, auto&) {
        listed = true;
        if (e.kind == Kind::Table) return;
        for (Element* r : refs)
            if (r) out.push_back(r);
    });
    if (listed) return out;
    for (Element* p : {e.parent1, e.parent2, e.parent3})
        if (p) out.push_back(ownerOf(p));
    return out;
}

}  // namespace

void Construction::closeSelection(std::vector<Element*>& list) {
    std::unordered_set<Element*> members(list.begin(), list.end());
    std::vector<Element*> appended;
    for (Element* n = elements; n; n = n->next) {
        if (members.count(n)) continue;
        auto parents = closureParentsOf(*n);
        if (parents.empty()) continue;
        bool all = std::all_of(parents.begin(), parents.end(),
                               [&](Element* p) { return members.count(p) != 0; });
        if (!all) continue;
        list.push_back(n);
        members.insert(n);
        appended.push_back(n);
    }

    // An appended element whose colour comes from outside the list cannot be rebuilt from it:
    // drop it and everything appended that depends on it, until nothing changes.
    bool again = true;
    while (again) {
        again = false;
        for (Element* a : appended) {
            if (!members.count(a) || !a->colorSource || members.count(a->colorSource)) continue;
            std::unordered_set<Element*> dropped{a};
            for (Element* b : appended) {
                if (!members.count(b) || dropped.count(b)) continue;
                bool dep = (b->colorSource && dropped.count(b->colorSource));
                for (Element* p : closureParentsOf(*b)) dep = dep || dropped.count(p);
                if (dep) dropped.insert(b);
            }
            for (Element* d : dropped) members.erase(d);
            list.erase(std::remove_if(list.begin(), list.end(),
                                      [&](Element* x) { return dropped.count(x) != 0; }),
                       list.end());
            again = true;
            break;
        }
    }
}

// ---- references -----------------------------------------------------------------------------

void replaceReferences(Element& e, const Element* oldRef, Element* newRef) {
    auto swap = [&](Element*& r) {
        if (r == oldRef) r = newRef;
    };
    forEachReferenceList(e, [&](auto& refs, auto&) {
        for (auto& r : refs) swap(r);
    });
    forEachSubElement(e, [&](Element& s) {
        swap(s.parent1);
        swap(s.parent2);
        swap(s.parent3);
    });
    swap(e.parent1);
    swap(e.parent2);
    swap(e.parent3);
    swap(e.label);
    swap(e.colorSource);
}

// ---- loci and axes --------------------------------------------------------------------------

Element* Construction::locusOfTraced(const Element* tracedElement) const {
    for (Element* n = elements; n; n = n->next)
        if (n->kind == Kind::Locus && n->parent1 == tracedElement) return n;
    return nullptr;
}

Element* drivingPointOf(const Element* locus) {
    Element* point = locus ? locus->parent2 : nullptr;
    // Bounded: a well-formed construction cannot nest loci more deeply than it has elements.
    for (int depth = 0; point && depth < 1000000; ++depth) {
        Element* host = point->parent1;
        if (!host || host->kind != Kind::Locus || host == locus) return point;
        locus = host;
        point = host->parent2;
    }
    return point;
}

Construction::AxesLookup Construction::findAxes() const {
    AxesLookup out;
    Element* firstFound = nullptr;
    Element* visibleOne = nullptr;
    int visibleCount = 0;
    for (Element* n = elements; n; n = n->next) {
        if (n->kind != Kind::Axes || n->exists != 1 || isMacroPlaceholder(*n)) continue;
        ++out.count;
        if (!firstFound) firstFound = n;
        if (n->visible == 1) {
            ++visibleCount;
            visibleOne = n;
        }
    }
    out.axes = visibleCount == 1 ? visibleOne : firstFound;
    return out;
}

// ---- navigation -----------------------------------------------------------------------------

bool Construction::isNavigable(const Element& e, bool showHidden) {
    return e.kind != Kind::Name && e.exists == 1 && !isMacroPlaceholder(e) &&
           (e.visible == 1 || showHidden);
}

Element* Construction::firstNavigable(Element* from, bool showHidden) const {
    for (Element* n = from; n; n = n->next)
        if (isNavigable(*n, showHidden)) return n;
    return nullptr;
}

Element* Construction::lastNavigableBefore(const Element* e, bool showHidden) const {
    Element* found = nullptr;
    for (Element* n = elements; n && n != e; n = n->next)
        if (isNavigable(*n, showHidden)) found = n;
    return found;
}

int Construction::countNavigable(bool showHidden) const {
    int c = 0;
    for (Element* n = elements; n; n = n->next)
        if (isNavigable(*n, showHidden)) ++c;
    return c;
}

Element* Construction::nthNavigable(int i, bool showHidden) const {
    int c = 0;
    for (Element* n = elements; n; n = n->next)
        if (isNavigable(*n, showHidden) && ++c == i) return n;
    return lastElement;
}

// ---- selection ------------------------------------------------------------------------------

std::vector<Element*> Construction::selectedList() const {
    std::vector<Element*> out;
    for (Element* n = elements; n; n = n->next)
        if (n->selected == 1) out.push_back(n);
    return out;
}

int Construction::selectedCount() const {
    int c = 0;
    for (Element* n = elements; n; n = n->next)
        if (n->selected == 1 && (n->kind != Kind::Name || n->param1 != 0)) ++c;
    return c;
}

Element* Construction::firstSelected() const {
    for (Element* n = elements; n; n = n->next)
        if (n->selected == 1) return n;
    return nullptr;
}

bool Construction::anySelectedShowsText() const {
    for (Element* n = elements; n; n = n->next)
        if (n->selected == 1 && (n->font || n->kind == Kind::Text)) return true;
    return false;
}

void Construction::setSelectionAll(int32_t value) {
    for (Element* n = elements; n; n = n->next) setSelectedWithSubs(*n, value);
}

void Construction::selectExactly(const std::vector<Element*>& list) {
    setSelectionAll(0);
    for (Element* e : list)
        if (e) e->selected = 1;
}

}  // namespace zeva::model
