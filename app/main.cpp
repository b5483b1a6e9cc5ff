#include "app/cli.h"
#include "settings/options.h"
#include "settings/options_file.h"
#include "settings/text_table.h"
#include "ui/language_dialog.h"
#include "ui/main_window.h"
#include "ui/program_folders.h"
#include "ui/ui_text.h"

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
    // The options and the language before any window: the first start asks for the language.
    const std::filesystem::path programDir(
        zeva::ui::utf8Text(QCoreApplication::applicationDirPath()));
    zeva::ui::startUpSettings(nullptr, zeva::settings::options(), zeva::settings::texts(),
                              zeva::settings::optionsFilePath(programDir),
                              zeva::ui::programDataFolders());
    zeva::ui::MainWindow window(QString::fromStdString(documentPath));
    window.show();
    return QApplication::exec();
}
