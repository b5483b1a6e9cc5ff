#pragma once
// The options file "zeva.ini": the application options, binary, little-endian, field by field,
// starting with the signature "ZEVA" and the version 300. A file that is missing, short or
// corrupt is refused as a whole; the options are never half-applied.

#include "settings/options.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace zeva::settings {

inline constexpr int32_t kOptionsVersion = 300;

enum class OptionsError {
    None,
    Missing,         // the file cannot be opened
    BadSignature,    // not "ZEVA"
    BadVersion,      // not 300
    BadLanguageName, // byte count outside 0..40
    Truncated,       // ends before the last field, or a count runs past the end
    BadValue,        // a value no options dialog could have stored (units, ranges, NaN, ...)
};

// The file image of `o`; fields 5 and 14 (background colour and the four units) come from
// `documentOptions`. Names are written in Windows-1252, the language name cut to 40 bytes and
// font names to 31.
std::vector<uint8_t> serializeOptions(const Options& o, const DocumentDefaults& documentOptions);

// `base` with every stored field replaced from the file image, or none (and *error set) when the
// image is invalid. Fields the file does not hold (colour-button state, classes not stored)
// keep their values from `base`. Font names longer than 31 bytes are cut.
std::optional<Options> parseOptions(std::span<const uint8_t> bytes, const Options& base,
                                    OptionsError* error = nullptr);

// Reads the file into `o` only when the whole file is valid; returns the reason otherwise.
OptionsError readOptionsFile(const std::filesystem::path& file, Options& o);

// Writes the file (creating missing folders; through a temporary file so that a failed write
// leaves the old file intact). Fields 5 and 14 from `documentOptions`. False when it fails.
bool writeOptionsFile(const std::filesystem::path& file, const Options& o,
                      const DocumentDefaults& documentOptions);
inline bool writeOptionsFile(const std::filesystem::path& file, const Options& o) {
    return writeOptionsFile(file, o, o.documentDefaults());
}

// "Guardar opciones": writes the file with the current document's background and units, then
// makes them the application's defaults for new documents. False when the write fails.
bool saveOptionsWithDocument(const std::filesystem::path& file, Options& o,
                             const DocumentDefaults& currentDocument);

// Where the options file lives: <config>/ZEVA/ZEVA 3/zeva.ini, with <config> the user's
// configuration folder ($XDG_CONFIG_HOME, else $HOME/.config); beside the program
// (programDir/zeva.ini) when neither is known.
std::filesystem::path optionsFilePath(const std::filesystem::path& programDir);

} // namespace zeva::settings
