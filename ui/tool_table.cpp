#include "ui/tool_table.h"

#include <initializer_list>

namespace zeva::ui {

namespace {

using model::ElementClass;
using C = ElementClass;

struct Count {
    ElementClass cls;
    int16_t n = 1;
};

constexpr AcceptRow row(std::initializer_list<Count> counts) {
    AcceptRow r{};
    for (const Count& c : counts) r[static_cast<size_t>(c.cls)] = c.n;
    return r;
}

// Every class but the ones listed.
constexpr AcceptRow allBut(std::initializer_list<ElementClass> excluded) {
    AcceptRow r{};
    r.fill(1);
    for (ElementClass c : excluded) r[static_cast<size_t>(c)] = 0;
    return r;
}

// The classes a point can be put on (the point tool's row).
constexpr AcceptRow pointHosts(int16_t points) {
    return row({{C::Point, points}, {C::Line}, {C::Ray}, {C::Segment}, {C::Polygon}, {C::Circle},
                {C::Arc}, {C::Locus}, {C::Axes}, {C::Conic}, {C::Grid}});
}

constexpr AcceptRow kNothing{};
constexpr AcceptRow kEverything = allBut({C::Intersection});
constexpr AcceptRow kTransformable = row({{C::Point}, {C::Line}, {C::Ray}, {C::Segment},
                                          {C::Polygon}, {C::Circle}, {C::Arc}, {C::Axes},
                                          {C::Conic}});
constexpr AcceptRow kPointsOnly = row({{C::Point}});
constexpr AcceptRow kStraight = row({{C::Line}, {C::Ray}, {C::Segment}, {C::Polygon}, {C::Axes}});
constexpr AcceptRow kValues = row({{C::Number}, {C::Function}, {C::Coordinates}});
constexpr AcceptRow kTextShowing =
    row({{C::Text}, {C::Name}, {C::Number}, {C::Function}, {C::Table}, {C::Equation},
         {C::Coordinates}, {C::Property}, {C::Button}});
constexpr AcceptRow kFillable =
    row({{C::Polygon}, {C::Circle}, {C::Text}, {C::Name}, {C::Number}, {C::Function}, {C::Table},
         {C::Equation}, {C::Coordinates}, {C::Property}, {C::Button}});
constexpr AcceptRow kLineShaped = row({{C::Line}, {C::Ray}, {C::Segment}, {C::Polygon},
                                       {C::Circle}, {C::Arc}, {C::Locus}, {C::Axes}, {C::Conic}});
constexpr AcceptRow kPointShaped = row({{C::Point}, {C::Grid}});
constexpr AcceptRow kAngles = row({{C::Angle}});

constexpr ToolInfo info(int cursorNumber, const AcceptRow& accepts) { return {cursorNumber, accepts}; }

using namespace cursor;

} // namespace

const std::array<ToolInfo, kToolCount> kToolTable = {{
    /* 0 move */ info(Select, kEverything),
    /* 1 point */ info(Construct, pointHosts(0)),
    /* 2 line */ info(Construct, pointHosts(2)),
    /* 3 ray */ info(Construct, pointHosts(2)),
    /* 4 conic */ info(Construct, pointHosts(5)),
    /* 5 circle */ info(Construct, pointHosts(2)),
    /* 6 circle by radius */ info(Construct, pointHosts(3)),
    /* 7 parallel */ info(Construct, pointHosts(1)),
    /* 8 perpendicular */ info(Construct, pointHosts(1)),
    /* 9 segment */ info(Construct, pointHosts(2)),
    /* 10 polygon */ info(Construct, pointHosts(1)),
    /* 11 regular polygon */ info(Construct, pointHosts(2)),
    /* 12 arc */ info(Construct, pointHosts(3)),
    /* 13 angle */ info(Construct, pointHosts(3)),
    /* 14 midpoint */ info(Construct, pointHosts(2)),
    /* 15 bisector */ info(Construct, pointHosts(3)),
    /* 16 perpendicular bisector */ info(Construct, pointHosts(2)),
    /* 17 intersection */
    info(Construct, row({{C::Line, 2}, {C::Ray, 2}, {C::Segment, 2}, {C::Polygon, 2},
                         {C::Circle, 2}, {C::Arc, 2}, {C::Locus, 2}, {C::Conic, 2}, {C::Axes, 1}})),
    /* 18 locus */
    info(Construct, row({{C::Point}, {C::Line}, {C::Ray}, {C::Segment}, {C::Polygon}, {C::Circle},
                         {C::Arc}, {C::Locus}, {C::Conic}})),
    /* 19 central symmetry */ info(Construct, kTransformable),
    /* 20 axial symmetry */ info(Construct, kTransformable),
    /* 21 translation */ info(Construct, kTransformable),
    /* 22 rotation */ info(Construct, kTransformable),
    /* 23 homothety */ info(Construct, kTransformable),
    /* 24 inversion */ info(Construct, row({{C::Point}, {C::Circle}})),
    /* 25 check parallel */ info(Check, kStraight),
    /* 26 check perpendicular */ info(Check, kStraight),
    /* 27 check membership */ info(Check, kPointsOnly),
    /* 28 check equidistance */ info(Check, kPointsOnly),
    /* 29 check collinearity */ info(Check, kPointsOnly),
    /* 30 displacement */ info(Construct, kPointsOnly),
    /* 31 point by coordinates */ info(Construct, row({{C::Number}, {C::Coordinates}})),
    /* 32 plot points */ info(Construct, row({{C::Axes}})),
    /* 33 length, distance */
    info(Construct, row({{C::Point}, {C::Segment}, {C::Polygon}, {C::Circle}, {C::Arc}})),
    /* 34 measure angle */ info(Construct, row({{C::Point}, {C::Angle}})),
    /* 35 area */ info(Construct, row({{C::Polygon}, {C::Circle}})),
    /* 36 slope */ info(Construct, row({{C::Line}, {C::Ray}, {C::Segment}, {C::Polygon}})),
    /* 37 axes */ info(Construct, pointHosts(1)),
    /* 38 equation, coordinates */
    info(Construct, row({{C::Point}, {C::Line}, {C::Circle}, {C::Conic}})),
    /* 39 grid */ info(Construct, row({{C::Axes}})),
    /* 40 calculate */ info(Select, kValues),
    /* 41 parameter */ info(Select, kValues),
    /* 42 function */ info(Select, kValues),
    /* 43 plot function */ info(Construct, row({{C::Function}})),
    /* 44 redefine */ info(Redefine, kPointsOnly),
    /* 45 trace */
    info(cursor::Trace, row({{C::Point}, {C::Line}, {C::Ray}, {C::Segment}, {C::Polygon},
                             {C::Circle}, {C::Arc}, {C::Locus}, {C::Axes}, {C::Conic},
                             {C::Bitmap}})),
    /* 46 animation */
    info(cursor::Animation, row({{C::Point}, {C::Line}, {C::Ray}, {C::Circle}, {C::Number}})),
    /* 47 zoom */ info(cursor::Zoom, kNothing),
    /* 48 table */ info(cursor::Table, row({{C::Number}, {C::Table}, {C::Coordinates}})),
    /* 49 apply macro: the macro gives its classes one input at a time */
    info(Construct, kNothing),
    /* 50 macro initial elements */
    info(cursor::MacroInitial,
         row({{C::Point}, {C::Line}, {C::Ray}, {C::Segment}, {C::Circle}, {C::Arc}, {C::Number},
              {C::Function}, {C::Axes}, {C::Conic}, {C::Grid}})),
    /* 51 macro final elements */
    info(cursor::MacroFinal, allBut({C::Text, C::Name, C::Table, C::Intersection})),
    /* 52 text */ info(cursor::Text, kNothing),
    /* 53 hide/show button */ info(cursor::Button, kEverything),
    /* 54 insert bitmap */ info(cursor::Bitmap, row({{C::Point}, {C::Segment}})),
    /* 55 hide/show */ info(cursor::HideShow, kEverything),
    /* 56 edit element */ info(cursor::Edit, kEverything),
    /* 57 delete element */ info(cursor::Delete, kEverything),
    /* 58 font */ info(cursor::Font, kTextShowing),
    /* 59 colour */ info(ColourShape, allBut({C::Intersection, C::Bitmap})),
    /* 60 fill colour */ info(Fill, kFillable),
    /* 61 parametric colour */ info(ColourShape, allBut({C::Intersection, C::Bitmap})),
    /* 62 parametric fill colour */ info(Fill, kFillable),
    /* 63..66 point shapes */
    info(ColourShape, kPointShaped), info(ColourShape, kPointShaped),
    info(ColourShape, kPointShaped), info(ColourShape, kPointShaped),
    /* 67..70 line shapes */
    info(ColourShape, kLineShaped), info(ColourShape, kLineShaped),
    info(ColourShape, kLineShaped), info(ColourShape, kLineShaped),
    /* 71..73 angle shapes */
    info(ColourShape, kAngles), info(ColourShape, kAngles), info(ColourShape, kAngles),
}};

const AcceptRow& acceptRowOf(ToolCode t) {
    static const AcceptRow empty{};
    return isValidTool(t) ? kToolTable[static_cast<size_t>(t)].accepts : empty;
}

int cursorOf(ToolCode t) { return isValidTool(t) ? kToolTable[static_cast<size_t>(t)].cursor : cursor::Arrow; }

SelectableMask selectableMaskOf(const AcceptRow& counts) {
    SelectableMask m{};
    for (size_t i = 0; i < counts.size(); ++i) m[i] = counts[i] > 0 ? 1 : 0;
    return m;
}

} // namespace zeva::ui
