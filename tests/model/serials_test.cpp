#include "model/serials.h"
#include "tests/support/construction_builder.h"

#include <gtest/gtest.h>

namespace zeva::testing {
namespace {

TEST(SerialIndex, ServesListsNumberedInOrderAndAnyOtherNumbering) {
    Construction c;
    Element* a = addPoint(c);
    Element* poly = addPolygon(c, {a, a, a});
    c.renumber();
    const model::SerialIndex inOrder(c);
    EXPECT_TRUE(inOrder.inOrder());
    EXPECT_EQ(inOrder.find(1), a);
    EXPECT_EQ(inOrder.find(4), poly->polygon().sides[1].get());
    EXPECT_EQ(inOrder.find(6), nullptr);
    EXPECT_EQ(inOrder.find(0), nullptr);

    // Numbers a file may carry: gaps, and a serial held twice (the first holder wins).
    a->serial = 7;
    poly->serial = 3;
    poly->polygon().sides[0]->serial = 7;
    const model::SerialIndex scattered(c);
    EXPECT_FALSE(scattered.inOrder());
    EXPECT_EQ(scattered.find(7), a);
    EXPECT_EQ(scattered.find(3), poly);
    int32_t stale = 9;
    EXPECT_EQ(scattered.resolve(stale), nullptr);
    EXPECT_EQ(stale, -1);
}

TEST(SerialIndex, ResolvingSaysWhetherTheConstructionIsWhole) {
    Construction c;
    Element* a = addPoint(c);
    Element* b = addPoint(c);
    Element* seg = add(c, Kind::Segment, a, b);
    Element* bitmap = add(c, Kind::Bitmap);
    Element* calc = add(c, Kind::Calculation);
    calc->expression().refs = {seg};
    Element* axes = addAxes(c, a);
    c.renumber();
    const model::SerialIndex index(c);
    for (Element* e : c) EXPECT_TRUE(model::resolveStoredSerials(index, *e)) << e->serial;
    EXPECT_EQ(bitmap->parent1, nullptr); // a bitmap's segment is optional
    EXPECT_EQ(axes->axes().axisY->parent2, axes);

    seg->parent2Index = 99; // names nothing
    EXPECT_FALSE(model::resolveStoredSerials(index, *seg));
    EXPECT_EQ(seg->parent2Index, -1);
    seg->parent2Index = seg->serial; // names the segment itself
    EXPECT_FALSE(model::resolveStoredSerials(index, *seg));
    calc->expression().refIndices = {calc->serial};
    EXPECT_FALSE(model::resolveStoredSerials(index, *calc));
    axes->axes().axisX->parent1Index = 42; // a sub-element without its origin
    EXPECT_FALSE(model::resolveStoredSerials(index, *axes));
}

} // namespace
} // namespace zeva::testing
