// For random figures, every intersection point that exists lies on both of its parents.

#include "tests/support/construction_builder.h"
#include "tests/support/on_element.h"

#include <random>
#include <vector>

namespace zeva::geometry {
namespace {

using namespace zeva::testing;

using model::ElementClass;

TEST(IntersectionProperty, EveryExistingPointLiesOnBothParents) {
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<double> coord(-200, 200);
    int checked = 0;
    for (int figure = 0; figure < 150; ++figure) {
        Figure f;
        auto pt = [&] { return f.point(coord(rng), coord(rng)); };
        std::vector<Element*> curves;
        for (int i = 0; i < 2; ++i) {
            curves.push_back(f.line(pt(), pt()));
            curves.push_back(f.ray(pt(), pt()));
            curves.push_back(f.segment(pt(), pt()));
            curves.push_back(f.circle(pt(), pt()));
        }
        curves.push_back(f.arc(pt(), pt(), pt()));
        curves.push_back(f.conic({pt(), pt(), pt(), pt(), pt()}));
        // Lines through the defining points of other curves exercise the known-common-point
        // rule; a circle through a line's point does too.
        curves.push_back(f.line(curves[0]->parent1, curves[3]->parent2));
        curves.push_back(f.circle(pt(), curves[1]->parent1));

        std::vector<Element*> points;
        for (size_t i = 0; i < curves.size(); ++i)
            for (size_t j = i + 1; j < curves.size(); ++j) {
                Element probe;
                probe.parent1 = curves[i];
                probe.parent2 = curves[j];
                const int solutions = std::max(1, solutionCountOf(intersectionType(probe, 0)));
                for (int s = 0; s < solutions; ++s)
                    for (int strict : {0, kStrictCandidate})
                        points.push_back(f.intersection(curves[i], curves[j], s, strict));
            }
        f.recompute();
        for (Element* x : points) {
            if (x->exists != 1) continue;
            ++checked;
            for (const Element* parent : {x->parent1, x->parent2}) {
                const std::string why = zeva::testing::offElement(x->point(), *parent);
                ASSERT_TRUE(why.empty()) << "figure " << figure << ", code " << x->param1
                                         << ", param2 " << x->param2 << ": " << why;
            }
        }
    }
    EXPECT_GT(checked, 10000);
}

} // namespace
} // namespace zeva::geometry
