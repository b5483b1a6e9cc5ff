#pragma once
// Options of the drawing that the options file does not hold, so that the file stays as every
// version writes it. They live in the settings store (QSettings, organisation "ZEVA",
// application "ZEVA3"), beside the recent files.

namespace zeva::platform {

// "Suavizar el dibujo": off when never stored.
bool readSmoothDrawing();
void writeSmoothDrawing(bool on);

} // namespace zeva::platform
