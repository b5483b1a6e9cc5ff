#pragma once
// The document's unit conversions: world lengths are pixels at scale 1.0; a document shows them
// in mm, cm, m or km through its pixelsPerUnit (world units per centimetre), and shows angles
// in radians, degrees or grads.

#include <numbers>

namespace zeva::model {

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kEpsilon = 0.0001;  // two points closer than this coincide
inline constexpr double kDegreesPerRadian = 180.0 / kPi;
inline constexpr double kGradsPerRadian = 200.0 / kPi;

enum LengthUnit : int { kMillimetre = 0, kCentimetre = 1, kMetre = 2, kKilometre = 3 };
enum AngleUnit : int { kRadians = 0, kDegrees = 1, kGrads = 2 };

// User units per centimetre: mm 10, cm 1, m 0.01, km 0.00001.
constexpr double lengthFactor(int lengthUnit) {
    switch (lengthUnit) {
    case kMillimetre:
        return 10.0;
    case kMetre:
        return 0.01;
    case kKilometre:
        return 0.00001;
    default:
        return 1.0;
    }
}

constexpr double userLength(double worldLength, int pixelsPerUnit, int lengthUnit) {
    return worldLength / pixelsPerUnit * lengthFactor(lengthUnit);
}

constexpr double userArea(double worldArea, int pixelsPerUnit, int lengthUnit) {
    const double f = lengthFactor(lengthUnit);
    return worldArea / (static_cast<double>(pixelsPerUnit) * pixelsPerUnit) * f * f;
}

constexpr double angleToUser(double radians, int angleUnit) {
    switch (angleUnit) {
    case kDegrees:
        return radians * kDegreesPerRadian;
    case kGrads:
        return radians * kGradsPerRadian;
    default:
        return radians;
    }
}

constexpr double userAngleToRadians(double value, int angleUnit) {
    switch (angleUnit) {
    case kDegrees:
        return value / kDegreesPerRadian;
    case kGrads:
        return value / kGradsPerRadian;
    default:
        return value;
    }
}

}  // namespace zeva::model
