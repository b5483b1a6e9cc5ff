#pragma once
// The editor's main window. In this first form it shows the current one of its open documents:
// the drawing area painted from the document view's bitmap, scroll bars that move the view over
// the plane, and a status bar with the document's coordinate system and angle unit.

#include "document/document_set.h"
#include "ui/document_view.h"

#include <QMainWindow>
#include <QString>

#include <memory>
#include <string>

class QLabel;
class QScrollBar;

namespace zeva::ui {

class DrawingArea;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Opens `documentPath` when given; without it, or when it cannot be opened, a new empty
    // document is shown.
    explicit MainWindow(const QString& documentPath = QString(), QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens a document file (it becomes the current document) or a macro file (into the
    // current document). A file that cannot be opened changes nothing: a "ZEVA" box tells why,
    // and the answer is false.
    bool openDocument(const QString& path);

    document::Document& document() { return *documents_.current(); }
    const document::DocumentSet& documents() const { return documents_; }
    DocumentView& documentView() { return *view_; }
    const render::ViewTransform& view() const { return view_->transform(); }
    const QImage& bitmap() const { return view_->bitmap(); }
    DrawingArea* drawingArea() const { return area_; }
    QScrollBar* horizontalBar() const { return hBar_; }
    QScrollBar* verticalBar() const { return vBar_; }
    // The message of the last open that failed, empty when it succeeded.
    const std::string& openError() const { return openError_; }

    // Redraws the document (recomputing it first when asked) and repaints.
    void redraw(bool recompute = false);

  private:
    void showDocument(document::Document* d);
    void newDocument();
    void showError(const std::string& message, bool later);
    void areaResized();
    void horizontalScrolled(int position);
    void verticalScrolled(int position);
    void scrolled(double viewLeft, double viewTop);
    void syncScrollBars();
    void refreshCaption();
    void refreshEnvironment();

    document::DocumentSet documents_;
    std::unique_ptr<DocumentView> view_;
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
