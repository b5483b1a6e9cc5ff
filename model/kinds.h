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

// Which kind-specific tail an element carries; the order is that of the alternatives of
// model::ElementTail (element.h checks it).
enum class TailKind : int8_t {
    None,
    Polygon,     // 14: the sides
    Samples,     // 21, 65: the locus samples
    Expression,  // 37, 64: the formula and its references
    Table,       // 38: the measured rows and their cells
    Axes,        // 39: the units and the two axes
    Coordinates, // 42: the two coordinate parts
    Equation,    // 45, 46, 58: the text's position and the text
    Text,        // 47: the lines and their style
    Name,        // 48: the name and its offset
    Checker,     // 50..54: the property and its negation
    Conic,       // 55: the five points and the conic's data
    Parameter,   // 63: the slider range
    Button,      // 66: the caption and the targets
    Bitmap,      // 67: the picture
};

inline constexpr int kTailKindCount = 15;

// What a measurement kind measures; its value is in the document's units.
enum class Measure : int8_t {
    None,
    PointPointDistance,
    PointLineDistance,
    SegmentLength,
    CircleLength,
    ArcLength,
    PolygonPerimeter,
    CircleArea,
    PolygonArea,
    AngleValue,
};

// The dimension of a measured value: 1 length, 2 area, 3 angle; 0 for no measurement.
constexpr int8_t dimensionOf(Measure m) {
    switch (m) {
    case Measure::None:
        return 0;
    case Measure::PointPointDistance:
    case Measure::PointLineDistance:
    case Measure::SegmentLength:
    case Measure::CircleLength:
    case Measure::ArcLength:
    case Measure::PolygonPerimeter:
        return 1;
    case Measure::CircleArea:
    case Measure::PolygonArea:
        return 2;
    case Measure::AngleValue:
        return 3;
    }
    return 0;
}

// The property a checker kind tests among its parents.
enum class Checked : int8_t {
    None,
    Parallel,      // two lines
    Perpendicular, // two lines
    Membership,    // a point on an element
    Equidistance,  // the first point as far from the second as from the third
    Collinearity,  // three points
};

// Facts of one construction kind.
struct KindInfo {
    Kind kind;
    ElementClass elementClass;
    std::string_view name; // built-in Spanish display name (UTF-8)
    int8_t parentCount;    // how many of parent1..parent3 the kind uses
    // How many of them the element cannot do without: a reference that names no element in
    // a file makes the file invalid. All the parents it uses, but for a bitmap's optional
    // segment.
    int8_t requiredParents;
    // A sub-element (polygon side, axis, coordinate part) lives only inside its owner's tail;
    // this parent (2 or 3) is the owner. 0 for every other kind.
    int8_t ownerParent = 0;
    TailKind tail = TailKind::None;
    // Measurements: what the value measures, and its dimension (dimensionOf).
    Measure measure = Measure::None;
    int8_t dimension = 0;
    Checked checked = Checked::None;
    // The parents that are points the element is drawn through (bit 0 parent1, bit 1
    // parent2, bit 2 parent3): points known to lie on it, and the point a transformed copy of a
    // line keeps. A circle by its centre, a perpendicular bisector pass through none.
    uint8_t throughParents = 0;

    constexpr KindInfo withTail(TailKind t) const {
        KindInfo k = *this;
        k.tail = t;
        return k;
    }
    constexpr KindInfo ownedThrough(int8_t parent) const {
        KindInfo k = *this;
        k.ownerParent = parent;
        return k;
    }
    constexpr KindInfo measuring(Measure m) const {
        KindInfo k = *this;
        k.measure = m;
        k.dimension = dimensionOf(m);
        return k;
    }
    constexpr KindInfo checking(Checked c) const {
        KindInfo k = *this;
        k.checked = c;
        k.tail = TailKind::Checker;
        return k;
    }
    constexpr KindInfo through(uint8_t parents) const {
        KindInfo k = *this;
        k.throughParents = parents;
        return k;
    }
    constexpr KindInfo optionalParents(int8_t required) const {
        KindInfo k = *this;
        k.requiredParents = required;
        return k;
    }
};

// Which of the curves that intersect one another an element of a class is; the order indexes
// the table of intersection types.
enum class Curve : int8_t { Line, Ray, Segment, Circle, Arc, Conic, None };
inline constexpr int kCurveCount = 6; // the curves before None

// How a locus follows an element of a class as its driving point runs.
enum class LocusTrace : int8_t {
    None,     // a locus cannot trace it
    Point,    // one position per sample, drawn as a polyline
    Element,  // both points of each instance kept per sample, drawn as a family of instances
    Run,      // recomputed and drawn instance by instance as the figure is drawn
};

