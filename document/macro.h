#pragma once
// A recorded construction from initial to final elements, kept in a document's macro slots.

#include "model/construction.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zeva::document {

inline constexpr int kMaxMacros = 100;

struct Macro {
    // Copies of the macro's elements in construction order. References between them and to
    // the initial elements are held as serials, not pointers, until the macro is applied.
    model::Construction body;
    int32_t version = 300;
    std::vector<int16_t> initialClasses;  // ElementClass of each initial element, in pick order
    std::string name;
    std::vector<std::string> description;

    int32_t initialCount() const { return static_cast<int32_t>(initialClasses.size()); }
};

}  // namespace zeva::document
