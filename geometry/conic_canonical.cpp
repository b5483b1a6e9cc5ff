// The canonical form of a conic (turned and moved so its axes are the coordinate axes) and the
// 120 samples of ellipses, hyperbolas and parabolas taken in that frame.

#include "geometry/conics.h"
#include "geometry/primitives.h"

#include <cmath>

namespace zeva::geometry {

namespace {

using Matrix3 = std::array<std::array<double, 3>, 3>;

Matrix3 multiply(const Matrix3& x, const Matrix3& y) {
    Matrix3 r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                r[i][j] += x[i][k] * y[k][j];
    return r;
}

Matrix3 transpose(const Matrix3& x) {
    Matrix3 r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i][j] = x[j][i];
    return r;
}

void zeroBelow(Matrix3& m, double limit) {
    for (auto& row : m)
        for (double& v : row)
            if (std::fabs(v) < limit) v = 0.0;
}

int refineType(double a2, double c2, double f2) {
    if (std::fabs(f2) < 0.0001) return kConicParabola;
    return (a2 > 0.0 && c2 > 0.0) || (a2 < 0.0 && c2 < 0.0) ? kConicEllipse : kConicHyperbola;
}

constexpr int kQuarter = 30;
constexpr int kHalf = 60;
constexpr int kCount = model::kConicSampleCount;

using Samples = std::array<Point, kCount>;

// Samples 31..60 mirror 29..0 across the x axis; samples 61..119 mirror 59..1 across the y axis.
void mirrorQuarter(Samples& s) {
    for (int m = 1; m <= kQuarter; ++m)
        s[kQuarter + m] = {s[kQuarter - m].x, -s[kQuarter - m].y};
    for (int m = 1; m < kHalf; ++m)
        s[kHalf + m] = {-s[kHalf - m].x, s[kHalf - m].y};
}

} // namespace

CanonicalConic canonicalForm(int type, const ConicCoefficients& coef) {
    const double a = coef[kCoefX2], b = coef[kCoefXY], c = coef[kCoefY2];
    const double d = coef[kCoefX], e = coef[kCoefY], f = coef[kCoefConst];
    CanonicalConic out;
    out.type = type;

    if (a != c)
        out.angle = 0.5 * std::atan(b / (a - c));
    else if (b > 0.0)
        out.angle = kPi / 4.0;
    else if (b < 0.0)
        out.angle = -kPi / 4.0;

    const Matrix3 p{{{a, b / 2.0, d / 2.0}, {b / 2.0, c, e / 2.0}, {d / 2.0, e / 2.0, f}}};
    Matrix3 m = p;
    if (b != 0.0) {
        const double cs = std::cos(out.angle), sn = std::sin(out.angle);
        const Matrix3 r{{{cs, sn, 0.0}, {-sn, cs, 0.0}, {0.0, 0.0, 1.0}}};
        m = multiply(multiply(r, p), transpose(r));
    }
    zeroBelow(m, 1e-8);
    const double a1 = m[0][0], c1 = m[1][1], d1 = m[0][2], e1 = m[1][2], f1 = m[2][2];

    double x0 = 0.0, y0 = 0.0;
    if (a1 != 0.0 && c1 != 0.0) {
        x0 = -d1 / a1;
        y0 = -e1 / c1;
    } else if (a1 != 0.0) {
        x0 = -d1 / a1;
        y0 = e1 != 0.0 ? -(f1 - d1 * d1 / a1) / (2.0 * e1) : 1.0;
    } else if (c1 != 0.0) {
        y0 = -e1 / c1;
        x0 = d1 != 0.0 ? -(f1 - e1 * e1 / c1) / (2.0 * d1) : 1.0;
    }
    out.centre = {x0, y0};

    // The same conic relative to (x0, y0): Tᵀ·M·T with T the translation by the centre.
    const Matrix3 t{{{1.0, 0.0, x0}, {0.0, 1.0, y0}, {0.0, 0.0, 1.0}}};
    Matrix3 q = multiply(multiply(transpose(t), m), t);
    zeroBelow(q, 1e-10);
    double a2 = q[0][0], c2 = q[1][1], d2 = q[0][2], e2 = q[1][2], f2 = q[2][2];

    switch (type) {
    case kConicCrossingLines:
        if (a2 != 0.0) {
            c2 /= a2;
            a2 = 1.0;
        }
        break;
    case kConicParallelLines:
        if (a2 == 0.0) {
            if (c2 != 0.0) {
                f2 /= c2;
                c2 = 1.0;
            }
        } else {
            f2 /= a2;
            a2 = 1.0;
        }
        break;
    default:
        out.type = refineType(a2, c2, f2);
        if (out.type == kConicEllipse || out.type == kConicHyperbola) {
            a2 = -a2 / f2;
            c2 = -c2 / f2;
            f2 = -1.0;
        } else if (c2 != 0.0) {
            d2 /= c2;
            c2 = 1.0;
        } else if (a2 != 0.0) {
            e2 /= a2;
            a2 = 1.0;
        }
        out.type = refineType(a2, c2, f2);
        break;
    }
    out.a2 = a2;
    out.c2 = c2;
    out.d2 = d2;
    out.e2 = e2;
    out.f2 = f2;

    switch (out.type) {
    case kConicEllipse:
        out.oriented = a2 > c2;
        break;
    case kConicHyperbola:
        out.oriented = a2 < 0.0;
        break;
    case kConicParabola:
    case kConicParallelLines:
        out.oriented = a2 != 0.0;
        break;
    default:
        out.oriented = false;
        break;
    }
    return out;
}

