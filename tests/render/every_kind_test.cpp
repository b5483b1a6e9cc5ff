// Every construction kind, made the way the tools make it, must exist, draw, survive the file
// unchanged and appear in the dump. A `case` that exists but does nothing shows up here.

#include "gallery.h"
#include "render_fixture.h"

#include "document/document_dump.h"
#include "document/document_file.h"
#include "document/document_load.h"
#include "geometry/recompute.h"
#include "edit/factory.h"
#include "tests/support/edits.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zeva::render {
namespace {

using edit::CreationInputs;
using edit::CreationRequest;
using model::Element;
using model::Kind;

struct Maker {
    document::Document& d;
    CreationRequest r;

    Element* make(Kind kind, Element* p1 = nullptr, Element* p2 = nullptr, Element* p3 = nullptr,
                  const CreationInputs& in = {}) {
        r.kind = kind;
        r.parent1 = p1;
        r.parent2 = p2;
        r.parent3 = p3;
        Element* e = zeva::testing::create(d, r, in);
        geometry::recomputeElement(*e, document::contextFor(d));
        return e;
    }
    Element* withData(Kind kind, double x1, double y1, double x2, double y2, Element* p1 = nullptr,
                      Element* p2 = nullptr, Element* p3 = nullptr) {
        r.x1 = x1;
        r.y1 = y1;
        r.x2 = x2;
        r.y2 = y2;
        return make(kind, p1, p2, p3);
    }
};

// The gallery, plus one element of each kind it does not hold.
void buildEveryKind(document::Document& d) {
    testing::buildGallery(d);
    Maker m{d, {}};
    Element* a = m.withData(Kind::FreePoint, 200, 100, 0, 0);
    Element* b = m.withData(Kind::FreePoint, 300, 100, 0, 0);
    Element* c = m.withData(Kind::FreePoint, 220, 180, 0, 0);
    Element* e = m.withData(Kind::FreePoint, 260, 160, 0, 0);
    Element* ab = m.make(Kind::Segment, a, b);
    Element* line = m.make(Kind::LineThroughTwoPoints, a, b);
    Element* circle = m.make(Kind::CircleByCentreAndPoint, a, b);
    Element* arc = m.make(Kind::ArcThreePoints, b, e, c);
    CreationInputs triangle;
    triangle.picked = {a, b, e};
    Element* polygon = m.make(Kind::Polygon, nullptr, nullptr, nullptr, triangle);
    Element* axes = d.construction.findAxes().axes;
    ASSERT_NE(axes, nullptr);
    Element* grid = nullptr;
    for (Element* x : d.construction)
        if (x->kind == Kind::Grid) grid = x;
    CreationInputs value;
    value.parameterValue = 2;
    Element* number = m.make(Kind::Parameter, nullptr, nullptr, nullptr, value);

    m.withData(Kind::LineThroughPoint, 200, 100, 210, 110, a);
    m.withData(Kind::RayFromPoint, 200, 100, 210, 90, a);
    Element* parallel = m.make(Kind::ParallelLine, line, c);
    m.make(Kind::AngleBisector, b, a, c);
    m.make(Kind::PerpendicularBisector, a, b);
    m.make(Kind::CircleByRadius, c, a, e);
    m.make(Kind::AxialSymmetry, c, line);
    m.make(Kind::Translation, c, a, b);
    m.make(Kind::Rotation, c, a, number);
    m.make(Kind::Homothety, c, a, number);
    m.make(Kind::Inversion, circle, c);
    m.make(Kind::Displacement, c, line, number);
    m.make(Kind::DistancePointLine, c, line);
    m.make(Kind::SegmentLength, ab);
    m.make(Kind::CircleLength, circle);
    m.make(Kind::ArcLength, arc);
    m.make(Kind::PolygonPerimeter, polygon);
    m.make(Kind::CircleArea, circle);
    m.make(Kind::AngleValue, b, a, c);
    m.make(Kind::PointByCoordinates, number, number, axes);
    m.make(Kind::ParallelChecker, line, parallel);
    m.make(Kind::MembershipChecker, b, circle);
    m.make(Kind::EquidistanceChecker, a, b, c);
    m.make(Kind::CollinearityChecker, a, b, e);
    m.make(Kind::Slope, line);
    m.withData(Kind::RegularPolygonVertex, 0, 0, 0, 1.0, a, b);
    ASSERT_NE(grid, nullptr);
    m.withData(Kind::GridPoint, 0, 0, 2, 1, grid);
    geometry::recomputeAll(d.construction, document::contextFor(d));
}

class EveryKind : public ::testing::Test {
  protected:
    void SetUp() override { buildEveryKind(s.document); }
    testing::Scene s;
};

TEST_F(EveryKind, IsMadeAndExists) {
    std::set<int> kinds;
    for (Element* e : s.document.construction) {
        kinds.insert(model::toInt(e->kind));
        model::forEachSubElement(*e, [&](Element& x) { kinds.insert(model::toInt(x.kind)); });
        EXPECT_EQ(e->exists, 1) << model::kindName(e->kind);
    }
    for (int k = 0; k < model::kKindCount; ++k) {
        // A hit-test candidate only lives while the cursor is over a crossing.
        if (k == model::toInt(Kind::IntersectionCandidate)) continue;
        EXPECT_TRUE(kinds.count(k)) << "no element of kind " << k;
    }
}

TEST_F(EveryKind, DrawsSomething) {
    for (Element* e : s.document.construction) {
        if (e->visible != 1) continue;
        if (e->kind == Kind::Name && e->param1 != 1) continue; // a name that is not shown
        RecordingCanvas canvas;
        drawElement(s.ctx, canvas, *e, displayColor(s.ctx, *e), e->style, e->param1);
        EXPECT_FALSE(canvas.calls.empty()) << "nothing drawn for " << model::kindName(e->kind);
    }
}

TEST_F(EveryKind, SurvivesTheFileUnchanged) {
    const std::vector<uint8_t> bytes = document::documentFileBytes(s.document);
    auto read = document::readFileBytes(bytes, document::ReadMode::Any);
    auto* file = std::get_if<document::LoadedFile>(&read);
    ASSERT_NE(file, nullptr);
    document::Document loaded;
    document::installDocumentFile(loaded, std::move(*file), document::DocumentEnvironment{});
    EXPECT_EQ(document::documentFileBytes(loaded), bytes);

    // The recompute after loading lands every element where it was.
    Element* x = s.document.construction.elements;
    Element* y = loaded.construction.elements;
    for (; x && y; x = x->next, y = y->next) {
        ASSERT_EQ(x->kind, y->kind);
        EXPECT_EQ(x->exists, y->exists) << model::kindName(x->kind);
        for (auto [u, v] :
             {std::pair{x->x1, y->x1}, {x->y1, y->y1}, {x->x2, y->x2}, {x->y2, y->y2}})
            EXPECT_NEAR(u, v, 1e-9) << model::kindName(x->kind);
    }
    EXPECT_EQ(x, nullptr);
    EXPECT_EQ(y, nullptr);
}

TEST_F(EveryKind, AppearsInTheDump) {
    const std::string json = document::dumpJson(s.document, document::FileType::Document, 300);
    size_t serials = 0;
    for (size_t at = json.find("\"serial\""); at != std::string::npos;
         at = json.find("\"serial\"", at + 1))
        ++serials;
    EXPECT_EQ(serials, static_cast<size_t>(s.document.construction.countWithSubElements()));
    EXPECT_EQ(json.find("nan"), std::string::npos);
    EXPECT_EQ(json.find("inf"), std::string::npos);
}

TEST_F(EveryKind, ExtremeButAcceptedValuesStayInTheDeviceRange) {
    // Free data scaled towards and beyond the far-away limit, and views far off, as files may
    // hold them: nothing handed to a canvas may leave the device range.
    struct Extreme {
        double scale;
        double viewLeft;
        double viewTop;
    };
    for (const Extreme& x : {Extreme{1e6, -512, 384}, {1e9, -2e9, 2e9}, {1e11, -512, 384},
                             {1, -9e9, 9e9}, {1, 1e300, -1e300}, {-1e300, 0, 0}}) {
        testing::Scene scene;
        buildEveryKind(scene.document);
        for (Element* e : scene.document.construction) {
            if (e->kind != Kind::FreePoint) continue;
            e->x1 *= x.scale;
            e->y1 *= x.scale;
        }
        scene.document.viewLeft = x.viewLeft;
        scene.document.viewTop = x.viewTop;
        scene.document.viewRight = x.viewLeft + 1024;
        scene.document.viewBottom = x.viewTop - 768;
        geometry::recomputeAll(scene.document.construction, recomputeContextFor(scene.document, *scene.ctx.view));
        scene.document.construction.setSelectionAll(1); // halos too
        for (CanvasRole role : {CanvasRole::Main, CanvasRole::Miniature}) {
            RecordingCanvas canvas(role);
            redrawAll(scene.ctx, canvas);
            EXPECT_TRUE(testing::withinDeviceRange(canvas)) << x.scale << " " << x.viewLeft;
        }
    }
}

} // namespace
} // namespace zeva::render
