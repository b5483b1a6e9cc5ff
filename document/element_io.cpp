#include "document/element_io.h"

#include <algorithm>
#include <limits>

namespace zeva::document {

using model::ByteReader;
using model::ByteWriter;
using model::Element;
using model::ElementClass;
using model::ElementFont;
using model::Kind;
using model::ReadErrorCode;

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
    std::visit(
        model::Overloaded{
            [](const std::monostate&) {},
            [&](const model::PolygonTail& t) {
                w.i32(static_cast<int32_t>(t.sides.size()));
                for (const auto& s : t.sides)
                    writeSubRecord(w, s.get(), sh);
            },
            [&](const model::SampleTail& t) { w.i32(t.capacity); },
            [&](const model::ExpressionTail& x) {
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
            },
            [&](const model::TableTail& t) {
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
            },
            [&](const model::AxesTail& t) {
                w.real(t.unitX);
                w.real(t.unitY);
                writeSubRecord(w, t.axisX.get(), sh);
                writeSubRecord(w, t.axisY.get(), sh);
            },
            [&](const model::CoordinatesTail& t) {
                writeSubRecord(w, t.xPart.get(), sh);
                writeSubRecord(w, t.yPart.get(), sh);
            },
            [&](const model::EquationTail& t) {
                w.real(t.labelParam);
                w.str(t.text);
            },
            [&](const model::TextTail& t) {
                w.i32(static_cast<int32_t>(t.lines.size()));
                for (const auto& line : t.lines)
                    w.str(line);
                writeFont(w, t.textFont);
            },
            [&](const model::NameTail& t) {
                w.str(t.text);
                w.real(t.dx);
                w.real(t.dy);
                w.real(t.anchorX);
                w.real(t.anchorY);
            },
            [&](const model::CheckerTail& t) {
                w.str(t.trueText);
                w.str(t.falseText);
            },
            [&](const model::ConicTail& t) {
                for (int32_t s : t.pointIndices)
                    w.i32(sh(s));
            },
            [&](const model::ParameterTail& t) {
                w.real(t.minimum);
                w.real(t.maximum);
            },
            [&](const model::ButtonTail& b) {
                const size_t n = b.targetIndices.size();
                w.i32(static_cast<int32_t>(n));
                w.str(b.caption);
                for (int32_t s : b.targetIndices)
                    w.i32(sh(s));
                for (size_t i = 0; i < n; ++i)
                    w.i32(i < b.targetStates.size() ? b.targetStates[i] : 0);
            },
            [&](const model::BitmapTail& t) {
                w.i32(static_cast<int32_t>(t.picture.bmp.size()));
                w.bytes(t.picture.bmp);
            },
        },
        e.tail);
}

// ---- reading --------------------------------------------------------------------------------

bool readFont(ByteReader& r, ElementFont& f) {
    if (!(r.str(f.name) && r.i32(f.color) && r.i32(f.size) && r.i32(f.bold) && r.i32(f.italic) &&
          r.i32(f.underline) && r.i32(f.strikeout)))
        return false;
    // No font dialog offers another size; a huge one would overflow every text measure.
    if (f.size < model::kMinFontSize || f.size > model::kMaxFontSize)
        return r.fail(ReadErrorCode::BadValue);
    return true;
}

