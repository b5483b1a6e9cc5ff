// Copy and paste of part of a figure: what travels, where it lands, what it shows, one undo
// step, and bytes that are not a figure.

#include "edit/clipboard.h"

#include "document/document_set.h"
#include "document/undo.h"
#include "edit/delete.h"
#include "edit/factory.h"
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

Element* make(Edit& e, Kind kind, Element* p1, Element* p2 = nullptr) {
    CreationRequest r;
    r.kind = kind;
    r.parent1 = p1;
    r.parent2 = p2;
    r.x2 = 300;
    r.y2 = 200;
    return createElement(e, r);
}

// A circle about c through p, the distance c-p shown as a number, and an unrelated point.
struct Figure {
    document::Document d;
    Element* centre = nullptr;
    Element* through = nullptr;
    Element* circle = nullptr;
    Element* distance = nullptr;
    Element* other = nullptr;

    Figure() {
        d.viewLeft = -400;
        d.viewTop = 300;
        testing::inEdit(d, [this](Edit& e) {
            centre = point(e, 10, 10);
            through = point(e, 50, 40);
            circle = make(e, Kind::CircleByCentreAndPoint, centre, through);
            distance = make(e, Kind::DistancePointPoint, centre, through);
            other = point(e, -100, -100);
        });
    }
};

bool paste(document::Document& d, const std::vector<uint8_t>& bytes) {
    Edit e(d, document::contextFor(d), UndoStep::Checkpoint);
    return pasteFigure(e, bytes);
}

// The pasted copy of the figure: the last `n` elements.
std::vector<Element*> lastElements(document::Document& d, size_t n) {
    std::vector<Element*> all;
    for (Element* e : d.construction)
        all.push_back(e);
    return {all.end() - static_cast<long>(n), all.end()};
}

TEST(Clipboard, PastesIntoTheSourceStepBy20AndTheUnselectedCentreComesHidden) {
    Figure f;
    f.circle->selected = 1;
    f.through->selected = 1;
    f.distance->selected = 1;
    document::DocumentSet set;
    const auto bytes = copySelection(f.d);
    ASSERT_TRUE(bytes);
    set.startPasteCounts(f.d); // as a copy in the window does: 1 in the source
    f.d.pasteCount = 1;
    EXPECT_EQ(f.d.construction.countOf(), 5); // copying changes nothing

    for (int k = 1; k <= 2; ++k) {
        f.d.modified = 0;
        ASSERT_TRUE(paste(f.d, *bytes));
        EXPECT_EQ(f.d.modified, 1);
        ASSERT_EQ(f.d.construction.countOf(), 5 + 4 * k);
        const auto pasted = lastElements(f.d, 4); // centre, through, circle, distance
        const double shift = 20.0 * k;
        EXPECT_EQ(pasted[0]->kind, Kind::FreePoint);
        EXPECT_EQ(pasted[0]->visible, 0) << "the centre was not selected";
        EXPECT_EQ(pasted[0]->selected, 0);
        EXPECT_TRUE(testing::sitsOn(*pasted[0], {10 + shift, 10 - shift}));
        EXPECT_EQ(pasted[1]->visible, 1);
        EXPECT_EQ(pasted[1]->selected, 1);
        EXPECT_TRUE(testing::sitsOn(*pasted[1], {50 + shift, 40 - shift}));
        EXPECT_EQ(pasted[2]->parent1, pasted[0]);
        EXPECT_EQ(pasted[2]->parent2, pasted[1]);
        EXPECT_EQ(pasted[2]->selected, 1);
        EXPECT_TRUE(testing::near(pasted[2]->point(), pasted[0]->point()))
            << "the pasted circle is recomputed about the pasted centre";
        EXPECT_EQ(pasted[3]->x2, f.distance->x2 + shift) << "a number's place moves too";
        EXPECT_EQ(pasted[3]->y2, f.distance->y2 - shift);
        // Only the last paste is selected.
        EXPECT_EQ(f.d.construction.selectedCount(), 3);
    }
    // Each paste was one undo step.
    ASSERT_TRUE(document::undo(f.d));
    EXPECT_EQ(f.d.construction.countOf(), 9);
}

TEST(Clipboard, PasteIntoAnotherDocumentKeepsThePlaceRelativeToTheViewCorner) {
    Figure f;
    f.other->selected = 1;
    document::DocumentSet set;
    document::Document* target = set.newDocument();
    const auto bytes = copySelection(f.d);
    ASSERT_TRUE(bytes);
    target->pasteCount = 7;
    set.startPasteCounts(f.d); // f.d is not in the set: every open document starts at 0
    EXPECT_EQ(target->pasteCount, 0);
    target->viewLeft = 1000;
    target->viewTop = -500;
    ASSERT_TRUE(paste(*target, *bytes));
    ASSERT_EQ(target->construction.countOf(), 1);
    // (-100, -100) was 300 right of and 400 below the source's corner (-400, 300).
    EXPECT_TRUE(testing::sitsOn(*target->construction.elements, {1300, -900}));
    EXPECT_EQ(target->pasteCount, 1);
}

TEST(Clipboard, NothingSelectedCopiesNothingAndForeignBytesPasteNothing) {
    Figure f;
    EXPECT_FALSE(copySelection(f.d));
    const std::vector<std::vector<uint8_t>> foreign = {
        {}, {1, 2, 3}, {0x2C, 1, 0, 0, 2, 0, 0, 0}, // a macro file header
        std::vector<uint8_t>(64, 0xFF)};
    for (const auto& bytes : foreign) {
        EXPECT_FALSE(paste(f.d, bytes));
        EXPECT_EQ(f.d.construction.countOf(), 5);
    }
}

TEST(Clipboard, CutIsCopyThenDeleteAndThePictureHangsOnTheOneSelectedPoint) {
    Figure f;
    f.through->selected = 1;
    const auto bytes = copySelection(f.d);
    ASSERT_TRUE(bytes);
    testing::inEdit(f.d, [](Edit& e) { deleteSelected(e); });
    // The point went with the circle and the distance built on it.
    EXPECT_EQ(f.d.construction.countOf(), 2);
    ASSERT_TRUE(paste(f.d, *bytes));
    EXPECT_EQ(f.d.construction.countOf(), 3);

    model::Picture picture;
    picture.bmp = {'B', 'M'};
    Element* pasted = f.d.construction.lastElement;
    ASSERT_EQ(pasted->selected, 1);
    Element* onPoint = testing::inEdit(f.d, [&](Edit& e) { return pastePicture(e, picture); });
    ASSERT_NE(onPoint, nullptr);
    EXPECT_EQ(onPoint->parent1, pasted);
    f.d.construction.setSelectionAll(1);
    Element* atCorner = testing::inEdit(f.d, [&](Edit& e) { return pastePicture(e, picture); });
    ASSERT_NE(atCorner, nullptr);
    EXPECT_EQ(atCorner->parent1, nullptr);
    EXPECT_EQ(atCorner->x1, f.d.viewLeft);
    EXPECT_EQ(atCorner->y1, f.d.viewTop);
    EXPECT_EQ(testing::inEdit(f.d, [&](Edit& e) { return pastePicture(e, {}); }), nullptr);
}

} // namespace
} // namespace zeva::edit
