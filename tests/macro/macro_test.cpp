// Making and applying macros: what goes into the body, how it is built again on new elements,
// damaged bodies, macro files and the macro slots of a document.

#include "document/document_dump.h"
#include "document/document_file.h"
#include "document/document_load.h"
#include "document/document_set.h"
#include "document/undo.h"
#include "edit/factory.h"
#include "macro/apply_macro.h"
#include "macro/initial_list.h"
#include "macro/macro_slots.h"
#include "macro/make_macro.h"
#include "tests/support/construction_builder.h"
#include "tests/support/edits.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva::macro {
namespace {

using model::Element;
using model::Kind;
using zeva::testing::near;
using zeva::testing::sitsOn;

class Macros : public ::testing::Test {
  protected:
    document::Document doc;

    Element* point(double x, double y) {
        edit::CreationRequest r;
        r.x1 = x;
        r.y1 = y;
        return testing::create(doc, r);
    }
    Element* make(Kind kind, Element* p1, Element* p2 = nullptr, Element* p3 = nullptr,
                  int32_t param1 = -1) {
        edit::CreationRequest r;
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        r.parent3 = p3;
        r.param1 = param1;
        edit::CreationInputs in;
        if (kind == Kind::Intersection) in.activeTool = edit::kIntersectionTool;
        return testing::create(doc, r, in);
    }
    document::Macro record(std::vector<Element*> initial, std::vector<Element*> final,
                           const std::string& name = "m") {
        MadeMacro made = makeMacro(doc.construction, initial, final, name);
        EXPECT_EQ(made.problem, MakeProblem::None);
        return made.macro ? std::move(*made.macro) : document::Macro{};
    }
    Applied apply(const document::Macro& m, std::vector<Element*> picked, Point click = {},
                  bool hide = true) {
        edit::Edit e(doc, document::contextFor(doc), edit::UndoStep::Checkpoint);
        Applied out = applyMacro(e, m, picked, click, hide);
        e.commit();
        return out;
    }
    std::vector<Element*> elements() {
        std::vector<Element*> out;
        for (Element* e : doc.construction) out.push_back(e);
        return out;
    }
};

TEST_F(Macros, MidpointOfTwoPointsAppliedToTwoOthersMakesOneVisibleMidpoint) {
    Element* a = point(0, 0);
    Element* b = point(100, 40);
    Element* m = make(Kind::Midpoint, a, b);
    document::Macro macro = record({a, b}, {m}, "  Punto medio ");
    EXPECT_EQ(macro.name, "Punto medio");
    EXPECT_EQ(macro.initialClasses, (std::vector<int16_t>{0, 0}));
    ASSERT_EQ(macro.body.countOf(), 1);
    const Element& copy = *macro.body.elements;
    EXPECT_EQ(copy.serial, 2); // numbered after the two initial elements
    EXPECT_EQ(copy.parent1Index, 0);
    EXPECT_EQ(copy.parent2Index, 1);
    EXPECT_EQ(copy.parent1, nullptr); // a body holds serials, not references
    EXPECT_EQ(doc.construction.countOf(), 3); // recording changes nothing

    Element* c = point(-50, 10);
    Element* d = point(30, -70);
    for (bool hide : {true, false}) {
        const int before = doc.construction.countOf();
        Applied applied = apply(macro, {c, d}, {}, hide);
        ASSERT_EQ(applied.problem, ApplyProblem::None);
        ASSERT_EQ(applied.created.size(), 1u);
        Element* mid = applied.created[0];
        EXPECT_EQ(doc.construction.countOf(), before + 1);
        EXPECT_EQ(mid->kind, Kind::Midpoint);
        EXPECT_EQ(mid->parent1, c);
        EXPECT_EQ(mid->parent2, d);
        EXPECT_EQ(mid->visible, 1);
        EXPECT_TRUE(sitsOn(*mid, {-10, -30}));
    }
    EXPECT_EQ(doc.modified, 1);
}

TEST_F(Macros, CircumcircleKeepsItsIntermediatesHiddenUnlessAskedAndFollowsTheNewVertices) {
    Element* a = point(0, 0);
    Element* b = point(80, 0);
    Element* c = point(20, 60);
    Element* unrelated = point(500, 500);
    Element* ab = make(Kind::PerpendicularBisector, a, b);
    make(Kind::Segment, unrelated, a); // determined by nothing the macro needs
    Element* bc = make(Kind::PerpendicularBisector, b, c);
    Element* o = make(Kind::Intersection, ab, bc, nullptr, 0);
    Element* circle = make(Kind::CircleByCentreAndPoint, o, a);
    ASSERT_EQ(o->exists, 1);
    document::Macro macro = record({a, b, c}, {circle});
    ASSERT_EQ(macro.body.countOf(), 4); // two bisectors, their crossing, the circle
    int placeholders = 0;
    for (const Element* e : macro.body)
        placeholders += e->visible == model::kMacroPlaceholder;
    EXPECT_EQ(placeholders, 3);

    Element* p = point(-30, -10);
    Element* q = point(40, 25);
    Element* r = point(-5, 90);
    for (bool hide : {true, false}) {
        Applied applied = apply(macro, {p, q, r}, {}, hide);
        ASSERT_EQ(applied.problem, ApplyProblem::None);
        ASSERT_EQ(applied.created.size(), 4u);
        Element* made = applied.created.back();
        ASSERT_EQ(made->kind, Kind::CircleByCentreAndPoint);
        EXPECT_EQ(made->parent2, p);
        const Point centre = made->parent1->point();
        const double radius = std::hypot(made->x2 - made->x1, made->y2 - made->y1);
        for (Element* v : {p, q, r})
            EXPECT_NEAR(std::hypot(v->x1 - centre.x, v->y1 - centre.y), radius, 1e-7);
        for (size_t i = 0; i + 1 < applied.created.size(); ++i)
            EXPECT_EQ(applied.created[i]->visible, hide ? model::kMacroPlaceholder : 1);
        EXPECT_EQ(made->visible, 1);
    }
}

TEST_F(Macros, AnInitialSegmentBringsItsEndPoints) {
    Element* s1 = point(0, 0);
    Element* s2 = point(60, 0);
    Element* segment = make(Kind::Segment, s1, s2);
    Element* circle = make(Kind::CircleByCentreAndPoint, s1, s2); // built on the ends only
    EXPECT_EQ(extendInitialList(std::vector<Element*>{segment}),
              (std::vector<Element*>{segment, s1, s2}));
    EXPECT_TRUE(isDetermined(doc.construction, extendInitialList(std::vector<Element*>{segment}),
                             *circle));
    document::Macro macro = record({segment}, {circle});
    ASSERT_EQ(macro.body.countOf(), 1);
    EXPECT_EQ(macro.body.elements->parent1Index, 1); // the segment's first end
    EXPECT_EQ(macro.body.elements->serial, 3);

    Element* t1 = point(10, 10);
    Element* t2 = point(10, 50);
    Element* other = make(Kind::Segment, t1, t2);
    Applied applied = apply(macro, {other});
    ASSERT_EQ(applied.created.size(), 1u);
    EXPECT_EQ(applied.created[0]->parent1, t1);
    EXPECT_EQ(applied.created[0]->parent2, t2);
    EXPECT_TRUE(sitsOn(*applied.created[0], {10, 10}));

    // The same macro refuses an element of another class, and builds nothing.
    const int before = doc.construction.countOf();
    EXPECT_EQ(apply(macro, {t1}).problem, ApplyProblem::WrongInputs);
    EXPECT_EQ(doc.construction.countOf(), before);
}

TEST_F(Macros, RefusesFinalElementsTheInitialOnesDoNotDetermineAndNamesThatAreBlank) {
    Element* a = point(0, 0);
    Element* b = point(10, 0);
    Element* free = point(5, 5);
    Element* m = make(Kind::Midpoint, a, b);
    Element* other = make(Kind::Midpoint, a, free);
    EXPECT_EQ(makeMacro(doc.construction, std::vector<Element*>{a, b},
                        std::vector<Element*>{m, other}, "x")
                  .problem,
              MakeProblem::FinalNotDetermined);
    EXPECT_EQ(makeMacro(doc.construction, std::vector<Element*>{a, b},
                        std::vector<Element*>{a}, "x")
                  .problem,
              MakeProblem::FinalNotDetermined); // an initial element is not determined
    EXPECT_EQ(makeMacro(doc.construction, std::vector<Element*>{a, b},
                        std::vector<Element*>{m}, " \t ")
                  .problem,
              MakeProblem::NoName);
    EXPECT_EQ(makeMacro(doc.construction, {}, std::vector<Element*>{m}, "x").problem,
              MakeProblem::NoInitialElements);
}

TEST_F(Macros, AMeasurementLandsAtTheLastClick) {
    Element* a = point(0, 0);
    Element* b = point(30, 40);
    Element* distance = make(Kind::DistancePointPoint, a, b);
    document::Macro macro = record({a, b}, {distance});
    Element* c = point(1, 1);
    Element* d = point(4, 5);
    Applied applied = apply(macro, {c, d}, {-120.5, 77.25});
    ASSERT_EQ(applied.created.size(), 1u);
    Element* made = applied.created[0];
    EXPECT_TRUE(near(made->secondPoint(), {-120.5, 77.25}));
    EXPECT_NEAR(made->x1, 5.0 / document::contextFor(doc).units.pixelsPerUnit, 1e-12);
}

TEST_F(Macros, ADamagedBodyIsRefusedBeforeAnythingIsBuiltAndItsFileIsNotValid) {
    Element* a = point(0, 0);
    Element* b = point(10, 0);
    Element* m = make(Kind::Midpoint, a, b);
    Element* s = make(Kind::Segment, m, b);
    document::Macro macro = record({a, b}, {s});
    ASSERT_EQ(macro.body.countOf(), 2);
    macro.body.lastElement->parent1Index = 57; // names nothing
    const auto before = document::dumpJson(doc, document::FileType::Document, 300);
    EXPECT_EQ(apply(macro, {a, b}).problem, ApplyProblem::Damaged);
    macro.body.lastElement->parent1Index = 3; // itself: not before it
    EXPECT_EQ(apply(macro, {a, b}).problem, ApplyProblem::Damaged);
    EXPECT_EQ(document::dumpJson(doc, document::FileType::Document, 300), before);

    macro.body.lastElement->parent1Index = 57;
    testing::TempDir dir;
    const std::string path = dir.file("damaged.MAC");
    ASSERT_TRUE(document::writeMacroFile(macro, path));
    document::DocumentSet set;
    document::Document* target = set.newDocument();
    target->modified = 0;
    EXPECT_FALSE(set.loadMacroFile(*target, path));
    EXPECT_TRUE(target->macros.empty());
    EXPECT_EQ(target->modified, 0);
    EXPECT_EQ(set.open(path).status, document::OpenStatus::NotValid);
}

// A figure both documents build alike: a triangle, the circumcircle and the distance of two
// vertices; the macro is made in the first.
struct Figure {
    Element *a, *b, *c, *circle, *distance;
};

TEST_F(Macros, AMacroFileAppliedInANewDocumentBuildsWhatTheSourceBuilds) {
    auto build = [this]() {
        Figure f;
        f.a = point(0, 0);
        f.b = point(80, 0);
        f.c = point(20, 60);
        Element* ab = make(Kind::PerpendicularBisector, f.a, f.b);
        Element* bc = make(Kind::PerpendicularBisector, f.b, f.c);
        Element* o = make(Kind::Intersection, ab, bc, nullptr, 0);
        f.circle = make(Kind::CircleByCentreAndPoint, o, f.a);
        f.distance = make(Kind::DistancePointPoint, o, f.c);
        return f;
    };
    const Figure f = build();
    document::Macro macro = record({f.a, f.b, f.c}, {f.circle, f.distance}, "Circunferencia");
    macro.description = {"La circunferencia circunscrita", "y la distancia al centro"};
    testing::TempDir dir;
    const std::string path = dir.file("circumcircle.MAC");
    ASSERT_TRUE(document::writeMacroFile(macro, path));
    addMacro(doc, std::move(macro));
    Element* p = point(-30, -10);
    Element* q = point(40, 25);
    Element* r = point(-5, 90);
    ASSERT_EQ(apply(doc.macros[0], {p, q, r}, {12, 34}).created.size(), 5u);
    const std::string source = document::dumpJson(doc, document::FileType::Document, 300);

    document::Document source2 = std::move(doc);
    doc = document::Document{};
    build();
    auto read = document::readFile(path, document::ReadMode::MacroOnly);
    ASSERT_TRUE(std::holds_alternative<document::LoadedFile>(read));
    document::installMacroFile(doc, std::get<document::LoadedFile>(std::move(read)));
    ASSERT_EQ(doc.macros.size(), 1u);
    EXPECT_EQ(doc.macros[0].description, source2.macros[0].description);
    p = point(-30, -10);
    q = point(40, 25);
    r = point(-5, 90);
    ASSERT_EQ(apply(doc.macros[0], {p, q, r}, {12, 34}).created.size(), 5u);
    EXPECT_EQ(document::dumpJson(doc, document::FileType::Document, 300), source);
}

TEST_F(Macros, SlotsRenameDeleteCopyAndTheLimitOfAHundred) {
    Element* a = point(0, 0);
    Element* b = point(10, 0);
    Element* m = make(Kind::Midpoint, a, b);
    for (const char* name : {"uno", "dos", "tres"})
        EXPECT_GE(addMacro(doc, record({a, b}, {m}, name)), 0);

    doc.modified = 0;
    EXPECT_FALSE(renameMacro(doc, 1, "   "));
    EXPECT_FALSE(renameMacro(doc, 1, ""));
    EXPECT_EQ(doc.macros[1].name, "dos");
    EXPECT_EQ(doc.modified, 0);
    EXPECT_TRUE(renameMacro(doc, 1, " Dos bis "));
    EXPECT_EQ(doc.macros[1].name, "Dos bis");
    EXPECT_EQ(doc.modified, 1);

    describeMacro(doc, 0, {"  indented", std::string(1500, 'x')});
    EXPECT_EQ(doc.macros[0].description[0], "  indented");
    EXPECT_EQ(doc.macros[0].description[1].size(), kMaxMacroTextBytes);

    // A copy is independent of its source.
    document::Macro copy = copyMacro(doc.macros[0]);
    copy.body.elements->parent1Index = 1;
    EXPECT_EQ(doc.macros[0].body.elements->parent1Index, 0);
    EXPECT_EQ(copy.description, doc.macros[0].description);

    EXPECT_EQ(deleteMacro(doc, 2), 1); // the last: the new last is selected
    EXPECT_EQ(deleteMacro(doc, 0), 0); // the same position
    EXPECT_EQ(doc.macros[0].name, "Dos bis");
    EXPECT_EQ(deleteMacro(doc, 0), -1); // the only one: nothing is left to select
    EXPECT_TRUE(doc.macros.empty());
    EXPECT_EQ(deleteMacro(doc, 0), -1);

    for (int i = 0; i < document::kMaxMacros; ++i)
        ASSERT_EQ(addMacro(doc, copyMacro(copy)), i);
    EXPECT_EQ(addMacro(doc, copyMacro(copy)), -1);
    EXPECT_EQ(static_cast<int>(doc.macros.size()), document::kMaxMacros);
}

} // namespace
} // namespace zeva::macro
