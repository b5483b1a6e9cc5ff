#pragma once
// Serial numbers stand for elements wherever references cannot be pointers: in files, copies,
// undo snapshots and macros. Numbering gives every element (and sub-element) its serial and
// refreshes the serials each element stores for its references; resolving turns stored serials
// back into references. Both go through here, for documents being read and lists being copied
// alike.

#include "model/construction.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace zeva::model {

// Serial -> element over a list and its sub-elements. A list numbered 1, 2, 3, ... in order
// (every list ZEVA numbers itself) is served by a plain array; any other numbering falls back
// to a map in which the first element holding a serial wins.
class SerialIndex {
  public:
    explicit SerialIndex(const Construction& c);

    // The serials run 1, 2, 3, ... in list order, as numbering would give them.
    bool inOrder() const { return inOrder_; }
    // None for a serial below 1 or one that names nothing.
    Element* find(int32_t serial) const;
    // Resolves a stored serial; one that names nothing becomes -1.
    Element* resolve(int32_t& serial) const;

  private:
    void add(Element* e);

    bool inOrder_ = true;
    std::vector<Element*> order_;
    std::unordered_map<int32_t, Element*> map_;
};

// Refreshes the serials e stores (parent indices, colour source, the serial lists of kinds 37,
// 38, 55, 64 and 66, its sub-elements' parent indices) from its references: -1 where a
// reference is empty.
void refreshStoredSerials(Element& e);

// Turns e's stored serials into references (parents, colour source, the tail's reference
// lists, its sub-elements' parents) and hangs its sub-elements off it; a serial that names
// nothing becomes -1 and leaves its reference empty. False when a reference the construction
// needs is missing (a required parent, an entry of a reference list, a sub-element's parent)
// or names e itself.
bool resolveStoredSerials(const SerialIndex& index, Element& e);

} // namespace zeva::model
