#include "model/bytes.h"

#include "model/codepage.h"

#include <bit>
#include <cstring>

namespace zeva::model {

namespace {

static_assert(std::endian::native == std::endian::little,
              "file fields are copied as little-endian machine words");

template <class T> void appendRaw(std::vector<uint8_t>& buf, T v) {
    const size_t at = buf.size();
    buf.resize(at + sizeof(T));
    std::memcpy(buf.data() + at, &v, sizeof(T));
}

} // namespace

void ByteWriter::i32(int32_t v) {
    appendRaw(buf_, v);
}
void ByteWriter::i16(int16_t v) {
    appendRaw(buf_, v);
}
void ByteWriter::real(double v) {
    appendRaw(buf_, v);
}

void ByteWriter::str(std::string_view utf8, size_t maxBytes) {
    std::string bytes = windows1252FromUtf8(utf8);
    if (bytes.size() > maxBytes) bytes.resize(maxBytes);
    i32(static_cast<int32_t>(bytes.size()));
    buf_.insert(buf_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::bytes(std::span<const uint8_t> data) {
    buf_.insert(buf_.end(), data.begin(), data.end());
}

bool ByteReader::fail(ReadErrorCode code) {
    if (!failed_) {
        failed_ = true;
        error_ = {code, pos_};
    }
    return false;
}

bool ByteReader::take(void* out, size_t n) {
    if (failed_) return false;
    if (remaining() < n) return fail(ReadErrorCode::ShortRead);
    std::memcpy(out, data_.data() + pos_, n);
    pos_ += n;
    return true;
}

bool ByteReader::i32(int32_t& v) {
    return take(&v, sizeof v);
}
bool ByteReader::i16(int16_t& v) {
    return take(&v, sizeof v);
}
bool ByteReader::real(double& v) {
    return take(&v, sizeof v);
}

bool ByteReader::takeString(std::string_view& view, int32_t maxBytes) {
    int32_t n = 0;
    if (!i32(n)) return false;
    if (n < 0 || n > maxBytes) return fail(ReadErrorCode::StringTooLong);
    if (remaining() < static_cast<size_t>(n)) return fail(ReadErrorCode::ShortRead);
    view = {reinterpret_cast<const char*>(data_.data() + pos_), static_cast<size_t>(n)};
    pos_ += static_cast<size_t>(n);
    return true;
}

bool ByteReader::windows1252(std::string& bytes, int32_t maxBytes) {
    std::string_view view;
    if (!takeString(view, maxBytes)) return false;
    bytes.assign(view);
    return true;
}

bool ByteReader::str(std::string& utf8, int32_t maxBytes) {
    std::string_view view;
    if (!takeString(view, maxBytes)) return false;
    utf8 = utf8FromWindows1252(view);
    return true;
}

bool ByteReader::bytes(std::vector<uint8_t>& out, size_t n) {
    if (failed_) return false;
    if (remaining() < n) return fail(ReadErrorCode::ShortRead);
    out.assign(data_.begin() + static_cast<std::ptrdiff_t>(pos_),
               data_.begin() + static_cast<std::ptrdiff_t>(pos_ + n));
    pos_ += n;
    return true;
}

bool ByteReader::count(int32_t& v, int32_t limit, size_t itemBytes, ReadErrorCode tooMany) {
    if (!i32(v)) return false;
    if (v < 0) return fail(ReadErrorCode::BadCount);
    if (v > limit) return fail(tooMany);
    if (itemBytes > 0 && static_cast<size_t>(v) > remaining() / itemBytes)
        return fail(ReadErrorCode::ShortRead);
    return true;
}

} // namespace zeva::model
