// The parameter and point-by-coordinates windows' rules without widgets: the track bar, typed
// expressions applied all or nothing, Esc and closing with their undo step and modified flag,
// and points made from rectangular and polar coordinates.
#include "fake_host.h"
#include "tests/support/edits.h"

#include "document/undo.h"
#include "settings/options.h"
#include "ui/calculator_logic.h"
#include "ui/move_screen_logic.h"
#include "ui/parameter_logic.h"
#include "ui/parametric_colour_logic.h"
#include "ui/point_coordinates_logic.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::ui {
namespace {

using model::Element;
using model::Kind;
using testing::EditorFixture;
using Field = ParameterLogic::Field;

const std::string kBadInputs[] = {"", "1/0", "((", std::string(101, '1'), "SIN X"};

struct ParameterFixture : ::testing::Test {
    EditorFixture f;
    Element* parameter = nullptr;
    Element* twice = nullptr; // a Cálculo 2 * parameter

    void SetUp() override {
        CalculatorLogic calc(f.session());
        calc.open(tool::Parameter, nullptr);
        calc.evaluate("3.7");
        parameter = calc.place({0, 0});
        calc.open(tool::Calculate, nullptr);
        calc.pick(*parameter);
        calc.evaluate("2*a");
        twice = calc.place({0, -40});
        ASSERT_TRUE(parameter && twice);
        f.doc().modified = 0;
        document::clearHistory(f.doc());
    }
};

TEST_F(ParameterFixture, ShowsTheValueAndRangeAndSlidesTheFigure) {
    ParameterLogic p(f.session(), *parameter);
    EXPECT_EQ(p.caption(), "Modificar parámetro");
    EXPECT_EQ(p.shownTexts(), (ParameterLogic::Texts{"3.70", "-6.00", "13.00"}));
    EXPECT_EQ(p.trackPosition(), 510); // trunc(9.7 / 19 * 1000)

    ASSERT_EQ(p.apply({std::nullopt, "0", "10"}), std::nullopt);
    p.slide(500);
    EXPECT_DOUBLE_EQ(parameter->x1, 5.0);
    EXPECT_DOUBLE_EQ(twice->x1, 10.0); // the figure follows the slider at once
    EXPECT_EQ(f.doc().modified, 0);    // nothing recorded while the window is open

    ASSERT_EQ(p.apply({"20", std::nullopt, std::nullopt}), std::nullopt);
    EXPECT_EQ(p.trackPosition(), std::nullopt); // outside the range: the bar stays
    ASSERT_EQ(p.apply({std::nullopt, "4", "4"}), std::nullopt);
    EXPECT_EQ(p.trackPosition(), 0); // equal ends

    p.finish();
    EXPECT_EQ(f.doc().modified, 1);
    ASSERT_TRUE(f.doc().undoAvailable);
    ASSERT_TRUE(document::undo(f.doc())); // one step back to the opening
    const Element* restored = nullptr;
    for (const Element* e : f.doc().construction)
        if (e->kind == Kind::Parameter) restored = e;
    ASSERT_NE(restored, nullptr);
    EXPECT_DOUBLE_EQ(restored->x1, 3.7);
    EXPECT_DOUBLE_EQ(restored->parameter().minimum, -6.0);
}

TEST_F(ParameterFixture, RefusedFieldsApplyNothingAndEscapePutsEverythingBack) {
    ParameterLogic p(f.session(), *parameter);
    for (const std::string& bad : kBadInputs) {
        for (int field = Field::Value; field <= Field::Maximum; ++field) {
            std::array<std::optional<std::string>, 3> typed{"1", "0", "2"};
            typed[static_cast<size_t>(field)] = bad;
            EXPECT_EQ(p.apply(typed), static_cast<Field>(field)) << field << ": " << bad;
            EXPECT_DOUBLE_EQ(parameter->x1, 3.7);
            EXPECT_DOUBLE_EQ(parameter->parameter().minimum, -6.0);
            EXPECT_DOUBLE_EQ(parameter->parameter().maximum, 13.0);
        }
    }
    ASSERT_EQ(p.apply({"2*3", std::nullopt, std::nullopt}), std::nullopt);
    EXPECT_DOUBLE_EQ(twice->x1, 12.0);
    p.restore(); // Esc
    p.finish();
    EXPECT_DOUBLE_EQ(parameter->x1, 3.7);
    EXPECT_DOUBLE_EQ(twice->x1, 7.4);
    EXPECT_EQ(f.doc().modified, 0);
    EXPECT_FALSE(f.doc().undoAvailable);
}

TEST(PointCoordinates, RectangularAndPolarInputMakePlottedPointsInOneUndoStep) {
    EditorFixture f;
    f.doc().units.angleUnit = model::AngleUnit::Degree; // DEG
    PointCoordinatesLogic logic(f.session(), nullptr, nullptr);
    EXPECT_EQ(logic.angleUnitText(), "°");
    auto made = logic.submit("2*3", "1", true, true);
    ASSERT_NE(made.point, nullptr);
    EXPECT_EQ(made.point->kind, Kind::PlottedPoint);
    EXPECT_DOUBLE_EQ(made.point->x2, 6.0);
    EXPECT_DOUBLE_EQ(made.point->y2, 1.0);
    ASSERT_NE(made.point->parent1, nullptr);
    EXPECT_EQ(made.point->parent1->kind, Kind::Axes);
    EXPECT_EQ(made.point->parent1->visible, 0); // axes made only to carry the points

    logic.setPolar(true);
    made = logic.submit("2", "90", true, true);
    ASSERT_NE(made.point, nullptr);
    EXPECT_NEAR(made.point->x2, 0.0, 1e-12);
    EXPECT_NEAR(made.point->y2, 2.0, 1e-12);
    EXPECT_EQ(logic.count(), 2);

    for (const std::string& bad : kBadInputs) {
        EXPECT_EQ(logic.submit(bad, "1", true, true).refusedField, 0) << bad;
        EXPECT_EQ(logic.submit("1", bad, true, true).refusedField, 1) << bad;
    }
    EXPECT_EQ(logic.count(), 2);

    // One undo takes the whole series away, axes included.
    ASSERT_TRUE(document::undo(f.doc()));
    EXPECT_EQ(f.doc().construction.countOf(), 0);
}

TEST(PointCoordinates, MovingAPlottedPointChangesOnlyTheTypedCoordinate) {
    EditorFixture f;
    PointCoordinatesLogic first(f.session(), nullptr, nullptr);
    Element* point = first.submit("1", "2", true, true).point;
    ASSERT_NE(point, nullptr);
    const int count = f.doc().construction.countOf();

    PointCoordinatesLogic edit(f.session(), point, point->parent1);
    EXPECT_EQ(edit.startTexts(), (std::pair<std::string, std::string>{"1", "2"}));
    EXPECT_EQ(edit.submit("5", "2", true, false).point, point);
    EXPECT_DOUBLE_EQ(point->x2, 5.0);
    EXPECT_DOUBLE_EQ(point->y2, 2.0);
    EXPECT_EQ(f.doc().construction.countOf(), count);
    // Afterwards the window makes new points on the same axes.
    Element* next = edit.submit("0", "0", true, true).point;
    ASSERT_NE(next, nullptr);
    EXPECT_NE(next, point);
    EXPECT_EQ(next->parent1, point->parent1);
}

TEST(MoveScreen, DraggingTheRectangleMovesTheViewOnlyOnOk) {
    EditorFixture f;
    f.doc().modified = 0;
    const double plane = settings::options().planeSize;
    {
        MoveScreenLogic cancelled(f.session());
        const MiniatureRect r = cancelled.rectangle();
        ASSERT_TRUE(cancelled.press(r.left + 10, r.top + 10));
        cancelled.dragTo(r.left + 44, r.top + 10);
        EXPECT_TRUE(cancelled.moved());
    } // "Cancel": nothing reached the view
    EXPECT_DOUBLE_EQ(f.host.fakeView.transformValue.viewLeft, -512.0);
    EXPECT_EQ(f.doc().modified, 0);

    MoveScreenLogic logic(f.session());
    EXPECT_EQ(logic.trackPosition(), static_cast<int>((plane - 1025.0) * 1000.0 / 9000.0));
    const MiniatureRect r = logic.rectangle();
    EXPECT_NEAR(r.width, 1024.0 * kMiniatureSize / plane, 1e-9);
    EXPECT_FALSE(logic.press(r.left + 1, r.top + 10)); // not far enough inside
    ASSERT_TRUE(logic.press(r.left + 10, r.top + 10));
    logic.dragTo(r.left + 44, r.top + 10); // 34 miniature pixels right
    logic.release();
    logic.accept();
    EXPECT_DOUBLE_EQ(f.host.fakeView.transformValue.viewLeft,
                     std::trunc(-512.0 + 34.0 * plane / kMiniatureSize));
    EXPECT_DOUBLE_EQ(f.host.fakeView.transformValue.viewTop, 384.0);
    EXPECT_EQ(f.doc().modified, 1);
}

TEST(MoveScreen, ShrinkingThePlaneKeepsTheRectangleInsideAndMovesTheView) {
    EditorFixture f;
    const double plane = settings::options().planeSize;
    MoveScreenLogic logic(f.session());
    MiniatureRect r = logic.rectangle();
    ASSERT_TRUE(logic.press(r.left + 10, r.top + 10));
    logic.dragTo(1000, 1000); // far beyond: held at the bottom-right corner
    logic.release();
    r = logic.rectangle();
    EXPECT_NEAR(r.left + r.width, kMiniatureSize, 1e-9);
    EXPECT_NEAR(r.top + r.height, kMiniatureSize, 1e-9);

    logic.setTrackPosition(0); // the smallest plane: 1025 for a 1024-pixel screen
    EXPECT_DOUBLE_EQ(logic.planeSize(), 1025.0);
    r = logic.rectangle();
    EXPECT_GE(r.left, 0.0);
    EXPECT_LE(r.left + r.width, kMiniatureSize + 1e-9);
    EXPECT_LE(r.top + r.height, kMiniatureSize + 1e-9);
    logic.accept();
    const render::ViewTransform& v = f.host.fakeView.transformValue;
    EXPECT_DOUBLE_EQ(v.planeSize, 1025.0);
    EXPECT_GE(v.viewLeft, -512.5);
    EXPECT_LE(v.viewLeft + 1024.0, 512.5 + 1.0);
    EXPECT_LE(v.viewTop, 512.5);
    settings::options().planeSize = plane;
}

TEST(ParametricColour, ThreeScalesAndTheModeAnswered) {
    EXPECT_EQ(colourStrip(1, 30).size(), 10u); // a column every 3 pixels
    const std::vector<int32_t> grey = colourStrip(2, 300);
    EXPECT_EQ(grey.front(), 0xFFFFFF); // white to black
    ParametricColourChoice choice;
    EXPECT_EQ(choice.mode(), 1);
    choice.chooseScale(2);
    EXPECT_EQ(choice.mode(), 2);
    choice.setHueMode(57); // the scroll bar chooses the third scale
    EXPECT_EQ(choice.scale(), 3);
    EXPECT_EQ(choice.mode(), 57);
    choice.setHueMode(500);
    EXPECT_EQ(choice.mode(), kLastHueMode);
}

} // namespace
} // namespace zeva::ui
