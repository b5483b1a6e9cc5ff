// The document view: one set of surfaces that shows one document at a time, the drag loop
// (recompute a list, redraw) and previews drawn over a copy of the picture.

#include "qt_app.h"

#include "document/document.h"
#include "model/construction.h"
#include "render/draw_shapes.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "ui/document_view.h"

#include <gtest/gtest.h>

namespace zeva::ui {
namespace {

using model::Element;
using model::Kind;

constexpr QRgb kRed = qRgb(255, 0, 0);

class DocumentViewTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::qtApp(); }

    // A document whose world origin is at pixel (200, 150) of a 400 x 300 surface.
    std::unique_ptr<document::Document> document() {
        return std::make_unique<document::Document>(
            document::newDocument({}, 400, 300, {400, 300}));
    }
    Element* point(document::Document& d, double x, double y) {
        auto p = model::makeElement(Kind::FreePoint);
        p->x1 = x;
        p->y1 = y;
        p->color = 255;
        return d.construction.append(std::move(p));
    }

    DocumentView view{QSize(400, 300), settings::Options{}, settings::texts()};
};

TEST_F(DocumentViewTest, SwitchingDocumentsReattachesAndTheDragLoopRedraws) {
    auto first = document();
    auto second = document();
    Element* a = point(*first, 0, 0);
    Element* m = nullptr;
    {
        Element* b = point(*first, 100, 0);
        auto mid = model::makeElement(Kind::Midpoint);
        mid->parent1 = a;
        mid->parent2 = b;
        mid->color = 255;
        m = first->construction.append(std::move(mid));
    }
    point(*second, -100, 50);
    second->viewLeft = -300; // its own saved view

    view.attach(first.get());
    view.recomputeAll();
    view.redraw();
    EXPECT_EQ(view.bitmap().pixel(250, 150), kRed); // the midpoint (50, 0)
    EXPECT_EQ(view.transform().viewRight, -200 + 400);

    view.attach(second.get());
    EXPECT_EQ(view.document(), second.get());
    EXPECT_EQ(view.transform().viewLeft, -300);
    EXPECT_EQ(view.bitmap().pixel(250, 150), qRgb(0, 0, 0));
    EXPECT_EQ(view.bitmap().pixel(200, 100), kRed); // (-100, 50) in its view

    // A drag step: the dragged point moves, its dependents gathered once are recomputed.
    view.attach(first.get());
    const std::vector<Element*> dependents{m};
    a->x1 = -100;
    view.recompute(dependents);
    view.redraw();
    EXPECT_EQ(m->x1, 0);
    EXPECT_EQ(view.bitmap().pixel(200, 150), kRed);
    EXPECT_EQ(view.bitmap().pixel(250, 150), qRgb(0, 0, 0));
}

TEST_F(DocumentViewTest, APreviewIsDrawnOverACopyUntilTheNextRedraw) {
    auto d = document();
    point(*d, 0, 0);
    view.attach(d.get());
    const QImage before = view.bitmap().copy();
    render::Canvas& preview = view.beginPreview();
    render::drawSegment(view.renderContext(), preview, {-50, 20}, {50, 20}, 0x00FF00, 1);
    preview.flush();
    EXPECT_EQ(view.bitmap().pixel(200, 130), qRgb(0, 255, 0)); // what the window shows
    EXPECT_EQ(view.bitmap().pixel(200, 150), kRed);            // over the document
    view.redraw();
    EXPECT_EQ(view.bitmap(), before);
}

TEST_F(DocumentViewTest, ScrollingStoresWhatTheDocumentKeeps) {
    auto d = document();
    view.attach(d.get());
    view.scrollTo(-50, 75);
    EXPECT_EQ(d->viewLeft, -50);
    EXPECT_EQ(d->viewTop, 75);
    EXPECT_EQ(view.transform().viewRight, -50 + 400);
    EXPECT_EQ(view.transform().viewBottom, 75 - 300);
    EXPECT_EQ(view.recomputeContext().viewRight, -50 + 400);
    view.setSurfaceSize(QSize(600, 500)); // the far edges follow the surface
    EXPECT_EQ(view.transform().viewLeft, -50);
    EXPECT_EQ(view.transform().viewBottom, 75 - 500);
    EXPECT_EQ(view.bitmap().size(), QSize(601, 501));
}

} // namespace
} // namespace zeva::ui
