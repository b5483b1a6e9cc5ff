#pragma once
// The drawing area of the main window: shows the top-left part of the picture of the document
// (the off-screen bitmap, or a preview over a copy of it) and reports its size changes.

#include <QImage>
#include <QWidget>

#include <functional>

namespace zeva::ui {

class DrawingArea : public QWidget {
    Q_OBJECT
  public:
    explicit DrawingArea(QWidget* parent = nullptr);

    // Where the picture painted from its top-left corner comes from.
    void setSource(std::function<const QImage&()> source) { source_ = std::move(source); }
    std::function<void()> onResize;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::function<const QImage&()> source_;
};

} // namespace zeva::ui