std::optional<Samples> sampleCanonical(const CanonicalConic& k) {
    Samples s{};
    const bool ellipseOrHyperbola = k.type == kConicEllipse || k.type == kConicHyperbola;
    // semi-axes: the first along the canonical x axis before the orientation turn
    const double sa = std::sqrt(std::fabs(1.0 / (k.oriented ? k.c2 : k.a2)));
    const double ta = std::sqrt(std::fabs(1.0 / (k.oriented ? k.a2 : k.c2)));
    if (ellipseOrHyperbola && !(std::isfinite(sa) && std::isfinite(ta))) return std::nullopt;

    switch (k.type) {
    case kConicEllipse:
        if (sa < 4999.0) {
            for (int m = 0; m <= kQuarter; ++m) {
                const double phi = (kQuarter - m) * (kPi / 2.0) / kQuarter;
                s[m] = {sa * std::cos(phi), ta * std::sin(phi)};
            }
        } else {
            // A very long ellipse: quadratic spacing across the short axis keeps the samples
            // near the ends, where the curve turns. Stored from the top down to the vertex so
            // the mirrorings trace the curve once round, as in the normal case.
            const double u = ta >= 2000.0 ? 2000.0 : ta;
            for (int m = 0; m <= kQuarter; ++m) {
                const double y = u * m * m / double(kQuarter * kQuarter);
                const double x = std::sqrt(std::max(0.0, (1.0 - y * y / (ta * ta)) * sa * sa));
                s[kQuarter - m] = {x, y};
            }
        }
        mirrorQuarter(s);
        break;
    case kConicHyperbola:
        for (int m = 0; m <= kQuarter; ++m) {
            const double x = m * m * m / 3.0 + sa;
            const double y = std::sqrt(std::max(0.0, (x * x / (sa * sa) - 1.0) * ta * ta));
            s[kQuarter - m] = {x, y};
        }
        mirrorQuarter(s);
        break;
    case kConicParabola: {
        const double p = k.oriented ? k.e2 : k.d2;
        for (int m = 0; m <= kHalf; ++m) {
            double x = 2.5 * m * m;
            if (p > 0.0) x = -x;
            s[m] = {x, std::sqrt(std::fabs(2.0 * p * x))};
        }
        for (int m = 1; m < kHalf; ++m)
            s[kHalf + m] = {s[kHalf - m].x, -s[kHalf - m].y};
        break;
    }
    default:
        return std::nullopt;
    }

    const double cs = std::cos(k.angle), sn = std::sin(k.angle);
    for (Point& pt : s) {
        if (k.oriented) pt = {-pt.y, pt.x};
        const double u = pt.x + k.centre.x, v = pt.y + k.centre.y;
        pt = {u * cs - v * sn, u * sn + v * cs};
        if (!std::isfinite(pt.x) || !std::isfinite(pt.y)) return std::nullopt;
    }
    return s;
}

} // namespace zeva::geometry
