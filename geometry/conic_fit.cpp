// Fitting a conic to five points, classifying it and finding the two lines of a line pair.

#include "geometry/conics.h"
#include "geometry/primitives.h"

#include <algorithm>
#include <cmath>

namespace zeva::geometry {

namespace {

constexpr int kN = 5;
using Matrix5 = std::array<std::array<double, kN>, kN>;
using Vector5 = std::array<double, kN>;

// A pivot below this, after every row and column has been scaled to a largest entry of 1, means
// the system has no unique solution. Round-off leaves exactly singular systems some 1e-15 away
// from zero; genuine configurations sit many orders above.
constexpr double kSingularPivot = 1e-11;

// Gaussian elimination with partial pivoting on an equilibrated copy of the system.
std::optional<Vector5> solve5(Matrix5 m, Vector5 rhs) {
    Vector5 colScale{};
    for (int j = 0; j < kN; ++j) {
        double big = 0.0;
        for (int i = 0; i < kN; ++i)
            big = std::max(big, std::fabs(m[i][j]));
        if (big == 0.0 || !std::isfinite(big)) return std::nullopt;
        colScale[j] = big;
        for (int i = 0; i < kN; ++i)
            m[i][j] /= big;
    }
    for (int i = 0; i < kN; ++i) {
        double big = 0.0;
        for (int j = 0; j < kN; ++j)
            big = std::max(big, std::fabs(m[i][j]));
        if (big == 0.0) return std::nullopt;
        for (int j = 0; j < kN; ++j)
            m[i][j] /= big;
        rhs[i] /= big;
    }
    for (int col = 0; col < kN; ++col) {
        int pivot = col;
        for (int i = col + 1; i < kN; ++i)
            if (std::fabs(m[i][col]) > std::fabs(m[pivot][col])) pivot = i;
        if (std::fabs(m[pivot][col]) < kSingularPivot) return std::nullopt;
        std::swap(m[pivot], m[col]);
        std::swap(rhs[pivot], rhs[col]);
        for (int i = col + 1; i < kN; ++i) {
            const double f = m[i][col] / m[col][col];
            if (f == 0.0) continue;
            for (int j = col; j < kN; ++j)
                m[i][j] -= f * m[col][j];
            rhs[i] -= f * rhs[col];
        }
    }
    Vector5 x{};
    for (int i = kN - 1; i >= 0; --i) {
        double s = rhs[i];
        for (int j = i + 1; j < kN; ++j)
            s -= m[i][j] * x[j];
        x[i] = s / m[i][i];
    }
    for (int j = 0; j < kN; ++j) {
        x[j] /= colScale[j];
        if (!std::isfinite(x[j])) return std::nullopt;
    }
    return x;
}

// The monomials of a point in stored order: y², x·y, x², y, x, 1.
ConicCoefficients monomials(Point p) {
    return {p.y * p.y, p.x * p.y, p.x * p.x, p.y, p.x, 1.0};
}

// Solves for the five other coefficients with coefficient `fixed` set to 1.
std::optional<ConicCoefficients> fitWithFixed(const std::array<Point, 5>& points, int fixed) {
    Matrix5 m{};
    Vector5 rhs{};
    for (int i = 0; i < kN; ++i) {
        const ConicCoefficients mono = monomials(points[i]);
        int col = 0;
        for (int k = 0; k < 6; ++k) {
            if (k == fixed) continue;
            m[i][col++] = mono[k];
        }
        rhs[i] = -mono[fixed];
    }
    const std::optional<Vector5> x = solve5(m, rhs);
    if (!x) return std::nullopt;
    ConicCoefficients c{};
    int col = 0;
    for (int k = 0; k < 6; ++k)
        c[k] = k == fixed ? 1.0 : (*x)[col++];
    return c;
}

// The ten ways to find three collinear points among five, each with the two points of the
// other line.
struct LinePairRow {
    int a, b, c; // the three collinear points; the first line runs through a and b
    int d, e;    // the second line
};
constexpr std::array<LinePairRow, 10> kLinePairRows{{
    {0, 1, 2, 3, 4},
    {0, 1, 3, 2, 4},
    {0, 1, 4, 2, 3},
    {1, 2, 3, 0, 4},
    {1, 2, 4, 3, 0},
    {2, 3, 0, 1, 4},
    {2, 3, 4, 1, 0},
    {3, 4, 0, 1, 2},
    {3, 1, 4, 0, 2},
    {2, 4, 0, 1, 3},
}};

// Collinear for the line-pair search: two points within 1e-8, or the angle at the middle one
// within 1e-7 of 0 or π.
bool nearlyCollinear(Point a, Point mid, Point c) {
    constexpr double kClose = 1e-8;
    if (dist(a, mid) < kClose || dist(mid, c) < kClose || dist(a, c) < kClose) return true;
    const double angle = angleBetween(a, mid, c);
    return angle < 1e-7 || std::fabs(angle - kPi) < 1e-7;
}

const LinePairRow* findLinePairRow(const std::array<Point, 5>& p) {
    for (const LinePairRow& row : kLinePairRows)
        if (nearlyCollinear(p[row.a], p[row.b], p[row.c])) return &row;
    return nullptr;
}

} // namespace

std::optional<ConicCoefficients> fitConic(const std::array<Point, 5>& points) {
    std::optional<ConicCoefficients> c;
    for (int fixed : {kCoefY2, kCoefXY, kCoefX2}) {
        c = fitWithFixed(points, fixed);
        if (c) break;
    }
    if (!c) return std::nullopt;
    for (int k = 0; k < 5; ++k)
        if (std::fabs((*c)[k]) < 1e-10) (*c)[k] = 0.0;
    return c;
}

int classifyConic(const ConicCoefficients& c, const std::array<Point, 5>* points) {
    const double a = c[kCoefX2], b = c[kCoefXY], cc = c[kCoefY2];
    const double d = c[kCoefX] / 2.0, e = c[kCoefY] / 2.0, f = c[kCoefConst];
    const double disc = b * b - 4.0 * a * cc;
    const double h = b / 2.0;
    // determinant of [[a, h, d], [h, cc, e], [d, e, f]]
    const double delta = a * (cc * f - e * e) - h * (h * f - e * d) + d * (h * e - cc * d);
    const bool degenerateByPoints = points && findLinePairRow(*points) != nullptr;
    if (std::fabs(disc) >= 1e-6) {
        if (disc < 0.0) return kConicEllipse;
        return std::fabs(delta) < 1e-8 || degenerateByPoints ? kConicCrossingLines
                                                             : kConicHyperbola;
    }
    return std::fabs(delta) < 0.0001 || degenerateByPoints ? kConicParallelLines : kConicParabola;
}

double conicValue(const ConicCoefficients& c, Point p) {
    return c[kCoefX2] * p.x * p.x + c[kCoefXY] * p.x * p.y + c[kCoefY2] * p.y * p.y +
           c[kCoefX] * p.x + c[kCoefY] * p.y + c[kCoefConst];
}

std::optional<std::array<Point, 4>> conicLinePair(const std::array<Point, 5>& points) {
    const LinePairRow* row = findLinePairRow(points);
    if (!row) return std::nullopt;
    const Point a = points[row->a], b = points[row->b];
    const Point d = points[row->d], e = points[row->e];
    return std::array<Point, 4>{pointTowards(a, b, -10000.0), pointTowards(a, b, 10000.0),
                                pointTowards(d, e, -10000.0), pointTowards(d, e, 10000.0)};
}

} // namespace zeva::geometry
