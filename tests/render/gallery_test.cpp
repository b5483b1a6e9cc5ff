#include "gallery.h"
#include "render_fixture.h"

#include "document/document_file.h"
#include "tests/support/temp_dir.h"
#include "document/document_load.h"
#include "render/renderer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

namespace zeva::render {
namespace {

using testing::Scene;

// Every element of every class draws something, and the document survives the file.
TEST(Gallery, EveryClassIsDrawnAndStored) {
    Scene s;
    testing::buildGallery(s.document);
    std::set<int> classes;
    int drawn = 0;
    for (model::Element* e : s.document.construction) {
        classes.insert(model::toInt(e->elementClass()));
        if (e->visible != 1 || e->exists != 1) continue;
        if (e->kind == model::Kind::Name && e->param1 != 1) continue; // a name not shown
        RecordingCanvas canvas;
        drawElement(s.ctx, canvas, *e, displayColor(s.ctx, *e), e->style, e->param1);
        EXPECT_FALSE(canvas.calls.empty()) << "nothing drawn for " << model::kindName(e->kind);
        ++drawn;
    }
    EXPECT_GT(drawn, 60);
    for (int c = 0; c < model::kClassCount; ++c) {
        // Hit-test candidates (intersección) exist only while the cursor is over a crossing.
        if (c == model::toInt(model::ElementClass::Intersection)) continue;
        EXPECT_TRUE(classes.count(c)) << "no element of class " << c;
    }

    zeva::testing::TempDir dir;
    const std::string path = dir.file("gallery.kdo");
    ASSERT_TRUE(document::writeDocumentFile(s.document, path));
    auto loaded = document::loadDocument(path, document::DocumentEnvironment{});
    auto* ok = std::get_if<document::LoadedDocument>(&loaded);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->document->construction.countOf(), s.document.construction.countOf());

    // ZEVA_WRITE_GALLERY=1 refreshes the sample kept beside the sources.
    if (const char* w = std::getenv("ZEVA_WRITE_GALLERY"); w && *w == '1') {
        const std::string out = std::string(ZEVA_SOURCE_DIR) + "/examples/gallery.kdo";
        EXPECT_TRUE(document::writeDocumentFile(s.document, out));
    }
}

} // namespace
} // namespace zeva::render
