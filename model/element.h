#pragma once
// The element record: one object of a figure, with the common part shared by every kind and a
// kind-specific tail. Behaviour is chosen by switching on `kind` or on classOf(kind).

#include "model/kinds.h"
#include "model/point.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace zeva::model {

struct Element;

// Font sizes in points that the font dialogs offer; files and options holding another are
// refused.
inline constexpr int32_t kMinFontSize = 1;
inline constexpr int32_t kMaxFontSize = 1638;

// Text style of an element that shows text.
struct ElementFont {
    std::string name = "Arial";  // UTF-8 inside the program
    int32_t color = 0;           // 0x00BBGGRR
    int32_t size = 10;           // points
    int32_t bold = 0;
    int32_t italic = 0;
    int32_t underline = 0;
    int32_t strikeout = 0;

    friend bool operator==(const ElementFont&, const ElementFont&) = default;
};

// A picture held as a complete Windows BMP file image, exactly as documents store it.
struct Picture {
    std::vector<uint8_t> bmp;
    friend bool operator==(const Picture&, const Picture&) = default;
};

// Coded values of the record's integers, where they are read.
inline constexpr int32_t kMacroPlaceholder = 100; // visible: inside a macro body, never drawn or hit
inline constexpr int32_t kValidNumber = 100;      // param1 of a número that has a value
inline constexpr int32_t kInvalidNumber = -100;   // param1 of a número without one
// param2 of a measurement, coordinates or equation whose text follows what it measures.
inline constexpr int32_t kFollowsMeasured = 100;
inline constexpr int32_t kInvalidSample = -1111;  // sampleColors entry of a missing sample
inline constexpr int kTableMaxColumns = 100;
inline constexpr int kConicSampleCount = 120;
inline constexpr int kFunctionGraphCapacity = 250;

// ---- kind-specific tails ------------------------------------------------------------------

// 14 Polígono. sideCount is sides.size(); side i joins vertex i to vertex i+1, the last side
// joins the last vertex to the first. Sides are complete kind 15 elements owned here.
struct PolygonTail {
    std::vector<std::unique_ptr<Element>> sides;
};

struct FamilyInstance;

// 21 Lugar geométrico, 65 Representación de función.
struct SampleTail {
    int32_t capacity = 0;
    int32_t sampleCount = 0;
    std::vector<Point> samples;       // capacity entries
    std::vector<Point> samples2;      // capacity entries (second point of line/segment/circle loci)
    std::vector<double> sampleParams; // capacity entries
    std::vector<int32_t> sampleColors;// capacity entries; kInvalidSample marks an invalid sample
    // A locus of a polygon, arc, locus or conic: the traced element at every driving parameter,
    // as the recompute pass last found it (never stored in files, not kept by copies).
    std::shared_ptr<const std::vector<FamilyInstance>> family;

    void resize(int32_t newCapacity);
};

// 37 Cálculo, 64 Función. refCount is refs.size(); constantCount constants.size(); codeLength
// code.size(). refs holds the measurements first, then the parameters.
struct ExpressionTail {
    std::string expression;
    std::vector<int32_t> code;
    int32_t measureCount = 0;
    std::vector<double> constants;
    std::vector<Element*> refs;
    std::vector<int32_t> refIndices;
};

// 38 Tabla. rowCount is rows.size(); cells holds kTableMaxColumns doubles per row.
struct TableTail {
    int32_t columnCount = 1;
    std::vector<Element*> rows;
    std::vector<int32_t> rowIndices;
    std::vector<double> cells;

    double& cell(size_t row, size_t column) { return cells[row * kTableMaxColumns + column]; }
    double cell(size_t row, size_t column) const { return cells[row * kTableMaxColumns + column]; }
};

// 39 Ejes de coordenadas.
struct AxesTail {
    double unitX = 40.0;
    double unitY = 40.0;
    std::unique_ptr<Element> axisX;  // kind 40
    std::unique_ptr<Element> axisY;  // kind 41
};

// 42 coordenadas de un punto.
struct CoordinatesTail {
    std::unique_ptr<Element> xPart;  // kind 43
    std::unique_ptr<Element> yPart;  // kind 44
};

// 45, 46, 58 ecuación.
struct EquationTail {
    double labelParam = 0.0;
    std::string text;
};

// 47 Texto. The number of lines is also kept in param1.
struct TextTail {
    ElementFont textFont;
    std::vector<std::string> lines;
};

// 48 Nombre.
struct NameTail {
    std::string text;
    double dx = 0.0;
    double dy = 0.0;
    double anchorX = 0.0;
    double anchorY = 0.0;
};

