#include "settings/options_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <unistd.h>

namespace zeva::settings {
namespace {

namespace fs = std::filesystem;

// Options differing from the defaults in every stored field.
Options changedOptions() {
    Options o;
    o.languageFile = "Español";
    o.windowLeft = -5;
    o.windowTop = 7;
    o.windowHeight = 500;
    o.windowWidth = 700;
    o.windowState = 0;
    o.units.backgroundColor = 0x112233;
    o.selectionColor = 0x445566;
    o.hiddenColor = 0x778899;
    o.planeSize = 4321.5;
    o.showMainButtons = 0;
    o.showEditButtons = 0;
    o.showStatusBar = 0;
    o.fullScreen = 1;
    o.showHidden = 1;
    o.textFont = {"Times New Roman", 0x010203, 14, 1, 0, 1, 0};
    o.namesFont = {"Courier", 0x040506, 9, 0, 1, 0, 1};
    o.numbersFont = {"Verdana", 0x070809, 16, 1, 1, 1, 1};
    o.cursorFont = {"Tahoma", 0x0A0B0C, 8, 0, 0, 0, 0};
    o.listFont = {"Señal", 0x0D0E0F, 12, 1, 0, 0, 0};
    o.listBackground = 0x202020;
    o.angleArcRatio = 0.25;
    o.detectionDistance = 12;
    o.nameDistance = 70;
    o.adaptCursorColor = 0;
    o.units.lengthUnit = model::LengthUnit::Kilometre;
    o.units.angleUnit = model::AngleUnit::Grad;
    o.units.pixelsPerUnit = 55;
    o.units.coordSystem = model::CoordinateSystem::Polar;
    o.decimals = 5;
    o.locusPoints = 300;
    o.hideIntermediate = 0;
    for (size_t i = 0; i < kStoredClasses.size(); ++i) {
        o.classColor[model::toInt(kStoredClasses[i])] = 0x100 + static_cast<int32_t>(i);
        o.classStyle[model::toInt(kStoredClasses[i])] = 1 + static_cast<int32_t>(i % 4);
    }
    return o;
}

int32_t i32At(const std::vector<uint8_t>& b, size_t offset) {
    int32_t v;
    std::memcpy(&v, b.data() + offset, 4);
    return v;
}

void putI32(std::vector<uint8_t>& b, size_t offset, int32_t v) {
    std::memcpy(&b[offset], &v, 4);
}

class TempDir : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("zeva-options-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST(OptionsFile, RoundTripKeepsEveryStoredField) {
    const Options o = changedOptions();
    const auto bytes = serializeOptions(o, o.documentDefaults());
    OptionsError error = OptionsError::Missing;
    const auto back = parseOptions(bytes, Options{}, &error);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(error, OptionsError::None);
    EXPECT_EQ(*back, o);
}

TEST(OptionsFile, LayoutOfTheDefaultFile) {
    Options o;
    o.languageFile = "English";
    const auto b = serializeOptions(o, o.documentDefaults());
    ASSERT_GE(b.size(), 16u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "ZEVA");
    EXPECT_EQ(i32At(b, 4), 300);
    EXPECT_EQ(i32At(b, 8), 7);
    EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 19), "English");
    // Window geometry right after the name: 10, 10, 440, 610, 2; then the background colour.
    EXPECT_EQ(i32At(b, 19), 10);
    EXPECT_EQ(i32At(b, 31), 610);
    EXPECT_EQ(i32At(b, 35), 2);
    EXPECT_EQ(i32At(b, 39), 0);
    EXPECT_EQ(i32At(b, 43), 0xFFAAAA);
    // 4 + 4 + 4 + 7 + 5*4 + 4 + 2*4 + 8 + 5*4 bytes, then the fonts "Arial", "Arial", "Arial",
    // "System", "Arial" (4 + n + 24 bytes each), then 4 + 8 + 2*4 + 4 + 4*4 + 2*4 + 4 + 10*4 +
    // 10*4.
    const size_t fonts = 4 * (4 + 5 + 24) + (4 + 6 + 24);
    EXPECT_EQ(b.size(), 79u + fonts + 132u);
    // The last field is the style of ejes.
    EXPECT_EQ(i32At(b, b.size() - 4), 1);
    EXPECT_EQ(i32At(b, b.size() - 44), 0x808080); // colour of ejes
    EXPECT_EQ(i32At(b, b.size() - 80), 255);      // colour of punto
}