// How a point put on an element of a class runs along it, which says what the point's
// parameter means and what range a locus driven along it samples.
enum class Track : int8_t {
    None,    // no point can be put on it
    Line,    // from the first point: world units, or multiples of the vector between two points
    Ray,     // likewise, forwards only
    Segment, // 0 at the first end, 1 at the second
    Polygon, // the side's index plus the fraction along that side
    Circle,  // the angle about the centre
    Arc,     // 0 at the first point, 1 at the third
    Locus,   // along the samples, 0 to 1
    Conic,   // along the conic's own samples
};

// How an element of a class shows its text.
enum class TextForm : int8_t {
    None,   // it shows none
    Lines,  // texto: its own lines in its own text style
    Name,   // nombre: placed by its offset from the element it names
    Value,  // número, función, ecuación, coordenadas, propiedad: a value's text at (x2, y2)
    Table,  // tabla: rows of measured cells
    Button, // botón: its caption in a frame
};

// Facts of one element class.
struct ClassInfo {
    ElementClass elementClass;
    std::string_view name; // built-in Spanish class name (UTF-8)
    // Owns an ElementFont: the texts of the classes nombre, número, función, tabla, ecuación,
    // coordenadas, propiedad and botón. A texto has its own text style instead.
    bool carriesFont = false;
    // Shown as text rather than as a shape: the font classes and texto. `style` holds no shape
    // code (-1, or a text background colour).
    bool showsText = false;
    // A text placed at (x2, y2) that can be moved on its own: the font classes but nombre,
    // whose offset from its named element places it.
    bool labelLike = false;
    TextForm textForm = TextForm::None;
    // recta, semirecta, segmento: what the constructions on "a line-like element" accept.
    bool lineLike = false;
    Curve curve = Curve::None;
    // A point can be put on it (kind 1, and the parameter of a name or a measurement's text).
    bool hostsPoints = false;
    Track track = Track::None;
    // Its points run round a closed curve (a polygon, a circle, a conic).
    bool closedCurve = false;
    // param1 holds its fill colour (-1 none): polygons and circles.
    bool filled = false;
    LocusTrace locusTrace = LocusTrace::None;
    // Sample capacity of a new locus tracing it; 0 takes the option's number of points.
    int16_t locusCapacity = 50;
    // The elements an initial element of this class brings into a macro with it: a segment
    // its two ends, a circle its centre, an arc its three points, axes their origin and two
    // axes, a conic its five points.
    int8_t macroExtras = 0;

    constexpr ClassInfo bringing(int8_t extras) const {
        ClassInfo c = *this;
        c.macroExtras = extras;
        return c;
    }
};

