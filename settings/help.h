#pragma once
// Help: which help book the interface language uses, and the topic of each tool.

#include "settings/text_table.h"

#include <string_view>

namespace zeva::settings {

inline constexpr int kHelpTopicWhatsNew = 1; // "Novedades"
inline constexpr int kHelpTopicMacroDialog = 5003;

// "zeva3_es" when the interface is Spanish, else "zeva3_en".
std::string_view helpBookName(const TextTable& t);

// The topic "Página actual" opens for a tool (any ToolCode, including negative ones).
int helpTopicForTool(int toolCode);

} // namespace zeva::settings
