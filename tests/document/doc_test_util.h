#pragma once
// Documents for the doc tests, built by hand (the shared construction builder makes elements
// the way the reader makes them) so the tests do not depend on the element factory, and file
// bytes put together by hand.

#include "document/document.h"
#include "model/bytes.h"
#include "model/construction.h"
#include "model/element.h"
#include "tests/support/construction_builder.h"
#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace zeva::document::testing {

using model::Element;
using model::Kind;

using zeva::testing::add;
using zeva::testing::addAxes;
using zeva::testing::addCoordinates;
using zeva::testing::addPoint;
using zeva::testing::addPolygon;
using zeva::testing::TempDir;

// Little-endian file bytes put together by hand, independent of the writer under test.
class Bytes {
  public:
    Bytes& i32(int32_t v) { return raw(&v, 4); }
    Bytes& i16(int16_t v) { return raw(&v, 2); }
    Bytes& real(double v) { return raw(&v, 8); }
    // A string given as its Windows-1252 bytes.
    Bytes& str(const std::string& bytes) {
        i32(static_cast<int32_t>(bytes.size()));
        return raw(bytes.data(), bytes.size());
    }
    Bytes& font(const std::string& name, int32_t color, int32_t size, int32_t bold = 0,
                int32_t italic = 0, int32_t underline = 0, int32_t strikeout = 0) {
        str(name).i32(color).i32(size).i32(bold).i32(italic).i32(underline);
        return i32(strikeout);
    }
    Bytes& raw(const void* p, size_t n) {
        const auto* b = static_cast<const uint8_t*>(p);
        data.insert(data.end(), b, b + n);
        return *this;
    }
    std::vector<uint8_t> data;
};

// A document using every kind of record the file format knows, with traces, animations, a
// parametric colour, a name label and two macros.
Document sampleDocument();

std::vector<uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace zeva::document::testing
