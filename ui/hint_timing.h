#pragma once
// The hints of the tool buttons: shown 400 ms after the cursor comes to rest on a button, for
// 10 seconds, on a light cyan background.

#include <QObject>

class QTimer;
class QWidget;

namespace zeva::ui {

inline constexpr int kHintShowMs = 400;
inline constexpr int kHintHideMs = 10000;

class HintTiming : public QObject {
    Q_OBJECT
  public:
    explicit HintTiming(QObject* parent = nullptr);
    // The widget's tool tip follows these timings instead of the platform's.
    void watch(QWidget* w);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void show();

    QTimer* timer_ = nullptr;
    QWidget* pending_ = nullptr;
};

} // namespace zeva::ui
