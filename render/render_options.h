#pragma once
// The renderer's options taken from the application options and the interface texts.

#include "render/render_context.h"
#include "settings/options.h"
#include "settings/text_table.h"

namespace zeva::render {

// The colours, the "Ver lo oculto" flag and the texts the renderer follows.
RenderOptions renderOptionsFrom(const settings::Options& options, const settings::TextTable& texts);

} // namespace zeva::render
