// The hostile documents (tests/hostile) that open are drawn on every canvas role within the
// device range, with their elements selected and their traces drawn.

#include "render_fixture.h"

#include "document/document_load.h"
#include "geometry/recompute.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <variant>

namespace zeva::render {
namespace {

TEST(HostileDrawing, OpenedHostileDocumentsDrawWithinTheDeviceRange) {
    int opened = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(ZEVA_SOURCE_DIR "/tests/hostile")) {
        if (entry.path().extension() == ".md") continue;
        const std::string name = entry.path().filename().string();
        auto loaded = document::loadDocument(entry.path().string(), document::DocumentEnvironment{});
        auto* ok = std::get_if<document::LoadedDocument>(&loaded);
        if (!ok) continue;
        ++opened;
        document::Document& d = *ok->document;
        ViewTransform view;
        setPlaneSize(view, 3000);
        RenderContext ctx;
        ctx.document = &d;
        ctx.view = &view;
        ctx.options.showHidden = true;
        loadView(view, d);
        geometry::recomputeAll(d.construction, recomputeContextFor(d, *ctx.view));
        RecordingCanvas trace(CanvasRole::Trace);
        ctx.traceCanvas = &trace;
        for (bool selected : {false, true}) {
            d.construction.setSelectionAll(selected);
            ctx.state.dragInProgress = selected;
            for (CanvasRole role : {CanvasRole::Main, CanvasRole::Miniature}) {
                RecordingCanvas canvas(role);
                redrawAll(ctx, canvas);
                EXPECT_TRUE(testing::withinDeviceRange(canvas)) << name;
            }
        }
        EXPECT_TRUE(testing::withinDeviceRange(trace)) << name;
    }
    EXPECT_GE(opened, 6);
}

} // namespace
} // namespace zeva::render
