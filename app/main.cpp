#include "app/cli.h"
#include "ui/main_window.h"

#include <QApplication>

#include <string>
#include <vector>

int main(int argc, char** argv) {
    // Batch commands run before any window system is touched, so they work with no display.
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string documentPath;
    const int code = zeva::app::runCommandLine(args, documentPath);
    if (code >= 0) return code;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZEVA"));
    QApplication::setApplicationName(QStringLiteral("ZEVA3"));
    zeva::ui::MainWindow window(QString::fromStdString(documentPath));
    window.show();
    return QApplication::exec();
}
