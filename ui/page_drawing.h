#pragma once
// Drawing a document through a view other than the window's: the print preview's whole plane
// and the printed page. The figure is recomputed for that view first (lines run to its edges,
// function graphs over its width), then the renderer draws it; the caller recomputes for the
// window's view afterwards.

#include "render/render_context.h"
#include "render/view_transform.h"

class QPrinter;

namespace zeva::document {
struct Document;
}

namespace zeva::ui {

struct PageView;
struct Paper;

// The printable area of the printer's paper, in millimetres and in printer pixels.
Paper paperOf(const QPrinter& printer);

// Recomputes d for `view` and draws it on `canvas`.
void drawThroughView(document::Document& d, const render::ViewTransform& view,
                     const render::RenderOptions& options, render::Canvas& canvas);

// The view of a printed page on a printer whose printable area is widthPx x heightPx pixels.
render::ViewTransform paperTransform(const PageView& page, double planeSize, int widthPx,
                                     int heightPx);

// Prints `copies` pages of d through `page` on a printer that is set up (its job title is the
// document's caption), one page per copy. Answers false when the printer could not start or
// finish the job.
bool printPages(document::Document& d, const PageView& page, double planeSize,
                const render::RenderOptions& options, QPrinter& printer, int copies);

} // namespace zeva::ui