TEST(OptionsFile, BackgroundAndUnitsComeFromTheGivenDocument) {
    const Options o;
    const DocumentDefaults doc{0x00FF00, model::LengthUnit::Metre, model::AngleUnit::Degree, 100,
                               model::CoordinateSystem::Polar};
    const auto back = parseOptions(serializeOptions(o, doc), Options{});
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->documentDefaults(), doc);
    EXPECT_EQ(back->decimals, o.decimals);
}

TEST(OptionsFile, NamesAreCutToTheirLimits) {
    Options o;
    o.languageFile = std::string(45, 'L');
    o.textFont.name = std::string(40, 'F');
    const auto back = parseOptions(serializeOptions(o, o.documentDefaults()), Options{});
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->languageFile, std::string(40, 'L'));
    EXPECT_EQ(back->textFont.name, std::string(31, 'F'));
}

TEST(OptionsFile, LongFontNamesInAFileAreCutWhenRead) {
    Options o;
    auto b = serializeOptions(o, o.documentDefaults());
    // Replace the text font's name "Arial" (at offset 4+4+4+0+20+4+8+8+20 = 72) with 35 bytes.
    const size_t at = 72;
    ASSERT_EQ(i32At(b, at), 5);
    b.erase(b.begin() + at + 4, b.begin() + at + 9);
    b.insert(b.begin() + at + 4, 35, 'N');
    putI32(b, at, 35);
    const auto back = parseOptions(b, Options{});
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->textFont.name, std::string(31, 'N'));
}

TEST(OptionsFile, NamesAreWindows1252InTheFile) {
    Options o;
    o.languageFile = "Español";
    const auto b = serializeOptions(o, o.documentDefaults());
    EXPECT_EQ(i32At(b, 8), 7);
    EXPECT_EQ(b[12 + 4], 0xF1);
}

struct BadFile {
    const char* name;
    size_t offset; // where to write `value` (bytes 0..3 for the signature)
    int32_t value;
    OptionsError expected;
};

class OptionsFileRefusal : public ::testing::TestWithParam<BadFile> {};

TEST_P(OptionsFileRefusal, IsRefusedWithItsReason) {
    const BadFile& c = GetParam();
    const Options o;
    auto b = serializeOptions(o, o.documentDefaults());
    putI32(b, c.offset, c.value);
    OptionsError error = OptionsError::None;
    EXPECT_FALSE(parseOptions(b, o, &error).has_value());
    EXPECT_EQ(error, c.expected);
}

// Offsets in a file with an empty language name: window fields at 12, background 32,
// planeSize 44, fonts from 72; the last 132 bytes are the fixed tail.
const size_t kTail = 72 + 4 * 33 + 34; // offset of listBackground with an empty name

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionsFileRefusal,
    ::testing::Values(BadFile{"Signature", 0, 0x4156455A + 1, OptionsError::BadSignature},
                      BadFile{"Version200", 4, 200, OptionsError::BadVersion},
                      BadFile{"LanguageName41", 8, 41, OptionsError::BadLanguageName},
                      BadFile{"LanguageNameNegative", 8, -1, OptionsError::BadLanguageName},
                      BadFile{"FontNameNegative", 72, -3, OptionsError::Truncated},
                      BadFile{"FontNameHuge", 72, 1 << 30, OptionsError::Truncated},
                      BadFile{"WindowState", 28, 7, OptionsError::BadValue},
                      BadFile{"DetectionDistance", kTail + 12, 0, OptionsError::BadValue},
                      BadFile{"LengthUnit", kTail + 24, 4, OptionsError::BadValue},
                      BadFile{"LengthUnitNegative", kTail + 24, -1, OptionsError::BadValue},
                      BadFile{"AngleUnit", kTail + 28, 3, OptionsError::BadValue},
                      BadFile{"CoordinateSystem", kTail + 36, 2, OptionsError::BadValue},
                      BadFile{"PixelsPerUnitZero", kTail + 32, 0, OptionsError::BadValue},
                      BadFile{"Decimals", kTail + 40, 9, OptionsError::BadValue},
                      BadFile{"LocusPointsHuge", kTail + 44, 1 << 28, OptionsError::BadValue}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OptionsFile, EveryTruncationIsRefused) {
    const Options o = changedOptions();
    const auto b = serializeOptions(o, o.documentDefaults());
    for (size_t n = 0; n < b.size(); ++n) {
        OptionsError error = OptionsError::None;
        const std::vector<uint8_t> prefix(b.begin(), b.begin() + static_cast<long>(n));
        EXPECT_FALSE(parseOptions(prefix, Options{}, &error).has_value()) << n;
        EXPECT_NE(error, OptionsError::None) << n;
    }
}

