// Start-up settings (first start included), "Idioma..." and the folders data is found in.

#include "settings/data_folders.h"
#include "settings/language_choice.h"
#include "settings/language_file.h"
#include "settings/options_file.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace zeva::settings {
namespace {

namespace fs = std::filesystem;
using model::ElementClass;

TextTable builtIn() {
    TextTable t;
    t.setBuiltInDefaults();
    return t;
}

class Startup : public ::testing::Test {
  protected:
    Startup() {
        fs::create_directories(languages());
        for (const char* name : {"English.lng", "Espanol.lng"})
            fs::copy_file(fs::path(ZEVA_SOURCE_DIR) / "languages" / name, languages() / name);
    }
    fs::path languages() const { return dir_.path() / "program" / "languages"; }
    fs::path optionsFile() const { return dir_.path() / "config" / "ZEVA" / "ZEVA 3" / "zeva.ini"; }
    std::vector<fs::path> folders() const { return {languages(), dir_.path() / "missing"}; }

    testing::TempDir dir_;
};

TEST_F(Startup, FirstStartAsksForTheLanguageWritesTheFileAndIsNotAskedAgain) {
    Options options;
    options.detectionDistance = 17; // whatever was there: a first start takes the defaults
    TextTable table = builtIn();
    std::vector<std::string> offered;
    const StartupOutcome first = startUpSettings(
        optionsFile(), folders(), options, table, [&](const std::vector<std::string>& names) {
            offered = names;
            return std::optional<std::string>("English");
        });
    EXPECT_TRUE(first.firstStart);
    EXPECT_TRUE(first.optionsWritten);
    EXPECT_TRUE(first.languageLoaded);
    EXPECT_EQ(offered, (std::vector<std::string>{"English", "Espanol"}));
    EXPECT_EQ(options.detectionDistance, 8);
    EXPECT_EQ(table.classWord(ElementClass::Point), "point");
    EXPECT_FALSE(isSpanish(table));

    // The file holds the defaults and the language, byte for byte as written from them.
    Options read;
    ASSERT_EQ(readOptionsFile(optionsFile(), read), OptionsError::None);
    EXPECT_EQ(read.languageFile, "English");
    Options expected;
    expected.languageFile = "English";
    std::ifstream in(optionsFile(), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes, serializeOptions(expected, expected.documentDefaults()));

    // The next start reads it and asks nothing.
    Options again;
    TextTable table2 = builtIn();
    const StartupOutcome second =
        startUpSettings(optionsFile(), folders(), again, table2, [](const auto&) {
            ADD_FAILURE() << "asked for a language although the options file is valid";
            return std::optional<std::string>();
        });
    EXPECT_FALSE(second.firstStart);
    EXPECT_TRUE(second.languageLoaded);
    EXPECT_EQ(table2.classWord(ElementClass::Line), "line");
}

TEST_F(Startup, WithoutALanguageTheBuiltInSpanishStaysAndNothingIsWritten) {
    // No language file anywhere: nothing to ask, no dead end.
    Options options;
    TextTable table = builtIn();
    bool asked = false;
    const StartupOutcome none = startUpSettings(
        optionsFile(), {dir_.path() / "nowhere"}, options, table, [&](const auto&) {
            asked = true;
            return std::optional<std::string>("English");
        });
    EXPECT_TRUE(none.firstStart);
    EXPECT_TRUE(none.noLanguageFiles);
    EXPECT_FALSE(asked);
    EXPECT_FALSE(none.optionsWritten);
    EXPECT_FALSE(fs::exists(optionsFile()));
    EXPECT_TRUE(isSpanish(table));

    // The chooser cancelled: the same, and the next start asks again.
    const StartupOutcome cancelled = startUpSettings(
        optionsFile(), folders(), options, table, [](const auto&) { return std::nullopt; });
    EXPECT_FALSE(cancelled.noLanguageFiles);
    EXPECT_FALSE(cancelled.optionsWritten);
    EXPECT_FALSE(fs::exists(optionsFile()));
    EXPECT_EQ(table.classWord(ElementClass::Point), "punto");

    // An options file naming a language that is gone: Spanish, and the file is kept as it is.
    Options stale;
    stale.languageFile = "Klingon";
    ASSERT_TRUE(writeOptionsFile(optionsFile(), stale));
    const StartupOutcome gone =
        startUpSettings(optionsFile(), folders(), options, table, [](const auto&) {
            return std::optional<std::string>("English");
        });
    EXPECT_FALSE(gone.firstStart);
    EXPECT_FALSE(gone.languageLoaded);
    EXPECT_EQ(options.languageFile, "Klingon");
    EXPECT_TRUE(isSpanish(table));
}

TEST_F(Startup, ChoosingALanguageReplacesEveryTextOfTheOldOne) {
    std::ofstream(languages() / "Partial.lng") << "1=Punkt\n";
    Options options;
    options.languageFile = "English";
    TextTable table = builtIn();
    ASSERT_TRUE(applyLanguage(table, folders(), "English"));
    const auto choose = [](std::string name) {
        return [name](const std::vector<std::string>&) { return std::optional<std::string>(name); };
    };

    EXPECT_EQ(chooseLanguage(folders(), options, table, choose("Partial")),
              LanguageCommandOutcome::Applied);
    EXPECT_EQ(options.languageFile, "Partial");
    EXPECT_EQ(table.classWord(ElementClass::Point), "Punkt");
    // Where the new file is silent the built-in text is back, not the English one.
    EXPECT_EQ(table.classWord(ElementClass::Line), "recta");
    EXPECT_EQ(table.toolText(9), builtIn().toolText(9));

    // Cancelled, or a name whose file is gone: nothing changes.
    const TextTable before = table;
    EXPECT_EQ(chooseLanguage(folders(), options, table,
                             [](const auto&) { return std::optional<std::string>(); }),
              LanguageCommandOutcome::Cancelled);
    EXPECT_EQ(chooseLanguage(folders(), options, table, choose("Gone")),
              LanguageCommandOutcome::Unreadable);
    EXPECT_EQ(options.languageFile, "Partial");
    EXPECT_EQ(table.shortTexts, before.shortTexts);
    EXPECT_EQ(table.messages, before.messages);
    EXPECT_EQ(chooseLanguage({dir_.path() / "nowhere"}, options, table, choose("English")),
              LanguageCommandOutcome::NoLanguageFiles);
}

TEST(DataFolders, BesideTheProgramThenTheInstalledTreeThenTheBuiltInPrefix) {
    const auto folders = dataFolders("/opt/zeva/bin");
    ASSERT_GE(folders.size(), 2u);
    EXPECT_EQ(folders[0], fs::path("/opt/zeva/bin"));
    EXPECT_EQ(folders[1], fs::path("/opt/zeva/share/zeva"));
    EXPECT_EQ(folders.back(), installedDataFolder().lexically_normal());
    EXPECT_EQ(languageFolders(folders)[1], fs::path("/opt/zeva/share/zeva/languages"));
    // Installed where the program was built for: no folder twice.
    const fs::path installedBin = installedDataFolder() / ".." / ".." / "bin";
    const auto installed = dataFolders(installedBin);
    EXPECT_EQ(installed.size(), 2u);
    EXPECT_TRUE(dataFolders({}).size() == 1 && dataFolders({})[0] == installedDataFolder());
}

} // namespace
} // namespace zeva::settings
