#include "app/cli.h"
#include "settings/options.h"
#include "settings/options_file.h"
#include "settings/text_table.h"
#include "ui/drawing_area.h"
#include "ui/language_dialog.h"
#include "ui/main_window.h"
#include "ui/program_folders.h"
#include "ui/splash_window.h"
#include "ui/ui_text.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    // Batch commands run before any window system is touched, so they work with no display.
    const std::vector<std::string> given(argv + 1, argv + argc);
    if (zeva::app::isBatchCommand(given)) {
        std::string unused;
        return zeva::app::runCommandLine(given, unused);
    }

    // Qt takes its own options (-platform, -style, -qwindowgeometry, ...) out of argv; the rest
    // are ours.
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ZEVA"));
    QApplication::setApplicationName(QStringLiteral("ZEVA3"));
    std::vector<std::string> args;
    const QStringList remaining = QCoreApplication::arguments();
    for (qsizetype i = 1; i < remaining.size(); ++i)
        args.push_back(zeva::ui::utf8Text(remaining[i]));
    zeva::app::EditorStart start;
    const int code = zeva::app::runCommandLine(args, start);
    if (code >= 0) return code;

    zeva::ui::showSplash();
    // The options and the language before any window: the first start asks for the language.
    const std::filesystem::path programDir(
        zeva::ui::utf8Text(QCoreApplication::applicationDirPath()));
    zeva::ui::startUpSettings(nullptr, zeva::settings::options(), zeva::settings::texts(),
                              zeva::settings::optionsFilePath(programDir),
                              zeva::ui::programDataFolders());
    QStringList documents;
    for (const std::string& path : start.documents)
        documents.push_back(QString::fromStdString(path));
    zeva::ui::MainWindow window(documents, zeva::ui::MainWindow::Start::AfterShow);
    if (start.quitAfterPaint) {
        // The time from the start of main to the first painted drawing, once the event loop
        // is idle again.
        window.drawingArea()->onPainted = [&sinceStart, &window] {
            window.drawingArea()->onPainted = nullptr;
            QTimer::singleShot(0, [&sinceStart] {
                std::printf("first paint after %lld ms\n",
                            static_cast<long long>(sinceStart.elapsed()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        };
    }
    window.show();
    // The documents a crashed run left are offered before the files given are opened.
    window.startDocuments();
    return QApplication::exec();
}
