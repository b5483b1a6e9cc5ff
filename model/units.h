#pragma once
// The document's units: world lengths are pixels at scale 1.0; a document shows them in mm, cm,
// m or km through its pixelsPerUnit (world units per centimetre), shows angles in radians,
// degrees or grads, and coordinates as (x, y) or (r, theta). The settings each document carries
// are one record, DocumentUnits, kept by the document, its file and the options' defaults.

#include <cstdint>
#include <optional>

namespace zeva::model {

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kEpsilon = 0.0001;  // two points closer than this coincide
inline constexpr double kDegreesPerRadian = 180.0 / kPi;
inline constexpr double kGradsPerRadian = 200.0 / kPi;

// The numbers are those the document and options files store.
enum class LengthUnit : int32_t { Millimetre = 0, Centimetre = 1, Metre = 2, Kilometre = 3 };
enum class AngleUnit : int32_t { Radian = 0, Degree = 1, Grad = 2 };
enum class CoordinateSystem : int32_t { Rectangular = 0, Polar = 1 };

inline constexpr int kLengthUnitCount = 4;
inline constexpr int kAngleUnitCount = 3;
inline constexpr int kCoordinateSystemCount = 2;

// The number a file stores (and the index of a unit menu).
constexpr int32_t toStored(LengthUnit u) {
    return static_cast<int32_t>(u);
}
constexpr int32_t toStored(AngleUnit u) {
    return static_cast<int32_t>(u);
}
constexpr int32_t toStored(CoordinateSystem c) {
    return static_cast<int32_t>(c);
}

// What a stored number names; none for a number outside the range, which the readers refuse.
constexpr std::optional<LengthUnit> lengthUnitFromStored(int32_t v) {
    if (v < 0 || v >= kLengthUnitCount) return std::nullopt;
    return static_cast<LengthUnit>(v);
}
constexpr std::optional<AngleUnit> angleUnitFromStored(int32_t v) {
    if (v < 0 || v >= kAngleUnitCount) return std::nullopt;
    return static_cast<AngleUnit>(v);
}
constexpr std::optional<CoordinateSystem> coordinateSystemFromStored(int32_t v) {
    if (v < 0 || v >= kCoordinateSystemCount) return std::nullopt;
    return static_cast<CoordinateSystem>(v);
}

// The five settings each document carries; the options keep a copy as the defaults for new
// documents.
struct DocumentUnits {
    int32_t backgroundColor = 0; // 0x00BBGGRR
    LengthUnit lengthUnit = LengthUnit::Centimetre;
    AngleUnit angleUnit = AngleUnit::Radian;
    int32_t pixelsPerUnit = 40; // 1..1000
    CoordinateSystem coordSystem = CoordinateSystem::Rectangular;

    bool polar() const { return coordSystem == CoordinateSystem::Polar; }

    friend bool operator==(const DocumentUnits&, const DocumentUnits&) = default;
};

// User units per centimetre: mm 10, cm 1, m 0.01, km 0.00001.
constexpr double lengthFactor(LengthUnit lengthUnit) {
    switch (lengthUnit) {
    case LengthUnit::Millimetre:
        return 10.0;
    case LengthUnit::Centimetre:
        return 1.0;
    case LengthUnit::Metre:
        return 0.01;
    case LengthUnit::Kilometre:
        return 0.00001;
    }
    return 1.0;
}

constexpr double userLength(double worldLength, int pixelsPerUnit, LengthUnit lengthUnit) {
    return worldLength / pixelsPerUnit * lengthFactor(lengthUnit);
}

constexpr double userArea(double worldArea, int pixelsPerUnit, LengthUnit lengthUnit) {
    const double f = lengthFactor(lengthUnit);
    return worldArea / (static_cast<double>(pixelsPerUnit) * pixelsPerUnit) * f * f;
}

constexpr double angleToUser(double radians, AngleUnit angleUnit) {
    switch (angleUnit) {
    case AngleUnit::Radian:
        return radians;
    case AngleUnit::Degree:
        return radians * kDegreesPerRadian;
    case AngleUnit::Grad:
        return radians * kGradsPerRadian;
    }
    return radians;
}

constexpr double userAngleToRadians(double value, AngleUnit angleUnit) {
    switch (angleUnit) {
    case AngleUnit::Radian:
        return value;
    case AngleUnit::Degree:
        return value / kDegreesPerRadian;
    case AngleUnit::Grad:
        return value / kGradsPerRadian;
    }
    return value;
}

}  // namespace zeva::model
