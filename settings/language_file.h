#pragma once
// Language files (".lng"): Windows-1252 text, one "key = text" entry per line, ";" comments.
// Each entry replaces one slot of the text table or one control's caption or hint.

#include "settings/text_table.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeva::settings {

inline constexpr size_t kMaxLanguageLineLength = 255; // longer lines are cut

// Applies one line (Windows-1252 bytes, without its line end). Comments, lines without "=",
// keys that are not integers and keys that name no slot change nothing.
void applyLanguageLine(TextTable& table, std::string_view line);

// Applies every line of a file's content in order (later lines win), then rebuilds the kind
// words. Accepts LF and CRLF line ends.
void applyLanguageText(TextTable& table, std::string_view content);

// Applies the file; false, with the table unchanged, when it cannot be read.
bool loadLanguageFile(TextTable& table, const std::filesystem::path& file);

// The first "<dir>/<name>.lng" that exists among `dirs` (the folder beside the program first,
// then the installed data folder); none when there is none.
std::optional<std::filesystem::path>
findLanguageFile(const std::vector<std::filesystem::path>& dirs, std::string_view name);

// Loads the language `name` from the first folder that has it; false when none has it.
bool loadLanguage(TextTable& table, const std::vector<std::filesystem::path>& dirs,
                  std::string_view name);

// The languages available in `dirs`: each ".lng" file's name without its extension, without
// repeats, sorted alphabetically (ignoring case). Names longer than the options file can hold
// (40 bytes) are left out, since choosing one could never be remembered.
std::vector<std::string> languageNames(const std::vector<std::filesystem::path>& dirs);

} // namespace zeva::settings
