#include "settings/language_choice.h"

#include "settings/language_file.h"
#include "settings/options_file.h"

namespace zeva::settings {

bool applyLanguage(TextTable& table, const std::vector<std::filesystem::path>& languageFolders,
                   std::string_view name) {
    const auto file = findLanguageFile(languageFolders, name);
    if (!file) return false;
    TextTable fresh;
    fresh.setBuiltInDefaults();
    if (!loadLanguageFile(fresh, *file)) return false;
    table = std::move(fresh);
    return true;
}

StartupOutcome startUpSettings(const std::filesystem::path& optionsFile,
                               const std::vector<std::filesystem::path>& languageFolders,
                               Options& options, TextTable& table, const LanguageChooser& choose) {
    StartupOutcome outcome;
    if (readOptionsFile(optionsFile, options) != OptionsError::None) {
        outcome.firstStart = true;
        loadOriginalOptions(options, true);
        options.languageFile.clear();
        const std::vector<std::string> names = languageNames(languageFolders);
        if (names.empty()) {
            outcome.noLanguageFiles = true;
            return outcome;
        }
        const std::optional<std::string> chosen = choose ? choose(names) : std::nullopt;
        if (!chosen) return outcome;
        options.languageFile = *chosen;
        outcome.optionsWritten = writeOptionsFile(optionsFile, options);
    }
    if (!options.languageFile.empty())
        outcome.languageLoaded = applyLanguage(table, languageFolders, options.languageFile);
    return outcome;
}

LanguageCommandOutcome chooseLanguage(const std::vector<std::filesystem::path>& languageFolders,
                                      Options& options, TextTable& table,
                                      const LanguageChooser& choose) {
    const std::vector<std::string> names = languageNames(languageFolders);
    if (names.empty()) return LanguageCommandOutcome::NoLanguageFiles;
    const std::optional<std::string> chosen = choose ? choose(names) : std::nullopt;
    if (!chosen) return LanguageCommandOutcome::Cancelled;
    if (!applyLanguage(table, languageFolders, *chosen)) return LanguageCommandOutcome::Unreadable;
    options.languageFile = *chosen;
    return LanguageCommandOutcome::Applied;
}

} // namespace zeva::settings
