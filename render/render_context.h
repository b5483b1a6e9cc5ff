#pragma once
// Everything a redraw reads besides the construction: the document, the view, the options the
// renderer follows and the state of the window at the moment of drawing.

#include "model/element.h"
#include "model/point.h"
#include "render/canvas.h"
#include "render/view_transform.h"

#include <optional>
#include <string>
#include <vector>

namespace zeva::document {
struct Document;
}

namespace zeva::render {

// The options the renderer follows (the application options hold them; see fromOptions).
struct RenderOptions {
    Color hiddenColor = 0x00BEBE;
    Color selectionColor = 0xFFAAAA;
    bool showHidden = false;
    Color tickColor = 0xC0C0C0;
    Color axisNumberColor = 0xC0C0C0;
    int screenPixelsPerInch = 96; // texts keep their pixel size on any screen resolution
    std::string noValueText = "no existente";
    std::string defaultButtonCaption = "Ocultar/Ver";
    // Antialiased drawing: a hint for the canvases the figure is drawn on (the window's bitmap,
    // the printer, exported pictures); the renderer itself draws the same calls either way.
    bool smooth = false;
};

// A selection rectangle between two world corners.
struct WorldRect {
    Point a;
    Point b;
};

// What the window is doing while it asks for a redraw, and the state of its trace layer.
struct RenderState {
    bool dragInProgress = false;
    bool rubberBandActive = false;             // a selection rectangle is being dragged out
    std::optional<WorldRect> pendingRectangle; // a selection rectangle left on the drawing
    bool calculationDialogVisible = false;
    bool editDialogPicking = false;
    bool animationDialogVisible = false;
    bool parameterSliding = false;
    bool clearTracesPending = false; // the next redraw wipes the trace layer
    bool traceLayerUsed = false;     // something may be on the trace layer since it was cleared
    // Operands picked in the calculation dialog, in pick order.
    std::vector<const model::Element*> pickedNumbers;
    std::vector<const model::Element*> pickedFunctions;
};

// Everything a redraw reads. The document and the view are only read: the recompute pass has
// left every element as the figure shows it. A redraw writes only its own state.
struct RenderContext {
    const document::Document* document = nullptr;
    const ViewTransform* view = nullptr;
    RenderOptions options;
    RenderState state;
    Canvas* traceCanvas = nullptr; // the trace layer, none when traces are not kept
};

} // namespace zeva::render
