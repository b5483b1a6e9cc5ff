#pragma once
// The figure written to a picture or vector file: PNG and BMP from the off-screen bitmap, SVG
// and PDF drawn by the same renderer on a vector device.

#include "render/render_context.h"

#include <QImage>
#include <QRect>

#include <optional>
#include <string>

namespace zeva::platform {

enum class ExportFormat { Png, Bmp, Svg, Pdf };

// The format named by a file's extension (any case); none for other extensions.
std::optional<ExportFormat> exportFormatOf(const std::string& path);

// Writes the figure to `path`, width x height pixels: PNG and BMP are the top-left part of the
// off-screen bitmap the context was last drawn on; SVG and PDF are drawn again by the renderer
// on a vector device, antialiased when ctx.options.smooth (without the trace layer, which is a bitmap). Answers an error text, empty
// on success.
std::string exportFigure(const render::RenderContext& ctx, const QImage& bitmap,
                         const std::string& path, int width, int height);

// The same for a part of the drawing surface (bitmap pixels): PNG and BMP copy that part of the
// bitmap, SVG and PDF draw the figure shifted so that part fills the page.
std::string exportFigure(const render::RenderContext& ctx, const QImage& bitmap,
                         const std::string& path, QRect region);

// The part of the window's bitmap (bitmapWidth x bitmapHeight) that a picture export or copy
// takes: inside a pending selection rectangle, one pixel in from its top-left corner and short
// of its far edges (so its frame stays out), whichever corner it was dragged from; without one,
// the whole bitmap less its last row and column.
QRect exportRegion(const render::ViewTransform& view,
                   const std::optional<render::WorldRect>& pendingRectangle, int bitmapWidth,
                   int bitmapHeight);

// The picture an export or a copy to the clipboard takes from the window's bitmap.
QImage exportPicture(const render::RenderContext& ctx, const QImage& bitmap);

} // namespace zeva::platform
