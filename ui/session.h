#pragma once
// Everything the interaction logic works on: the window (through Host), the open documents and
// the state of the tool, the hit test, a drag, the selection rectangle and the navigation. One
// Session per main window; the modules (tool selection, hit test, tool steps, previews, drag,
// navigation) are free functions over it, and Editor dispatches the window's events to them in
// a fixed order.

#include "document/document.h"
#include "document/document_set.h"
#include "edit/factory.h"
#include "model/element.h"
#include "model/point.h"
#include "ui/host.h"
#include "ui/input.h"
#include "ui/tool_codes.h"
#include "ui/tool_table.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zeva::ui {

inline constexpr int kMaxHits = 100;

// A window opened by a tool whose answer comes later through the Editor. What the tool had
// picked for it is kept here; each answer checks that those elements are still in the
// document before it uses them.
struct AwaitedAnswer {
    enum class Window { None, NewText, EditedText, ElementFont, Picture, ParametricColour };
    Window window = Window::None;
    model::Element* target = nullptr; // the text edited, the element whose font or colour
                                      // changes, the point or segment a picture hangs on
    model::Element* source = nullptr; // the value driving a parametric colour
    Point click;                      // world point of the press that opened the window
    ToolCode tool = tool::Move;       // the tool that opened it
};

// The construction in progress and the tool's own settings.
struct ToolState {
    ToolCode active = tool::Move;
    ToolCode previous = tool::Move;
    AcceptRow acceptCounts{};       // what the next pick may be; lowered step by step
    SelectableMask selectableMask{}; // recomputed after every change of acceptCounts
    std::vector<model::Element*> pendingInputs; // picked so far, in pick order; they blink
    edit::CreationRequest request;
    int step = 0;                    // picks made so far
    bool auxiliaryPointMade = false; // the construction made its first point from a click
    bool doubleClicked = false;      // set by a double click, consumed by the next press
    bool blinkOn = false;            // phase of the blinking inputs
    render::IPoint lastPress;                // drawing-area pixels of the last press
    Modifiers lastPressModifiers;            // the modifier keys held at that press
    // With the macro tool: the class of the macro's next input (decides whether the axes
    // element or one of its axis lines is offered). Set by the macro tool.
    std::optional<model::ElementClass> macroNextInput;

    render::Color currentColor = 255; // red
    bool useCurrentColor = false;
    ToolCode pointShapeCode = tool::PointShapeNormal;
    ToolCode lineShapeCode = tool::LineShapeNormal;
    ToolCode angleShapeCode = tool::AngleShapeOne;
    ToolCode lastComparisonTool = tool::CheckParallel;
    bool parametricColourDown = false; // the colour panel's parametric button is down

    std::string toolMessage; // status text that belongs to the tool
    // The message slot toolMessage came from when it is not the tool's own text (the edit bar's
    // general prompts), so a language load can show it again in the new language; -1 otherwise.
    int toolMessageSlot = -1;
    std::string stepPrompt;  // prompt of the current step; empty by default

    // The construction in progress already took its undo snapshot (its first point made from a
    // click, or a tool that snapshots at its first pick): finishing it takes no second one.
    bool snapshotTaken = false;
    // The regular polygon the next click makes: side count and signed turn count, as the
    // preview last chose them.
    int regularSides = 30;
    int regularTurns = 1;
    // A preview is on the window, drawn for the cursor at previewCursor (world): a blink tick
    // draws it again over the blinked bitmap.
    bool previewShown = false;
    Point previewCursor;

    AwaitedAnswer awaiting; // a window the tools opened and wait for
    // The selected elements the edit bar's font tool asked a font for; they take it when the
    // font dialog answers.
    std::vector<model::Element*> selectionFontTargets;
};

// The side of a polygon that was under the cursor. A tool that takes the whole polygon still
// needs the side for its later steps (a point put on it, a measurement placed on it).
struct PolygonSideHit {
    const model::Element* polygon = nullptr;
    int side = -1;
};

// A tick of the coordinate axes under the cursor: dragging it changes the axis unit.
struct UnitMarkHit {
    const model::Element* axes = nullptr; // the Ejes de coordenadas element
    bool yAxis = false;
    double k = 0.0; // signed axis coordinate of the tick (axis units)
};

