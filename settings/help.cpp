#include "settings/help.h"

#include <array>

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

} // namespace

std::string_view helpBookName(const TextTable& t) {
    return isSpanish(t) ? "zeva3_es" : "zeva3_en";
}

int helpTopicForTool(int toolCode) {
    if (toolCode < 0 || toolCode >= kToolCount) return 1001;
    const int topic = kToolTopics[static_cast<size_t>(toolCode)];
    return topic == 0 ? kGeneralTopic : topic;
}

} // namespace zeva::settings
