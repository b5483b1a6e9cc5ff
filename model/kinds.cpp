#include "model/kinds.h"

namespace zeva::model {

namespace {
using C = ElementClass;
using K = Kind;
}  // namespace

constexpr std::array<KindInfo, kKindCount> kKindTable = {{
    {K::FreePoint, C::Point, "Punto Libre", 0},
    {K::PointOnElement, C::Point, "Punto en elemento", 1},
    {K::Intersection, C::Point, "Punto de intersección", 2},
    {K::CentralSymmetry, C::Point, "Punto (simetría central)", 2},
    {K::Midpoint, C::Point, "Punto medio", 2},
    {K::LineThroughPoint, C::Line, "Recta por punto", 1},
    {K::LineThroughTwoPoints, C::Line, "Recta por 2 puntos", 2},
    {K::RayFromPoint, C::Ray, "Semirecta por 1 punto", 1},
    {K::RayThroughTwoPoints, C::Ray, "Semirecta por 2 puntos", 2},
    {K::ParallelLine, C::Line, "Recta paralela", 2},
    {K::PerpendicularLine, C::Line, "Recta perpendicular", 2},
    {K::AngleBisector, C::Line, "Bisectriz", 3},
    {K::PerpendicularBisector, C::Line, "Mediatriz", 2},
    {K::Segment, C::Segment, "Segmento", 2},
    {K::Polygon, C::Polygon, "Polígono", 0},
    {K::PolygonSide, C::Segment, "Lado de un poligono", 3},
    {K::CircleByCentre, C::Circle, "Circunferencia dado el centro", 1},
    {K::CircleByCentreAndPoint, C::Circle, "Circunferencia dados centro y punto", 2},
    {K::CircleByRadius, C::Circle, "Circunferencia dados el radio y el centro", 3},
    {K::ArcThreePoints, C::Arc, "Arco dados 3 puntos", 3},
    {K::Angle, C::Angle, "Angulo", 3},
    {K::Locus, C::Locus, "Lugar geométrico", 2},
    {K::AxialSymmetry, C::Point, "Punto (simetría axial)", 2},
    {K::Translation, C::Point, "Punto (traslación)", 3},
    {K::Rotation, C::Point, "Punto (giro)", 3},
    {K::Homothety, C::Point, "Punto homotetico", 3},
    {K::Inversion, C::Point, "Punto inverso", 2},
    {K::Displacement, C::Point, "Punto desplazado", 3},
    {K::DistancePointPoint, C::Number, "Distancia(punto a punto)", 2},
    {K::DistancePointLine, C::Number, "Distancia(punto a recta)", 2},
    {K::SegmentLength, C::Number, "Longitud(segmento)", 1},
    {K::CircleLength, C::Number, "Longitud(circunferencia)", 1},
    {K::ArcLength, C::Number, "Longitud(arco)", 1},
    {K::PolygonPerimeter, C::Number, "Perímetro(polígono)", 1},
    {K::CircleArea, C::Number, "Area (circunferencia)", 1},
    {K::PolygonArea, C::Number, "Area (polígono)", 1},
    {K::AngleValue, C::Number, "ángulo(valor)", 3},
    {K::Calculation, C::Number, "Cálculo", 0},
    {K::Table, C::Table, "Tabla", 0},
    {K::Axes, C::Axes, "Ejes de coordenadas", 1},
    {K::AxisX, C::Line, "Eje x", 2},
    {K::AxisY, C::Line, "Eje y", 2},
    {K::Coordinates, C::Coordinates, "coordenadas de un punto", 2},
    {K::CoordinateX, C::Number, "coordenada x o r de un punto", 2},
    {K::CoordinateY, C::Number, "coordenada y o theta de un punto", 2},
    {K::LineEquation, C::Equation, "ecuación (recta)", 2},
    {K::CircleEquation, C::Equation, "ecuación (circunferencia)", 2},
    {K::Text, C::Text, "Texto", 0},
    {K::Name, C::Name, "Nombre", 1},
    {K::PointByCoordinates, C::Point, "Punto con coordenadas", 3},
    {K::ParallelChecker, C::Property, "comprobador de paralelismo", 2},
    {K::PerpendicularChecker, C::Property, "comprobador de perpendicularidad", 2},
    {K::MembershipChecker, C::Property, "comprobador de pertenencia", 2},
    {K::EquidistanceChecker, C::Property, "comprobador de equidistancia", 3},
    {K::CollinearityChecker, C::Property, "comprobador de alineación", 3},
    {K::Conic, C::Conic, "Cónica por 5 puntos", 0},
    {K::Slope, C::Number, "Pendiente", 1},
    {K::IntersectionCandidate, C::Intersection, "intersección", 2},
    {K::ConicEquation, C::Equation, "ecuación (cónica)", 2},
    {K::RegularPolygonVertex, C::Point, "Vértice de polígono regular", 2},
    {K::PlottedPoint, C::Point, "Punto representado", 1},
    {K::Grid, C::Grid, "Cuadrícula", 1},
    {K::GridPoint, C::Point, "Punto en cuadrícula", 1},
    {K::Parameter, C::Number, "Parámetro", 0},
    {K::Function, C::Function, "Función", 0},
    {K::FunctionGraph, C::Locus, "Representación de función", 2},
    {K::HideShowButton, C::Button, "Botón Ocultar/Ver", 0},
    {K::Bitmap, C::Bitmap, "Bitmap", 1},
}};

constexpr std::array<std::string_view, kClassCount> kClassNames = {
    "punto",       "recta",   "semirecta", "segmento", "polígono",   "circunferencia",
    "arco",        "ángulo",  "lugar geométrico",       "texto",      "nombre",
    "número",      "función", "ejes",      "tabla",    "ecuación",   "coordenadas",
    "propiedad",   "cónica",  "intersección",           "cuadrícula", "botón",
    "bitmap",
};

namespace {
constexpr bool tableIsInKindOrder() {
    for (int i = 0; i < kKindCount; ++i)
        if (static_cast<int>(kKindTable[static_cast<size_t>(i)].kind) != i) return false;
    return true;
}
}  // namespace
static_assert(tableIsInKindOrder(), "row i of the kind table must describe kind i");

ElementClass classOf(Kind kind) { return kKindTable[static_cast<size_t>(kind)].elementClass; }

std::string_view kindName(Kind kind) { return kKindTable[static_cast<size_t>(kind)].name; }

std::string_view className(ElementClass cls) { return kClassNames[static_cast<size_t>(cls)]; }

int parentCountOf(Kind kind) { return kKindTable[static_cast<size_t>(kind)].parentCount; }

bool carriesFont(ElementClass cls) {
    switch (cls) {
    case C::Name:
    case C::Number:
    case C::Function:
    case C::Table:
    case C::Equation:
    case C::Coordinates:
    case C::Property:
    case C::Button:
        return true;
    case C::Point:
    case C::Line:
    case C::Ray:
    case C::Segment:
    case C::Polygon:
    case C::Circle:
    case C::Arc:
    case C::Angle:
    case C::Locus:
    case C::Text:
    case C::Axes:
    case C::Conic:
    case C::Intersection:
    case C::Grid:
    case C::Bitmap:
        return false;
    }
    return false;
}

bool isSubElementKind(Kind kind) {
    return kind == K::PolygonSide || kind == K::AxisX || kind == K::AxisY ||
           kind == K::CoordinateX || kind == K::CoordinateY;
}

}  // namespace zeva::model
