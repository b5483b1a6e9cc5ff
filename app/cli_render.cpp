#include "app/cli.h"

#include "document/document_load.h"
#include "platform/figure_export.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "ui/document_view.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace zeva::app {

int runRender(const RenderRequest& request) {
    if (!platform::exportFormatOf(request.output)) {
        std::fprintf(stderr, "zeva: the output must end in .png, .bmp, .svg or .pdf (%s)\n",
                     request.output.c_str());
        return 64;
    }
    // Fonts and painting need a GUI application object, but never a display.
    std::optional<QGuiApplication> app;
    int argc = 1;
    char name[] = "zeva";
    char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        app.emplace(argc, argv);
    }

    document::DocumentEnvironment env; // the original options
    env.clientWidth = request.width;
    env.clientHeight = request.height;
    env.screen = {request.width, request.height};
    auto loaded = document::loadDocument(request.input, env);
    auto* ok = std::get_if<document::LoadedDocument>(&loaded);
    if (!ok) {
        std::fputs("no es un archivo válido\n", stderr);
        return 2;
    }
    // The saved view on a surface of the picture's size, drawn as the window would draw it.
    const QSize size(request.width, request.height);
    ui::DocumentView view(size, settings::options(), settings::texts());
    view.attach(ok->document.get());

    const std::string error = platform::exportFigure(view.renderContext(), view.bitmap(),
                                                     request.output, request.width, request.height);
    if (!error.empty()) {
        std::fprintf(stderr, "zeva: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

} // namespace zeva::app
