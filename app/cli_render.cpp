#include "app/cli.h"

#include "document/document.h"
#include "document/document_load.h"
#include "geometry/recompute.h"
#include "platform/figure_export.h"
#include "render/render_options.h"
#include "render/renderer.h"
#include "render/view_transform.h"
#include "settings/options.h"
#include "settings/text_table.h"

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
    document::Document& d = *ok->document;
    document::setViewExtent(d, env.screen);

    render::ViewTransform view;
    view.screenWidth = view.clientWidth = request.width;
    view.screenHeight = view.clientHeight = request.height;
    render::setPlaneSize(view, settings::options().planeSize);
    render::RenderContext ctx;
    ctx.document = &d;
    ctx.view = &view;
    ctx.options = render::renderOptionsFrom(settings::options(), settings::texts());
    render::loadView(view, d);
    // Once more with the renderer's colour rule, so loci carry their parametric colours.
    geometry::recomputeAll(d.construction, render::recomputeContextFor(ctx));

    const std::string error =
        platform::exportFigure(ctx, request.output, request.width, request.height);
    if (!error.empty()) {
        std::fprintf(stderr, "zeva: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

} // namespace zeva::app
