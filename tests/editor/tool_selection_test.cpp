#include "edit/factory.h"
#include "tests/editor/fake_host.h"
#include "ui/tool_selection.h"

#include <gtest/gtest.h>

namespace zeva::ui::testing {
namespace {

TEST(ToolSelection, ColourChosenOnThePanelAppliesToTheNextToolOnly) {
    EditorFixture f;
    f.editor.selectTool(tool::Colour);
    f.editor.selectTool(tool::Segment);
    EXPECT_TRUE(f.session().tool.useCurrentColor);
    f.editor.selectTool(tool::Circle);
    EXPECT_FALSE(f.session().tool.useCurrentColor);
}

TEST(ToolSelection, AnAbandonedConstructionLosesItsAuxiliaryPoints) {
    EditorFixture f;
    f.editor.selectTool(tool::Line);
    // The first click of a line on empty space: a snapshot, then a free point.
    edit::Edit e(f.doc(), document::contextFor(f.doc()), edit::UndoStep::Checkpoint);
    edit::CreationRequest r;
    r.kind = model::Kind::FreePoint;
    edit::createElement(e, r);
    e.commit();
    f.session().tool.auxiliaryPointMade = true;
    ASSERT_EQ(f.doc().construction.countOf(), 1);

    f.editor.selectTool(tool::Move);
    EXPECT_EQ(f.doc().construction.countOf(), 0);
    EXPECT_FALSE(f.session().tool.auxiliaryPointMade);
    EXPECT_EQ(f.host.status, settings::texts().toolText(tool::Move));
    EXPECT_EQ(f.host.cursorNumber, cursor::Select);
}

TEST(ToolSelection, EveryRowNeverOffersIntersectionCandidatesDirectly) {
    for (int t = 0; t < kToolCount; ++t)
        EXPECT_EQ(acceptRowOf(t)[static_cast<size_t>(model::ElementClass::Intersection)], 0)
            << "tool " << t;
}

} // namespace
} // namespace zeva::ui::testing
