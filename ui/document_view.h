#pragma once
// One view of a document: the world/screen transform, the surfaces the figure is drawn on (the
// off-screen bitmap and the trace layer) and the render context. The main window and
// `zeva --render` both draw through it. It shows one document at a time: attaching another one
// switches to it. The document keeps only what its file stores of the view (viewLeft, viewTop);
// everything else about the view lives here.
//
// Every change of the figure ends in recompute...() and redraw(): the recompute pass brings the
// elements up to date, the text layout puts the texts that follow their objects in place, and
// the renderer only reads.

#include "geometry/recompute.h"
#include "render/render_context.h"
#include "render/view_transform.h"

#include <QImage>
#include <QSize>

#include <memory>
#include <span>

namespace zeva::document {
struct Document;
}

namespace zeva::platform {
class QtCanvas;
}

namespace zeva::settings {
struct Options;
struct TextTable;
} // namespace zeva::settings

namespace zeva::ui {

class DocumentView {
  public:
    // Surfaces for a drawing area of `surface` pixels (the screen in the window, the picture's
    // size for --render), with the application options and texts the renderer follows.
    DocumentView(QSize surface, const settings::Options& options, const settings::TextTable& texts);
    ~DocumentView();
    DocumentView(const DocumentView&) = delete;
    DocumentView& operator=(const DocumentView&) = delete;

    // Shows `d` (none: nothing), as loading or the last change left it: takes its view, clears
    // the trace layer and the window state, and redraws.
    void attach(document::Document* d);
    document::Document* document() const { return document_; }

    // The drawing surface: the bitmap and the trace layer are one pixel wider and higher. The
    // view keeps its top-left corner; its far edges follow the surface.
    void setSurfaceSize(QSize surface);
    // The part of the surface the window shows: the scroll bars and the circle outside which
    // circles cannot be seen follow it.
    void setClientSize(QSize client);

    // Moves the view's top-left corner to a world point (the document stores it and is
    // modified), drops the pending selection rectangle, clears the trace layer when it may hold
    // traces, then recomputes (when an element depends on the view) and redraws.
    void scrollTo(double viewLeft, double viewTop);

    // The recompute pass with this view's extent, plane and scale, over every element or over
    // a list in construction order (the dependents a drag gathered at its start).
    void recomputeAll();
    void recompute(std::span<model::Element* const> elements);
    geometry::RecomputeContext recomputeContext() const;

    // Redraws the whole document on the bitmap: the texts that follow their objects are put in
    // place, then the renderer draws.
    void redraw();

    // The picture of the document, to be painted from its top-left corner. Previews of a tool
    // waiting for its last input belong over a copy of it, so that the cursor can move them
    // without a redraw of the document.
    const QImage& bitmap() const { return bitmap_; }

    const render::ViewTransform& transform() const { return transform_; }
    // The options the renderer follows and what the window is doing (selection rectangle,
    // dialogs), for the next redraw.
    render::RenderContext& renderContext() { return context_; }

  private:
    void createSurfaces(QSize surface);
    void loadDocumentView();
    void layOutTexts();
    bool dependsOnView() const;

    document::Document* document_ = nullptr;
    render::ViewTransform transform_;
    render::RenderContext context_;
    QImage bitmap_;
    QImage traceBitmap_;
    std::unique_ptr<platform::QtCanvas> canvas_;
    std::unique_ptr<platform::QtCanvas> traceCanvas_;
};

} // namespace zeva::ui