TEST(OptionsFile, NonFiniteRealsAreRefused) {
    const Options o;
    auto b = serializeOptions(o, o.documentDefaults());
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::memcpy(&b[44], &nan, 8); // planeSize
    OptionsError error = OptionsError::None;
    EXPECT_FALSE(parseOptions(b, o, &error).has_value());
    EXPECT_EQ(error, OptionsError::BadValue);
}

TEST(OptionsFile, FieldsNotStoredKeepTheirValues) {
    Options base;
    base.currentColor = 0x123456;
    base.useCurrentColor = 1;
    base.classColor[model::toInt(model::ElementClass::Conic)] = 77;
    const auto back = parseOptions(serializeOptions(Options{}, DocumentDefaults{}), base);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->currentColor, 0x123456);
    EXPECT_EQ(back->useCurrentColor, 1);
    EXPECT_EQ(back->classColor[model::toInt(model::ElementClass::Conic)], 77);
}

using OptionsFileOnDisk = TempDir;

TEST_F(OptionsFileOnDisk, WriteCreatesFoldersAndReadsBack) {
    const fs::path file = dir_ / "ZEVA" / "ZEVA 3" / "zeva.ini";
    const Options o = changedOptions();
    ASSERT_TRUE(writeOptionsFile(file, o));
    EXPECT_FALSE(fs::exists(file.string() + ".tmp"));
    Options read;
    EXPECT_EQ(readOptionsFile(file, read), OptionsError::None);
    EXPECT_EQ(read, o);
}

TEST_F(OptionsFileOnDisk, MissingOrBadFileLeavesTheOptionsUntouched) {
    Options o = changedOptions();
    const Options before = o;
    EXPECT_EQ(readOptionsFile(dir_ / "none.ini", o), OptionsError::Missing);
    EXPECT_EQ(o, before);

    const fs::path file = dir_ / "zeva.ini";
    auto bytes = serializeOptions(Options{}, DocumentDefaults{});
    bytes.resize(bytes.size() - 1);
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
    EXPECT_EQ(readOptionsFile(file, o), OptionsError::Truncated);
    EXPECT_EQ(o, before);
}

TEST_F(OptionsFileOnDisk, SavingTakesTheDocumentUnitsAsNewDefaults) {
    const fs::path file = dir_ / "zeva.ini";
    Options o;
    const DocumentDefaults doc{0x0000FF, model::LengthUnit::Millimetre, model::AngleUnit::Grad, 20,
                               model::CoordinateSystem::Polar};
    ASSERT_TRUE(saveOptionsWithDocument(file, o, doc));
    EXPECT_EQ(o.documentDefaults(), doc);
    Options read;
    ASSERT_EQ(readOptionsFile(file, read), OptionsError::None);
    EXPECT_EQ(read.documentDefaults(), doc);
}

TEST_F(OptionsFileOnDisk, WriteFailureIsReported) {
    const fs::path blocker = dir_ / "file";
    std::ofstream(blocker) << "x";
    EXPECT_FALSE(writeOptionsFile(blocker / "zeva.ini", Options{}));
}

TEST(OptionsFilePath, FollowsTheConfigurationFolder) {
    const char* oldXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = oldXdg ? oldXdg : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(optionsFilePath("/opt/zeva"), fs::path("/tmp/cfg/ZEVA/ZEVA 3/zeva.ini"));
    ::setenv("XDG_CONFIG_HOME", "relative", 1); // ignored: not absolute
    const char* home = std::getenv("HOME");
    if (home && *home) {
        EXPECT_EQ(optionsFilePath("/opt/zeva"),
                  fs::path(home) / ".config" / "ZEVA" / "ZEVA 3" / "zeva.ini");
    }
    if (oldXdg)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

TEST(Options, LoadOriginalOptionsKeepsLanguageAndDocumentDefaults) {
    Options o = changedOptions();
    loadOriginalOptions(o);
    Options expected;
    expected.languageFile = "Español";
    expected.setDocumentDefaults({0x112233, model::LengthUnit::Kilometre, model::AngleUnit::Grad,
                                  55, model::CoordinateSystem::Polar});
    EXPECT_EQ(o, expected);
    loadOriginalOptions(o, true);
    expected.setDocumentDefaults({});
    EXPECT_EQ(o, expected);
}

} // namespace
} // namespace zeva::settings
