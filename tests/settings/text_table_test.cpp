#include "settings/language_file.h"
#include "settings/text_table.h"

#include "model/codepage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <set>
#include <unistd.h>

namespace zeva::settings {
namespace {

namespace fs = std::filesystem;
using model::ElementClass;
using model::Kind;

TextTable defaults() {
    TextTable t;
    t.setBuiltInDefaults();
    return t;
}

TEST(TextTable, BuiltInTexts) {
    const TextTable t = defaults();
    EXPECT_EQ(t.classWord(ElementClass::Point), "punto");
    EXPECT_EQ(t.classWord(ElementClass::Function), "función");
    EXPECT_EQ(t.classWord(ElementClass::Bitmap), "bitmap");
    EXPECT_EQ(t.toolText(17), "Punto(s) de Intersección de dos elementos");
    EXPECT_EQ(t.toolText(38), "Ecuación,coordenadas");
    EXPECT_EQ(t.toolText(61), "Color paramétrico");
    EXPECT_EQ(t.toolText(74), "");
    EXPECT_EQ(t.message(kMsgNotExisting), "no existente");
    EXPECT_EQ(t.message(kMsgInvalidFile), "no es un archivo válido");
    EXPECT_EQ(t.message(8), "");
    EXPECT_EQ(t.shortText(kWordNotCollinear), "no alineados");
    EXPECT_EQ(t.controlText(550), "&Archivo");
    EXPECT_EQ(t.controlText(616), "Nuevo documento");
    EXPECT_EQ(t.message(kMsgUnitArea), "área");
    EXPECT_EQ(t.message(kMsgMacrosOfOtherDocuments), "Macros de otros documentos");
    EXPECT_EQ(t.message(121), "");
    for (int k = 0; k < model::kKindCount; ++k)
        EXPECT_EQ(t.kindName(Kind(k)), model::kindName(Kind(k))) << k;
}

TEST(TextTable, EveryToolTextHasItsOwnKey) {
    std::map<int, int> keyOfTool;
    for (int key = 0; key < 1000; ++key) {
        const KeyTarget target = targetOfKey(key);
        if (target.target == TextTarget::ShortText && target.index < kToolCount) {
            EXPECT_TRUE(keyOfTool.emplace(target.index, key).second) << key;
        }
    }
    ASSERT_EQ(keyOfTool.size(), static_cast<size_t>(kToolCount));
    EXPECT_EQ(keyOfTool.at(57), 538);
    EXPECT_EQ(keyOfTool.at(58), 658);
    EXPECT_EQ(keyOfTool.at(73), 673);
    TextTable t = defaults();
    applyLanguageText(t, "662=Parametric fill colour\n");
    EXPECT_EQ(t.toolText(62), "Parametric fill colour");
}

TEST(TextTable, KindWordsFollowTheClassWords) {
    TextTable t = defaults();
    EXPECT_EQ(t.kindWord(Kind::Midpoint), "punto");
    EXPECT_EQ(t.kindWord(Kind::PolygonSide), "lado");
    EXPECT_EQ(t.kindWord(Kind::AxisY), "eje y");
    EXPECT_EQ(t.kindWord(Kind::CoordinateX), "coordenada x o r");
    EXPECT_EQ(t.kindWord(Kind::FunctionGraph), "Representación de función");
    EXPECT_EQ(t.kindWord(Kind::Locus), "lugar geométrico");
    applyLanguageText(t, "1=point\n27=side\n156=Function graph\n");
    EXPECT_EQ(t.kindWord(Kind::FreePoint), "point");
    EXPECT_EQ(t.kindWord(Kind::PolygonSide), "side");
    EXPECT_EQ(t.kindWord(Kind::FunctionGraph), "Function graph");
}

TEST(TextTable, IsSpanishLooksAtTheFirstTwoClassWords) {
    TextTable t = defaults();
    EXPECT_TRUE(isSpanish(t));
    applyLanguageText(t, "1=  PUNTO  \n2=Recta\t\n");
    EXPECT_TRUE(isSpanish(t));
    applyLanguageText(t, "1=point\n");
    EXPECT_FALSE(isSpanish(t));
    applyLanguageText(t, "1=punto\n2=line\n");
    EXPECT_FALSE(isSpanish(t));
}

TEST(TextTable, CutToSlotCountsWindows1252Bytes) {
    EXPECT_EQ(cutToSlot("ñañaña", 4), "ñaña");
    EXPECT_EQ(cutToSlot("abc", 3), "abc");
    EXPECT_EQ(cutToSlot("abc", 0), "");
}

// One language line against the built-in table: which key it should change and to what, or
// nothing at all.
struct LineCase {
    const char* name;
    std::string line;
    int key;              // 0: the line must change nothing
    std::string expected; // UTF-8
};

class LanguageLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(LanguageLine, Applies) {
    const LineCase& c = GetParam();
    TextTable t = defaults();
    applyLanguageText(t, c.line);
    if (c.key == 0) {
        const TextTable d = defaults();
        EXPECT_EQ(t.shortTexts, d.shortTexts);
        EXPECT_EQ(t.kindNames, d.kindNames);
        EXPECT_EQ(t.messages, d.messages);
        EXPECT_EQ(t.extraMessages, d.extraMessages);
        EXPECT_EQ(t.controlTexts, d.controlTexts);
    } else {
        EXPECT_EQ(t.byKey(c.key), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LanguageLine,
    ::testing::Values(
        LineCase{"BlanksAroundKeyAndAfterEquals", "1 = palabra", 1, "palabra"},
        LineCase{"TabsAfterEquals", "2=\t recta2", 2, "recta2"},
        LineCase{"TrailingBlanksKept", "604=Lista ", 604, "Lista "},
        LineCase{"NegativeKeyTakesAbsoluteValue", "-1000=uno", 1000, "uno"},
        LineCase{"PlusSign", "+1001=dos", 1001, "dos"},
        LineCase{"ValueMayHoldEquals", "1092=a=b", 1092, "a=b"},
        LineCase{"EmptyValue", "1092=", 1092, ""}, LineCase{"CRLF", "1092=x\r\n", 1092, "x"},
        LineCase{"Windows1252", "6=circunferenci\xe1", 6, "circunferenciá"},
        LineCase{"ExtraMessage", "2005=extra", 2005, "extra"},
        LineCase{"MenuCaption", "550=&File", 550, "&File"},
        LineCase{"HintWithoutDefault", "620=Previous", 620, "Previous"},
        LineCase{"LaterLinesWin", "1=a\n1=b\n1=c", 1, "c"},
        LineCase{"ShortSlotCut", "1=" + std::string(100, 'x'), 1, std::string(79, 'x')},
        LineCase{"MessageSlotCut", "1001=" + std::string(200, 'y'), 1001, std::string(127, 'y')},
        LineCase{"CutCountsBytesNotUtf8", "1=" + std::string(100, '\xe9'), 1,
                 [] {
                     std::string s;
                     for (int i = 0; i < 79; ++i)
                         s += "é";
                     return s;
                 }()},
        LineCase{"LongLineCutAt255", "1001=" + std::string(300, 'z'), 1001, std::string(127, 'z')},
        LineCase{"Comment", ";1=x", 0, ""}, LineCase{"IndentedComment", "  \t;1=x", 0, ""},
        LineCase{"NoEquals", "1 punto", 0, ""}, LineCase{"KeyNotANumber", "uno=x", 0, ""},
        LineCase{"KeyWithTrailingText", "1a=x", 0, ""}, LineCase{"EmptyKey", "=x", 0, ""},
        LineCase{"UnknownKey", "99=x", 0, ""},
        LineCase{"KeyTooLarge", "99999999999999999999=x", 0, ""},
        LineCase{"MostNegativeInt", "-2147483648=x", 0, ""},
        LineCase{"EqualsBeyond255", std::string(260, ' ') + "1=x", 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

class LanguageFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("zeva-lng-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    fs::path dir_;
};

TEST_F(LanguageFiles, MissingFileChangesNothing) {
    TextTable t = defaults();
    EXPECT_FALSE(loadLanguageFile(t, dir_ / "none.lng"));
    EXPECT_FALSE(loadLanguage(t, {dir_}, "none"));
    EXPECT_FALSE(loadLanguage(t, {dir_}, ""));
    EXPECT_EQ(t.classWord(ElementClass::Point), "punto");
}

TEST_F(LanguageFiles, FirstFolderThatHasTheLanguageWins) {
    const fs::path other = dir_ / "data";
    fs::create_directories(other);
    write("data/English.lng", "1=from data\n");
    TextTable t = defaults();
    ASSERT_TRUE(loadLanguage(t, {dir_, other}, "English"));
    EXPECT_EQ(t.classWord(ElementClass::Point), "from data");
    write("English.lng", "1=beside program\n");
    ASSERT_TRUE(loadLanguage(t, {dir_, other}, "English"));
    EXPECT_EQ(t.classWord(ElementClass::Point), "beside program");
}

TEST_F(LanguageFiles, NamesAreListedSortedWithoutRepeats) {
    write("b.lng", "");
    write("A.lng", "");
    write("notes.txt", "");
    write("upper.LNG", "");
    write("x.v2.lng", "");
    write(std::string(41, 'n') + ".lng", "");
    fs::create_directories(dir_ / "folder.lng");
    fs::create_directories(dir_ / "more");
    write("more/b.lng", "");
    write("more/c.lng", "");
    const auto names = languageNames({dir_, dir_ / "more", dir_ / "missing"});
    EXPECT_EQ(names, (std::vector<std::string>{"A", "b", "c", "x.v2"}));
    // Every listed name loads.
    for (const auto& n : names)
        EXPECT_TRUE(findLanguageFile({dir_, dir_ / "more"}, n)) << n;
}

// The shipped language files: lines of "key=text" (comments and blank lines aside).
std::map<int, std::string> shippedEntries(const std::string& file) {
    std::ifstream in(fs::path(ZEVA_SOURCE_DIR) / "languages" / file, std::ios::binary);
    std::map<int, std::string> entries;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        const auto eq = line.find('=');
        entries[std::stoi(line.substr(0, eq))] = line.substr(eq + 1);
    }
    return entries;
}

// Every key that has a built-in text.
std::set<int> keysWithDefaults() {
    const TextTable d = defaults();
    std::set<int> keys;
    for (int key = 0; key < 2100; ++key)
        if (targetOfKey(key).target != TextTarget::None && !d.byKey(key).empty()) keys.insert(key);
    return keys;
}

TEST(ShippedLanguages, SpanishRestatesTheBuiltInTexts) {
    const auto entries = shippedEntries("Espanol.lng");
    for (int key : keysWithDefaults())
        EXPECT_TRUE(entries.count(key)) << key;
    TextTable t = defaults();
    ASSERT_TRUE(loadLanguageFile(t, fs::path(ZEVA_SOURCE_DIR) / "languages" / "Espanol.lng"));
    const TextTable d = defaults();
    EXPECT_EQ(t.shortTexts, d.shortTexts);
    EXPECT_EQ(t.kindNames, d.kindNames);
    for (int key : keysWithDefaults())
        EXPECT_EQ(t.byKey(key), d.byKey(key)) << key;
    EXPECT_TRUE(isSpanish(t));
}

TEST(ShippedLanguages, BothFilesHoldTheSameKeysAndEveryKeyNamesASlot) {
    const auto spanish = shippedEntries("Espanol.lng");
    const auto english = shippedEntries("English.lng");
    std::set<int> spanishKeys, englishKeys;
    for (const auto& [key, value] : spanish) {
        spanishKeys.insert(key);
        EXPECT_NE(targetOfKey(key).target, TextTarget::None) << key;
    }
    for (const auto& [key, value] : english) {
        englishKeys.insert(key);
        EXPECT_FALSE(value.empty()) << key;
    }
    EXPECT_EQ(spanishKeys, englishKeys);
    // Every key a default is built in for is in both files, so no text stays Spanish in English.
    for (int key : keysWithDefaults())
        EXPECT_TRUE(englishKeys.count(key)) << key;
}

TEST(ShippedLanguages, EnglishTranslatesEveryKeyWithABuiltInText) {
    const auto entries = shippedEntries("English.lng");
    TextTable t = defaults();
    ASSERT_TRUE(loadLanguageFile(t, fs::path(ZEVA_SOURCE_DIR) / "languages" / "English.lng"));
    EXPECT_FALSE(isSpanish(t));
    // Nothing was cut to fit its slot.
    for (const auto& [key, value] : entries)
        EXPECT_EQ(t.byKey(key), model::utf8FromWindows1252(value)) << key;
    EXPECT_EQ(t.message(kMsgNotExisting), "not existing");
    EXPECT_EQ(t.toolText(58), "Font");
    EXPECT_EQ(t.toolText(70), "Change the appearance of an element");
    EXPECT_EQ(t.controlText(607), "(empty)");
    EXPECT_EQ(t.message(kMsgUnitNumber), "number");
    EXPECT_EQ(t.kindWord(Kind::PolygonSide), "side");
}

} // namespace
} // namespace zeva::settings
