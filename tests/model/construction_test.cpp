#include "tests/support/construction_builder.h"

#include "model/dependencies.h"

#include <gtest/gtest.h>

using namespace zeva::model;
using namespace zeva::testing;

namespace {

bool contains(const Construction& c, const Element* e) {
    for (Element* n : c)
        if (n == e) return true;
    return false;
}

}  // namespace

// ---- linking and deletion -------------------------------------------------------------------

TEST(ConstructionList, AppendLinksFirstAndLast) {
    Construction c;
    EXPECT_TRUE(c.empty());
    Element* a = addPoint(c);
    EXPECT_EQ(c.elements, a);
    EXPECT_EQ(c.lastElement, a);
    Element* b = addPoint(c);
    EXPECT_EQ(c.elements, a);
    EXPECT_EQ(a->next, b);
    EXPECT_EQ(c.lastElement, b);
    EXPECT_EQ(c.previousOf(b), a);
    EXPECT_EQ(c.previousOf(a), nullptr);
}

TEST(ConstructionList, DeletingLastAndOnlyElements) {
    Construction c;
    Element* a = addPoint(c);
    Element* b = addPoint(c);
    c.deleteElement(b);
    EXPECT_EQ(c.lastElement, a);
    EXPECT_EQ(a->next, nullptr);
    c.deleteElement(a);
    EXPECT_EQ(c.elements, nullptr);
    EXPECT_EQ(c.lastElement, nullptr);
}

TEST(ConstructionList, DeletingANameClearsTheLabelAndDeletingTheNamedElementTakesTheName) {
    Construction c;
    Element* a = addPoint(c);
    Element* n = addName(c, a, "A");
    c.deleteElement(n);
    EXPECT_EQ(a->label, nullptr);

    // Deleting several at once: references between them are released before any is freed,
    // so the named element may go first.
    Element* again = addName(c, a, "A");
    const std::vector<Element*> both{a, again};
    c.deleteElements(both);
    EXPECT_TRUE(c.empty());
}

TEST(ConstructionList, DependentsThroughPolygonSidesAndSubElements) {
    Construction c;
    Element* a = addPoint(c, 0, 0);
    Element* b = addPoint(c, 4, 0);
    Element* d = addPoint(c, 0, 4);
    Element* unrelated = addPoint(c, 9, 9);
    Element* poly = addPolygon(c, {a, b, d});
    Element* onSide = add(c, Kind::PointOnElement, poly->polygon().sides[1].get());
    Element* axes = addAxes(c, unrelated);
    Element* onAxis = add(c, Kind::PointOnElement, axes->axes().axisX.get());
    Element* coords = addCoordinates(c, onSide, axes);
    Element* xValue = add(c, Kind::Slope, coords->coordinates().xPart.get());

    // Sub-elements are represented by their owner; the element itself is not its dependent.
    EXPECT_EQ(dependentsOf(c, *d), (std::vector<Element*>{poly, onSide, coords, xValue}));
    EXPECT_EQ(dependentsOf(c, *unrelated), (std::vector<Element*>{axes, onAxis, coords, xValue}));
    // Starting from a sub-element.
    EXPECT_EQ(dependentsOf(c, *axes->axes().axisX), (std::vector<Element*>{onAxis}));
    EXPECT_TRUE(dependsOn(c, *poly->polygon().sides[2], *d));
    EXPECT_FALSE(dependsOn(c, *onAxis, *d));
    // Several sources at once: the listed sources themselves, then everything built on them.
    const std::vector<Element*> sources{b, unrelated};
    EXPECT_EQ(withDependents(c, sources),
              (std::vector<Element*>{b, unrelated, poly, onSide, axes, onAxis, coords, xValue}));
}

TEST(ConstructionList, TailReferencesCarryDependency) {
    Construction c;
    Element* a = addPoint(c);
    Element* b = addPoint(c);
    Element* dist = add(c, Kind::DistancePointPoint, a, b);
    Element* calc = add(c, Kind::Calculation);
    calc->expression().refs = {dist};
    Element* table = add(c, Kind::Table);
    table->table().rows = {calc};
    Element* button = add(c, Kind::HideShowButton);
    button->button().targets = {b};
    Element* conic = add(c, Kind::Conic);
    conic->conic().points = {a, a, a, a, b};

    EXPECT_EQ(dependentsOf(c, *a), (std::vector<Element*>{dist, calc, table, conic}));
    (void)button;
}

