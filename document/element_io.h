#pragma once
// Element records of document and macro files: the kind, a kind-specific block, then the
// common block (with its font record for the classes that carry one).

#include "model/bytes.h"
#include "model/element.h"

#include <cstdint>
#include <memory>

namespace zeva::document {

inline constexpr int32_t kFileVersion = 300;

// Largest sample capacity a locus or function graph may declare, and the sum of all sample
// capacities one file may declare: the arrays are allocated from these numbers, which no
// byte of the file backs.
inline constexpr int32_t kMaxSampleCapacity = 100000;
inline constexpr int64_t kMaxSamplesPerFile = 5000000;

// Operands (22) and user functions (99) a calculation or function may reference.
inline constexpr int32_t kMaxExpressionRefs = 121;

// What an element record needs besides its bytes.
struct ElementReadContext {
    int32_t version = kFileVersion;           // 100, 200 or 300: older versions lack some fields
    model::ElementFont textFont;              // the application's text font, for version 100 texts
    int64_t samplesLeft = kMaxSamplesPerFile; // budget shared by the records of one file
};

// A renumbering applied while writing: serials from `from` on move up by `by`.
struct SerialShift {
    int32_t from = INT32_MAX;
    int32_t by = 0;
    int32_t operator()(int32_t serial) const { return serial >= from ? serial + by : serial; }
};

// Writes e as one element record of the current version, from its stored serials.
void writeElementRecord(model::ByteWriter& w, const model::Element& e, SerialShift shift = {});

// Reads the rest of a record whose kind has been read. Top-level records never have the kinds
// of sub-elements (15, 40, 41, 43, 44). References are left empty; stored serials are kept.
// Returns none and leaves the reason in r on failure.
std::unique_ptr<model::Element> readElementRecord(model::ByteReader& r, int32_t kind,
                                                  ElementReadContext& ctx);

} // namespace zeva::document
