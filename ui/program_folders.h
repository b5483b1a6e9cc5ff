#pragma once
// The folders of this program's data (languages, help books), by where its executable lies.

#include <filesystem>
#include <vector>

namespace zeva::ui {

// Beside the executable first, then the installed data folder (settings::dataFolders).
std::vector<std::filesystem::path> programDataFolders();

} // namespace zeva::ui
