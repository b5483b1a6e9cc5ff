#pragma once
// Document files (.KDO) and macro files (.MAC): one binary container with a version and a file
// type. Writing is byte-exact for the current version 300; reading also accepts the older
// versions 100 and 200 and checks every count and size before trusting it.

#include "document/document.h"
#include "document/element_io.h"
#include "document/macro.h"
#include "model/bytes.h"
#include "model/construction.h"

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace zeva::document {

enum class FileType : int32_t { Invalid = 0, Document = 1, Macro = 2 };

// Any accepts both file types ("&Abrir..."); MacroOnly refuses documents ("Cargar macros").
enum class ReadMode { Any, MacroOnly };

inline constexpr int32_t kMacroMarker = -1;

// Larger files are refused without being read: no document comes near this size.
inline constexpr uintmax_t kMaxFileBytes = uintmax_t(256) << 20;

// What a file held, before it is given to a document.
struct LoadedFile {
    FileType type = FileType::Invalid;
    int32_t version = kFileVersion;

    // Document files: the stored options and view corner, and the construction with its trace
    // and animation lists, references resolved and renumbered (not yet recomputed).
    model::DocumentUnits units;
    double viewLeft = 0.0;
    double viewTop = 0.0;
    model::Construction construction;

    // The macros of a document file, or the macro of a macro file; their elements keep their
    // serials until a macro is applied.
    std::vector<document::Macro> macros;
};

struct ReadSettings {
    // The application's text font, given to the texts of version 100 files.
    model::ElementFont textFont{"Arial", 12632256, 11, 0, 0, 0, 0};
    // Macros already in the document a macro file is loaded into (at most 100 in all).
    int existingMacros = 0;
};

using ReadResult = std::variant<LoadedFile, model::ReadError>;

// 1 document, 2 macro, 0 anything else: answers by the second int32 of the file; a file that
// cannot be opened or is shorter than eight bytes is 0.
FileType probeFileType(const std::string& path);

// Reads a whole file image. Invalid input yields a ReadError and nothing else.
ReadResult readFileBytes(std::span<const uint8_t> bytes, ReadMode mode,
                         const ReadSettings& settings = {});
ReadResult readFile(const std::string& path, ReadMode mode, const ReadSettings& settings = {});

// The bytes of a document file. Renumbers the construction and refreshes its stored serials.
std::vector<uint8_t> documentFileBytes(Document& d);
// The bytes of a macro file (header 300, 2 and the macro body).
std::vector<uint8_t> macroFileBytes(const document::Macro& m);

// Saves through a temporary file in the same folder that replaces the target only once every
// byte is written and flushed; on failure the previous file is untouched. A read-only target
// is overwritten.
bool writeDocumentFile(Document& d, const std::string& path);
bool writeMacroFile(const document::Macro& m, const std::string& path);

// Length of a macro's initial list once extended: a segment adds its two ends, a circle its
// centre, an arc its three points, axes their origin and two axes, a conic its five points.
int32_t extendedInitialCount(const std::vector<int16_t>& initialClasses);

} // namespace zeva::document
