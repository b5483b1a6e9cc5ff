#pragma once
// One open construction with its view, its own units, its trace and animation lists, its
// one-step undo snapshot and its macros.

#include "document/macro.h"
#include "geometry/recompute.h"
#include "model/construction.h"
#include "settings/options.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zeva::document {

inline constexpr int kMaxOpenDocuments = 99;
inline constexpr size_t kMaxFileNameLength = 259;

// The five per-document options a new document copies from the application options.
using DocumentDefaults = settings::DocumentDefaults;

// Size of the whole screen in pixels: the drawing surface is as large as the screen, so the
// view's right and bottom edges follow from it, not from the window.
struct ScreenSize {
    int width = 1024;
    int height = 768;
};

struct Document {
    // The construction: its first and last element are construction.elements and
    // construction.lastElement; its trace list (tracedElements) and animation list
    // (animatedElements) live beside them so that deleting an element leaves both lists.
    model::Construction construction;
    // The one-step history: a deep copy with its own trace and animation lists
    // (undoTracedElements, undoAnimatedElements) pointing at the copies.
    model::Construction undoList;

    double viewLeft = 0.0;
    double viewTop = 0.0;
    double viewRight = 0.0;
    double viewBottom = 0.0;

    int32_t modified = 0;
    int32_t undoModified = 0;
    int32_t undoAvailable = 0;
    int32_t traceLayerUsed = 0;
    int32_t pasteCount = 0;

    model::DocumentUnits units;

    std::string fileName; // full path, empty for a document never saved
    int32_t number = 0;   // running number of its "Documento" caption while never saved

    std::vector<document::Macro> macros; // used slots, contiguous from the first; at most 100

    std::vector<model::Element*>& tracedElements() { return construction.traced; }
    std::vector<model::AnimationEntry>& animatedElements() { return construction.animations; }
    std::vector<model::Element*>& undoTracedElements() { return undoList.traced; }
    std::vector<model::AnimationEntry>& undoAnimatedElements() { return undoList.animations; }
};

// An empty document with the given options whose view is centred on the world origin: the
// client area (clientWidth x clientHeight pixels) shows the origin in its middle, and the
// right and bottom edges follow from the screen.
Document newDocument(const DocumentDefaults& defaults, int clientWidth, int clientHeight,
                     ScreenSize screen, double drawScale = 1.0);

// viewRight and viewBottom from viewLeft, viewTop and the screen (left and top stay).
void setViewExtent(Document& d, ScreenSize screen, double drawScale = 1.0);

// The document has changes its file does not have yet. Changes of the construction reach this
// through edit::Edit, which also takes the undo snapshot; the view, the macros and the
// document's options call it directly.
void markModified(Document& d);

// The recompute context of the document: its construction, units and view.
geometry::RecomputeContext contextFor(Document& document);

// The file name without its folder ("/a/b.KDO" gives "b.KDO").
std::string bareFileName(const std::string& path);

} // namespace zeva::document