TEST(ConstructionList, ColourSourcePassFollowsChainsBackwards) {
    Construction c;
    Element* a = addPoint(c);
    Element* early = addPoint(c);           // coloured by `value`, which comes later
    Element* onEarly = add(c, Kind::Midpoint, early, early);
    Element* earlier2 = addPoint(c);         // coloured by onEarly
    earlier2->colorSource = onEarly;
    Element* value = add(c, Kind::DistancePointPoint, a, a);
    early->colorSource = value;

    // In construction order, although they were reached from the last one backwards.
    EXPECT_EQ(dependentsOf(c, *a), (std::vector<Element*>{early, onEarly, earlier2, value}));
    // The cheap stretch walk does not follow colour sources and stops where it is told.
    EXPECT_EQ(laterDependentsOf(*a, nullptr, nullptr), (std::vector<Element*>{value}));
    EXPECT_EQ(laterDependentsOf(*early, earlier2, nullptr), (std::vector<Element*>{onEarly}));
    EXPECT_EQ(laterDependentsOf(*early, nullptr, onEarly), (std::vector<Element*>{}));
}

// ---- serials --------------------------------------------------------------------------------

TEST(ConstructionSerials, SubElementsTakeTheNumbersAfterTheirOwner) {
    Construction c;
    Element* p = addPoint(c);
    Element* q = addPoint(c, 1, 0);
    Element* r = addPoint(c, 0, 1);
    // point 1; polygon 2 with sides 3, 4, 5; axes 6 with 7, 8; coordinates 9 with 10, 11
    Construction d;
    Element* pt = addPoint(d);
    Element* poly = addPolygon(d, {p, q, r});
    Element* axes = addAxes(d, pt);
    Element* coords = addCoordinates(d, pt, axes);
    d.renumber();
    EXPECT_EQ(pt->serial, 1);
    EXPECT_EQ(poly->serial, 2);
    EXPECT_EQ(poly->polygon().sides[0]->serial, 3);
    EXPECT_EQ(poly->polygon().sides[2]->serial, 5);
    EXPECT_EQ(axes->serial, 6);
    EXPECT_EQ(axes->axes().axisX->serial, 7);
    EXPECT_EQ(axes->axes().axisY->serial, 8);
    EXPECT_EQ(coords->serial, 9);
    EXPECT_EQ(coords->coordinates().xPart->serial, 10);
    EXPECT_EQ(coords->coordinates().yPart->serial, 11);
    EXPECT_EQ(d.countWithSubElements(), 11);
    EXPECT_EQ(d.countOf(), 4);
    EXPECT_EQ(d.findBySerial(8), axes->axes().axisY.get());
    EXPECT_EQ(d.findBySerial(12), nullptr);
    EXPECT_EQ(d.findBySerial(-1), nullptr);
    EXPECT_EQ(d.findBySerial(0), nullptr);
    EXPECT_EQ(coords->parent2Index, 6);
    EXPECT_EQ(coords->coordinates().xPart->parent2Index, 9);
}

TEST(ConstructionSerials, ResolveTurnsStoredSerialsIntoReferences) {
    Construction c;
    Element* a = addPoint(c);
    Element* b = addPoint(c);
    Element* poly = addPolygon(c, {a, b, a});
    Element* onSide = add(c, Kind::PointOnElement, poly->polygon().sides[0].get());
    Element* calc = add(c, Kind::Calculation);
    calc->expression().refs = {onSide, a};
    onSide->colorSource = calc;
    c.renumber();
    // forget every reference, then bring them back from the serials alone
    for (Element* e : c) {
        e->parent1 = e->parent2 = e->parent3 = e->colorSource = nullptr;
        forEachSubElement(*e, [](Element& s) { s.parent1 = s.parent2 = s.parent3 = nullptr; });
    }
    calc->expression().refs = {nullptr, nullptr};
    c.resolveSerials();
    EXPECT_EQ(onSide->parent1, poly->polygon().sides[0].get());
    EXPECT_EQ(onSide->colorSource, calc);
    EXPECT_EQ(poly->polygon().sides[2]->parent1, a);
    EXPECT_EQ(poly->polygon().sides[2]->parent3, poly);
    EXPECT_EQ(calc->expression().refs, (std::vector<Element*>{onSide, a}));
}

// ---- copying --------------------------------------------------------------------------------

