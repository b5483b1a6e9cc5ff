// Polygon sides, coordinate axes and coordinate parts are saved without a look of their own:
// a colour or line style given to the whole or to a part is the look of every part, so the
// document shows what saving it keeps (a random-user soak found axes drawn in one style and
// read back in another).

#include "document/document_dump.h"
#include "document/document_file.h"
#include "document/document_load.h"
#include "tests/editor/tool_script.h"

#include <gtest/gtest.h>

namespace zeva::ui::testing {
namespace {

std::string dumpOf(document::Document& d) {
    return document::dumpJson(d, document::FileType::Document, document::kFileVersion);
}

std::string readBackDump(EditorFixture& f) {
    const std::vector<uint8_t> bytes = document::documentFileBytes(f.doc());
    auto read = document::readFileBytes(bytes, document::ReadMode::Any);
    document::Document copy = document::newDocument(f.documents.environment);
    document::installDocumentFile(copy, std::get<document::LoadedFile>(std::move(read)),
                                  f.documents.environment);
    return dumpOf(copy);
}

TEST(LookOfParts, AShapeOrColourGivenToAnOwnerOrAPartIsThePartsLookAndSurvivesSaving) {
    struct Case {
        ToolCode tool;
        const char* owner;
        std::vector<const char*> parts;
        Point at; // world point on the element clicked
    };
    const Case cases[] = {
        {tool::LineShapeNormal + 1, "axes", {"Ox", "Oy"}, {-340, -250}},
        {tool::LineShapeNormal + 3, "FGH", {"FG", "GH", "HF"}, {250, 100}},
        {tool::Colour, "FGH", {"FG", "GH", "HF"}, {250, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("tool " + std::to_string(c.tool) + " on " + c.owner);
        EditorFixture f;
        Figure fig = buildFigure(f);
        f.editor.selectTool(c.tool);
        const int32_t styleBefore = fig[c.owner]->style;
        const int32_t colorBefore = fig[c.owner]->color;
        f.click(c.at.x, c.at.y);
        model::Element* owner = fig[c.owner];
        ASSERT_TRUE(owner->style != styleBefore || owner->color != colorBefore)
            << "the click changed nothing";
        for (const char* part : c.parts) {
            EXPECT_EQ(fig[part]->style, owner->style) << part;
            EXPECT_EQ(fig[part]->color, owner->color) << part;
        }
        EXPECT_EQ(readBackDump(f), dumpOf(f.doc()));
    }
}

} // namespace
} // namespace zeva::ui::testing
