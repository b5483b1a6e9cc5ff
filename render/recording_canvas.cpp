#include "render/recording_canvas.h"

#include <algorithm>

namespace zeva::render {

std::string CanvasCall::str() const {
    std::string s = op + "(";
    for (size_t i = 0; i < args.size(); ++i) {
        if (i) s += ',';
        s += std::to_string(args[i]);
    }
    if (!text.empty()) {
        if (!args.empty()) s += ',';
        s += '"' + text + '"';
    }
    return s + ")";
}

std::span<const int> CanvasCall::coordinates() const {
    size_t n = args.size();
    if (op == "setPixel" || op == "drawPicture") n = 2;
    if (op == "stretchPicture") n = 4;
    if (op == "bitBlt") n = 6;
    return std::span<const int>(args).first(std::min(n, args.size()));
}

RecordingCanvas::RecordingCanvas(CanvasRole role, int width, int height, int pixelsPerInch)
    : Canvas(role), width_(width), height_(height), ppi_(pixelsPerInch) {}

void RecordingCanvas::record(std::string op, std::vector<int> args, std::string text) {
    calls.push_back({std::move(op), std::move(args), std::move(text), pen(), brush(), font(),
                     backgroundMode(), backgroundColor()});
}

void RecordingCanvas::moveTo(int x, int y) {
    record("moveTo", {x, y});
}
void RecordingCanvas::lineTo(int x, int y) {
    record("lineTo", {x, y});
}
void RecordingCanvas::rectangle(int l, int t, int r, int b) {
    record("rectangle", {l, t, r, b});
}
void RecordingCanvas::ellipse(int l, int t, int r, int b) {
    record("ellipse", {l, t, r, b});
}
void RecordingCanvas::arc(int l, int t, int r, int b, int x3, int y3, int x4, int y4) {
    record("arc", {l, t, r, b, x3, y3, x4, y4});
}
void RecordingCanvas::polygon(std::span<const IPoint> points) {
    std::vector<int> args;
    for (IPoint p : points) {
        args.push_back(p.x);
        args.push_back(p.y);
    }
    record("polygon", std::move(args));
}
void RecordingCanvas::textOut(int x, int y, std::string_view utf8) {
    record("textOut", {x, y}, std::string(utf8));
}

TextSize RecordingCanvas::textExtent(std::string_view utf8) {
    int chars = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++chars;
    return {8 * chars, (font().size * 4 + 2) / 3};
}

void RecordingCanvas::setPixel(int x, int y, Color c) {
    record("setPixel", {x, y, c});
}
void RecordingCanvas::patBlt(int x, int y, int w, int h) {
    record("patBlt", {x, y, w, h});
}
void RecordingCanvas::bitBlt(int x, int y, int w, int h, Canvas&, int sx, int sy, RasterOp op) {
    record("bitBlt", {x, y, w, h, sx, sy, static_cast<int>(op)});
}
void RecordingCanvas::drawPicture(int x, int y, const model::Picture& picture) {
    record("drawPicture", {x, y, static_cast<int>(picture.bmp.size())});
}
void RecordingCanvas::stretchPicture(int l, int t, int r, int b, const model::Picture& picture) {
    record("stretchPicture", {l, t, r, b, static_cast<int>(picture.bmp.size())});
}

std::vector<CanvasCall> RecordingCanvas::callsOf(std::string_view op) const {
    std::vector<CanvasCall> out;
    for (const CanvasCall& c : calls)
        if (c.op == op) out.push_back(c);
    return out;
}

std::string RecordingCanvas::log() const {
    std::string s;
    for (const CanvasCall& c : calls)
        s += c.str() + '\n';
    return s;
}

} // namespace zeva::render
