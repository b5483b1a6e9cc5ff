#include "settings/help.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace zeva::settings {

namespace {

// Topic per ToolCode 0..73; 0 marks the codes that share the general topic 1002.
constexpr std::array<int, kToolCount> kToolTopics = {
    1001, 2001, 2004, 2005, 2017, 2006, 2007, 2010, 2011, 2002, // 0..9
    2003, 2018, 2008, 2009, 2014, 2012, 2013, 2015, 2016, 4001, // 10..19
    4002, 4003, 4004, 4005, 4006, 4007, 4008, 4009, 4011, 4010, // 20..29
    3009, 3010, 3016, 3001, 3003, 3002, 3011, 3004, 3005, 3012, // 30..39
    3006, 3013, 3014, 3015, 6002, 6003, 6004, 6005, 3007, 5001, // 40..49
    5002, 5002, 6001, 6007, 6006, 0,    1004, 1003, 1006, 0,    // 50..59
    0,    1005, 1005, 0,    0,    0,    0,    0,    0,    0,    // 60..69
    0,    0,    0,    0};                                       // 70..73

constexpr int kGeneralTopic = 1002;

std::filesystem::path findInBooks(const std::vector<std::filesystem::path>& bases,
                                  std::string_view book, std::string_view page) {
    // A book name or page with a separator could leave the help folder.
    if (book.empty() || book.find('/') != std::string_view::npos || book == "." || book == "..")
        return {};
    for (const auto& base : bases) {
        if (base.empty()) continue;
        auto path = base / kHelpFolder / book / page;
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec)) return path;
    }
    return {};
}

} // namespace

std::string_view helpBookName(const TextTable& t) {
    return isSpanish(t) ? "zeva3_es" : "zeva3_en";
}

int helpTopicForTool(int toolCode) {
    if (toolCode < 0 || toolCode >= kToolCount) return 1001;
    const int topic = kToolTopics[static_cast<size_t>(toolCode)];
    return topic == 0 ? kGeneralTopic : topic;
}

std::vector<int> allHelpTopics() {
    std::vector<int> topics = {kHelpTopicWhatsNew, kHelpTopicMacroDialog};
    for (int tool = -1; tool <= kToolCount; ++tool)
        topics.push_back(helpTopicForTool(tool));
    topics.insert(topics.end(), kHelpGeneralTopics.begin(), kHelpGeneralTopics.end());
    std::sort(topics.begin(), topics.end());
    topics.erase(std::unique(topics.begin(), topics.end()), topics.end());
    return topics;
}

std::string helpPageFileName(int topic) {
    return std::to_string(topic) + ".html";
}

std::filesystem::path findHelpPage(const std::vector<std::filesystem::path>& bases,
                                   std::string_view book, int topic) {
    return findInBooks(bases, book, helpPageFileName(topic));
}

std::filesystem::path findHelpContents(const std::vector<std::filesystem::path>& bases,
                                       std::string_view book) {
    return findInBooks(bases, book, kHelpContentsPage);
}

} // namespace zeva::settings
