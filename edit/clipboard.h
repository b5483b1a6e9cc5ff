#pragma once
// Copying part of a figure and pasting it into the same or another document. What is copied is
// a document file image (the same bytes "&Guardar" writes): the selected elements with every
// element they are built on, and the view corner of the document they came from. Any copy of
// the program can read it back, so the bytes can travel through the system clipboard.

#include "edit/edit.h"
#include "model/element.h"
#include "settings/options.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zeva::edit {

// Shift of each further paste into the document copied from, in world units (right and down).
inline constexpr double kPasteStep = 20.0;

// The selected elements of d with all their ancestors (parents, tail references, colour
// sources; a side or axis stands for its owner), in construction order, as document file
// bytes carrying d's viewLeft and viewTop. Elements that were selected and shown are shown in
// the copy; the ancestors that were not selected are hidden; macro placeholders stay so.
// None when nothing is selected; d does not change.
std::optional<std::vector<uint8_t>> copySelection(document::Document& d);

// Appends the figure held by `bytes` to the edited document and selects its shown elements
// (only those). Free positions (free points, texts, pictures, the place of names, the second
// position of numbers, functions, tables, equations, coordinates, checkers and buttons) move
// by the difference of the two view corners plus k steps of 20 units right and down, k being
// the document's pasteCount, which then grows by one. A copy sets pasteCount to 1 in the
// document copied from and 0 in the others, so pasting there twice gives 20 and 40 units, and
// the first paste into another document keeps the place relative to the view corner.
// Answers false, changing nothing, when the bytes are not a document file image.
bool pasteFigure(Edit& edit, const std::vector<uint8_t>& bytes);

// "Pegar imagen": a picture element holding `picture`, attached to the selected element when
// exactly one element is selected and it is a point or a segment, otherwise with its corner at
// the view's top-left corner. None for an empty picture.
model::Element* pastePicture(Edit& edit, const model::Picture& picture,
                             const settings::Options& options = settings::options());

} // namespace zeva::edit
