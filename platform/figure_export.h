#pragma once
// The figure written to a picture or vector file: PNG and BMP from the off-screen bitmap, SVG
// and PDF drawn by the same renderer on a vector device.

#include "render/render_context.h"

#include <QImage>

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

} // namespace zeva::platform
