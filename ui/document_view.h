#pragma once
// The document view: the world/screen transform, the surfaces the figure is drawn on (the
// off-screen bitmap, the trace layer, a copy of the bitmap for previews) and the render context.
// The main window and `zeva --render` both draw through it. It shows one document at a time:
// attaching another one switches to it. The document keeps only what its file stores of the
// view (viewLeft, viewTop); everything else about the view lives here.
//
// Every change of the figure ends in a recompute and redraw(): the recompute pass brings the
// elements up to date, the text layout puts the texts that follow their objects in place, and
// the renderer only reads.

#include "geometry/recompute.h"
#include "render/render_context.h"
#include "render/view_transform.h"
#include "ui/view.h"

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

class DocumentView : public View {
  public:
    // Surfaces for a drawing area of `surface` pixels (the screen in the window, the picture's
    // size for --render), with the application options and texts the renderer follows.
    DocumentView(QSize surface, const settings::Options& options, const settings::TextTable& texts);
    ~DocumentView() override;
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

    // Moves the view's top-left corner to a world point, which the document stores.
    void scrollTo(double viewLeft, double viewTop) override;
    void setPlaneSize(double planeSize) override;
    // Whether the figure must be recomputed when the view moves: a locus driven by a point on
    // a grid samples the grid's nodes within the view.
    bool dependsOnView() const;
    // Wipes the trace layer when something may be on it.
    void clearTraces();

    // The recompute pass with this view's extent, plane and scale, over every element or over
    // a list in construction order (the dependents a drag gathered at its start).
    geometry::RecomputeContext recomputeContext() override;
    void recomputeAll();
    void recompute(std::span<model::Element* const> elements);

    // Redraws the whole document on the bitmap and drops any preview: the texts that follow
    // their objects are put in place, then the renderer draws.
    void redraw() override;

    // The bitmap itself (the blinking inputs are drawn straight onto it).
    render::Canvas& baseCanvas() override;
    // A fresh copy of the bitmap for a tool's preview; it is what the window shows until the
    // next redraw or preview.
    render::Canvas& beginPreview() override;

    // What the window paints from its top-left corner: the bitmap, or the preview over it.
    const QImage& bitmap() const { return previewing_ ? preview_ : bitmap_; }

    const render::ViewTransform& transform() const override { return transform_; }
    // The options the renderer follows and what the window is doing (selection rectangle,
    // dialogs), for the next redraw.
    render::RenderContext& renderContext() override { return context_; }

  private:
    void createSurfaces(QSize surface);
    void loadDocumentView();
    void layOutTexts();

    document::Document* document_ = nullptr;
    render::ViewTransform transform_;
    render::RenderContext context_;
    QImage bitmap_;
    QImage traceBitmap_;
    QImage preview_;
    bool previewing_ = false;
    std::unique_ptr<platform::QtCanvas> canvas_;
    std::unique_ptr<platform::QtCanvas> traceCanvas_;
    std::unique_ptr<platform::QtCanvas> previewCanvas_;
};

} // namespace zeva::ui
