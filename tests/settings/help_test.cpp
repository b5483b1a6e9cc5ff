#include "settings/help.h"
#include "settings/language_file.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <unistd.h>

namespace zeva::settings {
namespace {

namespace fs = std::filesystem;

TextTable defaults() {
    TextTable t;
    t.setBuiltInDefaults();
    return t;
}

TEST(Help, BookFollowsTheInterfaceLanguage) {
    TextTable t = defaults();
    EXPECT_EQ(helpBookName(t), "zeva3_es");
    applyLanguageText(t, "1=point\n2=line\n");
    EXPECT_EQ(helpBookName(t), "zeva3_en");
}

TEST(Help, TopicOfEachTool) {
    const std::pair<int, int> cases[] = {{0, 1001},  {-3, 1001}, {74, 1001}, {200, 1001},
                                         {1, 2001},  {11, 2018}, {28, 4011}, {29, 4010},
                                         {32, 3016}, {51, 5002}, {54, 6006}, {55, 1002},
                                         {56, 1004}, {59, 1002}, {62, 1005}, {73, 1002}};
    for (const auto& [tool, topic] : cases)
        EXPECT_EQ(helpTopicForTool(tool), topic) << tool;
}

class HelpFolders : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("zeva-help-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path page(const std::string& base, const std::string& book, const std::string& name) {
        const fs::path p = dir_ / base / "help" / book / name;
        fs::create_directories(p.parent_path());
        std::ofstream(p) << "<html></html>";
        return p;
    }
    fs::path dir_;
};

TEST_F(HelpFolders, TheFirstBaseThatHasThePageWins) {
    const fs::path installed = page("data", "zeva3_en", "2001.html");
    const fs::path contents = page("data", "zeva3_en", "index.html");
    const std::vector<fs::path> bases = {dir_ / "program", dir_ / "data", dir_ / "missing"};
    EXPECT_EQ(findHelpPage(bases, "zeva3_en", 2001), installed);
    EXPECT_EQ(findHelpContents(bases, "zeva3_en"), contents);
    const fs::path beside = page("program", "zeva3_en", "2001.html");
    EXPECT_EQ(findHelpPage(bases, "zeva3_en", 2001), beside);
    // Missing page, other book, a folder in place of a page, or a book that leaves the folder.
    EXPECT_TRUE(findHelpPage(bases, "zeva3_en", 2002).empty());
    EXPECT_TRUE(findHelpPage(bases, "zeva3_es", 2001).empty());
    fs::create_directories(dir_ / "program" / "help" / "zeva3_en" / "2003.html");
    EXPECT_TRUE(findHelpPage(bases, "zeva3_en", 2003).empty());
    page("program", "zeva3_en", "../../secret/index.html");
    EXPECT_TRUE(findHelpContents(bases, "../../secret").empty());
    EXPECT_TRUE(findHelpContents(bases, "").empty());
    EXPECT_TRUE(findHelpPage({}, "zeva3_en", 2001).empty());
}

TEST(Help, EveryTopicIsListedOnce) {
    const std::vector<int> topics = allHelpTopics();
    EXPECT_TRUE(std::is_sorted(topics.begin(), topics.end()));
    EXPECT_EQ(std::set<int>(topics.begin(), topics.end()).size(), topics.size());
    for (int t : {1, 1001, 1002, 2018, 3016, 4011, 5001, 5002, 5003, 6007, 7001, 7007})
        EXPECT_TRUE(std::binary_search(topics.begin(), topics.end(), t)) << t;
}

// ---- The shipped help books ----

const fs::path kHelpRoot = fs::path(ZEVA_SOURCE_DIR) / "help";
const char* const kBooks[] = {"zeva3_es", "zeva3_en"};

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::set<std::string> filesOf(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.insert(e.path().filename().string());
    return names;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The values of every `attribute="..."` in the page, in order.
std::vector<std::string> attributeValues(const std::string& html, const std::string& attribute) {
    std::vector<std::string> values;
    for (size_t at = html.find(attribute); at != std::string::npos;
         at = html.find(attribute, at + 1)) {
        if (at == 0 || !isBlank(html[at - 1])) continue;
        size_t i = at + attribute.size();
        while (i < html.size() && isBlank(html[i]))
            ++i;
        if (i >= html.size() || html[i] != '=') continue;
        ++i;
        while (i < html.size() && isBlank(html[i]))
            ++i;
        if (i >= html.size() || html[i] != '"') continue;
        const size_t close = html.find('"', i + 1);
        if (close == std::string::npos) break;
        values.push_back(html.substr(i + 1, close - i - 1));
    }
    return values;
}

// Every element that is opened is closed, in order (void elements aside), so the help window
// and any browser lay the page out the same way. Answers the first tag out of place.
std::string unbalancedTag(const std::string& html) {
    static const std::set<std::string> kVoid = {"meta", "link", "br", "hr", "img", "col", "wbr"};
    std::vector<std::string> open;
    for (size_t lt = html.find('<'); lt != std::string::npos; lt = html.find('<', lt + 1)) {
        const size_t gt = html.find('>', lt);
        if (gt == std::string::npos) return "<";
        const std::string tag = html.substr(lt + 1, gt - lt - 1);
        if (tag.empty() || tag[0] == '!') continue; // doctype or comment
        const bool closing = tag[0] == '/';
        std::string name;
        for (size_t i = closing ? 1 : 0;
             i < tag.size() && std::isalnum(static_cast<unsigned char>(tag[i])); ++i)
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(tag[i])));
        if (name.empty()) return "<" + tag + ">";
        if (kVoid.count(name) || tag.back() == '/') continue;
        if (!closing) {
            open.push_back(name);
        } else {
            if (open.empty() || open.back() != name) return "</" + name + ">";
            open.pop_back();
        }
    }
    return open.empty() ? std::string() : "<" + open.back() + ">";
}

