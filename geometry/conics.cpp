#include "geometry/conics.h"

namespace zeva::geometry {

// Placeholders until conics are built.
void recomputeConic(model::Element& conic) { conic.exists = 0; }
void recomputeConicEquation(model::Element& equation, const RecomputeContext&) {
    equation.exists = 0;
}
std::optional<Point> conicPointAt(const model::Element&, double) { return std::nullopt; }
double conicParameterOf(const model::Element&, Point) { return 0.0; }

}  // namespace zeva::geometry