// What is under the cursor.
struct HoverState {
    std::vector<model::Element*> hits; // candidates, best first; at most kMaxHits
    bool single = false;               // exactly one candidate, its label shown
    bool ambiguous = false;            // several candidates, "varios" shown
    model::Element* element = nullptr; // the element whose label is on screen
    bool labelShown = false;
    int cursorShown = -1; // the cursor the hit test set last (-1: none of its own)
    // Per polygon candidate, the side that was near; see sideOf.
    std::vector<PolygonSideHit> polygonSides;
    // The axis tick under the cursor, when an axes element was found on one.
    std::optional<UnitMarkHit> unitMark;
    // The candidates a chooser menu offers, in its item order, until it closes.
    std::vector<model::Element*> chooserCandidates;
    // Intersection candidates offered near the crossing of two curves; never part of the
    // construction. The hit list may point at one of them.
    std::array<std::unique_ptr<model::Element>, 4> temporaryIntersections;

    // The side of `polygon` found by the last hit test, -1 when none was.
    int sideOf(const model::Element* polygon) const {
        for (const PolygonSideHit& h : polygonSides)
            if (h.polygon == polygon) return h.side;
        return -1;
    }
    // True when the last hit test found the cursor on a tick of these axes.
    bool onUnitMarkOf(const model::Element* axes) const {
        return unitMark && unitMark->axes == axes;
    }
};

// A drag of the move tool. Everything a drag step needs is gathered by the set-up and kept
// here; a step writes the dragged elements and reads nothing another function leaves behind.
struct DragState {
    bool active = false;       // the drag flag
    bool single = false;       // moves one element by its own rule; else a group drag
    bool bitmapFollow = false; // a bitmap's drag moved to the point it hangs on
    // The element dragged was made by this very press (a checker's result text follows the
    // mouse until release): its creation is the press's undo step, the drag takes none.
    bool afterCreation = false;
    bool moving = false; // a step has moved something since the press (undo taken)
    Point anchor;              // world offset between the cursor and what is dragged
    model::Element* element = nullptr; // the hit the press was on
    // The single drag of a point traced by a locus runs the locus's driving point instead.
    model::Element* tracingLocus = nullptr;
    // The axis tick the press was on (dragging it changes the axis unit).
    std::optional<UnitMarkHit> unitMark;
    model::Element* reference = nullptr;     // a group drag's reference element
    std::vector<model::Element*> moved;      // what a group drag moves, construction order
    std::vector<model::Element*> dependents; // gathered once at the start, construction order
};

// The rubber band of the move tool, in world coordinates.
struct SelectionRectangle {
    Point start;
    Point corner;
    bool active = false;  // being dragged out
    bool present = false; // left on the drawing (read by picture export and "Borrar")
    // Elements selected before a rectangle started with Shift: they stay selected.
    std::vector<model::Element*> kept;
};

// Moving the screen with the right button, the zoom tool, traces and key runs.
struct NavigationState {
    bool movingScreen = false;
    render::IPoint screenDragStart;
    Point savedViewCorner; // viewLeft, viewTop at the press
    int zoomStep = 0;
    bool zoomChanged = false; // the zoom drag took its undo snapshot
    Point zoomAnchor;
    Point zoomPrevious;
    bool keyRun = false; // a + or - key repeats; one undo snapshot for the run
    bool keyRunChanged = false; // the run took its undo snapshot
    bool ctrlHeld = false;
    bool tracesChanged = false; // the trace tool took its undo snapshot since it was chosen
};

struct Session {
    Host& host;
    document::DocumentSet& documents;
    bool showHidden = false; // "Ver lo oculto"

    ToolState tool;
    HoverState hover;
    DragState drag;
    SelectionRectangle rectangle;
    NavigationState navigation;

    Session(Host& h, document::DocumentSet& d) : host(h), documents(d) {}

    // The current document; none while no document is shown.
    document::Document* document() const { return documents.current(); }
    View& view() { return host.view(); }
};

} // namespace zeva::ui
