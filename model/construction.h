#pragma once
// The ordered element list of one document: creation order, parents before dependents.
// Singly linked through Element::next; the list owns its elements. It also holds the
// document's trace list and animation list, so that deleting an element removes it from both
// and a copy made for an undo snapshot carries its own lists.

#include "model/element.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace zeva::model {

inline constexpr int kMaxTraced = 100;
inline constexpr int kMaxAnimations = 100;
// Animation speeds the animation window can set.
inline constexpr int32_t kMinAnimationSpeed = 1;
inline constexpr int32_t kMaxAnimationSpeed = 100;

// One entry of the animation list: the element and its three animation integers.
struct AnimationEntry {
    Element* element = nullptr;
    int32_t playing = 1;
    int32_t backward = 1;
    int32_t speed = 15;
};

class Construction {
public:
    Element* elements = nullptr;     // first element, none when empty
    Element* lastElement = nullptr;  // last element, none when empty
    std::vector<Element*> traced;              // at most kMaxTraced, in order
    std::vector<AnimationEntry> animations;    // at most kMaxAnimations, in order

    Construction() = default;
    Construction(const Construction&) = delete;
    Construction& operator=(const Construction&) = delete;
    Construction(Construction&& other) noexcept;
    Construction& operator=(Construction&& other) noexcept;
    ~Construction();

    bool empty() const { return elements == nullptr; }

    // Links an element (or a chain through `next`) at the end; returns the first linked one.
    Element* append(std::unique_ptr<Element> e);
    // appendList: moves every element of `other` (and its lists) to the end of this one.
    void appendList(Construction&& other);
    // Frees every element; the lists are emptied.
    void clear();

    // ---- queries ----
    Element* previousOf(const Element* e) const;
    int countOf() const;
    // Elements counting each polygon side and each sub-element of kinds 39 and 42.
    int countWithSubElements() const;

    // ---- deletion ----
    // Unlinks and frees one element; it leaves the trace and animation lists, a Nombre
    // element's named element loses its label, a named element's Nombre loses its parent.
    void deleteElement(Element* e);
    // The same for every listed element among `doomed`, in one walk; references between the
    // deleted elements are released before any of them is freed, so their order is free.
    // (Deleting with dependents, the selection or everything is an edit: edit/delete.h.)
    void deleteElements(std::span<Element* const> doomed);

    // Moves the listed elements among `moved` (in their list order) to right after `anchor`,
    // which must be listed and not among them. Used when a redefinition must keep every element
    // after its parents.
    void moveAfter(std::span<Element* const> moved, Element& anchor);

    // ---- serials ----
    // Numbers the elements 1, 2, ... in list order (sub-elements right after their owner) and
    // refreshes every stored serial (parent indices, colour source, tail serial lists).
    void renumber();
    // Element or sub-element with that serial; none for -1, 0 or no match.
    Element* findBySerial(int32_t serial) const;
    // Turns every stored serial back into a reference (parents, colour source, tail lists,
    // sub-elements' parents).
    void resolveSerials();

    // Deep copy. With document lists, the copy's trace and animation lists point at the copies
    // of the traced and animated elements. Copies are never selected; labels are re-linked.
    Construction copyList(bool withDocumentLists);

    // Extends `list` in construction order with every element all of whose parents are in it.
    void closeSelection(std::vector<Element*>& list);

    // ---- loci ----
    Element* locusOfTraced(const Element* traced) const;

    // ---- axes ----
    struct AxesLookup {
        int count = 0;
        Element* axes = nullptr;
    };
    // Counts existing, non-placeholder kind 39 elements; answers the only visible one when
    // exactly one is visible, otherwise the first found.
    AxesLookup findAxes() const;

    // ---- navigation (elements a user can step through with the keyboard) ----
    static bool isNavigable(const Element& e, bool showHidden);
    Element* firstNavigable(Element* from, bool showHidden) const;
    Element* lastNavigableBefore(const Element* e, bool showHidden) const;
    int countNavigable(bool showHidden) const;
    Element* nthNavigable(int i, bool showHidden) const;

    // ---- selection ----
    std::vector<Element*> selectedList() const;
    int selectedCount() const;
    Element* firstSelected() const;
    bool anySelectedShowsText() const;
    void selectExactly(const std::vector<Element*>& list);
    void setSelectionAll(int32_t value);

    // Iteration in list order: for (Element* e : construction) ...
    struct Iterator {
        Element* e;
        Element* operator*() const { return e; }
        Iterator& operator++() {
            e = e->next;
            return *this;
        }
        bool operator!=(const Iterator& o) const { return e != o.e; }
    };
    Iterator begin() const { return {elements}; }
    Iterator end() const { return {nullptr}; }

private:
    void unlinkAfter(Element* prev, Element* e);
    void forgetFromLists(const Element* e);
};

// A copy of one element (its record, tail and sub-elements) that refers to what e refers to
// (parents, colour source, tail references), except that its sub-elements' references to e
// point to the copy. It has no label, is not selected and keeps no family.
std::unique_ptr<Element> copyElement(const Element& e);

// Replaces every reference r of e (parents, colour source, label, tail references,
// sub-elements' parents) by map(r); empty references stay empty.
void remapReferences(Element& e, const std::function<Element*(Element*)>& map);

// Every reference of e (parents, tail references, sub-elements' parents, label, colour source)
// to `oldRef` becomes `newRef`.
void replaceReferences(Element& e, const Element* oldRef, Element* newRef);

// A locus's driving point; when the host of that point is itself a locus, that locus's
// driving point, recursively.
Element* drivingPointOf(const Element* locus);

// Releases what an element refers to from others: used right before it is freed.
void detachForFreeing(Element& e);

}  // namespace zeva::model
