#pragma once
// The drawing area of the main window: shows the top-left part of the off-screen bitmap and
// reports its size changes.

#include <QImage>
#include <QWidget>

#include <functional>

namespace zeva::ui {

class DrawingArea : public QWidget {
    Q_OBJECT
  public:
    explicit DrawingArea(QWidget* parent = nullptr);

    // The bitmap painted from its top-left corner; not owned.
    void setBitmap(const QImage* bitmap) { bitmap_ = bitmap; }
    std::function<void()> onResize;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    const QImage* bitmap_ = nullptr;
};

} // namespace zeva::ui
