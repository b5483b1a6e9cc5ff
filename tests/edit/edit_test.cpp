// The one edit entry point: undo snapshots, the modified flag, what is recomputed, deletion
// with dependents, and a drag's gathered list against a full recompute.

#include "edit/edit.h"

#include "document/document_dump.h"
#include "document/undo.h"
#include "edit/delete.h"
#include "edit/factory.h"
#include "geometry/intersections.h"
#include "model/dependencies.h"
#include "tests/support/construction_builder.h"
#include "tests/support/edits.h"

#include <gtest/gtest.h>

namespace zeva::edit {
namespace {

using model::Element;
using model::Kind;

Element* point(Edit& e, double x, double y) {
    CreationRequest r;
    r.x1 = x;
    r.y1 = y;
    return createElement(e, r);
}

Element* make(Edit& e, Kind kind, Element* p1, Element* p2 = nullptr, Element* p3 = nullptr,
              CreationInputs in = {}) {
    CreationRequest r;
    r.kind = kind;
    r.parent1 = p1;
    r.parent2 = p2;
    r.parent3 = p3;
    return createElement(e, r, in);
}

TEST(Edit, OneSnapshotPerUserActionAndModifiedAtCommit) {
    document::Document d;
    const geometry::RecomputeContext ctx = document::contextFor(d);
    Element* a = testing::inEdit(d, [](Edit& e) { return point(e, 0, 0); });
    EXPECT_EQ(d.undoAvailable, 0); // Continue takes no snapshot
    d.modified = 0;                // as after a save

    Element* segment = nullptr;
    {
        Edit e(d, ctx, UndoStep::Checkpoint);
        EXPECT_EQ(d.undoAvailable, 1); // taken before anything changed
        EXPECT_EQ(d.undoList.countOf(), 1);
        Element* b = point(e, 30, 40);
        segment = make(e, Kind::Segment, a, b);
        EXPECT_EQ(d.modified, 0); // nothing is marked or recomputed before the commit
        EXPECT_EQ(segment->secondPoint(), (Point{0, 0}));
        EXPECT_EQ(e.commit(), Redraw::Redraw);
        EXPECT_EQ(e.commit(), Redraw::None); // a committed edit is finished
    }
    EXPECT_EQ(d.modified, 1);
    EXPECT_EQ(segment->secondPoint(), (Point{30, 40}));

    // The second step of the same user action: no new snapshot.
    const Element* snapshot = d.undoList.elements;
    {
        Edit e(d, ctx, UndoStep::Continue);
        point(e, 1, 1);
    } // committed when it goes out of scope
    EXPECT_EQ(d.undoList.elements, snapshot);
    EXPECT_EQ(d.undoList.countOf(), 1);
    EXPECT_EQ(d.construction.countOf(), 4);

    // An edit that reports nothing changes nothing.
    d.modified = 0;
    {
        Edit e(d, ctx, UndoStep::Continue);
        EXPECT_EQ(e.commit(), Redraw::None);
    }
    EXPECT_EQ(d.modified, 0);

    // One undo takes back everything since the snapshot, and the modified flag with it.
    d.modified = 1;
    ASSERT_TRUE(document::undo(d));
    EXPECT_EQ(d.construction.countOf(), 1);
    EXPECT_EQ(d.modified, 0);
}

TEST(Edit, DeletingAFreePointTakesEverythingBuiltOnItInOneStep) {
    document::Document d;
    model::Construction& c = d.construction;
    Element* a = testing::addPoint(c, 0, 0);
    Element* b = testing::addPoint(c, 1, 0);
    Element* other = testing::addPoint(c, 5, 5);
    // An element coloured by the segment comes BEFORE its colour source in the list.
    Element* coloured = testing::addPoint(c, 9, 9);
    Element* seg = testing::add(c, Kind::Segment, a, b);
    coloured->colorSource = seg;
    Element* mid = testing::add(c, Kind::Midpoint, a, b);
    testing::addName(c, mid, "M");
    testing::add(c, Kind::SegmentLength, seg);
    Element* keep = testing::add(c, Kind::Segment, b, other);
    c.traced.push_back(mid);
    c.animations.push_back({a, 1, 1, 15});
    c.animations.push_back({other, 1, 1, 15});

    Edit e(d, document::contextFor(d), UndoStep::Checkpoint);
    deleteWithDependents(e, *a);
    EXPECT_EQ(e.commit(), Redraw::Redraw);

    EXPECT_EQ(testing::listOf(c), (std::vector<Element*>{b, other, keep}));
    EXPECT_EQ(c.lastElement, keep);
    EXPECT_TRUE(c.traced.empty());
    ASSERT_EQ(c.animations.size(), 1u);
    EXPECT_EQ(c.animations[0].element, other);
    EXPECT_EQ(d.modified, 1);
    ASSERT_TRUE(document::undo(d));
    EXPECT_EQ(c.countOf(), 9);
    EXPECT_EQ(c.traced.size(), 1u);
}

TEST(Edit, DeletingTheSelectionAndEverything) {
    document::Document d;
    model::Construction& c = d.construction;
    Element* a = testing::addPoint(c);
    Element* b = testing::addPoint(c);
    Element* seg = testing::add(c, Kind::Segment, a, b);
    Element* other = testing::addPoint(c);
    Element* onSeg = testing::add(c, Kind::PointOnElement, seg);
    testing::addName(c, b, "B");
    c.selectExactly({a, other});

    testing::inEdit(d, [](Edit& e) { deleteSelected(e); });
    EXPECT_EQ(testing::listOf(c), (std::vector<Element*>{b, b->label}));
    (void)onSeg;

    d.modified = 0;
    EXPECT_EQ(testing::inEdit(d, [](Edit& e) { deleteSelected(e); return e.commit(); }),
              Redraw::None); // nothing selected: nothing happens
    EXPECT_EQ(d.modified, 0);

    testing::inEdit(d, [](Edit& e) { deleteAll(e); });
    EXPECT_TRUE(c.empty());
    EXPECT_EQ(d.modified, 1);
}

// A figure of most families of kinds, all depending on one free point in different ways: a
// parametric colour on an element made before the point, sides, axes and coordinate parts,
// a locus driven by a point on a circle, intersections, a calculation and a name.
Element* buildFigure(document::Document& d) {
    return testing::inEdit(d, [&](Edit& e) {
        Element* early = point(e, -50, 20); // coloured later by a value built on p
        Element* p = point(e, 10, 10);
        Element* q = point(e, 80, 0);
        Element* r = point(e, 30, 70);
        Element* s = point(e, -40, -60);
        make(e, Kind::Segment, s, r); // not built on p
        Element* pq = make(e, Kind::Segment, p, q);
        Element* m = make(e, Kind::Midpoint, p, q);
        Element* line = make(e, Kind::LineThroughTwoPoints, p, r);
        make(e, Kind::PerpendicularLine, line, m);
        Element* circle = make(e, Kind::CircleByCentreAndPoint, m, r);
        CreationInputs crossing;
        crossing.activeTool = kIntersectionTool;
        make(e, Kind::Intersection, line, circle, nullptr, crossing);
        CreationInputs triangle;
        triangle.picked = {p, q, r};
        Element* poly = make(e, Kind::Polygon, nullptr, nullptr, nullptr, triangle);
        Element* onSide = make(e, Kind::PointOnElement, poly->polygon().sides[0].get());
        onSide->y2 = 0.25;
        Element* driver = make(e, Kind::PointOnElement, circle);
        Element* traced = make(e, Kind::Midpoint, driver, s);
        make(e, Kind::Locus, traced, driver);
        Element* distance = make(e, Kind::DistancePointPoint, p, q);
        early->colorSource = distance;
        early->colorMode = 3;
        const auto compiled = expr::compileCalculatorInput({"a*2+1", {distance}, {}, 0});
        make(e, Kind::Calculation, nullptr, nullptr, nullptr, inputsFor(*compiled, Kind::Calculation));
        CreationInputs named;
        named.nameText = "M";
        make(e, Kind::Name, m, nullptr, nullptr, named);
        Element* axes = findOrCreateAxes(e).axes;
        make(e, Kind::Coordinates, onSide, axes);
        make(e, Kind::SegmentLength, pq);
        return p;
    });
}

TEST(Edit, ADragsGatheredListGivesWhatAFullRecomputeGives) {
    document::Document dragged;
    document::Document full;
    Element* p = buildFigure(dragged);
    Element* q = buildFigure(full);
    ASSERT_EQ(document::dumpJson(dragged, document::FileType::Document, 300),
              document::dumpJson(full, document::FileType::Document, 300));

    // Gathered once, as the drag starts: the point itself and everything built on it.
    const std::vector<Element*> list = model::withDependents(dragged.construction, {&p, 1});
    EXPECT_EQ(list.front(), dragged.construction.elements); // the early coloured point
    EXPECT_EQ(list[1], p);
    const geometry::RecomputeContext ctx = document::contextFor(dragged);
    for (Point to : {Point{12, 9}, Point{40, -30}, Point{-100, 5}, Point{79, 1}}) {
        p->x1 = q->x1 = to.x;
        p->y1 = q->y1 = to.y;
        Edit step(dragged, ctx, UndoStep::Continue);
        step.changedGathered(list);
        EXPECT_EQ(step.commit(), Redraw::Redraw);
        geometry::recomputeAll(full.construction, document::contextFor(full));
        ASSERT_EQ(document::dumpJson(dragged, document::FileType::Document, 300),
                  document::dumpJson(full, document::FileType::Document, 300))
            << "after the move to " << to.x << ", " << to.y;
    }
}

} // namespace
} // namespace zeva::edit