// Takes n from what is left of one of the file's allowances; the file is refused, before
// anything is allocated, when it asks for more.
bool spend(ByteReader& r, int64_t& left, int64_t n) {
    if (n > left) return r.fail(ReadErrorCode::OverLimit);
    left -= n;
    return true;
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

bool readSampleTail(ByteReader& r, model::SampleTail& t, ElementReadContext& ctx) {
    int32_t capacity = 0;
    if (!r.count(capacity, kMaxSampleCapacity, 0, ReadErrorCode::OverLimit) ||
        !spend(r, ctx.budget.samples, capacity))
        return false;
    t.sampleCount = 0;
    t.resize(capacity);
    return true;
}

bool readExpressionTail(ByteReader& r, model::ExpressionTail& x) {
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

bool readTableTail(ByteReader& r, model::TableTail& t, ElementReadContext& ctx) {
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
    if (!spend(r, ctx.budget.tableRows, rowCount)) return false;
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

bool readButtonTail(ByteReader& r, model::ButtonTail& b) {
    int32_t n = 0;
    if (!r.count(n, kNoLimit, 8, ReadErrorCode::BadCount) || !r.str(b.caption) ||
        !readI32Array(r, static_cast<size_t>(n), b.targetIndices) ||
        !readI32Array(r, static_cast<size_t>(n), b.targetStates))
        return false;
    b.targets.assign(b.targetIndices.size(), nullptr);
    return true;
}

bool readBitmapTail(ByteReader& r, model::BitmapTail& t) {
    int32_t n = 0;
    if (!r.i32(n)) return false;
    if (n < 0) return r.fail(ReadErrorCode::BadCount);
    if (n > kMaxPictureBytes) return r.fail(ReadErrorCode::OverLimit);
    if (static_cast<size_t>(n) > r.remaining()) return r.fail(ReadErrorCode::PictureTooLarge);
    return r.bytes(t.picture.bmp, static_cast<size_t>(n));
}

// Reads the kind-specific block into the empty tail the element's kind carries.
bool readKindBlock(ByteReader& r, Element& e, ElementReadContext& ctx) {
    return std::visit(
        model::Overloaded{
            [](std::monostate&) { return true; },
            [&](model::PolygonTail& t) {
                int32_t n = 0;
                if (!r.count(n, kNoLimit, kSubRecordBytes, ReadErrorCode::BadCount)) return false;
                if (n < 3) return r.fail(ReadErrorCode::BadCount);
                if (!spend(r, ctx.budget.elements, n)) return false;
                t.sides.reserve(static_cast<size_t>(n));
                for (int32_t i = 0; i < n; ++i) {
                    auto s = readSubRecord(r, Kind::PolygonSide);
                    if (!s) return false;
                    t.sides.push_back(std::move(s));
                }
                return true;
            },
            [&](model::SampleTail& t) { return readSampleTail(r, t, ctx); },
            [&](model::ExpressionTail& t) { return readExpressionTail(r, t); },
            [&](model::TableTail& t) { return readTableTail(r, t, ctx); },
            [&](model::AxesTail& a) {
                if (!spend(r, ctx.budget.elements, 2)) return false;
                if (!r.real(a.unitX) || !r.real(a.unitY)) return false;
                a.axisX = readSubRecord(r, Kind::AxisX);
                a.axisY = a.axisX ? readSubRecord(r, Kind::AxisY) : nullptr;
                return a.axisY != nullptr;
            },
            [&](model::CoordinatesTail& c) {
                if (!spend(r, ctx.budget.elements, 2)) return false;
                c.xPart = readSubRecord(r, Kind::CoordinateX);
                c.yPart = c.xPart ? readSubRecord(r, Kind::CoordinateY) : nullptr;
                return c.yPart != nullptr;
            },
            [&](model::EquationTail& t) {
                if (ctx.version >= kFileVersion && !r.real(t.labelParam)) return false;
                return r.str(t.text);
            },
            [&](model::TextTail& t) {
                int32_t n = 0;
                if (!r.count(n, kNoLimit, 4, ReadErrorCode::BadCount) ||
                    !spend(r, ctx.budget.textLines, n))
                    return false;
                t.lines.resize(static_cast<size_t>(n));
                for (auto& line : t.lines)
                    if (!r.str(line)) return false;
                if (ctx.version > 100) return readFont(r, t.textFont);
                t.textFont = ctx.textFont;
                return true;
            },
            [&](model::NameTail& n) {
                return r.str(n.text) && r.real(n.dx) && r.real(n.dy) && r.real(n.anchorX) &&
                       r.real(n.anchorY);
            },
            [&](model::CheckerTail& t) { return r.str(t.trueText) && r.str(t.falseText); },
            [&](model::ConicTail& t) {
                for (auto& s : t.pointIndices)
                    if (!r.i32(s)) return false;
                return true;
            },
            [&](model::ParameterTail& t) { return r.real(t.minimum) && r.real(t.maximum); },
            [&](model::ButtonTail& t) { return readButtonTail(r, t); },
            [&](model::BitmapTail& t) { return readBitmapTail(r, t); },
        },
        e.tail);
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
    // The value texts of older numbers stay where they are instead of following what they measure.
    e.param2 = e.elementClass() == ElementClass::Number ? -model::kFollowsMeasured : 0;
    if (e.font) *e.font = olderVersionFont();
    if (version <= 100) {
        if (model::classInfo(e.kind).filled) e.param1 = -1; // no fill
        if (model::classInfo(e.kind).showsText) e.style = -1; // transparent text background
    }
    return true;
}

// Sub-elements take their look from their owner and hang off it.
void finishSubElements(Element& e) {
    model::shareLookWithSubElements(e);
    model::forEachSubElement(e, [&](Element& s) {
        if (e.kind == Kind::Polygon) return;
        s.visible = 1;
        if (e.kind != Kind::Coordinates) return;
        // The two coordinate parts are numbers shown inside their owner's text.
        s.param1 = model::kValidNumber;
        s.dimension = 0;
        s.decimals = e.decimals;
        if (e.font) s.font = std::make_unique<ElementFont>(*e.font);
    });
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
    if (!spend(r, ctx.budget.elements, 1)) return nullptr;
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
