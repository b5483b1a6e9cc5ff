// Redefining a point: attaching it to an element, freeing it, merging it into another point.

#include "edit/attach.h"

#include "document/document_dump.h"
#include "edit/factory.h"
#include "geometry/primitives.h"
#include "tests/support/construction_builder.h"
#include "tests/support/edits.h"

#include <gtest/gtest.h>

namespace zeva::edit {
namespace {

using model::Element;
using model::Kind;

bool near(Point a, Point b) { return geometry::dist(a, b) < 1e-9; }

struct Figure {
    document::Document d;
    model::Construction& c = d.construction;

    Element* make(Kind kind, Element* p1 = nullptr, Element* p2 = nullptr,
                  CreationInputs in = {}) {
        CreationRequest r;
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        return testing::create(d, r, in);
    }
    Element* point(double x, double y) {
        CreationRequest r;
        r.x1 = x;
        r.y1 = y;
        return testing::create(d, r);
    }
    Element* name(Element* named, const char* text) {
        CreationInputs in;
        in.nameText = text;
        return make(Kind::Name, named, nullptr, in);
    }
    bool attach(Element& p, Element& host, Point at) {
        return testing::inEdit(d, [&](Edit& e) { return attachPoint(e, p, host, at); });
    }
    bool merge(Element& p, Element& target) {
        return testing::inEdit(d, [&](Edit& e) { return mergePoint(e, p, target); });
    }
};

TEST(Attach, AttachingAPointKeepsParentsFirst) {
    Figure f;
    Element* p = f.point(3, 7);
    Element* dependent = f.make(Kind::Midpoint, p, f.point(0, 0));
    Element* a = f.point(0, 0);
    Element* c = f.point(10, 0);
    Element* segment = f.make(Kind::Segment, a, c);
    f.d.modified = 0;
    ASSERT_TRUE(f.attach(*p, *segment, {3, 7}));
    EXPECT_EQ(f.d.modified, 1);
    EXPECT_EQ(p->kind, Kind::PointOnElement);
    EXPECT_EQ(p->parent1, segment);
    EXPECT_DOUBLE_EQ(p->y2, 0.3);
    EXPECT_TRUE(near(p->point(), {3, 0}));
    EXPECT_TRUE(near(dependent->point(), {1.5, 0}));
    // The point and its dependent now follow the segment in the list.
    EXPECT_EQ(segment->next, p);
    EXPECT_EQ(p->next, dependent);
    EXPECT_EQ(f.c.lastElement, dependent);
}

TEST(Attach, OntoALineBuiltFromThePointIsRefusedAndChangesNothing) {
    Figure f;
    Element* q = f.point(50, 50);
    Element* a = f.point(0, 0);
    Element* built = f.make(Kind::LineThroughTwoPoints, q, a);
    Element* onBuilt = f.make(Kind::PointOnElement, built);
    f.d.modified = 0;
    const std::string before = document::dumpJson(f.d, document::FileType::Document, 300);
    const Redraw redraw = testing::inEdit(f.d, [&](Edit& e) {
        EXPECT_FALSE(attachPoint(e, *q, *built, {50, 50}));
        EXPECT_FALSE(attachPoint(e, *q, *onBuilt, {50, 50})); // a point is no host either
        EXPECT_FALSE(mergePoint(e, *q, *onBuilt));            // nor can it merge into one
        return e.commit();
    });
    EXPECT_EQ(redraw, Redraw::None);
    EXPECT_EQ(f.d.modified, 0);
    EXPECT_EQ(document::dumpJson(f.d, document::FileType::Document, 300), before);
}

TEST(Attach, AttachingToPolygonsAndGrids) {
    Figure f;
    CreationInputs triangle;
    triangle.picked = {f.point(0, 0), f.point(100, 0), f.point(0, 100)};
    Element* poly = f.make(Kind::Polygon, nullptr, nullptr, triangle);
    Element* axes = f.make(Kind::Axes, f.point(0, 0));
    Element* grid = f.make(Kind::Grid, axes);
    Element* p = f.point(50, 52);
    Element* q = f.point(41, 79);
    ASSERT_TRUE(f.attach(*p, *poly, {50, 52}));
    EXPECT_EQ(p->param1, 1);
    EXPECT_GT(p->y2, 1.0);
    ASSERT_TRUE(f.attach(*q, *grid, {41, 79}));
    EXPECT_EQ(q->kind, Kind::GridPoint);
    EXPECT_EQ(q->secondPoint(), (Point{1, 2}));
    EXPECT_EQ(q->point(), (Point{40, 80}));
}

TEST(Attach, DetachingMakesAFreePointThatItsDependentsFollow) {
    Figure f;
    Element* segment = f.make(Kind::Segment, f.point(0, 0), f.point(10, 0));
    Element* p = f.make(Kind::PointOnElement, segment);
    Element* mid = f.make(Kind::Midpoint, p, f.point(0, 20));
    testing::inEdit(f.d, [&](Edit& e) { detachPoint(e, *p, {6, 8}); });
    EXPECT_EQ(p->kind, Kind::FreePoint);
    EXPECT_EQ(p->parent1, nullptr);
    EXPECT_EQ(p->point(), (Point{6, 8}));
    EXPECT_EQ(mid->point(), (Point{3, 14}));
}

TEST(Attach, MergingAPointMovesItsDependentsBehindTheTargetAndPassesItsName) {
    Figure f;
    Element* p = f.point(1, 1);
    Element* b = f.point(5, 1);
    Element* seg = f.make(Kind::Segment, p, b);
    Element* nameP = f.name(p, "P");
    Element* h = f.point(9, 9); // the target comes after what is built on p
    Element* mid = f.make(Kind::Midpoint, p, h);
    f.c.traced.push_back(p);
    ASSERT_TRUE(f.merge(*p, *h));
    EXPECT_EQ(testing::listOf(f.c), (std::vector<Element*>{b, h, seg, nameP, mid}));
    EXPECT_EQ(seg->parent1, h);
    EXPECT_EQ(mid->parent1, h);
    EXPECT_EQ(h->label, nameP);
    EXPECT_EQ(nameP->parent1, h);
    EXPECT_TRUE(f.c.traced.empty());
    EXPECT_EQ(seg->point(), (Point{9, 9})); // recomputed at the commit

    // A target with a name of its own keeps it; the point's name goes with the point.
    Element* nameB = f.name(b, "B");
    Element* r = f.point(2, 2);
    f.name(r, "R");
    Element* onR = f.make(Kind::Midpoint, r, h);
    ASSERT_TRUE(f.merge(*r, *b));
    EXPECT_EQ(testing::listOf(f.c), (std::vector<Element*>{b, h, seg, nameP, mid, nameB, onR}));
    EXPECT_EQ(onR->parent1, b);
    EXPECT_EQ(b->label, nameB);
    EXPECT_EQ(nameB->parent1, b);
}

} // namespace
} // namespace zeva::edit
