#pragma once
// Little-endian field streams for every binary file ZEVA reads and writes (documents, macros,
// the options file): signed 32-bit and 16-bit integers, 8-byte IEEE doubles, raw bytes and
// strings (a 32-bit byte count, then Windows-1252 bytes; UTF-8 inside the program).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zeva::model {

// Longest string a document or macro file may hold; a longer count makes the file invalid.
inline constexpr int32_t kMaxStringBytes = 999;

// Appends fields to a growing byte buffer.
class ByteWriter {
  public:
    void i32(int32_t v);
    void i16(int16_t v);
    void real(double v);
    // Writes UTF-8 text as Windows-1252, cut to `maxBytes` bytes so that the file stays
    // readable.
    void str(std::string_view utf8, size_t maxBytes = kMaxStringBytes);
    void bytes(std::span<const uint8_t> data);

    const std::vector<uint8_t>& data() const { return buf_; }
    std::vector<uint8_t>& data() { return buf_; }
    size_t size() const { return buf_.size(); }
    void reserve(size_t n) { buf_.reserve(n); }

  private:
    std::vector<uint8_t> buf_;
};

// Why a read stopped. Every failure makes the whole file invalid.
enum class ReadErrorCode {
    CannotOpen,        // the file cannot be opened or read
    ShortRead,         // a field runs past the end of the file
    BadVersion,        // version above 300 (or not positive)
    BadFileType,       // file type is neither 1 nor 2, or the mode refuses it
    StringTooLong,     // a string count above its limit or below 0
    BadCount,          // a negative count, or one larger than the bytes left
    TooManyTraces,     // trace count above 100
    TooManyAnimations, // animation count above 100
    TooManyColumns,    // table with more than 100 columns
    PictureTooLarge,   // picture block larger than the rest of the file
    BadKind,           // element kind outside 0..67 where an element is expected
    BadClass,          // macro initial class outside 0..22
    BadValue,          // a document setting outside its range, or a view that is not finite
    TooManyMacros,     // a 101st macro
    EmptyMacro,        // a macro with no elements
    MissingReference,  // a serial that resolves to no element where one is required
    ForwardReference,  // an element built on one that comes after it in the list
    OutOfMemory,       // sizes that cannot be allocated
    OverLimit,         // more elements, samples, rows, lines or picture bytes than a file may hold
    TooLarge,          // a file larger than any document could be
};

struct ReadError {
    ReadErrorCode code = ReadErrorCode::CannotOpen;
    size_t offset = 0; // byte offset where reading stopped
};

// Reads fields from a byte span. The first failure is remembered and every later read fails,
// so a record can be read field by field and checked once.
class ByteReader {
  public:
    explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

    bool i32(int32_t& v);
    bool i16(int16_t& v);
    bool real(double& v);
    // Reads a string of at most `maxBytes` bytes (StringTooLong otherwise) and converts it to
    // UTF-8.
    bool str(std::string& utf8, int32_t maxBytes = kMaxStringBytes);
    // The same, keeping the Windows-1252 bytes as they stand.
    bool windows1252(std::string& bytes, int32_t maxBytes = kMaxStringBytes);
    bool bytes(std::vector<uint8_t>& out, size_t n);

    // A count read as int32 that must lie in 0..limit and whose items (itemBytes each at
    // least) must fit in the bytes left.
    bool count(int32_t& v, int32_t limit, size_t itemBytes, ReadErrorCode tooMany);

    bool fail(ReadErrorCode code);
    bool failed() const { return failed_; }
    const ReadError& error() const { return error_; }

    size_t offset() const { return pos_; }
    size_t remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ >= data_.size(); }

  private:
    bool take(void* out, size_t n);
    bool takeString(std::string_view& view, int32_t maxBytes);

    std::span<const uint8_t> data_;
    size_t pos_ = 0;
    bool failed_ = false;
    ReadError error_;
};

} // namespace zeva::model