TEST(ConstructionCopy, DeepCopyRelinksEverythingInsideTheCopy) {
    Construction c;
    Element* a = addPoint(c, 1, 2);
    Element* b = addPoint(c, 3, 4);
    Element* seg = add(c, Kind::Segment, a, b);
    Element* name = addName(c, seg, "s");
    Element* poly = addPolygon(c, {a, b, a});
    Element* axes = addAxes(c, a);
    Element* onAxis = add(c, Kind::PointOnElement, axes->axes().axisY.get());
    b->colorSource = seg;
    a->selected = 1;
    seg->selected = 1;
    a->font = std::make_unique<ElementFont>();
    a->font->name = "Courier";
    c.traced.push_back(seg);
    c.animations.push_back({a, 0, 1, 30});

    Construction copy = c.copyList(true);
    auto copies = listOf(copy);
    ASSERT_EQ(copies.size(), 7u);
    for (Element* e : copies) {
        EXPECT_EQ(e->selected, 0);
        EXPECT_FALSE(contains(c, e));
    }
    Element* ca = copies[0];
    Element* cb = copies[1];
    Element* cseg = copies[2];
    Element* cname = copies[3];
    Element* cpoly = copies[4];
    Element* caxes = copies[5];
    Element* conAxis = copies[6];
    EXPECT_EQ(ca->x1, 1);
    EXPECT_EQ(cseg->parent1, ca);
    EXPECT_EQ(cseg->parent2, cb);
    EXPECT_EQ(cseg->label, cname);
    EXPECT_EQ(cname->parent1, cseg);
    EXPECT_EQ(cname->name().text, "s");
    EXPECT_EQ(cb->colorSource, cseg);
    EXPECT_EQ(cpoly->polygon().sides[1]->parent1, cb);
    EXPECT_EQ(cpoly->polygon().sides[1]->parent3, cpoly);
    EXPECT_EQ(conAxis->parent1, caxes->axes().axisY.get());
    ASSERT_TRUE(ca->font);
    EXPECT_NE(ca->font.get(), a->font.get());
    EXPECT_EQ(ca->font->name, "Courier");
    ASSERT_EQ(copy.traced.size(), 1u);
    EXPECT_EQ(copy.traced[0], cseg);
    ASSERT_EQ(copy.animations.size(), 1u);
    EXPECT_EQ(copy.animations[0].element, ca);
    EXPECT_EQ(copy.animations[0].speed, 30);

    Construction bare = c.copyList(false);
    EXPECT_TRUE(bare.traced.empty());
    EXPECT_TRUE(bare.animations.empty());
    (void)name, (void)poly, (void)onAxis;
}

TEST(ConstructionCopy, AppendListMovesElementsToTheEnd) {
    Construction c;
    Element* a = addPoint(c);
    Construction other = c.copyList(false);
    Element* first = other.elements;
    c.appendList(std::move(other));
    EXPECT_EQ(a->next, first);
    EXPECT_EQ(c.lastElement, first);
    EXPECT_TRUE(other.empty());
}

// ---- closing a selection and ancestors ------------------------------------------------------

TEST(ConstructionClosure, ClosesOverElementsBuiltOnlyFromTheList) {
    Construction c;
    Element* a = addPoint(c);
    Element* b = addPoint(c);
    Element* seg = add(c, Kind::Segment, a, b);
    Element* m = add(c, Kind::Midpoint, a, b);
    Element* p = addPoint(c);
    Element* circle = add(c, Kind::CircleByCentreAndPoint, m, p);
    std::vector<Element*> list{a, b};
    c.closeSelection(list);
    EXPECT_EQ(list, (std::vector<Element*>{a, b, seg, m}));
    (void)circle;
}

TEST(ConstructionClosure, ElementsColouredFromOutsideAreDroppedWithTheirDependents) {
    Construction c;
    Element* a = addPoint(c);
    Element* b = addPoint(c);
    Element* outside = addPoint(c);
    Element* seg = add(c, Kind::Segment, a, b);
    seg->colorSource = outside;
    Element* len = add(c, Kind::SegmentLength, seg);
    Element* m = add(c, Kind::Midpoint, a, b);
    std::vector<Element*> list{a, b};
    c.closeSelection(list);
    EXPECT_EQ(list, (std::vector<Element*>{a, b, m}));
    (void)len;
}

TEST(ConstructionClosure, SideParentsStandForTheirPolygon) {
    Construction c;
    Element* a = addPoint(c);
    Element* b = addPoint(c);
    Element* d = addPoint(c);
    Element* poly = addPolygon(c, {a, b, d});
    Element* onSide = add(c, Kind::PointOnElement, poly->polygon().sides[0].get());
    std::vector<Element*> list{a, b, d};
    c.closeSelection(list);
    EXPECT_EQ(list, (std::vector<Element*>{a, b, d, poly, onSide}));
}

TEST(ConstructionAncestors, AncestorsMovableAncestorsAndAncestorsOutsideAList) {
    Construction c;
    Element* a = addPoint(c);
    Element* b = addPoint(c);
    Element* angle = addPoint(c);
    Element* num = add(c, Kind::DistancePointPoint, angle, angle);
    Element* rot = add(c, Kind::Rotation, a, b, num);
    Element* unrelated = addPoint(c);

    EXPECT_EQ(ancestorsOf(c, *rot), (std::vector<Element*>{a, b, angle, num}));
    EXPECT_EQ(movableAncestorsOf(c, *rot), (std::vector<Element*>{a, b}));
    const std::vector<Element*> kept{num};
    EXPECT_EQ(ancestorsOutside(c, *rot, kept), (std::vector<Element*>{a, b}));
    (void)unrelated;
    for (Element* e : c) EXPECT_EQ(e->serial, 0);  // serials are numbers, never marks
}

