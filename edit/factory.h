#pragma once
// The element factory: every new element is made here, with the option defaults and the tail
// of its kind, and linked at the end of the document's construction. The factory does not
// compute coordinates itself: it reports each new element to the Edit, whose commit recomputes
// them.

#include "edit/edit.h"
#include "expr/calculator.h"
#include "model/construction.h"
#include "model/element.h"
#include "settings/options.h"

#include <optional>
#include <string>
#include <vector>

namespace zeva::edit {

inline constexpr int kIntersectionTool = 17; // ToolCode of "Punto(s) de Intersección"

// What the tools fill for the factory. Only kind, the parents, x1..y2, param1 and param2 are
// read; after every creation the parents, coordinates, param1 and style are reset (kind stays).
struct CreationRequest {
    // For createRegularPolygon this field carries the signed turn count instead of a kind.
    model::Kind kind = model::Kind::FreePoint;
    model::Element* parent1 = nullptr;
    model::Element* parent2 = nullptr;
    model::Element* parent3 = nullptr;
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
    int32_t param1 = -1;
    int32_t param2 = 0;
    int32_t style = -1;

    void reset();
};

// Inputs that come from the tools and dialogs rather than the request.
struct CreationInputs {
    std::vector<model::Element*> picked;   // picked elements in order: polygon vertices, conic points,
                                    // table rows, button targets
    int activeTool = 0;             // ToolCode of the tool making the element
    std::optional<Point> lastClick; // world position of the last click (places a new Nombre)

    // Cálculo (37) and Función (64): the calculator's two reference lists (the números the
    // formula reads, then the other elements it calls), the formula and its compiled form.
    std::vector<model::Element*> measurements;
    std::vector<model::Element*> parameters;
    std::string formula;
    std::vector<int32_t> code;
    std::vector<double> constants;
    int32_t formulaDimension = 0; // dimension the formula yields: 0 pure, 1, 2, 3
    // param1 of the new Cálculo or Función when given (the calculator's setting: 100 for a
    // Cálculo, the function type for a Función); otherwise the request's param1.
    std::optional<int32_t> calculatorSetting;

    double parameterValue = 0.0; // Parámetro (63): the typed value

    std::vector<std::string> textLines; // Texto (47): the dialog's lines and font
    model::ElementFont textFont{"Arial", 0xC0C0C0, 11, 0, 0, 0, 0};

    std::string nameText;             // Nombre (48)
    std::string buttonCaption;        // Botón Ocultar/Ver (66)
    const model::Picture* picture = nullptr; // Bitmap (67): copied
};

// Inputs carrying what the calculator compiled, for a new Cálculo (37) or Función (64).
CreationInputs inputsFor(const expr::CompiledExpression& compiled, model::Kind kind);

// Makes the element the request describes, links it at the end of the edited construction,
// reports it to the Edit (which recomputes it at commit) and resets the request. Sub-element
// kinds (15, 40, 41, 43, 44) are made only by their owners: for them (or an invalid kind)
// nothing is made and the answer is none.
model::Element* createElement(Edit& edit, CreationRequest& request,
                       const CreationInputs& inputs = {},
                       const settings::Options& options = settings::options());

// Transforms the whole figure request.parent1 (a line, ray, segment, polygon, circle, arc or
// conic) by the point transformation `pointKind` (3, 22, 23, 24 or 25) whose data are
// request.parent2 and parent3: the images of its defining points and the same figure through
// them. Nothing is made for other classes. The caller refreshes its tool state afterwards.
void createTransformedFigure(Edit& edit, CreationRequest& request, model::Kind pointKind,
                             const settings::Options& options = settings::options());

// Regular polygon of request.param1 sides about the centre request.parent1 from the first vertex
// request.parent2, turning toInt(request.kind) times (the sign gives the direction): n - 1 kind
// 59 vertices, then the polygon. Nothing is made for fewer than 3 sides.
void createRegularPolygon(Edit& edit, CreationRequest& request,
                          const settings::Options& options = settings::options());

// One kind 2 point (type 42, param2 = crossing index) per crossing of the locus among
// request.parent1/parent2 with the other one, as the loci and the element now stand.
void createCurveIntersections(Edit& edit, CreationRequest& request,
                              const settings::Options& options = settings::options());

// The construction's coordinate axes as model::Construction::findAxes answers them; when there
// are none, axes are made on a hidden free point at the centre of the visible area (of the
// Edit's context), recomputed at once, and answered with a count of 1. A caller that only
// looks uses findAxes.
model::Construction::AxesLookup findOrCreateAxes(Edit& edit,
                                                 const settings::Options& options = settings::options());

} // namespace zeva::edit
