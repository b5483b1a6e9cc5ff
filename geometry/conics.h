#pragma once
// Conics through five points (kind 55) and their equations (kind 58): fitting the equation,
// classifying it, bringing it to a canonical form, sampling it, and the points along it.

#include "geometry/recompute.h"
#include "model/element.h"

#include <array>
#include <optional>

namespace zeva::geometry {

// The six coefficients in the order the conic stores them: y², x·y, x², y, x, constant.
// The conic is A·x² + B·x·y + C·y² + D·x + E·y + F = 0 with C, B, A, E, D, F in that order.
using ConicCoefficients = std::array<double, 6>;
enum ConicCoefficient : int {
    kCoefY2 = 0,
    kCoefXY = 1,
    kCoefX2 = 2,
    kCoefY = 3,
    kCoefX = 4,
    kCoefConst = 5
};

// conicType values.
enum ConicType : int32_t {
    kConicEllipse = 1,
    kConicHyperbola = 2,
    kConicParabola = 3,
    kConicCrossingLines = 4,
    kConicParallelLines = 5,
};

// Far-away position of the unused samples of a line pair.
inline constexpr double kConicFarSample = 1e9;

// The equation through five points: the 5×5 system is solved with C = 1, else B = 1, else
// A = 1; none when all three are singular. The first five coefficients below 1e-10 in
// magnitude come out as exactly 0.
std::optional<ConicCoefficients> fitConic(const std::array<Point, 5>& points);

// Type 1..5 from the discriminant and the determinant. `points` (may be null) are the defining
// points: three of them on one line make the conic a line pair whatever the determinant says.
int classifyConic(const ConicCoefficients& c, const std::array<Point, 5>* points);

// A·x² + B·x·y + C·y² + D·x + E·y + F at p.
double conicValue(const ConicCoefficients& c, Point p);

// The conic in its own frame: world = counterclockwise rotation by `angle` of (canonical point
// + centre). After normalisation: ellipse and hyperbola a2·x² + c2·y² = 1; parabola
// y² + 2·d2·x = 0 or x² + 2·e2·y = 0 (d2, e2 are half coefficients).
struct CanonicalConic {
    int type = 0; // refined type
    double angle = 0.0;
    Point centre; // in the turned frame
    double a2 = 0.0, c2 = 0.0, d2 = 0.0, e2 = 0.0, f2 = 0.0;
    bool oriented = false; // the orientation flag: the sampled curve is turned by 90°
};
CanonicalConic canonicalForm(int type, const ConicCoefficients& c);

// The 120 samples of an ellipse, hyperbola or parabola in world coordinates; none when the
// canonical form does not describe a drawable curve (a non-finite semi-axis).
std::optional<std::array<Point, model::kConicSampleCount>>
sampleCanonical(const CanonicalConic& canonical);

// The two lines of a degenerate conic through its defining points: lines[0..1] on the first
// line and lines[2..3] on the second, 10000 units either side; none when no three of the
// points are collinear.
std::optional<std::array<Point, 4>> conicLinePair(const std::array<Point, 5>& points);

// Crossings of the line through `first` and `second` with the conic, ordered along the line
// from first to second. None when the two points coincide.
struct LineConicCrossings {
    int count = 0;
    std::array<Point, 2> points{};
};
LineConicCrossings lineConicIntersection(const ConicCoefficients& c, Point first, Point second);

// Kind 55: fits, classifies and samples the conic through its five points; it does not exist
// while a point is missing or the points determine no conic. Writes conicType, coefficients,
// samples and exists.
void recomputeConic(model::Element& conic);

// Kind 58: exists when the conic (parent1) and the axes (parent2) exist and the five points,
// in axis units, determine a conic; then its equation text is rebuilt.
void recomputeConicEquation(model::Element& equation, const RecomputeContext& ctx);

// The equation's coefficients in axis units (stored order), or none when it has no conic.
std::optional<ConicCoefficients> conicEquationCoefficients(const model::Element& equation);

// The point of the conic at parameter t (sample k at t = k; between samples the conic point
// on the perpendicular through the chord point). Line pairs take t above 3 as 2.5.
std::optional<Point> conicPointAt(const model::Element& conic, double t);

// The parameter of the conic point nearest p (the chord nearest p and the fraction along it).
double conicParameterOf(const model::Element& conic, Point p);

} // namespace zeva::geometry
