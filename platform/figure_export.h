#pragma once
// The figure written to a picture or vector file: PNG and BMP from the off-screen bitmap, SVG
// and PDF drawn by the same renderer on a vector device.

#include "render/render_context.h"

#include <optional>
#include <string>

namespace zeva::platform {

enum class ExportFormat { Png, Bmp, Svg, Pdf };

// The format named by a file's extension (any case); none for other extensions.
std::optional<ExportFormat> exportFormatOf(const std::string& path);

// Redraws the context's document on a surface of width x height pixels and writes it to
// `path`, antialiased when ctx.options.smooth. Answers an error text, empty on success.
std::string exportFigure(render::RenderContext& ctx, const std::string& path, int width,
                         int height);

} // namespace zeva::platform
