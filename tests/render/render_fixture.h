#pragma once
// A document on a 1024 x 768 surface whose world origin is at the centre (screen 512, 384),
// drawn on a recording canvas.

#include "document/document.h"
#include "model/element.h"
#include "render/recording_canvas.h"
#include "render/render_context.h"
#include "render/renderer.h"
#include "render/view_transform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zeva::render::testing {

struct Scene {
    document::Document document;
    ViewTransform view;
    RenderContext ctx;
    RecordingCanvas canvas;

    Scene() {
        setPlaneSize(view, 3000);
        document.viewLeft = -512;
        document.viewTop = 384;
        document.viewRight = 512;
        document.viewBottom = -384;
        loadView(view, document);
        ctx.document = &document;
        ctx.view = &view;
    }

    model::Element* add(std::unique_ptr<model::Element> e) {
        return document.construction.append(std::move(e));
    }
    model::Element* add(model::Kind kind, double x1 = 0, double y1 = 0, double x2 = 0,
                        double y2 = 0, model::Element* p1 = nullptr, model::Element* p2 = nullptr,
                        model::Element* p3 = nullptr) {
        auto e = model::makeElement(kind, kind == model::Kind::Locus ? 80 : 0);
        e->x1 = x1;
        e->y1 = y1;
        e->x2 = x2;
        e->y2 = y2;
        e->parent1 = p1;
        e->parent2 = p2;
        e->parent3 = p3;
        e->color = 255;
        e->style = 1;
        return add(std::move(e));
    }
    model::Element* point(double x, double y) { return add(model::Kind::FreePoint, x, y); }
    model::Element* segment(model::Element* a, model::Element* b) {
        return add(model::Kind::Segment, a->x1, a->y1, b->x1, b->y1, a, b);
    }

    void redraw() {
        canvas.clear();
        redrawAll(ctx, canvas);
    }
    // The calls made while drawing one element.
    std::vector<CanvasCall> draw(model::Element* e, Color color, int style, Color fill = -1) {
        canvas.clear();
        drawElement(ctx, canvas, *e, color, style, fill);
        return canvas.calls;
    }
    std::vector<std::string> ops(const std::vector<CanvasCall>& calls) const {
        std::vector<std::string> out;
        for (const CanvasCall& c : calls)
            out.push_back(c.str());
        return out;
    }
};

// Every integer a canvas was handed lies within twice the device range: worldToScreen holds
// coordinates within kDeviceLimit, and what the renderer adds to them (radii, text sizes, a few
// pixels) must leave room before a canvas's own sums overflow.
inline ::testing::AssertionResult withinDeviceRange(const RecordingCanvas& canvas) {
    constexpr long bound = 2L * kDeviceLimit;
    for (const CanvasCall& call : canvas.calls)
        for (int v : call.coordinates())
            if (v > bound || v < -bound)
                return ::testing::AssertionFailure() << call.str() << " leaves the device range";
    return ::testing::AssertionSuccess();
}

} // namespace zeva::render::testing
