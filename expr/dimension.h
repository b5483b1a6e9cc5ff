#pragma once
// The dimension of a número element (0 pure number, 1 length, 2 area, 3 angle): fixed by the
// kind for measurements, inferred from the expression for a Cálculo.

#include "model/element.h"
#include "model/units.h"

#include <cstdint>
#include <span>

namespace zeva::expr {

// A dimension as (class, exponent): number (0,0), length (1,1), area (1,2), angle (3,1). The
// numeric value rides along so that a power can scale the exponent.
struct DimensionPair {
    int cls = 0;
    int exponent = 0;
    double value = 0.0;
    friend bool operator==(const DimensionPair& a, const DimensionPair& b) {
        return a.cls == b.cls && a.exponent == b.exponent;
    }
};

// 28..33 length, 34 and 35 area, 36 angle; every other kind 0.
int dimensionOfKind(model::Kind kind);

// (class, exponent) of a dimension 0..3; anything else is a pure number.
DimensionPair pairOfDimension(int dimension, double value);
// (1,1) length, (1,2) area, (3,1) angle; anything else 0.
int dimensionOfPair(const DimensionPair& p);

// Runs `code` over dimension pairs: operand letter j takes the dimension and value of
// operands[j]; constants are pure numbers with their value from valueTable; "F"n gives the pair
// inferred for functions[n - 1]. An invalid code list gives a pure number.
DimensionPair inferPair(std::span<const int32_t> code, std::span<const double> valueTable,
                        std::span<model::Element* const> operands,
                        std::span<model::Element* const> functions,
                        model::AngleUnit angleUnit = model::AngleUnit::Radian);

// The dimension a Cálculo or Función element's expression yields (0..3).
int inferDimension(const model::Element& e, model::AngleUnit angleUnit = model::AngleUnit::Radian);

} // namespace zeva::expr
