#pragma once
// The drawing area of the main window: shows the top-left part of the picture of the document
// (the off-screen bitmap, or a preview over a copy of it) with the cursor label over it, and
// hands mouse, double-click, key and wheel events to the interaction logic in drawing-area
// pixels.

#include "ui/host.h"

#include <QImage>
#include <QWidget>

#include <functional>

namespace zeva::ui {

class Editor;

class DrawingArea : public QWidget {
    Q_OBJECT
  public:
    explicit DrawingArea(QWidget* parent = nullptr);

    // Where the picture painted from its top-left corner comes from.
    void setSource(std::function<const QImage&()> source) { source_ = std::move(source); }
    // The logic that takes the events; none: events are ignored.
    void setEditor(Editor* editor) { editor_ = editor; }
    // The label next to the cursor (empty text: none), drawn in `font`.
    void setCursorLabel(const CursorLabel& label, const QFont& font);
    const CursorLabel& cursorLabel() const { return label_; }
    // Without a document the area is an empty grey surface.
    void setEmpty(bool empty);

    std::function<void()> onResize;
    // Called before a press reaches the logic (the window closes what a press closes).
    std::function<void()> onPress;
    // Called after every paint (start-up timing).
    std::function<void()> onPainted;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    void paint();

    std::function<const QImage&()> source_;
    Editor* editor_ = nullptr;
    CursorLabel label_;
    QFont labelFont_;
    bool empty_ = false;
};

} // namespace zeva::ui
