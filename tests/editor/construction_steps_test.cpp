// A construction read as steps: what the step-by-step playback shows and keeps, the lines of
// the construction list, and the animation tool's pick and the clock's step as the editor runs
// them.

#include "tests/support/edits.h"
#include "document/undo.h"
#include "edit/factory.h"
#include "geometry/recompute.h"
#include "tests/editor/fake_host.h"
#include "ui/animation_control.h"
#include "ui/construction_steps.h"
#include "ui/step_playback.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zeva::ui::testing {
namespace {

using model::Element;
using model::Kind;

struct Figure : EditorFixture {
    edit::CreationRequest r;

    Element* make(Kind kind, Element* p1 = nullptr, Element* p2 = nullptr,
                  const edit::CreationInputs& in = {}) {
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        Element* e = zeva::testing::create(doc(), r, in);
        geometry::recomputeElement(*e, document::contextFor(doc()));
        return e;
    }
    Element* point(double x, double y, bool shown = true) {
        r.x1 = x;
        r.y1 = y;
        Element* p = make(Kind::FreePoint);
        p->visible = shown ? 1 : 0;
        return p;
    }
    Element* name(Element* named, const char* text) {
        edit::CreationInputs in;
        in.nameText = text;
        in.lastClick = named->point();
        return make(Kind::Name, named, nullptr, in);
    }
    Element* text(std::vector<std::string> lines) {
        edit::CreationInputs in;
        in.textLines = std::move(lines);
        return make(Kind::Text, nullptr, nullptr, in);
    }
    std::vector<std::string> lines() {
        std::vector<std::string> out;
        for (const StepItem& item : constructionList(doc().construction, false, settings::texts()))
            out.push_back(std::to_string(item.number) + ". " + item.firstText + " | " +
                          item.secondText);
        return out;
    }
};

TEST(ConstructionList, NumbersCountHiddenStepsAndNamesShowWhatEachWasBuiltFrom) {
    Figure f;
    Element* a = f.point(0, 0);
    f.name(a, "A");
    f.point(10, 0, false); // hidden: numbered 2, not listed
    Element* c = f.point(20, 0);
    f.make(Kind::Segment, a, c);
    Element* d = f.point(0, 30);
    Element* e = f.point(40, 30);
    f.make(Kind::Segment, d, e); // two unnamed ends
    f.text({"Primera línea", "segunda", "tercera"});
    f.text({"Sola"});
    edit::CreationInputs triangle;
    triangle.picked = {a, c, d};
    f.make(Kind::Polygon, nullptr, nullptr, triangle);

    const std::vector<std::string> expected = {
        "1. Punto Libre A | ",         "3. Punto Libre | ", "4. Segmento | A,_",
        "5. Punto Libre | ",           "6. Punto Libre | ", "7. Segmento | _,_",
        "8. Texto | Primera línea...", "9. Texto | Sola",   "10. Polígono | A,_,_",
    };
    EXPECT_EQ(f.lines(), expected);

    // With hidden elements the hidden point is listed under its own number.
    const auto all = constructionList(f.doc().construction, true, settings::texts());
    ASSERT_EQ(all.size(), 10u);
    EXPECT_EQ(all[1].number, 2);
    EXPECT_TRUE(all[1].hidden);

    // Copied as text: number, ". ", first text, and ": " with the second when there is one.
    const auto listed = constructionList(f.doc().construction, false, settings::texts());
    const std::string copied = constructionListText(listed);
    EXPECT_EQ(copied.substr(0, 42), "1. Punto Libre A\n3. Punto Libre\n4. Segment");
    EXPECT_NE(copied.find("7. Segmento: _,_\n"), std::string::npos);
}

TEST(StepPlayback, OnlyHiddenElementsLeaveNothingToShowUnlessHiddenOnesAreSeen) {
    Figure f;
    f.point(0, 0, false);
    f.point(5, 5, false);
    StepPlayback playback(f.session());
    EXPECT_FALSE(playback.begin());
    ASSERT_EQ(f.host.notices.size(), 1u);
    EXPECT_EQ(f.host.notices[0].first, MessageIcon::Information);
    EXPECT_EQ(f.host.notices[0].second, "No hay elementos visibles");

    f.session().showHidden = true;
    EXPECT_TRUE(playback.begin());
    EXPECT_EQ(playback.count(), 2);
    EXPECT_EQ(f.host.notices.size(), 1u);
}

TEST(StepPlayback, KeepingStepThreeOfFiveDeletesEverythingAfterItAndUndoBringsItBack) {
    Figure f;
    Element* a = f.point(0, 0);
    Element* b = f.point(100, 0);
    Element* ab = f.make(Kind::Segment, a, b);
    Element* hiddenAfter = f.point(50, 50, false);
    Element* c = f.point(0, 100);
    f.name(a, "A"); // a label made after the third step
    f.make(Kind::Segment, b, c);
    f.doc().modified = 0;

    StepPlayback playback(f.session());
    ASSERT_TRUE(playback.begin());
    ASSERT_EQ(playback.count(), 5);
    EXPECT_EQ(playback.caption(), "  primer elemento");
    EXPECT_EQ(f.session().tool.pendingInputs, std::vector<Element*>{a}) << "the step blinks";
    EXPECT_TRUE(f.host.timerRunning(TimerId::Blink));
    playback.last();
    EXPECT_EQ(playback.caption(), "  último elemento");
    playback.goTo(2);
    EXPECT_EQ(playback.caption(), " ");
    EXPECT_EQ(playback.currentStep(), ab);
    EXPECT_EQ(playback.stepText(), "Segmento");

    playback.keepHere();
    playback.end();
    EXPECT_FALSE(f.host.timerRunning(TimerId::Blink));
    EXPECT_TRUE(f.session().tool.pendingInputs.empty());
    EXPECT_EQ(f.doc().construction.countOf(), 3);
    EXPECT_EQ(f.doc().construction.lastElement, ab);
    EXPECT_EQ(a->label, nullptr) << "its label came later and went";
    EXPECT_EQ(f.doc().modified, 1);
    (void)hiddenAfter;

    ASSERT_TRUE(document::undo(f.doc()));
    EXPECT_EQ(f.doc().construction.countOf(), 7);
    EXPECT_EQ(f.doc().modified, 0);
    ASSERT_NE(f.doc().construction.elements->label, nullptr);
    EXPECT_EQ(nameOf(f.doc().construction.elements), "A");
}

TEST(StepPlayback, TheFigureIsDrawnUpToTheChosenStep) {
    Figure f;
    Element* a = f.point(-100, 0);
    f.point(0, 0);
    f.point(100, 0);
    StepPlayback playback(f.session());
    ASSERT_TRUE(playback.begin());
    auto& canvas = f.host.fakeView.base;
    // Whether anything was drawn near the pixel column of a point (the origin is at 512).
    const auto drawnNear = [&](int x) {
        for (const auto& call : canvas.calls)
            if (call.op != "patBlt" && !call.args.empty() && std::abs(call.args[0] - x) <= 6)
                return true;
        return false;
    };
    canvas.clear();
    playback.goTo(0);
    EXPECT_TRUE(drawnNear(412));
    EXPECT_FALSE(drawnNear(512));
    canvas.clear();
    playback.goTo(1);
    EXPECT_TRUE(drawnNear(412));
    EXPECT_TRUE(drawnNear(512));
    EXPECT_FALSE(drawnNear(612));
    EXPECT_EQ(f.session().tool.pendingInputs.front(), a->next);
}

TEST(AnimationTool, APickJoinsTheListAndTheClockStepMovesAndRedraws) {
    Figure f;
    Element* a = f.point(0, 0);
    Element* b = f.point(100, 0);
    Element* ab = f.make(Kind::Segment, a, b);
    f.r.y2 = 0.5;
    Element* p = f.make(Kind::PointOnElement, ab);
    f.name(p, "P");
    f.doc().modified = 0;

    animationToolStep(f.session(), *p);
    ASSERT_EQ(f.doc().animatedElements().size(), 1u);
    EXPECT_EQ(f.host.handedOver, std::vector<Element*>{p});
    EXPECT_EQ(f.doc().modified, 1);
    EXPECT_EQ(animationEntryText(f.doc().animatedElements()[0], settings::texts()), "punto P");

    const int redraws = f.host.fakeView.redraws;
    const int repaints = f.host.repaints;
    EXPECT_TRUE(animationTick(f.session()));
    EXPECT_NEAR(p->y2, 0.5 - 2.25 / 100, 1e-12); // speed 15, backward
    EXPECT_NEAR(p->x1, 47.75, 1e-9);
    EXPECT_EQ(f.host.fakeView.redraws, redraws + 1);
    EXPECT_EQ(f.host.repaints, repaints + 1);

    // Opening the window takes a snapshot, then drops what can no longer move.
    p->kind = Kind::FreePoint;
    openAnimation(f.session());
    EXPECT_TRUE(f.doc().animatedElements().empty());
    ASSERT_TRUE(document::undo(f.doc()));
    EXPECT_EQ(f.doc().animatedElements().size(), 1u);
}

} // namespace
} // namespace zeva::ui::testing
