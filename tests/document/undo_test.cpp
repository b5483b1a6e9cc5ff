// The one-step history: checkpoint, undo, and undo again as redo.

#include "document/undo.h"
#include "doc_test_util.h"
#include "model/dependencies.h"

#include <gtest/gtest.h>

namespace zeva::document {
namespace {

using model::Element;
using model::Kind;

// A user command: checkpoint, change, mark modified.
template <class F> void command(Document& d, F&& change) {
    checkpoint(d);
    change();
    d.modified = 1;
}

TEST(Undo, UndoingACreationRestoresTheConstructionAndModifiedThenRedoes) {
    Document d;
    command(d, [&] { testing::addPoint(d.construction, 1, 2); });
    ASSERT_EQ(d.construction.countOf(), 1);
    ASSERT_TRUE(undo(d));
    EXPECT_TRUE(d.construction.empty());
    EXPECT_EQ(d.modified, 0);
    EXPECT_EQ(d.undoAvailable, 1);
    ASSERT_TRUE(undo(d));
    ASSERT_EQ(d.construction.countOf(), 1);
    EXPECT_EQ(d.construction.elements->x1, 1);
    EXPECT_EQ(d.modified, 1);
}

TEST(Undo, AfterASaveUndoLeavesTheDocumentUnmodified) {
    Document d;
    command(d, [&] { testing::addPoint(d.construction, 0, 0); });
    d.modified = 0; // saved
    command(d, [&] { testing::addPoint(d.construction, 5, 0); });
    undo(d);
    EXPECT_EQ(d.modified, 0);
    EXPECT_EQ(d.construction.countOf(), 1);
}

TEST(Undo, DeleteAllIsUndoneWithTracesAnimationsAndLabels) {
    Document d;
    model::Construction& c = d.construction;
    Element* a = testing::addPoint(c, 0, 0);
    Element* b = testing::addPoint(c, 10, 0);
    Element* seg = testing::add(c, Kind::Segment, a, b);
    Element* name = testing::add(c, Kind::Name, a);
    a->label = name;
    seg->colorSource = b;
    c.traced = {seg};
    c.animations = {{a, 1, 0, 45}};
    a->selected = 1;

    command(d, [&] {
        c.clear(); // every element, with the trace and animation lists
    });
    ASSERT_TRUE(c.empty());
    undo(d);

    ASSERT_EQ(c.countOf(), 4);
    Element* a2 = c.elements;
    Element* b2 = a2->next;
    Element* seg2 = b2->next;
    Element* name2 = seg2->next;
    EXPECT_NE(a2, a); // the live elements are the snapshot's copies
    EXPECT_EQ(seg2->parent1, a2);
    EXPECT_EQ(seg2->parent2, b2);
    EXPECT_EQ(seg2->colorSource, b2);
    EXPECT_EQ(a2->label, name2);
    EXPECT_EQ(name2->parent1, a2);
    EXPECT_EQ(a2->selected, 1);
    EXPECT_EQ(c.traced, std::vector<Element*>{seg2});
    ASSERT_EQ(c.animations.size(), 1u);
    EXPECT_EQ(c.animations[0].element, a2);
    EXPECT_EQ(c.animations[0].backward, 0);
    EXPECT_EQ(c.animations[0].speed, 45);
    // The other side now holds the emptied construction with empty lists.
    EXPECT_TRUE(d.undoList.empty());
    EXPECT_TRUE(d.undoTracedElements().empty());
    EXPECT_TRUE(d.undoAnimatedElements().empty());
}

TEST(Undo, OnlyTheLastOfTwoChangesIsUndoneAndRedone) {
    Document d;
    command(d, [&] { testing::addPoint(d.construction, 1, 0); });
    command(d, [&] { testing::addPoint(d.construction, 2, 0); });
    undo(d);
    EXPECT_EQ(d.construction.countOf(), 1);
    undo(d);
    EXPECT_EQ(d.construction.countOf(), 2);
    undo(d);
    EXPECT_EQ(d.construction.countOf(), 1);
}

TEST(Undo, CheckpointOfAnEmptyConstructionReturnsToEmpty) {
    Document d;
    command(d, [&] {
        Element* p = testing::addPoint(d.construction, 1, 0);
        d.construction.traced = {p};
        d.construction.animations = {{p, 1, 1, 15}};
    });
    undo(d);
    EXPECT_TRUE(d.construction.empty());
    EXPECT_TRUE(d.tracedElements().empty());
    EXPECT_TRUE(d.animatedElements().empty());
}

TEST(Undo, ACheckpointWithoutChangeStillRestoresThatState) {
    Document d;
    command(d, [&] { testing::addPoint(d.construction, 1, 0); });
    checkpoint(d);                    // an edit dialog opened, then cancelled
    d.construction.elements->x1 = 99; // a drag without its own checkpoint
    undo(d);
    EXPECT_EQ(d.construction.elements->x1, 1);
}

TEST(Undo, SnapshotIsIndependentOfTheLiveConstruction) {
    Document d;
    Element* a = testing::addPoint(d.construction, 0, 0);
    Element* b = testing::addPoint(d.construction, 4, 0);
    testing::add(d.construction, Kind::Segment, a, b);
    checkpoint(d);
    for (Element* s : d.undoList) {
        for (Element* live : d.construction) {
            EXPECT_NE(s, live);
            EXPECT_NE(s->parent1, live);
            EXPECT_NE(s->parent2, live);
        }
    }
    d.construction.deleteElements(model::withDependents(d.construction, {&a, 1}));
    EXPECT_EQ(d.undoList.countOf(), 3);
    undo(d);
    EXPECT_EQ(d.construction.countOf(), 3);
}

} // namespace
} // namespace zeva::document
