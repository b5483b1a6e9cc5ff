#pragma once
// Mouse and key events as the interaction logic sees them: positions in drawing-area pixels
// (the window has already taken off the tool bars), buttons and modifier keys as plain values.

#include <cstdint>

namespace zeva::ui {

enum class MouseButton { Left, Right, Middle, None };

struct Modifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

struct MouseEvent {
    int x = 0; // drawing-area pixels
    int y = 0;
    MouseButton button = MouseButton::None; // the button pressed or released; None on moves
    Modifiers modifiers;
    bool leftHeld = false; // on moves: the left button is down
};

// A turn of the mouse wheel: 120 per notch (finer on touchpads), positive away from the user.
struct WheelEvent {
    int delta = 0;
    Modifiers modifiers; // Shift scrolls horizontally
};

// Keys the logic handles itself; everything else reaches it only through menu shortcuts.
enum class Key { Escape, Plus, Minus, Control, Shift, Other };

struct KeyEvent {
    Key key = Key::Other;
    Modifiers modifiers;
    bool autoRepeat = false;
};

} // namespace zeva::ui
