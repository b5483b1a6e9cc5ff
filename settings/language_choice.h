#pragma once
// Choosing the interface language: at start (reading the options file, or at the first start
// asking for a language and writing the file) and from "Idioma...". The chooser itself is the
// window's; here it is a function that answers a name or nothing.

#include "settings/options.h"
#include "settings/text_table.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeva::settings {

// Shows the available language names and answers the chosen one, or none when cancelled.
using LanguageChooser =
    std::function<std::optional<std::string>(const std::vector<std::string>& names)>;

// Gives the table the language `name` from the first folder that has it, over the built-in
// texts, so that no text of the language shown before survives where the file is silent.
// False, with the table unchanged, when no folder has a readable file of that name.
bool applyLanguage(TextTable& table, const std::vector<std::filesystem::path>& languageFolders,
                   std::string_view name);

struct StartupOutcome {
    bool firstStart = false;      // the options file was missing or invalid: defaults were taken
    bool noLanguageFiles = false; // nothing to choose from: the built-in Spanish texts stay
    bool optionsWritten = false;  // the first start wrote the options file
    bool languageLoaded = false;  // the options' language file was applied
};

// The settings at start: the options from `optionsFile` when it is valid; otherwise the
// defaults, a language asked for with `choose`, and the file written at once. Then the language
// named by the options is applied. Never ends the program: with no language files, or when the
// choice is cancelled, the built-in Spanish texts stay and the file is not written (the next
// start asks again).
StartupOutcome startUpSettings(const std::filesystem::path& optionsFile,
                               const std::vector<std::filesystem::path>& languageFolders,
                               Options& options, TextTable& table, const LanguageChooser& choose);

enum class LanguageCommandOutcome {
    NoLanguageFiles, // nothing changed ("No se encuentran ficheros de lenguaje")
    Cancelled,       // nothing changed
    Applied,         // the table holds the chosen language, which the options remember
    Unreadable,      // the chosen file vanished or cannot be read: nothing changed
};

// "Idioma...": lists the languages, asks with `choose` and applies the chosen one.
LanguageCommandOutcome chooseLanguage(const std::vector<std::filesystem::path>& languageFolders,
                                      Options& options, TextTable& table,
                                      const LanguageChooser& choose);

} // namespace zeva::settings