// 50..54 comprobador: the property and its negation.
struct CheckerTail {
    std::string trueText;
    std::string falseText;
};

// 55 Cónica por 5 puntos.
struct ConicTail {
    std::array<Element*, 5> points{};
    std::array<int32_t, 5> pointIndices{-1, -1, -1, -1, -1};
    int32_t conicType = 0;
    std::array<double, 6> coefficients{};
    std::vector<Point> samples = std::vector<Point>(kConicSampleCount);
};

// 63 Parámetro.
struct ParameterTail {
    double minimum = 0.0;
    double maximum = 0.0;
};

// 66 Botón Ocultar/Ver. targetCount is targets.size().
struct ButtonTail {
    std::string caption;
    std::vector<Element*> targets;
    std::vector<int32_t> targetIndices;
    std::vector<int32_t> targetStates;
};

// 67 Bitmap.
struct BitmapTail {
    Picture picture;
};

// The alternatives in the order of TailKind: the kind table says which one a kind carries.
using ElementTail =
    std::variant<std::monostate, PolygonTail, SampleTail, ExpressionTail, TableTail, AxesTail,
                 CoordinatesTail, EquationTail, TextTail, NameTail, CheckerTail, ConicTail,
                 ParameterTail, ButtonTail, BitmapTail>;

// A visitor made of one lambda per tail type: std::visit(Overloaded{...}, e.tail) handles every
// tail in one place, and fails to compile when a tail type is left out.
template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang before 17 builds the fuzz targets).
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

template <TailKind T>
using TailOf = std::variant_alternative_t<static_cast<size_t>(T), ElementTail>;
static_assert(std::variant_size_v<ElementTail> == kTailKindCount);
static_assert(std::is_same_v<TailOf<TailKind::None>, std::monostate> &&
              std::is_same_v<TailOf<TailKind::Polygon>, PolygonTail> &&
              std::is_same_v<TailOf<TailKind::Samples>, SampleTail> &&
              std::is_same_v<TailOf<TailKind::Expression>, ExpressionTail> &&
              std::is_same_v<TailOf<TailKind::Table>, TableTail> &&
              std::is_same_v<TailOf<TailKind::Axes>, AxesTail> &&
              std::is_same_v<TailOf<TailKind::Coordinates>, CoordinatesTail> &&
              std::is_same_v<TailOf<TailKind::Equation>, EquationTail> &&
              std::is_same_v<TailOf<TailKind::Text>, TextTail> &&
              std::is_same_v<TailOf<TailKind::Name>, NameTail> &&
              std::is_same_v<TailOf<TailKind::Checker>, CheckerTail> &&
              std::is_same_v<TailOf<TailKind::Conic>, ConicTail> &&
              std::is_same_v<TailOf<TailKind::Parameter>, ParameterTail> &&
              std::is_same_v<TailOf<TailKind::Button>, ButtonTail> &&
              std::is_same_v<TailOf<TailKind::Bitmap>, BitmapTail>,
              "ElementTail's alternatives follow TailKind");

// ---- the record ----------------------------------------------------------------------------

struct Element {
    // The fields the dependency walks read for every element come first, so that one cache
    // line serves a whole step of a walk over a large construction.
    Kind kind = Kind::FreePoint;
    int32_t exists = 1;  // written by the recompute pass only
    // Scratch of the model's dependency walks (model/walk_stamp.h): meaningful only inside the
    // walk that wrote it, never read by anything else. Not part of the element's value.
    mutable uint64_t walkStamp = 0;
    Element* parent1 = nullptr;
    Element* parent2 = nullptr;
    Element* parent3 = nullptr;
    Element* colorSource = nullptr;  // counts as a fourth parent in every dependency walk
    Element* next = nullptr;         // next element of the construction
    int32_t visible = 1;             // 1 shown, 0 hidden, 100 macro placeholder
    int32_t selected = 0;

    int32_t serial = 0;         // own number while numbered (saving, copying, macros)
    int32_t parent1Index = -1;  // serials of the parents while saving, loading, copying
    int32_t parent2Index = -1;
    int32_t parent3Index = -1;
    int32_t colorSourceIndex = -1;
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
    int32_t param1 = -1;
    int32_t param2 = 0;
    int32_t dimension = 0;  // número: 0 pure, 1 length, 2 area, 3 angle
    int32_t decimals = 2;
    int32_t color = 0;  // 0x00BBGGRR
    int32_t style = 1;  // shape code, -1 where the class has none
    int32_t colorMode = 0;
    std::unique_ptr<ElementFont> font;  // exactly for the classes that carry one
    Element* label = nullptr;           // the Nombre element showing this element's name
    ElementTail tail;

