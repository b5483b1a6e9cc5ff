#pragma once
// A sample document with an element of every class that a figure can hold, made by the
// element factory as the tools would make it. Kept in the repository as examples/gallery.kdo.

#include "document/document.h"

namespace zeva::render::testing {

// Fills an empty document (view centred on the origin of a 1024 x 768 surface) and recomputes.
void buildGallery(document::Document& d);

} // namespace zeva::render::testing
