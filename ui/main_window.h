#pragma once
// The editor's main window. In this first form it shows one document: the drawing area painted
// from the off-screen bitmap, scroll bars that move the view over the plane, and a status bar
// with the document's coordinate system and angle unit.

#include "document/document.h"
#include "document/document_load.h"
#include "render/render_context.h"
#include "render/view_transform.h"

#include <QImage>
#include <QMainWindow>
#include <QString>

#include <memory>
#include <string>

class QLabel;
class QScrollBar;

namespace zeva::platform {
class QtCanvas;
}

namespace zeva::ui {

class DrawingArea;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(const QString& documentPath = QString(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a document file in place of the current document; false (and a new empty document
    // named after the file) when it is not a valid file.
    bool openDocument(const QString& path);

    document::Document& document() { return *document_; }
    const render::ViewTransform& view() const { return view_; }
    render::RenderContext& renderContext() { return ctx_; }
    const QImage& bitmap() const { return bitmap_; }
    DrawingArea* drawingArea() const { return area_; }
    QScrollBar* horizontalBar() const { return hBar_; }
    QScrollBar* verticalBar() const { return vBar_; }
    // The error of the last open, empty when it succeeded.
    const std::string& openError() const { return openError_; }

    // Redraws the off-screen bitmap (recomputing first when asked) and repaints.
    void redraw(bool recompute = false);

  private:
    void createSurfaces();
    void adoptDocument(std::unique_ptr<document::Document> d);
    void areaResized();
    void horizontalScrolled(int position);
    void verticalScrolled(int position);
    void afterScroll();
    void syncScrollBars();
    void refreshCaption();
    bool dependsOnView() const;
    document::DocumentEnvironment environment() const;

    std::unique_ptr<document::Document> document_;
    render::ViewTransform view_;
    render::RenderContext ctx_;
    QImage bitmap_;
    QImage traceBitmap_;
    std::unique_ptr<platform::QtCanvas> canvas_;
    std::unique_ptr<platform::QtCanvas> traceCanvas_;
    DrawingArea* area_ = nullptr;
    QScrollBar* hBar_ = nullptr;
    QScrollBar* vBar_ = nullptr;
    QLabel* coordLabel_ = nullptr;
    QLabel* angleLabel_ = nullptr;
    QLabel* messageLabel_ = nullptr;
    bool syncingBars_ = false;
    std::string openError_;
};

} // namespace zeva::ui
