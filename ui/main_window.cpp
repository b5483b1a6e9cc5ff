#include "ui/main_window.h"

namespace zeva::ui {

MainWindow::MainWindow(const QString& documentPath, QWidget* parent) : QMainWindow(parent) {
    (void)documentPath;
    setWindowTitle(QStringLiteral("ZEVA"));
    resize(1024, 768);
}

}  // namespace zeva::ui
