#pragma once
// The parametric-colour window's rules without its widgets: the three colour scales it shows
// and the colour mode it answers.

#include <cstdint>
#include <vector>

namespace zeva::ui {

inline constexpr int kFirstHueMode = 3; // the third scale's scroll bar runs 3..100
inline constexpr int kLastHueMode = 100;
inline constexpr int kStripStep = 3; // a strip is drawn every 3 pixels with a 3-pixel pen

// The colours (0x00BBGGRR) of a strip `width` pixels wide in colour mode `mode`: one per drawn
// column x = 0, 3, 6, ... < width, the colour of the value x / width.
std::vector<int32_t> colourStrip(int mode, int width);

// Which scale is chosen and the third scale's mode.
class ParametricColourChoice {
  public:
    int scale() const { return scale_; } // 1, 2 or 3
    void chooseScale(int scale);
    int hueMode() const { return hueMode_; }
    // Moving the scroll bar chooses the third scale.
    void setHueMode(int mode);
    // The mode "OK" answers: 1, 2, or the third scale's mode.
    int mode() const { return scale_ == 3 ? hueMode_ : scale_; }

  private:
    int scale_ = 1;
    int hueMode_ = kFirstHueMode;
};

} // namespace zeva::ui
