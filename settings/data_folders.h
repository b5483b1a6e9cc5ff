#pragma once
// Where the program's data lies: the language files ("languages/") and the help books
// ("help/"). Both are looked for in the same folders, in the same order: beside the program
// first (a build or an unpacked copy runs from its own folder), then the installed data folder.

#include <filesystem>
#include <string_view>
#include <vector>

namespace zeva::settings {

inline constexpr std::string_view kLanguageFolder = "languages";

// The data folders for a program living in `programDir`, in search order, without repeats:
// programDir itself, programDir/../share/zeva (an installed tree moved as a whole) and the data
// folder chosen when the program was built (<prefix>/share/zeva). An empty programDir is left out.
std::vector<std::filesystem::path> dataFolders(const std::filesystem::path& programDir);

// The folders that hold the language files: "<folder>/languages" for each data folder, in order.
std::vector<std::filesystem::path>
languageFolders(const std::vector<std::filesystem::path>& dataFolders);

// The data folder chosen when the program was built; empty when none was given.
std::filesystem::path installedDataFolder();

} // namespace zeva::settings
