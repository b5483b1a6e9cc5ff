#pragma once
// The sample figure of "Aspecto de los elementos": a few elements of one class made by the
// element factory with a given colour and shape and drawn by the renderer itself, so the sample
// looks exactly as new elements will.

#include "model/kinds.h"

#include <QImage>
#include <QSize>

#include <cstdint>

namespace zeva::ui {

QImage appearancePreview(model::ElementClass elementClass, int32_t colour, int32_t style,
                         int32_t background, QSize size, bool smooth);

} // namespace zeva::ui
