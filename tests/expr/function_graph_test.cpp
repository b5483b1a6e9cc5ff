#include "expr/function_graph.h"
#include "expression_fixture.h"
#include "model/units.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::expr {
namespace {

using testing::Elements;

const GraphView kView{-512.0, 384.0, 512.0, -384.0};

struct Graph {
    Elements els;
    model::Element* function = nullptr;
    model::Element* graph = nullptr;

    Graph(const char* text, int type, model::AngleUnit angleUnit = model::AngleUnit::Radian,
          Point origin = {}) {
        function = els.expression(text, {}, {}, type);
        graph = els.graph(function, els.axes(origin));
        sampleFunctionGraph(*graph, kView, angleUnit);
    }
    const model::SampleTail& samples() const { return graph->samples(); }
};

TEST(FunctionGraphTest, SamplesTheVariableRangeOfTheView) {
    Graph g("x^2", kYofX);
    EXPECT_DOUBLE_EQ(g.graph->y1, -12.8); // -512 / 40
    EXPECT_DOUBLE_EQ(g.graph->x2, 12.8);
    const auto& s = g.samples();
    ASSERT_EQ(s.sampleCount, 250);
    EXPECT_EQ(s.sampleParams[0], 0.0);
    EXPECT_EQ(s.sampleParams[249], 1.0);
    EXPECT_DOUBLE_EQ(s.samples[0].x, -512.0);
    EXPECT_DOUBLE_EQ(s.samples[0].y, 12.8 * 12.8 * 40.0);
    EXPECT_DOUBLE_EQ(s.samples2[249].x, 12.8);
    EXPECT_DOUBLE_EQ(s.samples2[249].y, 12.8 * 12.8);
    // The range stays as it was fixed: later views do not change it.
    sampleFunctionGraph(*g.graph, GraphView{0, 10, 10, 0}, model::AngleUnit::Radian);
    EXPECT_DOUBLE_EQ(g.graph->y1, -12.8);
}

TEST(FunctionGraphTest, RangeByFunctionType) {
    const AxesFrame frame{{40.0, -80.0}, 40.0, 20.0};
    const auto r2 = functionGraphRange(kXofY, frame, kView, model::AngleUnit::Radian);
    EXPECT_DOUBLE_EQ(r2.start, (-384.0 + 80.0) / 20.0);
    EXPECT_DOUBLE_EQ(r2.end, (384.0 + 80.0) / 20.0);
    EXPECT_DOUBLE_EQ(functionGraphRange(kRofW, frame, kView, model::AngleUnit::Radian).end,
                     2 * model::kPi);
    EXPECT_DOUBLE_EQ(functionGraphRange(kRofW, frame, kView, model::AngleUnit::Degree).end, 360.0);
    EXPECT_DOUBLE_EQ(functionGraphRange(kRofW, frame, kView, model::AngleUnit::Grad).end, 400.0);
    const auto r4 = functionGraphRange(kWofR, frame, kView, model::AngleUnit::Radian);
    EXPECT_EQ(r4.start, 0.0);
    EXPECT_DOUBLE_EQ(r4.end, 552.0 / 40.0); // the farther end of the x axis
}

TEST(FunctionGraphTest, TypeTwoPlotsXAsAFunctionOfY) {
    Graph g("2*y", kXofY, model::AngleUnit::Radian, {10.0, 20.0});
    const auto& s = g.samples();
    for (int i : {0, 100, 249}) {
        const auto k = static_cast<size_t>(i);
        EXPECT_DOUBLE_EQ(s.samples[k].x, 2.0 * s.samples2[k].x * 40.0 + 10.0);
        EXPECT_DOUBLE_EQ(s.samples[k].y, s.samples2[k].x * 40.0 + 20.0);
    }
}

TEST(FunctionGraphTest, PolarConstantInDegreesIsACircle) {
    Graph g("2", kRofW, model::AngleUnit::Degree, {5.0, 5.0});
    EXPECT_EQ(g.graph->x2, 360.0);
    const auto& s = g.samples();
    for (size_t k = 0; k < 250; ++k) {
        EXPECT_NEAR(std::hypot(s.samples[k].x - 5.0, s.samples[k].y - 5.0), 80.0, 1e-9) << k;
        EXPECT_NE(s.sampleColors[k], model::kInvalidSample);
    }
    EXPECT_NEAR(s.samples[0].x, 85.0, 1e-9);
    EXPECT_TRUE(functionGraphJoins(*g.graph, 10, model::AngleUnit::Degree));
}

TEST(FunctionGraphTest, FailedAndCutOffSamplesAreNeverDrawn) {
    Graph g("sqr(x)", kYofX);
    const auto& s = g.samples();
    EXPECT_EQ(s.samples[0].y, kFailedSampleY);
    EXPECT_DOUBLE_EQ(s.samples[0].x, -512.0); // the variable's world x is kept
    EXPECT_EQ(s.samples2[0].y, kFailedSampleY);
    EXPECT_EQ(s.sampleColors[0], model::kInvalidSample);
    EXPECT_NE(s.sampleColors[249], model::kInvalidSample);
    EXPECT_FALSE(functionGraphJoins(*g.graph, 0, model::AngleUnit::Radian));

    Graph polar("w-10000000", kRofW);
    EXPECT_EQ(polar.samples().samples[3].x, kPolarCutOff);
    EXPECT_EQ(polar.samples().sampleColors[3], model::kInvalidSample);
    // A world point that would overflow is a failed sample, not an infinity.
    Graph huge("exp(709)", kYofX);
    EXPECT_EQ(huge.samples().samples[7].y, kFailedSampleY);
}

// Pairs of neighbouring samples whose variables enclose a pole never join; smooth stretches do.
struct PoleCase {
    const char* text;
    double period; // poles at offset + k * period
    double offset;
};

class PoleTest : public ::testing::TestWithParam<PoleCase> {};

TEST_P(PoleTest, NotJoinedAcrossPoles) {
    const PoleCase& c = GetParam();
    Graph g(c.text, kYofX);
    const auto& s = g.samples();
    int poles = 0;
    int joined = 0;
    for (int i = 0; i + 1 < 250; ++i) {
        const double v0 = s.samples2[static_cast<size_t>(i)].x;
        const double v1 = s.samples2[static_cast<size_t>(i + 1)].x;
        const bool acrossPole =
            std::floor((v0 - c.offset) / c.period) != std::floor((v1 - c.offset) / c.period);
        const bool joins = functionGraphJoins(*g.graph, i, model::AngleUnit::Radian);
        if (acrossPole) {
            ++poles;
            EXPECT_FALSE(joins) << c.text << " between " << v0 << " and " << v1;
        }
        joined += joins;
    }
    EXPECT_GT(poles, 0);
    EXPECT_GT(joined, 200);
}

INSTANTIATE_TEST_SUITE_P(Poles, PoleTest,
                         ::testing::Values(PoleCase{"tan(x)", model::kPi, model::kPi / 2},
                                           PoleCase{"1/x", 1000.0, 0.0},
                                           PoleCase{"1/(x-1)^3", 1000.0, 1.0}));

TEST(FunctionGraphTest, PointOnTheGraphAndNearestParameter) {
    Graph g("x/2", kYofX);
    const auto p = functionGraphPointAt(*g.graph, 0.75, model::AngleUnit::Radian);
    ASSERT_TRUE(p);
    EXPECT_DOUBLE_EQ(p->x, 256.0); // variable 6.4
    EXPECT_DOUBLE_EQ(p->y, 128.0);
    EXPECT_NEAR(functionGraphParameterOf(*g.graph, {256.0, 130.0}, model::AngleUnit::Radian), 0.75,
                0.5 / 249);
    Graph root("sqr(x)", kYofX);
    EXPECT_FALSE(functionGraphPointAt(*root.graph, 0.0, model::AngleUnit::Radian));
    // The nearest sample is looked for among valid samples only.
    EXPECT_GE(functionGraphParameterOf(*root.graph, {-40.0, 0.0}, model::AngleUnit::Radian), 0.5);
}

TEST(FunctionGraphTest, FunctionWithoutValueOrBrokenPartsGivesNothing) {
    Elements els;
    auto* k = els.number(2.0);
    auto* f = els.expression("a*x", {k}, {}, kYofX);
    auto* graph = els.graph(f, els.axes());
    k->param1 = -100;
    sampleFunctionGraph(*graph, kView, model::AngleUnit::Radian);
    EXPECT_EQ(graph->exists, 1);
    for (int c : graph->samples().sampleColors)
        EXPECT_EQ(c, model::kInvalidSample);
    graph->parent2->axes().unitX = 0.0;
    sampleFunctionGraph(*graph, kView, model::AngleUnit::Radian);
    EXPECT_EQ(graph->exists, 0);
    graph->parent2 = nullptr;
    EXPECT_FALSE(functionGraphPointAt(*graph, 0.5, model::AngleUnit::Radian));
}

} // namespace
} // namespace zeva::expr
