#pragma once
// The program's own fixed texts: its title and the few texts that are not in the text table
// because they must read right even when no language file could be loaded (the explanation
// shown then, the about box, the caption of the language chooser). They follow the interface:
// Spanish when it is Spanish, English otherwise.

#include "settings/text_table.h"

#include <string_view>

namespace zeva::settings {

inline constexpr std::string_view kProgramTitle = "ZEVA 3";
// The language chooser speaks to someone who may read neither language yet.
inline constexpr std::string_view kLanguageChooserCaption = "ZEVA - Language";

struct ProgramTexts {
    std::string_view subtitle;         // what the program is, under its title
    std::string_view versionLabel;     // followed by the version number
    std::string_view licence;          // the licence notice of the about box
    std::string_view builtWith;        // followed by the Qt version
    std::string_view helpCaption;      // caption of the help window
    std::string_view builtInLanguage;  // why the interface is in Spanish with no language file
};

const ProgramTexts& programTexts(bool spanish);
inline const ProgramTexts& programTexts(const TextTable& t) {
    return programTexts(isSpanish(t));
}

} // namespace zeva::settings
