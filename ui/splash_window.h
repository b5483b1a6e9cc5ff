#pragma once
// The splash window shown while the editor starts: the program's icon, name and version on a
// small frameless window that closes by itself after 500 ms. It never waits for anything, and
// it is not shown when the standard input is not a terminal (a scripted start) or when the
// environment variable ZEVA_NO_SPLASH is 1.

class QWidget;

namespace zeva::ui {

inline constexpr int kSplashMs = 500;

// Whether a start in this environment shows the splash window.
bool splashWanted();

// Shows the splash window (it deletes itself when it closes) and answers it; none when it is
// not wanted.
QWidget* showSplash();

} // namespace zeva::ui
