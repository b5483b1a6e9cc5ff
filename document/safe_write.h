#pragma once
// Replacing a file without ever leaving it half written.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zeva::document {

// Writes the bytes to a new temporary file beside `path`, flushes it to the disk, then renames
// it over `path` (over the file a symbolic link points at). An existing target keeps its
// permissions, made writable for the owner, so a read-only file is overwritten. On any failure
// the temporary file is removed, `path` is left as it was, and the answer is false.
bool replaceFileContents(const std::string& path, std::span<const uint8_t> bytes);

// Test hook: while set, every write fails after that many bytes of the temporary file.
void injectWriteFailureAfter(std::optional<size_t> bytes);

} // namespace zeva::document