namespace facts {
using C = ElementClass;
using K = Kind;
using T = TailKind;

inline constexpr uint8_t P1 = 1, P2 = 2, P3 = 4; // bits of throughParents

constexpr KindInfo kind(Kind k, ElementClass c, std::string_view name, int8_t parents) {
    return {k, c, name, parents, parents};
}

// Row i describes kind i (checked below).
inline constexpr std::array<KindInfo, kKindCount> kKindTable = {{
    kind(K::FreePoint, C::Point, "Punto Libre", 0),
    kind(K::PointOnElement, C::Point, "Punto en elemento", 1),
    kind(K::Intersection, C::Point, "Punto de intersección", 2),
    kind(K::CentralSymmetry, C::Point, "Punto (simetría central)", 2),
    kind(K::Midpoint, C::Point, "Punto medio", 2),
    kind(K::LineThroughPoint, C::Line, "Recta por punto", 1).through(P1),
    kind(K::LineThroughTwoPoints, C::Line, "Recta por 2 puntos", 2).through(P1 | P2),
    kind(K::RayFromPoint, C::Ray, "Semirecta por 1 punto", 1).through(P1),
    kind(K::RayThroughTwoPoints, C::Ray, "Semirecta por 2 puntos", 2).through(P1 | P2),
    kind(K::ParallelLine, C::Line, "Recta paralela", 2).through(P2),
    kind(K::PerpendicularLine, C::Line, "Recta perpendicular", 2).through(P2),
    kind(K::AngleBisector, C::Line, "Bisectriz", 3).through(P2),
    kind(K::PerpendicularBisector, C::Line, "Mediatriz", 2),
    kind(K::Segment, C::Segment, "Segmento", 2).through(P1 | P2),
    kind(K::Polygon, C::Polygon, "Polígono", 0).withTail(T::Polygon),
    kind(K::PolygonSide, C::Segment, "Lado de un poligono", 3).ownedThrough(3).through(P1 | P2),
    kind(K::CircleByCentre, C::Circle, "Circunferencia dado el centro", 1),
    kind(K::CircleByCentreAndPoint, C::Circle, "Circunferencia dados centro y punto", 2)
        .through(P2),
    kind(K::CircleByRadius, C::Circle, "Circunferencia dados el radio y el centro", 3),
    kind(K::ArcThreePoints, C::Arc, "Arco dados 3 puntos", 3).through(P1 | P2 | P3),
    kind(K::Angle, C::Angle, "Angulo", 3),
    kind(K::Locus, C::Locus, "Lugar geométrico", 2).withTail(T::Samples),
    kind(K::AxialSymmetry, C::Point, "Punto (simetría axial)", 2),
    kind(K::Translation, C::Point, "Punto (traslación)", 3),
    kind(K::Rotation, C::Point, "Punto (giro)", 3),
    kind(K::Homothety, C::Point, "Punto homotetico", 3),
    kind(K::Inversion, C::Point, "Punto inverso", 2),
    kind(K::Displacement, C::Point, "Punto desplazado", 3),
    kind(K::DistancePointPoint, C::Number, "Distancia(punto a punto)", 2)
        .measuring(Measure::PointPointDistance),
    kind(K::DistancePointLine, C::Number, "Distancia(punto a recta)", 2)
        .measuring(Measure::PointLineDistance),
    kind(K::SegmentLength, C::Number, "Longitud(segmento)", 1).measuring(Measure::SegmentLength),
    kind(K::CircleLength, C::Number, "Longitud(circunferencia)", 1)
        .measuring(Measure::CircleLength),
    kind(K::ArcLength, C::Number, "Longitud(arco)", 1).measuring(Measure::ArcLength),
    kind(K::PolygonPerimeter, C::Number, "Perímetro(polígono)", 1)
        .measuring(Measure::PolygonPerimeter),
    kind(K::CircleArea, C::Number, "Area (circunferencia)", 1).measuring(Measure::CircleArea),
    kind(K::PolygonArea, C::Number, "Area (polígono)", 1).measuring(Measure::PolygonArea),
    kind(K::AngleValue, C::Number, "ángulo(valor)", 3).measuring(Measure::AngleValue),
    kind(K::Calculation, C::Number, "Cálculo", 0).withTail(T::Expression),
    kind(K::Table, C::Table, "Tabla", 0).withTail(T::Table),
    kind(K::Axes, C::Axes, "Ejes de coordenadas", 1).withTail(T::Axes),
    kind(K::AxisX, C::Line, "Eje x", 2).ownedThrough(2).through(P1),
    kind(K::AxisY, C::Line, "Eje y", 2).ownedThrough(2).through(P1),
    kind(K::Coordinates, C::Coordinates, "coordenadas de un punto", 2).withTail(T::Coordinates),
    kind(K::CoordinateX, C::Number, "coordenada x o r de un punto", 2).ownedThrough(2),
    kind(K::CoordinateY, C::Number, "coordenada y o theta de un punto", 2).ownedThrough(2),
    kind(K::LineEquation, C::Equation, "ecuación (recta)", 2).withTail(T::Equation),
    kind(K::CircleEquation, C::Equation, "ecuación (circunferencia)", 2).withTail(T::Equation),
    kind(K::Text, C::Text, "Texto", 0).withTail(T::Text),
    kind(K::Name, C::Name, "Nombre", 1).withTail(T::Name),
    kind(K::PointByCoordinates, C::Point, "Punto con coordenadas", 3),
    kind(K::ParallelChecker, C::Property, "comprobador de paralelismo", 2)
        .checking(Checked::Parallel),
    kind(K::PerpendicularChecker, C::Property, "comprobador de perpendicularidad", 2)
        .checking(Checked::Perpendicular),
    kind(K::MembershipChecker, C::Property, "comprobador de pertenencia", 2)
        .checking(Checked::Membership),
    kind(K::EquidistanceChecker, C::Property, "comprobador de equidistancia", 3)
        .checking(Checked::Equidistance),
    kind(K::CollinearityChecker, C::Property, "comprobador de alineación", 3)
        .checking(Checked::Collinearity),
    kind(K::Conic, C::Conic, "Cónica por 5 puntos", 0).withTail(T::Conic),
    kind(K::Slope, C::Number, "Pendiente", 1),
    kind(K::IntersectionCandidate, C::Intersection, "intersección", 2),
    kind(K::ConicEquation, C::Equation, "ecuación (cónica)", 2).withTail(T::Equation),
    kind(K::RegularPolygonVertex, C::Point, "Vértice de polígono regular", 2),
    kind(K::PlottedPoint, C::Point, "Punto representado", 1),
    kind(K::Grid, C::Grid, "Cuadrícula", 1),
    kind(K::GridPoint, C::Point, "Punto en cuadrícula", 1),
    kind(K::Parameter, C::Number, "Parámetro", 0).withTail(T::Parameter),
    kind(K::Function, C::Function, "Función", 0).withTail(T::Expression),
    kind(K::FunctionGraph, C::Locus, "Representación de función", 2).withTail(T::Samples),
    kind(K::HideShowButton, C::Button, "Botón Ocultar/Ver", 0).withTail(T::Button),
    kind(K::Bitmap, C::Bitmap, "Bitmap", 1).optionalParents(0).withTail(T::Bitmap),
}};

constexpr ClassInfo shape(ElementClass c, std::string_view name) {
    return {.elementClass = c, .name = name};
}
constexpr Track trackAlong(Curve k) {
    switch (k) {
    case Curve::Line:
        return Track::Line;
    case Curve::Ray:
        return Track::Ray;
    case Curve::Segment:
        return Track::Segment;
    case Curve::Circle:
        return Track::Circle;
    case Curve::Arc:
        return Track::Arc;
    case Curve::Conic:
        return Track::Conic;
    case Curve::None:
        return Track::None;
    }
    return Track::None;
}
constexpr ClassInfo curve(ElementClass c, std::string_view name, Curve k, LocusTrace trace) {
    return {.elementClass = c,
            .name = name,
            .lineLike = k == Curve::Line || k == Curve::Ray || k == Curve::Segment,
            .curve = k,
            .hostsPoints = true,
            .track = trackAlong(k),
            .closedCurve = k == Curve::Circle || k == Curve::Conic,
            .filled = k == Curve::Circle,
            .locusTrace = trace,
            .locusCapacity = static_cast<int16_t>(k == Curve::Conic ? 30 : 50)};
}
constexpr ClassInfo text(ElementClass c, std::string_view name, TextForm form) {
    return {.elementClass = c, .name = name, .carriesFont = true, .showsText = true,
            .labelLike = true, .textForm = form};
}

// Row i describes class i (checked below).
inline constexpr std::array<ClassInfo, kClassCount> kClassTable = {{
    {.elementClass = C::Point, .name = "punto", .locusTrace = LocusTrace::Point,
     .locusCapacity = 0},
    curve(C::Line, "recta", Curve::Line, LocusTrace::Element),
    curve(C::Ray, "semirecta", Curve::Ray, LocusTrace::Element),
    curve(C::Segment, "segmento", Curve::Segment, LocusTrace::Element).bringing(2),
    {.elementClass = C::Polygon, .name = "polígono", .hostsPoints = true,
     .track = Track::Polygon, .closedCurve = true, .filled = true, .locusTrace = LocusTrace::Run},
    curve(C::Circle, "circunferencia", Curve::Circle, LocusTrace::Element).bringing(1),
    curve(C::Arc, "arco", Curve::Arc, LocusTrace::Run).bringing(3),
    shape(C::Angle, "ángulo"),
    {.elementClass = C::Locus, .name = "lugar geométrico", .hostsPoints = true,
     .track = Track::Locus, .locusTrace = LocusTrace::Run, .locusCapacity = 30},
    {.elementClass = C::Text, .name = "texto", .showsText = true, .textForm = TextForm::Lines},
    {.elementClass = C::Name, .name = "nombre", .carriesFont = true, .showsText = true,
     .textForm = TextForm::Name},
    text(C::Number, "número", TextForm::Value),
    text(C::Function, "función", TextForm::Value),
    shape(C::Axes, "ejes").bringing(3),
    text(C::Table, "tabla", TextForm::Table),
    text(C::Equation, "ecuación", TextForm::Value),
    text(C::Coordinates, "coordenadas", TextForm::Value),
    text(C::Property, "propiedad", TextForm::Value),
    curve(C::Conic, "cónica", Curve::Conic, LocusTrace::Run).bringing(5),
    shape(C::Intersection, "intersección"),
    shape(C::Grid, "cuadrícula"),
    text(C::Button, "botón", TextForm::Button),
    shape(C::Bitmap, "bitmap"),
}};

constexpr bool kindRowsInOrder() {
    for (size_t i = 0; i < kKindTable.size(); ++i)
        if (static_cast<size_t>(kKindTable[i].kind) != i) return false;
    return true;
}
constexpr bool classRowsInOrder() {
    for (size_t i = 0; i < kClassTable.size(); ++i)
        if (static_cast<size_t>(kClassTable[i].elementClass) != i) return false;
    return true;
}
static_assert(kKindTable.size() == kKindCount && kindRowsInOrder(),
              "row i of the kind table must describe kind i");
static_assert(kClassTable.size() == kClassCount && classRowsInOrder(),
              "row i of the class table must describe class i");

// The yes/no facts agree with the columns they summarise.
constexpr bool classFactsAgree() {
    for (const ClassInfo& c : kClassTable) {
        if (c.hostsPoints != (c.track != Track::None)) return false;
        if (c.showsText != (c.textForm != TextForm::None)) return false;
        if (c.carriesFont != (c.showsText && c.textForm != TextForm::Lines)) return false;
        if (c.labelLike != (c.carriesFont && c.textForm != TextForm::Name)) return false;
    }
    return true;
}
static_assert(classFactsAgree(), "a class's yes/no facts must follow its track and text form");
constexpr bool kindFactsAgree() {
    for (const KindInfo& k : kKindTable) {
        if ((k.measure != Measure::None) && k.elementClass != ElementClass::Number) return false;
        if ((k.checked != Checked::None) != (k.tail == TailKind::Checker)) return false;
    }
    return true;
}
static_assert(kindFactsAgree(), "measurements are numbers; checkers carry the checker tail");
} // namespace facts

