#include "document/element_io.h"

#include <algorithm>
#include <limits>

namespace zeva::document {

using model::Element;
using model::ElementClass;
using model::ElementFont;
using model::Kind;

namespace {

constexpr int32_t kNoLimit = std::numeric_limits<int32_t>::max();
constexpr int32_t kLightGrey = 12632256;
constexpr size_t kSubRecordBytes = 4 * 4 + 4 * 8;

// ---- writing --------------------------------------------------------------------------------

void writeFont(ByteWriter& w, const ElementFont& f) {
    w.str(f.name);
    w.i32(f.color);
    w.i32(f.size);
    w.i32(f.bold);
    w.i32(f.italic);
    w.i32(f.underline);
    w.i32(f.strikeout);
}

// A sub-element (polygon side, axis, coordinate part): serial, parent indices, coordinates.
void writeSubRecord(ByteWriter& w, const Element* s, SerialShift sh) {
    static const Element kBlank;
    const Element& e = s ? *s : kBlank;
    w.i32(sh(e.serial));
    w.i32(sh(e.parent1Index));
    w.i32(sh(e.parent2Index));
    w.i32(sh(e.parent3Index));
    w.real(e.x1);
    w.real(e.y1);
    w.real(e.x2);
    w.real(e.y2);
}

void writeKindBlock(ByteWriter& w, const Element& e, SerialShift sh) {
    switch (e.kind) {
    case Kind::Polygon: {
        const auto& sides = e.polygon().sides;
        w.i32(static_cast<int32_t>(sides.size()));
        for (const auto& s : sides)
            writeSubRecord(w, s.get(), sh);
        return;
    }
    case Kind::Locus:
    case Kind::FunctionGraph:
        w.i32(e.samples().capacity);
        return;
    case Kind::Calculation:
    case Kind::Function: {
        const auto& x = e.expression();
        w.i32(static_cast<int32_t>(x.refIndices.size()));
        w.i32(static_cast<int32_t>(x.constants.size()));
        w.i32(static_cast<int32_t>(x.code.size()));
        w.str(x.expression);
        for (int32_t c : x.code)
            w.i32(c);
        for (int32_t s : x.refIndices)
            w.i32(sh(s));
        for (double c : x.constants)
            w.real(c);
        return;
    }
    case Kind::Table: {
        const auto& t = e.table();
        const int32_t columns = std::clamp(t.columnCount, 0, model::kTableMaxColumns);
        w.i32(static_cast<int32_t>(t.rowIndices.size()));
        w.i32(columns);
        for (size_t row = 0; row < t.rowIndices.size(); ++row) {
            w.i32(sh(t.rowIndices[row]));
            for (int32_t c = 0; c < columns; ++c) {
                const size_t at = row * model::kTableMaxColumns + static_cast<size_t>(c);
                w.real(at < t.cells.size() ? t.cells[at] : 0.0);
            }
        }
        return;
    }
    case Kind::Axes:
        w.real(e.axes().unitX);
        w.real(e.axes().unitY);
        writeSubRecord(w, e.axes().axisX.get(), sh);
        writeSubRecord(w, e.axes().axisY.get(), sh);
        return;
    case Kind::Coordinates:
        writeSubRecord(w, e.coordinates().xPart.get(), sh);
        writeSubRecord(w, e.coordinates().yPart.get(), sh);
        return;
    case Kind::LineEquation:
    case Kind::CircleEquation:
    case Kind::ConicEquation:
        w.real(e.equation().labelParam);
        w.str(e.equation().text);
        return;
    case Kind::Text:
        w.i32(static_cast<int32_t>(e.text().lines.size()));
        for (const auto& line : e.text().lines)
            w.str(line);
        writeFont(w, e.text().textFont);
        return;
    case Kind::Name:
        w.str(e.name().text);
        w.real(e.name().dx);
        w.real(e.name().dy);
        w.real(e.name().anchorX);
        w.real(e.name().anchorY);
        return;
    case Kind::ParallelChecker:
    case Kind::PerpendicularChecker:
    case Kind::MembershipChecker:
    case Kind::EquidistanceChecker:
    case Kind::CollinearityChecker:
        w.str(e.checker().trueText);
        w.str(e.checker().falseText);
        return;
    case Kind::Conic:
        for (int32_t s : e.conic().pointIndices)
            w.i32(sh(s));
        return;
    case Kind::Parameter:
        w.real(e.parameter().minimum);
        w.real(e.parameter().maximum);
        return;
    case Kind::HideShowButton: {
        const auto& b = e.button();
        const size_t n = b.targetIndices.size();
        w.i32(static_cast<int32_t>(n));
        w.str(b.caption);
        for (int32_t s : b.targetIndices)
            w.i32(sh(s));
        for (size_t i = 0; i < n; ++i)
            w.i32(i < b.targetStates.size() ? b.targetStates[i] : 0);
        return;
    }
    case Kind::Bitmap: {
        const auto& bmp = e.bitmap().picture.bmp;
        w.i32(static_cast<int32_t>(bmp.size()));
        w.bytes(bmp);
        return;
    }
    case Kind::FreePoint:
    case Kind::PointOnElement:
    case Kind::Intersection:
    case Kind::CentralSymmetry:
    case Kind::Midpoint:
    case Kind::LineThroughPoint:
    case Kind::LineThroughTwoPoints:
    case Kind::RayFromPoint:
    case Kind::RayThroughTwoPoints:
    case Kind::ParallelLine:
    case Kind::PerpendicularLine:
    case Kind::AngleBisector:
    case Kind::PerpendicularBisector:
    case Kind::Segment:
    case Kind::PolygonSide:
    case Kind::CircleByCentre:
    case Kind::CircleByCentreAndPoint:
    case Kind::CircleByRadius:
    case Kind::ArcThreePoints:
    case Kind::Angle:
    case Kind::AxialSymmetry:
    case Kind::Translation:
    case Kind::Rotation:
    case Kind::Homothety:
    case Kind::Inversion:
    case Kind::Displacement:
    case Kind::DistancePointPoint:
    case Kind::DistancePointLine:
    case Kind::SegmentLength:
    case Kind::CircleLength:
    case Kind::ArcLength:
    case Kind::PolygonPerimeter:
    case Kind::CircleArea:
    case Kind::PolygonArea:
    case Kind::AngleValue:
    case Kind::AxisX:
    case Kind::AxisY:
    case Kind::CoordinateX:
    case Kind::CoordinateY:
    case Kind::PointByCoordinates:
    case Kind::Slope:
    case Kind::IntersectionCandidate:
    case Kind::RegularPolygonVertex:
    case Kind::PlottedPoint:
    case Kind::Grid:
    case Kind::GridPoint:
        return;
    }
}

// ---- reading --------------------------------------------------------------------------------

bool readFont(ByteReader& r, ElementFont& f) {
    return r.str(f.name) && r.i32(f.color) && r.i32(f.size) && r.i32(f.bold) && r.i32(f.italic) &&
           r.i32(f.underline) && r.i32(f.strikeout);
}

ElementFont olderVersionFont() {
    ElementFont f;
    f.name = "Arial";
    f.color = kLightGrey;
    f.size = 10;
    return f;
}

bool readI32Array(ByteReader& r, size_t n, std::vector<int32_t>& out) {
    if (n > r.remaining() / 4) return r.fail(ReadErrorCode::ShortRead);
    out.resize(n);
    for (auto& v : out)
        if (!r.i32(v)) return false;
    return true;
}

std::unique_ptr<Element> readSubRecord(ByteReader& r, Kind kind) {
    auto s = model::makeElement(kind);
    if (!(r.i32(s->serial) && r.i32(s->parent1Index) && r.i32(s->parent2Index) &&
          r.i32(s->parent3Index) && r.real(s->x1) && r.real(s->y1) && r.real(s->x2) &&
          r.real(s->y2)))
        return nullptr;
    return s;
}

bool readSampleTail(ByteReader& r, Element& e, ElementReadContext& ctx) {
    int32_t capacity = 0;
    if (!r.count(capacity, kMaxSampleCapacity, 0, ReadErrorCode::BadCount)) return false;
    if (capacity > ctx.samplesLeft) return r.fail(ReadErrorCode::BadCount);
    ctx.samplesLeft -= capacity;
    e.samples().sampleCount = 0;
    e.samples().resize(capacity);
    return true;
}

bool readExpressionTail(ByteReader& r, Element& e) {
    auto& x = e.expression();
    int32_t refCount = 0, constantCount = 0, codeLength = 0;
    if (!r.count(refCount, kMaxExpressionRefs, 4, ReadErrorCode::BadCount) ||
        !r.count(constantCount, kNoLimit, 8, ReadErrorCode::BadCount) ||
        !r.count(codeLength, kNoLimit, 4, ReadErrorCode::BadCount) || !r.str(x.expression) ||
        !readI32Array(r, static_cast<size_t>(codeLength), x.code) ||
        !readI32Array(r, static_cast<size_t>(refCount), x.refIndices))
        return false;
    if (static_cast<size_t>(constantCount) > r.remaining() / 8)
        return r.fail(ReadErrorCode::ShortRead);
    x.constants.resize(static_cast<size_t>(constantCount));
    for (auto& c : x.constants)
        if (!r.real(c)) return false;
    x.refs.assign(x.refIndices.size(), nullptr);
    return true;
}

bool readTableTail(ByteReader& r, Element& e) {
    auto& t = e.table();
    int32_t rowCount = 0;
    if (!r.count(rowCount, kNoLimit, 4, ReadErrorCode::BadCount) ||
        !r.count(t.columnCount, model::kTableMaxColumns, 0, ReadErrorCode::TooManyColumns))
        return false;
    // A table records at least one value; an empty one would let a tiny file ask for
    // large cell storage.
    if (t.columnCount < 1) return r.fail(ReadErrorCode::BadCount);
    const size_t rowBytes = 4 + 8 * static_cast<size_t>(t.columnCount);
    if (static_cast<size_t>(rowCount) > r.remaining() / rowBytes)
        return r.fail(ReadErrorCode::ShortRead);
    const auto rows = static_cast<size_t>(rowCount);
    t.rowIndices.resize(rows);
    t.rows.assign(rows, nullptr);
    t.cells.assign(rows * model::kTableMaxColumns, 0.0);
    for (size_t row = 0; row < rows; ++row) {
        if (!r.i32(t.rowIndices[row])) return false;
        for (int32_t c = 0; c < t.columnCount; ++c)
            if (!r.real(t.cell(row, static_cast<size_t>(c)))) return false;
    }
    return true;
}

bool readButtonTail(ByteReader& r, Element& e) {
    auto& b = e.button();
    int32_t n = 0;
    if (!r.count(n, kNoLimit, 8, ReadErrorCode::BadCount) || !r.str(b.caption) ||
        !readI32Array(r, static_cast<size_t>(n), b.targetIndices) ||
        !readI32Array(r, static_cast<size_t>(n), b.targetStates))
        return false;
    b.targets.assign(b.targetIndices.size(), nullptr);
    return true;
}

bool readBitmapTail(ByteReader& r, Element& e) {
    int32_t n = 0;
    if (!r.i32(n)) return false;
    if (n < 0) return r.fail(ReadErrorCode::BadCount);
    if (static_cast<size_t>(n) > r.remaining()) return r.fail(ReadErrorCode::PictureTooLarge);
    return r.bytes(e.bitmap().picture.bmp, static_cast<size_t>(n));
}

bool readKindBlock(ByteReader& r, Element& e, ElementReadContext& ctx) {
    switch (e.kind) {
    case Kind::Polygon: {
        int32_t n = 0;
        if (!r.count(n, kNoLimit, kSubRecordBytes, ReadErrorCode::BadCount)) return false;
        if (n < 3) return r.fail(ReadErrorCode::BadCount);
        auto& sides = e.polygon().sides;
        sides.reserve(static_cast<size_t>(n));
        for (int32_t i = 0; i < n; ++i) {
            auto s = readSubRecord(r, Kind::PolygonSide);
            if (!s) return false;
            sides.push_back(std::move(s));
        }
        return true;
    }
    case Kind::Locus:
    case Kind::FunctionGraph:
        return readSampleTail(r, e, ctx);
    case Kind::Calculation:
    case Kind::Function:
        return readExpressionTail(r, e);
    case Kind::Table:
        return readTableTail(r, e);
    case Kind::Axes: {
        auto& a = e.axes();
        if (!r.real(a.unitX) || !r.real(a.unitY)) return false;
        a.axisX = readSubRecord(r, Kind::AxisX);
        a.axisY = a.axisX ? readSubRecord(r, Kind::AxisY) : nullptr;
        return a.axisY != nullptr;
    }
    case Kind::Coordinates: {
        auto& c = e.coordinates();
        c.xPart = readSubRecord(r, Kind::CoordinateX);
        c.yPart = c.xPart ? readSubRecord(r, Kind::CoordinateY) : nullptr;
        return c.yPart != nullptr;
    }
    case Kind::LineEquation:
    case Kind::CircleEquation:
    case Kind::ConicEquation:
        if (ctx.version >= kFileVersion && !r.real(e.equation().labelParam)) return false;
        return r.str(e.equation().text);
    case Kind::Text: {
        auto& t = e.text();
        int32_t n = 0;
        if (!r.count(n, kNoLimit, 4, ReadErrorCode::BadCount)) return false;
        t.lines.resize(static_cast<size_t>(n));
        for (auto& line : t.lines)
            if (!r.str(line)) return false;
        if (ctx.version > 100) return readFont(r, t.textFont);
        t.textFont = ctx.textFont;
        return true;
    }
    case Kind::Name: {
        auto& n = e.name();
        return r.str(n.text) && r.real(n.dx) && r.real(n.dy) && r.real(n.anchorX) &&
               r.real(n.anchorY);
    }
    case Kind::ParallelChecker:
    case Kind::PerpendicularChecker:
    case Kind::MembershipChecker:
    case Kind::EquidistanceChecker:
    case Kind::CollinearityChecker:
        return r.str(e.checker().trueText) && r.str(e.checker().falseText);
    case Kind::Conic:
        for (auto& s : e.conic().pointIndices)
            if (!r.i32(s)) return false;
        return true;
    case Kind::Parameter:
        return r.real(e.parameter().minimum) && r.real(e.parameter().maximum);
    case Kind::HideShowButton:
        return readButtonTail(r, e);
    case Kind::Bitmap:
        return readBitmapTail(r, e);
    case Kind::FreePoint:
    case Kind::PointOnElement:
    case Kind::Intersection:
    case Kind::CentralSymmetry:
    case Kind::Midpoint:
    case Kind::LineThroughPoint:
    case Kind::LineThroughTwoPoints:
    case Kind::RayFromPoint:
    case Kind::RayThroughTwoPoints:
    case Kind::ParallelLine:
    case Kind::PerpendicularLine:
    case Kind::AngleBisector:
    case Kind::PerpendicularBisector:
    case Kind::Segment:
    case Kind::PolygonSide:
    case Kind::CircleByCentre:
    case Kind::CircleByCentreAndPoint:
    case Kind::CircleByRadius:
    case Kind::ArcThreePoints:
    case Kind::Angle:
    case Kind::AxialSymmetry:
    case Kind::Translation:
    case Kind::Rotation:
    case Kind::Homothety:
    case Kind::Inversion:
    case Kind::Displacement:
    case Kind::DistancePointPoint:
    case Kind::DistancePointLine:
    case Kind::SegmentLength:
    case Kind::CircleLength:
    case Kind::ArcLength:
    case Kind::PolygonPerimeter:
    case Kind::CircleArea:
    case Kind::PolygonArea:
    case Kind::AngleValue:
    case Kind::AxisX:
    case Kind::AxisY:
    case Kind::CoordinateX:
    case Kind::CoordinateY:
    case Kind::PointByCoordinates:
    case Kind::Slope:
    case Kind::IntersectionCandidate:
    case Kind::RegularPolygonVertex:
    case Kind::PlottedPoint:
    case Kind::Grid:
    case Kind::GridPoint:
        return true;
    }
    return true;
}

bool readCommonBlock(ByteReader& r, Element& e, int32_t version) {
    if (!(r.i32(e.serial) && r.i32(e.parent1Index) && r.i32(e.parent2Index) &&
          r.i32(e.parent3Index) && r.real(e.x1) && r.real(e.y1) && r.real(e.x2) && r.real(e.y2) &&
          r.i32(e.exists) && r.i32(e.visible) && r.i32(e.param1) && r.i32(e.color)))
        return false;
    if (version >= kFileVersion) {
        if (!(r.i32(e.colorSourceIndex) && r.i32(e.colorMode) && r.i32(e.style) &&
              r.i32(e.param2) && r.i32(e.dimension) && r.i32(e.decimals)))
            return false;
        if (e.font && !readFont(r, *e.font)) return false;
        return true;
    }
    if (!r.i32(e.style)) return false;
    e.colorSourceIndex = -1;
    e.colorMode = 0;
    e.dimension = 0;
    e.decimals = 2;
    e.param2 = e.elementClass() == ElementClass::Number ? -100 : 0;
    if (e.font) *e.font = olderVersionFont();
    if (version <= 100) {
        switch (e.elementClass()) {
        case ElementClass::Polygon:
        case ElementClass::Circle:
            e.param1 = -1; // no fill
            break;
        case ElementClass::Text:
        case ElementClass::Name:
        case ElementClass::Number:
        case ElementClass::Function:
        case ElementClass::Table:
        case ElementClass::Equation:
        case ElementClass::Coordinates:
        case ElementClass::Property:
        case ElementClass::Button:
            e.style = -1; // transparent text background
            break;
        default:
            break;
        }
    }
    return true;
}

// Sub-elements take their look from their owner and hang off it.
void finishSubElements(Element& e) {
    switch (e.kind) {
    case Kind::Polygon:
        for (auto& s : e.polygon().sides) {
            s->color = e.color;
            s->style = e.style;
        }
        return;
    case Kind::Axes:
        model::forEachSubElement(e, [&](Element& s) {
            s.color = e.color;
            s.style = e.style;
            s.visible = 1;
        });
        return;
    case Kind::Coordinates:
        model::forEachSubElement(e, [&](Element& s) {
            s.color = e.color;
            s.style = e.style;
            s.visible = 1;
            s.param1 = 100;
            s.dimension = 0;
            s.decimals = e.decimals;
            if (e.font) s.font = std::make_unique<ElementFont>(*e.font);
        });
        return;
    default:
        return;
    }
}

} // namespace

void writeElementRecord(ByteWriter& w, const Element& e, SerialShift sh) {
    w.i32(static_cast<int32_t>(e.kind));
    writeKindBlock(w, e, sh);
    w.i32(sh(e.serial));
    w.i32(sh(e.parent1Index));
    w.i32(sh(e.parent2Index));
    w.i32(sh(e.parent3Index));
    w.real(e.x1);
    w.real(e.y1);
    w.real(e.x2);
    w.real(e.y2);
    w.i32(e.exists);
    w.i32(e.visible);
    w.i32(e.kind == Kind::Text ? static_cast<int32_t>(e.text().lines.size()) : e.param1);
    w.i32(e.color);
    w.i32(sh(e.colorSourceIndex));
    w.i32(e.colorMode);
    w.i32(e.style);
    w.i32(e.param2);
    w.i32(e.dimension);
    w.i32(e.decimals);
    if (model::carriesFont(e.elementClass())) writeFont(w, e.font ? *e.font : ElementFont{});
}

std::unique_ptr<Element> readElementRecord(ByteReader& r, int32_t kind, ElementReadContext& ctx) {
    if (!model::isValidKind(kind) || model::isSubElementKind(static_cast<Kind>(kind))) {
        r.fail(ReadErrorCode::BadKind);
        return nullptr;
    }
    auto e = model::makeElement(static_cast<Kind>(kind));
    if (model::carriesFont(e->elementClass())) e->font = std::make_unique<ElementFont>();
    if (!readKindBlock(r, *e, ctx) || !readCommonBlock(r, *e, ctx.version)) return nullptr;
    e->selected = 0;
    // The line count stored ahead of the lines decides how many there are.
    if (e->kind == Kind::Text) e->param1 = static_cast<int32_t>(e->text().lines.size());
    finishSubElements(*e);
    return e;
}

} // namespace zeva::document