TEST(ConstructionAncestors, LongChainsDoNotExhaustTheStack) {
    Construction c;
    Element* prev = addPoint(c);
    Element* first = prev;
    for (int i = 0; i < 200000; ++i) prev = add(c, Kind::Midpoint, prev, prev);
    const auto ancestors = ancestorsOf(c, *prev);
    EXPECT_EQ(ancestors.size(), 200000u);
    EXPECT_EQ(ancestors.front(), first);
}

// ---- references, loci, axes, navigation, selection -------------------------------------------

TEST(ConstructionReferences, ReplaceReferencesReachesTails) {
    Construction c;
    Element* a = addPoint(c);
    Element* b = addPoint(c);
    Element* poly = addPolygon(c, {a, b, a});
    Element* calc = add(c, Kind::Calculation);
    calc->expression().refs = {a};
    Element* seg = add(c, Kind::Segment, a, b);
    seg->colorSource = a;
    for (Element* e : {poly, calc, seg}) replaceReferences(*e, a, b);
    EXPECT_EQ(poly->polygon().sides[0]->parent1, b);
    EXPECT_EQ(poly->polygon().sides[2]->parent2, b);
    EXPECT_EQ(calc->expression().refs[0], b);
    EXPECT_EQ(seg->parent1, b);
    EXPECT_EQ(seg->colorSource, b);
}

TEST(ConstructionLoci, DrivingPointOfNestedLoci) {
    Construction c;
    Element* circleCentre = addPoint(c);
    Element* circle = add(c, Kind::CircleByCentre, circleCentre);
    Element* driver = add(c, Kind::PointOnElement, circle);
    Element* traced = add(c, Kind::Midpoint, driver, circleCentre);
    Element* inner = add(c, Kind::Locus, traced, driver);
    Element* onInner = add(c, Kind::PointOnElement, inner);
    Element* traced2 = add(c, Kind::Midpoint, onInner, circleCentre);
    Element* outer = add(c, Kind::Locus, traced2, onInner);
    EXPECT_EQ(drivingPointOf(inner), driver);
    EXPECT_EQ(drivingPointOf(outer), driver);
    EXPECT_EQ(c.locusOfTraced(traced), inner);
    EXPECT_EQ(c.locusOfTraced(circle), nullptr);
}

TEST(ConstructionAxes, TheOnlyVisibleAxesWin) {
    Construction c;
    Element* o = addPoint(c);
    Element* hidden = addAxes(c, o);
    hidden->visible = 0;
    Element* shown = addAxes(c, o);
    auto found = c.findAxes();
    EXPECT_EQ(found.count, 2);
    EXPECT_EQ(found.axes, shown);

    shown->visible = 0;
    EXPECT_EQ(c.findAxes().axes, hidden);  // none visible: the first found

    Element* placeholder = addAxes(c, o);
    placeholder->visible = 100;
    EXPECT_EQ(c.findAxes().count, 2);
}

TEST(ConstructionNavigation, SkipsNamesMissingPlaceholdersAndHiddenElements) {
    Construction c;
    Element* a = addPoint(c);
    Element* name = addName(c, a, "A");
    Element* hidden = addPoint(c);
    hidden->visible = 0;
    Element* gone = addPoint(c);
    gone->exists = 0;
    Element* b = addPoint(c);
    EXPECT_EQ(c.countNavigable(false), 2);
    EXPECT_EQ(c.countNavigable(true), 3);
    EXPECT_EQ(c.firstNavigable(name, false), b);
    EXPECT_EQ(c.firstNavigable(name, true), hidden);
    EXPECT_EQ(c.lastNavigableBefore(b, false), a);
    EXPECT_EQ(c.nthNavigable(2, false), b);
    EXPECT_EQ(c.nthNavigable(9, false), c.lastElement);
}

TEST(ConstructionSelection, CountsAndListsTheSelection) {
    Construction c;
    Element* a = addPoint(c);
    Element* hiddenName = addName(c, a, "A");
    hiddenName->param1 = 0;
    Element* b = addPoint(c);
    Element* seg = add(c, Kind::Segment, a, b);
    Element* other = addPoint(c);
    c.selectExactly({a, hiddenName, other});
    EXPECT_EQ(c.selectedCount(), 2);
    EXPECT_EQ(c.firstSelected(), a);
    EXPECT_EQ(c.selectedList(), (std::vector<Element*>{a, hiddenName, other}));
    hiddenName->font.reset();
    EXPECT_FALSE(c.anySelectedShowsText());
    hiddenName->font = std::make_unique<ElementFont>();
    EXPECT_TRUE(c.anySelectedShowsText());
    c.setSelectionAll(1);
    EXPECT_EQ(b->selected, 1);
    EXPECT_EQ(seg->selected, 1);
}
