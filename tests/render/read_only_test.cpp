// The renderer only reads: everything it draws (parametric colours, equation texts, the
// instances of locus families) is left by the recompute pass, and the dump shows the same.

#include "gallery.h"
#include "render_fixture.h"

#include "document/document_dump.h"
#include "geometry/locus.h"
#include "geometry/parametric_color.h"
#include "geometry/recompute.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

namespace zeva::render {
namespace {

using model::Element;
using model::Kind;

// The compiler holds the renderer to reading: it is given the document, the view and every
// element as const.
static_assert(std::is_same_v<decltype(RenderContext::document), const document::Document*>);
static_assert(std::is_same_v<decltype(RenderContext::view), const ViewTransform*>);
static_assert(std::is_same_v<decltype(&drawElement), void (*)(const RenderContext&, Canvas&,
                                                              const Element&, Color, int, Color)>);
static_assert(
    std::is_same_v<decltype(&redrawAll), void (*)(RenderContext&, Canvas&, const Element*)>);

std::string elementJson(const std::string& json, int serial) {
    const std::string key = "{\"serial\": " + std::to_string(serial) + ",";
    const size_t at = json.find(key);
    if (at == std::string::npos) return {};
    return json.substr(at, json.find('}', at) - at);
}

TEST(ReadOnlyRenderer, ARecomputeAloneGivesWhatTheDumpShowsAndDrawingChangesNothing) {
    testing::Scene s;
    testing::buildGallery(s.document);
    model::Construction& c = s.document.construction;
    // Parametric colours from a number that comes after the elements it colours, a family
    // of polygons and an equation whose text nobody has drawn yet.
    Element* line = nullptr;
    Element* equation = nullptr;
    Element* wheel = nullptr;
    for (Element* e : c) {
        if (!line && e->kind == Kind::LineThroughTwoPoints) line = e;
        if (!equation && e->kind == Kind::LineEquation) equation = e;
        if (!wheel && e->kind == Kind::Locus) wheel = e;
    }
    ASSERT_TRUE(line && equation && wheel);
    Element* driver = wheel->parent2;
    auto triangle = model::makeElement(Kind::Polygon);
    Element* poly = triangle.get();
    for (Element* v : {driver, line->parent1, line->parent2}) {
        auto side = model::makeElement(Kind::PolygonSide);
        side->parent1 = v;
        side->parent3 = poly;
        poly->polygon().sides.push_back(std::move(side));
    }
    for (size_t i = 0; i < 3; ++i)
        poly->polygon().sides[i]->parent2 = poly->polygon().sides[(i + 1) % 3]->parent1;
    poly->param1 = -1;
    c.append(std::move(triangle));
    auto family = model::makeElement(Kind::Locus, 12);
    family->parent1 = poly;
    family->parent2 = driver;
    family->color = 0x00FF00;
    Element* locus = c.append(std::move(family));
    auto value = model::makeElement(Kind::Parameter);
    value->x1 = 0.5;
    value->param1 = 100;
    Element* source = c.append(std::move(value));
    line->colorSource = source;
    line->colorMode = 2;
    poly->colorSource = source;
    poly->colorMode = -1; // its fill
    equation->equation().text.clear();

    geometry::recomputeAll(c, document::contextFor(s.document));
    EXPECT_EQ(line->color, 0x7F7F7F);
    EXPECT_EQ(poly->param1, geometry::parametricColor(0.5, true, -1));
    EXPECT_EQ(geometry::familyInstances(*locus).size(), 12u);
    const std::string before = document::dumpJson(s.document, document::FileType::Document, 300);
    EXPECT_NE(elementJson(before, line->serial).find("\"color\": 8355711,"), std::string::npos);
    EXPECT_NE(elementJson(before, equation->serial).find("\"text\": \"y = "), std::string::npos)
        << elementJson(before, equation->serial);

    const document::Document& frozen = s.document;
    s.ctx.document = &frozen;
    s.ctx.state.calculationDialogVisible = true; // the operand marks too
    s.ctx.state.pickedNumbers = {source};
    for (int i = 0; i < 2; ++i)
        s.redraw();
    EXPECT_FALSE(s.canvas.calls.empty());
    EXPECT_EQ(document::dumpJson(s.document, document::FileType::Document, 300), before);
}

} // namespace
} // namespace zeva::render
