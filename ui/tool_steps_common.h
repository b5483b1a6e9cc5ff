#pragma once
// What the construction tools share (internal to the tool-step files): the operations every
// step is made of, and the step of each family of tools.

#include "ui/input.h"
#include "ui/session.h"

#include <initializer_list>

namespace zeva::ui::steps {

using model::Element;
using model::ElementClass;
using model::Kind;

// The element the press picked: the single candidate under the cursor; none on empty space.
Element* pickedElement(const Session& s);
ElementClass classOf(const Element& e);
bool isPoint(const Element* e);
// Recta, semirecta or segmento (a polygon side and a coordinate axis are such elements).
bool isStraight(const Element* e);

// A point for a pick that is not an existing point. The construction's first such point takes
// the undo snapshot and sets the auxiliary-point flag. The temporary intersection offered by
// the hit test becomes a real intersection point; any other element gets a point on it (on a
// grid, at the nearest node); empty space a free point. With `redraw` the construction is
// recomputed, redrawn and repainted, and the hover forgotten.
Element* pointFromClick(Session& s, Element* hit, Point world, bool redraw);
// The hit when it is a point, otherwise pointFromClick.
Element* pointPick(Session& s, Element* hit, Point world, bool redraw = true);
// The point the point tool makes at a click (no snapshot, no redraw).
Element* makePointAt(Session& s, Element* hit, Point world);

// Adds to the pending inputs, starts blinking and counts the step.
void append(Session& s, Element* e);
void startBlinking(Session& s);
void stopBlinking(Session& s);

// Finishes the construction: the undo snapshot unless one was taken for it (or the tool is the
// intersection tool, whose second pick took it), the factory on the request, then a fresh
// start for the same tool. Answers the new element.
Element* finish(Session& s, const edit::CreationInputs& inputs = {});
// A fresh start for the same tool: its acceptance row, no pending inputs, blinking stopped,
// the whole construction recomputed, redrawn and repainted.
void resetAfterCreation(Session& s);

// Acceptance counts.
void setCount(Session& s, ElementClass c, int16_t n);
int16_t countOf(const Session& s, ElementClass c);
void acceptOnly(Session& s, std::initializer_list<ElementClass> classes);
void acceptNothing(Session& s);

// A straight element for a pick: a polygon found where a straight element is wanted stands for
// the side the hit test found under the cursor.
Element* straightOf(const Session& s, Element* hit);

// Tool 10: the polygon through its vertices, when three or more are given.
void closePolygon(Session& s);

// The press has made its element: the move tool takes over and drags it while the button is
// held (the checkers' result text follows the mouse until release).
void dragNewElement(Session& s, Element& e, Point world);

// Families of tools.
void figureStep(Session& s, Point world);    // 1..16: points, lines, circles, polygons...
void crossingStep(Session& s, Point world);  // 17, 18: intersections and loci
void transformStep(Session& s, Point world); // 19..24, 30: transformations, displacement
void checkerStep(Session& s, Point world);   // 25..29
void measureStep(Session& s, Point world);   // 31..39, 43, 48: measures, axes, tables
void handoverStep(Session& s, Point world);  // 40..42, 46, 49..51, 61, 62: picks for windows
void parametricColourStep(Session& s, model::Element& hit); // 61, 62: one pick
void objectStep(Session& s, Point world);    // 52..54: texts, buttons, pictures

} // namespace zeva::ui::steps
