// The edit bar and the press-and-hold panels, without widgets: what a button press chooses,
// the selection changed in one undo step, the 200 ms hold deciding whether a panel opens.
#include "document/undo.h"
#include "tests/editor/fake_host.h"
#include "ui/edit_bar.h"
#include "ui/popup_panels_logic.h"

#include <gtest/gtest.h>

namespace zeva::ui::testing {
namespace {

using model::Element;
using model::ElementClass;

// Two free points and a circle through them (centre, then a point), nothing selected.
struct Figure : EditorFixture {
    Element* a = nullptr;
    Element* b = nullptr;
    Element* circle = nullptr;

    Figure() {
        editor.selectTool(tool::Point);
        click(0, 0);
        click(100, 0);
        editor.selectTool(tool::Circle);
        click(0, 0);
        click(100, 0);
        editor.selectTool(tool::Move);
        for (Element* e : doc().construction) {
            if (e->elementClass() == ElementClass::Point) (a ? b : a) = e;
            if (e->elementClass() == ElementClass::Circle) circle = e;
        }
    }
    void selectAll() {
        for (Element* e : {a, b, circle})
            e->selected = 1;
    }
};

TEST(EditBar, AnEditToolOnASelectionChangesAllOfItInOneUndoStepThenMovesOn) {
    Figure f;
    ASSERT_TRUE(f.a && f.b && f.circle);
    const int32_t before[] = {f.a->color, f.b->color, f.circle->color};
    f.doc().modified = 0;
    f.session().tool.currentColor = 0x00FF00;
    f.selectAll();

    pressEditBarButton(f.session(), EditBarButton::Colour);
    for (Element* e : {f.a, f.b, f.circle}) {
        EXPECT_EQ(e->color, 0x00FF00);
        EXPECT_EQ(e->selected, 0);
    }
    EXPECT_EQ(f.session().tool.active, tool::Move);
    EXPECT_EQ(f.host.toolShown, tool::Move);
    EXPECT_EQ(f.doc().modified, 1);
    // One undo brings every element back at once.
    ASSERT_TRUE(f.doc().undoAvailable);
    document::undo(f.doc());
    std::vector<int32_t> after;
    for (Element* e : f.doc().construction)
        after.push_back(e->color);
    EXPECT_EQ(after, (std::vector<int32_t>{before[0], before[1], before[2]}));
}

TEST(EditBar, ShapesChangeOnlyTheClassesTheyBelongTo) {
    Figure f;
    f.selectAll();
    f.session().tool.pointShapeCode = tool::PointShapeNormal + 1; // the cross, style 4
    const int32_t circleStyle = f.circle->style;
    pressEditBarButton(f.session(), EditBarButton::PointShape);
    EXPECT_EQ(f.a->style, 4);
    EXPECT_EQ(f.b->style, 4);
    EXPECT_EQ(f.circle->style, circleStyle);

    // Hiding toggles each selected element; nothing selected: the tool stays for clicks.
    f.a->selected = 1;
    pressEditBarButton(f.session(), EditBarButton::HideShow);
    EXPECT_EQ(f.a->visible, 0);
    EXPECT_EQ(f.session().tool.active, tool::Move);
    pressEditBarButton(f.session(), EditBarButton::HideShow);
    EXPECT_EQ(f.session().tool.active, tool::HideShow);
    EXPECT_EQ(f.host.status, settings::texts().message(3));
}

TEST(EditBar, ASelectionNoneOfWhichTakesTheShapeIsLeftUnmodified) {
    Figure f;
    f.circle->selected = 1;
    f.doc().modified = 0;
    f.doc().undoAvailable = 0;
    pressEditBarButton(f.session(), EditBarButton::AngleShape);
    EXPECT_EQ(f.doc().modified, 0);
    EXPECT_EQ(f.doc().undoAvailable, 0);
    EXPECT_EQ(f.session().tool.active, tool::Move);
}

TEST(EditBar, TheFontToolOnASelectionWithoutTextStaysForClicks) {
    Figure f;
    f.selectAll();
    // No selected element shows text: the tool just stays active.
    pressEditBarButton(f.session(), EditBarButton::Font);
    EXPECT_EQ(f.session().tool.active, tool::Font);
    EXPECT_TRUE(f.host.opened.empty());
}

TEST(PopupPanels, AShortClickSelectsTheColourToolAndNeverOpensThePanel) {
    Figure f;
    PopupPanels panels(f.session());
    f.session().tool.currentColor = 0x008000;
    panels.press(HeldButton::Colour);
    EXPECT_EQ(f.host.timers[TimerId::ColourPanel], kPanelHoldMs);
    EXPECT_FALSE(panels.release()); // before the timer fired
    EXPECT_FALSE(f.host.timerRunning(TimerId::ColourPanel));
    // A tick that still comes opens nothing.
    EXPECT_FALSE(panels.timerFired(TimerId::ColourPanel));
    EXPECT_FALSE(panels.openPanel());
    EXPECT_EQ(f.session().tool.active, tool::Colour);
    EXPECT_EQ(f.session().tool.currentColor, 0x008000);
}

TEST(PopupPanels, HoldingOpensTheColourPanelAndTheReleaseTakesTheButtonUnderTheCursor) {
    Figure f;
    PopupPanels panels(f.session());
    panels.press(HeldButton::Colour);
    ASSERT_EQ(panels.timerFired(TimerId::ColourPanel), PanelKind::Colour);
    EXPECT_EQ(panels.pressedIndex(PanelKind::Colour), 0); // red at start
    panels.hover(2);
    panels.hover(-1); // off the panel: the last button stays down
    EXPECT_FALSE(panels.release());
    EXPECT_EQ(f.session().tool.currentColor, kPanelColours[2].value);
    EXPECT_EQ(f.session().tool.active, tool::Colour);
    EXPECT_FALSE(panels.openPanel());

    // The colour applies to the next tool chosen, and only that one.
    f.editor.selectTool(tool::Segment);
    EXPECT_TRUE(f.session().tool.useCurrentColor);
    f.editor.selectTool(tool::Circle);
    EXPECT_FALSE(f.session().tool.useCurrentColor);
}

TEST(PopupPanels, TheRgbButtonAsksAColourAndACancelGoesBackToRed) {
    Figure f;
    PopupPanels panels(f.session());
    panels.press(HeldButton::FillColour);
    panels.timerFired(TimerId::ColourPanel);
    panels.hover(kRgbButton);
    EXPECT_TRUE(panels.release());
    EXPECT_EQ(f.session().tool.active, tool::Move); // nothing acts before the answer
    panels.rgbAnswered(0x123456);
    EXPECT_EQ(f.session().tool.currentColor, 0x123456);
    EXPECT_EQ(f.session().tool.active, tool::FillColour);

    panels.press(HeldButton::Colour);
    panels.timerFired(TimerId::ColourPanel);
    panels.hover(kRgbButton);
    EXPECT_TRUE(panels.release());
    panels.rgbAnswered(std::nullopt);
    EXPECT_EQ(f.session().tool.currentColor, 0x0000FF);
    EXPECT_EQ(panels.colourDown(), 0);
}

TEST(PopupPanels, TheParametricButtonTurnsTheColourButtonsIntoParametricTools) {
    Figure f;
    PopupPanels panels(f.session());
    panels.press(HeldButton::Colour);
    panels.timerFired(TimerId::ColourPanel);
    panels.hover(kParametricButton);
    panels.release();
    EXPECT_TRUE(f.session().tool.parametricColourDown);
    EXPECT_EQ(f.session().tool.active, tool::ParametricColour);
    panels.press(HeldButton::FillColour);
    panels.release();
    EXPECT_EQ(f.session().tool.active, tool::ParametricFillColour);
}

TEST(PopupPanels, TheComparisonPanelChoosesTheCheckerAndAShortClickRepeatsIt) {
    Figure f;
    PopupPanels panels(f.session());
    // A short click: the last checker (parallelism at start).
    panels.press(HeldButton::Comparison);
    EXPECT_TRUE(f.host.timerRunning(TimerId::ComparisonPanel));
    panels.release();
    EXPECT_EQ(f.session().tool.active, tool::CheckParallel);

    panels.press(HeldButton::Comparison);
    // Another panel's timer opens nothing.
    EXPECT_FALSE(panels.timerFired(TimerId::ShapePanel));
    ASSERT_EQ(panels.timerFired(TimerId::ComparisonPanel), PanelKind::Comparison);
    panels.hover(3);
    panels.release();
    EXPECT_EQ(f.session().tool.active, tool::CheckEquidistance);
    EXPECT_EQ(f.session().tool.lastComparisonTool, tool::CheckEquidistance);
    EXPECT_EQ(glyphOfComparisonTool(f.session().tool.lastComparisonTool), "B_comp_eq");

    // Released without touching a button: the last checker again.
    panels.press(HeldButton::Comparison);
    panels.timerFired(TimerId::ComparisonPanel);
    panels.release();
    EXPECT_EQ(f.session().tool.active, tool::CheckEquidistance);
}

TEST(PopupPanels, TheShapePanelsSetTheShapeTheirButtonChooses) {
    Figure f;
    PopupPanels panels(f.session());
    panels.press(HeldButton::LineShape);
    ASSERT_EQ(panels.timerFired(TimerId::ShapePanel), PanelKind::LineShapes);
    panels.hover(3);
    panels.release();
    EXPECT_EQ(f.session().tool.lineShapeCode, 70);
    EXPECT_EQ(f.session().tool.active, 70);
    EXPECT_EQ(glyphOfShapeTool(70), "B_edit_ligran");
    // Colour buttons reset the construction in progress at the press.
    f.editor.selectTool(tool::Segment);
    f.click(0, 0);
    ASSERT_EQ(f.session().tool.step, 1);
    panels.press(HeldButton::Colour);
    EXPECT_EQ(f.session().tool.step, 0);
    panels.release();
}

} // namespace
} // namespace zeva::ui::testing