    ElementClass elementClass() const { return classOf(kind); }
    Point point() const { return {x1, y1}; }
    Point secondPoint() const { return {x2, y2}; }

    // Tail access; the caller knows the kind (a wrong kind is a programming error).
    PolygonTail& polygon() { return std::get<PolygonTail>(tail); }
    const PolygonTail& polygon() const { return std::get<PolygonTail>(tail); }
    SampleTail& samples() { return std::get<SampleTail>(tail); }
    const SampleTail& samples() const { return std::get<SampleTail>(tail); }
    ExpressionTail& expression() { return std::get<ExpressionTail>(tail); }
    const ExpressionTail& expression() const { return std::get<ExpressionTail>(tail); }
    TableTail& table() { return std::get<TableTail>(tail); }
    const TableTail& table() const { return std::get<TableTail>(tail); }
    AxesTail& axes() { return std::get<AxesTail>(tail); }
    const AxesTail& axes() const { return std::get<AxesTail>(tail); }
    CoordinatesTail& coordinates() { return std::get<CoordinatesTail>(tail); }
    const CoordinatesTail& coordinates() const { return std::get<CoordinatesTail>(tail); }
    EquationTail& equation() { return std::get<EquationTail>(tail); }
    const EquationTail& equation() const { return std::get<EquationTail>(tail); }
    TextTail& text() { return std::get<TextTail>(tail); }
    const TextTail& text() const { return std::get<TextTail>(tail); }
    NameTail& name() { return std::get<NameTail>(tail); }
    const NameTail& name() const { return std::get<NameTail>(tail); }
    CheckerTail& checker() { return std::get<CheckerTail>(tail); }
    const CheckerTail& checker() const { return std::get<CheckerTail>(tail); }
    ConicTail& conic() { return std::get<ConicTail>(tail); }
    const ConicTail& conic() const { return std::get<ConicTail>(tail); }
    ParameterTail& parameter() { return std::get<ParameterTail>(tail); }
    const ParameterTail& parameter() const { return std::get<ParameterTail>(tail); }
    ButtonTail& button() { return std::get<ButtonTail>(tail); }
    const ButtonTail& button() const { return std::get<ButtonTail>(tail); }
    BitmapTail& bitmap() { return std::get<BitmapTail>(tail); }
    const BitmapTail& bitmap() const { return std::get<BitmapTail>(tail); }
};

// One instance of a locus family: detached copies of the traced element and of those of its
// ancestors that moved with the driving point (the traced element's copy first); the copies'
// other references point into the construction. `color` is the instance's own colour (its
// parametric colour when it has one).
struct FamilyInstance {
    std::vector<std::unique_ptr<Element>> copies;
    int32_t color = 0;

    const Element& traced() const { return *copies.front(); }
};

// A new element of the given kind with the empty tail of its kind (no sides, no sub-elements,
// empty texts). Kinds 21 and 65 get `sampleCapacity` samples (250 is forced for kind 65).
std::unique_ptr<Element> makeElement(Kind kind, int32_t sampleCapacity = 0);

// A number (class número) is valid unless its param1 is -100.
inline bool isValidNumber(const Element& e) { return e.param1 != kInvalidNumber; }

// Whether the element is a placeholder of a macro body (never drawn, hit or navigated to).
inline bool isMacroPlaceholder(const Element& e) { return e.visible == kMacroPlaceholder; }

// parent1, parent2 or parent3 by number (1..3); none for any other number.
inline Element* parentAt(const Element& e, int i) {
    return i == 1 ? e.parent1 : i == 2 ? e.parent2 : i == 3 ? e.parent3 : nullptr;
}

// The element's sub-elements (polygon sides, the two axes, the two coordinate parts), in
// serial order. Empty for every other kind.
std::vector<Element*> subElementsOf(const Element& e);

// The owner of a sub-element (a side's polygon, an axis's axes, a coordinate part's
// coordinates element), or the element itself for any other kind.
Element* ownerOf(Element* e);

// Calls f(Element*&) for every reference that the element's construction rests on: parent1..3
// (skipping none), and the tail references (calculation refs, table rows, conic points, button
// targets). A polygon's references are its sides' first vertices. colorSource is not included.
template <class F>
void forEachParentRef(Element& e, F&& f);

}  // namespace zeva::model

#include "model/element_refs.h"
