#pragma once
// Help: which help book the interface language uses, the topic of each tool and of the pages no
// tool opens, and where a topic's page lies. A help book is a folder of HTML pages,
// "help/<book>/<topic>.html" plus "index.html" (the contents), beside the program or in the
// installed data folder.

#include "settings/text_table.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zeva::settings {

inline constexpr int kHelpTopicWhatsNew = 1; // "Novedades"
inline constexpr int kHelpTopicMacroDialog = 5003;

// Pages that no tool opens, for the menus and windows that link to them.
inline constexpr int kHelpTopicBasics = 7001;      // picking elements, blinking, Esc, Ctrl
inline constexpr int kHelpTopicDocuments = 7002;   // new, open, save, close, documents list
inline constexpr int kHelpTopicEditing = 7003;     // undo, clipboard, printing, export
inline constexpr int kHelpTopicView = 7004;        // moving the screen, step by step, lists
inline constexpr int kHelpTopicOptions = 7005;     // the options dialogs and the language
inline constexpr int kHelpTopicCommandLine = 7006; // batch commands
inline constexpr int kHelpTopicAbout = 7007;       // "Acerca de ZEVA..."

inline constexpr std::array<int, 7> kHelpGeneralTopics = {
    kHelpTopicBasics,  kHelpTopicDocuments,   kHelpTopicEditing, kHelpTopicView,
    kHelpTopicOptions, kHelpTopicCommandLine, kHelpTopicAbout};

inline constexpr std::string_view kHelpFolder = "help";
inline constexpr std::string_view kHelpContentsPage = "index.html";

// "zeva3_es" when the interface is Spanish, else "zeva3_en".
std::string_view helpBookName(const TextTable& t);

// The topic "Página actual" opens for a tool (any ToolCode, including negative ones).
int helpTopicForTool(int toolCode);

// Every topic the program can open, without repeats, in ascending order.
std::vector<int> allHelpTopics();

// The page of a topic inside a book: "2001.html".
std::string helpPageFileName(int topic);

// The first "<base>/help/<book>/<topic>.html" that exists among `bases` (the folder beside the
// program first, then the installed data folder); empty when none has it.
std::filesystem::path findHelpPage(const std::vector<std::filesystem::path>& bases,
                                   std::string_view book, int topic);

// The book's contents page, "<base>/help/<book>/index.html", found the same way.
std::filesystem::path findHelpContents(const std::vector<std::filesystem::path>& bases,
                                       std::string_view book);

} // namespace zeva::settings
