#pragma once
// Element records of document and macro files: the kind, a kind-specific block, then the
// common block (with its font record for the classes that carry one).

#include "model/bytes.h"
#include "model/element.h"

#include <cstdint>
#include <memory>

namespace zeva::document {

inline constexpr int32_t kFileVersion = 300;

// What one file may ask the reader to hold. Every size is checked against these before
// anything is allocated for it, so a small file cannot make the reader allocate without bound.
// Largest sample capacity a locus or function graph may declare (the number-of-points edit
// holds five digits), and the sum of all sample capacities one file may declare: the arrays
// are allocated from these numbers, which no byte of the file backs.
inline constexpr int32_t kMaxSampleCapacity = 100000;
inline constexpr int64_t kMaxSamplesPerFile = 5000000;
// Elements one file may hold, counting polygon sides and the sub-elements of axes and
// coordinates (each takes far more memory than its record's bytes).
inline constexpr int64_t kMaxElementsPerFile = 1000000;
// Table rows one file may hold: each row keeps room for 100 recorded values.
inline constexpr int64_t kMaxTableRowsPerFile = 100000;
// Text lines one file may hold.
inline constexpr int64_t kMaxTextLinesPerFile = 1000000;
// Bytes of one picture.
inline constexpr int32_t kMaxPictureBytes = 64 << 20;

// Operands (22) and user functions (99) a calculation or function may reference.
inline constexpr int32_t kMaxExpressionRefs = 121;

// What is left of a file's allowance while its records are read.
struct ReadBudget {
    int64_t samples = kMaxSamplesPerFile;
    int64_t elements = kMaxElementsPerFile;
    int64_t tableRows = kMaxTableRowsPerFile;
    int64_t textLines = kMaxTextLinesPerFile;
};

// What an element record needs besides its bytes.
struct ElementReadContext {
    int32_t version = kFileVersion; // 100, 200 or 300: older versions lack some fields
    model::ElementFont textFont;    // the application's text font, for version 100 texts
    ReadBudget budget;              // shared by the records of one file
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
