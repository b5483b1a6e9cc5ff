// Fuzz target: the picture codec, which turns the BMP images that documents store (and that a
// paste from the clipboard produces) into images and back. An image it decodes must survive
// being encoded and decoded again with its size.

#include "platform/picture_codec.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace zeva;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    model::Picture picture;
    picture.bmp.assign(data, data + size);
    const QImage image = platform::decodePicture(picture);
    if (image.isNull()) return 0;
    const model::Picture encoded = platform::encodePicture(image);
    const QImage again = platform::decodePicture(encoded);
    if (again.isNull() || again.size() != image.size()) {
        std::fprintf(stderr, "a decoded picture does not survive encoding\n");
        std::abort();
    }
    return 0;
}
