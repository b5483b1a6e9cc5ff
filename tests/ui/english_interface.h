#pragma once
// The program's text table in English for the length of a test, the built-in Spanish after.

#include "settings/language_choice.h"
#include "settings/text_table.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zeva::testing {

inline std::vector<std::filesystem::path> sourceDataFolders() {
    return {std::filesystem::path(ZEVA_SOURCE_DIR)};
}

class EnglishInterface {
  public:
    EnglishInterface() {
        const bool loaded = settings::applyLanguage(
            settings::texts(), {std::filesystem::path(ZEVA_SOURCE_DIR) / "languages"}, "English");
        EXPECT_TRUE(loaded);
    }
    ~EnglishInterface() { settings::texts().setBuiltInDefaults(); }
    EnglishInterface(const EnglishInterface&) = delete;
    EnglishInterface& operator=(const EnglishInterface&) = delete;
};

} // namespace zeva::testing
