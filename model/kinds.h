#pragma once
// Construction kinds and element classes: the fixed tables every subsystem looks facts up in.

#include <array>
#include <cstdint>
#include <string_view>

namespace zeva::model {

// How an element is constructed. The numbers are stored in files and must never change.
enum class Kind : int32_t {
    FreePoint = 0,
    PointOnElement = 1,
    Intersection = 2,
    CentralSymmetry = 3,
    Midpoint = 4,
    LineThroughPoint = 5,
    LineThroughTwoPoints = 6,
    RayFromPoint = 7,
    RayThroughTwoPoints = 8,
    ParallelLine = 9,
    PerpendicularLine = 10,
    AngleBisector = 11,
    PerpendicularBisector = 12,
    Segment = 13,
    Polygon = 14,
    PolygonSide = 15,
    CircleByCentre = 16,
    CircleByCentreAndPoint = 17,
    CircleByRadius = 18,
    ArcThreePoints = 19,
    Angle = 20,
    Locus = 21,
    AxialSymmetry = 22,
    Translation = 23,
    Rotation = 24,
    Homothety = 25,
    Inversion = 26,
    Displacement = 27,
    DistancePointPoint = 28,
    DistancePointLine = 29,
    SegmentLength = 30,
    CircleLength = 31,
    ArcLength = 32,
    PolygonPerimeter = 33,
    CircleArea = 34,
    PolygonArea = 35,
    AngleValue = 36,
    Calculation = 37,
    Table = 38,
    Axes = 39,
    AxisX = 40,
    AxisY = 41,
    Coordinates = 42,
    CoordinateX = 43,
    CoordinateY = 44,
    LineEquation = 45,
    CircleEquation = 46,
    Text = 47,
    Name = 48,
    PointByCoordinates = 49,
    ParallelChecker = 50,
    PerpendicularChecker = 51,
    MembershipChecker = 52,
    EquidistanceChecker = 53,
    CollinearityChecker = 54,
    Conic = 55,
    Slope = 56,
    IntersectionCandidate = 57,
    ConicEquation = 58,
    RegularPolygonVertex = 59,
    PlottedPoint = 60,
    Grid = 61,
    GridPoint = 62,
    Parameter = 63,
    Function = 64,
    FunctionGraph = 65,
    HideShowButton = 66,
    Bitmap = 67,
};

inline constexpr int kKindCount = 68;

// What an element is drawn, hit and measured as. Indexes the per-class option tables and is
// what a macro stores for each of its initial elements.
enum class ElementClass : int32_t {
    Point = 0,          // "punto"
    Line = 1,           // "recta"
    Ray = 2,            // "semirecta"
    Segment = 3,        // "segmento"
    Polygon = 4,        // "polígono"
    Circle = 5,         // "circunferencia"
    Arc = 6,            // "arco"
    Angle = 7,          // "ángulo"
    Locus = 8,          // "lugar geométrico"
    Text = 9,           // "texto"
    Name = 10,          // "nombre"
    Number = 11,        // "número"
    Function = 12,      // "función"
    Axes = 13,          // "ejes"
    Table = 14,         // "tabla"
    Equation = 15,      // "ecuación"
    Coordinates = 16,   // "coordenadas"
    Property = 17,      // "propiedad"
    Conic = 18,         // "cónica"
    Intersection = 19,  // "intersección"
    Grid = 20,          // "cuadrícula"
    Button = 21,        // "botón"
    Bitmap = 22,        // "bitmap"
};

inline constexpr int kClassCount = 23;

struct KindInfo {
    Kind kind;
    ElementClass elementClass;
    std::string_view name;  // built-in Spanish display name (UTF-8)
    int parentCount;        // how many of parent1..parent3 the kind uses
};

extern const std::array<KindInfo, kKindCount> kKindTable;
extern const std::array<std::string_view, kClassCount> kClassNames;

constexpr bool isValidKind(int32_t k) { return k >= 0 && k < kKindCount; }
constexpr int toInt(Kind k) { return static_cast<int>(k); }
constexpr int toInt(ElementClass c) { return static_cast<int>(c); }

ElementClass classOf(Kind kind);
// Built-in Spanish display name; the interface text table may replace it from a language file.
std::string_view kindName(Kind kind);
std::string_view className(ElementClass cls);
// True for the classes whose elements own an ElementFont: nombre, número, función, tabla,
// ecuación, coordenadas, propiedad, botón.
bool carriesFont(ElementClass cls);
int parentCountOf(Kind kind);

// Kinds that live only inside an owner's tail (polygon sides, the two axes, coordinate parts).
bool isSubElementKind(Kind kind);

}  // namespace zeva::model
