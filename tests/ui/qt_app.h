#pragma once
// One QApplication for the GUI tests, on the offscreen platform unless one is set.

#include <QApplication>

#include <cstdlib>

namespace zeva::testing {

inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "zeva_test";
    static char* argv[] = {name, nullptr};
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Never destroyed: tearing Qt down during static destruction crashes after windows were shown.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

} // namespace zeva::testing
