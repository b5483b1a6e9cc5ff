#pragma once
// Texts are UTF-8 inside the program and Windows-1252 bytes in every file ZEVA writes
// (documents, macros, the options file, language files).

#include <string>
#include <string_view>

namespace zeva::model {

// Every byte value decodes; the five bytes Windows-1252 leaves undefined map to the C1
// control characters of the same value.
std::string utf8FromWindows1252(std::string_view bytes);

// A character that Windows-1252 cannot hold (or a malformed UTF-8 sequence) becomes "?".
std::string windows1252FromUtf8(std::string_view text);

}  // namespace zeva::model
