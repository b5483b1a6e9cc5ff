// The parameter and point-by-coordinates windows' rules without widgets: the track bar, typed
// expressions applied all or nothing, Esc and closing with their undo step and modified flag,
// and points made from rectangular and polar coordinates.
#include "fake_host.h"
#include "tests/support/edits.h"

#include "document/undo.h"
#include "ui/calculator_logic.h"
#include "ui/parameter_logic.h"
#include "ui/point_coordinates_logic.h"

#include <gtest/gtest.h>

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
    f.doc().angleUnit = 1; // DEG
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

} // namespace
} // namespace zeva::ui
