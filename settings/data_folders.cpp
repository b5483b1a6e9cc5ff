#include "settings/data_folders.h"

#include <algorithm>

#ifndef ZEVA_INSTALLED_DATA_DIR
#define ZEVA_INSTALLED_DATA_DIR ""
#endif

namespace zeva::settings {

std::filesystem::path installedDataFolder() {
    return std::filesystem::path(ZEVA_INSTALLED_DATA_DIR);
}

std::vector<std::filesystem::path> dataFolders(const std::filesystem::path& programDir) {
    std::vector<std::filesystem::path> folders;
    const auto add = [&folders](const std::filesystem::path& folder) {
        if (folder.empty()) return;
        const std::filesystem::path normal = folder.lexically_normal();
        if (std::find(folders.begin(), folders.end(), normal) == folders.end())
            folders.push_back(normal);
    };
    if (!programDir.empty()) {
        add(programDir);
        add(programDir / ".." / "share" / "zeva");
    }
    add(installedDataFolder());
    return folders;
}

std::vector<std::filesystem::path>
languageFolders(const std::vector<std::filesystem::path>& dataFolders) {
    std::vector<std::filesystem::path> folders;
    folders.reserve(dataFolders.size());
    for (const auto& folder : dataFolders)
        folders.push_back(folder / kLanguageFolder);
    return folders;
}

} // namespace zeva::settings