using facts::kClassTable;
using facts::kKindTable;

constexpr bool isValidKind(int32_t k) { return k >= 0 && k < kKindCount; }
constexpr int toInt(Kind k) { return static_cast<int>(k); }
constexpr int toInt(ElementClass c) { return static_cast<int>(c); }

constexpr const KindInfo& kindInfo(Kind kind) { return kKindTable[static_cast<size_t>(kind)]; }
constexpr const ClassInfo& classInfo(ElementClass cls) {
    return kClassTable[static_cast<size_t>(cls)];
}

constexpr ElementClass classOf(Kind kind) { return kindInfo(kind).elementClass; }
constexpr const ClassInfo& classInfo(Kind kind) { return classInfo(classOf(kind)); }
// Built-in Spanish display name; the interface text table may replace it from a language file.
constexpr std::string_view kindName(Kind kind) { return kindInfo(kind).name; }
constexpr std::string_view className(ElementClass cls) { return classInfo(cls).name; }
constexpr bool carriesFont(ElementClass cls) { return classInfo(cls).carriesFont; }
constexpr bool showsText(ElementClass cls) { return classInfo(cls).showsText; }
constexpr bool isLineLike(ElementClass cls) { return classInfo(cls).lineLike; }
constexpr Track trackOf(ElementClass cls) { return classInfo(cls).track; }
constexpr TextForm textFormOf(ElementClass cls) { return classInfo(cls).textForm; }
constexpr LocusTrace locusTraceOf(ElementClass cls) { return classInfo(cls).locusTrace; }
constexpr Curve curveOf(ElementClass cls) { return classInfo(cls).curve; }
// A locus keeps what it traces sample by sample (a point's position, or both points of a line,
// ray, segment or circle), rather than running the figure instance by instance.
constexpr bool tracedPerSample(ElementClass cls) {
    return locusTraceOf(cls) == LocusTrace::Point || locusTraceOf(cls) == LocusTrace::Element;
}
constexpr int parentCountOf(Kind kind) { return kindInfo(kind).parentCount; }
constexpr int requiredParentCountOf(Kind kind) { return kindInfo(kind).requiredParents; }
constexpr TailKind tailOf(Kind kind) { return kindInfo(kind).tail; }
constexpr Measure measureOf(Kind kind) { return kindInfo(kind).measure; }
constexpr Checked checkedOf(Kind kind) { return kindInfo(kind).checked; }

// Kinds that live only inside an owner's tail (polygon sides, the two axes, coordinate parts).
constexpr bool isSubElementKind(Kind kind) { return kindInfo(kind).ownerParent != 0; }

// Whether the element is drawn through its parent number i (1..3): see throughParents.
constexpr bool passesThroughParent(Kind kind, int i) {
    return i >= 1 && i <= 3 && (kindInfo(kind).throughParents & (1u << (i - 1))) != 0;
}

} // namespace zeva::model