TEST(HelpBooks, EveryTopicHasAPageInBothLanguagesAndNothingElse) {
    std::set<std::string> expected = {std::string(kHelpContentsPage), "style.css"};
    for (int topic : allHelpTopics())
        expected.insert(helpPageFileName(topic));
    for (const char* book : kBooks) {
        ASSERT_TRUE(fs::is_directory(kHelpRoot / book)) << book;
        EXPECT_EQ(filesOf(kHelpRoot / book), expected) << book;
        for (int topic : allHelpTopics())
            EXPECT_FALSE(findHelpPage({ZEVA_SOURCE_DIR}, book, topic).empty()) << book << topic;
        EXPECT_FALSE(findHelpContents({ZEVA_SOURCE_DIR}, book).empty()) << book;
    }
}

TEST(HelpBooks, EveryLinkResolvesAndEveryPageIsReachable) {
    for (const char* book : kBooks) {
        const fs::path dir = kHelpRoot / book;
        std::map<std::string, std::string> pages; // file name -> content
        for (const auto& name : filesOf(dir))
            if (fs::path(name).extension() == ".html") pages[name] = readFile(dir / name);
        const std::string lang = std::string(book).substr(std::string(book).size() - 2);
        std::set<std::string> linkedFromContents;
        for (const auto& [name, html] : pages) {
            SCOPED_TRACE(std::string(book) + "/" + name);
            EXPECT_NE(html.find("<html lang=\"" + lang + "\">"), std::string::npos);
            EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
            EXPECT_NE(html.find("href=\"style.css\""), std::string::npos);
            EXPECT_EQ(unbalancedTag(html), "");
            EXPECT_TRUE(attributeValues(html, "src").empty())
                << "pages load no files but the stylesheet";
            bool linksToContents = false;
            for (const auto& href : attributeValues(html, "href")) {
                SCOPED_TRACE(href);
                ASSERT_FALSE(href.empty());
                EXPECT_EQ(href.find(':'), std::string::npos) << "links stay inside the book";
                EXPECT_EQ(href.find('/'), std::string::npos);
                const auto hash = href.find('#');
                const std::string file = hash == 0 ? name : href.substr(0, hash);
                ASSERT_TRUE(fs::is_regular_file(dir / file));
                if (hash != std::string::npos) {
                    const std::string anchor = href.substr(hash + 1);
                    ASSERT_TRUE(pages.count(file));
                    const auto ids = attributeValues(pages[file], "id");
                    EXPECT_TRUE(std::find(ids.begin(), ids.end(), anchor) != ids.end())
                        << "no element with id " << anchor;
                }
                if (file == kHelpContentsPage) linksToContents = true;
                if (name == kHelpContentsPage) linkedFromContents.insert(file);
            }
            if (name != kHelpContentsPage) {
                EXPECT_TRUE(linksToContents);
            }
        }
        for (const auto& [name, html] : pages) {
            if (name != kHelpContentsPage) {
                EXPECT_TRUE(linkedFromContents.count(name)) << name;
            }
        }
    }
}

// A tool's page quotes the status-line text the tool shows, in the book's language.
TEST(HelpBooks, ToolPagesQuoteTheToolsStatusText) {
    TextTable english = defaults();
    ASSERT_TRUE(loadLanguageFile(english, fs::path(ZEVA_SOURCE_DIR) / "languages" / "English.lng"));
    const TextTable spanish = defaults();
    for (int tool = 0; tool < kToolCount; ++tool) {
        const std::string file = helpPageFileName(helpTopicForTool(tool));
        EXPECT_NE(readFile(kHelpRoot / "zeva3_es" / file).find(spanish.toolText(tool)),
                  std::string::npos)
            << tool << " " << spanish.toolText(tool);
        EXPECT_NE(readFile(kHelpRoot / "zeva3_en" / file).find(english.toolText(tool)),
                  std::string::npos)
            << tool << " " << english.toolText(tool);
    }
}

} // namespace
} // namespace zeva::settings
